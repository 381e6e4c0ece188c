#include "data/types.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QPushButton>
#include <QTest>

#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

std::vector<EntryRecord> owners(int n)
{
    std::vector<EntryRecord> entries;
    for (int i = 1; i <= n; ++i)
        entries.push_back(entry(QStringLiteral("Owner %1").arg(i), int16_t(i)));
    return entries;
}

// A cell's text as the grid holds it, trailing blanks and all (cellText() gives it as drawn,
// without them).
QString held(const FlexGrid* grid, int row, int col)
{
    const auto* cells = qobject_cast<const FlexGridModel*>(grid->model());
    if (!cells)
        qFatal("the grid holds no cells");
    return cells->text(row, col);
}

QStringList column0(const FlexGrid* grid)
{
    QStringList texts;
    for (int r = 1; r < grid->rows(); ++r)
        texts << cellText(grid, r, 0);
    return texts;
}

} // namespace

class TestTeamViewer : public QObject {
    Q_OBJECT
private slots:
    void headingsAndEmptyFiles();
    void rowCountsGrowInPairs();
    void namesAndScoresThroughTheLists();
    void positionsOutsideTheListsShowEmpty();
    void updateShowsChangesAndClearsRemovedEntries();
    void twentyThousandEntriesShow();
    void closeAndEscapeOnlyHide();
    void loadedHiddenAtStartUpAndShownByMenu();
    void noWindowLeft();
};

void TestTeamViewer::headingsAndEmptyFiles()
{
    TempData data;
    Team_Viewer viewer(data.dir());
    const FlexGrid* g = viewer.grid();
    QCOMPARE(g->cols(), 7);
    QCOMPARE(g->rows(), 25);
    QCOMPARE(held(g, 0, 1), QStringLiteral("Owner           "));
    QCOMPARE(held(g, 0, 6), QStringLiteral("Test Driver         "));
    // The absent files are created empty; the rows are labelled all the same.
    QVERIFY(data.exists(QStringLiteral("teams.tro")));
    QVERIFY(data.exists(QStringLiteral("test.tro")));
    QVERIFY(data.exists(QStringLiteral("entry.tro")));
    QStringList expected;
    for (int i = 1; i <= 12; ++i)
        expected << QString::number(i) << QString();
    QCOMPARE(column0(g), expected);
}

void TestTeamViewer::rowCountsGrowInPairs()
{
    for (const auto& [entries, rows] : {std::pair{2, 25}, {11, 25}, {12, 27}, {13, 29}}) {
        TempData data;
        writeRecords(data.dir().entries(), owners(entries));
        Team_Viewer viewer(data.dir());
        const FlexGrid* g = viewer.grid();
        QCOMPARE(g->rows(), rows);
        QCOMPARE(cellText(g, 2 * entries - 1, 1), QStringLiteral("Owner %1").arg(entries));
        QCOMPARE(cellText(g, 2 * entries, 1), QString::number(entries));
        // Always one empty, labelled pair of rows below the last entry.
        QCOMPARE(cellText(g, 2 * entries + 1, 0), QString::number(entries + 1));
        QCOMPARE(cellText(g, 2 * entries + 1, 1), QString());
        QCOMPARE(cellText(g, 2 * entries + 2, 0), QString());
    }
}

void TestTeamViewer::namesAndScoresThroughTheLists()
{
    TempData data;
    TeamRecord t1 = team("Red", "Vee", "Ann", "Bo", 1, 0);
    TeamRecord t2 = team("Blue", "Arc", "Cy", "Di", 1, 0);
    t1.Team.Score = 4;
    t2.Engine.Score = 9;
    t2.Driver2.Score = 57;
    t2.Driver2.Name = QStringLiteral("  Di  ");
    writeRecords(data.dir().teams(), std::vector{t1, t2});
    writeRecords(data.dir().testDrivers(), std::vector{testDriver(QStringLiteral("Tess"), 1, 3)});
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("  Ann Owner  "), -57, 0, 1, 3, 0, 0)});
    Team_Viewer viewer(data.dir());
    const FlexGrid* g = viewer.grid();
    const QStringList names = {"Ann Owner", "Red", "Arc", "Di", "Ann", "Tess"};
    const QStringList scores = {"-57", "4", "9", "57", "0", "3"};
    for (int c = 1; c <= 6; ++c) {
        QCOMPARE(cellText(g, 1, c), names[c - 1]);
        QCOMPARE(cellText(g, 2, c), scores[c - 1]);
    }
}

void TestTeamViewer::positionsOutsideTheListsShowEmpty()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{team("Red", "Vee", "Ann", "Bo")});
    // No test drivers: position 0 finds the single blank, -1 and 5 find nothing.
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("A"), 0, 0, 0, 0, 1, 0),
                             entry(QStringLiteral("B"), 0, -1, 1, 2, -32768, -1),
                             entry(QStringLiteral("C"), 0, 32767, 0, 1, 0, 5)});
    Team_Viewer viewer(data.dir());
    const FlexGrid* g = viewer.grid();
    QCOMPARE(held(g, 1, 6), QStringLiteral(" "));
    QCOMPARE(held(g, 2, 6), QStringLiteral(" "));
    for (int c : {2, 4, 5, 6}) {
        QCOMPARE(held(g, 3, c), QString());
        QCOMPARE(held(g, 4, c), QString());
    }
    QCOMPARE(held(g, 3, 3), QString()); // engine position 1 of a one-team file
    QCOMPARE(held(g, 5, 2), QString());
    QCOMPARE(held(g, 5, 6), QString());
    QCOMPARE(held(g, 5, 4), QStringLiteral("Bo"));
}

void TestTeamViewer::updateShowsChangesAndClearsRemovedEntries()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{team("Red", "Vee", "Ann", "Bo")});
    writeRecords(data.dir().entries(), owners(13));
    Team_Viewer viewer(data.dir());
    QCOMPARE(viewer.grid()->rows(), 29);

    TeamRecord renamed = team("Red", "Vee", "Annabel", "Bo");
    renamed.Driver1.Score = 12;
    writeRecords(data.dir().teams(), std::vector{renamed});
    writeRecords(data.dir().entries(), owners(2));
    QString error;
    QVERIFY2(viewer.Update(&error), qPrintable(error));
    const FlexGrid* g = viewer.grid();
    QCOMPARE(cellText(g, 1, 4), QStringLiteral("Annabel"));
    QCOMPARE(cellText(g, 2, 4), QStringLiteral("12"));
    // Rows only grow, but the entries that are gone no longer show.
    QCOMPARE(g->rows(), 29);
    for (int r = 5; r < g->rows(); ++r)
        for (int c = 1; c <= 6; ++c)
            QCOMPARE(cellText(g, r, c), QString());
    QCOMPARE(cellText(g, 27, 0), QStringLiteral("14"));
}

void TestTeamViewer::twentyThousandEntriesShow()
{
    TempData data;
    writeRecords(data.dir().entries(), owners(20000));
    QElapsedTimer timer;
    timer.start();
    Team_Viewer viewer(data.dir());
    qInfo("viewer load, 20,000 entries: %lld ms", timer.elapsed());
    const FlexGrid* g = viewer.grid();
    QCOMPARE(g->rows(), 40003);
    QCOMPARE(cellText(g, 39999, 0), QStringLiteral("20000"));
    QCOMPARE(cellText(g, 39999, 1), QStringLiteral("Owner 20000"));
    QCOMPARE(cellText(g, 40001, 0), QStringLiteral("20001")); // cell 40001 × 7
}

void TestTeamViewer::closeAndEscapeOnlyHide()
{
    TempData data;
    writeRecords(data.dir().entries(), owners(1));
    Team_Viewer viewer(data.dir());
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    click(&viewer, "Close");
    QVERIFY(viewer.isHidden());
    viewer.show();
    QTest::keyClick(&viewer, Qt::Key_Escape);
    QVERIFY(viewer.isHidden());
    QCOMPARE(cellText(viewer.grid(), 1, 1), QStringLiteral("Owner 1"));
}

void TestTeamViewer::loadedHiddenAtStartUpAndShownByMenu()
{
    TempData data;
    writeRecords(data.dir().entries(), owners(3));
    Main main(data.dir());
    QVERIFY(main.loaded());
    auto* viewer = control<Team_Viewer>(&main, "Team_Viewer");
    QVERIFY(viewer->isHidden());
    QCOMPARE(cellText(viewer->grid(), 5, 1), QStringLiteral("Owner 3"));
    menuItem(&main, "Comp_View")->trigger();
    QVERIFY(viewer->isVisible());
    viewer->Close_Click();
}

void TestTeamViewer::noWindowLeft()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

QTEST_MAIN(TestTeamViewer)
#include "test_team_viewer.moc"
