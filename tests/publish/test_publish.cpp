// velmora-publish: the season race by race as the pages show it, held to figures worked out
// by hand and to the championship; texts as typed; whole files; the command line; and the
// page in a real browser.
#include "data/io.h"
#include "fixture.h"
#include "gui.h"
#include "publish/publish.h"
#include "scoring/championship.h"
#include "table.h"

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

// What the pages show, as lines of text by part: the body rows of every table of the page by
// its id (cells joined by '|'), the chart's lines ("chart", by their titles; "chart points", as
// drawn), the stale-points note ("stale"), the title, both spreadsheets' lines by file name, and
// the XML reader's error if the page is not well-formed ("error").
using Parts = QMap<QString, QStringList>;

Parts published(const DataDir& dir, const PublishOptions& options = {})
{
    Season season;
    readSeason(*openLeague(dir, League::Mode::Read), &season,
               nullptr); // a season that cannot be read shows as empty pages
    Parts page;
    QXmlStreamReader xml(seasonPage(season, options));
    QString table, section;
    bool body = false;
    int cells = 0; // of the row under way
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
            body = name != u"thead"; // the foot's rows too, less their headings
        else if (name == u"tr" && body)
            page[table] << QString(), cells = 0;
        else if (name == u"td" && body)
            page[table].last() += QLatin1String(cells++ ? "|" : "")
                                  + xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (name == u"title" && !page.contains(QStringLiteral("title")))
            page["title"] << xml.readElementText();
        else if (name == u"polyline") {
            page["chart points"] << xml.attributes().value(QStringLiteral("points")).toString();
            page["chart"] << (xml.readNextStartElement() ? xml.readElementText() : QString());
        } else if (name == u"style") { // its rules, one a line
            page["style"] = xml.readElementText().split(u'}');
        } else if (name == u"li" && section == u"stale")
            page["stale"] << xml.readElementText();
    }
    if (xml.hasError())
        page["error"] << xml.errorString();
    page["standings.csv"] = QString::fromUtf8(standingsCsv(season)).split(QStringLiteral("\r\n"));
    page["components.csv"] = QString::fromUtf8(componentsCsv(season)).split(QStringLiteral("\r\n"));
    return page;
}

} // namespace

class TestPublish : public QObject {
    Q_OBJECT
private slots:
    void figures_data();
    void figures();
    void textsAsTyped_data();
    void textsAsTyped();
    void filesReplacedWhole();
    void commandLine_data();
    void commandLine();
    void inTheBrowser();
    void fromTheMenu();
};

// The fixture's season worked out by hand, each component from its own race record. After
// Imola: Alan 48, Cleo 30, bob 25, dora 19; after Monza: bob 61, Alan 57, Cleo and dora 49,
// sharing third (by name: the browser's test sees the order). Stored points are out of date
// (the standings sheet shows them too). Then changed: another calendar, Monza's team file cut
// to its first record ("cut"), the championship run ("run": only what changes after it is
// stale), Alan choosing Ann Lee as both drivers. A row is a line a part of the pages shows;
// an empty one, a part that shows nothing.
void TestPublish::figures_data()
{
    columns<QStringList, QString, QString, QString>("calendar", "change", "part", "shown");
    const auto row = [](const char* name, const char* part, const char* shown,
                        const char* change = "", const QStringList& calendar = {"Imola", "Monza"}) {
        QTest::newRow(name) << calendar << QString::fromLatin1(change) << QString::fromLatin1(part)
                            << QString::fromUtf8(shown);
    };
    row("Cleo", "league", "3|Cleo|49|19|\u25BC 1");
    row("dora", "league", "3|dora|49|30|\u25B2 1");
    row("bob's line", "chart", "bob: 25 61");
    row("Alan's line", "chart", "Alan: 48 57");
    row("Cleo's line", "chart", "Cleo: 30 49");
    row("dora's line", "chart", "dora: 19 49");
    // 0 to 80 in steps of 20 from y 276 up to 14; races from x 38 (room for "80") to 626.
    row("bob's line drawn", "chart points", "38.0,276.0 332.0,194.1 626.0,76.2");
    row("dashes past the colours", "style", ".d1{stroke-dasharray:6 3");
    row("bob by race", "by-race", "bob|61|25|36 (best)");
    row("Alan by race", "by-race", "Alan|57|48 (best)|9");
    row("standings header", "standings.csv",
        "Position,Owner,Entry,Points,Last race,Move,Stored points,Imola,Monza");
    row("bob's standing", "standings.csv", "1,bob,3,61,36,up 2,12,25,36");
    row("Alan's standing", "standings.csv", "2,Alan,2,57,9,down 1,40,48,9");
    row("Cleo's standing", "standings.csv", "3,Cleo,4,49,19,down 1,40,30,19");
    row("dora's standing", "standings.csv", "3,dora,1,49,30,up 1,5,19,30");
    // Components: price, chosen by, total, Imola, Monza; Ann Lee, Alan's for both seats, once.
    row("chassis", "chassis", "Arrow|12.5|2|10|10|0", "Alan twice");
    row("engine maker", "engines", "Ion|4.75|2|8|2|6", "Alan twice");
    row("second driver", "drivers", "Flo Gil|4.75|2|12|4|8", "Alan twice");
    row("chosen by none", "drivers", "Bo Kim|12.5|0|16|13|3", "Alan twice");
    row("test driver", "test-drivers", "Gus Ho|3|2|5|2|3", "Alan twice");
    row("components sheet", "components.csv", "Race driver,Ann Lee,12.5,2,14,12,2", "Alan twice");
    // The championship adds up what the pages add up, whatever the calendar.
    row("empty calendar", "league", "1|dora|0", "run", {});
    row("empty calendar, nothing stale", "stale", "", "run", {});
    // Comet, Ion and Cy Dunn's team lie past the cut: bob keeps only Ida Jo's 1.
    row("race file shorter than the database", "league", "3|bob|1|1|new", "cut run", {"Monza"});
    row("race listed twice", "league", "1|bob|72|36|=", "run", {"Monza", "Monza"});
    row("one race, by race", "by-race", "bob|1|1", "cut run", {"Monza"});
    row("best of each race", "by-race", "|48|36");
    // Nobody stands out in a race nobody scored in.
    row("race never scored", "league", "1|Alan|48|0|=", "run", {"Imola", "Suzuka"});
    row("never scored, by race", "by-race", "Alan|48|48 (best)|0", "run", {"Imola", "Suzuka"});
    row("all three, nothing stale", "stale", "", "cut run", {"Monza", "Imola", "Monza", "Suzuka"});
    row("changed since", "stale", "bob (entry 3): stored 60, races 61", "run bob 60");
}

void TestPublish::figures()
{
    const auto [calendar, change, part, shown] =
        fetch<QStringList, QString, QString, QString>("calendar", "change", "part", "shown");
    TempData d;
    writeSeason(d.dir());
    writeRecords(d.dir().calendar(), std::vector<RaceName>(calendar.begin(), calendar.end()));
    if (change.contains(u"cut"))
        writeBytes(d.dir().raceTeams("Monza"),
                   readBytes(d.dir().raceTeams("Monza")).left(TeamRecord::Length));
    if (change.contains(u"run"))
        QVERIFY(recalculateChampionship(*openLeague(d.dir()), nullptr));
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    if (change.contains(u"Alan twice"))
        entries[1].Driver2Index = 0;
    if (change.contains(u"bob 60"))
        entries[2].Points = 60;
    writeRecords(d.dir().entries(), entries);
    const Parts parts = published(d.dir());
    QCOMPARE(parts.value("error"), QStringList());
    QVERIFY(!QFile::exists(d.dir().raceTeams("Suzuka"))); // read as empty, not made
    const QStringList lines = parts.value(part);
    QVERIFY2(shown.isEmpty() ? lines.isEmpty() : lines.contains(shown),
             qPrintable(lines.join(u'\n')));
}

// An owner and a race named with markup, a comma, code-page letters or a control character
// show as typed (the control character as U+FFFD); in the spreadsheet the field is quoted
// where it must be.
void TestPublish::textsAsTyped_data()
{
    const auto row = columns<QString, QString, QString>("typed", "shown", "csv");
    row("markup", "<b>&\"x\"", "<b>&\"x\"", "\"<b>&\"\"x\"\"\"");
    row("comma", "Smith, J.", "Smith, J.", "\"Smith, J.\"");
    row("code page", "Zo\u00eb \u20ac", "Zo\u00eb \u20ac", "Zo\u00eb \u20ac");
    row("control", "A\u0001B", "A\uFFFDB", "A\uFFFDB");
}

void TestPublish::textsAsTyped()
{
    const auto [typed, shown, csv] = fetch<QString, QString, QString>("typed", "shown", "csv");
    TempData d;
    writeSeason(d.dir());
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    entries[0].Owner = typed;
    writeRecords(d.dir().entries(), entries);
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}, {typed}});
    writeBytes(d.dir().raceTeams(typed), readBytes(d.dir().raceTeams("Monza")));
    writeBytes(d.dir().raceTestDrivers(typed), readBytes(d.dir().raceTestDrivers("Monza")));
    const Parts parts = published(d.dir(), {typed});
    QCOMPARE(parts["title"], QStringList{shown});
    QVERIFY(parts["league"].contains("3|" + shown + "|49|30|\u25B2 1"));
    QVERIFY(parts["standings.csv"].value(0).endsWith(u',' + csv));
    QCOMPARE(parts["standings.csv"].filter(u',' + csv + QStringLiteral(",1,49,")).size(), 1);
}

// A file that cannot be written leaves the one it would replace as it was and no scratch
// file; publishing the same files again gives the same bytes.
void TestPublish::filesReplacedWhole()
{
    TempData d, out;
    writeSeason(d.dir());
    QString error;
    const auto league = openLeague(d.dir(), League::Mode::Read);
    QVERIFY2(publishSeason(*league, out.dir().path(), {}, &error), qPrintable(error));
    const FolderState site = folderState(out.dir());
    QCOMPARE(site.keys(), (QStringList{"components.csv", "index.html", "standings.csv"}));
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}});
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Write && path.endsWith(QLatin1String("index.html.part")) ? ENOSPC : 0;
    });
    QVERIFY(!publishSeason(*league, out.dir().path(), {}, &error));
    io::setFaultHook({});
    QVERIFY2(error.contains(out.path("index.html")), qPrintable(error));
    QCOMPARE(readBytes(out.path("index.html")), site["index.html"]);
    QCOMPARE(QDir(out.dir().path()).entryList({"*.part"}, QDir::Files), QStringList());
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}, {"Monza"}});
    QVERIFY(publishSeason(*league, out.dir().path(), {}, &error));
    QCOMPARE(folderState(out.dir()), site);
}

// What the program says, on either channel. DATA is a season's folder, BROKEN one whose
// teams.tro cannot be read, OUT an empty folder for the site (and a folder with no league).
// The data folder is never written.
void TestPublish::commandLine_data()
{
    const auto row = columns<QStringList, int, QString>("args", "status", "message");
    row("published", {"--data", "DATA", "--out", "OUT/site", "--title", "L", "--top", "2"}, 0, "");
    row("--help", {"--help"}, 0, "--out <folder>");
    row("--version", {"--version"}, 0, "velmora-publish ");
    row("no --out", {"--data", "DATA"}, 2, "--out FOLDER");
    row("--top not a number", {"--data", "DATA", "--out", "OUT", "--top", "x"}, 2, "\"x\"");
    row("stray argument", {"DATA", "--out", "OUT"}, 2, "unexpected argument");
    row("no data folder", {"--data", "DATA/none", "--out", "OUT"}, 1, "does not exist");
    row("no league", {"--data", "OUT", "--out", "OUT/x"}, 1, "holds no league");
    row("unreadable file", {"--data", "BROKEN", "--out", "OUT"}, 1, "teams.tro\": Is a directory");
    row("output is a file", {"--data", "DATA", "--out", "DATA/teams.tro"}, 1, "not a folder");
    row("output is the data folder", {"--data", "DATA", "--out", "DATA/."}, 1, "data folder");
    row("output cannot be made", {"--data", "DATA", "--out", "/proc/velmora"}, 1, "create the");
}

void TestPublish::commandLine()
{
    const auto [args, status, message] =
        fetch<QStringList, int, QString>("args", "status", "message");
    TempData data, broken, out;
    writeSeason(data.dir());
    QDir().mkdir(broken.dir().teams());
    const FolderState before = folderState(data.dir());
    const auto [exit, said] = runProgram(
        VELMORA_PUBLISH, args,
        {{"DATA", data.dir().path()}, {"BROKEN", broken.dir().path()}, {"OUT", out.dir().path()}});
    QCOMPARE(exit, status);
    QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
    // A site appears where a run that succeeds was asked to put it, and nowhere else.
    QCOMPARE(QFile::exists(out.path("site/index.html")), args.contains("OUT/site"));
    QCOMPARE(folderState(data.dir()), before);
}

// Headless Chromium reads the page as HTML: its DOM holds the league table in order and the
// chart's four lines, and its screenshot shows the leader's line in the first colour and the
// best of each race marked.
void TestPublish::inTheBrowser()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QVERIFY2(!chromium.isEmpty(), "chromium is missing: run tools/install-deps");
    TempData d, out;
    writeSeason(d.dir());
    QVERIFY(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, nullptr));
    const auto browse = [&](const QString& what) {
        // A profile of its own each time: a browser still letting go of a shared one would
        // hand the page to it and end without doing what it was asked.
        const TempData profile;
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
    // Only the league table's rows start with a number and a name.
    QStringList rows;
    const QRegularExpression league(
        QStringLiteral("<tr><td>(\\d+)</td><td class=\"name\">([^<]*)</td><td>(\\d+)</td>"));
    for (const auto& m : league.globalMatch(dom))
        rows << m.capturedTexts().mid(1).join(u' ');
    QCOMPARE(rows, (QStringList{"1 bob 61", "2 Alan 57", "3 Cleo 49", "3 dora 49"}));
    QCOMPARE(dom.count(u"<polyline"), 4);

    // A browser starved of time on a loaded machine may paint late: asked up to three times.
    QMap<QRgb, int> pixels;
    for (int attempt = 0; attempt < 3 && pixels.value(qRgb(0xff, 0xe5, 0x8a)) <= 200; ++attempt) {
        browse("--screenshot=" + out.path("shot.png"));
        const QImage shot(out.path("shot.png"));
        pixels.clear();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                ++pixels[shot.pixel(x, y)];
    }
    QVERIFY(pixels[qRgb(0x00, 0x72, 0xb2)] > 200 && pixels[qRgb(0xff, 0xe5, 0x8a)] > 200);
}

// Publish Season asks where the first time and keeps it in the settings, writes the bytes
// velmora-publish writes with the same settings (title and top from them), says where and opens
// the page when asked. velmora-publish with no --out goes to the settings' site.
void TestPublish::fromTheMenu()
{
    TempData data, out;
    writeSeason(data.dir());
    writeBytes(data.path("league.ini"), "name=Kent League\ntop=2\n");
    Messages::collect(true);
    Messages::setNextAnswer(Messages::Answer::Store);
    FolderDialog::setNextFolder(out.path("menu"));
    auto main = std::make_unique<MainWindow>(openLeague(data.dir()));
    trigger(main.get(), "File_Publish");
    main.reset();
    QCOMPARE(readBytes(data.path("league.ini")),
             "name=Kent League\nsite=" + QFile::encodeName(out.path("menu")) + "\ntop=2\n");
    QCOMPARE(std::exchange(Messages::asked(), {}),
             QStringList("The season is published in \"" + out.path("menu") + "\"."));
    QCOMPARE(std::exchange(Messages::opened(), {}), QStringList(out.path("menu/index.html")));
    QCOMPARE(Messages::collected(), QStringList());
    QCOMPARE(
        runProgram(VELMORA_PUBLISH, {"--data", data.dir().path(), "--out", out.path("cli")}, {}),
        std::pair(0, QString()));
    for (const char* file : {"index.html", "standings.csv", "components.csv"})
        QCOMPARE(readBytes(out.path("menu/") + file), readBytes(out.path("cli/") + file));
    QVERIFY(readBytes(out.path("menu/index.html")).contains("<title>Kent League"));
    QDir(out.path("menu")).removeRecursively();
    QCOMPARE(runProgram(VELMORA_PUBLISH, {"--data", data.dir().path()}, {}).first, 0);
    QVERIFY(QFile::exists(out.path("menu/index.html")));
    writeBytes(data.path("league.ini"), "top=x\n"); // told, and published without them
    const auto [status, said] =
        runProgram(VELMORA_PUBLISH, {"--data", data.dir().path(), "--out", out.path("cli")}, {});
    QVERIFY2(status == 0 && said.contains(data.path("league.ini")), qPrintable(said));
}

QTEST_MAIN(TestPublish)
#include "test_publish.moc"
