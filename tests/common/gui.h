// Driving the windows as a user does: controls found by name, typed into, clicked, picked.
#pragma once

#include "main/main_window.h"
#include "table.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"

#include <QtWidgets>

namespace velmora::test {

template <class Control = QWidget> Control* control(const QObject* w, const QString& name)
{
    if (auto* c = w->findChild<Control*>(name))
        return c;
    qFatal("no control %s in %s", qPrintable(name), qPrintable(w->objectName()));
}
inline const auto box = [](const QObject* w, auto n) { return control<QLineEdit>(w, n); };
inline const auto picker = [](const QObject* w, auto n) { return control<QComboBox>(w, n); };
inline const auto button = [](const QObject* w, auto n) { return control<QPushButton>(w, n); };

// The texts of boxes or drop-down lists, joined by '|'.
inline QString texts(const QObject* w, std::initializer_list<QString> names)
{
    QStringList shown;
    for (const QString& name : names) {
        auto* list = w->findChild<QComboBox*>(name);
        shown << (list ? list->currentText() : box(w, name)->text());
    }
    return shown.join(u'|');
}

// A grid cell as the grid draws it (trailing blanks are not drawn).
inline QString cellText(const QAbstractItemView* grid, int row, int col)
{
    return grid->model()->index(row, col).data().toString();
}

// Grid rows as the grid draws them from column `from` on: cells joined by '|', rows by ' '.
inline QString rows(const QAbstractItemView* grid, std::initializer_list<int> rows, int from = 0)
{
    QString shown;
    for (const int r : rows)
        for (int c = from, n = grid->model()->columnCount(); c < n; ++c)
            shown += cellText(grid, r, c) + (c + 1 < n ? u'|' : u' ');
    return shown.chopped(1);
}

// Types the text key by key, a character beyond ASCII as the key a keyboard layout gives it.
inline void typeKeys(QWidget* target, const QString& typed)
{
    for (const QChar c : typed)
        c.unicode() < 0x80
            ? QTest::keyClick(target, c.toLatin1())
            : QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), {});
}

// Replaces what a box (or an editable list) holds by typing.
inline void type(const QObject* w, const QString& name, const QString& typed)
{
    auto* list = w->findChild<QComboBox*>(name);
    QLineEdit* b = list ? list->lineEdit() : box(w, name);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    typeKeys(b, typed);
}

// Chooses an item as a user does (also the item already chosen).
inline void pick(const QObject* w, const QString& name, int position)
{
    picker(w, name)->setCurrentIndex(position);
    emit picker(w, name)->activated(position);
}

// The stepping buttons as the user sees them: "<>" both enabled, "<-" Previous only, ...
inline QString steps(const QObject* w)
{
    return QString(button(w, "Previous")->isEnabled() ? u'<' : u'-')
           + (button(w, "Forward")->isEnabled() ? u'>' : u'-');
}

// Shows the window and waits until keys go to it (a dialog counts as active before that).
inline bool waitUntilActive(QWidget* w)
{
    w->show();
    return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
}

using Use = std::function<void(QWidget*)>;

// Runs `use` in the modal window `open` opens, then closes it by its close box; its name or null.
inline QString inModal(const std::function<void()>& open, const Use& use = {})
{
    QString name;
    QWidget* const opener = QApplication::activeModalWidget();
    QTimer inside; // gone with this call when no window opened
    QObject::connect(&inside, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget();
            modal && modal != opener && name.isNull()) {
            name = modal->objectName();
            waitUntilActive(modal);
            if (use)
                use(modal);
            if (modal->isVisible())
                modal->close();
        }
    });
    inside.start(0);
    open();
    return name;
}

inline void trigger(const QObject* from, const QString& item)
{
    if (auto* action = from->findChild<QAction*>(item))
        return action->trigger();
    QTest::mouseClick(button(from, item), Qt::LeftButton);
}
inline const auto click = trigger;

inline QWidget* shownWindow(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == name)
            return w;
    return nullptr;
}

// Opens the window as the organiser does (paths: what is typed and pressed), runs `use` in it and
// closes it by its close box. "Main" (no path) is the main window itself, left open.
inline void inWindow(MainWindow& main, const QString& window, const Use& use)
{
    static const QStringList paths =
        QString("Team_Entry Setup_Team,Test_Driver Setup_Driver,Entries Comp_Team,"
                "Score Comp_Score,Race_Score Comp_Score Race=Imola Teamscore,Calculate File_Calc,"
                "TD_Score Comp_Score Race=Imola Testscore,Calculator File_Calc Budge=100 Ok,"
                "frmAbout Help_About,Team_Viewer Comp_View,Race_Results "
                "Comp_Results,League_Settings File_Settings,New_Season File_NewSeason,"
                "Decisions Comp_Decisions,Penalty_Bonus Comp_Decisions Add,"
                "Import_Entries Comp_Import")
            .split(u',');
    std::function<void(QWidget*, QStringList)> walk = [&](QWidget* from, QStringList path) {
        if (path.isEmpty())
            return use(from);
        const QString item = path.takeFirst();
        if (item.contains(u'='))
            return type(from, item.section(u'=', 0, 0), item.section(u'=', 1)), walk(from, path);
        if (!inModal([&] { trigger(from, item); }, [&](QWidget* w) { walk(w, path); }).isNull())
            return;
        QWidget* beside = shownWindow(window); // a window that is not modal
        if (!beside || !waitUntilActive(beside))
            qFatal("%s did not open", qPrintable(window));
        walk(beside, path);
        beside->close();
    };
    for (const QString& p : paths)
        if (p.section(u' ', 0, 0) == window)
            return walk(&main, p.split(u' ').mid(1));
    walk(&main, {});
}

} // namespace velmora::test
