// The core: championship, entry order and table, score report, search held to the plain visit.
#include "data/csv.h"
#include "databases/entry_sheet.h"
#include "databases/references.h"
#include "gui.h"
#include "main/league_table.h"
#include "main/score_report.h"
#include "plain_search.h"
#include "scoring/championship.h"
#include "scoring/finishing_order.h"
#include "scoring/race_results.h"

#include <cmath>

// A team record whose four slots score t, e, d1 and d2, each at this price.
static TeamRecord scored(int t, int e, int d1, int d2, float price = 1.5f)
{
    const auto slot = [price](int score) { return ComponentSlot{"x", price, int16_t(score)}; };
    return {slot(t), slot(e), slot(d1), slot(d2)};
}
using Drivers = std::vector<TestDriverRecord>;
using Races = std::vector<RaceName>;

class TestCore : public QObject {
    Q_OBJECT
private slots:
    // Each of the five components by its own position, one naming no record adding nothing; a
    // failed run changes no byte. In race R each team slot scores its own power of two.
    void entriesAddTheirFiveComponents()
    {
        TempData d;
        writeRecords(d.dir().teams(), std::vector<TeamRecord>(3, scored(99, 99, 99, 99)));
        writeRecords(
            d.dir().raceTeams("R"),
            std::vector{scored(1, 2, 4, 8), scored(16, 32, 64, 128), scored(256, 512, 1024, 2048)});
        writeRecords(d.dir().testDrivers(), Drivers{{"A", 1, 50}, {"B", 1, 0}});
        writeRecords(d.dir().raceTestDrivers("R"), Drivers{{"A", 0, 4096}, {"B", 0, 8192}});
        writeRecords(d.dir().calendar(), Races{{"R"}});
        writeRecords(d.dir().entries(),
                     std::vector{entry("Ann"), entry("Ben", 9, 3, 3, 6, 7, 2), entry("Cy", 9, -1),
                                 entry("Dot", 9, 0, -1, -1, -2, -1),
                                 entry("Eve", 0, 0, 2, 3, 4, 1)});
        const QList<QByteArray> before = calculatedFiles(d.dir());
        const auto league = openLeague(d.dir());
        QString error;
        // An unreadable race file writes nothing (a failed replacement: test_data's leagueFiles).
        io::setFaultHook([](io::Op o, const QString& path) {
            return o == io::Op::Read && path.endsWith(QLatin1String("R.tmr")) ? ENOSPC : 0;
        });
        QVERIFY(!recalculateChampionship(*league, &error));
        io::setFaultHook({});
        QVERIFY2(error.contains(QLatin1String("R.tmr")), qPrintable(error));
        QCOMPARE(calculatedFiles(d.dir()), before);
        QVERIFY2(recalculateChampionship(*league, &error), qPrintable(error));
        QList<int> points;
        for (const EntryRecord& e : readRecords<EntryRecord>(d.dir().entries()))
            points << e.Points;
        QCOMPARE(points, (QList<int>{1 + 2 + 4 + 8 + 4096, 0, 2 + 4 + 8 + 4096, 1,
                                     1 + 512 + 128 + 1024 + 8192}));
    }

    void racesAddUpRecordByRecord()
    {
        TempData d;
        // Partial records at the ends stay; a short race named twice, a long one, one unscored.
        writeBytes(d.dir().teams(),
                   encodeRecords(std::vector<TeamRecord>(5, scored(7, 7, 7, 7))) + "part");
        writeRecords(d.dir().testDrivers(), Drivers{{"Sam", -7, 3}});
        writeBytes(d.dir().entries(), entry("Ann", 5, 3, 1, 6, 7, 0).encode() + "xy");
        writeRecords(d.dir().calendar(), Races{{"Short"}, {"Short"}, {"Long"}, {" Nowhere "}});
        writeRecords(d.dir().raceTeams("Short"), std::vector<TeamRecord>(3, scored(1, 1, 1, 1)));
        writeRecords(d.dir().raceTeams("Long"), std::vector<TeamRecord>(7, scored(5, 0, 0, 4)));
        writeRecords(d.dir().raceTestDrivers("Long"), Drivers{{"Sam", 0, 2}, {"Ghost", 0, 9}});
        QString error;
        QVERIFY2(recalculateChampionship(*openLeague(d.dir()), &error), qPrintable(error));
        const auto totals = readRecords<TeamRecord>(d.dir().teams());
        // Team of record 4 (5), engine of record 2 (1 + 1), drivers of record 4 (4), Sam (2).
        QCOMPARE(
            (QList<int>{int(totals.size()), totals.at(0).Team.Score, totals.at(3).Driver2.Score,
                        readRecords<TestDriverRecord>(d.dir().testDrivers()).at(0).Score,
                        readRecords<EntryRecord>(d.dir().entries()).at(0).Points}),
            (QList<int>{5, 1 + 1 + 5, 4, 2, 13}));
    }

    void overflowWritesNothing_data()
    {
        // Two races' points to both records' engines and the test driver, and a bonus to the
        // entry in each; named. Last: the entry's sum.
        const auto row =
            columns<int, int, int, QStringList>("engine", "testDriver", "bonus", "named");
        row("engine up", 20000, 0, 0, {"engine \"x\" (team record 1)", "\"Second\"", "32767"});
        row("engine down", -20000, 0, 0, {"\"Second\"", "-32768"});
        row("test driver", 0, 17000, 0, {"\"Sam\"", "\"Second\""});
        row("entry", 9000, 8000, 0, {"entry 1", "\"Ann\"", "test driver \"Sam\""});
        row("bonuses", 0, 0, 16500, {"entry 1", "\"Ann\"", "penalties and bonuses"});
    }

    void overflowWritesNothing()
    {
        const auto [engine, testDriver, bonus, named] =
            fetch<int, int, int, QStringList>("engine", "testDriver", "bonus", "named");
        TempData d;
        writeRecords(d.dir().teams(), std::vector{scored(1, 1, 1, 1), scored(2, 2, 2, 2)});
        writeRecords(d.dir().testDrivers(), Drivers{{"Sam", 1, 1}});
        writeRecords(d.dir().entries(), std::vector{entry("Ann", 3, 1, 1, 2, 3, 0)});
        writeRecords(d.dir().calendar(), Races{{"First"}, {"Second"}});
        for (const QString r : {"First", "Second"}) {
            writeRecords(d.dir().raceTeams(r),
                         std::vector{scored(0, engine, 0, 0), scored(0, engine, 1, 1)});
            writeRecords(d.dir().raceTestDrivers(r), Drivers{{"Sam", 0, int16_t(testDriver)}});
        }
        if (bonus)
            writeBytes(d.path("decisions.txt"),
                       QStringLiteral("velmora decisions 1\nbonus\tAnn\t%1\t1"
                                      "\t\tx\nbonus\tAnn\t%1\t2\t\tx\n")
                           .arg(bonus)
                           .toUtf8());
        const QList<QByteArray> before = calculatedFiles(d.dir());
        QString error;
        QVERIFY(!recalculateChampionship(*openLeague(d.dir()), &error));
        for (const QString& part : named)
            QVERIFY2(error.contains(part), qPrintable(error));
        QCOMPARE(calculatedFiles(d.dir()), before);
    }

    // Imola's table (three teams, two test drivers) after a paste at row and cell "at": a pasted
    // block fills the cells it covers and nothing else; a refused one changes nothing and says
    // which cell of the paste is wrong ("shown" then lies in the message).
    void pasteFillsItsCells_data()
    {
        const QString imola = "10,11,12,13 4,5,6,7 1,2,3,4 2 6";
        textTable(
            {"text", "at", "shown"},
            {{"down and across", "7\t8\n9\t10\n", "0 2", "10,11,7,8 4,5,9,10 1,2,3,4 2 6"},
             {"separators, blanks, empty, signs", " 5 ;;+3\n-2,3.00,-32768", "1 0",
              "10,11,12,13 5,0,3,7 -2,3,-32768,4 2 6"},
             {"test drivers, CRLF, empty line", "1\r\n\r\n", "3 0",
              "10,11,12,13 4,5,6,7 1,2,3,4 1 0"},
             {"a rectangle over test drivers", "9\t8\t7\t6\n5\t\t\t\n3\t \t\t\n", "2 0",
              "10,11,12,13 4,5,6,7 9,8,7,6 5 3"},
             {"nothing copied", "", "4 0", imola},
             {"a tab before commas", "1,5\t2", "0 0",
              "Line 1, cell 1 of the paste: \u201c1,5\u201d"},
             {"a fraction", "1\n2\t3.5", "0 0", "Line 2, cell 2 of the paste: \u201c3.5\u201d"},
             {"beyond 16 bits", "32768", "0 0", "Line 1, cell 1 of the paste: \u201c32768\u201d"},
             {"an exponent", "1e2", "0 0", "Line 1, cell 1 of the paste: \u201c1e2\u201d"},
             {"past a team's points", "1\t2\t3", "0 2",
              "Line 1, cell 3 of the paste lies past the points of the row of \u201cArrow\u201d"},
             {"past a test driver's", "1\n2\t3", "2 3",
              "Line 2, cell 1 of the paste lies past the points of the row of \u201cGus Ho\u201d"},
             {"a number past a test driver's", "9\t8\t7\t6\n5\t\t1\t", "2 0",
              "Line 2, cell 3 of the paste lies past the points of the row of \u201cGus Ho\u201d"},
             {"past the table", "1\n2\n3", "3 0",
              "Line 3 of the paste lies past the table's last row"}});
    }

    void pasteFillsItsCells()
    {
        const auto [text, at, shown] = fetchTexts("text", "at", "shown");
        TempData d;
        writeSeason(d.dir());
        RaceResults table;
        QVERIFY(table.load(*openLeague(d.dir()), "Imola", nullptr));
        const auto points = [&table] {
            QString shown;
            for (int r = 0; r < table.rows(); ++r)
                for (int c = 0; c < table.cells(r); ++c)
                    shown += QString::number(table.points(r, c))
                             + (c + 1 < table.cells(r) ? u',' : u' ');
            return shown.chopped(1);
        };
        const QString before = points();
        QString error;
        const auto cells =
            table.pasted(text, at.section(u' ', 0, 0).toInt(), at.section(u' ', 1).toInt(), &error);
        if (cells)
            table.set(*cells);
        QVERIFY2(cells ? points() == shown : error.contains(shown) && points() == before,
                 qPrintable(cells ? points() : error));
    }

    // Races worked out by hand on Arrow (Vortex: Ann Lee, Bo Kim), Comet (Helix: Cy Dunn, Di Kim)
    // and Meteor (Vortex: Ed Fay, Flo Gil): every team row's cells, or what keeps the order from
    // filling any (each of its lines named), the names asked about, the drivers not in it.
    void orderScored_data()
    {
        textTable(
            {"rules", "learnt", "order", "shown"},
            {{"a full field, chassis summed, maker's engine on two records", "places=10,6,4,3,2,1",
              "", "1\tAnn Lee\n2\tCy Dunn\n3\tEd Fay\n4\tBo Kim\n5\tFlo Gil\n6\tDi Kim",
              "13,19,10,3 7,7,6,1 6,19,4,2"},
             {"not classified, beyond, fastest lap, best chassis, record's engine; names",
              "places=10,6\nclassified_beyond=1\nnot_classified=-2\nfastest_lap=5\nchassis=best\n"
              "engine=record",
              "driver\tJos Lee",
              "1.\t#7\tANN LÉE\tArrow\t1:32.1\n2;Cy Dunn;Comet\n3,Jos Lee,Ferro\n"
              "4   Fay   Meteor  Vortex\ndnf  Bo Kim\n\nRet\tFlo Gil\nDSQ\tDi Kim\nfl\tcy dunn",
              "10,8,10,-2 11,9,11,-2 1,-1,1,-2"},
             {"a driver missing, a fastest lap on a car not followed", "places=3\nfastest_lap=9",
              "driver\tJos Lee", "1\tAnn Lee\nFL\tJos Lee",
              "3,3,3,0 0,0,0,0 0,3,0,0 Not in the order: Bo Kim (Arrow), Cy Dunn (Comet), Di Kim "
              "(Comet), Ed Fay (Meteor), Flo Gil (Meteor)"},
             {"names asked: a surname two share, one taken, a learnt name that names no driver",
              "places=1", "driver\tX\tNobody", "1\tKim\n2\tAnn Lee\n3\tLee\n4\tX\nFL\tKim",
              "Kim: 1,5 Bo Kim,Di Kim|Lee: 3 ? Ann Lee|X: 4 ?"},
             {"every line named", "places=1", "",
              "Pos\tDriver\n1\tAnn Lee\n1\tBo Kim\n2 Cy Dunn\n\n2\t5\t1:02\n3\tArrow\t"
              "Vortex\n4\tann lee\nFL\tEd Fay\nFL\tBo Kim",
              "Line 1: \u201cPos\u201d is no place|Line 4: \u201c2 Cy Dunn\u201d|Line 6 names "
              "no driver|Line 7 names no driver|Lines 2 and 3 give place 1.|Lines 2 and 8 name "
              "Ann Lee (Arrow).|Lines 9 and 10 give the fastest lap."},
             {"no line", "places=1", "", " \n", "The order holds no line."},
             {"only the fastest lap", "places=1", "", "FL\tAnn Lee", "holds no car"},
             {"beyond 16 bits", "places=32767,32767\nfastest_lap=1", "",
              "1\tAnn Lee\n2\tEd Fay\nFL\tAnn Lee",
              "Ann Lee (Arrow) would score 32768,|\u201cVortex\u201d of \u201cArrow\u201d would "
              "score 65535"}});
    }

    void orderScored()
    {
        const auto [rules, learnt, order, shown] = fetchTexts("rules", "learnt", "order", "shown");
        QStringList errors;
        const auto settings = LeagueSettings::parse(
            QString(rules).replace("\n", "\npoints_").prepend("points_").toUtf8(), "league.ini",
            &errors);
        QVERIFY2(settings.points && errors.isEmpty(), qPrintable(errors.join(u'\n')));
        const std::vector<TeamRecord> teams = {team("Arrow", "Vortex", "Ann Lee", "Bo Kim"),
                                               team("Comet", "Helix", "Cy Dunn", "Di Kim"),
                                               team("Meteor", " Vortex", "Ed Fay", "Flo Gil")};
        const ScoredOrder s = scoreOrder(readOrder(order), -1, *settings.points, teams,
                                         LearntNames::parse(learnt.toUtf8(), "", &errors), {});
        QStringList said = s.refused;
        for (const ScoredOrder::Question& q : s.questions) {
            QStringList lines, names;
            for (const int n : q.lines)
                lines << QString::number(n);
            for (const int d : q.match.kind == NameMatch::Kind::Several ? q.match.at : q.closest)
                names << orderDrivers(teams)[d];
            said << q.typed + ": " + lines.join(u',') + (q.closest.empty() ? " " : " ? ")
                        + names.mid(0, q.closest.empty() ? 9 : 1).join(u',');
        }
        for (int r = 0; r < int(s.points.size()) / 4; ++r)
            said << QStringLiteral("%1,%2,%3,%4")
                        .arg(s.points[4 * r].points)
                        .arg(s.points[4 * r + 1].points)
                        .arg(s.points[4 * r + 2].points)
                        .arg(s.points[4 * r + 3].points);
        if (!s.notInOrder.isEmpty())
            said << "Not in the order: " + s.notInOrder.join(", ");
        for (const QString& part : shown.split(u'|'))
            QVERIFY2(said.join(u' ').contains(part), qPrintable(said.join(u'\n')));
        QCOMPARE(s.complete(), !s.points.empty());
    }

    // A sheet against the season with Nova, Orbit and Pulse added: Vortex the engine of four team
    // records (Arrow, Nova, Orbit, Pulse), Ann Lee a driver of Arrow and of Nova. Each row as the
    // preview gives it, the questions (place; what they offer) and what keeps the sheet out; a
    // sheet that can be stored is stored and holds what the preview said, in points order.
    void sheetPreviewed_data()
    {
        const QString zed = "Zed\tComet\tVortex\tAnn Lee\tBo Kimm\tGus Ho\nYan\tMeteorr\tIon\tEd "
                            "Fay\tFlo Gil\tIda Jo\nXi\tComet\tHelix\tBo Kimm\tCy Dunn\tNobody";
        const QString bob = "bob\tComet\tHelix\tCy Dunn\tDi Eto\tIda Jo";
        textTable(
            {"settings", "answers", "sheet", "shown"},
            {{"new owners, names found by case and accents, own engines", "", "",
              "Zed\tARROW\tvortex\tann lee (arrow)\tB\u00f3 Kim \tgus ho\nYan\tNova\tVortex\tGia "
              "Ruiz\tAnn Lee (Nova)\tIda Jo",
              "1 New Arrow,Vortex,Ann Lee,Bo Kim,Gus Ho 53 own|2 New Nova,Vortex,Gia Ruiz,Ann "
              "Lee,Ida Jo 10 own|stored"},
             {"a form's sheet: header in its own order, other columns shown", "", "",
              "Timestamp,Email,Test Driver,owner,TEAM,Engine,Driver 1,driver2\n\"1.3.2024 "
              "10:00\",zed@mail.example,Ida Jo,Zed,Comet,Helix,Cy Dunn,Di Eto\n",
              "2 New Comet,Helix,Cy Dunn,Di Eto,Ida Jo 39 [1.3.2024 "
              "10:00,zed@mail.example]|stored"},
             {"owners there: one changed, one as it was", "", "",
              "Alan;Arrow;Vortex;Ann Lee (Arrow);Bo Kim;Gus Ho\nbob;Comet;Helix;Cy Dunn;Di "
              "Eto;Ida Jo",
              "1 Unchanged|2 Changes Comet,Helix,Cy Dunn,Di Eto,Ida Jo 39 Changes the "
              "engine.|stored"},
             {"names to be named and unknown, all at once", "", "", zed,
              "? Vortex @ line 1, Engine (column C) = Vortex (Arrow),Vortex (Nova),Vortex "
              "(Orbit),Vortex (Pulse)|? Ann Lee @ line 1, Driver 1 (column D) = Ann Lee "
              "(Arrow),Ann Lee (Nova)|? Bo Kimm @ line 1, Driver 2 (column E); line 3, Driver 1 "
              "(column D) = Bo Kim,|? Meteorr @ line 2, Team (column B) = Meteor,|? Nobody @ line "
              "3, Test Driver (column F) = |1 Waits"},
             {"answered, one row left out", "",
              "1:Vortex=3 2:Ann Lee=6 2:Bo Kimm=1 0:Meteorr=-1 "
              "3:Nobody=0",
              zed,
              "1 New Comet,Vortex,Ann Lee,Bo Kim,Gus Ho 28.75|2 LeftOut|3 New Comet,Helix,Bo "
              "Kim,Cy Dunn,Gus Ho 43.25|stored"},
             {"owners twice, not storable, none", "", "",
              "Zed\tArrow\tIon\tBo Kim\tBo Kim\tGus Ho\nzed\tArrow\tIon\tBo Kim\tBo Kim\tGus "
              "Ho\nZed \tArrow\tIon\tBo Kim\tBo Kim\tGus Ho\n\u0416enya\tArrow\tIon\tBo "
              "Kim\tBo Kim\tNobody\n\tArrow\tIon\tBo Kim\tBo Kim\tGus Ho",
              "1 Ambiguous|lines 1, 3.|2 New|4 Refused|\u201c\u0416\u201d|5 Refused|stored"},
             {"budget marks", "budget=40", "",
              "Zed\tArrow\tVortex\tAnn Lee (Arrow)\tann lee (ARROW)\tGus Ho",
              "53 own The total, 53, is above the league's budget of 40. Driver 1 and Driver 2 "
              "are the same driver, Ann Lee.|stored"},
             {"changes asked about once", "transfers=1", "", bob, "1 Changes|asks"},
             {"changes as transfers", "transfers=1", "T", bob, "A transfer from race 3 on.|stored"},
             {"changes as corrections", "transfers=1", "C", bob, "A correction.|stored"},
             {"the transfer limit", "transfers=1", "T",
              "bob\tArrow\tHelix\tCy Dunn\tDi Eto\tIda Jo",
              "1 Refused|this change would make 2|stored"},
             {"bad rows", "", "", "Zed\tArrow\tVortex\n\nYan\tA\tB\tC\tD\tE\tF",
              "Line 1 has too few cells (3 of 6)|Line 3 has too many cells (7 of 6)"},
             {"nothing", "", "", " \n\t\n", "nothing to take in"},
             {"a header alone", "", "", "Owner,Team,Engine,Driver 1,Driver 2,Test Driver\r\n",
              "only its header (line 1)"}});
    }

    void sheetPreviewed()
    {
        const auto [settings, answered, sheet, shown] =
            fetchTexts("settings", "answers", "sheet", "shown");
        TempData d;
        writeSeason(d.dir());
        auto teams = readRecords<TeamRecord>(d.dir().teams());
        teams.push_back(team("Nova", "Vortex", "Ann Lee", "Gia Ruiz", 2));
        teams.push_back(team("Orbit", "Vortex", "Hal Ito", "Ivo Ek", 1));
        teams.push_back(team("Pulse", "Vortex", "Jo Ng", "Kai Oh", 1));
        writeRecords(d.dir().teams(), teams);
        writeBytes(d.path("league.ini"), settings.toUtf8());
        const auto league = openLeague(d.dir());
        SheetLeague sheets;
        QVERIFY(sheets.read(*league, nullptr));
        QHash<QString, int> answers; // "list:typed=item ...", or T or C: changes are transfers
        for (const QString& a : answered.split(QRegularExpression(" (?=\\d:)")))
            if (a.contains(u':'))
                answers.insert(SheetLeague::answerKey(SheetLeague::List(a.left(1).toInt()),
                                                      a.mid(2).section(u'=', 0, 0)),
                               a.section(u'=', 1).toInt());
        const auto p = sheets.preview(EntrySheet::read(sheet), answers,
                                      answered == u"T"   ? SheetLeague::Changes::Transfers
                                      : answered == u"C" ? SheetLeague::Changes::Corrections
                                                         : SheetLeague::Changes::Unsaid);
        QStringList said = p.refused;
        const char* const does[] = {"New",     "Changes", "Unchanged", "Ambiguous",
                                    "Refused", "LeftOut", "Waits"};
        for (const SheetLeague::Row& r : p.rows)
            said << QStringList({QString::number(r.line), does[int(r.does)],
                                 QStringList(r.picks.begin(), r.picks.end()).join(u','), r.total,
                                 r.ownEngine ? "own" : "",
                                 r.others.isEmpty() ? "" : '[' + r.others.join(u',') + ']',
                                 r.marks.total, r.marks.drivers, r.what})
                        .filter(QRegularExpression("."))
                        .join(u' ');
        for (const SheetLeague::Question& q : p.questions) {
            QStringList offered;
            for (const int i : q.offered)
                offered << sheets.label(q.list, i);
            said << "? " + q.typed + " @ " + q.where.join("; ") + " = " + offered.join(u',');
        }
        if (p.asksChanges && !p.complete())
            said << "asks";
        if (p.complete()) {
            QString error;
            QVERIFY2(league->replace(p.files, &error), qPrintable(error));
            said << "stored";
            const auto stored = readRecords<EntryRecord>(d.dir().entries());
            for (std::size_t i = 1; i < stored.size(); ++i)
                QVERIFY(stored[i - 1].Points >= stored[i].Points);
            for (const SheetLeague::Row& r : p.rows) {
                EntryRecord e = r.entry;
                e.Points = int16_t(r.points.value_or(-1));
                const auto at = std::find_if(stored.begin(), stored.end(),
                                             [&](const auto& s) { return s.Owner == e.Owner; });
                if (r.does <= SheetLeague::Row::Does::Unchanged)
                    QVERIFY2(at != stored.end() && at->encode() == e.encode(), qPrintable(r.owner));
            }
        }
        for (const QString& part : shown.split(u'|'))
            QVERIFY2(said.join(u'\n').contains(part), qPrintable(said.join(u'\n')));
    }

    // The entries given out as a sheet and taken in again change nothing: a maker of four team
    // records, two drivers of one name (on one record too), a pick naming no record, an owner a
    // spreadsheet would take for a formula.
    void sheetGivenOutComesBackAlike()
    {
        TempData d;
        writeSeason(d.dir());
        auto teams = readRecords<TeamRecord>(d.dir().teams());
        teams.push_back(team("Nova", "Vortex", "Ann Lee", "Ann Lee", 2));
        teams.push_back(team("Nova", "Vortex", "Ann Lee", "Bo Kim", 1));
        teams.push_back(team("Pulse", "Vortex", "Jo Ng", "Kai Oh", 1));
        writeRecords(d.dir().teams(), teams);
        writeRecords(d.dir().entries(),
                     std::vector{entry("=cmd|' /C calc'!A0", 0, 3, 4, 7, 6, 9),
                                 entry("Alan", 0, 4, 0, 8, 0, 1), entry("bob", 0, 5, 3, 6, 9, 0)});
        const auto league = openLeague(d.dir());
        QVERIFY(recalculateChampionship(*league, nullptr)
                && league->orderEntries(LeagueOrder::ByPoints, nullptr));
        const FolderState before = folderState(d.dir());
        SheetLeague sheets;
        QVERIFY(sheets.read(*league, nullptr));
        const QByteArray sheet = sheets.exported();
        QString text, error;
        QVERIFY(sheetText(sheet, &text, &error));
        const auto p = sheets.preview(EntrySheet::read(text), {}, SheetLeague::Changes::Unsaid);
        QVERIFY2(p.complete(), qPrintable(text));
        for (const SheetLeague::Row& r : p.rows)
            QVERIFY2(r.does == SheetLeague::Row::Does::Unchanged, qPrintable(r.owner + r.what));
        QVERIFY(league->replace(p.files, &error));
        QCOMPARE(folderState(d.dir()), before);
        QVERIFY2(sheet.contains("\"'=cmd|' /C calc'!A0\",Nova #4,Vortex #5,Ann Lee #4.2,Ann "
                                "Lee #4.1,\r\n"),
                 sheet.constData());
    }

    void ordering_data()
    {
        const auto row = columns<LeagueOrder, QStringList, QList<int>, QStringList>(
            "order", "owners", "points", "ordered");
        row("points, ties kept", LeagueOrder::ByPoints, {"a", "b", "c", "d", "e"},
            {5, 40, 12, 40, -3}, {"b", "d", "c", "a", "e"});
        row("owner bytes", LeagueOrder::ByOwner, {"bob", "Zed", "alan", "al", "Al", "bob"},
            {1, 2, 3, 4, 5, 6}, {"Al", "Zed", "al", "alan", "bob", "bob"});
        // The euro sign is byte 0x80 in the files, below the 0xFF of y with diaeresis.
        row("owner bytes above 0x7F", LeagueOrder::ByOwner, {"\u00ffa", "\u20acb"}, {1, 2},
            {"\u20acb", "\u00ffa"});
        row("in order", LeagueOrder::ByPoints, {"x", "y"}, {3, 2}, {"x", "y"});
    }

    // Points highest first, ties kept; owners by their stored bytes. Whole records rewritten in
    // order (a partial one at the end stays), none when in order already (a rename would fail).
    void ordering()
    {
        const auto [order, owners, points, ordered] =
            fetch<LeagueOrder, QStringList, QList<int>, QStringList>("order", "owners", "points",
                                                                     "ordered");
        TempData d;
        std::vector<EntryRecord> records;
        for (qsizetype i = 0; i < owners.size(); ++i)
            records.push_back(entry(owners[i], points[i]));
        writeBytes(d.dir().entries(), encodeRecords(records) + "tail");
        io::setFaultHook([same = owners == ordered](io::Op op, const QString&) {
            return same && op == io::Op::Rename ? EIO : 0;
        });
        QString error;
        const bool ok = openLeague(d.dir())->orderEntries(order, &error);
        io::setFaultHook({});
        QVERIFY2(ok, qPrintable(error));
        QStringList stored;
        for (const EntryRecord& e : readRecords<EntryRecord>(d.dir().entries()))
            stored << displayText(e.Owner);
        QCOMPARE(stored, ordered);
        QVERIFY(readBytes(d.dir().entries()).endsWith("tail"));
    }

    // A team is referred to by entries' team, engine and driver picks, race team files and
    // transfers; a test driver by picks, race files and transfers. 3 entries pick team 3 or later,
    // 2 test driver 2; 3 races; a transfer from Flo Gil (team 3), one from Ida Jo (test driver 2).
    void referencesCountTheirOwnPicks()
    {
        TempData d;
        writeSeason(d.dir());
        writeBytes(d.path("decisions.txt"),
                   "velmora decisions 1\ntransfer\tAlan\tdriver 2\t5\t1\t2\n"
                   "transfer\tAlan\ttest driver\t1\t0\t2\n");
        References teams, testDrivers;
        const auto league = openLeague(d.dir());
        QVERIFY(referencesFrom(*league, LeagueFile::Teams, 3, &teams, nullptr)
                && referencesFrom(*league, LeagueFile::TestDrivers, 2, &testDrivers, nullptr));
        QCOMPARE(QList({teams.entries, teams.races, teams.transfers, testDrivers.entries,
                        testDrivers.races, testDrivers.transfers}),
                 QList<qint64>({3, 3, 1, 2, 3, 1}));
    }

    // 16 rows at least, or the file's count + 1; a row appended while fewer than three remain
    // below an entry; every row numbered; a refill clears the rows below.
    void leagueTableRows()
    {
        FlexGrid grid;
        grid.setCols(3);
        std::vector<EntryRecord> entries;
        for (int i = 1; i <= 19; ++i)
            entries.push_back(entry(QStringLiteral("Owner %1").arg(i), i));
        const auto first = [&entries](int n) {
            return encodeRecords(std::vector(entries.begin(), entries.begin() + n));
        };
        for (const auto& [count, total] : {std::pair{2, 16}, {14, 17}, {15, 18}}) {
            fillLeagueTable(&grid, first(count));
            QCOMPARE(grid.rows(), total);
            QCOMPARE(cellText(&grid, total - 1, 0) + rows(&grid, {count - 1}),
                     QStringLiteral("%1%2|Owner %2|%2").arg(total).arg(count));
        }
        fillLeagueTable(&grid, first(19) + QByteArray(48, 'x')); // a partial record not shown
        QCOMPARE(QString::number(grid.rows()) + u' ' + rows(&grid, {19}), "22 20||");
        refillLeagueTable(&grid, first(3));
        QCOMPARE(rows(&grid, {3}) + QString::number(grid.rows()), QStringLiteral("4||22"));
    }

    // Headings shaded, the rest plain; a change announced for its cells, a held fill at its end.
    void gridDraws()
    {
        FlexGrid grid;
        grid.setCols(3);
        grid.setRows(4);
        grid.setFixed(1, 1);
        const QBrush heading = QApplication::palette().button();
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                QVERIFY(grid.model()->index(r, c).data(Qt::BackgroundRole)
                            == (r < 1 || c < 1 ? QVariant(heading) : QVariant())
                        && grid.model()->index(r, c).flags().testFlag(Qt::ItemIsSelectable)
                               == (r >= 1 && c >= 1)); // fixed cells grey, never selected
        QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(grid.model(), &QAbstractItemModel::modelReset);
        for (int c = 0; c < 3; ++c)
            grid.setTextMatrix(2, c, QStringLiteral("x"));
        QCOMPARE(changed.size(), 3);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(changed[c][0].toModelIndex(), grid.model()->index(2, c));
        grid.setFixed(2, 0); // any cell may change its shade: all of them are drawn again
        QCOMPARE(changed.size(), 4);
        QCOMPARE(changed[3][1].toModelIndex(), grid.model()->index(3, 2));
        {
            const HeldRedraw held(&grid);
            grid.setTextMatrix(3, 2, QStringLiteral("y"));
        }
        QCOMPARE(reset.size(), 1);
        QCOMPARE(cellText(&grid, 3, 2), QStringLiteral("y"));
    }

    // Components (names to 20 columns, a tab before each race's score, races shorter and longer
    // than the database), TEAMS in zones of 14 with the full table's 25 rows, the championship.
    void scoreReport()
    {
        TempData d;
        TeamRecord a = team("Red", "V8", "Twenty Characters Xy", "Twenty-One Characters", 1, 7);
        a.Engine.Score = -1;
        writeRecords(d.dir().teams(), std::vector{a, team("B", "b", "B1", "B2")});
        writeRecords(d.dir().testDrivers(), Drivers{{"Christopherson", 1, 5}});
        writeRecords(d.dir().calendar(), Races{{" Old "}, {"New"}, {"Fresh"}});
        const auto card = [](int score) { return team("", "", "", "", 0, score); };
        writeRecords(d.dir().raceTeams("Old"), std::vector{card(1), card(-3), card(9)});
        writeRecords(d.dir().raceTeams("New"), std::vector{card(4)});
        // 23 characters end in column 29; 24 end in column 30.
        writeRecords(d.dir().entries(),
                     std::vector{entry(" Ann ", 12, 1, 0, 2, 3, 0),
                                 entry("Maximilian Featherstone", -3, -1, -1, -1, -1, -1),
                                 entry("Maximilian Featherstonea", 7, -1, -1, -1, -1, -1)});
        QByteArray report;
        QString error;
        QVERIFY2(buildScoreReport(*openLeague(d.dir()), &report, &error), qPrintable(error));
        const QByteArray zones(70, ' '); // five empty items, a zone each
        QByteArrayList lines = {
            "                  Total Old New Fresh", "Twenty Characters Xy9  \t3  \t6",
            "B1                  2  \t-1", "", "Twenty-One Characters10  \t4  \t7",
            "B2                  3  \t0", "", "Red                 7  \t1  \t4",
            "B                   0  \t-3", "", "V8                  -1  \t2  \t5",
            "b                   1  \t-2", "", "TEAMS", "",
            "Manager       Team          Engine        Driver1       Driver2       Test Driver   ",
            "",
            // A 14-character item fills its zone: the next item starts a zone further on.
            "Ann           B             V8            B1            B2            Christopherson"
                + QByteArray(14, ' '),
            "12            0             -1            2             3             5             ",
            "Maximilian Featherstone     " + zones, "-3            " + zones,
            "Maximilian Featherstonea    " + zones, "7             " + zones};
        for (int row = 7; row <= 24; ++row) // the full table's empty rows
            lines << QByteArray(84, ' ');
        lines += QByteArray("\nChampionship\n\n 1    Ann                    12\n"
                            " 2    Maximilian Featherstone-3\n 3    Maximilian Featherstonea\n"
                            "                             7\n")
                     .split('\n');
        QCOMPARE(report, lines.join("\r\n"));
    }

    // Replaced whole, permissions kept, through a symbolic link; in place if no scratch file.
    void reportWritesReplaceWhole()
    {
        TempData d;
        const QString real = d.path("real.txt"), link = d.path("link.txt");
        writeBytes(real, QByteArray(500, 'x'));
        ::chmod(QFile::encodeName(real).constData(), 0600);
        QVERIFY(QFile::link(real, link));
        writeBytes(real + ".part", "not ours");
        QString error;
        QVERIFY2(writeScoreReport(link, "report\r\n", &error), qPrintable(error));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(real), QByteArray("report\r\n"));
        QCOMPARE(QFileInfo(real).permissions() & QFile::ReadGroup, QFile::Permissions());
        QCOMPARE(readBytes(real + ".part"), QByteArray("not ours"));
        io::setFaultHook([](io::Op op, const QString& p) { // no scratch file may be made
            return op == io::Op::Open && p.contains(QLatin1String(".part")) ? EACCES : 0;
        });
        QVERIFY(writeScoreReport(real, "in place", &error));
        QCOMPARE(readBytes(real), QByteArray("in place"));
        io::setFaultHook({});
        QCOMPARE(QDir(d.dir().path()).entryList(QDir::Files).size(), 3);
    }

    // The plain visit's own rules, on databases worked by hand.
    void byHand()
    {
        // A team costing exactly the budget is in; prices add in floats (1e8 + 4 + 4 + 4 = 1e8).
        std::vector<TeamRecord> t = {scored(3, 3, 3, 3, 4)};
        t[0].Team.Price = 1e8f;
        QCOMPARE(searchBestWorst(t, 1e8).best->price, 1e8f);
        QVERIFY(!searchBestWorst(t, 99999990).worst && !searchBestWorst({}, 100).worst);
        // Equal scores: the first visited wins; pass 2 (two first drivers) before pass 3.
        t = {scored(0, 0, 0, 0, 0), scored(0, 0, 0, 0, 0)};
        t[0].Team = {QString(), 10, 10};
        for (TeamRecord& r : t)
            r.Driver1 = {QString(), 5, 10}, r.Driver2 = {QString(), 0, 5};
        QCOMPARE(*searchBestWorst(t, 10).best, (TeamPick{1, 0, 0, 2, 10, 20}));
        QCOMPARE(*searchBestWorst(t, 10).worst, (TeamPick{1, 0, 1, 3, 0, 10}));
        // No score above 0: no best, and the worst is the first affordable team.
        const BestWorst none = searchBestWorst({scored(0, 0, 0, 0, 5), scored(0, 0, 0, 0, 1)}, 11);
        QVERIFY(!none.best);
        QCOMPARE(*none.worst, (TeamPick{0, 1, 2, 3, 8, 0}));
        // A price that is no number is beyond every budget, and costs the search no time: 400
        // records took minutes when it turned the price bounds off.
        std::vector<TeamRecord> many(400);
        for (int r = 0; r < 400; ++r)
            many[std::size_t(r)] = scored(r % 7, r % 5, r % 11, r % 3, 1);
        many[6].Team.Price = NAN; // the best chassis: the next one as good takes its place
        QElapsedTimer took;
        took.start();
        QCOMPARE(searchBestWorst(many, 1e9).best->team, 13);
        QVERIFY(took.elapsed() < 3000);
    }

    // Random databases with ties, equal, negative, NaN and infinite prices, budgets at a team's
    // price or just below; the larger ones score rising or falling record by record.
    void sameAsThePlainVisit()
    {
        const float prices[] = {0, 0.1f, 0.25f, 1, 2.5f, 7.25f, 12.5f, -2, 3.4e38f, INFINITY, NAN};
        QRandomGenerator rng(20261207);
        for (int round = 0; round < 3000; ++round) {
            const int n = rng.bounded(round < 2900 ? 6 : 13);
            const int kinds = round % 3 == 0 ? 11 : 8, scores = rng.bounded(3) == 0 ? 32768 : 4;
            auto teams = std::vector<TeamRecord>(std::size_t(n));
            for (int r = 0; r < n; ++r)
                for (ComponentSlot* s :
                     {&teams[r].Team, &teams[r].Engine, &teams[r].Driver1, &teams[r].Driver2})
                    *s = {QString(), prices[rng.bounded(kinds)],
                          int16_t(round < 2900 ? rng.bounded(-scores, scores)
                                               : (round % 2 * 2 - 1) * r)};
            double budget = rng.generateDouble() * 60 - 5;
            if (n > 0 && rng.bounded(2)) { // a team's own price, or the float just below it
                const TeamRecord& a = teams[rng.bounded(n)];
                const float p =
                    ((a.Team.Price + a.Engine.Price) + a.Driver1.Price) + a.Driver2.Price;
                budget = rng.bounded(2) ? double(p) : std::nextafter(double(p), -HUGE_VAL);
            }
            const BestWorst want = plainSearch(teams, budget), got = searchBestWorst(teams, budget);
            QVERIFY2(got.best == want.best && got.worst == want.worst,
                     qPrintable(QString::number(round)));
        }
    }
};

QTEST_MAIN(TestCore)
#include "test_core.moc"
