#include "data/io.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <cerrno>

using namespace velmora;
using namespace velmora::test;

namespace {

std::vector<EntryRecord> numberedEntries(int n)
{
    std::vector<EntryRecord> records;
    for (int i = 1; i <= n; ++i)
        records.push_back(entry(QStringLiteral("Owner %1").arg(i), int16_t(i)));
    return records;
}

QStringList column(const FlexGrid* grid, int col)
{
    QStringList texts;
    for (int r = 0; r < grid->rows(); ++r)
        texts.append(cellText(grid, r, col).trimmed());
    return texts;
}

QStringList positions(int rows)
{
    QStringList texts;
    for (int r = 1; r <= rows; ++r)
        texts.append(QString::number(r));
    return texts;
}

// What the window shows while a command reads its files: the hourglass, and whether the
// league grid is redrawing.
struct DuringRun {
    bool hourglass = false, redrawing = true;
    explicit DuringRun(const FlexGrid* grid)
    {
        io::setFaultHook([this, grid](io::Op op, const QString&) {
            if (op == io::Op::Open) {
                hourglass = QApplication::overrideCursor()
                            && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
                redrawing = grid->redraw();
            }
            return 0;
        });
    }
    ~DuringRun() { io::setFaultHook({}); }
};

// Owner texts of the first rows, then empty texts down to the last row.
QStringList padded(QStringList texts, int rows)
{
    while (texts.size() < rows)
        texts.append(QString());
    return texts;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpWithoutEntryFile();
    void startUpRowCount_data();
    void startUpRowCount();
    void startUpCellTexts();
    void startUpFailureIsReportedOnce();

    void sortButtonsOrderFileAndGrid();
    void sortClearsAndGrowsRows();
    void sortFailureShowsFileOrder();

    void outputScoresWritesReport();
    void outputScoresCancelAndFailure();

    void noWindowLeft();
};

void TestMainWindow::initTestCase()
{
    Messages::collect(true);
}

void TestMainWindow::init()
{
    Messages::collected().clear();
}

void TestMainWindow::cleanup()
{
    io::setFaultHook({});
    SaveFileDialog::setNextFileName({});
    QVERIFY(!QApplication::overrideCursor());
}

void TestMainWindow::startUpWithoutEntryFile()
{
    TempData data;
    Main main(data.dir());
    FlexGrid* grid = control<FlexGrid>(&main, "HiScores");
    QVERIFY(main.loaded());
    QVERIFY(data.exists(QStringLiteral("entry.tro")));
    QCOMPARE(readBytes(data.dir().entries()), QByteArray());
    QCOMPARE(grid->rows(), 16);
    QCOMPARE(column(grid, 0), positions(16));
    QCOMPARE(column(grid, 1), padded({}, 16));
    QCOMPARE(column(grid, 2), padded({}, 16));
    QVERIFY(Messages::collected().isEmpty());
}

void TestMainWindow::startUpRowCount_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("rows");
    QTest::newRow("13") << 13 << 16;
    QTest::newRow("14") << 14 << 17;
    QTest::newRow("20") << 20 << 23;
}

void TestMainWindow::startUpRowCount()
{
    QFETCH(int, entries);
    QFETCH(int, rows);
    TempData data;
    writeRecords(data.dir().entries(), numberedEntries(entries));
    Main main(data.dir());
    FlexGrid* grid = control<FlexGrid>(&main, "HiScores");
    QCOMPARE(grid->rows(), rows);
    QCOMPARE(column(grid, 0), positions(rows));
    QStringList owners, points;
    for (int i = 1; i <= entries; ++i) {
        owners.append(QStringLiteral("Owner %1").arg(i));
        points.append(QString::number(i));
    }
    QCOMPARE(column(grid, 1), padded(owners, rows));
    QCOMPARE(column(grid, 2), padded(points, rows));
}

void TestMainWindow::startUpCellTexts()
{
    TempData data;
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("Ann"), 12), entry(QStringLiteral("Bo"), -4)});
    Main main(data.dir());
    FlexGrid* grid = control<FlexGrid>(&main, "HiScores");
    // The owner as stored, all 80 characters; the grid draws it without the blanks.
    grid->setRow(0);
    grid->setCol(1);
    QCOMPARE(grid->text(), QStringLiteral("Ann") + QString(77, u' '));
    QCOMPARE(cellText(grid, 0, 1), QStringLiteral("Ann"));
    QCOMPARE(cellText(grid, 0, 2), QStringLiteral("12"));
    QCOMPARE(cellText(grid, 1, 2), QStringLiteral("-4"));
}

void TestMainWindow::startUpFailureIsReportedOnce()
{
    // Tests run as root, where folder permissions block nothing; the fault hook stands in
    // for a data directory that cannot be written.
    for (const QString& name : {QStringLiteral("entry.tro"), QString()}) {
        TempData data;
        const QString failing = name.isEmpty() ? QString() : data.path(name);
        io::setFaultHook([=](io::Op op, const QString& path) {
            return op == io::Op::Open && (failing.isEmpty() || path == failing) ? EACCES : 0;
        });
        Messages::collected().clear();
        Main main(data.dir());
        io::setFaultHook({});
        QVERIFY(!main.loaded());
        QCOMPARE(Messages::collected().size(), 1);
        const QString message = Messages::collected().constFirst();
        QVERIFY2(message.contains(QStringLiteral("Permission denied")), qPrintable(message));
        QVERIFY2(message.contains(name.isEmpty() ? data.dir().teams() : failing),
                 qPrintable(message));
    }
}

void TestMainWindow::sortButtonsOrderFileAndGrid()
{
    TempData data;
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("bob"), 10), entry(QStringLiteral("Alan"), 30),
                             entry(QStringLiteral("Ann"), 20)});
    Main main(data.dir());
    FlexGrid* grid = control<FlexGrid>(&main, "HiScores");
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    click(&main, "Sort_Points");
    QCOMPARE(column(grid, 1).mid(0, 4), (QStringList{"Alan", "Ann", "bob", ""}));
    QCOMPARE(column(grid, 2).mid(0, 4), (QStringList{"30", "20", "10", ""}));
    QCOMPARE(column(grid, 0), positions(16));
    QVERIFY(grid->hasFocus());
    QVERIFY(grid->redraw());

    // bob is given the most points in the file behind the grid's back.
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("Alan"), 30), entry(QStringLiteral("Ann"), 20),
                             entry(QStringLiteral("bob"), 50)});
    click(&main, "Sort_Owner");
    QCOMPARE(column(grid, 1).mid(0, 3), (QStringList{"Alan", "Ann", "bob"}));
    QCOMPARE(column(grid, 2).mid(0, 3), (QStringList{"30", "20", "50"}));
    QVERIFY(grid->hasFocus());
    QCOMPARE(readRecords<EntryRecord>(data.dir().entries())[2].Points, int16_t(50));
    QVERIFY(Messages::collected().isEmpty());
    main.close();
}

void TestMainWindow::sortClearsAndGrowsRows()
{
    TempData data;
    writeRecords(data.dir().entries(), numberedEntries(3));
    Main main(data.dir());
    FlexGrid* grid = control<FlexGrid>(&main, "HiScores");

    // An entry deleted since the grid was filled: its row must not go on showing it.
    writeRecords(data.dir().entries(), numberedEntries(2));
    {
        DuringRun during(grid);
        main.Sort_Owner_Click();
        QVERIFY(during.hourglass);
        QVERIFY(!during.redrawing);
    }
    QVERIFY(grid->redraw());
    QCOMPARE(column(grid, 1), padded({"Owner 1", "Owner 2"}, 16));
    QCOMPARE(column(grid, 2), padded({"1", "2"}, 16));

    // More entries than rows: the grid grows as at start-up, numbered to the end.
    writeRecords(data.dir().entries(), numberedEntries(20));
    main.Sort_Points_Click();
    QCOMPARE(grid->rows(), 23);
    QCOMPARE(column(grid, 0), positions(23));
    QCOMPARE(cellText(grid, 0, 2), QStringLiteral("20"));
    QCOMPARE(cellText(grid, 19, 2), QStringLiteral("1"));
    QCOMPARE(cellText(grid, 20, 1), QString());
}

void TestMainWindow::sortFailureShowsFileOrder()
{
    TempData data;
    writeRecords(data.dir().entries(), numberedEntries(2));
    Main main(data.dir());
    FlexGrid* grid = control<FlexGrid>(&main, "HiScores");
    const QByteArray before = readBytes(data.dir().entries());
    grid->setTextMatrix(0, 1, QStringLiteral("stale"));
    io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Rename ? EIO : 0; });
    main.Sort_Points_Click();
    io::setFaultHook({});
    QCOMPARE(readBytes(data.dir().entries()), before);
    QCOMPARE(Messages::collected().size(), 1);
    QVERIFY2(Messages::collected().constFirst().contains(data.dir().entries()),
             qPrintable(Messages::collected().constFirst()));
    QCOMPARE(column(grid, 1).mid(0, 2), (QStringList{"Owner 1", "Owner 2"}));
    QVERIFY(grid->redraw());
}

void TestMainWindow::outputScoresWritesReport()
{
    TempData data;
    TeamRecord t = team("Red", "V8", "Ann Lee", "Bo", 10, 0);
    t.Driver1.Score = 12;
    writeRecords(data.dir().teams(), std::vector{t});
    writeRecords(data.dir().testDrivers(), std::vector{testDriver(QStringLiteral("Tim"), 1, 2)});
    writeRecords(data.dir().entries(),
                 std::vector{entry(QStringLiteral("Kim"), 41, 0, 0, 0, 1, 0)});
    Main main(data.dir());
    FlexGrid* grid = control<FlexGrid>(&main, "HiScores");

    const QString path = data.path(QStringLiteral("scores.txt"));
    SaveFileDialog::setNextFileName(path);
    {
        DuringRun during(grid);
        menuItem(&main, "File_Output")->trigger();
        QVERIFY(during.hourglass);
    }
    QVERIFY(Messages::collected().isEmpty());

    QByteArray expected =
        "                  Total\r\n"
        "Ann Lee             12\r\n\r\n"
        "Bo                  0\r\n\r\n"
        "Red                 0\r\n\r\n"
        "V8                  0\r\n\r\n"
        "TEAMS\r\n\r\n"
        "Manager       Team          Engine        Driver1       Driver2       Test Driver   \r\n"
        "\r\n"
        "Kim           Red           V8            Ann Lee       Bo            Tim           \r\n"
        "41            0             0             12            0             2             \r\n";
    // The viewer's other 22 rows below its heading are empty.
    for (int r = 3; r <= 24; ++r)
        expected += QByteArray(84, ' ') + "\r\n";
    expected += "\r\nChampionship\r\n\r\n"
                " 1    Kim                    41\r\n";
    QCOMPARE(readBytes(path), expected);
    // The report leaves the viewer's current cell on the last cell it read.
    QCOMPARE(main.findChild<Team_Viewer*>()->grid()->row(), 24);
}

void TestMainWindow::outputScoresCancelAndFailure()
{
    TempData data;
    Main main(data.dir());
    const QString path = data.path(QStringLiteral("scores.txt"));
    SaveFileDialog::setNextFileName(path);
    main.File_Output_Click();
    const QByteArray first = readBytes(path);
    QVERIFY(first.startsWith("                  Total\r\n"));

    // Cancelling a second report leaves the first one as it was.
    writeRecords(data.dir().entries(), std::vector{entry(QStringLiteral("Late"), 1)});
    SaveFileDialog::setNextFileName(QString());
    main.File_Output_Click();
    QCOMPARE(readBytes(path), first);

    // A failed write is told once, by the file's name; the earlier report stays whole.
    io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Write ? ENOSPC : 0; });
    SaveFileDialog::setNextFileName(path);
    main.File_Output_Click();
    io::setFaultHook({});
    QCOMPARE(readBytes(path), first);
    QCOMPARE(Messages::collected().size(), 1);
    QVERIFY2(Messages::collected().constFirst().contains(path)
                 && Messages::collected().constFirst().contains(
                     QStringLiteral("No space left on device")),
             qPrintable(Messages::collected().constFirst()));
}

void TestMainWindow::noWindowLeft()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
