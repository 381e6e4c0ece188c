#include "data/io.h"
#include "data/types.h"
#include "fixture.h"
#include "scoring/championship.h"

#include <QElapsedTimer>
#include <QTest>

#include <cerrno>

using namespace velmora;
using namespace velmora::test;

namespace {

RaceName race(const char* name)
{
    return {QString::fromLatin1(name)};
}

// A team record whose four slots score t, e, d1 and d2.
TeamRecord scored(int16_t t, int16_t e, int16_t d1, int16_t d2, const QString& name = {})
{
    TeamRecord r = team(name.isEmpty() ? QStringLiteral("T") : name, QStringLiteral("E"),
                        QStringLiteral("D1"), QStringLiteral("D2"), 1.5f);
    r.Team.Score = t;
    r.Engine.Score = e;
    r.Driver1.Score = d1;
    r.Driver2.Score = d2;
    return r;
}

// The three files the calculation writes, as bytes.
struct Snapshot {
    QByteArray teams, testDrivers, entries;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const TempData& d)
{
    return {readBytes(d.dir().teams()), readBytes(d.dir().testDrivers()),
            readBytes(d.dir().entries())};
}

// The bytes with the score fields blanked, to compare everything but the scores.
QByteArray withoutScores(QByteArray bytes, int length, std::initializer_list<int> offsets)
{
    for (qsizetype at = 0; at + length <= bytes.size(); at += length)
        for (int o : offsets)
            bytes[at + o] = bytes[at + o + 1] = 0;
    return bytes;
}

} // namespace

class TestChampionship : public QObject {
    Q_OBJECT
private slots:
    void emptyCalendarZeroesEveryTotal();
    void racesAddUpAndASecondRunChangesNothing();
    void raceFilesCountRecordByRecord();
    void neverScoredRaceLeavesTwoEmptyFiles();
    void entryPositionsResolveToTheirSlots();
    void positionsNamingNoRecordAddNothing();
    void onlyScoreBytesChange();
    void overflowWritesNothing_data();
    void overflowWritesNothing();
    void fileErrorsWriteNothing();
    void largeLeague();
};

void TestChampionship::emptyCalendarZeroesEveryTotal()
{
    TempData d;
    writeRecords(d.dir().teams(), std::vector{scored(14, 3, 25, 8)});
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("Sam", 2, 4)});
    writeRecords(d.dir().entries(),
                 std::vector{entry("  Ann", 61, 0, 0, 0, 1, 0), entry("Ben", -3, 0, 0, 1, 1, 0)});

    std::vector<EntryRecord> rows;
    QString error;
    QVERIFY2(RecalculateChampionship(d.dir(), &rows, &error), qPrintable(error));
    QVERIFY(d.exists("calendar.tro"));

    const TeamRecord t = readRecords<TeamRecord>(d.dir().teams()).at(0);
    QCOMPARE(QList<int>({t.Team.Score, t.Engine.Score, t.Driver1.Score, t.Driver2.Score}),
             QList<int>({0, 0, 0, 0}));
    QCOMPARE(readRecords<TestDriverRecord>(d.dir().testDrivers()).at(0).Score, int16_t(0));
    for (const EntryRecord& e : readRecords<EntryRecord>(d.dir().entries()))
        QCOMPARE(e.Points, int16_t(0));

    // The league rows show the owners without their blanks, in file order.
    QCOMPARE(rows.size(), std::size_t(2));
    QCOMPARE(rows[0].Owner, QStringLiteral("Ann"));
    QCOMPARE(rows[1].Owner, QStringLiteral("Ben"));
    QCOMPARE(rows[1].Points, int16_t(0));
}

void TestChampionship::racesAddUpAndASecondRunChangesNothing()
{
    TempData d;
    writeRecords(d.dir().teams(), std::vector{scored(0, 0, 0, 0), scored(99, 99, 99, 99)});
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("Sam"), testDriver("Ada")});
    writeRecords(d.dir().entries(), std::vector{entry("Ann", 0, 1, 1, 2, 3, 1)});
    writeRecords(d.dir().calendar(), std::vector{race("A"), race("  B  ")});
    writeRecords(d.dir().raceTeams("A"), std::vector{scored(0, 0, 0, 0), scored(1, 6, 2, 0)});
    writeRecords(d.dir().raceTeams("B"), std::vector{scored(0, 0, 0, 0), scored(1, 4, 0, 3)});
    writeRecords(d.dir().raceTestDrivers("A"), std::vector{testDriver("Sam", 0, 5)});
    writeRecords(d.dir().raceTestDrivers("B"),
                 std::vector{testDriver("Sam", 0, 1), testDriver("Ada", 0, 7)});

    std::vector<EntryRecord> rows;
    QVERIFY(RecalculateChampionship(d.dir(), &rows));
    const Snapshot first = snapshot(d);
    const TeamRecord t = readRecords<TeamRecord>(d.dir().teams()).at(1);
    QCOMPARE(t.Engine.Score, int16_t(10));
    QCOMPARE(t.Team.Score, int16_t(2));
    QCOMPARE(t.Driver1.Score, int16_t(2));
    QCOMPARE(t.Driver2.Score, int16_t(3));
    const auto tds = readRecords<TestDriverRecord>(d.dir().testDrivers());
    QCOMPARE(tds.at(0).Score, int16_t(6));
    QCOMPARE(tds.at(1).Score, int16_t(7));
    // team 2 + engine 10 + test driver 7 + drivers 2 and 3.
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).at(0).Points, int16_t(24));
    QCOMPARE(rows.at(0).Points, int16_t(24));

    QVERIFY(RecalculateChampionship(d.dir()));
    QVERIFY(snapshot(d) == first);
}

void TestChampionship::raceFilesCountRecordByRecord()
{
    TempData d;
    std::vector<TeamRecord> teams(5, scored(0, 0, 0, 0));
    writeRecords(d.dir().teams(), teams);
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("Sam")});
    // A short race file, the same race twice, and a race file longer than the database.
    writeRecords(d.dir().calendar(), std::vector{race("Short"), race("Short"), race("Long")});
    writeRecords(d.dir().raceTeams("Short"), std::vector<TeamRecord>(3, scored(1, 1, 1, 1)));
    writeRecords(d.dir().raceTeams("Long"), std::vector<TeamRecord>(7, scored(5, 0, 0, 0)));
    writeRecords(d.dir().raceTestDrivers("Long"),
                 std::vector{testDriver("Sam", 0, 2), testDriver("Ghost", 0, 9)});

    QString error;
    QVERIFY2(RecalculateChampionship(d.dir(), nullptr, &error), qPrintable(error));
    const auto after = readRecords<TeamRecord>(d.dir().teams());
    QCOMPARE(after.size(), std::size_t(5)); // nothing appended for the long race file
    QCOMPARE(after[0].Team.Score, int16_t(1 + 1 + 5));
    QCOMPARE(after[2].Driver2.Score, int16_t(2));
    QCOMPARE(after[3].Team.Score, int16_t(5));
    QCOMPARE(after[4].Engine.Score, int16_t(0));
    const auto tds = readRecords<TestDriverRecord>(d.dir().testDrivers());
    QCOMPARE(tds.size(), std::size_t(1));
    QCOMPARE(tds[0].Score, int16_t(2));
}

void TestChampionship::neverScoredRaceLeavesTwoEmptyFiles()
{
    TempData d;
    writeRecords(d.dir().teams(), std::vector{scored(7, 7, 7, 7)});
    writeRecords(d.dir().calendar(), std::vector{race(" Nowhere ")});
    QVERIFY(RecalculateChampionship(d.dir()));
    QVERIFY(d.exists("Nowhere.tmr"));
    QVERIFY(d.exists("Nowhere.tdr"));
    QCOMPARE(readBytes(d.path("Nowhere.tmr")).size(), 0);
    QCOMPARE(readBytes(d.path("Nowhere.tdr")).size(), 0);
    QCOMPARE(readRecords<TeamRecord>(d.dir().teams()).at(0).Engine.Score, int16_t(0));
}

void TestChampionship::entryPositionsResolveToTheirSlots()
{
    TempData d;
    // Every slot scores a different power of two, so the sum shows which ones were taken.
    std::vector<TeamRecord> season = {scored(1, 2, 4, 8), scored(16, 32, 64, 128),
                                      scored(256, 512, 1024, 2048)};
    writeRecords(d.dir().teams(), std::vector<TeamRecord>(3, scored(0, 0, 0, 0)));
    writeRecords(d.dir().raceTeams("R"), season);
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("A"), testDriver("B")});
    writeRecords(d.dir().raceTestDrivers("R"),
                 std::vector{testDriver("A", 0, 4096), testDriver("B", 0, 8192)});
    writeRecords(d.dir().calendar(), std::vector{race("R")});
    writeRecords(d.dir().entries(), std::vector{entry("Ann"), entry("Ben"), entry("Cy"),
                                                entry("Dot"), entry("Eve", 0, 0, 2, 3, 4, 1)});

    std::vector<EntryRecord> rows;
    QVERIFY(RecalculateChampionship(d.dir(), &rows));
    // Team of record 1 (1), engine of record 3 (512), Driver2 of record 2 (128), Driver1 of
    // record 3 (1024), test driver 2 (8192).
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).at(4).Points,
             int16_t(1 + 512 + 128 + 1024 + 8192));
    QCOMPARE(rows.at(4).Owner, QStringLiteral("Eve"));
    QCOMPARE(rows.at(4).Points, int16_t(9857));
    // The fixture's default entry picks drivers 0 and 1: both drivers of record 1.
    QCOMPARE(rows.at(0).Points, int16_t(1 + 2 + 4 + 8 + 4096));
}

void TestChampionship::positionsNamingNoRecordAddNothing()
{
    TempData d;
    writeRecords(d.dir().teams(), std::vector{scored(0, 0, 0, 0)});
    writeRecords(d.dir().raceTeams("R"), std::vector{scored(1, 10, 100, 1000)});
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("A")});
    writeRecords(d.dir().raceTestDrivers("R"), std::vector{testDriver("A", 0, 5000)});
    writeRecords(d.dir().calendar(), std::vector{race("R")});
    writeRecords(d.dir().entries(),
                 std::vector{entry("Past", 77, 1, 1, 2, 3, 1), entry("Neg", 77, -1, -1, -1, -2, -1),
                             entry("Mixed", 77, 0, 5, 1, 2, 0)});

    QVERIFY(RecalculateChampionship(d.dir()));
    const auto e = readRecords<EntryRecord>(d.dir().entries());
    QCOMPARE(e.at(0).Points, int16_t(0));
    QCOMPARE(e.at(1).Points, int16_t(0));
    QCOMPARE(e.at(2).Points, int16_t(1 + 5000 + 1000));
    QCOMPARE(e.at(1).TeamIndex, int16_t(-1)); // positions are written back unchanged
}

void TestChampionship::onlyScoreBytesChange()
{
    TempData d;
    // Names with code-page bytes, prices with odd bit patterns, a trailing partial record.
    QByteArray teams = scored(3, 3, 3, 3).encode() + scored(9, 9, 9, 9).encode();
    teams[5] = '\x81';
    teams[80] = '\x01'; // a denormal price
    teams[81] = teams[82] = teams[83] = '\0';
    teams[344 + 166 + 3] = '\x7f';
    teams[344 + 166 + 2] = '\xc1'; // a NaN price with a payload
    teams += QByteArray("partial");
    writeBytes(d.dir().teams(), teams);
    QByteArray tds = testDriver("Sam", -7, 3).encode();
    tds[10] = '\x9d';
    writeBytes(d.dir().testDrivers(), tds);
    QByteArray entries = entry("Ann\xe9", 5, 1, 1, 2, 3, 0).encode() + QByteArray(40, '\xff');
    writeBytes(d.dir().entries(), entries);
    writeRecords(d.dir().calendar(), std::vector{race("R")});
    writeRecords(d.dir().raceTeams("R"), std::vector{scored(1, 2, 3, 4), scored(5, 6, 7, 8)});

    QVERIFY(RecalculateChampionship(d.dir()));
    const QByteArray teamsAfter = readBytes(d.dir().teams());
    QCOMPARE(withoutScores(teamsAfter, 344, {84, 170, 256, 342}),
             withoutScores(teams, 344, {84, 170, 256, 342}));
    QCOMPARE(withoutScores(readBytes(d.dir().testDrivers()), 84, {82}),
             withoutScores(tds, 84, {82}));
    const QByteArray entriesAfter = readBytes(d.dir().entries());
    QCOMPARE(withoutScores(entriesAfter, 96, {84}), withoutScores(entries, 96, {84}));
    QCOMPARE(TeamRecord::decode(teamsAfter.constData() + 344).Driver2.Score, int16_t(8));
    QCOMPARE(EntryRecord::decode(entriesAfter.constData()).Points, int16_t(5 + 6 + 7 + 8));
    QVERIFY(!d.exists("temp.tro"));
}

void TestChampionship::overflowWritesNothing_data()
{
    QTest::addColumn<int>("raceScore");
    QTest::addColumn<int>("testScore");
    QTest::addColumn<QStringList>("named");

    // Two races of 20000 on one engine pass the top on the second race.
    QTest::newRow("team total") << 20000 << 0
                                << QStringList{"engine", "\"E\"", "team record 2", "\"Second\"",
                                               "32767"};
    QTest::newRow("team total below")
        << -20000 << 0 << QStringList{"engine", "\"Second\"", "-32768"};
    QTest::newRow("test driver total")
        << 0 << 17000 << QStringList{"test driver \"Sam\"", "\"Second\""};
    // Each total fits, the entry's sum does not: engine 2 × 9000, then test driver 2 × 8000.
    QTest::newRow("entry points") << 9000 << 8000
                                  << QStringList{"entry 1", "\"Ann\"", "test driver \"Sam\""};
}

void TestChampionship::overflowWritesNothing()
{
    QFETCH(int, raceScore);
    QFETCH(int, testScore);
    QFETCH(QStringList, named);

    TempData d;
    writeRecords(d.dir().teams(), std::vector{scored(1, 1, 1, 1), scored(2, 2, 2, 2)});
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("Sam", 1, 1)});
    // Engine of record 2 (twice the race score), drivers of record 2 scoring 1 in each race.
    writeRecords(d.dir().entries(), std::vector{entry("Ann", 3, 1, 1, 2, 3, 0)});
    writeRecords(d.dir().calendar(), std::vector{race("First"), race("Second")});
    for (const char* r : {"First", "Second"}) {
        writeRecords(d.dir().raceTeams(QString::fromLatin1(r)),
                     std::vector{scored(0, 0, 0, 0), scored(0, int16_t(raceScore), 1, 1)});
        writeRecords(d.dir().raceTestDrivers(QString::fromLatin1(r)),
                     std::vector{testDriver("Sam", 0, int16_t(testScore))});
    }
    const Snapshot before = snapshot(d);

    std::vector<EntryRecord> rows{entry("untouched")};
    QString error;
    QVERIFY(!RecalculateChampionship(d.dir(), &rows, &error));
    for (const QString& part : named)
        QVERIFY2(error.contains(part), qPrintable(error));
    QVERIFY(snapshot(d) == before);
    QVERIFY(!d.exists("temp.tro"));
    QCOMPARE(rows.size(), std::size_t(1));
}

void TestChampionship::fileErrorsWriteNothing()
{
    TempData d;
    writeRecords(d.dir().teams(), std::vector{scored(4, 4, 4, 4)});
    writeRecords(d.dir().entries(), std::vector{entry("Ann", 9)});
    writeRecords(d.dir().calendar(), std::vector{race("R")});
    writeRecords(d.dir().raceTeams("R"), std::vector{scored(1, 1, 1, 1)});
    const Snapshot before = snapshot(d);

    // A race file that cannot be read: nothing is written.
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Read && path.endsWith(u".tmr") ? EIO : 0;
    });
    QString error;
    QVERIFY(!RecalculateChampionship(d.dir(), nullptr, &error));
    QVERIFY2(error.contains(u"R.tmr") && error.contains(u"read"), qPrintable(error));
    QVERIFY(snapshot(d) == before);

    // The entry file cannot be replaced: it stays as it was, the reason names it.
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Rename && path.endsWith(u"entry.tro") ? ENOSPC : 0;
    });
    error.clear();
    QVERIFY(!RecalculateChampionship(d.dir(), nullptr, &error));
    io::setFaultHook({});
    QVERIFY2(error.contains(u"entry.tro"), qPrintable(error));
    QCOMPARE(readBytes(d.dir().entries()), before.entries);
    QVERIFY(!d.exists("temp.tro"));
}

void TestChampionship::largeLeague()
{
    // 100 races of 60 teams and 100,000 entries: the calculation reads each file once and
    // works on bytes, so it stays far below a second (generous bound for sanitizer builds).
    TempData d;
    constexpr int kTeams = 60, kRaces = 100, kEntries = 100000;
    writeRecords(d.dir().teams(), std::vector<TeamRecord>(kTeams, scored(0, 0, 0, 0)));
    writeRecords(d.dir().testDrivers(), std::vector<TestDriverRecord>(20, testDriver("T")));
    std::vector<RaceName> calendar;
    for (int r = 0; r < kRaces; ++r) {
        calendar.push_back({QStringLiteral("Race %1").arg(r)});
        writeRecords(d.dir().raceTeams(calendar.back().Name),
                     std::vector<TeamRecord>(kTeams, scored(1, 2, 3, 1)));
        writeRecords(d.dir().raceTestDrivers(calendar.back().Name),
                     std::vector<TestDriverRecord>(20, testDriver("T", 0, 1)));
    }
    writeRecords(d.dir().calendar(), calendar);
    QByteArray entries;
    for (int i = 0; i < kEntries; ++i)
        entries += entry(QStringLiteral("Owner %1").arg(i), 0, int16_t(i % kTeams),
                         int16_t((i + 1) % kTeams), int16_t(i % 120), int16_t((i + 1) % 120),
                         int16_t(i % 20))
                       .encode();
    writeBytes(d.dir().entries(), entries);

    QElapsedTimer timer;
    timer.start();
    std::vector<EntryRecord> rows;
    QVERIFY(RecalculateChampionship(d.dir(), &rows));
    const qint64 ms = timer.elapsed();
    qInfo("RecalculateChampionship: %d races, %d teams, %d entries in %lld ms", kRaces, kTeams,
          kEntries, ms);
    QVERIFY2(ms < 10000, qPrintable(QString::number(ms)));
    QCOMPARE(rows.size(), std::size_t(kEntries));
    // Team 100 + engine 200 + test driver 100 + drivers 300 and 100 (entry 1: positions 0, 1).
    QCOMPARE(rows[0].Points, int16_t(800));
    QCOMPARE(rows[kEntries - 1].Owner, QStringLiteral("Owner %1").arg(kEntries - 1));
}

QTEST_GUILESS_MAIN(TestChampionship)
#include "test_championship.moc"
