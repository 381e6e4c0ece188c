#include "data/codepage.h"
#include "data/data_dir.h"
#include "data/folder_lock.h"
#include "data/io.h"
#include "data/record_file.h"
#include "data/text.h"
#include "data/types.h"
#include "fixture.h"

#include <QDir>
#include <QTest>

#include <cerrno>
#include <cmath>

using namespace velmora;
using namespace velmora::test;

class TestData : public QObject {
    Q_OBJECT
private slots:
    void teamRecordBytes();
    void testDriverAndEntryBytes();
    void textFieldsPadCutAndCodePage();
    void codePageRoundTripsEveryByte();

    void readNumber_data();
    void readNumber();
    void numberTexts_data();
    void numberTexts();
    void integerFieldsRoundHalfEvenAndClamp();
    void recordNumberText();

    void openCreatesEmptyFile();
    void readPastEndGivesEmptyRecord();
    void writeNeverLeavesAGap();
    void partialRecordIsNotCounted();
    void deleteMiddleAndOnlyRecord();
    void deleteTruncatesLeftoverScratchFile();
    void failedRewriteKeepsOriginal();

    void secondCopyFindsTheFolderLocked();
    void driverListPositions();
    void raceFileNamesStayInside();
};

void TestData::teamRecordBytes()
{
    TeamRecord t;
    t.Team = {QStringLiteral("Red"), 12.5f, 10};
    t.Engine = {QStringLiteral("V"), 0, 0};
    t.Driver1 = {QStringLiteral("Ann Lee"), 3, -2};
    t.Driver2 = {QStringLiteral("Bo"), 7.25f, 4};
    const QByteArray b = t.encode();
    QCOMPARE(b.size(), 344);
    QCOMPARE(b.mid(0, 3), QByteArray("Red"));
    QCOMPARE(b.mid(3, 77), QByteArray(77, ' '));
    QCOMPARE(b.mid(80, 4), QByteArray::fromHex("00004841")); // 12.5f
    QCOMPARE(b.mid(84, 2), QByteArray::fromHex("0a00"));
    QCOMPARE(b.mid(86, 1), QByteArray("V"));
    QCOMPARE(b.mid(166, 4), QByteArray(4, '\0'));
    QCOMPARE(b.mid(172, 7), QByteArray("Ann Lee"));
    QCOMPARE(b.mid(252, 4), QByteArray::fromHex("00004040")); // 3.0f
    QCOMPARE(b.mid(256, 2), QByteArray::fromHex("feff"));     // -2
    QCOMPARE(b.mid(258, 2), QByteArray("Bo"));
    QCOMPARE(b.mid(338, 4), QByteArray::fromHex("0000e840")); // 7.25f
    QCOMPARE(b.mid(342, 2), QByteArray::fromHex("0400"));

    const TeamRecord back = TeamRecord::decode(b.constData());
    QCOMPARE(back.Driver1.Score, int16_t(-2));
    QCOMPARE(back.Team.Price, 12.5f);
    QCOMPARE(back.Driver2.Name, QStringLiteral("Bo").leftJustified(80));
    QCOMPARE(back.encode(), b);
}

void TestData::testDriverAndEntryBytes()
{
    const QByteArray td = TestDriverRecord{QStringLiteral("Tim"), 3, -1}.encode();
    QCOMPARE(td.size(), 84);
    QCOMPARE(td.mid(80), QByteArray::fromHex("0300ffff"));

    EntryRecord e;
    e.Owner = QStringLiteral("Ann");
    e.Price = 0.75f;
    e.Points = 300;
    e.TeamIndex = 1;
    e.EngineIndex = 2;
    e.Driver1Index = 3;
    e.Driver2Index = -1;
    e.TestDriverIndex = 32767;
    const QByteArray b = e.encode();
    QCOMPARE(b.size(), 96);
    QCOMPARE(b.mid(80), QByteArray::fromHex("0000403f"
                                            "2c01"
                                            "0100"
                                            "0200"
                                            "0300"
                                            "ffff"
                                            "ff7f"));
    const EntryRecord back = EntryRecord::decode(b.constData());
    QCOMPARE(back.Driver2Index, int16_t(-1));
    QCOMPARE(back.encode(), b);

    const QByteArray race = RaceName{QStringLiteral("Harbourside")}.encode();
    QCOMPARE(race.size(), 80);
    QCOMPARE(race, QByteArray("Harbourside").leftJustified(80, ' '));
}

void TestData::textFieldsPadCutAndCodePage()
{
    QCOMPARE(fieldText(QStringLiteral(" Ann ")), QStringLiteral("Ann").leftJustified(80));
    QCOMPARE(displayText(fieldText(QStringLiteral(" Ann "))), QStringLiteral("Ann"));
    const QString longName(85, u'x');
    QCOMPARE(fieldText(longName), QString(80, u'x'));
    // A character outside the Basic Multilingual Plane is one character, stored as one '?'.
    QString emoji;
    for (int i = 0; i < 85; ++i)
        emoji += QStringLiteral("😀");
    QCOMPARE(encode1252(fieldText(emoji)), QByteArray(80, '?'));
    // encode() itself cuts a long name rather than spilling into the next field.
    EntryRecord e;
    e.Owner = longName;
    e.Points = 7;
    QCOMPARE(EntryRecord::decode(e.encode().constData()).Points, int16_t(7));

    // Code-page characters keep their byte; others become '?', one per character.
    QCOMPARE(encode1252(QStringLiteral("Gauß £5 €")), QByteArray("Gau\xdf \xa3"
                                                                 "5 \x80"));
    QCOMPARE(encode1252(QStringLiteral("Łódź 😀")), QByteArray("?\xf3"
                                                              "d? ?"));
}

void TestData::codePageRoundTripsEveryByte()
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    QCOMPARE(encode1252(decode1252(all.constData(), 256)), all);
    QCOMPARE(decode1252("\x80\x9f", 2), QStringLiteral("€Ÿ"));

    // Appended text goes after what is there; a pair of surrogates takes one byte.
    QByteArray line("Owner: ");
    appendEncoded1252(QStringLiteral("Zoë 😀 €"), &line);
    QCOMPARE(line, QByteArray("Owner: Zo\xeb ? \x80"));
}

void TestData::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("unit") << "12.5m" << 12.5;
    QTest::newRow("blank inside") << "1 200" << 1200.0;
    QTest::newRow("comma") << "1,5" << 1.0;
    QTest::newRow("tabs and line feeds") << "\t1\n2 .5" << 12.5;
    QTest::newRow("leading point") << ".75" << 0.75;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("plus") << "+4" << 4.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("two points") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1E3" << 1000.0;
    QTest::newRow("exponent D") << "2.5d-1" << 0.25;
    QTest::newRow("exponent sign, blanks") << "1 e + 2" << 100.0;
    QTest::newRow("exponent without digits") << "7E" << 7.0;
    QTest::newRow("exponent sign only") << "7E-x" << 7.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower") << "&hff" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O18" << 1.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other") << "&X1" << 0.0;
    QTest::newRow("carriage return ends") << "1\r2" << 1.0;
    QTest::newRow("non-ascii digit ends") << "1\u0663" << 1.0;
    QTest::newRow("underflow") << "1E-999" << 0.0;
    QTest::newRow("overflow, negative exponent") << "1" + QString(400, u'0') + "E-5" << HUGE_VAL;
    QTest::newRow("overflow, no exponent") << "-1" + QString(400, u'0') << -HUGE_VAL;
    QTest::newRow("underflow, long fraction") << "." + QString(400, u'0') + "1E+5" << 0.0;
}

void TestData::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(velmora::readNumber(text), value);
}

void TestData::numberTexts_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("price");
    QTest::newRow("12.5") << 12.5f << "12.5"
                          << "12.5";
    QTest::newRow("0.75") << 0.75f << ".75"
                          << "0.75";
    QTest::newRow("-0.75") << -0.75f << "-.75"
                           << "-0.75";
    QTest::newRow("0") << 0.0f << "0"
                       << "0";
    QTest::newRow("-3") << -3.0f << "-3"
                        << "-3";
    QTest::newRow("12.3") << 12.3f << "12.3"
                          << "12.3";
    QTest::newRow("7 digits") << 1234567.0f << "1234567"
                              << "1234567";
    QTest::newRow("ten million") << 1e7f << "1E+07"
                                 << "1E+07";
    QTest::newRow("tiny") << 1e-5f << "1E-05"
                          << "1E-05";
    QTest::newRow("small") << 0.001f << ".001"
                           << "0.001";
}

void TestData::numberTexts()
{
    QFETCH(float, value);
    QFETCH(QString, field);
    QFETCH(QString, price);
    QCOMPARE(numberText(value), field);
    QCOMPARE(priceText(value), price);
}

void TestData::integerFieldsRoundHalfEvenAndClamp()
{
    QCOMPARE(toInteger(2.5), int16_t(2));
    QCOMPARE(toInteger(3.5), int16_t(4));
    QCOMPARE(toInteger(-2.5), int16_t(-2));
    QCOMPARE(toInteger(2.51), int16_t(3));
    QCOMPARE(toInteger(1e9), int16_t(32767));
    QCOMPARE(toInteger(-1e9), int16_t(-32768));
    QCOMPARE(toInteger(velmora::readNumber(QStringLiteral("1E999"))), int16_t(32767));
    QCOMPARE(toInteger(std::nan("")), int16_t(0));
    QCOMPARE(toSingle(1e300), 3.40282347e38f);
    QCOMPARE(toSingle(velmora::readNumber(QStringLiteral("-1E999"))), -3.40282347e38f);
    QCOMPARE(totalText(31.400000000000002), QStringLiteral("31.4"));
    QCOMPARE(totalText(0.75), QStringLiteral("0.75"));
    QCOMPARE(numberText(int16_t(-4)), QStringLiteral("-4"));
}

void TestData::recordNumberText()
{
    QCOMPARE(velmora::recordNumberText(3), QStringLiteral(" 3"));
    QCOMPARE(recordNumber(QStringLiteral(" 12")), qint64(12));
    QCOMPARE(recordNumber(QStringLiteral("2.5")), qint64(2));
    QCOMPARE(recordNumber(QStringLiteral("1E300")), qint64(1e15));
}

void TestData::openCreatesEmptyFile()
{
    TempData data;
    RecordFile f;
    QString error;
    QVERIFY2(f.open(data.dir().entries(), EntryRecord::Length, &error), qPrintable(error));
    QVERIFY(data.exists(QStringLiteral("entry.tro")));
    QCOMPARE(f.count(), qint64(0));
    QCOMPARE(readBytes(data.dir().entries()).size(), 0);
}

void TestData::readPastEndGivesEmptyRecord()
{
    TempData data;
    writeRecords(data.dir().entries(), std::vector{entry(QStringLiteral("Ann"), 5)});
    RecordFile f;
    QString error;
    QVERIFY2(f.open(data.dir().entries(), EntryRecord::Length, &error), qPrintable(error));
    QByteArray bytes;
    QVERIFY2(f.read(1, &bytes, &error), qPrintable(error));
    QCOMPARE(bytes.size(), qsizetype(EntryRecord::Length));
    QCOMPARE(EntryRecord::decode(bytes.constData()).Points, int16_t(5));
    // A number outside the file reads no record: no bytes, and no failure.
    for (qint64 n : {qint64(0), qint64(2), qint64(99)}) {
        bytes = "stale";
        QVERIFY2(f.read(n, &bytes, &error), qPrintable(error));
        QVERIFY(bytes.isEmpty());
    }
    QCOMPARE(f.count(), qint64(1));
}

void TestData::writeNeverLeavesAGap()
{
    TempData data;
    RecordFile f;
    QString error;
    QVERIFY2(f.open(data.dir().calendar(), RaceName::Length, &error), qPrintable(error));
    QVERIFY(!f.write(2, RaceName{QStringLiteral("X")}, &error));
    QVERIFY(error.contains(QStringLiteral("calendar.tro")));
    QCOMPARE(f.count(), qint64(0));
    QVERIFY(f.write(1, RaceName{QStringLiteral("A")}, &error));
    QVERIFY(f.write(f.count() + 1, RaceName{QStringLiteral("B")}, &error));
    QVERIFY(f.write(1, RaceName{QStringLiteral("C")}, &error));
    QCOMPARE(readBytes(data.dir().calendar()),
             QByteArray("C").leftJustified(80, ' ') + QByteArray("B").leftJustified(80, ' '));
}

void TestData::partialRecordIsNotCounted()
{
    TempData data;
    writeBytes(data.dir().entries(), entry(QStringLiteral("Ann")).encode() + QByteArray(50, 'x'));
    RecordFile f;
    QString error;
    QVERIFY2(f.open(data.dir().entries(), EntryRecord::Length, &error), qPrintable(error));
    QCOMPARE(f.count(), qint64(1));
    QCOMPARE(f.realCount(), 146.0 / 96.0);
    QByteArray bytes;
    QVERIFY2(f.readAll(&bytes, &error), qPrintable(error));
    std::vector<EntryRecord> records;
    QVERIFY(decodeRecords(bytes, data.dir().entries(), &records, &error));
    QCOMPARE(records.size(), std::size_t(1));
    // The partial record is no record: reading it gives no bytes.
    bytes = "stale";
    QVERIFY2(f.read(2, &bytes, &error), qPrintable(error));
    QVERIFY(bytes.isEmpty());
}

void TestData::deleteMiddleAndOnlyRecord()
{
    TempData data;
    const auto records = std::vector{entry(QStringLiteral("A"), 1), entry(QStringLiteral("B"), 2),
                                     entry(QStringLiteral("C"), 3)};
    writeRecords(data.dir().entries(), records);
    QVERIFY(
        deleteRecord(data.dir().entries(), data.dir().scratch(), EntryRecord::Length, 2, nullptr));
    QCOMPARE(readBytes(data.dir().entries()), records[0].encode() + records[2].encode());
    QVERIFY(!data.exists(QStringLiteral("temp.tro")));

    // A number outside the file changes nothing.
    QVERIFY(
        deleteRecord(data.dir().entries(), data.dir().scratch(), EntryRecord::Length, 3, nullptr));
    QCOMPARE(readRecords<EntryRecord>(data.dir().entries()).size(), std::size_t(2));

    writeRecords(data.dir().teams(), std::vector{team("T", "E", "D1", "D2")});
    QVERIFY(deleteRecord(data.dir().teams(), data.dir().scratch(), TeamRecord::Length, 1, nullptr));
    QCOMPARE(readBytes(data.dir().teams()).size(), 0);
    QVERIFY(QFile::exists(data.dir().teams()));
}

void TestData::deleteTruncatesLeftoverScratchFile()
{
    TempData data;
    writeBytes(data.dir().scratch(), QByteArray(5000, 'z'));
    writeRecords(data.dir().testDrivers(),
                 std::vector{testDriver(QStringLiteral("A")), testDriver(QStringLiteral("B"))});
    QVERIFY(deleteRecord(data.dir().testDrivers(), data.dir().scratch(), TestDriverRecord::Length,
                         1, nullptr));
    QCOMPARE(readBytes(data.dir().testDrivers()), testDriver(QStringLiteral("B")).encode());
    QVERIFY(!data.exists(QStringLiteral("temp.tro")));
}

void TestData::failedRewriteKeepsOriginal()
{
    TempData data;
    const auto records = std::vector{entry(QStringLiteral("A")), entry(QStringLiteral("B"))};
    writeRecords(data.dir().entries(), records);
    const QByteArray before = readBytes(data.dir().entries());
    for (io::Op failing : {io::Op::Write, io::Op::Sync, io::Op::Rename}) {
        io::setFaultHook(
            [failing](io::Op op, const QString&) { return op == failing ? ENOSPC : 0; });
        QString error;
        QVERIFY(!deleteRecord(data.dir().entries(), data.dir().scratch(), EntryRecord::Length, 1,
                              &error));
        io::setFaultHook({});
        QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
        QCOMPARE(readBytes(data.dir().entries()), before);
        QVERIFY(!data.exists(QStringLiteral("temp.tro")));
    }
}

void TestData::secondCopyFindsTheFolderLocked()
{
    TempData data;
    QString error;
    {
        FolderLock first;
        QVERIFY(first.acquire(data.dir().path(), &error));
        FolderLock second;
        QVERIFY(!second.acquire(data.dir().path(), &error));
        QVERIFY(error.contains(QStringLiteral("already running")));
        QVERIFY(error.contains(data.dir().path()));
        // No lock file is left in the folder.
        QCOMPARE(QDir(data.dir().path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }
    FolderLock again;
    QVERIFY(again.acquire(data.dir().path(), &error));
    FolderLock missing;
    QVERIFY(!missing.acquire(data.dir().path() + QStringLiteral("/nowhere"), &error));
    QVERIFY(error.contains(QStringLiteral("nowhere")));
}

void TestData::driverListPositions()
{
    TeamRecord t = team("T", "E", "First", "Second");
    QCOMPARE(teamRecordOfDriver(0), 1);
    QCOMPARE(t.driver(0).Name, QStringLiteral("First"));
    QCOMPARE(teamRecordOfDriver(3), 2);
    QCOMPARE(t.driver(3).Name, QStringLiteral("Second"));
}

void TestData::raceFileNamesStayInside()
{
    const DataDir dir(QStringLiteral("/data"));
    QCOMPARE(dir.raceTeams(QStringLiteral(" Harbourside ")),
             QStringLiteral("/data/Harbourside.tmr"));
    QCOMPARE(dir.raceTestDrivers(QStringLiteral("Harbourside")),
             QStringLiteral("/data/Harbourside.tdr"));
    QCOMPARE(dir.raceTeams(QStringLiteral("../x/y")), QStringLiteral("/data/..%2Fx%2Fy.tmr"));
    QCOMPARE(dir.raceTeams(QStringLiteral("a\\b%c")), QStringLiteral("/data/a%5Cb%25c.tmr"));
    QCOMPARE(dir.raceTeams(QString(QChar(0)) + QStringLiteral("z")),
             QStringLiteral("/data/%00z.tmr"));
    // A typed name and the calendar's stored copy of it name the same file.
    QCOMPARE(dir.raceTeams(QStringLiteral("Łódź")), dir.raceTeams(QStringLiteral("?ód?")));
    QCOMPARE(dir.raceTeams(QString(100, u'r')), dir.raceTeams(QString(80, u'r')));
}

QTEST_GUILESS_MAIN(TestData)
#include "test_types.moc"
