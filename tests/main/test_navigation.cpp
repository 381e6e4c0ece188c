// The main window's menu, the double-click into the entry editor, and the league table
// being in points order after every command that can change entries or points.
#include "data/text.h"
#include "fixture.h"
#include "gui.h"
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

#include <functional>

using namespace velmora;
using namespace velmora::test;

namespace {

void closeIt(QWidget* window)
{
    window->close();
}

QStringList owners(const TempData& data)
{
    QStringList names;
    for (const EntryRecord& e : readRecords<EntryRecord>(data.dir().entries()))
        names << displayText(e.Owner);
    return names;
}

QStringList grid(const Main& main, int n)
{
    const auto* table = control<FlexGrid>(&main, "HiScores");
    QStringList rows;
    for (int r = 0; r < n; ++r)
        rows << displayText(cellText(table, r, 1)) + u' ' + cellText(table, r, 2);
    return rows;
}

// Three entries, written in owner order, whose points order is Cy, Bo, Al.
void writeLeague(const TempData& data)
{
    writeRecords(data.dir().teams(), std::vector{team("T", "E", "D1", "D2", 1)});
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("Al"), 10), entry(QStringLiteral("Bo"), 20),
                             entry(QStringLiteral("Cy"), 30)});
}

} // namespace

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
            tree << (item->isSeparator() ? QStringLiteral("  -")
                                         : QStringLiteral("  ") + item->text());
    }
    QCOMPARE(tree,
             (QStringList{"&File", "  &Output Scores", "  &Calculate Best/Worst", "  -", "  E&xit",
                          "&Setup", "  Enter Tro &Teams...", "  Enter Test &Drivers...",
                          "&Competition", "  Enter &Teams...", "  -", "  &Score a Race...",
                          "  &View Full Table...", "&Help", "  &About"}));
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
        [&] { menuItem(&main, "Comp_Team")->trigger(); },
        [&] { menuItem(&main, "Comp_Score")->trigger(); },
        [&] { main.HiScores_DblClick(); },
    };
    for (const auto& command : commands) {
        main.Sort_Owner_Click();
        QCOMPARE(owners(data), (QStringList{"Al", "Bo", "Cy"}));
        const QString opened = inModal(command, closeIt);
        QVERIFY(opened == u"Entries" || opened == u"Score");
        QCOMPARE(owners(data), pointsOrder);
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
    const std::pair<QAction*, QString> commands[] = {
        {menuItem(&main, "Setup_Team"), "Team_Entry"},
        {menuItem(&main, "Setup_Driver"), "Test_Driver"},
        {menuItem(&main, "File_Calc"), "Calculate"}};
    for (const auto& [item, window] : commands) {
        QCOMPARE(inModal([item = item] { item->trigger(); }, closeIt), window);
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
    auto* table = control<FlexGrid>(&main, "HiScores");
    const QRect cell = table->visualRect(table->model()->index(2, 1));
    QString owner;
    const QString opened =
        inModal([&] { QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center()); },
                [&](QWidget* editor) {
                    owner = text(editor, "Owner");
                    editor->close();
                });
    QCOMPARE(opened, QStringLiteral("Entries"));
    QCOMPARE(text(&main, "Number"), QStringLiteral(" 3"));
    QCOMPARE(owner, QStringLiteral("Cy"));
    QCOMPARE(owners(data), (QStringList{"Cy", "Bo", "Al"}));
    main.close();
}

void TestNavigation::viewerAndAboutAreNotModal()
{
    TempData data;
    Main main(data.dir());
    main.show();
    menuItem(&main, "Comp_View")->trigger();
    menuItem(&main, "Help_About")->trigger();
    auto* viewer = main.findChild<Team_Viewer*>();
    QVERIFY(viewer->isVisible());
    QVERIFY(!viewer->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(main.isEnabled());
    main.close(); // the close box ends it all, like E&xit
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
                || w->focusPolicy() == Qt::NoFocus || qobject_cast<QLineEdit*>(w->parentWidget())
                || qobject_cast<QComboBox*>(w->parentWidget()))
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
    check(main.findChild<Team_Viewer*>());
    for (const char* name : {"Setup_Team", "Setup_Driver", "Comp_Team", "Comp_Score", "File_Calc"})
        inModal([&] { menuItem(&main, name)->trigger(); },
                [&](QWidget* w) {
                    check(w);
                    w->close();
                });
    menuItem(&main, "Help_About")->trigger();
    QWidget* about = shownWindow("frmAbout");
    QVERIFY(about);
    check(about);
    about->close();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    QAccessible::setActive(false);
}

void TestNavigation::noWindowLeft()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
