// Driving the windows as a user does: controls found by their names, typed into, clicked
// and picked from, and modal windows worked in while they are open.
#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace velmora::test {

// The control of that name in the window; the test stops when there is none.
template <class Control = QWidget> Control* control(const QObject* window, const char* name)
{
    auto* c = window->findChild<Control*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return c;
}

inline QLineEdit* box(const QObject* w, const char* name)
{
    return control<QLineEdit>(w, name);
}
inline QPushButton* button(const QObject* w, const char* name)
{
    return control<QPushButton>(w, name);
}
inline QComboBox* picker(const QObject* w, const char* name)
{
    return control<QComboBox>(w, name);
}
inline QAction* menuItem(const QObject* w, const char* name)
{
    return control<QAction>(w, name);
}

// The text a box shows (an editable drop-down list: its text).
inline QString text(const QObject* w, const char* name)
{
    if (auto* list = w->findChild<QComboBox*>(QString::fromLatin1(name)))
        return list->currentText();
    return box(w, name)->text();
}

// A grid cell's text as the grid draws it (trailing blanks are not drawn).
inline QString cellText(const QAbstractItemView* grid, int row, int col)
{
    return grid->model()->index(row, col).data().toString();
}

// Replaces what the box holds by typing.
inline void type(const QObject* w, const char* name, const QString& typed)
{
    QLineEdit* b = w->findChild<QComboBox*>(QString::fromLatin1(name)) ? picker(w, name)->lineEdit()
                                                                       : box(w, name);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    QTest::keyClicks(b, typed);
}

inline void click(const QObject* w, const char* name)
{
    QTest::mouseClick(button(w, name), Qt::LeftButton);
}

// Chooses the item at that position as a user does (also the item already chosen).
inline void pick(const QObject* w, const char* name, int position)
{
    QComboBox* list = picker(w, name);
    list->setCurrentIndex(position);
    emit list->activated(position);
}

// The stepping buttons as a user sees them: "<>" both enabled, "<-" Previous only, ...
inline QString steps(const QObject* w)
{
    return QString(button(w, "Previous")->isEnabled() ? u'<' : u'-')
           + QString(button(w, "Forward")->isEnabled() ? u'>' : u'-');
}

// Waits for the window to be the active one, the one keys go to. (A dialog counts as
// active for QTest while its parent is, before it has the focus itself.)
inline bool waitUntilActive(QWidget* window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Runs `open`, which opens a modal window, and `use` in that window once it is shown and
// active; the window is closed by its close box if `use` left it open. Returns the
// window's name (empty when none opened).
inline QString inModal(const std::function<void()>& open, const std::function<void(QWidget*)>& use)
{
    QString name;
    // Gone with this call when no window opened, so that it cannot act in a later one.
    QTimer inside;
    inside.setSingleShot(true);
    QObject::connect(&inside, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        name = modal->objectName();
        if (!waitUntilActive(modal))
            qWarning("%s did not become active", qPrintable(name));
        use(modal);
        if (modal->isVisible())
            modal->close();
    });
    inside.start(0);
    open();
    return name;
}

// The top-level window of that name that is shown, or none.
inline QWidget* shownWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

} // namespace velmora::test
