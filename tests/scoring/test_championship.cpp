#include "data/io.h"
#include "fixture.h"
#include "scoring/championship.h"

#include <QElapsedTimer>
#include <QTest>

#include <cerrno>

using namespace velmora;
using namespace velmora::test;

namespace {

std::vector<RaceName> calendar(QStringList names)
{
    std::vector<RaceName> races;
    for (const QString& n : names)
        races.push_back({n});
    return races;
}

// A team record whose four slots score t, e, d1 and d2.
TeamRecord scored(int t, int e, int d1, int d2)
{
    TeamRecord r = team("T", "E", "D1", "D2", 1.5f);
    r.Team.Score = int16_t(t);
    r.Engine.Score = int16_t(e);
    r.Driver1.Score = int16_t(d1);
    r.Driver2.Score = int16_t(d2);
    return r;
}

// The three files the calculation writes.
QList<QByteArray> written(const TempData& d)
{
    return {readBytes(d.dir().teams()), readBytes(d.dir().testDrivers()),
            readBytes(d.dir().entries())};
}

// The entry records the calculation hands back.
std::vector<EntryRecord> decoded(const QByteArray& entryFile)
{
    std::vector<EntryRecord> records;
    QString error;
    if (!decodeRecords(entryFile, QString(), &records, &error))
        qFatal("%s", qPrintable(error));
    return records;
}

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
    void racesAddUpAndASecondRunChangesNothing();
    void raceFilesCountRecordByRecord();
    void entryPositionsResolveToTheirSlots();
    void onlyScoreBytesChange();
    void overflowWritesNothing_data();
    void overflowWritesNothing();
    void fileErrorsWriteNothing();
    void largeLeague();
};

void TestChampionship::racesAddUpAndASecondRunChangesNothing()
{
    TempData d;
    writeRecords(d.dir().teams(), std::vector{scored(0, 0, 0, 0), scored(99, 99, 99, 99)});
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("Sam"), testDriver("Ada", 1, 50)});
    writeRecords(d.dir().entries(), std::vector{entry("  Ann ", 61, 1, 1, 2, 3, 1)});

    // No calendar yet: every total and every entry's points become 0.
    QByteArray entryFile;
    QVERIFY(RecalculateChampionship(d.dir(), &entryFile, nullptr));
    QCOMPARE(readRecords<TeamRecord>(d.dir().teams()).at(1).Driver2.Score, int16_t(0));
    QCOMPARE(readRecords<TestDriverRecord>(d.dir().testDrivers()).at(1).Score, int16_t(0));
    // What is handed back is the entry file as written, the owner as stored.
    QCOMPARE(entryFile, readBytes(d.dir().entries()));
    QCOMPARE(decoded(entryFile).at(0).Points, int16_t(0));
    QCOMPARE(decoded(entryFile).at(0).Owner, QStringLiteral("  Ann ").leftJustified(80));

    writeRecords(d.dir().calendar(), calendar({"A", "  B  "}));
    writeRecords(d.dir().raceTeams("A"), std::vector{scored(0, 0, 0, 0), scored(1, 6, 2, 0)});
    writeRecords(d.dir().raceTeams("B"), std::vector{scored(0, 0, 0, 0), scored(1, 4, 0, 3)});
    writeRecords(d.dir().raceTestDrivers("A"), std::vector{testDriver("Sam", 0, 5)});
    writeRecords(d.dir().raceTestDrivers("B"),
                 std::vector{testDriver("Sam", 0, 1), testDriver("Ada", 0, 7)});
    QVERIFY(RecalculateChampionship(d.dir(), &entryFile, nullptr));
    const QList<QByteArray> first = written(d);
    const TeamRecord t = readRecords<TeamRecord>(d.dir().teams()).at(1);
    QCOMPARE(QList<int>({t.Team.Score, t.Engine.Score, t.Driver1.Score, t.Driver2.Score}),
             QList<int>({2, 10, 2, 3}));
    const auto tds = readRecords<TestDriverRecord>(d.dir().testDrivers());
    QCOMPARE(QList<int>({tds.at(0).Score, tds.at(1).Score}), QList<int>({6, 7}));
    // Team 2 + engine 10 + test driver 7 + drivers 2 and 3.
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).at(0).Points, int16_t(24));
    QCOMPARE(decoded(entryFile).at(0).Points, int16_t(24));

    QVERIFY(RecalculateChampionship(d.dir(), nullptr, nullptr));
    QCOMPARE(written(d), first);
}

void TestChampionship::raceFilesCountRecordByRecord()
{
    TempData d;
    writeRecords(d.dir().teams(), std::vector<TeamRecord>(5, scored(0, 0, 0, 0)));
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("Sam")});
    // A short race file counted twice, a race file longer than the database, and a race
    // that was never scored.
    writeRecords(d.dir().calendar(), calendar({"Short", "Short", "Long", " Nowhere "}));
    writeRecords(d.dir().raceTeams("Short"), std::vector<TeamRecord>(3, scored(1, 1, 1, 1)));
    writeRecords(d.dir().raceTeams("Long"), std::vector<TeamRecord>(7, scored(5, 0, 0, 0)));
    writeRecords(d.dir().raceTestDrivers("Long"),
                 std::vector{testDriver("Sam", 0, 2), testDriver("Ghost", 0, 9)});

    QString error;
    QVERIFY2(RecalculateChampionship(d.dir(), nullptr, &error), qPrintable(error));
    const auto teams = readRecords<TeamRecord>(d.dir().teams());
    QCOMPARE(teams.size(), std::size_t(5)); // nothing appended for the long race file
    QCOMPARE(teams[0].Team.Score, int16_t(1 + 1 + 5));
    QCOMPARE(teams[2].Driver2.Score, int16_t(2));
    QCOMPARE(teams[3].Team.Score, int16_t(5));
    QCOMPARE(teams[4].Engine.Score, int16_t(0));
    const auto tds = readRecords<TestDriverRecord>(d.dir().testDrivers());
    QCOMPARE(tds.size(), std::size_t(1));
    QCOMPARE(tds[0].Score, int16_t(2));
    QCOMPARE(readBytes(d.path("Nowhere.tmr")), QByteArray(""));
    QCOMPARE(readBytes(d.path("Nowhere.tdr")), QByteArray(""));
    QVERIFY(d.exists("Nowhere.tdr"));
}

void TestChampionship::entryPositionsResolveToTheirSlots()
{
    TempData d;
    // Every slot scores a different power of two, so a sum shows which ones were taken.
    writeRecords(d.dir().teams(), std::vector<TeamRecord>(3));
    writeRecords(d.dir().raceTeams("R"), std::vector{scored(1, 2, 4, 8), scored(16, 32, 64, 128),
                                                     scored(256, 512, 1024, 2048)});
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("A"), testDriver("B")});
    writeRecords(d.dir().raceTestDrivers("R"),
                 std::vector{testDriver("A", 0, 4096), testDriver("B", 0, 8192)});
    writeRecords(d.dir().calendar(), calendar({"R"}));
    writeRecords(d.dir().entries(),
                 std::vector{entry("Ann"), entry("Ben", 9, 3, 3, 6, 7, 2), entry("Cy", 9, -1),
                             entry("Dot", 9, 0, -1, -1, -2, -1), entry("Eve", 0, 0, 2, 3, 4, 1)});

    QByteArray entryFile;
    QVERIFY(RecalculateChampionship(d.dir(), &entryFile, nullptr));
    const std::vector<EntryRecord> rows = decoded(entryFile);
    QCOMPARE(rows.size(), std::size_t(5));
    QCOMPARE(rows[0].Points, int16_t(1 + 2 + 4 + 8 + 4096)); // drivers 0 and 1: record 1
    // Positions past their database or negative add nothing.
    QCOMPARE(rows[1].Points, int16_t(0));
    QCOMPARE(rows[2].Points, int16_t(2 + 4 + 8 + 4096));
    QCOMPARE(rows[3].Points, int16_t(1));
    // Team of record 1, engine of record 3, Driver2 of record 2, Driver1 of record 3, test
    // driver 2; shown in row 4.
    QCOMPARE(rows[4].Owner, QStringLiteral("Eve").leftJustified(80));
    QCOMPARE(rows[4].Points, int16_t(1 + 512 + 128 + 1024 + 8192));
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).at(4).Points, rows[4].Points);
}

void TestChampionship::onlyScoreBytesChange()
{
    TempData d;
    // Code-page bytes in names, odd price bit patterns, partial records at the ends.
    QByteArray teams = scored(3, 3, 3, 3).encode() + scored(9, 9, 9, 9).encode() + "partial";
    teams[5] = '\x81';
    teams[80] = '\x01'; // a denormal price
    teams[81] = teams[82] = teams[83] = '\0';
    teams[344 + 168] = '\xc1'; // a NaN price with a payload
    teams[344 + 169] = '\x7f';
    writeBytes(d.dir().teams(), teams);
    QByteArray tds = testDriver("Sam", -7, 3).encode();
    tds[10] = '\x9d';
    writeBytes(d.dir().testDrivers(), tds);
    const QByteArray entries = entry("Ann", 5, 1, 1, 2, 3, 0).encode() + QByteArray(40, '\xff');
    writeBytes(d.dir().entries(), entries);
    writeRecords(d.dir().calendar(), calendar({"R"}));
    writeRecords(d.dir().raceTeams("R"), std::vector{scored(1, 2, 3, 4), scored(5, 6, 7, 8)});

    QVERIFY(RecalculateChampionship(d.dir(), nullptr, nullptr));
    const QList<QByteArray> after = written(d);
    QCOMPARE(withoutScores(after[0], 344, {84, 170, 256, 342}),
             withoutScores(teams, 344, {84, 170, 256, 342}));
    QCOMPARE(withoutScores(after[1], 84, {82}), withoutScores(tds, 84, {82}));
    QCOMPARE(withoutScores(after[2], 96, {84}), withoutScores(entries, 96, {84}));
    QCOMPARE(TeamRecord::decode(after[0].constData() + 344).Driver2.Score, int16_t(8));
    QCOMPARE(EntryRecord::decode(after[2].constData()).Points, int16_t(5 + 6 + 7 + 8));
    QVERIFY(!d.exists("temp.tro"));
}

void TestChampionship::overflowWritesNothing_data()
{
    QTest::addColumn<int>("raceScore");
    QTest::addColumn<int>("testScore");
    QTest::addColumn<QStringList>("named");

    // Each of two races gives record 2's engine raceScore and the test driver testScore.
    QTest::newRow("team total") << 20000 << 0
                                << QStringList{"engine \"E\" (team record 2)", "\"Second\"",
                                               "32767"};
    QTest::newRow("team total below") << -20000 << 0 << QStringList{"\"Second\"", "-32768"};
    QTest::newRow("test driver total") << 0 << 17000 << QStringList{"\"Sam\"", "\"Second\""};
    // Each total fits, the entry's sum does not: engine 18000, then test driver 16000.
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
    writeRecords(d.dir().entries(), std::vector{entry("Ann", 3, 1, 1, 2, 3, 0)});
    writeRecords(d.dir().calendar(), calendar({"First", "Second"}));
    for (const QString r : {"First", "Second"}) {
        writeRecords(d.dir().raceTeams(r),
                     std::vector{scored(0, 0, 0, 0), scored(0, raceScore, 1, 1)});
        writeRecords(d.dir().raceTestDrivers(r),
                     std::vector{testDriver("Sam", 0, int16_t(testScore))});
    }
    const QList<QByteArray> before = written(d);

    QByteArray entryFile;
    QString error;
    QVERIFY(!RecalculateChampionship(d.dir(), &entryFile, &error));
    for (const QString& part : named)
        QVERIFY2(error.contains(part), qPrintable(error));
    QCOMPARE(written(d), before);
    QVERIFY(entryFile.isEmpty());
}

void TestChampionship::fileErrorsWriteNothing()
{
    TempData d;
    writeRecords(d.dir().teams(), std::vector{scored(4, 4, 4, 4)});
    writeRecords(d.dir().entries(), std::vector{entry("Ann", 9)});
    writeRecords(d.dir().calendar(), calendar({"R"}));
    writeRecords(d.dir().raceTeams("R"), std::vector{scored(1, 1, 1, 1)});
    const QList<QByteArray> before = written(d);

    QString error;
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Read && path.endsWith(u".tmr") ? EIO : 0;
    });
    QVERIFY(!RecalculateChampionship(d.dir(), nullptr, &error));
    QVERIFY2(error.contains(u"R.tmr"), qPrintable(error));
    QCOMPARE(written(d), before);

    // The three files are replaced all or none: whichever replacement fails, the ones
    // already replaced are put back.
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("Tess", 1, 5)});
    writeRecords(d.dir().raceTestDrivers("R"), std::vector{testDriver("Tess", 1, 2)});
    const QList<QByteArray> all = written(d);
    for (const char* file : {"teams.tro", "test.tro", "entry.tro"}) {
        io::setFaultHook([file](io::Op op, const QString& path) {
            return op == io::Op::Rename && path.endsWith(QLatin1String(file)) ? ENOSPC : 0;
        });
        QVERIFY(!RecalculateChampionship(d.dir(), nullptr, &error));
        io::setFaultHook({});
        QVERIFY2(error.contains(QLatin1String(file)), qPrintable(error));
        QCOMPARE(written(d), all);
        QVERIFY(!d.exists("temp.tro"));
    }
}

void TestChampionship::largeLeague()
{
    // 100 races of 60 teams, 100,000 entries; the bound is loose for sanitizer builds.
    TempData d;
    constexpr int kTeams = 60, kRaces = 100, kEntries = 100000;
    writeRecords(d.dir().teams(), std::vector<TeamRecord>(kTeams));
    writeRecords(d.dir().testDrivers(), std::vector<TestDriverRecord>(20));
    QStringList races;
    for (int r = 0; r < kRaces; ++r) {
        races << QStringLiteral("Race %1").arg(r);
        writeRecords(d.dir().raceTeams(races.last()), std::vector(kTeams, scored(1, 2, 3, 1)));
        writeRecords(d.dir().raceTestDrivers(races.last()), std::vector(20, testDriver("T", 0, 1)));
    }
    writeRecords(d.dir().calendar(), calendar(races));
    QByteArray entries;
    for (int i = 0; i < kEntries; ++i)
        entries += entry(QString::number(i), 0, i % kTeams, (i + 1) % kTeams, i % 120,
                         (i + 1) % 120, i % 20)
                       .encode();
    writeBytes(d.dir().entries(), entries);

    QElapsedTimer timer;
    timer.start();
    QByteArray entryFile;
    QVERIFY(RecalculateChampionship(d.dir(), &entryFile, nullptr));
    const qint64 ms = timer.elapsed();
    const std::vector<EntryRecord> rows = decoded(entryFile);
    qInfo("%d races, %d teams, %d entries: %lld ms", kRaces, kTeams, kEntries, ms);
    QVERIFY2(ms < 10000, qPrintable(QString::number(ms)));
    QCOMPARE(rows.size(), std::size_t(kEntries));
    QCOMPARE(rows[0].Points, int16_t(100 + 200 + 100 + 300 + 100));
}

QTEST_GUILESS_MAIN(TestChampionship)
#include "test_championship.moc"
