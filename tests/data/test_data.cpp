// The data files: how typed texts become field values and back, the exact bytes of every
// record type, race file names, the record file's rules and the record cursor's.
#include "data/codepage.h"
#include "data/folder_lock.h"
#include "data/record_cursor.h"
#include "table.h"
#include "toolkit/twips.h"

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
        row("name trimmed", "field", " Ann ", "Ann");
        row("name cut to 80", "field", QString(85, u'x'), QString(80, u'x'));
        row("outside the code page", "field", "Zoë Łódź €", "Zoë ?ód? €");
        row("the code page's 0x80 to 0x9F", "field", "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ",
            "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
        row("a character outside the plane is one", "field", QStringLiteral("😀").repeated(85),
            QString(80, u'?'));
        row("record number", "record", "3", " 3");
        // One file name inside the data folder, the one the calendar's copy of the name gives.
        row("race", "race", "  Harbourside ", "Harbourside.tmr");
        row("race with separators", "race", "a/b\\c%d", "a%2Fb%5Cc%25d.tmr");
        row("race of dots", "race", "..", "...tmr");
        row("race with a control character", "race", "x\ny", "x%0Ay.tmr");
        row("race as long as the calendar keeps", "race", QString(90, u'r'),
            QString(80, u'r') + ".tmr");
        row("race outside the code page", "race", "Łódź", "?ód?.tmr");
        row("twips to the nearest pixel, down", "twips", "22", "1");
        row("twips to the nearest pixel, up", "twips", "23", "2");
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
            {"twips", QString::number(twips(typed.toInt()))},
            {"record", recordNumberText(recordNumber(typed))},
            {"race", dir.raceTeams(typed).mid(6)},
            {"field", displayText(decode1252(stored.constData(), int(stored.size())))}};
        QCOMPARE(shown.value(as, QStringLiteral("(no such conversion)")), result);
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

    void recordFileAndCursor()
    {
        TempData d;
        const QString path = d.path(QStringLiteral("r.tro"));
        RecordFile f;
        QString error;
        QVERIFY(f.open(path, 4, &error) && QFile::exists(path) && f.count() == 0);
        QByteArray bytes;
        QVERIFY(f.write(1, QByteArray("aaaa"), &error));
        QVERIFY(!f.write(3, QByteArray("cccc"), &error)); // never a gap of undefined records
        // A failed append is taken back whole.
        io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Sync ? EIO : 0; });
        QVERIFY(!f.write(2, QByteArray("bbbb"), &error));
        io::setFaultHook({});
        QVERIFY2(error.contains(path) && error.contains(u"Input/output error"), qPrintable(error));
        QCOMPARE(readBytes(path), QByteArray("aaaa"));
        // A partial record at the end is not counted, read or overwritten but by an append.
        writeBytes(path, "aaaabb");
        QVERIFY(f.read(2, &bytes, &error) && bytes.isEmpty());
        QVERIFY(f.write(2, QByteArray("cccc"), &error));
        QCOMPARE(readBytes(path), QByteArray("aaaacccc"));
        // A file too large for the memory is refused with the usual message, never a crash.
        QVERIFY(!io::allocate(&bytes, qint64(1) << 62, path, &error));
        QVERIFY2(error.contains(path)
                     && error.contains(QString::fromLocal8Bit(std::strerror(ENOMEM))),
                 qPrintable(error));
        // A delete goes through temp.tro (emptied first), renamed over the file: permissions kept.
        writeBytes(path, "aabbccd");
        ::chmod(QFile::encodeName(path).constData(), 0600);
        writeBytes(d.dir().scratch(), QByteArray(50, 'x'));
        QVERIFY(deleteRecord(path, d.dir().scratch(), 2, 9, &error)); // outside: nothing at all
        QCOMPARE(readBytes(path), QByteArray("aabbccd"));
        QVERIFY(deleteRecord(path, d.dir().scratch(), 2, 2, &error));
        QCOMPARE(readBytes(path), QByteArray("aacc")); // the partial record gone too
        QCOMPARE(QFileInfo(path).permissions() & QFile::ReadGroup, QFile::Permissions());
        QCOMPARE(QDir(d.dir().path()).entryList(QDir::Files), QStringList{"r.tro"});
        // A cursor never stores over a record it could not read: here, the one a delete left shown.
        writeBytes(path, "abc");
        RecordCursor cursor(path, d.dir().scratch(), 1);
        QVERIFY(cursor.open(&error) && cursor.go(1, &bytes, &error));
        bool deleted = false;
        io::setFaultHook([&deleted](io::Op op, const QString&) {
            deleted = deleted || op == io::Op::Rename;
            return deleted && op == io::Op::Read ? EIO : 0;
        });
        QVERIFY(!cursor.remove(&bytes, &error));
        io::setFaultHook({});
        QVERIFY(!cursor.store("Z", &error));
        QCOMPARE(readBytes(path), QByteArray("bc"));
    }

    // One copy of the program at a time on a folder: a second is refused until the first lets go.
    void folderLock()
    {
        TempData d;
        QString error;
        ::chmod(QFile::encodeName(d.dir().path()).constData(), 0555); // viewed read-only: held too
        auto first = std::make_unique<FolderLock>();
        FolderLock second;
        QVERIFY(first->acquire(d.dir().path(), &error));
        QVERIFY(!second.acquire(d.dir().path(), &error));
        QVERIFY2(error.contains(u"already running") && error.contains(d.dir().path()),
                 qPrintable(error));
        first.reset();
        QVERIFY(second.acquire(d.dir().path(), &error));
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
