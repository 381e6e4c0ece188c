// velmora-publish: the season race by race, an owner's page and the seasons before as the pages
// show them, held to figures worked out by hand and to the championship; owners' page
// addresses; corrections kept from one publication to the next; texts as typed on every page;
// whole files; the command line; and the pages in a real browser, also as wide as a phone.
#include "gui.h"
#include "publish/publish.h"
#include "scoring/championship.h"

#include <fcntl.h>
#include <sys/file.h>

namespace {

// What the site shows, as lines of text by part: the body rows of every table by its id (cells
// and row headings joined by '|'), each section's heading and list items by the section's id,
// the chart's lines and band ("chart", by their titles; "chart points", as drawn), the title, the
// style's rules, both spreadsheets' lines by file name, and what is not well-formed XML ("error").
// The parts of a page other than index.html are named after its h1: "bob:picks".
using Parts = QMap<QString, QStringList>;

Parts page(const QString& file)
{
    Parts page;
    QFile bytes(file);
    bytes.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&bytes);
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
            body = name != u"thead"; // the foot's rows too
        else if (name == u"tr" && body)
            page[table] << QString(), cells = 0;
        else if ((name == u"td" || name == u"th") && body) { // its text, its links apart
            page[table].last() += QLatin1String(cells++ ? "|" : "");
            for (int depth = 1; depth > 0;)
                if (const auto token = xml.readNext(); token == QXmlStreamReader::Characters)
                    page[table].last() += xml.text();
                else if (token == QXmlStreamReader::StartElement && ++depth && xml.name() == u"a")
                    page[table + ":links"] << xml.attributes().value("href").toString();
                else
                    depth -= token == QXmlStreamReader::EndElement;
        } else if ((name == u"title" || name == u"h1") && !page.contains(name.toString()))
            page[name.toString()] << xml.readElementText();   // the page's, not the chart's
        else if (name == u"polyline" || name == u"polygon") { // a line, or the others' band
            page["chart points"] << xml.attributes().value(QStringLiteral("points")).toString();
            page["chart"] << (xml.readNextStartElement() ? xml.readElementText() : QString());
        } else if (name == u"style") { // its rules, one a line
            page["style"] = xml.readElementText().split(u'}');
        } else if (name == u"text") { // a chart's, where it stands
            const QString at = xml.attributes().value(QStringLiteral("x")).toString() + u','
                               + xml.attributes().value(QStringLiteral("y")).toString() + u' ';
            page["chart texts"] << at + xml.readElementText();
        } else if (name == u"a") {
            page["links"] << xml.attributes().value(QStringLiteral("href")).toString();
        } else if (name == u"li" || name == u"h2" || name == u"p")
            page[section] << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    if (xml.hasError())
        page["error"] << file + QStringLiteral(": ") + xml.errorString();
    return page;
}

Parts published(const DataDir& dir, const PublishOptions& options = {}, QString site = {})
{
    const TempData fresh;
    if (site.isEmpty())
        site = fresh.dir().path();
    Parts parts;
    if (!publishSeason(*openLeague(dir, League::Mode::Read), site, options, nullptr))
        return parts;
    for (QDirIterator it(site, {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        Parts p = page(it.next());
        const QString prefix = it.fileName() == u"index.html" ? QString() : p["h1"].value(0) + u':';
        for (auto part = p.cbegin(); part != p.cend(); ++part)
            parts[part.key() == u"error" ? part.key() : prefix + part.key()] += part.value();
    }
    for (const char* csv : {"standings.csv", "components.csv"})
        parts[csv] = QString::fromUtf8(readBytes(site + u'/' + csv)).split(QStringLiteral("\r\n"));
    return parts;
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
    void ownerPages();
    void ownerAddress_data();
    void ownerAddress();
    void corrections();
    void handedOver_data();
    void handedOver();
    void publicationsAtOnce();
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
// an empty one, a part that shows nothing; one after "\u00AC", a line the part must not show.
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
    // 0 to 80 in steps of 20 from y 276 up to 14; races from x 38 (room for "80") to 626.
    row("bob's line drawn", "chart points", "38.0,276.0 332.0,194.1 626.0,76.2");
    row("the scale's top, left of the lines", "chart texts", "32.0,18.0 80");
    row("race numbers under the axis", "chart texts", "332.0,294.0 1");
    row("the axis named", "chart texts", "332.0,314.0 after race");
    row("dashes past the colours", "style", ".d1{stroke-dasharray:6 3");
    row("bob by race", "by-race", "bob|61|25|36 (best)");
    row("Alan by race", "by-race", "Alan|57|48 (best)|9");
    // Each sheet starts with a byte-order mark, for the spreadsheets that need one to read UTF-8.
    row("standings header", "standings.csv",
        "\uFEFFPosition,Owner,Entry,Points,Last race,Move,Stored points,Imola,Monza");
    row("components header", "components.csv", "\uFEFFKind,Name,Price,Chosen by,Total,Imola,Monza");
    row("bob's standing", "standings.csv", "1,bob,3,61,36,up 2,12,25,36");
    row("Alan's standing", "standings.csv", "2,Alan,2,57,9,down 1,40,48,9");
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
    row("best of each race", "by-race", "Best of the race||48|36");
    // Nobody stands out in a race nobody scored in.
    row("race never scored", "league", "1|Alan|48|0|=", "run", {"Imola", "Suzuka"});
    row("never scored, by race", "by-race", "Alan|48|48 (best)|0", "run", {"Imola", "Suzuka"});
    row("all three, nothing stale", "stale", "", "cut run", {"Monza", "Imola", "Monza", "Suzuka"});
    row("changed since", "stale", "bob (entry 3): stored 60, races 61", "run bob 60");
    row("one entry changed", "stale",
        "The points stored for 1 entry differ from what the races add up to: the calculation "
        "was not run after the last change. This page shows the races' sums.",
        "run bob 60");
    // An owner's page: the picks as the components list them, each race's points of each pick,
    // the owner's, the total and the position; where the owner stands after the last race.
    row("bob's chassis", "bob:picks", "Chassis|Comet|9.25|12");
    row("bob's second driver", "bob:picks", "Race driver|Di Eto|9.25|18");
    row("bob's test driver, last", "bob:picks", "Test driver|Ida Jo|2|7");
    row("bob's season", "bob:picks", "Season|61");
    row("bob's worst race", "bob:by-race", "Imola|4|2|6|7|6|25 (worst)|25|3");
    row("bob's best race", "bob:by-race", "Monza|8|6|10|11|1|36 (best)|61|1");
    row("bob leads", "bob:summary", "Gap to the leader|none: in the lead");
    row("bob's best", "bob:summary", "Best race|Monza: 36 points");
    row("Cleo's place", "Cleo:summary", "Position|3rd of 4, shared");
    row("Cleo to the leader", "Cleo:summary", "Gap to the leader|12 points");
    row("Cleo to the place above", "Cleo:summary", "Gap to the place above|8 points, to 2nd");
    row("dora's worst", "dora:summary", "Worst race|Imola: 19 points");
    row("Cleo's positions", "Cleo:chart", "Cleo: 2 3");
    row("Cleo's positions drawn", "Cleo:chart points", "27.0,62.7 626.0,111.3");
    row("Cleo's positions named", "Cleo:chart texts", "21.0,66.7 2");
    row("Cleo's races numbered", "Cleo:chart texts", "626.0,178.0 2");
    row("Alan's chassis", "Alan:picks", "Chassis|Arrow|12.5|10");
    row("publication counted, in the footer after the components", "components",
        "Publication 1 of this site: the count goes up each time the published results change.");
    row("one race drawn", "bob:chart points", "326.5,111.3", "cut run", {"Monza"});
    row("a pick chosen twice", "Alan:by-race", "Imola|10|11|12|12|2|47 (best)|47|1", "Alan twice");
    row("no race yet", "dora:summary", "Position|1st of 4, shared", "run", {});
    row("no entry, races run", "league", "", "no entries");
    // Alan's first driver Ann Lee, Flo Gil from Spa (race 3 of 4) on, the entries then ordered by
    // owner: Imola 48, Monza 9, Spa 6 + 7 + 12 + 9 + 4 = 38, Imola 10 + 11 + 4 + 13 + 2 = 40.
    const QStringList four{"Imola", "Monza", "Spa", "Imola"};
    const char* const moved = "transfer ordered run";
    row("transfer, calculated", "standings.csv", "1,Alan,1,135,40,up 1,135,48,9,38,40", moved,
        four);
    row("transfer, before it", "Alan:by-race", "Imola|10|11|12 (Ann Lee)|13|2|48 (best)|48|1",
        moved, four);
    row("transfer, from it", "Alan:by-race", "Spa|6|7|12 (Flo Gil, transfer)|9|4|38|95|2", moved,
        four);
    row("transfer, the old pick", "Alan:picks", "Race driver (races 1\u20132)|Ann Lee|12.5|14",
        moved, four);
    row("transfer, the new one", "Alan:picks", "Race driver (races 3\u20134)|Flo Gil|4.75|16",
        moved, four);
    row("transfer, the season", "Alan:picks", "Season|135", moved, four);
    row("transfer, chosen now", "drivers", "Ann Lee|12.5|1|34|12|2|8|12", moved, four);
    // Penalties and bonuses, counted: dora 10 off and 3 on at Monza (30 - 7), Cleo 5 on at Imola
    // (30 + 5); bob's 4 off taken back, Alan's 7 on in the next race: neither counts.
    const char* const decided = "decided run";
    row("decided, the table", "league", "3|Cleo|54|19|▼ 1", decided);
    row("decided, by race", "dora:by-race",
        "Monza|5|9|7|8|1|-7 (-10 late entry; +3 marshalling)|"
        "23 (best)|42|4",
        decided);
    row("decided, one", "Cleo:by-race", "Imola|10|2|4|12|2|+5 (prediction game)|35 (best)|35|2",
        decided);
    row("decided, the team", "dora:picks", "Penalties and bonuses|-7", decided);
    row("decided, the sheet", "standings.csv", "4,dora,1,42,23,same,42,19,0,23,-7", decided);
    row("decided, the sheet's races", "standings.csv",
        "﻿Position,Owner,Entry,Points,Last race,Move,Stored points,Imola,Imola: penalties "
        "and bonuses,Monza,Monza: penalties and bonuses",
        decided);
    row("decided, listed", "decision-list",
        "1. Imola|bob|Penalty of 4 points (taken back)|mistaken", decided);
    row("decided, the next race", "Alan:decision-list",
        "3. the next race|Bonus of 7 points|"
        "next race",
        decided);
    row("decided, no adjustment counts", "Alan:picks", "¬Penalties and bonuses|+7", decided);
    // In a league with a budget of 40, Alan's 53 is above it, and with Ann Lee twice so are his
    // drivers; without a budget, nothing is marked.
    row("over the budget", "rules", "Alan: The total, 53, is above the league's budget of 40.",
        "budget");
    row("one driver twice", "Alan:rules", "Driver 1 and Driver 2 are the same driver, Ann Lee.",
        "budget Alan twice");
    row("no budget, no marks", "rules", "", "Alan twice");
    row("no budget, none on a page", "Alan:rules", "", "Alan twice");
    // bob and Cleo both named Cy, and Ion the engine of four team records (a fourth, Nova).
    row("namesakes", "league", "1|Cy (Comet)|61|36|▲ 2", "alike");
    row("namesakes in the sheet", "standings.csv", "3,Cy (Arrow),4,49,19,down 1,40,30,19", "alike");
    row("namesake's page", "Cy (Comet):picks", "Engine maker|Ion (Meteor)|4.75|8", "alike");
    row("engines alike", "engines", "Ion (Nova)|1|0|0|0|0", "alike");
    row("engines alike in the sheet", "components.csv", "Engine maker,Ion (Arrow),12.5,1,12,11,1",
        "alike");
    // 498 more bobs: the page draws the leading 500 and Cleo and dora as one band.
    row("the others as a band", "chart", "The other 2 owners", "crowd");
    row("the band drawn", "chart points",
        "38.0,276.0 332.0,177.8 626.0,115.5 626.0,115.5 332.0,213.8 38.0,276.0", "crowd");
    // Two seasons before this one (Imola alone): 2024 raced Monza alone, with Alan as Eve;
    // 2025 raced both. This season counts as played and for its points only.
    const QStringList now{"Imola"};
    row("all-time leader", "Seasons:all-time-table", "1|bob|3|2|2|122|1", "history", now);
    row("a podium, no title", "Seasons:all-time-table", "2|Alan|2|0|1|105|2", "history", now);
    row("equal all-time points", "Seasons:all-time-table", "3|Cleo|3|0|2|98|3", "history", now);
    row("equal, by name", "Seasons:all-time-table", "3|dora|3|0|2|98|2", "history", now);
    row("one season", "Seasons:all-time-table", "5|Eve|1|0|0|9|4", "history", now);
    row("season's name", "Seasons:season-1", "2024", "history", now);
    row("champion", "Seasons:season-2", "Champion: bob (61)", "history", now);
    row("a shared podium place", "Seasons:season-2", "3rd: Cleo, dora (49)", "history", now);
    row("final table", "Seasons:season-1-table", "4|Eve|9", "history", now);
    row("a podium of three", "Seasons:season-1", "\u00AC4th: Eve (9)", "history", now);
    row("seasons linked", "links", "seasons.html", "history", now);
    row("a race counted in words", "Seasons:season-1", "After 1 race. Equal points share a place.",
        "history", now);
    row("no race yet: played by none", "Seasons:all-time-table", "1|bob|2|2|2|97|1", "history", {});
    row("no seasons, no link", "links", "\u00ACseasons.html");
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
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    if (change.contains(u"transfer")) {
        writeBytes(d.dir().file("decisions.txt"),
                   "velmora decisions 1\ntransfer\tAlan\tdriver 1\t0\t5\t3\n");
        entries[1].Driver1Index = 5;
        writeRecords(d.dir().entries(), entries);
    }
    if (change.contains(u"decided"))
        writeBytes(
            d.dir().file("decisions.txt"),
            "velmora decisions 1\npenalty\tdora\t10\t2\tMonza\tlate entry\n"
            "bonus\tCleo\t5\t1\tImola\tprediction game\nbonus\tdora\t3\t2\t\tmarshalling\n"
            "penalty taken back\tbob\t4\t1\tImola\tmistaken\nbonus\tAlan\t7\t3\t\tnext race\n");
    if (change.contains(u"budget"))
        writeBytes(d.dir().file("league.ini"), "budget=40\n");
    if (change.contains(u"alike")) {
        auto teams = readRecords<TeamRecord>(d.dir().teams());
        teams.push_back(test::team("Nova", "Ion", "Gil Ho", "Hal Ix", 1));
        for (TeamRecord& t : teams)
            t.Engine.Name = "Ion";
        writeRecords(d.dir().teams(), teams);
    }
    if (change.contains(u"ordered"))
        QVERIFY(openLeague(d.dir())->orderEntries(LeagueOrder::ByOwner, nullptr));
    if (change.contains(u"run"))
        QVERIFY(recalculateChampionship(*openLeague(d.dir()), nullptr));
    entries = readRecords<EntryRecord>(d.dir().entries());
    if (change.contains(u"Alan twice"))
        entries[1].Driver2Index = 0;
    if (change.contains(u"bob 60"))
        entries[2].Points = 60;
    if (change.contains(u"alike"))
        entries[2].Owner = entries[3].Owner = "Cy";
    if (change.contains(u"no entries"))
        entries.clear();
    if (change.contains(u"crowd"))
        entries.insert(entries.end(), 498, entries[2]);
    writeRecords(d.dir().entries(), entries);
    PublishOptions options;
    TempData before;
    if (change.contains(u"history"))
        for (const char* year : {"2024", "2025"}) {
            const DataDir season(before.path(year));
            QDir().mkdir(season.path());
            writeSeason(season);
            const bool first = options.history.isEmpty();
            writeRecords(season.calendar(), first ? std::vector<RaceName>{{"Monza"}}
                                                  : std::vector<RaceName>{{"Imola"}, {"Monza"}});
            auto owners = readRecords<EntryRecord>(season.entries());
            owners[1].Owner = first ? "Eve" : "Alan";
            writeRecords(season.entries(), owners);
            options.history << season.path();
        }
    const Parts parts = published(d.dir(), options);
    QCOMPARE(parts.value("error"), QStringList());
    const QStringList lines = parts.value(part);
    QVERIFY2(shown.isEmpty()               ? lines.isEmpty()
             : shown.startsWith(u'\u00AC') ? !lines.contains(shown.mid(1)) // not shown
                                           : lines.contains(shown),
             qPrintable(lines.join(u'\n')));
}

// An owner and a race named with markup, a comma, code-page letters or a control character
// show as typed (the control character as U+FFFD); in the spreadsheet the field is quoted
// where it must be, and one a spreadsheet would run as a formula is kept text by an apostrophe.
void TestPublish::textsAsTyped_data()
{
    const auto row = columns<QString, QString, QString>("typed", "shown", "csv");
    row("markup", "<b>&\"x\"", "<b>&\"x\"", "\"<b>&\"\"x\"\"\"");
    row("comma", "Smith, J.", "Smith, J.", "\"Smith, J.\"");
    row("code page", "Zo\u00eb \u20ac", "Zo\u00eb \u20ac", "Zo\u00eb \u20ac");
    row("control", "A\u0001B", "A\uFFFDB", "A\uFFFDB");
    row("formula", "=HYPERLINK(\"x\",\"c\")", "=HYPERLINK(\"x\",\"c\")",
        "\"'=HYPERLINK(\"\"x\"\",\"\"c\"\")\"");
    row("command", "=cmd|' -C calc'!A0", "=cmd|' -C calc'!A0", "\"'=cmd|' -C calc'!A0\"");
    for (const char* lead : {"@SUM(1+1)", "+cmd", "-2+3"})
        row(lead, lead, lead, QStringLiteral("\"'%1\"").arg(lead));
}

void TestPublish::textsAsTyped()
{
    const auto [typed, shown, csv] = fetch<QString, QString, QString>("typed", "shown", "csv");
    TempData d, site, before;
    writeSeason(d.dir());
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    entries[0].Owner = typed; // dora
    writeRecords(d.dir().entries(), entries);
    auto teams = readRecords<TeamRecord>(d.dir().teams());
    teams[2].Driver1.Name = typed; // Ed Fay, dora's
    writeRecords(d.dir().teams(), teams);
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}, {typed}});
    writeBytes(d.dir().raceTeams(typed), readBytes(d.dir().raceTeams("Monza")));
    writeBytes(d.dir().raceTestDrivers(typed), readBytes(d.dir().raceTestDrivers("Monza")));
    QDir().mkdir(before.path(typed));
    writeSeason(DataDir(before.path(typed)));
    const PublishOptions options{typed + QStringLiteral("\U0001F3C1"), 10, {before.path(typed)}};
    published(d.dir(), options, site.dir().path());
    // The driver's points in the race then change, 7 to 8: a correction.
    auto race = readRecords<TeamRecord>(d.dir().raceTeams(typed));
    race[2].Driver1.Score = 8;
    writeRecords(d.dir().raceTeams(typed), race);
    const Parts parts = published(d.dir(), options, site.dir().path());
    QCOMPARE(parts.value("error"), QStringList());
    QCOMPARE(parts["title"], QStringList{shown + QStringLiteral("\U0001F3C1")});
    QVERIFY(parts["league"].contains("3|" + shown + "|50|31|\u25B2 1"));
    QVERIFY(parts["drivers"].contains(shown + "|4.75|1|11|3|8"));
    // Who chose it, and whose place it changed (Cleo, 3rd with dora before, now 4th), linked.
    QCOMPARE(parts["correction-list"],
             QStringList{"2|" + shown + "|Race driver " + shown + "|7|8|" + shown + "|Cleo"});
    QCOMPARE(parts["correction-list:links"].filter(QRegularExpression("^owners/.*html$")).size(),
             2);
    QVERIFY(parts[shown + ":picks"].contains("Race driver|" + shown + "|4.75|11"));
    QVERIFY(parts[shown + ":by-race"].contains(shown + "|5|9|8|8|1|31 (best)|50|3"));
    QVERIFY(parts["Seasons:season-1"].contains(shown));
    QVERIFY(parts["Seasons:all-time-table"].contains("4|" + shown + "|1|0|0|50|\u2013"));
    QVERIFY(parts["standings.csv"].value(0).endsWith(u',' + csv));
    QCOMPARE(parts["standings.csv"].filter(u',' + csv + QStringLiteral(",1,50,")).size(), 1);
}

// Publishing leaves no file open. A file that cannot be written leaves the one it would replace
// as it was, no scratch file and the site's memory as it was; publishing the same files again
// gives the same bytes.
void TestPublish::filesReplacedWhole()
{
    TempData d, out;
    writeSeason(d.dir());
    QString error;
    const auto openFiles = QDir(QStringLiteral("/proc/self/fd")).count();
    QVERIFY2(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, &error),
             qPrintable(error));
    QCOMPARE(QDir(QStringLiteral("/proc/self/fd")).count(), openFiles); // every one closed
    const FolderState site = folderState(out.dir());
    QCOMPARE(site.keys(),
             (QStringList{"components.csv", "index.html", "published.txt", "standings.csv"}));
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}});
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Write && path.contains(QLatin1String("/index.html.")) ? ENOSPC : 0;
    });
    QVERIFY(!publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, &error));
    io::setFaultHook({});
    QVERIFY2(error.contains(out.path("index.html")), qPrintable(error));
    QCOMPARE(readBytes(out.path("index.html")), site["index.html"]);
    QCOMPARE(QDir(out.dir().path()).entryList({"*.part"}, QDir::Files), QStringList());
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}, {"Monza"}});
    QVERIFY(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, &error));
    QCOMPARE(folderState(out.dir()), site);
}

// An owner's page keeps its address whatever order the entry file is in; equal names, and
// names alike in their letters, get pages of their own; the page of an owner who left goes, and
// nothing else in owners/ does.
void TestPublish::ownerPages()
{
    TempData d, out;
    writeSeason(d.dir());
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    entries[0].Owner = "Bob";
    entries[3].Owner = "bob"; // Cleo, with picks of her own
    writeRecords(d.dir().entries(), entries);
    const DataDir owners(out.path("owners"));
    QDir().mkdir(owners.path());
    writeBytes(owners.file("notes.html"), "kept");
    writeBytes(owners.file("zed-00000000.html"), "an owner who left");
    QVERIFY(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, nullptr));
    const FolderState pages = folderState(owners);
    QCOMPARE(pages.keys().filter(QRegularExpression("^bob-[a-z0-9]{8}(-2)?\\.html$")).size(), 3);
    // Of two owners of one name, the one whose picks come first keeps the plain address.
    const QString plain = pages.keys().filter(QRegularExpression("^bob-.{8}\\.html$")).value(0);
    QVERIFY(pages[plain].contains(">Arrow<")
            && pages[QString(plain).replace(".html", "-2.html")].contains(">Comet<"));
    QCOMPARE(pages.size(), 5); // Alan, Bob and both bobs, and the notes
    std::reverse(entries.begin(), entries.end());
    writeRecords(d.dir().entries(), entries);
    QVERIFY(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, nullptr));
    QCOMPARE(folderState(owners), pages);
    entries.pop_back(); // Bob
    writeRecords(d.dir().entries(), entries);
    QVERIFY(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, nullptr));
    QCOMPARE(folderState(owners).size(), 4);
    QVERIFY(folderState(owners).contains("notes.html"));
}

// An owner's address is the same in every version of the program (it is shared and
// bookmarked): the name's letters and digits, at most 40, accents dropped, and eight digits of
// the whole name.
void TestPublish::ownerAddress_data()
{
    const auto row = columns<QString, QString>("owner", "page");
    row("plain", "bob", "bob-6ixxg6l0.html");
    row("accents, capitals and marks", "Zo\u00eb Ann-Marie O'Neil",
        "zoe-ann-marie-o-neil-1by6fvoa.html");
    row("long", QString(45, u'x') + u'y', QString(40, u'x') + "-l3kbrcui.html");
    row("no letter", "\u20ac\u20ac", "owner-bgbb2qit.html");
}

void TestPublish::ownerAddress()
{
    const auto [owner, page] = fetch<QString, QString>("owner", "page");
    TempData d, out;
    writeSeason(d.dir());
    auto entries = readRecords<EntryRecord>(d.dir().entries());
    entries[0].Owner = owner;
    writeRecords(d.dir().entries(), entries);
    QVERIFY(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, nullptr));
    QVERIFY2(QFile::exists(out.path("owners/" + page)),
             qPrintable(QDir(out.path("owners")).entryList().join(u' ')));
}

// The site remembers what it published: a component's points in a race that differ afterwards
// are a correction (a team's component or a test driver), found once and kept for good, the
// latest first. A race first scored, one taken out of the calendar and publishing the same
// files again are none, and change no byte.
void TestPublish::corrections()
{
    TempData d, out;
    writeSeason(d.dir());
    const auto score = [&](int team, int slot, int points) {
        auto race = readRecords<TeamRecord>(d.dir().raceTeams("Monza"));
        race[std::size_t(team)].components()[std::size_t(slot)]->Score = int16_t(points);
        writeRecords(d.dir().raceTeams("Monza"), race);
    };
    const auto publish = [&] {
        return published(d.dir(), {}, out.dir().path())["correction-list"];
    };
    // Suzuka's points are not typed yet.
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Imola"}, {"Monza"}, {"Suzuka"}});
    QCOMPARE(publish(), QStringList());
    const FolderState first = folderState(out.dir());
    QCOMPARE(publish(), QStringList());
    QCOMPARE(folderState(out.dir()), first);
    writeBytes(d.dir().raceTeams("Suzuka"), readBytes(d.dir().raceTeams("Spa")));
    score(0, 3, 7); // Bo Kim, Alan's, 3 at Monza
    writeRecords(d.dir().calendar(), std::vector<RaceName>{{"Monza"}, {"Suzuka"}});
    const QString boKim = "2|Monza|Race driver Bo Kim|3|7|Alan|none";
    QCOMPARE(publish(), QStringList{boKim});
    QCOMPARE(publish(), QStringList{boKim});
    score(1, 0, 9); // Comet, bob's, 8
    score(2, 1, 5); // Ion, bob's and Cleo's, 6
    QCOMPARE(publish(), (QStringList{"3|Monza|Chassis Comet|8|9|bob|bob",
                                     "3|Monza|Engine maker Ion|6|5|bob, Cleo|dora", boKim}));
    // A test driver's too; with no test driver left in the league, the site remembers none and
    // reads that back, its corrections kept.
    auto drivers = readRecords<TestDriverRecord>(d.dir().raceTestDrivers("Monza"));
    drivers[0].Score = 4; // Gus Ho, 3
    writeRecords(d.dir().raceTestDrivers("Monza"), drivers);
    const QStringList four = publish();
    QCOMPARE(four.value(0), "4|Monza|Test driver Gus Ho|3|4|Cleo, Alan|none");
    writeRecords(d.dir().testDrivers(), std::vector<TestDriverRecord>());
    QCOMPARE(publish(), four);
    QCOMPARE(publish(), four);
    // A decision made since is one (bob's 68 at Monza and Suzuka, shared first with dora), and so
    // is taking it back; the record keeps the line.
    QString penalty = "penalty\tbob\t10\t1\tMonza\tlate entry\n";
    writeBytes(d.path("decisions.txt"), "velmora decisions 1\n" + penalty.toUtf8());
    const QString made = "6|Monza|Penalty: 10 points, late entry|68|58|bob|bob";
    QCOMPARE(publish().mid(0, 2), (QStringList{made, four[0]}));
    writeBytes(d.path("decisions.txt"),
               "velmora decisions 1\n" + penalty.replace("penalty", "penalty taken back").toUtf8());
    QCOMPARE(
        publish().mid(0, 2),
        (QStringList{"7|Monza|Penalty taken back: 10 points, late entry|58|68|bob|bob", made}));
    QCOMPARE(publish().size(), four.size() + 2);
}

// A league or site from someone else: a site where the settings (or --out) put it is refused in
// the league, above it, at home or in the system's folders; links in the site or the league are
// never written through (scratch files a run left are removed, links and all). Nothing outside
// the folders changes: P/outside/mine is a file of the user's.
void TestPublish::handedOver_data()
{
    const auto row = columns<QString, QStringList, QString>("site", "links", "said");
    row("above the league", "P", {}, "holds the data folder");
    row("the league", "P/league", {}, "the data folder");
    row("in the league", "P/league/site", {}, "the data folder");
    row("home, through a link", "P/to-home/.", {"P/to-home=P/home"}, "your home folder");
    row("a folder of the system's", "/etc", {}, "folder of the system's");
    row("owners/ a link", "P/site", {"P/site/owners=P/outside"}, "P/site/owners\" is a symbolic");
    row("a page a link", "P/site", {"P/site/index.html=P/outside/mine"}, "index.html\" is a");
    row("the memory a link", "P/site", {"P/site/published.txt=P/outside/mine"}, "txt\" is a");
    row("a race file a link", "P/site", {"P/league/Monza.tmr=P/outside/mine"}, "outside the");
    row("scratch files links", "P/site",
        {"P/site/index.html.part=P/outside/mine", "P/site/published.txt.9.part=P/outside/mine",
         "P/site/owners/scratch-0.part=P/outside/mine"},
        "");
}

void TestPublish::handedOver()
{
    auto [site, links, said] = fetch<QString, QStringList, QString>("site", "links", "said");
    TempData p;
    for (const char* folder : {"league", "home", "outside", "site/owners"})
        QDir().mkpath(p.path(folder));
    qputenv("HOME", QFile::encodeName(p.path("home")));
    writeSeason(DataDir(p.path("league")));
    writeBytes(p.path("outside/mine"), "mine");
    for (const QString& link : links.replaceInStrings("P", p.dir().path())) {
        QDir().rmdir(link.section(u'=', 0, 0)), QFile::remove(link.section(u'=', 0, 0));
        QVERIFY(QFile::link(link.section(u'=', 1), link.section(u'=', 0, 0)));
    }
    const auto around = [&p] { // the files around the site, and the user's
        QList<FolderState> states;
        for (const char* folder : {"", "league", "home", "outside"})
            states << folderState(DataDir(p.path(folder)));
        return states;
    };
    const auto before = around();
    QString error;
    QCOMPARE(publishSeason(*openLeague(DataDir(p.path("league")), League::Mode::Read),
                           site.replace("P", p.dir().path()), {}, &error),
             said.isEmpty());
    QVERIFY2(error.contains(said.replace("P", p.dir().path())), qPrintable(error));
    QCOMPARE(around(), before);
    QCOMPARE(QFileInfo(p.path("site/index.html")).isFile()
                 && !QFileInfo(p.path("site/index.html")).isSymLink(),
             said.isEmpty());
    QCOMPARE(QDir(p.path("site")).entryList({"*.part"}, QDir::System), QStringList());
}

// Two publications into one site at once, twenty times (two leagues, their owners named apart):
// each waits for the other, both succeed, and every page is whole and its own owner's. One under
// way is waited for as long as the options say, then told.
void TestPublish::publicationsAtOnce()
{
    TempData a, b, out;
    writeSeason(a.dir());
    writeSeason(b.dir());
    auto entries = readRecords<EntryRecord>(b.dir().entries());
    for (EntryRecord& e : entries)
        e.Owner = "zz" + displayText(e.Owner);
    writeRecords(b.dir().entries(), entries);
    for (int round = 0; round < 20; ++round) {
        QProcess runs[2];
        for (int k = 0; k < 2; ++k)
            runs[k].start(VELMORA_PUBLISH,
                          {"--data", (k ? b : a).dir().path(), "--out", out.dir().path()});
        for (QProcess& run : runs)
            QVERIFY(run.waitForFinished(60000) && run.exitCode() == 0);
        for (QDirIterator it(out.dir().path(), {"*.html"}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const Parts shown = page(it.next());
            QVERIFY(!shown.contains("error")
                    && (it.fileName() == u"index.html"
                        || it.fileName().startsWith(shown["h1"].value(0).toLower() + u'-')));
        }
    }
    const int site = ::open(QFile::encodeName(out.dir().path()).constData(), O_RDONLY);
    ::flock(site, LOCK_EX);
    QString error;
    PublishOptions options;
    options.wait = 50;
    QVERIFY(!publishSeason(*openLeague(a.dir(), League::Mode::Read), out.dir().path(), options,
                           &error));
    ::close(site);
    QVERIFY2(error.startsWith("Another publication into \"" + out.dir().path()), qPrintable(error));
}

// What the program says, on either channel. DATA is a season's folder, BROKEN one whose
// teams.tro cannot be read, DECIDED one whose decisions name no owner of it, OUT an empty folder
// for the site (and a folder with no league). The data folder is never written.
void TestPublish::commandLine_data()
{
    const auto row = columns<QStringList, int, QString>("args", "status", "message");
    row("published",
        {"--data", "DATA", "--out", "OUT/site", "--title", "L", "--top", "2", "--history",
         "EARLIER"},
        0, "");
    row("--help", {"--help"}, 0, "--out <folder>");
    row("--version", {"--version"}, 0, "velmora-publish ");
    row("no --out", {"--data", "DATA"}, 2, "--out FOLDER");
    row("--top not a number", {"--data", "DATA", "--out", "OUT", "--top", "x"}, 2, "\"x\"");
    row("stray argument", {"DATA", "--out", "OUT"}, 2, "unexpected argument");
    row("no league", {"--data", "OUT", "--out", "OUT/x"}, 1, "holds no league");
    row("unreadable file", {"--data", "BROKEN", "--out", "OUT"}, 1, "teams.tro\": Is a directory");
    row("decisions not as the entries", {"--data", "DECIDED", "--out", "OUT"}, 1,
        "Line 2 of the decisions record \"DECIDED/decisions.txt\" disagrees");
    row("output is a file", {"--data", "DATA", "--out", "DATA/teams.tro"}, 1, "not a folder");
    row("output cannot be made", {"--data", "DATA", "--out", "OUT/bad/published.txt/x"}, 1,
        "create the");
    row("control characters escaped", {"--data", "DATA/\x1b[2J", "--out", "OUT"}, 1,
        "DATA/\\x1B[2J\" does not exist");
    // EARLIER is an earlier season's folder; OUT/bad holds a memory of what was published that
    // this program did not write, OUT/short one that ends before its last part, OUT/odd one that
    // is a folder, OUT/stuck a folder named as an owner's page, OUT/full a folder where the index
    // goes.
    row("earlier season twice", {"--out", "OUT", "--history", "EARLIER", "--history", "EARLIER/."},
        2, "--history names \"");
    row("earlier season is this one", {"--data", "DATA", "--out", "OUT", "--history", "DATA"}, 2,
        "season being published");
    row("earlier season unreadable", {"--data", "DATA", "--out", "OUT", "--history", "BROKEN"}, 1,
        "teams.tro\": Is a directory");
    row("output is an earlier season",
        {"--data", "DATA", "--out", "EARLIER", "--history", "EARLIER"}, 1, "data folder");
    row("memory not as written", {"--data", "DATA", "--out", "OUT/bad"}, 1,
        "bad/published.txt\", the site's memory of what it published, is not as this program "
        "writes it (line 2). It was left as it is, and nothing was published.");
    row("memory cut short", {"--data", "DATA", "--out", "OUT/short"}, 1, "(line 3)");
    row("memory unreadable", {"--data", "DATA", "--out", "OUT/odd"}, 1,
        "odd/published.txt\": Is a directory. It is the site's memory");
    row("page not replaced", {"--data", "DATA", "--out", "OUT/full"}, 1,
        "Could not replace \"OUT/full/index.html\": Is a directory.");
    row("old page not removed", {"--data", "DATA", "--out", "OUT/stuck"}, 1,
        "Could not remove \""
        "OUT/stuck/owners/zed-00000000.html\": Is a directory.");
}

void TestPublish::commandLine()
{
    auto [args, status, message] = fetch<QStringList, int, QString>("args", "status", "message");
    TempData data, broken, out, earlier, decided;
    writeSeason(data.dir());
    writeSeason(earlier.dir());
    writeSeason(decided.dir());
    writeBytes(decided.path("decisions.txt"), "velmora decisions 1\nnote\tEve\n");
    QDir().mkdir(broken.dir().teams());
    for (const char* folder :
         {"odd/published.txt", "stuck/owners/zed-00000000.html", "full/index.html", "bad", "short"})
        QDir().mkpath(out.path(folder));
    const QByteArray bad = "velmora-publish published 1\npublication\t\n";
    writeBytes(out.path("bad/published.txt"), bad);
    writeBytes(out.path("short/published.txt"), QByteArray(bad).replace("\t\n", "\t1\n"));
    const QMap<QString, QString> folders = {{"DATA", data.dir().path()},
                                            {"BROKEN", broken.dir().path()},
                                            {"EARLIER", earlier.dir().path()},
                                            {"DECIDED", decided.dir().path()},
                                            {"OUT", out.dir().path()}};
    for (auto it = folders.cbegin(); it != folders.cend(); ++it)
        message.replace(it.key(), it.value());
    const FolderState before = folderState(data.dir());
    const auto [exit, said] = runProgram(VELMORA_PUBLISH, args, folders);
    QCOMPARE(exit, status);
    QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
    // A site appears where a run that succeeds was asked to put it, and nowhere else.
    QCOMPARE(QFile::exists(out.path("site/index.html")), args.contains("OUT/site"));
    QCOMPARE(folderState(data.dir()), before);
    QCOMPARE(readBytes(out.path("bad/published.txt")), bad);
}

// Headless Chromium reads the pages as HTML: the index's DOM holds the league table in order
// and the chart's four lines, and its screenshot shows the leader's line in the first colour
// and the best of each race marked. At a phone's 390 px no page is wider than the screen, also
// with a long name and a race-by-race table that scrolls: each page in a frame that wide, which
// a page of the test's own measures (the published pages hold no script; Chromium's window is
// never narrower than 500 px).
void TestPublish::inTheBrowser()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QVERIFY2(!chromium.isEmpty(), "chromium is missing: run tools/install-deps");
    TempData d, out;
    writeSeason(d.dir());
    QVERIFY(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(), {}, nullptr));
    const auto browse = [&](const QString& what, const QString& page = "index.html") {
        // A profile of its own each time: a browser still letting go of a shared one would
        // hand the page to it and end without doing what it was asked.
        const TempData profile;
        QProcess browser;
        browser.start(chromium,
                      {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                       "--no-first-run", "--disable-background-networking",
                       "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                       "--allow-file-access-from-files", "--virtual-time-budget=10000",
                       "--user-data-dir=" + profile.dir().path(), "--window-size=1000,1400", what,
                       "file://" + out.path(page)});
        browser.waitForFinished(120000);
        return QString::fromUtf8(browser.readAllStandardOutput());
    };
    const QString dom = browse(QStringLiteral("--dump-dom"));
    // Only the league table's rows start with a number and a name.
    QStringList rows;
    const QRegularExpression league(QStringLiteral(
        "<tr><td>(\\d+)</td><td class=\"name\"><a [^>]*>([^<]*)</a></td><td>(\\d+)</td>"));
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

    auto entries = readRecords<EntryRecord>(d.dir().entries());
    entries[3].Owner = "Castellanetaworthingtonshire Dubois-Montgomery";
    writeRecords(d.dir().entries(), entries);
    std::vector<RaceName> races(12, {"Monza"});
    races[0] = {"Imola"}; // the best of it in the first column, the others' far to the right
    writeRecords(d.dir().calendar(), races);
    writeBytes(d.path("league.ini"), "budget=20\n"); // every entry marked, and a penalty's reason
    writeBytes(d.path("decisions.txt"), "velmora decisions 1\npenalty\tdora\t10\t2\tMonza\tA "
                                        "reason long enough to wrap on a phone, twice over\n");
    QVERIFY(publishSeason(*openLeague(d.dir(), League::Mode::Read), out.dir().path(),
                          {"League", 10, {d.dir().path()}}, nullptr));
    QString frames =
        "<!DOCTYPE html><style>iframe{display:block;width:390px;height:844px;border:0}"
        "</style><iframe src=\"index.html\"></iframe><iframe src=\"seasons.html\"></iframe>";
    for (const QString& page : QDir(out.path("owners")).entryList(QDir::Files))
        frames += "<iframe src=\"owners/" + page + "\"></iframe>";
    frames += "<script>onload = () => document.body.dataset.widths = "
              "[...document.querySelectorAll('iframe')].map(f => "
              "f.contentDocument.documentElement.scrollWidth).join(' ')</script>";
    writeBytes(out.path("phone.html"), frames.toUtf8());
    QCOMPARE(QRegularExpression("data-widths=\"([^\"]*)\"")
                 .match(browse("--dump-dom", "phone.html"))
                 .captured(1),
             QStringLiteral("390 390 390 390 390 390"));
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
    // A site the settings name (a league from someone else) is asked about, shown in full, once
    // on this machine; Go Back publishes nothing.
    writeBytes(data.path("league.ini"), "site=" + QFile::encodeName(out.path("x/../given")));
    main = std::make_unique<MainWindow>(openLeague(data.dir()));
    for (const auto answer :
         {Messages::Answer::GoBack, Messages::Answer::Store, Messages::Answer::GoBack}) {
        Messages::setNextAnswer(answer);
        trigger(main.get(), "File_Publish");
        QCOMPARE(QFile::exists(out.path("given/index.html")),
                 answer != Messages::Answer::GoBack || Messages::asked().size() > 1);
    }
    main.reset();
    const QString question = "The league's settings publish its season into this folder:\n\n"
                             + out.path("given") + "\n\nVelmora writes its pages";
    QCOMPARE(Messages::asked().filter(question).size(), 2);
    QCOMPARE(std::exchange(Messages::asked(), {}).size(), 4);
    writeBytes(data.path("league.ini"), "top=x\n"); // told, and published without them
    const auto [status, said] =
        runProgram(VELMORA_PUBLISH, {"--data", data.dir().path(), "--out", out.path("cli")}, {});
    QVERIFY2(status == 0 && said.contains(data.path("league.ini")), qPrintable(said));
}

QTEST_MAIN(TestPublish)
#include "test_publish.moc"
