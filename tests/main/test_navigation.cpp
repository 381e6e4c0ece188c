// The main window's menu, the double-click into the entry editor, and the league table
// being in points order after every command that can change entries or points.
#include "data/text.h"
#include "fixture.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace velmora;
using namespace velmora::test;

namespace {

// Runs `act` on the modal window the next action opens and returns its name.
QString onModal(const std::function<void()>& action, const std::function<void(QWidget*)>& act)
{
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            act(modal);
        }
    });
    action();
    return opened;
}

void closeIt(QWidget* window) { window->close(); }

QStringList owners(const Main& main)
{
    QStringList names;
    for (const EntryRecord& e : readRecords<EntryRecord>(main.dataDir().entries()))
        names << displayText(e.Owner);
    return names;
}

QStringList grid(const Main& main, int n)
{
    QStringList rows;
    for (int r = 0; r < n; ++r)
        rows << displayText(main.HiScores->textMatrix(r, 1)) + u' '
                    + main.HiScores->textMatrix(r, 2);
    return rows;
}

// Three entries, written in owner order, whose points order is Cy, Bo, Al.
void writeLeague(const TempData& data)
{
    writeRecords(data.dir().teams(), std::vector{team("T", "E", "D1", "D2", 1)});
    writeRecords(data.dir().entries(), std::vector{entry(QStringLiteral("Al"), 10),
                                                   entry(QStringLiteral("Bo"), 20),
                                                   entry(QStringLiteral("Cy"), 30)});
}

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Messages::collect(true); }

    void menuTree();
    void commandsThatChangePointsReorder();
    void otherCommandsLeaveTheTable();
    void doubleClickOpensThatEntry();
    void viewerAndAboutAreNotModal();
    void everyControlHasAName();
    void noWindowLeft();
};

void TestNavigation::menuTree()
{
    TempData data;
    Main main(data.dir());
    QStringList tree;
    for (QAction* top : main.menuBar()->actions()) {
        tree << top->text();
        for (QAction* item : top->menu()->actions())
            tree << (item->isSeparator() ? QStringLiteral("  -") : QStringLiteral("  ") + item->text());
    }
    QCOMPARE(tree, (QStringList{"&File", "  &Output Scores", "  &Calculate Best/Worst", "  -",
                                "  E&xit", "&Setup", "  Enter Tro &Teams...",
                                "  Enter Test &Drivers...", "&Competition", "  Enter &Teams...",
                                "  -", "  &Score a Race...", "  &View Full Table...", "&Help",
                                "  &About"}));
    QCOMPARE(main.windowTitle(), QStringLiteral("Velmora"));
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((main.geometry().center() - centre).manhattanLength() <= 2);
}

void TestNavigation::commandsThatChangePointsReorder()
{
    TempData data;
    writeLeague(data);
    Main main(data.dir());
    const QStringList pointsOrder = {"Cy", "Bo", "Al"};
    const std::function<void()> commands[] = {
        [&] { main.Comp_Team->trigger(); },
        [&] { main.Comp_Score->trigger(); },
        [&] { main.HiScores_DblClick(); },
    };
    for (const auto& command : commands) {
        main.Sort_Owner_Click();
        QCOMPARE(owners(main), (QStringList{"Al", "Bo", "Cy"}));
        const QString opened = onModal(command, closeIt);
        QVERIFY(opened == u"Entries" || opened == u"Score");
        QCOMPARE(owners(main), pointsOrder);
        QCOMPARE(grid(main, 3), (QStringList{"Cy 30", "Bo 20", "Al 10"}));
    }
}

void TestNavigation::otherCommandsLeaveTheTable()
{
    TempData data;
    writeLeague(data);
    Main main(data.dir());
    main.Sort_Owner_Click();
    const QByteArray file = readBytes(data.dir().entries());
    const std::pair<QAction*, QString> commands[] = {{main.Setup_Team, "Team_Entry"},
                                                     {main.Setup_Driver, "Test_Driver"},
                                                     {main.File_Calc, "Calculate"}};
    for (const auto& [item, window] : commands) {
        QCOMPARE(onModal([item = item] { item->trigger(); }, closeIt), window);
        QCOMPARE(readBytes(data.dir().entries()), file);
        QCOMPARE(grid(main, 3), (QStringList{"Al 10", "Bo 20", "Cy 30"}));
    }
}

void TestNavigation::doubleClickOpensThatEntry()
{
    TempData data;
    writeLeague(data);
    Main main(data.dir());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QRect cell = main.HiScores->visualRect(main.HiScores->model()->index(2, 1));
    QString owner;
    const QString opened = onModal(
        [&] { QTest::mouseDClick(main.HiScores->viewport(), Qt::LeftButton, {}, cell.center()); },
        [&](QWidget* editor) {
            owner = editor->findChild<QLineEdit*>(QStringLiteral("Owner"))->text();
            editor->close();
        });
    QCOMPARE(opened, QStringLiteral("Entries"));
    QCOMPARE(main.Number->text(), QStringLiteral(" 3"));
    QCOMPARE(owner, QStringLiteral("Cy"));
    QCOMPARE(owners(main), (QStringList{"Cy", "Bo", "Al"}));
    main.close();
}

void TestNavigation::viewerAndAboutAreNotModal()
{
    TempData data;
    Main main(data.dir());
    main.show();
    main.Comp_View->trigger();
    main.Help_About->trigger();
    QVERIFY(main.viewer()->isVisible());
    QVERIFY(!main.viewer()->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(main.isEnabled());
    main.close();  // the close box ends it all, like E&xit
    QCOMPARE(visibleTopLevelWindows(), 0);
}

// What a screen reader would say for each control a user can reach: its label's text
// (through the buddy), its caption, or an accessible name given in code.
void TestNavigation::everyControlHasAName()
{
    TempData data;
    writeLeague(data);
    Main main(data.dir());
    QAccessible::setActive(true);
    QStringList unnamed;
    auto check = [&unnamed](QWidget* window) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
                                 || qobject_cast<QAbstractButton*>(w)
                                 || qobject_cast<QAbstractItemView*>(w);
            if (!control || w->window() != window || w->isHidden()
                || w->focusPolicy() == Qt::NoFocus
                || qobject_cast<QLineEdit*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            // Screen readers on Linux name a drop-down list by the caption it is labelled by.
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
            if (a && name.isEmpty())
                for (const auto& [by, relation] : a->relations(QAccessible::Label))
                    name += by->text(QAccessible::Name).trimmed();
            if (name.isEmpty())
                unnamed << window->objectName() + u'.' + w->objectName();
        }
    };
    check(&main);
    check(main.viewer());
    const QList<QAction*> modal = {main.Setup_Team, main.Setup_Driver, main.Comp_Team,
                                   main.Comp_Score, main.File_Calc};
    for (QAction* item : modal)
        onModal([item] { item->trigger(); }, [&](QWidget* w) {
            check(w);
            w->close();
        });
    main.Help_About->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"frmAbout") {
            check(w);
            w->close();
        }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    QAccessible::setActive(false);
}

void TestNavigation::noWindowLeft() { QCOMPARE(visibleTopLevelWindows(), 0); }

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
