#include "databases/test_driver.h"
#include "editor_helpers.h"
#include "gui.h"
#include "main/main_window.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

using namespace velmora;
using namespace velmora::test;

class TestTestDriver : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void layoutFitsWithoutOverlap();
    void emptyFileSavesPriceOneThenNewSavesZero();
    void prices_data();
    void prices();
    void deleteFirstOfTwoShowsTheOther();
    void menuOpensModalEditorThatUpdatesViewer();

    void noWindowLeft();
};

void TestTestDriver::initTestCase()
{
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 8)); // the program's font
}

void TestTestDriver::layoutFitsWithoutOverlap()
{
    TempData data;
    Test_Driver w(data.dir());
    QCOMPARE(w.windowTitle(), QStringLiteral("Test Driver Database"));
    checkLayout(&w, 11);
}

void TestTestDriver::emptyFileSavesPriceOneThenNewSavesZero()
{
    TempData data;
    Test_Driver w(data.dir());
    w.show();
    QCOMPARE(text(&w, "Number") + '|' + text(&w, "Driver") + '|' + text(&w, "Price"),
             QStringLiteral("1||1"));
    QCOMPARE(steps(&w), QStringLiteral("--"));
    click(&w, "New");
    QCOMPARE(text(&w, "Number") + '|' + text(&w, "Driver") + '|' + text(&w, "Price"),
             QStringLiteral(" 2||"));
    QCOMPARE(w.focusWidget(), box(&w, "Driver"));
    click(&w, "Close");
    QCOMPARE(readBytes(data.dir().testDrivers()),
             testDriver(QString(), 1).encode() + testDriver(QString(), 0).encode());
}

void TestTestDriver::prices_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::newRow("whole") << "12" << 12;
    QTest::newRow("half down to even") << "2.5" << 2;
    QTest::newRow("half up to even") << "3.5" << 4;
    QTest::newRow("4.5") << "4.5" << 4;
    QTest::newRow("unit") << "7m" << 7;
    QTest::newRow("no number") << "abc" << 0;
    QTest::newRow("too big") << "99999" << 32767;
    QTest::newRow("too small") << "-1E999" << -32768;
}

void TestTestDriver::prices()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    TempData data;
    writeRecords(data.dir().testDrivers(), std::vector{testDriver(QStringLiteral("Ann"), 3, -7),
                                                       testDriver(QStringLiteral("Bo"), 2, 5)});
    Test_Driver w(data.dir());
    w.show();
    type(&w, "Price", typed);
    click(&w, "Forward");
    click(&w, "Previous");
    QCOMPARE(text(&w, "Price"), QString::number(stored));
    QCOMPARE(readBytes(data.dir().testDrivers()),
             testDriver(QStringLiteral("Ann"), int16_t(stored), -7).encode()
                 + testDriver(QStringLiteral("Bo"), 2, 5).encode());
}

void TestTestDriver::deleteFirstOfTwoShowsTheOther()
{
    TempData data;
    writeRecords(data.dir().testDrivers(), std::vector{testDriver(QStringLiteral("Ann"), 3, -7),
                                                       testDriver(QStringLiteral("Bo"), 2, 5)});
    Test_Driver w(data.dir());
    w.show();
    QCOMPARE(steps(&w), QStringLiteral("->"));
    click(&w, "Delete");
    QCOMPARE(text(&w, "Number") + '|' + text(&w, "Driver") + '|' + text(&w, "Price"),
             QStringLiteral("1|Bo|2"));
    QVERIFY(!data.exists(QStringLiteral("temp.tro")));
    // One record left: Next would lead past it.
    QCOMPARE(steps(&w), QStringLiteral("--"));
    type(&w, "Driver", QStringLiteral("Bo Dean"));
    click(&w, "Close");
    QCOMPARE(readBytes(data.dir().testDrivers()),
             testDriver(QStringLiteral("Bo Dean"), 2, 5).encode());
}

void TestTestDriver::menuOpensModalEditorThatUpdatesViewer()
{
    TempData data;
    writeRecords(data.dir().teams(), std::vector{team("T", "E", "D1", "D2")});
    writeRecords(data.dir().testDrivers(), std::vector{testDriver(QStringLiteral("Ann"))});
    writeRecords(data.dir().entries(), std::vector{entry(QStringLiteral("Owner"), 5)});
    Main main(data.dir());
    main.show();
    const FlexGrid* viewer = control<Team_Viewer>(&main, "Team_Viewer")->grid();
    QCOMPARE(cellText(viewer, 1, 6), QStringLiteral("Ann"));

    const QString opened = inModal([&] { menuItem(&main, "Setup_Driver")->trigger(); },
                                   [](QWidget* modal) {
                                       type(modal, "Driver", QStringLiteral("Ann Vale"));
                                       click(modal, "Close");
                                   });
    QCOMPARE(opened, QStringLiteral("Test_Driver"));
    QCOMPARE(cellText(viewer, 1, 6), QStringLiteral("Ann Vale"));
    QVERIFY(main.findChildren<Test_Driver*>().isEmpty());
    main.hide();
}

void TestTestDriver::noWindowLeft()
{
    QVERIFY(noEditorLeft());
}

QTEST_MAIN(TestTestDriver)
#include "test_test_driver.moc"
