#include "data/io.h"
#include "data/text.h"
#include "data/types.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "scoring/race_score.h"
#include "scoring/score.h"
#include "scoring/td_score.h"
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

QStringList calendar(const TempData& data)
{
    QStringList names;
    for (const RaceName& r : readRecords<RaceName>(data.dir().calendar()))
        names << displayText(r.Name);
    return names;
}

// Opens the team card from the scoring window and types each record's four scores.
void scoreTeams(QWidget* score, const std::vector<std::array<const char*, 4>>& points)
{
    const QString opened =
        inModal([score] { click(score, "Teamscore"); },
                [&](QWidget* card) {
                    for (std::size_t i = 0; i < points.size(); ++i) {
                        type(card, "Team_Price", QString::fromLatin1(points[i][0]));
                        type(card, "Engine_Price", QString::fromLatin1(points[i][1]));
                        type(card, "Driver1_Price", QString::fromLatin1(points[i][2]));
                        type(card, "Driver2_Price", QString::fromLatin1(points[i][3]));
                        click(card, i + 1 < points.size() ? "Forward" : "Close");
                    }
                });
    QCOMPARE(opened, QStringLiteral("Race_Score"));
}

// Opens the test-driver card and stores each entry: the driver picked (-1: none) and points.
void scoreTestDrivers(QWidget* score, const std::vector<std::pair<int, const char*>>& entries)
{
    const QString opened =
        inModal([score] { click(score, "Testscore"); },
                [&](QWidget* card) {
                    for (std::size_t i = 0; i < entries.size(); ++i) {
                        if (entries[i].first >= 0)
                            pick(card, "Driver", entries[i].first);
                        type(card, "Price", QString::fromLatin1(entries[i].second));
                        click(card, i + 1 < entries.size() ? "New" : "Close");
                    }
                });
    QCOMPARE(opened, QStringLiteral("TD_Score"));
}

std::vector<TeamRecord> twoTeams()
{
    return {team("Red", "Vee", "Ann", "Bo", 10), team("Blue", "Arc", "Cy", "Di", 5)};
}

} // namespace

class TestScoreWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Messages::collect(true);
        Messages::collected().clear();
    }
    void cleanup() { io::setFaultHook({}); }

    void listsTheCalendarInOrder();
    void calculateNeedsTheTeamCard();
    void pickedRaceIsNotAppendedTypedRaceIs();
    void raceNameTakesEightyCharacters();
    void closeBoxAddsNothing();
    void refusedCalculationKeepsWindowOpen();
    void seasonOfThreeRacesThroughTheMenu();
    void noWindowLeft();
};

void TestScoreWindow::listsTheCalendarInOrder()
{
    TempData data;
    writeRecords(data.dir().calendar(), std::vector{RaceName{QStringLiteral("Harbourside")},
                                                    RaceName{QStringLiteral("Eastmoor")}});
    Score score(data.dir(), nullptr, nullptr);
    QCOMPARE(score.windowTitle(), QStringLiteral("Scoring"));
    QCOMPARE(picker(&score, "Race")->count(), 2);
    QCOMPARE(picker(&score, "Race")->itemText(0), QStringLiteral("Harbourside"));
    QCOMPARE(picker(&score, "Race")->itemText(1), QStringLiteral("Eastmoor"));
    QCOMPARE(picker(&score, "Race")->currentText(), QString());
}

void TestScoreWindow::calculateNeedsTheTeamCard()
{
    TempData data;
    writeRecords(data.dir().teams(), twoTeams());
    Score score(data.dir(), nullptr, nullptr);
    score.show();
    QTest::keyClicks(picker(&score, "Race"), QStringLiteral("Kessling"));
    QVERIFY(!button(&score, "Calculate")->isEnabled());
    scoreTestDrivers(&score, {{-1, "1"}});
    QVERIFY(!picker(&score, "Race")->isEnabled()); // the name can no longer change
    QVERIFY(!button(&score, "Calculate")->isEnabled());
    scoreTeams(&score, {{"1", "2", "3", "4"}, {"0", "0", "0", "0"}});
    QVERIFY(button(&score, "Calculate")->isEnabled());
    QVERIFY(data.exists(QStringLiteral("Kessling.tmr")));
    QVERIFY(data.exists(QStringLiteral("Kessling.tdr")));
    score.close();
}

void TestScoreWindow::pickedRaceIsNotAppendedTypedRaceIs()
{
    TempData data;
    writeRecords(data.dir().teams(), twoTeams());
    writeRecords(data.dir().calendar(), std::vector{RaceName{QStringLiteral("Harbourside")},
                                                    RaceName{QStringLiteral("Eastmoor")}});
    {
        Score score(data.dir(), nullptr, nullptr);
        score.show();
        picker(&score, "Race")->setFocus();
        // Picks the first race of the list.
        QTest::keyClick(picker(&score, "Race"), Qt::Key_Down);
        QCOMPARE(picker(&score, "Race")->currentText(), QStringLiteral("Harbourside"));
        scoreTeams(&score, {{"1", "1", "1", "1"}, {"1", "1", "1", "1"}});
        click(&score, "Calculate");
        QVERIFY(score.isHidden());
        QCOMPARE(score.result(), int(QDialog::Accepted));
    }
    QCOMPARE(calendar(data), (QStringList{"Harbourside", "Eastmoor"}));

    for (const QString& typed :
         {QStringLiteral("Kessling"), QStringLiteral("Harbourside"), QString()}) {
        Score score(data.dir(), nullptr, nullptr);
        score.show();
        // An active window, so that the focus really leaves the box for the button: a
        // typed name equal to a listed one must still count as typed.
        QApplication::setActiveWindow(&score);
        QVERIFY(QTest::qWaitForWindowActive(&score));
        picker(&score, "Race")->setFocus();
        QTest::keyClicks(picker(&score, "Race"), typed);
        scoreTeams(&score, {{"1", "1", "1", "1"}, {"1", "1", "1", "1"}});
        click(&score, "Calculate");
    }
    // A typed name the calendar lists is that race, not a second one; an empty name is
    // appended as blanks.
    QCOMPARE(calendar(data), (QStringList{"Harbourside", "Eastmoor", "Kessling", ""}));
    // Harbourside counts once: 1 point per component, plus Kessling's and the empty-named
    // race's.
    QCOMPARE(readRecords<TeamRecord>(data.dir().teams())[0].Team.Score, int16_t(3));
}

void TestScoreWindow::raceNameTakesEightyCharacters()
{
    TempData data;
    writeRecords(data.dir().teams(), twoTeams());
    Score score(data.dir(), nullptr, nullptr);
    score.show();
    QTest::keyClicks(picker(&score, "Race"), QString(90, u'r'));
    QCOMPARE(picker(&score, "Race")->currentText(), QString(80, u'r'));
    scoreTeams(&score, {{"1", "1", "1", "1"}, {"1", "1", "1", "1"}});
    click(&score, "Calculate");
    // The calendar's name and the race file agree, so the points were counted.
    QCOMPARE(calendar(data), QStringList{QString(80, u'r')});
    QCOMPARE(readRecords<TeamRecord>(data.dir().teams())[1].Driver2.Score, int16_t(1));
}

void TestScoreWindow::closeBoxAddsNothing()
{
    TempData data;
    writeRecords(data.dir().teams(), twoTeams());
    const QByteArray teams = readBytes(data.dir().teams());
    Score score(data.dir(), nullptr, nullptr);
    score.show();
    QTest::keyClicks(picker(&score, "Race"), QStringLiteral("Kessling"));
    scoreTeams(&score, {{"5", "5", "5", "5"}, {"5", "5", "5", "5"}});
    score.close();
    QCOMPARE(calendar(data), QStringList());
    QCOMPARE(readBytes(data.dir().teams()), teams);
    // The race file the card wrote stays as written.
    QCOMPARE(
        readRecords<TeamRecord>(data.dir().raceTeams(QStringLiteral("Kessling")))[0].Team.Score,
        int16_t(5));
}

void TestScoreWindow::refusedCalculationKeepsWindowOpen()
{
    TempData data;
    std::vector<TeamRecord> teams = twoTeams();
    writeRecords(data.dir().teams(), teams);
    const QByteArray teamsBefore = readBytes(data.dir().teams());
    auto race = teams;
    race[0].Team.Score = 30000;
    writeRecords(data.dir().raceTeams(QStringLiteral("Old")), race);
    writeRecords(data.dir().calendar(), std::vector{RaceName{QStringLiteral("Old")}});
    Score score(data.dir(), nullptr, nullptr);
    score.show();
    QTest::keyClicks(picker(&score, "Race"), QStringLiteral("New"));
    scoreTeams(&score, {{"30000", "0", "0", "0"}, {"0", "0", "0", "0"}});
    click(&score, "Calculate");
    QCOMPARE(Messages::collected().size(), 1);
    QVERIFY2(Messages::collected()[0].contains(QStringLiteral("Red")),
             qPrintable(Messages::collected()[0]));
    QVERIFY(score.isVisible());
    QCOMPARE(readBytes(data.dir().teams()), teamsBefore);
    // Refused, so the race has not joined the calendar either.
    QCOMPARE(calendar(data), QStringList{"Old"});

    // Corrected and calculated again: the typed race is in the calendar once.
    scoreTeams(&score, {{"1", "0", "0", "0"}, {"0", "0", "0", "0"}});
    click(&score, "Calculate");
    QVERIFY(score.isHidden());
    QCOMPARE(calendar(data), (QStringList{"Old", "New"}));
    QCOMPARE(readRecords<TeamRecord>(data.dir().teams())[0].Team.Score, int16_t(30001));
}

void TestScoreWindow::seasonOfThreeRacesThroughTheMenu()
{
    TempData data;
    writeRecords(data.dir().teams(), twoTeams());
    writeRecords(data.dir().testDrivers(), std::vector{testDriver(QStringLiteral("Tess")),
                                                       testDriver(QStringLiteral("Ugo"))});
    // Owners in an order that is not the points order.
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("Low"), 0, 1, 1, 2, 3, 1),
                             entry(QStringLiteral("High"), 0, 0, 0, 0, 1, 0),
                             entry(QStringLiteral("Mixed"), 0, 0, 1, 1, 2, 1)});
    Main main(data.dir());
    const char* races[] = {"Harbourside", "Eastmoor", "Kessling"};
    for (const char* race : races) {
        const QString opened =
            inModal([&] { menuItem(&main, "Comp_Score")->trigger(); },
                    [race](QWidget* score) {
                        QTest::keyClicks(picker(score, "Race"), QString::fromLatin1(race));
                        scoreTeams(score, {{"3", "2", "5", "1"}, {"1", "0", "2", "4"}});
                        scoreTestDrivers(score, {{0, "2"}, {1, "1"}});
                        click(score, "Calculate");
                    });
        QCOMPARE(opened, QStringLiteral("Score"));
    }
    const auto teams = readRecords<TeamRecord>(data.dir().teams());
    QCOMPARE(teams[0].Team.Score, int16_t(9));
    QCOMPARE(teams[0].Engine.Score, int16_t(6));
    QCOMPARE(teams[0].Driver1.Score, int16_t(15));
    QCOMPARE(teams[0].Driver2.Score, int16_t(3));
    QCOMPARE(teams[1].Team.Score, int16_t(3));
    QCOMPARE(teams[1].Driver2.Score, int16_t(12));
    QCOMPARE(teams[1].Team.Price, 5.0f);
    const auto drivers = readRecords<TestDriverRecord>(data.dir().testDrivers());
    QCOMPARE(drivers[0].Score, int16_t(6));
    QCOMPARE(drivers[1].Score, int16_t(3));

    // High: 9 + 6 + 15 + 3 + 6 = 39; Mixed: 9 + 0 + 3 + 6 + 3 = 21;
    // Low: 3 + 0 + 6 + 12 + 3 = 24. The table ends in points order, file and grid.
    const auto entries = readRecords<EntryRecord>(data.dir().entries());
    QCOMPARE(entries.size(), std::size_t(3));
    QCOMPARE(displayText(entries[0].Owner), QStringLiteral("High"));
    QCOMPARE(entries[0].Points, int16_t(39));
    QCOMPARE(displayText(entries[1].Owner), QStringLiteral("Low"));
    QCOMPARE(entries[1].Points, int16_t(24));
    QCOMPARE(entries[2].Points, int16_t(21));
    const FlexGrid* hiScores = control<FlexGrid>(&main, "HiScores");
    QCOMPARE(cellText(hiScores, 0, 1), QStringLiteral("High"));
    QCOMPARE(cellText(hiScores, 2, 2), QStringLiteral("21"));
    QCOMPARE(calendar(data), (QStringList{"Harbourside", "Eastmoor", "Kessling"}));
    // The viewer shows the new season scores on its scores rows.
    const FlexGrid* viewer = control<Team_Viewer>(&main, "Team_Viewer")->grid();
    QCOMPARE(cellText(viewer, 2, 1), QStringLiteral("39"));
    QCOMPARE(cellText(viewer, 2, 4), QStringLiteral("15"));
    QVERIFY(Messages::collected().isEmpty());
}

void TestScoreWindow::noWindowLeft()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

QTEST_MAIN(TestScoreWindow)
#include "test_score_window.moc"
