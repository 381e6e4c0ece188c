#include "data/io.h"
#include "fixture.h"
#include "main/score_report.h"

#include <QDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

const QByteArray kCrLf = "\r\n";
const QByteArray kTeamsHeading =
    "TEAMS\r\n\r\n"
    "Manager       Team          Engine        Driver1       Driver2       Test Driver   \r\n"
    "\r\n";

// The report's lines joined with CR LF, each line ending with one.
QByteArray lines(const QList<QByteArray>& items)
{
    QByteArray out;
    for (const QByteArray& l : items)
        out += l + kCrLf;
    return out;
}

QByteArray report(const DataDir& dir, const std::vector<QStringList>& viewerRows = {})
{
    QByteArray text;
    QString error;
    const auto row = [&viewerRows](int i) { return viewerRows[std::size_t(i)]; };
    if (!buildScoreReport(dir, int(viewerRows.size()), row, &text, &error))
        qWarning("%s", qPrintable(error));
    return text;
}

// The component table ends where the TEAMS section begins.
QByteArray componentTable(const QByteArray& text)
{
    return text.left(text.indexOf("TEAMS\r\n"));
}

QByteArray championship(const QByteArray& text)
{
    return text.mid(text.indexOf("Championship\r\n"));
}

void writeRaces(const TempData& data, const QStringList& names)
{
    std::vector<RaceName> races;
    for (const QString& n : names)
        races.push_back({n});
    writeRecords(data.dir().calendar(), races);
}

TeamRecord scored(int16_t team, int16_t engine, int16_t d1, int16_t d2)
{
    TeamRecord t = velmora::test::team("T", "E", "D1", "D2");
    t.Team.Score = team;
    t.Engine.Score = engine;
    t.Driver1.Score = d1;
    t.Driver2.Score = d2;
    return t;
}

} // namespace

class TestScoreReport : public QObject {
    Q_OBJECT
private slots:
    void emptyFilesGiveEmptySections();
    void oneTeamWithoutRaces();
    void raceColumnsAndNameWidths();
    void raceFilesShorterOrLongerThanTeams();
    void partialTeamsRecordRoundsPositions();
    void teamsSectionUsesPrintZones();
    void viewerRowsReadOneAtATimeInOrder();
    void championshipColumns();
    void writeReplacesWholeFile();
    void writeKeepsPermissionsLinksAndReadOnlyFolders();
    void failedWriteLeavesEarlierReport();
};

void TestScoreReport::emptyFilesGiveEmptySections()
{
    TempData data;
    QCOMPARE(report(data.dir()), lines({"                  Total", "", "", "", ""}) + kTeamsHeading
                                     + kCrLf + lines({"Championship", ""}));
}

void TestScoreReport::oneTeamWithoutRaces()
{
    TempData data;
    TeamRecord t = velmora::test::team(" Red ", "V8", "Ann Lee", "Bo");
    t.Team.Score = 5;
    t.Engine.Score = -1;
    t.Driver1.Score = 12;
    t.Driver2.Score = 0;
    writeRecords(data.dir().teams(), std::vector{t});
    QCOMPARE(
        componentTable(report(data.dir())),
        lines({"                  Total", "Ann Lee             12", "", "Bo                  0", "",
               "Red                 5", "", "V8                  -1", ""}));
}

void TestScoreReport::raceColumnsAndNameWidths()
{
    TempData data;
    const QString twenty = QStringLiteral("Twenty Characters Xy");
    const QString twentyOne = QStringLiteral("Twenty-One Characters");
    QCOMPARE(twenty.size(), 20);
    QCOMPARE(twentyOne.size(), 21);
    TeamRecord t = velmora::test::team("Red", "V8", twenty, twentyOne);
    t.Driver1.Score = 7;
    t.Driver2.Score = 15;
    writeRecords(data.dir().teams(), std::vector{t});
    writeRaces(data, {QStringLiteral(" Monza "), QStringLiteral("Spa")});
    writeRecords(data.dir().raceTeams(QStringLiteral("Monza")), std::vector{scored(1, 2, 3, -3)});
    writeRecords(data.dir().raceTeams(QStringLiteral("Spa")), std::vector{scored(4, 5, 4, 18)});

    QCOMPARE(componentTable(report(data.dir())),
             lines({"                  Total Monza Spa", "Twenty Characters Xy7  \t3  \t4", "",
                    "Twenty-One Characters15  \t-3  \t18", "", "Red                 0  \t1  \t4",
                    "", "V8                  0  \t2  \t5", ""}));
}

void TestScoreReport::raceFilesShorterOrLongerThanTeams()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{velmora::test::team("A", "a", "A1", "A2"),
                                                 velmora::test::team("B", "b", "B1", "B2")});
    // "Old" was scored with a third team since deleted; "New" before team B was added;
    // "Fresh" has no race file yet.
    writeRaces(data, {QStringLiteral("Old"), QStringLiteral("New"), QStringLiteral("Fresh")});
    writeRecords(data.dir().raceTeams(QStringLiteral("Old")),
                 std::vector{scored(1, 1, 1, 1), scored(2, 2, 2, 2), scored(9, 9, 9, 9)});
    writeRecords(data.dir().raceTeams(QStringLiteral("New")), std::vector{scored(3, 3, 3, 3)});

    QCOMPARE(componentTable(report(data.dir())),
             lines({"                  Total Old New Fresh", "A1                  0  \t1  \t3",
                    "B1                  0  \t2", "", "A2                  0  \t1  \t3",
                    "B2                  0  \t2", "", "A                   0  \t1  \t3",
                    "B                   0  \t2", "", "a                   0  \t1  \t3",
                    "b                   0  \t2", ""}));
    QVERIFY(data.exists(QStringLiteral("Fresh.tmr")));
    QCOMPARE(readBytes(data.path(QStringLiteral("Fresh.tmr"))), QByteArray());
}

void TestScoreReport::partialTeamsRecordRoundsPositions()
{
    // 1.5 records: the table runs to position 10, and the groups of record 1 land on
    // positions 1, 3.5, 6 and 8.5, rounded half to even to 1, 4, 6 and 8.
    TempData data;
    writeBytes(data.dir().teams(),
               velmora::test::team("T", "E", "D1", "D2").encode() + QByteArray(172, ' '));
    QCOMPARE(
        componentTable(report(data.dir())),
        lines({"                  Total", "D1                  0", "", "", "D2                  0",
               "", "T                   0", "", "E                   0", "", ""}));
}

void TestScoreReport::teamsSectionUsesPrintZones()
{
    TempData data;
    const std::vector<QStringList> grid = {
        {"Ann", "Red", "V8", "Ann Lee", "Christopherson", " "},
        {"12", "5", "-1", "12", "0", " "},
        {"", "", "", "", "", ""},
    };
    const QByteArray text = report(data.dir(), grid);
    const QByteArray expected =
        kTeamsHeading
        // A 14-character item fills its zone, so the next item skips to the zone after.
        + lines({"Ann           Red           V8            Ann Lee       Christopherson"
                     + QByteArray(14, ' ') + " " + QByteArray(13, ' '),
                 "12            5             -1            12            0             "
                 " " + QByteArray(13, ' '),
                 QByteArray(84, ' ')})
        + kCrLf;
    QCOMPARE(text.mid(text.indexOf("TEAMS\r\n"), expected.size()), expected);
    QVERIFY(text.mid(text.indexOf("TEAMS\r\n") + expected.size()).startsWith("Championship\r\n"));
}

void TestScoreReport::viewerRowsReadOneAtATimeInOrder()
{
    TempData data;
    QList<int> asked;
    const auto row = [&](int i) {
        asked.append(i);
        return QStringList{QStringLiteral("Owner %1").arg(i), QStringLiteral("Team")};
    };
    QByteArray text;
    QString error;
    QVERIFY2(buildScoreReport(data.dir(), 3, row, &text, &error), qPrintable(error));
    QCOMPARE(asked, (QList<int>{0, 1, 2}));
    QCOMPARE(text, report(data.dir(), {row(0), row(1), row(2)}));
}

void TestScoreReport::championshipColumns()
{
    TempData data;
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral(" Ann "), 12),
                             // 23 characters end in column 29; 24 end in column 30.
                             entry(QStringLiteral("Maximilian Featherstone"), -3),
                             entry(QStringLiteral("Bo"), 41),
                             entry(QStringLiteral("Maximilian Featherstonea"), 7)});
    QCOMPARE(championship(report(data.dir())),
             lines({"Championship", "", " 1    Ann                    12",
                    " 2    Maximilian Featherstone-3", " 3    Bo                     41",
                    " 4    Maximilian Featherstonea", "                             7"}));
}

void TestScoreReport::writeReplacesWholeFile()
{
    TempData data;
    const QString path = data.path(QStringLiteral("scores.txt"));
    writeBytes(path, QByteArray(500, 'x'));
    // A file that happens to carry the scratch name is not the program's to touch.
    writeBytes(path + QStringLiteral(".part"), "keep");
    QString error;
    QVERIFY2(writeScoreReport(path, "report\r\n", &error), qPrintable(error));
    QCOMPARE(readBytes(path), QByteArray("report\r\n"));
    QCOMPARE(readBytes(path + QStringLiteral(".part")), QByteArray("keep"));
    QCOMPARE(QDir(data.dir().path()).entryList(QDir::Files).size(), 2);
}

void TestScoreReport::writeKeepsPermissionsLinksAndReadOnlyFolders()
{
    TempData data;
    const QString real = data.path(QStringLiteral("real.txt"));
    const QString link = data.path(QStringLiteral("link.txt"));
    writeBytes(real, "earlier");
    QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(QFile::link(real, link));
    QString error;
    QVERIFY2(writeScoreReport(link, "new", &error), qPrintable(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(real), QByteArray("new"));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(real).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t(0600));

    // A folder where no scratch file may be made: the file itself is written.
    auto noScratch = [](io::Op op, const QString& p) {
        return op == io::Op::Open && p.contains(QStringLiteral(".part")) ? EACCES : 0;
    };
    io::setFaultHook(noScratch);
    const bool inPlace = writeScoreReport(real, "in place", &error);
    io::setFaultHook([&](io::Op op, const QString& p) {
        return op == io::Op::Write ? ENOSPC : noScratch(op, p);
    });
    const bool full = writeScoreReport(link, "lost", &error);
    io::setFaultHook({});
    QVERIFY(inPlace && !full);
    QVERIFY2(error.contains(u'"' + link + u'"') && error.contains(QStringLiteral("No space")),
             qPrintable(error));
    QCOMPARE(QDir(data.dir().path()).entryList(QDir::Files).size(), 2);
}

void TestScoreReport::failedWriteLeavesEarlierReport()
{
    TempData data;
    const QString path = data.path(QStringLiteral("scores.txt"));
    writeBytes(path, "earlier");
    for (io::Op failing : {io::Op::Open, io::Op::Write, io::Op::Sync, io::Op::Rename}) {
        io::setFaultHook([=](io::Op op, const QString&) { return op == failing ? ENOSPC : 0; });
        QString error;
        const bool ok = writeScoreReport(path, "new report", &error);
        io::setFaultHook({});
        QVERIFY(!ok);
        QVERIFY2(error.contains(path) && !error.contains(QStringLiteral(".part"))
                     && error.contains(QStringLiteral("No space left on device")),
                 qPrintable(error));
        QCOMPARE(readBytes(path), QByteArray("earlier"));
        QCOMPARE(QDir(data.dir().path()).entryList(QDir::Files), QStringList{"scores.txt"});
    }

    const QString nowhere = data.path(QStringLiteral("missing/scores.txt"));
    QString error;
    QVERIFY(!writeScoreReport(nowhere, "x", &error));
    QVERIFY2(error.contains(nowhere), qPrintable(error));
    QVERIFY(!QFile::exists(nowhere));

    // A data file that cannot be read: the report is not built at all.
    io::setFaultHook([&](io::Op op, const QString& p) {
        return op == io::Op::Open && p == data.dir().calendar() ? EACCES : 0;
    });
    QByteArray text;
    const auto noRows = [](int) { return QStringList(); };
    QVERIFY(!buildScoreReport(data.dir(), 0, noRows, &text, &error));
    io::setFaultHook({});
    QVERIFY2(error.contains(data.dir().calendar()), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestScoreReport)
#include "test_score_report.moc"
