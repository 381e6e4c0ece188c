// velmora-publish: the season race by race as the pages show it, held to figures worked out
// by hand and to the championship; texts as typed; the data folder left alone; the command
// line; and the page in a real browser.
#include "data/io.h"
#include "fixture.h"
#include "publish/publish.h"
#include "scoring/championship.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <cerrno>

using namespace velmora;
using namespace velmora::test;

namespace {

// The page read back as XML: the body rows of every table by its id, the chart's lines by
// their titles, the note's items.
struct Page {
    QString error, title;
    QMap<QString, QList<QStringList>> tables;
    QStringList lines, note;
};

Page readPage(const QByteArray& html)
{
    Page page;
    QXmlStreamReader xml(html);
    QString table, section;
    bool body = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        const QString id = xml.attributes().value(QStringLiteral("id")).toString();
        if (name == u"table")
            table = id;
        else if (name == u"section")
            section = id;
        else if (name == u"thead" || name == u"tbody" || name == u"tfoot")
            body = name == u"tbody";
        else if (name == u"tr" && body)
            page.tables[table].append(QStringList());
        else if (name == u"td" && body)
            page.tables[table].last()
                << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (name == u"title" && page.title.isNull())
            page.title = xml.readElementText();
        else if (name == u"polyline")
            page.lines << (xml.readNextStartElement() ? xml.readElementText() : QString());
        else if (name == u"li" && section == u"stale")
            page.note << xml.readElementText();
    }
    page.error = xml.errorString();
    return page;
}

// A season that cannot be read shows as an empty page.
Page publishedPage(const DataDir& dir)
{
    Season season;
    readSeason(dir, &season, nullptr);
    return readPage(seasonPage(season, {}));
}

// The row of a table whose cell `column` is text.
QStringList rowOf(const QList<QStringList>& rows, const QString& text, int column = 1)
{
    for (const QStringList& row : rows)
        if (row.value(column) == text)
            return row;
    return {};
}

} // namespace

class TestPublish : public QObject {
    Q_OBJECT
private slots:
    void fixtureSeason_data();
    void fixtureSeason();
    void components_data();
    void components();
    void edgeCases_data();
    void edgeCases();
    void textsAsTyped_data();
    void textsAsTyped();
    void staleNote_data();
    void staleNote();
    void filesReplacedWhole();
    void commandLine_data();
    void commandLine();
    void inTheBrowser();
};

// The fixture's season worked out by hand: Imola and Monza, every component of an entry
// added from its own race record. After Imola Alan leads; after Monza bob does, and Cleo and
// dora share third with 49 (listed by name).
void TestPublish::fixtureSeason_data()
{
    QTest::addColumn<QString>("owner");
    QTest::addColumn<int>("entry"); // in file order
    QTest::addColumn<int>("imola");
    QTest::addColumn<int>("monza");
    QTest::addColumn<int>("afterImola");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("byRace");
    QTest::addColumn<QString>("csv");
    QTest::newRow("bob") << "bob" << 2 << 25 << 36 << 3 << 0 << "1|bob|61|36|\u25B2 2"
                         << "bob: 25 61"
                         << "bob|61|25|36 (best)"
                         << "1,bob,3,61,36,up 2,12,25,36";
    QTest::newRow("Alan") << "Alan" << 1 << 48 << 9 << 1 << 1 << "2|Alan|57|9|\u25BC 1"
                          << "Alan: 48 57"
                          << "Alan|57|48 (best)|9"
                          << "2,Alan,2,57,9,down 1,40,48,9";
    QTest::newRow("Cleo") << "Cleo" << 3 << 30 << 19 << 2 << 2 << "3|Cleo|49|19|\u25BC 1"
                          << "Cleo: 30 49"
                          << "Cleo|49|30|19"
                          << "3,Cleo,4,49,19,down 1,40,30,19";
    QTest::newRow("dora") << "dora" << 0 << 19 << 30 << 4 << 3 << "3|dora|49|30|\u25B2 1"
                          << "dora: 19 49"
                          << "dora|49|19|30"
                          << "3,dora,1,49,30,up 1,5,19,30";
}

void TestPublish::fixtureSeason()
{
    QFETCH(QString, owner);
    TempData d;
    writeSeason(d.dir());
    Season season;
    QString error;
    QVERIFY2(readSeason(d.dir(), &season, &error), qPrintable(error));
    QFETCH(int, entry);
    const auto o = std::size_t(entry);
    QCOMPARE(season.owners[o].name, owner);
    QTEST(season.pointsIn(o, 0), "imola");
    QTEST(season.pointsIn(o, 1), "monza");
    QTEST(positionsAfter(season, 1)[o], "afterImola");
    const Page page = readPage(seasonPage(season, {}));
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QFETCH(int, line);
    QTEST(page.tables["league"].value(line).join(u'|'), "row");
    QTEST(page.lines.filter(QRegularExpression(u'^' + owner + u':')).value(0), "chart");
    QTEST(page.tables["by-race"].value(line).join(u'|'), "byRace");
    QTEST(QString::fromUtf8(standingsCsv(season)).split(QStringLiteral("\r\n")).value(line + 1),
          "csv");
}

// Components of the fixture as the page lists them (price, chosen by, total, Imola, Monza),
// worked out by hand; Alan has chosen Ann Lee as both drivers, which counts as one entry.
void TestPublish::components_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("row");
    const auto row = [](const char* name, const char* table, const char* row) {
        QTest::newRow(name) << QString::fromLatin1(table) << QString::fromLatin1(row);
    };
    row("chassis", "chassis", "Arrow|12.5|2|10|10|0");
    row("engine maker", "engines", "Ion|4.75|2|8|2|6");
    row("second driver", "drivers", "Flo Gil|4.75|2|12|4|8");
    row("chosen twice by one entry", "drivers", "Ann Lee|12.5|2|14|12|2");
    row("chosen by none", "drivers", "Bo Kim|12.5|0|16|13|3");
    row("test driver", "test-drivers", "Gus Ho|3|2|5|2|3");
}

void TestPublish::components()
{
    QFETCH(QString, table);
    QFETCH(QString, row);
    TempData d;
    writeSeason(d.dir());
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    entries[1].Driver2Index = 0;
    writeRecords(d.dir().entries(), entries);
    QCOMPARE(rowOf(publishedPage(d.dir()).tables[table], row.section(u'|', 0, 0), 0).join(u'|'),
             row);
}

// The fixture with another calendar, Monza's team file cut to its first records: one
// owner's row of the league table, worked out by hand. The folder is never written.
void TestPublish::edgeCases_data()
{
    QTest::addColumn<QStringList>("calendar");
    QTest::addColumn<int>("monzaRecords");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("byRace");
    const auto row = [](const char* name, const QStringList& calendar, int monzaRecords,
                        const char* owner, const char* row, const char* byRace) {
        QTest::newRow(name) << calendar << monzaRecords << QString::fromUtf8(owner)
                            << QString::fromUtf8(row) << QString::fromUtf8(byRace);
    };
    row("empty calendar", {}, 3, "dora", "1|dora|0", "");
    // Comet, Ion and Cy Dunn's team lie past the cut: bob keeps only Ida Jo's 1.
    row("race file shorter than the database", {"Monza"}, 1, "bob", "3|bob|1|1|new", "bob|1|1");
    row("race listed twice", {"Monza", "Monza"}, 3, "bob",
        "1|bob|72|36|=", "bob|72|36 (best)|36 (best)");
    // Nobody stands out in a race nobody scored in.
    row("race never scored", {"Imola", "Suzuka"}, 3, "Alan",
        "1|Alan|48|0|=", "Alan|48|48 (best)|0");
}

void TestPublish::edgeCases()
{
    QFETCH(QStringList, calendar);
    QFETCH(int, monzaRecords);
    TempData d;
    writeSeason(d.dir());
    std::vector<RaceName> races;
    for (const QString& race : calendar)
        races.push_back({race});
    writeRecords(d.dir().calendar(), races);
    writeBytes(d.dir().raceTeams("Monza"),
               readBytes(d.dir().raceTeams("Monza")).left(monzaRecords * TeamRecord::Length));
    const FolderState before = folderState(d.dir());
    const Page page = publishedPage(d.dir());
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QFETCH(QString, owner);
    QTEST(rowOf(page.tables["league"], owner).join(u'|'), "row");
    QTEST(rowOf(page.tables["by-race"], owner, 0).join(u'|'), "byRace");
    QCOMPARE(folderState(d.dir()), before);
}

// An owner and a race named with markup, a comma, code-page letters or a control character
// show as typed (the control character as U+FFFD); in the spreadsheet the field is quoted
// where it must be.
void TestPublish::textsAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("csv");
    const auto row = [](const char* name, const QString& typed, const QString& shown,
                        const QString& csv) { QTest::newRow(name) << typed << shown << csv; };
    row("markup", "<b>&\"x\"", "<b>&\"x\"", "\"<b>&\"\"x\"\"\"");
    row("comma", "Smith, J.", "Smith, J.", "\"Smith, J.\"");
    row("code page", "Zo\u00eb \u20ac", "Zo\u00eb \u20ac", "Zo\u00eb \u20ac");
    row("control", "A\u0001B", "A\uFFFDB", "A\uFFFDB");
}

void TestPublish::textsAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, csv);
    TempData d;
    writeSeason(d.dir());
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    entries[0].Owner = typed;
    writeRecords(d.dir().entries(), entries);
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}, {typed}});
    writeBytes(d.dir().raceTeams(typed), readBytes(d.dir().raceTeams("Monza")));
    writeBytes(d.dir().raceTestDrivers(typed), readBytes(d.dir().raceTestDrivers("Monza")));
    Season season;
    QVERIFY(readSeason(d.dir(), &season, nullptr));
    const Page page = readPage(seasonPage(season, {typed}));
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QCOMPARE(page.title, shown);
    QCOMPARE(rowOf(page.tables["league"], shown).value(2), QStringLiteral("49"));
    const QStringList lines = QString::fromUtf8(standingsCsv(season)).split(QStringLiteral("\r\n"));
    QVERIFY2(lines[0].endsWith(u',' + csv), qPrintable(lines[0]));
    QCOMPARE(lines.filter(u',' + csv + QStringLiteral(",1,49,")).size(), 1);
}

// Every entry whose stored points are not the sum of its races, with both figures. Right
// after the championship there is none: the pages add up what it adds up, also with a race
// listed twice, one never scored and a race file shorter than the database.
void TestPublish::staleNote_data()
{
    QTest::addColumn<QStringList>("calendar");
    QTest::addColumn<bool>("calculated");
    QTest::addColumn<int>("bobStored"); // written after the championship; -1 leaves it
    QTest::addColumn<QStringList>("note");
    const QStringList season = {"Imola", "Monza"};
    QTest::newRow("never calculated")
        << season << false << -1
        << QStringList{"dora (entry 1): stored 5, races 49", "Alan (entry 2): stored 40, races 57",
                       "bob (entry 3): stored 12, races 61", "Cleo (entry 4): stored 40, races 49"};
    QTest::newRow("calculated") << QStringList{"Imola", "Monza", "Spa", "Monza", "Suzuka"} << true
                                << -1 << QStringList();
    QTest::newRow("changed since")
        << season << true << 60 << QStringList{"bob (entry 3): stored 60, races 61"};
}

void TestPublish::staleNote()
{
    QFETCH(QStringList, calendar);
    QFETCH(int, bobStored);
    TempData d;
    writeSeason(d.dir());
    std::vector<RaceName> races;
    for (const QString& race : calendar)
        races.push_back({race});
    writeRecords(d.dir().calendar(), races);
    writeBytes(d.dir().raceTeams("Spa"), readBytes(d.dir().raceTeams("Spa")).left(344));
    QFETCH(bool, calculated);
    if (calculated)
        QVERIFY(recalculateChampionship(d.dir(), nullptr, nullptr));
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    if (bobStored >= 0)
        entries[2].Points = int16_t(bobStored);
    writeRecords(d.dir().entries(), entries);
    QTEST(publishedPage(d.dir()).note, "note");
}

// A file that cannot be written leaves the one it would replace as it was and no scratch
// file; publishing the same files again gives the same bytes.
void TestPublish::filesReplacedWhole()
{
    TempData d, out;
    writeSeason(d.dir());
    QString error;
    QVERIFY2(publishSeason(d.dir(), out.dir().path(), {}, &error), qPrintable(error));
    const FolderState site = folderState(out.dir());
    QCOMPARE(site.keys(), (QStringList{"components.csv", "index.html", "standings.csv"}));
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}});
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Write && path.endsWith(QLatin1String("index.html.part")) ? ENOSPC : 0;
    });
    QVERIFY(!publishSeason(d.dir(), out.dir().path(), {}, &error));
    io::setFaultHook({});
    QVERIFY2(error.contains(out.path("index.html")), qPrintable(error));
    QCOMPARE(readBytes(out.path("index.html")), site["index.html"]);
    QCOMPARE(QDir(out.dir().path()).entryList({"*.part"}, QDir::Files), QStringList());
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}, {"Monza"}});
    QVERIFY(publishSeason(d.dir(), out.dir().path(), {}, &error));
    QCOMPARE(folderState(out.dir()), site);
}

// DATA is a season's folder, BROKEN one whose teams.tro cannot be read, EMPTY a folder with
// no league, OUT a folder for the site. The data folder is never written.
void TestPublish::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, QStringList args, int status, const char* message) {
        QTest::newRow(name) << args << status << QString::fromUtf8(message);
    };
    row("published", {"--data", "DATA", "--out", "OUT/site", "--title", "L", "--top", "2"}, 0, "");
    row("no --out", {"--data", "DATA"}, 2, "--out FOLDER");
    row("--top not a number", {"--data", "DATA", "--out", "OUT", "--top", "x"}, 2, "\"x\"");
    row("stray argument", {"DATA", "--out", "OUT"}, 2, "unexpected argument");
    row("no data folder", {"--data", "DATA/none", "--out", "OUT"}, 1, "does not exist");
    row("no league", {"--data", "EMPTY", "--out", "OUT"}, 1, "holds no league");
    row("unreadable file", {"--data", "BROKEN", "--out", "OUT"}, 1, "teams.tro\": Is a directory");
    row("output is a file", {"--data", "DATA", "--out", "DATA/teams.tro"}, 1, "not a folder");
    row("output is the data folder", {"--data", "DATA", "--out", "DATA/."}, 1, "data folder");
    row("output cannot be made", {"--data", "DATA", "--out", "/proc/velmora"}, 1, "create the");
}

void TestPublish::commandLine()
{
    QFETCH(QStringList, args);
    TempData data, broken, empty, out;
    writeSeason(data.dir());
    QDir().mkdir(broken.dir().teams());
    for (QString& a : args)
        a.replace(QStringLiteral("DATA"), data.dir().path())
            .replace(QStringLiteral("BROKEN"), broken.dir().path())
            .replace(QStringLiteral("EMPTY"), empty.dir().path())
            .replace(QStringLiteral("OUT"), out.dir().path());
    const FolderState before = folderState(data.dir());
    QProcess program;
    program.start(QStringLiteral(VELMORA_PUBLISH), args);
    QVERIFY(program.waitForFinished(60000));
    QTEST(program.exitCode(), "status");
    QFETCH(QString, message);
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
    // A site appears where a run that succeeds was asked to put it, and nowhere else.
    QCOMPARE(QFile::exists(out.path("site/index.html")), args.contains(out.path("site")));
    QCOMPARE(folderState(data.dir()), before);
}

// Headless Chromium reads the page as HTML: its DOM holds the league table in order and the
// chart's four lines, and its screenshot shows the leader's line in the first colour and the
// best of each race marked.
void TestPublish::inTheBrowser()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QVERIFY2(!chromium.isEmpty(), "chromium is missing: run tools/install-deps");
    TempData d, out, profile;
    writeSeason(d.dir());
    QVERIFY(publishSeason(d.dir(), out.dir().path(), {}, nullptr));
    const auto browse = [&](const QString& what) {
        QProcess browser;
        browser.start(chromium,
                      {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                       "--no-first-run", "--disable-background-networking",
                       "--disable-component-update", "--disable-sync",
                       "--user-data-dir=" + profile.dir().path(), "--window-size=1000,1400", what,
                       "file://" + out.path("index.html")});
        browser.waitForFinished(120000);
        return QString::fromUtf8(browser.readAllStandardOutput());
    };
    const QString dom = browse(QStringLiteral("--dump-dom"));
    const QRegularExpression cells(
        QStringLiteral("<tr><td>(\\d+)</td><td class=\"name\">([^<]*)</td><td>(\\d+)</td>"));
    QStringList rows;
    for (const auto& m : cells.globalMatch(dom.section(QStringLiteral("id=\"league\""), 1)
                                               .section(QStringLiteral("</table>"), 0, 0)))
        rows << m.capturedTexts().mid(1).join(u' ');
    QCOMPARE(rows, (QStringList{"1 bob 61", "2 Alan 57", "3 Cleo 49", "3 dora 49"}));
    QCOMPARE(dom.count(u"<polyline"), 4);

    browse("--screenshot=" + out.path("shot.png"));
    const QImage shot(out.path("shot.png"));
    QMap<QRgb, int> pixels;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ++pixels[shot.pixel(x, y)];
    QVERIFY(pixels[qRgb(0x00, 0x72, 0xb2)] > 200 && pixels[qRgb(0xff, 0xe5, 0x8a)] > 200);
}

QTEST_GUILESS_MAIN(TestPublish)
#include "test_publish.moc"
