#include "data/text.h"
#include "data/types.h"
#include "fixture.h"
#include "gui.h"
#include "scoring/championship.h"
#include "scoring/race_score.h"
#include "scoring/td_score.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

std::vector<TeamRecord> teams(int n)
{
    std::vector<TeamRecord> records;
    for (int i = 1; i <= n; ++i) {
        TeamRecord t = team(QStringLiteral("Team %1").arg(i), QStringLiteral("Engine %1").arg(i),
                            QStringLiteral("D%1a").arg(i), QStringLiteral("D%1b").arg(i),
                            float(i) + 0.5f, int16_t(i));
        records.push_back(t);
    }
    return records;
}

QByteArray bytesOf(const std::vector<TeamRecord>& records)
{
    QByteArray bytes;
    for (const TeamRecord& r : records)
        bytes += r.encode();
    return bytes;
}

} // namespace

class TestScoreCards : public QObject {
    Q_OBJECT
private slots:
    void newRaceStartsWithNoPoints();
    void reopeningChangesNothing();
    void nextStoresAndSteps();
    void steppingStopsAtBothEnds();
    void scoresRoundHalfToEvenAndClamp();
    void closeBoxLosesOnlyTheShownRecord();
    void finishStoresOnlyTheShownRecord();
    void emptyTeamDatabaseWritesNothing();
    void escapeKeepsTheCardEnterPressesTheFocusedButton();
    void raceNameWithSeparatorsStaysInside();

    void testDriversInEntryOrder();
    void pickedDriverGetsThePoints();
    void finishAtOnceAndNewClears();
    void closeBoxAfterNewKeepsStoredEntries();
    void reopeningOverwritesFromRecordOne();

    void noWindowLeft();
};

void TestScoreCards::newRaceStartsWithNoPoints()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(11));
    writeRecords(data.dir().raceTeams(QStringLiteral("Eastmoor")), teams(11));
    writeRecords(data.dir().calendar(), std::vector{RaceName{QStringLiteral("Eastmoor")}});
    {
        // A copy of the team database, names and prices as they are, every score 0.
        Race_Score card(data.dir(), QStringLiteral(" Harbourside "));
        std::vector<TeamRecord> zero = teams(11);
        for (TeamRecord& t : zero)
            t.Team.Score = t.Engine.Score = t.Driver1.Score = t.Driver2.Score = 0;
        QCOMPARE(readBytes(data.path(QStringLiteral("Harbourside.tmr"))), bytesOf(zero));
        QCOMPARE(text(&card, "Number"), QStringLiteral("1"));
        QVERIFY(!button(&card, "Previous")->isEnabled());
        QVERIFY(button(&card, "Forward")->isEnabled());
        QCOMPARE(text(&card, "Team"), QStringLiteral("Team 1"));
        QCOMPARE(text(&card, "Driver2"), QStringLiteral("D1b"));
        QCOMPARE(text(&card, "Team_Price"), QStringLiteral(" 0"));
        card.Close_Click();
    }
    // The race finished at once adds nothing: the totals are Eastmoor's alone.
    writeRecords(data.dir().calendar(), std::vector{RaceName{QStringLiteral("Eastmoor")},
                                                    RaceName{QStringLiteral("Harbourside")}});
    QVERIFY(RecalculateChampionship(data.dir(), nullptr, nullptr));
    QCOMPARE(readBytes(data.dir().teams()), bytesOf(teams(11)));
}

void TestScoreCards::reopeningChangesNothing()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(11));
    auto race = teams(11);
    race[0].Engine.Score = -2;
    writeRecords(data.dir().raceTeams(QStringLiteral("Eastmoor")), race);
    const QByteArray before = readBytes(data.dir().raceTeams(QStringLiteral("Eastmoor")));
    {
        Race_Score card(data.dir(), QStringLiteral("Eastmoor"));
        QCOMPARE(text(&card, "Engine_Price"), QStringLiteral("-2"));
        QCOMPARE(text(&card, "Team_Price"), QStringLiteral(" 1"));
        static_cast<QDialog&>(card).reject(); // as Esc does
    }
    QCOMPARE(readBytes(data.dir().raceTeams(QStringLiteral("Eastmoor"))), before);
}

void TestScoreCards::nextStoresAndSteps()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(3));
    Race_Score card(data.dir(), QStringLiteral("R"));
    type(&card, "Engine_Price", QStringLiteral("9"));
    click(&card, "Forward");
    const auto race = readRecords<TeamRecord>(data.dir().raceTeams(QStringLiteral("R")));
    QCOMPARE(race[0].Engine.Score, int16_t(9));
    // Only the score changed: names and prices keep their bytes.
    TeamRecord expected = teams(3)[0];
    expected.Team.Score = expected.Driver1.Score = expected.Driver2.Score = 0;
    expected.Engine.Score = 9;
    QCOMPARE(race[0].encode(), expected.encode());
    QCOMPARE(text(&card, "Number"), QStringLiteral(" 2"));
    QVERIFY(button(&card, "Previous")->isEnabled());
    QCOMPARE(text(&card, "Team_Price"), QStringLiteral("0"));
}

void TestScoreCards::steppingStopsAtBothEnds()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(3));
    Race_Score card(data.dir(), QStringLiteral("R"));
    click(&card, "Forward");
    click(&card, "Forward");
    QCOMPARE(text(&card, "Number"), QStringLiteral(" 3"));
    QVERIFY(!button(&card, "Forward")->isEnabled());
    card.Forward_Click(); // even when called directly it goes nowhere
    QCOMPARE(text(&card, "Number"), QStringLiteral(" 3"));
    click(&card, "Previous");
    click(&card, "Previous");
    QCOMPARE(text(&card, "Number"), QStringLiteral(" 1"));
    QVERIFY(!button(&card, "Previous")->isEnabled());
    QVERIFY(button(&card, "Forward")->isEnabled());
    QCOMPARE(readRecords<TeamRecord>(data.dir().raceTeams(QStringLiteral("R"))).size(),
             std::size_t(3));

    // A race file of one record: Next is off from the start.
    TempData one;
    writeRecords(one.dir().teams(), teams(1));
    Race_Score single(one.dir(), QStringLiteral("R"));
    QVERIFY(!button(&single, "Forward")->isEnabled());
}

void TestScoreCards::scoresRoundHalfToEvenAndClamp()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(2));
    Race_Score card(data.dir(), QStringLiteral("R"));
    type(&card, "Team_Price", QStringLiteral("12.5"));
    type(&card, "Engine_Price", QStringLiteral("13.5"));
    type(&card, "Driver1_Price", QStringLiteral("x"));
    type(&card, "Driver2_Price", QStringLiteral("99999"));
    click(&card, "Forward");
    const TeamRecord r = readRecords<TeamRecord>(data.dir().raceTeams(QStringLiteral("R")))[0];
    QCOMPARE(r.Team.Score, int16_t(12));
    QCOMPARE(r.Engine.Score, int16_t(14));
    QCOMPARE(r.Driver1.Score, int16_t(0));
    QCOMPARE(r.Driver2.Score, int16_t(32767));
}

void TestScoreCards::closeBoxLosesOnlyTheShownRecord()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(3));
    Race_Score card(data.dir(), QStringLiteral("R"));
    card.show();
    type(&card, "Team_Price", QStringLiteral("7"));
    click(&card, "Forward");
    type(&card, "Team_Price", QStringLiteral("8"));
    card.close();
    const auto race = readRecords<TeamRecord>(data.dir().raceTeams(QStringLiteral("R")));
    QCOMPARE(race[0].Team.Score, int16_t(7));
    QCOMPARE(race[1].Team.Score, int16_t(0));
}

void TestScoreCards::finishStoresOnlyTheShownRecord()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(5));
    Race_Score card(data.dir(), QStringLiteral("R"));
    for (int i = 0; i < 3; ++i)
        click(&card, "Forward");
    const QByteArray before = readBytes(data.dir().raceTeams(QStringLiteral("R")));
    type(&card, "Driver1_Price", QStringLiteral("25"));
    click(&card, "Close");
    QCOMPARE(card.result(), int(QDialog::Accepted));
    const QByteArray after = readBytes(data.dir().raceTeams(QStringLiteral("R")));
    QCOMPARE(after.size(), before.size());
    // Record 4's Driver1 score is the only difference: bytes 3 × 344 + 256 and 257.
    for (int i = 0; i < after.size(); ++i)
        if (i != 3 * 344 + 256 && i != 3 * 344 + 257)
            QCOMPARE(after[i], before[i]);
    QCOMPARE(readRecords<TeamRecord>(data.dir().raceTeams(QStringLiteral("R")))[3].Driver1.Score,
             int16_t(25));
}

void TestScoreCards::emptyTeamDatabaseWritesNothing()
{
    TempData data;
    Race_Score card(data.dir(), QStringLiteral("R"));
    QVERIFY(!button(&card, "Forward")->isEnabled());
    QCOMPARE(text(&card, "Team"), QString());
    type(&card, "Team_Price", QStringLiteral("5"));
    click(&card, "Close");
    QCOMPARE(readBytes(data.dir().raceTeams(QStringLiteral("R"))).size(), 0);
}

void TestScoreCards::escapeKeepsTheCardEnterPressesTheFocusedButton()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(2));
    Race_Score card(data.dir(), QStringLiteral("R"));
    card.show();
    type(&card, "Team_Price", QStringLiteral("6"));
    QTest::keyClick(box(&card, "Team_Price"), Qt::Key_Escape);
    QVERIFY(card.isVisible());
    QCOMPARE(text(&card, "Team_Price"), QStringLiteral("6"));
    // Enter in a score box presses nothing; on a button that has the focus it presses it.
    QTest::keyClick(box(&card, "Team_Price"), Qt::Key_Return);
    QCOMPARE(text(&card, "Number"), QStringLiteral("1"));
    button(&card, "Forward")->setFocus();
    QTest::keyClick(button(&card, "Forward"), Qt::Key_Return);
    QCOMPARE(text(&card, "Number"), QStringLiteral(" 2"));
    QCOMPARE(readRecords<TeamRecord>(data.dir().raceTeams(QStringLiteral("R")))[0].Team.Score,
             int16_t(6));
    card.close();
    QVERIFY(card.isHidden());
}

void TestScoreCards::raceNameWithSeparatorsStaysInside()
{
    TempData data;
    writeRecords(data.dir().teams(), teams(1));
    {
        Race_Score card(data.dir(), QStringLiteral("../up/Grand Prix"));
        card.Close_Click();
    }
    QVERIFY(data.exists(QStringLiteral("..%2Fup%2FGrand Prix.tmr")));
    QVERIFY(!QFile::exists(data.dir().path() + QStringLiteral("/../up")));
}

void TestScoreCards::testDriversInEntryOrder()
{
    TempData data;
    writeRecords(data.dir().testDrivers(),
                 std::vector{testDriver(QStringLiteral("A")), testDriver(QStringLiteral("B")),
                             testDriver(QStringLiteral("C"))});
    TD_Score card(data.dir(), QStringLiteral("Kessling"));
    QCOMPARE(picker(&card, "Driver")->count(), 3);
    QCOMPARE(picker(&card, "Driver")->currentIndex(), -1);
    const std::pair<int, QString> entries[] = {{0, "3"}, {1, "0"}, {2, "1"}};
    for (const auto& [driver, points] : entries) {
        pick(&card, "Driver", driver);
        QTest::keyClicks(box(&card, "Price"), points);
        click(&card, driver == 2 ? "Close" : "New");
    }
    const auto race =
        readRecords<TestDriverRecord>(data.dir().raceTestDrivers(QStringLiteral("Kessling")));
    QCOMPARE(race.size(), std::size_t(3));
    QCOMPARE(displayText(race[0].Name), QStringLiteral("A"));
    QCOMPARE(race[0].Score, int16_t(3));
    QCOMPARE(displayText(race[2].Name), QStringLiteral("C"));
    QCOMPARE(race[2].Score, int16_t(1));
}

// An entry is stored as the record of the driver picked, the drivers before it that have
// no record yet getting one with no points: the points reach the driver picked.
void TestScoreCards::pickedDriverGetsThePoints()
{
    TempData data;
    writeRecords(data.dir().testDrivers(),
                 std::vector{testDriver(QStringLiteral("A")), testDriver(QStringLiteral("B")),
                             testDriver(QStringLiteral("C")), testDriver(QStringLiteral("D"))});
    writeRecords(data.dir().calendar(), std::vector{RaceName{QStringLiteral("R")}});
    TD_Score card(data.dir(), QStringLiteral("R"));
    pick(&card, "Driver", 2);
    QCOMPARE(text(&card, "Number"), QStringLiteral(" 3"));
    QTest::keyClicks(box(&card, "Price"), QStringLiteral("5"));
    click(&card, "New");
    QCOMPARE(text(&card, "Number"), QStringLiteral(" 4"));
    pick(&card, "Driver", 0);
    QTest::keyClicks(box(&card, "Price"), QStringLiteral("2"));
    card.Close_Click();
    QVERIFY(RecalculateChampionship(data.dir(), nullptr, nullptr));
    QStringList names;
    QList<int> scores;
    for (const auto& d : readRecords<TestDriverRecord>(data.dir().testDrivers()))
        scores << d.Score;
    for (const auto& d : readRecords<TestDriverRecord>(data.dir().raceTestDrivers("R")))
        names << displayText(d.Name);
    QCOMPARE(names, (QStringList{"A", "B", "C"}));
    QCOMPARE(scores, (QList<int>{2, 0, 5, 0}));
}

void TestScoreCards::finishAtOnceAndNewClears()
{
    TempData data;
    writeRecords(data.dir().testDrivers(), std::vector{testDriver(QStringLiteral("A"))});
    {
        TD_Score card(data.dir(), QStringLiteral("R"));
        card.Close_Click();
    }
    auto race = readRecords<TestDriverRecord>(data.dir().raceTestDrivers(QStringLiteral("R")));
    QCOMPARE(race.size(), std::size_t(1));
    QCOMPARE(race[0].Name, QString(80, u' '));
    QCOMPARE(race[0].Score, int16_t(0));

    TD_Score card(data.dir(), QStringLiteral("S"));
    pick(&card, "Driver", 0);
    QTest::keyClicks(box(&card, "Price"), QStringLiteral("2.5"));
    click(&card, "New");
    QCOMPARE(text(&card, "Number"), QStringLiteral(" 2"));
    QCOMPARE(picker(&card, "Driver")->currentIndex(), -1);
    QCOMPARE(text(&card, "Price"), QString());
    QCOMPARE(
        readRecords<TestDriverRecord>(data.dir().raceTestDrivers(QStringLiteral("S")))[0].Score,
        int16_t(2));
}

void TestScoreCards::closeBoxAfterNewKeepsStoredEntries()
{
    TempData data;
    TD_Score card(data.dir(), QStringLiteral("R"));
    card.show();
    click(&card, "New");
    click(&card, "New");
    QTest::keyClicks(box(&card, "Price"), QStringLiteral("9"));
    card.close();
    QCOMPARE(readRecords<TestDriverRecord>(data.dir().raceTestDrivers(QStringLiteral("R"))).size(),
             std::size_t(2));
}

void TestScoreCards::reopeningOverwritesFromRecordOne()
{
    TempData data;
    writeRecords(
        data.dir().raceTestDrivers(QStringLiteral("R")),
        std::vector{testDriver(QStringLiteral("A"), 0, 1), testDriver(QStringLiteral("B"), 0, 2)});
    TD_Score card(data.dir(), QStringLiteral("R"));
    QTest::keyClicks(box(&card, "Price"), QStringLiteral("7"));
    card.Close_Click();
    const auto race =
        readRecords<TestDriverRecord>(data.dir().raceTestDrivers(QStringLiteral("R")));
    QCOMPARE(race.size(), std::size_t(2));
    QCOMPARE(race[0].Score, int16_t(7));
    QCOMPARE(race[1].Score, int16_t(2));
}

void TestScoreCards::noWindowLeft()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

QTEST_MAIN(TestScoreCards)
#include "test_score_cards.moc"
