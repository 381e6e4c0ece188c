// The data files: how typed texts become field values and back, the exact bytes of every
// record type, race file names, the record file's rules and the record cursor's.
#include "data/codepage.h"
#include "data/csv.h"
#include "data/decisions.h"
#include "data/name_match.h"
#include "data/new_season.h"
#include "data/record_cursor.h"
#include "table.h"

#include <cstring>

class TestData : public QObject {
    Q_OBJECT
private slots:
    void conversions_data()
    {
        // A typed text as: the number read (17 digits), stored in an Integer or a Single field and
        // shown (record style '.75', price style '0.75', a total), a text field's bytes without
        // trailing blanks, a record number shown again, a race's file name, twips in pixels.
        const auto row = columns<QString, QString, QString>("as", "typed", "result");
        const QString zeros(400, u'0');
        row("empty", "number", "", "0");
        row("letters", "number", "abc", "0");
        row("unit", "number", "12.5m", "12.5");
        row("blanks, tabs, line feeds inside", "number", "\t1\n2 0 .5", "120.5");
        row("comma ends", "number", "1,5", "1");
        row("two points", "number", "1.2.3", "1.2");
        row("exponent", "number", "1 e + 2", "100");
        row("exponent D", "number", "2.5d-1", "0.25");
        row("exponent without digits", "number", "7E-x", "7");
        row("hex", "number", "&hFf", "255");
        row("octal stops at 8", "number", "&O178", "15");
        row("non-ASCII digit ends", "number", "1\u0663", "1");
        row("overflow", "number", "-1E999", "-inf");
        row("underflow", "number", "1E-999", "0");
        row("huge, negative exponent", "number", "1" + zeros + "E-5", "inf");
        row("tiny, positive exponent", "number", "." + zeros + "1E+5", "0");
        row("huge, exponent of four digits", "number", "1" + zeros.repeated(10) + "E-3600", "inf");
        row("half to even down", "integer", "2.5", "2");
        row("half to even up", "integer", "3.5", "4");
        row("negative half", "integer", "-2.5", "-2");
        row("integer clamped up", "integer", "1E999", "32767");
        row("integer clamped down", "integer", "-40000", "-32768");
        row("field no leading zero", "single", "0.75", ".75");
        row("field negative, no leading zero", "single", "-0.75", "-.75");
        row("field seven digits", "single", "12.345678", "12.34568");
        row("field exponent", "single", "1E7", "1E+07");
        row("field clamped", "single", "1E999", "3.402823E+38");
        row("price leading zero", "price", "0.75", "0.75");
        row("total fifteen digits", "total", "31.400000000000002", "31.4");
        row("price exponent", "price", "12345678", "1.234568E+07");
        row("total exponent", "total", "-2.5e-7", "-2.5E-07");
        row("total beyond every number", "total", "-1E999", "-Infinity");
        row("name trimmed", "field", " Ann ", "Ann");
        row("name cut to 80", "field", QString(85, u'x'), QString(80, u'x'));
        row("outside the code page", "field", "Zoë Łódź €", "Zoë ?ód? €");
        row("the code page's 0x80 to 0x9F", "field", "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ",
            "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
        row("a character outside the plane is one", "field", QStringLiteral("😀x").repeated(85),
            QStringLiteral("?x").repeated(40));
        row("half a character outside the plane", "field", QStringLiteral("x\xD83D"), "x?");
        row("record number", "record", "3", " 3");
        // One file name inside the data folder, the one the calendar's copy of the name gives.
        row("race", "race", "  Harbourside ", "Harbourside.tmr");
        row("race with separators", "race", "a/b\\c%d", "a%2Fb%5Cc%25d.tmr");
        row("race of dots", "race", "..", "...tmr");
        row("race with a control character", "race", "x\ny", "x%0Ay.tmr");
        row("race as long as the calendar keeps", "race", QString(90, u'r'),
            QString(80, u'r') + ".tmr");
        row("race outside the code page", "race", "Łódź", "?ód?.tmr");
        row("order of a race", "order", "a/b ", "a%2Fb.order");
        // Names people type, as they are compared.
        row("name folded", "folded", " Zoë ÄRNÖ\u00a0", "zoe arno");
        row("name in other letters", "folded", "Ǆemal Øst", "dzemal øst");
    }

    void conversions()
    {
        const auto [as, typed, result] = fetch<QString, QString, QString>("as", "typed", "result");
        const double number = readNumber(typed);
        const QByteArray stored = encode1252(fieldText(typed));
        QCOMPARE(stored.size(), TextFieldLength);
        const DataDir dir(QStringLiteral("/data"));
        const RaceName listed = RaceName::decode(RaceName{fieldText(typed)}.encode().constData());
        QCOMPARE(dir.raceTeams(displayText(listed.Name)), dir.raceTeams(typed));
        const QHash<QString, QString> shown = {
            {"number", QString::number(number, 'g', 17)},
            {"integer", numberText(int(toInteger(number)))},
            {"single", numberText(toSingle(number))},
            {"price", priceText(toSingle(number))},
            {"total", totalText(number)},
            {"record", recordNumberText(recordNumber(typed))},
            {"race", dir.raceTeams(typed).mid(6)},
            {"order", dir.path({LeagueFile::RaceOrder, typed}).mid(6)},
            {"folded", foldedName(typed)},
            {"field", displayText(decode1252(stored.constData(), int(stored.size())))}};
        QCOMPARE(shown.value(as, QStringLiteral("(no such conversion)")), result);
    }

    // A name is found exactly, else letters aside, else (drivers) by a last word only one of the
    // names not set aside ends in; never guessed. Not found: the closest two, letters aside.
    void namesMatched_data()
    {
        textTable({"typed", "setAside", "found"}, {{"Ann Lee", "", "found Ann Lee"},
                                                   {"  ÁNN LÉE ", "", "found Ann Lee"},
                                                   {"Zoë Ärnö", "", "found Zoë Ärnö"},
                                                   {"zoe arno", "", "several Zoë Ärnö, Zoe Arno"},
                                                   {"Ed Fay", "", "several Ed Fay, Ed Fay"},
                                                   {"B. KIM", "", "several Bo Kim, Di Kim"},
                                                   {"Kim", "Di Kim", "found Bo Kim"},
                                                   {"Lee", "", "found Ann Lee"},
                                                   {"Jos Lee", "Ann Lee", "none Ann Lee, Bo Kim"},
                                                   {"cy dun", "", "none Cy Dunn, Bo Kim"},
                                                   {"", "", "none Bo Kim, Di Kim"}});
    }
    void namesMatched()
    {
        const auto [typed, setAside, found] = fetchTexts("typed", "setAside", "found");
        const QStringList names = {"Ann Lee",  "Bo Kim", "Di Kim", "Zoë Ärnö",
                                   "Zoe Arno", "Ed Fay", "Ed Fay", "Cy Dunn"};
        std::vector<bool> aside(std::size_t(names.size()));
        if (!setAside.isEmpty())
            aside[std::size_t(names.indexOf(setAside))] = true;
        const NameMatch m = NameMatcher(names, true).match(typed, aside);
        QStringList at;
        for (const int i : m.kind == NameMatch::Kind::NotFound
                               ? NameMatcher(names, true).closest(typed, 2)
                               : m.at)
            at << names[i];
        const char* kinds[] = {"found", "none", "several"};
        QCOMPARE(QString(kinds[int(m.kind)]) + u' ' + at.join(", "), found);
    }

    // A sheet's file read in its encoding (UTF-16 also without its mark; no text named by its
    // line), its cells split as RFC 4180 and its separators say, blank lines no rows.
    void sheetsRead_data()
    {
        const auto row = columns<QByteArray, QString>("bytes", "read");
        const QByteArray zoe16("Z\0o\0\xEB\0\n\0a\0\t\0b\0", 14);
        row("tabs before commas", "a,b\tc\n\nd\te", "1:a,b|c 3:d|e");
        row("semicolons before commas", "a;b,c\r\n", "1:a|b,c");
        row("quoted", "\"a,b\",\"c\"\"d\"\r\n\"e\r\nf\",g\rh", "1:a,b|c\"d 2:e\r\nf|g 4:h");
        row("UTF-8 marked", "\xEF\xBB\xBFZo\xC3\xAB", "1:Zo\u00eb");
        row("UTF-16 marked", "\xFF\xFE" + zoe16, "1:Zo\u00eb 2:a|b");
        row("UTF-16 unmarked", '\0' + zoe16.chopped(1), "1:Zo\u00eb 2:a|b");
        row("Windows-1252", "Zo\xEB \x80", "1:Zo\u00eb \u20ac");
        row("a quote never closed", "a\n\"b,c\nd", "!the quote that opens a cell on line 2");
        row("text after a closing quote", "\"a\"b,c", "!on line 1 a quoted cell goes on");
        row("UTF-8 marked, other bytes", "\xEF\xBB\xBFok\nZo\xEB", "!line 2 is not UTF-8");
        row("UTF-16 marked, odd bytes", "\xFF\xFEZ", "!it begins as UTF-16 text");
        row("not text", QByteArray("PK\x03\x04\n\x01\x02\0\xff", 9), "!line 2 holds a zero byte");
    }
    void sheetsRead()
    {
        const auto [bytes, read] = fetch<QByteArray, QString>("bytes", "read");
        QString text, error;
        std::vector<CsvRow> rows;
        QStringList shown;
        if (sheetText(bytes, &text, &error) && readCsv(text, &rows, &error))
            for (const CsvRow& r : rows)
                shown << QString::number(r.line) + u':' + r.cells.join(u'|');
        QVERIFY2(error.isEmpty() ? shown.join(u' ') == read : error.contains(read.mid(1)),
                 qPrintable(error + shown.join(u' ')));
    }

    // What the writer writes is read back as it was given, a formula kept text by the apostrophe
    // a spreadsheet shows (and this reader takes away).
    void sheetsWrittenReadBack()
    {
        const QStringList texts = {"=SUM(A1)", "'=x",        "''@y",         "+1", "-",       "'",
                                   "a,b",      "say \"hi\"", "two\r\nlines", "",   "Zo\u00eb"};
        CsvWriter csv;
        for (const QString& t : texts)
            csv.field(t);
        csv.endRow();
        const QByteArray bytes = csv.take();
        QString text, error;
        std::vector<CsvRow> rows;
        QVERIFY(sheetText(bytes, &text, &error) && readCsv(text, &rows, &error));
        QCOMPARE(rows.at(0).cells, texts);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF\"'=SUM(A1)\",\"''=x\",\"'''@y\""));
    }

    // Every field at its offset, little-endian, names blank-padded in the code page; decodes back.
    void recordBytes()
    {
        const auto bytes = [](const char* name, const char* hex) { // 80 bytes of name, then numbers
            return QByteArray(name).leftJustified(80) + QByteArray::fromHex(hex);
        };
        const QByteArray team =
            TeamRecord{{"Red", 12.5f, 10}, {"V", 0, 0}, {"Al", 3, -2}, {"Bo", 7.25f, 4}}.encode();
        QCOMPARE(team, bytes("Red", "000048410a00") + bytes("V", "000000000000")
                           + bytes("Al", "00004040feff") + bytes("Bo", "0000e8400400"));
        QCOMPARE(TeamRecord::decode(team.constData()).encode(), team);
        QCOMPARE((TestDriverRecord{"Tim", 3, -1}.encode()), bytes("Tim", "0300ffff"));
        const QByteArray entry = EntryRecord{"Ann", 0.75f, 300, 1, 2, 3, -1, 32767}.encode();
        QCOMPARE(entry, bytes("Ann", "0000403f2c01010002000300ffffff7f"));
        QCOMPARE(EntryRecord::decode(entry.constData()).encode(), entry);
        // A name read and stored again keeps its bytes, whatever they are.
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QCOMPARE(encode1252(decode1252(all.constData(), 256)), all);
        QCOMPARE(decode1252("\x80\x9f", 2), QStringLiteral("€Ÿ"));
    }

    // The league's files, through the League only: reading makes nothing, a store is flushed and
    // told once (what changes nothing is neither written nor told), no gap, a failed append taken
    // back, a partial record kept out, a delete through temp.tro, several files all or none; no
    // file left open.
    void leagueFiles()
    {
        TempData d;
        const auto league = openLeague(d.dir());
        QSignalSpy told(league.get(), &League::changed);
        QCOMPARE(QDir(d.dir().path()).entryList(QDir::Files),
                 QStringList({"entry.tro", "teams.tro", "test.tro"})); // made to work on
        std::vector<RaceName> races;
        QString error;
        const LeagueFile calendar = LeagueFile::Calendar, race = {LeagueFile::RaceTeams, "Spa"};
        QVERIFY(league->read(calendar, &races, &error) && league->read(race, &races, &error));
        const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        const auto opened = openFiles(); // and at the end: every change, done or failed, closes
        RecordFile file;
        QVERIFY(league->openRecords(calendar, &file, &error) && file.count() == 0);
        QCOMPARE(QDir(d.dir().path()).entryList(QDir::Files).size(), 3);
        const QByteArray a = RaceName{"A"}.encode(), b = RaceName{"B"}.encode();
        QVERIFY(league->store(calendar, file, 1, a, &error));
        QVERIFY(league->store(calendar, file, 1, a, &error));  // the same bytes: no change
        QVERIFY(!league->store(calendar, file, 3, b, &error)); // never a gap
        io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Sync ? EIO : 0; });
        QVERIFY(!league->store(calendar, file, 2, b, &error));
        io::setFaultHook({});
        QVERIFY2(error.contains(d.dir().calendar()) && error.contains(u"Input/output error"),
                 qPrintable(error));
        QCOMPARE(readBytes(d.dir().calendar()), a);
        writeBytes(d.dir().calendar(), a + "bb");
        QByteArray bytes;
        QVERIFY(file.read(2, &bytes, &error) && bytes.isEmpty());
        QVERIFY(league->store(calendar, file, 2, b, &error));
        QCOMPARE(readBytes(d.dir().calendar()), a + b);
        // A file too large for the memory is refused with the usual message, never a crash.
        QVERIFY(!io::allocate(&bytes, qint64(1) << 62, d.dir().calendar(), &error));
        QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(ENOMEM))), qPrintable(error));
        // A delete goes through temp.tro (emptied first), renamed over the file: permissions
        // kept, the partial record at the end gone too; outside the file, nothing at all.
        writeBytes(d.dir().calendar(), a + b + a + "c");
        ::chmod(QFile::encodeName(d.dir().calendar()).constData(), 0600);
        writeBytes(d.dir().scratch(), QByteArray(500, 'x'));
        QVERIFY(league->remove(calendar, 9, &error));
        QVERIFY(league->remove(calendar, 2, &error));
        QCOMPARE(readBytes(d.dir().calendar()), a + a);
        QCOMPARE(QFileInfo(d.dir().calendar()).permissions() & QFile::ReadGroup,
                 QFile::Permissions());
        // Several files all or none: the last failing, the others are put back (an empty one
        // too), a new one gone.
        const LeagueFile empty = {LeagueFile::RaceTestDrivers, "Spa"};
        writeBytes(d.dir().raceTestDrivers("Spa"), {});
        io::setFaultHook([](io::Op op, const QString& path) {
            return op == io::Op::Rename && path.endsWith(u"entry.tro") ? ENOSPC : 0;
        });
        QVERIFY(!league->replace(
            {{race, "r"}, {calendar, b}, {empty, "t"}, {LeagueFile::Entries, "e"}}, &error));
        io::setFaultHook({});
        QVERIFY2(error.contains(d.dir().entries()), qPrintable(error));
        QCOMPARE(readBytes(d.dir().calendar()) + readBytes(d.dir().raceTestDrivers("Spa")), a + a);
        QCOMPARE(QDir(d.dir().path()).entryList(QDir::Files).size(), 5);
        QVERIFY(league->replace({{race, "r"}, {calendar, b}}, &error));
        QCOMPARE(readBytes(d.dir().raceTeams("Spa")) + readBytes(d.dir().calendar()), "r" + b);
        // Told once a change, with what changed: the store, the append, the delete, the two files.
        QCOMPARE(told.size(), 4);
        QCOMPARE(told[3][0].value<LeagueFile::Kinds>(),
                 LeagueFile::RaceTeams | LeagueFile::Calendar);
        file.close();
        QCOMPARE(openFiles(), opened);
    }

    // The settings file: none read as none and not made; stored whole, read back the same, a later
    // version's keys kept; one that cannot be understood told (file, line), used as none and
    // never written over.
    void leagueSettings()
    {
        TempData d;
        const QString ini = d.path("league.ini");
        auto league = openLeague(d.dir());
        QVERIFY(league->settings() == LeagueSettings() && league->settingsError().isEmpty());
        writeBytes(ini, "# kept\nname = Kent \xc2\xa3 League\r\nbudget=0.5\nlater=1\ntransfers=3\n"
                        "points_chassis=BEST\npoints_fastest_lap=\n");
        league.reset();
        league = openLeague(d.dir());
        LeagueSettings s = league->settings();
        QVERIFY(!s.points); // rules without places: none, their lines kept until places are given
        s.points = LeagueSettings::parse("points_places= 3, 2,-1\npoints_chassis=BEST", "", nullptr)
                       .points;
        QCOMPARE(league->name(), u"Kent \u00a3 League");
        QCOMPARE(s.budget.value_or(0), 0.5);
        s.top = 5;
        s.site = "/srv/site";
        s.transfers = LeagueSettings::Unlimited;
        QString error;
        QVERIFY(league->storeSettings(s, &error));
        QCOMPARE(readBytes(ini), "name=Kent \xc2\xa3 League\nbudget=0.5\nsite=/srv/site\ntop=5\n"
                                 "transfers=unlimited\npoints_places=3,2,-1\n"
                                 "points_classified_beyond=0\npoints_not_classified=0\n"
                                 "points_fastest_lap=0\npoints_chassis=best\npoints_engine=maker\n"
                                 "later=1\n");
        s.others = QStringList("later=1");
        QVERIFY(openLeague(d.dir(), League::Mode::Read)->settings() == s);
        // A line that cannot be read costs its own setting only: told by its number, quoted short
        // and without control characters (a name too long for a title, a terminal's escape);
        // the file is not written over until it is mended.
        const QByteArray huge = "name=" + QByteArray(17 << 20, 'x') + '\n';
        const QList<QByteArray> bads = {"budget=0\n",
                                        "top=x\n",
                                        "name\n",
                                        "name=\xff\n",
                                        "site=/a\x01\n",
                                        "name=\x1b]0;x\x07\n",
                                        huge,
                                        "transfers=-1\n",
                                        "points_places=3,,1\n",
                                        "points_engine=team\n",
                                        "points_fastest_lap=40000\n"};
        const QStringList saids = {"no budget",     "\"top=x\"",        "understood",
                                   "UTF-8",         "\"site=/a\\x01\"", "\"name=\\x1B]0;x\\x07\"",
                                   "at most 80",    "\"transfers=-1\"", "no points for the places",
                                   "neither maker", "no whole number"};
        for (qsizetype k = 0; k < bads.size(); ++k) {
            const QByteArray& bad = bads[k];
            const QString& said = saids[k];
            league.reset();
            writeBytes(ini, "top=3\n" + bad + "points_places=1\n"); // a rules line: no rules
            league = openLeague(d.dir());
            QCOMPARE(league->name(), QFileInfo(d.dir().path()).fileName());
            QCOMPARE(league->settings().top, 3);
            QCOMPARE(bool(league->settings().points), !bad.startsWith("points"));
            QVERIFY(!league->storeSettings(s, &error));
            QVERIFY2(error.startsWith("Line 2 of the league's settings \"" + ini)
                         && error.contains(said) && error.size() < 400
                         && error == league->settingsError(),
                     qPrintable(error));
            QCOMPARE(readBytes(ini), "top=3\n" + bad + "points_places=1\n");
        }
    }

    // A league handed over may hold links: a scratch file's is never written through, a
    // database's never made through, a race file's outside the folder neither read nor written,
    // one inside read for viewing only. Nothing outside changes.
    void linksInTheLeague()
    {
        TempData d, outside;
        writeSeason(d.dir());
        const QString mine = outside.path("mine"), spa = d.dir().raceTeams("Spa");
        writeBytes(mine, "mine");
        ::chmod(QFile::encodeName(mine).constData(), 0600);
        for (const auto& [link, target] : {std::pair(d.dir().scratch(), mine),
                                           {d.dir().testDrivers(), outside.path("none")},
                                           {d.dir().raceTeams("Imola"), mine},
                                           {spa, d.dir().raceTeams("Monza")}}) {
            QFile::remove(link);
            QVERIFY(QFile::link(target, link));
        }
        auto league = openLeague(d.dir());
        QString error;
        QVERIFY2(league->orderEntries(LeagueOrder::ByOwner, &error), qPrintable(error));
        QVERIFY(!QFileInfo(d.dir().entries()).isSymLink());
        QByteArray bytes;
        QVERIFY(!league->readBytes({LeagueFile::RaceTeams, "Imola"}, &bytes, &error));
        QVERIFY2(error.contains("outside the league's folder"), qPrintable(error));
        RecordFile file;
        QVERIFY(!league->openRecords({LeagueFile::RaceTeams, "Spa"}, &file, &error));
        QCOMPARE(error, io::linkText(spa));
        QVERIFY(!league->replace({{LeagueFile::TestDrivers, "x"}}, &error));
        QCOMPARE(error, io::linkText(d.dir().testDrivers()));
        league.reset();
        QVERIFY(openLeague(d.dir(), League::Mode::Read)
                    ->openRecords({LeagueFile::RaceTeams, "Spa"}, &file, &error));
        QCOMPARE(file.count(), 3);
        QCOMPARE(QDir(outside.dir().path()).entryList(QDir::Files), QStringList("mine"));
        QCOMPARE(readBytes(mine), "mine");
        QCOMPARE(QFileInfo(mine).permissions() & QFile::ReadGroup, QFile::Permissions());
    }

    // The next season from the last, its folder read only: scores 0 with names and prices kept,
    // the entries with their picks and 0 points or none, the settings with no site and the old
    // folder as history, the learnt names, no calendar, race files or orders; a folder that holds
    // anything refused.
    void newSeason_data()
    {
        const auto row = columns<bool, QString>("keepEntries", "folder");
        row("entries kept", true, "league2027"), row("none", false, "league2027");
        row("into an empty folder", true, "empty"), row("into a league", true, "full");
        row("into the league", true, "old/next");
    }

    void newSeason()
    {
        const auto [keep, name] = fetch<bool, QString>("keepEntries", "folder");
        TempData parent;
        const DataDir old(parent.path("old")), next(parent.path(name));
        for (const char* folder : {"old", "empty", "full"})
            QDir(parent.path("")).mkdir(folder);
        writeSeason(old);
        writeSeason(DataDir(parent.path("full")));
        writeBytes(old.file("league.ini"), "name=Kent 2026\nbudget=40\nsite=/srv/kent\n");
        writeBytes(old.file("decisions.txt"), "velmora decisions 1\n");    // not taken along
        writeBytes(old.file("learnt-names.txt"), "driver\tKim\tBo Kim\n"); // kept; no order is
        writeBytes(old.file("Imola.order"), "line\tBo Kim\t1\tKim\n");
        const FolderState before = folderState(old);
        const auto league = openLeague(old, League::Mode::Read);
        LeagueSettings settings = league->settings();
        settings.name = nextSeasonName(settings.name);
        QString error;
        const bool made = makeNewSeason(*league, next.path(), keep, settings, &error);
        QCOMPARE(folderState(old), before);
        QStringList folders = {"empty", "full", "old"}; // and no scratch folder left
        if (made && name == u"league2027")
            folders.insert(2, name);
        QCOMPARE(
            QDir(parent.path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            folders);
        if (name == u"full" || name == u"old/next") {
            QVERIFY2(!made && error.contains(next.path()) && error.contains("folder of its own"),
                     qPrintable(error));
            return;
        }
        QVERIFY2(made, qPrintable(error));
        QList<QByteArray> expected = withoutScores(calculatedFiles(old));
        if (!keep)
            expected[2].clear();
        QCOMPARE(calculatedFiles(next), expected);
        QCOMPARE(readBytes(next.file("league.ini")),
                 "name=Kent 2027\nbudget=40\nhistory=" + old.path().toUtf8() + '\n');
        QCOMPARE(folderState(next).size(), 5);
        QCOMPARE(readBytes(next.file("learnt-names.txt")), "driver\tKim\tBo Kim\n");
        QCOMPARE(nextSeasonName("league2026") + '|' + nextSeasonName("league") + '|'
                     + nextSeasonName("12026"),
                 "league2027||");
    }

    // What a stored entry does to the decisions record (lines as on disk, tabs as '|', the names
    // for a reader left out; "!" a refusal): "entry" is the entry stored, "n:owner:picks"; "how"
    // a transfer from race N, a correction, a delete of entry N, races taken out, decision N taken
    // back or a penalty of 5 in race 3 added. The entries are Ann, Bob and two Cys, with the
    // record's transfers that count made.
    void decisionsFollowTheEntry_data()
    {
        const QString ann = "transfer|Ann|driver 1|0|4|3";
        textTable(
            {"record", "entry", "how", "limit", "after"},
            {{"a transfer", "", "0:Ann:0,0,4,1,0", "transfer 3", "", ann},
             {"twice before its race: one", ann, "0:Ann:0,0,5,1,0", "transfer 3", "",
              "transfer|Ann|driver 1|0|5|3"},
             {"changed back: none", ann, "0:Ann:0,0,0,1,0", "transfer 3", "", ""},
             {"drivers swapped: none", ann, "0:Ann:0,0,1,4,0", "transfer 3", "",
              "transfer|Ann|driver 2|0|4|3"},
             {"from a later race: another", ann, "0:Ann:0,0,5,1,0", "transfer 4", "",
              ann + ";transfer|Ann|driver 1|4|5|4"},
             {"two components: two", "", "0:Ann:1,1,0,1,0", "transfer 2", "",
              "transfer|Ann|team|0|1|2;transfer|Ann|engine|0|1|2"},
             {"a correction after a transfer", ann, "0:Ann:0,0,5,1,0", "correction", "",
              "transfer|Ann|driver 1|0|5|3"},
             {"a correction, none before", "", "0:Ann:0,0,5,1,0", "correction", "", ""},
             {"beyond the limit", ann, "0:Ann:0,1,4,1,0", "transfer 3", "1",
              "!Ann has made 1 of the 1 transfers the league allows in a season; this "
              "change would make 2. The entry is not stored."},
             {"the limit reached, changed again", ann, "0:Ann:0,0,5,1,0", "transfer 3", "1",
              "transfer|Ann|driver 1|0|5|3"},
             {"before the last transfer", ann, "0:Ann:0,0,5,1,0", "transfer 2", "",
              "!counts from (race 3)"},
             {"two owners of one name", "", "2:Cy:2,2,5,5,1", "transfer 1", "",
              "!\"Cy\" is the name of 2 entries"},
             {"two of one name, corrected", "", "2:Cy:2,2,5,5,1", "correction", "", ""},
             {"a new entry of a name with transfers", ann, "4:Ann:0,0,0,1,0", "correction", "",
              "!another owner named \"Ann\""},
             {"renamed", ann + ";penalty|Ann|5|3||late", "0:Anna:0,0,4,1,0", "correction", "",
              "transfer|Anna|driver 1|0|4|3;penalty|Anna|5|3||late"},
             {"renamed onto another's name", ann, "0:Bob:0,0,4,1,0", "correction", "",
              "!\"Bob\" is another entry's name"},
             {"deleted", ann + ";transfer|Bob|team|1|0|1", "", "delete 0", "",
              "transfer|Bob|team|1|0|1"},
             {"a race before taken out", ann, "", "out 1 2", "", "transfer|Ann|driver 1|0|4|1"},
             {"its race taken out", ann, "", "out 3", "", ann},
             {"a race after taken out", ann, "", "out 4", "", ann},
             {"a penalty's race taken out", "penalty|Ann|5|3|Spa|late", "", "out 1", "",
              "penalty|Ann|5|2|Spa|late"},
             {"a transfer taken back", ann, "", "back 0", "",
              "transfer taken back|Ann|driver 1|0|4|3"},
             {"one a later one follows", ann + ";transfer|Ann|driver 1|4|5|4", "", "back 0", "",
              "!A later transfer of Ann's driver 1 follows it"},
             {"a bonus taken back", "bonus|Ann|5|3||late", "", "back 0", "",
              "bonus taken back|Ann|5|3||late"},
             {"taken back twice", "bonus taken back|Ann|5|3||late", "", "back 0", "",
              "!counts for nothing"},
             {"a transfer again once taken back", "transfer taken back|Ann|driver 1|0|4|3",
              "0:Ann:0,0,4,1,0", "transfer 3", "1",
              "transfer taken back|Ann|driver 1|0|4|3;" + ann},
             {"a penalty added", ann, "", "add Ann", "", ann + ";penalty|Ann|5|3||late"},
             {"a penalty for one of two names", "", "", "add Cy", "",
              "!\"Cy\" is the name of 2 entries"}});
    }
    void decisionsFollowTheEntry()
    {
        const auto [record, entry, how, limit, after] =
            fetchTexts("record", "entry", "how", "limit", "after");
        const auto lines = [](const QString& compact) {
            QByteArray text = "velmora decisions 1\n";
            for (const QString& line : compact.split(u';', Qt::SkipEmptyParts))
                text += QString(line).replace(u'|', u'\t').toUtf8()
                        + (line.startsWith("transfer") ? "\t\t\t\n" : "\n");
            return text;
        };
        std::vector<EntryRecord> entries = {test::entry("Ann"),
                                            test::entry("Bob", 0, 1, 1, 2, 3, 1),
                                            test::entry("Cy", 0, 2, 2, 4, 5, 1), test::entry("Cy")};
        Decisions d;
        QString error;
        QVERIFY(Decisions::parse(lines(record), "d", &d, &error));
        for (const Decision& t : d.list)
            if (t.isTransfer() && t.counts())
                entries[t.owner == u"Ann" ? 0 : 1].index(t.component) = int16_t(t.after);
        const QStringList e = entry.split(u':'), picks = e.value(2).split(u',');
        bool done = true;
        if (how.startsWith("delete")) {
            d.remove(displayText(entries[how.mid(7).toUInt()].Owner));
        } else if (how.startsWith("out")) {
            std::vector<int> gone;
            for (const QString& race : how.mid(4).split(u' '))
                gone.push_back(race.toInt() - 1);
            d.takeOut(gone, {});
        } else if (how.startsWith("back")) {
            done = d.takeBack(how.mid(5).toUInt(), &entries, &error);
        } else if (how.startsWith("add")) {
            Decision penalty;
            penalty.kind = "penalty", penalty.owner = how.mid(4), penalty.points = 5;
            penalty.race = 2, penalty.reason = "late";
            done = d.add(entries, penalty, &error);
        } else {
            EntryRecord now = test::entry(e[1]);
            for (int k = 0; k < 5; ++k)
                now.index(Pick::Slot(k)) = int16_t(picks.value(k).toInt());
            const std::optional<int> from =
                how.startsWith("transfer") ? std::optional(how.mid(9).toInt() - 1) : std::nullopt;
            done = d.store(entries, e[0].toUInt(), now, from,
                           limit.isEmpty() ? std::nullopt : std::optional(limit.toInt()),
                           {[](Pick::Slot, int) { return QString(); }, {}}, &error);
        }
        if (after.startsWith(u'!'))
            QVERIFY2(!done && error.contains(after.mid(1)), qPrintable(error));
        else
            QCOMPARE(d.text(), lines(after));
    }

    // A record that cannot be read is told by its line; one that disagrees with the entries (Ann
    // and two Cys), by the line that does; one that agrees is written back as it was read, lines
    // of other kinds and fields of later versions kept.
    void decisionsRead_data()
    {
        const QString ann = "transfer\tAnn\tdriver 1\t0\t4\t3\n";
        textTable({"record", "said"},
                  {{"a later version", "velmora decisions 2\n", "Line 1 of"},
                   {"not UTF-8", "velmora decisions 1\n\xff\n", "Line 2 of"},
                   {"no owner", "velmora decisions 1\nAnn\n", "Line 2 of"},
                   {"no such component", "velmora decisions 1\ntransfer\tAnn\tdriver 3\t0\t4\t3\n",
                    "Line 2 of"},
                   {"a pick not written so", "velmora decisions 1\ntransfer\tAnn\tteam\t00\t0\t1\n",
                    "Line 2 of"},
                   {"race 0", "velmora decisions 1\ntransfer\tAnn\tteam\t1\t0\t0\n", "Line 2 of"},
                   {"the entry picks another", "velmora decisions 1\n" + ann,
                    "Line 2 of the decisions record \"d\" disagrees with the entries: Ann's last "
                    "transfer of the driver 1 picks position 4, but the entry picks 0."},
                   {"a broken chain",
                    "velmora decisions 1\n\ntransfer\tAnn\tdriver 1\t0\t4\t3\n"
                    "transfer\tAnn\tdriver 1\t5\t0\t4\n",
                    "Line 4 of"},
                   {"races out of order",
                    "velmora decisions 1\ntransfer\tAnn\tdriver 1\t0\t4\t5\n"
                    "transfer\tAnn\tdriver 1\t4\t0\t3\n",
                    "Line 3 of"},
                   {"no such owner", "velmora decisions 1\nnote\tZed\t5\n", "no entry has"},
                   {"two of one name", "velmora decisions 1\nnote\tCy\t5\n", "2 entries have"},
                   {"no points", "velmora decisions 1\npenalty\tAnn\t0\t1\t\tlate\n", "Line 2 of"},
                   {"no reason", "velmora decisions 1\nbonus\tAnn\t5\t1\n", "Line 2 of"},
                   {"a race's beyond a score",
                    "velmora decisions 1\nbonus\tAnn\t32767\t1\t\ta\nbonus\tAnn\t1\t1\t\tb\n",
                    "Line 2 of the decisions record \"d\" disagrees with the entries: Ann's "
                    "penalties and bonuses in race 1 add up to 32768"},
                   {"agrees",
                    "velmora decisions 1\r\nnote\tAnn\t5\n\ntransfer\tAnn\tteam\t1\t0\t1"
                    "\tArrow\tComet\tImola\tlater\npenalty\tAnn\t10\t2\tMonza\tlate entry\tlater\n"
                    "bonus taken back\tAnn\t3\t1\t\tguess\nnote taken back\tAnn\n"
                    "transfer taken back\tAnn\tdriver 1\t0\t4\t3\t\t\t",
                    ""}});
    }
    void decisionsRead()
    {
        const auto [record, said] = fetchTexts("record", "said");
        Decisions d;
        QString error;
        const std::vector entries = {test::entry("Ann"), test::entry("Cy"), test::entry("Cy")};
        const bool read = checkDecisions(record.toLatin1(), "d", &entries, &d, &error);
        QVERIFY2(read == said.isEmpty() && error.contains(said), qPrintable(error));
        if (read)
            QCOMPARE(d.text(),
                     QByteArray(record.toLatin1()).replace("\r", "").replace("\n\n", "\n") + '\n');
    }

    // A cursor never stores over a record it could not read: here, the one a delete left shown.
    void cursorTrustsWhatItRead()
    {
        TempData d;
        const auto league = openLeague(d.dir());
        const QByteArray a = RaceName{"A"}.encode(), b = RaceName{"B"}.encode();
        writeBytes(d.dir().calendar(), a + b);
        RecordCursor cursor(*league, LeagueFile::Calendar);
        QByteArray bytes;
        QString error;
        QVERIFY(cursor.open(&error) && cursor.go(1, &bytes, &error) && cursor.remove(&error));
        QVERIFY(!cursor.store(a, &error));
        io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Read ? EIO : 0; });
        QVERIFY(!cursor.go(1, &bytes, &error));
        io::setFaultHook({});
        QVERIFY(!cursor.store(a, &error));
        QVERIFY(cursor.go(1, &bytes, &error) && cursor.store(a, &error));
        QCOMPARE(readBytes(d.dir().calendar()), a);
    }

    // One copy of the program at a time on a folder: a second is refused until the first lets go;
    // one that only reads it takes no lock; one that fails holds nothing. Opening closes no
    // descriptor but its own: the test owns descriptor 0 (a read-only folder once closed it).
    void folderLock()
    {
        TempData d;
        QString error;
        int pipe[2], input = ::dup(0);
        char read = 0;
        QVERIFY(::pipe(pipe) == 0 && ::dup2(pipe[0], 0) == 0);
        const auto descriptors = QDir(QStringLiteral("/proc/self/fd")).count();
        ::chmod(QFile::encodeName(d.dir().path()).constData(), 0555); // viewed read-only: held too
        auto first = openLeague(d.dir());
        QVERIFY(!League::open(d.dir(), League::Mode::Work, &error));
        QVERIFY2(error.contains(u"already running") && error.contains(d.dir().path()),
                 qPrintable(error));
        QVERIFY(League::open(d.dir(), League::Mode::Read, &error));
        first.reset();
        QVERIFY(League::open(d.dir(), League::Mode::Work, &error));
        ::chmod(QFile::encodeName(d.dir().path()).constData(), 0755);
        QDir().mkdir(d.dir().entries());
        QVERIFY(!League::open(d.dir(), League::Mode::Work, &error));
        QVERIFY2(error.contains(d.dir().entries()), qPrintable(error));
        QDir().rmdir(d.dir().entries());
        QVERIFY(League::open(d.dir(), League::Mode::Work, &error));
        QCOMPARE(QDir(QStringLiteral("/proc/self/fd")).count(), descriptors);
        QCOMPARE(::write(pipe[1], "x", 1) + ::read(0, &read, 1), 2); // still our pipe
        ::dup2(input, 0), ::close(input), ::close(pipe[0]), ::close(pipe[1]);
    }

    // The league's folder: the one named, else the program's, else the user's; writable by its
    // mode, even for root. program: "" for "bin", made with `mode`; chosen: "" when refused.
    void dataFolder_data()
    {
        const auto row = columns<QString, int, bool, QString, QString>("program", "mode", "league",
                                                                       "named", "chosen");
        row("program's", "", 0755, false, "", "bin");
        row("read-only", "", 0555, false, "", "x/velmora");
        row("league viewed", "", 0555, true, "", "bin");
        row("all but the owner may", "", 0577, false, "", "x/velmora");
        row("the owner may not search it", "", 0600, false, "", "x/velmora");
        row("installed", "/usr/bin", 0755, false, "", "x/velmora");
        row("named", "", 0755, false, "new", "new");
        row("no parent", "", 0755, false, "no/new", "");
        row("a file", "", 0755, true, "bin/calendar.tro", "");
    }

    void dataFolder()
    {
        const auto [program, mode, league, named, chosen] =
            fetch<QString, int, bool, QString, QString>("program", "mode", "league", "named",
                                                        "chosen");
        QTemporaryDir tmp;
        const QString bin = tmp.path() + QStringLiteral("/bin"), folder = tmp.path() + u'/' + named;
        QVERIFY(QDir().mkdir(bin));
        if (league)
            writeBytes(bin + QStringLiteral("/calendar.tro"), {});
        ::chmod(QFile::encodeName(bin).constData(), mode_t(mode));
        qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.path() + QStringLiteral("/x")));
        DataDir dir;
        QString error;
        const bool opened = DataDir::open(named.isEmpty() ? QString() : folder,
                                          program.isEmpty() ? bin : program, &dir, &error);
        ::chmod(QFile::encodeName(bin).constData(), 0755);
        QCOMPARE(opened, !chosen.isEmpty());
        QVERIFY2(opened ? dir.path() == tmp.path() + u'/' + chosen : error.contains(folder),
                 qPrintable(error));
        QCOMPARE(QFileInfo(opened ? dir.path() : folder).isDir(), opened);
    }
};

QTEST_GUILESS_MAIN(TestData)
#include "test_data.moc"
