#include "data/codepage.h"
#include "data/io.h"
#include "data/text.h"
#include "fixture.h"
#include "main/league_order.h"

#include <QTest>

#include <cerrno>

using namespace velmora;
using namespace velmora::test;

Q_DECLARE_METATYPE(velmora::LeagueOrder)

namespace {

QStringList owners(const std::vector<EntryRecord>& entries)
{
    QStringList names;
    for (const EntryRecord& e : entries)
        names.append(displayText(e.Owner));
    return names;
}

QByteArray bytesOf(const std::vector<EntryRecord>& entries)
{
    QByteArray bytes;
    for (const EntryRecord& e : entries)
        bytes += e.encode();
    return bytes;
}

// The entry file put in order, its records as orderEntryFile gives them back, decoded.
bool orderEntries(const DataDir& dir, LeagueOrder order, std::vector<EntryRecord>* shown,
                  QString* error)
{
    QByteArray records;
    const bool ok = orderEntryFile(dir, order, &records, error);
    if (!decodeRecords(records, dir.entries(), shown, nullptr))
        qFatal("cannot decode the records of %s", qPrintable(dir.entries()));
    return ok;
}

// Records every operation that would change a file.
struct WriteWatch {
    QStringList seen;
    WriteWatch()
    {
        io::setFaultHook([this](io::Op op, const QString& path) {
            if (op == io::Op::Write || op == io::Op::Truncate || op == io::Op::Rename)
                seen.append(path);
            return 0;
        });
    }
    ~WriteWatch() { io::setFaultHook({}); }
};

} // namespace

class TestLeagueOrder : public QObject {
    Q_OBJECT
private slots:
    void orders_data();
    void orders();
    void movesWholeRecordsAndKeepsPartialTail();
    void fileInOrderIsNotWritten();
    void emptyOrAbsentFile();
    void failedRewriteKeepsFileAndReportsItsOrder();
};

void TestLeagueOrder::orders_data()
{
    QTest::addColumn<LeagueOrder>("order");
    QTest::addColumn<QStringList>("file"); // owners, in file order
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<QStringList>("expected");

    const auto P = LeagueOrder::ByPoints;
    const auto O = LeagueOrder::ByOwner;
    QTest::newRow("highest points first")
        << P << QStringList{"a", "b", "c"} << QList<int>{10, 30, 20} << QStringList{"b", "c", "a"};
    QTest::newRow("equal points keep file order")
        << P << QStringList{"A", "N", "B", "C", "D"} << QList<int>{5, -4, 7, 5, 7}
        << QStringList{"B", "D", "A", "C", "N"};
    QTest::newRow("points are signed")
        << P << QStringList{"neg", "zero", "max"} << QList<int>{-32768, 0, 32767}
        << QStringList{"max", "zero", "neg"};
    QTest::newRow("one entry") << P << QStringList{"solo"} << QList<int>{1} << QStringList{"solo"};
    QTest::newRow("owners by code") << O << QStringList{"bob", "Alan", "Ann"} << QList<int>{1, 2, 3}
                                    << QStringList{"Alan", "Ann", "bob"};
    QTest::newRow("upper case first")
        << O << QStringList{"adam", "Zoe"} << QList<int>{0, 0} << QStringList{"Zoe", "adam"};
    QTest::newRow("prefix first") << O << QStringList{"Anna", "Ann", "Ann Lee"}
                                  << QList<int>{0, 0, 0} << QStringList{"Ann", "Ann Lee", "Anna"};
    // Code-page order, not Unicode order: the euro sign is 0x80 there, below 'é' (0xE9),
    // and both come after every ASCII letter.
    QTest::newRow("code page bytes")
        << O << QStringList{"\u00e9mile", "\u20acuro", "zed"} << QList<int>{0, 0, 0}
        << QStringList{"zed", "\u20acuro", "\u00e9mile"};
    QTest::newRow("equal owners keep file order")
        << O << QStringList{"Kim", "Al", "Kim"} << QList<int>{1, 2, 3}
        << QStringList{"Al", "Kim", "Kim"};
}

void TestLeagueOrder::orders()
{
    QFETCH(LeagueOrder, order);
    QFETCH(QStringList, file);
    QFETCH(QList<int>, points);
    QFETCH(QStringList, expected);

    TempData data;
    std::vector<EntryRecord> records;
    for (int i = 0; i < file.size(); ++i)
        records.push_back(entry(file[i], int16_t(points[i]), int16_t(i)));
    writeRecords(data.dir().entries(), records);

    std::vector<EntryRecord> shown;
    QString error;
    QVERIFY2(orderEntries(data.dir(), order, &shown, &error), qPrintable(error));
    QCOMPARE(owners(shown), expected);
    const std::vector<EntryRecord> stored = readRecords<EntryRecord>(data.dir().entries());
    QCOMPARE(owners(stored), expected);
    QCOMPARE(bytesOf(stored), bytesOf(shown));
    // Equal keys are told apart by TeamIndex, which records the file position.
    for (std::size_t i = 1; i < stored.size(); ++i)
        if (stored[i].Owner == stored[i - 1].Owner && stored[i].Points == stored[i - 1].Points)
            QVERIFY(stored[i].TeamIndex > stored[i - 1].TeamIndex);
    QVERIFY(!data.exists(QStringLiteral("temp.tro")));
}

void TestLeagueOrder::movesWholeRecordsAndKeepsPartialTail()
{
    TempData data;
    EntryRecord low = entry(QStringLiteral("Low"), 1, 2, 3, 4, 5, 6);
    low.Price = 31.5f;
    const EntryRecord high = entry(QStringLiteral("High"), 9, 7, 8, 9, 10, 11);
    const QByteArray tail("partial");
    writeBytes(data.dir().entries(), low.encode() + high.encode() + tail);

    std::vector<EntryRecord> shown;
    QVERIFY(orderEntries(data.dir(), LeagueOrder::ByPoints, &shown, nullptr));
    QCOMPARE(readBytes(data.dir().entries()), high.encode() + low.encode() + tail);
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown[1].Price, 31.5f);

    // As bytes, the records come without the partial tail.
    QByteArray records;
    QVERIFY(orderEntryFile(data.dir(), LeagueOrder::ByOwner, &records, nullptr));
    QCOMPARE(records, high.encode() + low.encode());
}

void TestLeagueOrder::fileInOrderIsNotWritten()
{
    TempData data;
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("Alan"), 30), entry(QStringLiteral("Ann"), 20),
                             entry(QStringLiteral("bob"), 20)});
    for (LeagueOrder order : {LeagueOrder::ByPoints, LeagueOrder::ByOwner}) {
        WriteWatch watch;
        std::vector<EntryRecord> shown;
        QVERIFY(orderEntries(data.dir(), order, &shown, nullptr));
        QCOMPARE(watch.seen, QStringList());
        QCOMPARE(owners(shown), (QStringList{"Alan", "Ann", "bob"}));
    }
    QVERIFY(!data.exists(QStringLiteral("temp.tro")));
}

void TestLeagueOrder::emptyOrAbsentFile()
{
    TempData data;
    WriteWatch watch;
    QByteArray shown = entry(QStringLiteral("stale")).encode();
    QVERIFY(orderEntryFile(data.dir(), LeagueOrder::ByOwner, &shown, nullptr));
    QVERIFY(shown.isEmpty());
    QVERIFY(data.exists(QStringLiteral("entry.tro")));
    QCOMPARE(readBytes(data.dir().entries()), QByteArray());
    QCOMPARE(watch.seen, QStringList());
}

void TestLeagueOrder::failedRewriteKeepsFileAndReportsItsOrder()
{
    for (io::Op failing : {io::Op::Open, io::Op::Write, io::Op::Sync, io::Op::Rename}) {
        TempData data;
        writeRecords(data.dir().entries(),
                     std::vector{entry(QStringLiteral("b"), 1), entry(QStringLiteral("a"), 2)});
        const QByteArray before = readBytes(data.dir().entries());
        const QString scratch = data.dir().scratch();
        // Open fails only for the scratch file, so the entries are still read.
        io::setFaultHook([=](io::Op op, const QString& path) {
            return op == failing && (op != io::Op::Open || path == scratch) ? ENOSPC : 0;
        });
        std::vector<EntryRecord> shown;
        QString error;
        const bool ok = orderEntries(data.dir(), LeagueOrder::ByOwner, &shown, &error);
        io::setFaultHook({});
        QVERIFY(!ok);
        QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral(".tro")), qPrintable(error));
        QCOMPARE(readBytes(data.dir().entries()), before);
        QCOMPARE(owners(shown), (QStringList{"b", "a"}));
        QVERIFY(!data.exists(QStringLiteral("temp.tro")));
    }

    TempData data;
    io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Read ? EIO : 0; });
    writeBytes(data.dir().entries(), entry(QStringLiteral("x")).encode());
    QByteArray shown = entry(QStringLiteral("stale")).encode();
    QString error;
    QVERIFY(!orderEntryFile(data.dir(), LeagueOrder::ByOwner, &shown, &error));
    io::setFaultHook({});
    QVERIFY(shown.isEmpty());
    QVERIFY2(error.contains(data.dir().entries()), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestLeagueOrder)
#include "test_league_order.moc"
