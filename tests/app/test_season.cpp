// A whole season through the windows only, as an organiser would work: the databases,
// four entries, two races, then the league table, the full table and the score report.
#include "data/text.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Team {
    const char *team, *teamPrice, *engine, *enginePrice, *driver1, *driver1Price, *driver2,
        *driver2Price;
};

void enterTeams(Main& main, const std::vector<Team>& teams)
{
    const auto fill = [&teams](QWidget* w) {
        for (std::size_t i = 0; i < teams.size(); ++i) {
            const Team& t = teams[i];
            type(w, "Team", QString::fromUtf8(t.team));
            type(w, "Team_Price", QString::fromUtf8(t.teamPrice));
            type(w, "Engine", QString::fromUtf8(t.engine));
            type(w, "Engine_Price", QString::fromUtf8(t.enginePrice));
            type(w, "Driver1", QString::fromUtf8(t.driver1));
            type(w, "Driver1_Price", QString::fromUtf8(t.driver1Price));
            type(w, "Driver2", QString::fromUtf8(t.driver2));
            type(w, "Driver2_Price", QString::fromUtf8(t.driver2Price));
            click(w, i + 1 < teams.size() ? "New" : "Close");
        }
    };
    QCOMPARE(inModal([&main] { menuItem(&main, "Setup_Team")->trigger(); }, fill),
             QStringLiteral("Team_Entry"));
}

void enterTestDrivers(Main& main, const std::vector<std::pair<const char*, const char*>>& drivers)
{
    const auto fill = [&drivers](QWidget* w) {
        for (std::size_t i = 0; i < drivers.size(); ++i) {
            type(w, "Driver", QString::fromUtf8(drivers[i].first));
            type(w, "Price", QString::fromUtf8(drivers[i].second));
            click(w, i + 1 < drivers.size() ? "New" : "Close");
        }
    };
    QCOMPARE(inModal([&main] { menuItem(&main, "Setup_Driver")->trigger(); }, fill),
             QStringLiteral("Test_Driver"));
}

struct Entry {
    const char* owner;
    int team, engine, driver1, driver2, testDriver;
};

void enterEntries(Main& main, const std::vector<Entry>& entries)
{
    const auto fill = [&entries](QWidget* w) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Entry& e = entries[i];
            type(w, "Owner", QString::fromUtf8(e.owner));
            const std::pair<const char*, int> picks[] = {{"Team", e.team},
                                                         {"Engine", e.engine},
                                                         {"Driver1", e.driver1},
                                                         {"Driver2", e.driver2},
                                                         {"TDriver", e.testDriver}};
            for (const auto& [list, position] : picks) {
                pick(w, list, position);
                QCOMPARE(picker(w, list)->currentIndex(), position);
            }
            click(w, i + 1 < entries.size() ? "New" : "Close");
        }
    };
    QCOMPARE(inModal([&main] { menuItem(&main, "Comp_Team")->trigger(); }, fill),
             QStringLiteral("Entries"));
}

using Points = std::array<const char*, 4>;

void scoreRace(Main& main, const char* race, const std::vector<Points>& teams,
               const std::vector<const char*>& testDrivers)
{
    const auto scoreTeams = [&teams](QWidget* card) {
        const char* boxes[] = {"Team_Price", "Engine_Price", "Driver1_Price", "Driver2_Price"};
        for (std::size_t i = 0; i < teams.size(); ++i) {
            for (int b = 0; b < 4; ++b)
                type(card, boxes[b], QString::fromUtf8(teams[i][b]));
            click(card, i + 1 < teams.size() ? "Forward" : "Close");
        }
    };
    const auto scoreTestDrivers = [&testDrivers](QWidget* card) {
        for (std::size_t i = 0; i < testDrivers.size(); ++i) {
            pick(card, "Driver", int(i));
            type(card, "Price", QString::fromUtf8(testDrivers[i]));
            click(card, i + 1 < testDrivers.size() ? "New" : "Close");
        }
    };
    const auto scoreTheRace = [&](QWidget* score) {
        type(score, "Race", QString::fromUtf8(race));
        QCOMPARE(inModal([score] { click(score, "Teamscore"); }, scoreTeams),
                 QStringLiteral("Race_Score"));
        QCOMPARE(inModal([score] { click(score, "Testscore"); }, scoreTestDrivers),
                 QStringLiteral("TD_Score"));
        click(score, "Calculate");
    };
    QCOMPARE(inModal([&main] { menuItem(&main, "Comp_Score")->trigger(); }, scoreTheRace),
             QStringLiteral("Score"));
}

QStringList league(const Main& main)
{
    const auto* table = control<FlexGrid>(&main, "HiScores");
    QStringList rows;
    for (int r = 0; r < table->rows(); ++r) {
        const QString owner = displayText(cellText(table, r, 1));
        if (!owner.isEmpty())
            rows << cellText(table, r, 0) + u' ' + owner + u' ' + cellText(table, r, 2);
    }
    return rows;
}

} // namespace

class TestSeason : public QObject {
    Q_OBJECT
private slots:
    void wholeSeasonThroughTheWindows();
    void noWindowLeft();
};

void TestSeason::wholeSeasonThroughTheWindows()
{
    Messages::collect(true);
    TempData data;
    Main main(data.dir());
    main.show();

    enterTeams(main, {{"Aldwych", "10", "Corvane", "8", "Mara", "5", "Tomas", "4.5"},
                      {"Brightwater", "7.5", "Hollis", "6", "Ines", "3", "Kit", "2.25"}});
    enterTestDrivers(main, {{"Sam", "3"}, {"Ada", "2"}});
    // Driver list: Mara, Tomas, Ines, Kit.
    enterEntries(main, {{"Harriet", 0, 0, 0, 1, 0},
                        {"Ben", 1, 1, 2, 3, 1},
                        {"Priya", 0, 1, 0, 3, 1},
                        {"Tom", 1, 0, 1, 2, 0}});
    QCOMPARE(league(main), (QStringList{"1 Harriet 0", "2 Ben 0", "3 Priya 0", "4 Tom 0"}));
    const auto entries = readRecords<EntryRecord>(data.dir().entries());
    QCOMPARE(entries.size(), std::size_t(4));
    QCOMPARE(entries[0].Price, 10.f + 8.f + 5.f + 4.5f + 3.f);

    scoreRace(main, "Harbourside", {{"10", "6", "8", "3"}, {"4", "2", "5", "1"}}, {"2", "1"});
    QCOMPARE(league(main), (QStringList{"1 Harriet 29", "2 Priya 22", "3 Tom 20", "4 Ben 13"}));
    scoreRace(main, "Eastmoor", {{"5", "3", "2", "6"}, {"7", "4", "9", "0"}}, {"0", "3"});
    // Equal points keep the order they had.
    QCOMPARE(league(main), (QStringList{"1 Harriet 45", "2 Tom 45", "3 Priya 36", "4 Ben 36"}));
    QVERIFY(Messages::collected().isEmpty());

    // The full table: names row, then scores row, of the first and last entries.
    auto* viewer = main.findChild<Team_Viewer*>();
    const FlexGrid* spread = viewer->grid();
    QStringList row1, row2, row8;
    for (int c = 1; c <= 6; ++c) {
        row1 << cellText(spread, 1, c);
        row2 << cellText(spread, 2, c);
        row8 << cellText(spread, 8, c);
    }
    QCOMPARE(row1, (QStringList{"Harriet", "Aldwych", "Corvane", "Mara", "Tomas", "Sam"}));
    QCOMPARE(row2, (QStringList{"45", "15", "9", "10", "9", "2"}));
    QCOMPARE(row8, (QStringList{"36", "11", "6", "14", "1", "4"}));

    // The score report of the season.
    const QString report = data.path(QStringLiteral("season.txt"));
    SaveFileDialog::setNextFileName(report);
    menuItem(&main, "File_Output")->trigger();
    const QList<QByteArray> lines = readBytes(report).split('\n');
    QCOMPARE(lines[0], QByteArray("                  Total Harbourside Eastmoor\r"));
    QCOMPARE(lines[1], QByteArray("Mara                10  \t8  \t2\r"));
    QCOMPARE(lines[5], QByteArray("Kit                 1  \t1  \t0\r"));
    QCOMPARE(lines[6], QByteArray("\r"));
    QCOMPARE(lines[7], QByteArray("Aldwych             15  \t10  \t5\r"));
    const int championship = int(lines.indexOf(QByteArray("Championship\r")));
    QVERIFY(championship > 0);
    QCOMPARE(lines.mid(championship + 2, 4),
             (QList<QByteArray>{
                 " 1    Harriet                45\r", " 2    Tom                    45\r",
                 " 3    Priya                  36\r", " 4    Ben                    36\r"}));

    // E&xit ends it all: the viewer and the About box go with the main window.
    menuItem(&main, "Comp_View")->trigger();
    menuItem(&main, "Help_About")->trigger();
    QVERIFY(viewer->isVisible());
    QVERIFY(shownWindow("frmAbout"));
    menuItem(&main, "File_Exit")->trigger();
    QVERIFY(!main.isVisible());
    QVERIFY(!viewer->isVisible());
}

void TestSeason::noWindowLeft()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

QTEST_MAIN(TestSeason)
#include "test_season.moc"
