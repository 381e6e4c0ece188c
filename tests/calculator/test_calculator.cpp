#include "calculator/calculate.h"
#include "calculator/calculator.h"
#include "data/text.h"
#include "fixture.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace velmora;
using namespace velmora::test;

namespace {

// Two records. Record 1 alone makes the team of score 37 costing 99.5; record 2 alone the
// team of score 4 costing 0.5; every mix lies between.
void writeLeague(const TempData& data)
{
    TeamRecord a = team(QStringLiteral("Aldwych Racing"), QStringLiteral("Corvane"),
                        QStringLiteral("Mara Lind"), QStringLiteral("Tomas Ebro"));
    a.Team.Price = 20;
    a.Team.Score = 10;
    a.Engine.Price = 30;
    a.Engine.Score = 10;
    a.Driver1.Price = 25;
    a.Driver1.Score = 10;
    a.Driver2.Price = 24.5f;
    a.Driver2.Score = 7;
    const TeamRecord b = team(QStringLiteral("Everleigh"), QStringLiteral("Pellam"),
                              QStringLiteral("Noor Haddad"), QStringLiteral("Piet Holm"),
                              0.125f, 1);
    writeRecords(data.dir().teams(), std::vector{a, b});
}

QList<Calculator*> resultWindows()
{
    QList<Calculator*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<Calculator*>(w); c && c->isVisible())
            found.append(c);
    return found;
}

// Confirms a budget in the budget dialog that the main window's menu opens modally.
void confirmFromMenu(Main& main, const QString& budget)
{
    QTimer::singleShot(0, [budget] {
        auto* dialog = qobject_cast<Calculate*>(QApplication::activeModalWidget());
        if (!dialog)
            return;  // File_Calc_Click would then never return: the test times out
        QTest::keyClicks(dialog->Budge, budget);
        QTest::mouseClick(dialog->Ok, Qt::LeftButton);
    });
    main.File_Calc_Click();
}

}  // namespace

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void acceptedBudgetsOpenTheResult_data();
    void acceptedBudgetsOpenTheResult();
    void ignoredBudgetsChangeNothing_data();
    void ignoredBudgetsChangeNothing();
    void resultShowsNamesAsStored();
    void emptyOrUnaffordableLeavesFramesEmpty();
    void worstIsShownBeforeAnyRaceIsScored();
    void oneResultWindowAtATime();
    void closingDiscardsTheResult();
    void unreadableTeamFileIsReported();

    void noWindowLeftOpen();
};

void TestCalculator::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Calculator*>(w) || qobject_cast<Calculate*>(w))
            w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Messages::collect(false);
    Messages::collected().clear();
}

void TestCalculator::acceptedBudgetsOpenTheResult_data()
{
    QTest::addColumn<QString>("budget");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("price");
    QTest::newRow("100") << "100" << "37" << "99.5";
    QTest::newRow("blanks") << " 100 " << "37" << "99.5";
    QTest::newRow("unit") << "100m" << "37" << "99.5";
    QTest::newRow("exactly the price") << "99.5" << "37" << "99.5";
    QTest::newRow("half") << "0.5" << "4" << ".5";
}

void TestCalculator::acceptedBudgetsOpenTheResult()
{
    QFETCH(QString, budget);
    QFETCH(QString, score);
    QFETCH(QString, price);
    TempData data;
    writeLeague(data);
    QPointer<Calculator> result;
    Calculate dialog(data.dir(), result);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Calculate Best/Worst Team"));
    QVERIFY(dialog.Budge->text().isEmpty());
    dialog.show();
    QTest::keyClicks(dialog.Budge, budget);
    QTest::mouseClick(dialog.Ok, Qt::LeftButton);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(result);
    QVERIFY(result->isVisible());
    QVERIFY(!result->isModal());
    QCOMPARE(resultWindows().size(), 1);
    QCOMPARE(result->Score->text(), score);
    QCOMPARE(result->Price->text(), price);
    QCOMPARE(result->Score2->text(), QStringLiteral("4"));
    QCOMPARE(result->Price2->text(), QStringLiteral(".5"));
}

void TestCalculator::ignoredBudgetsChangeNothing_data()
{
    QTest::addColumn<QString>("budget");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-5";
    QTest::newRow("no number") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
}

void TestCalculator::ignoredBudgetsChangeNothing()
{
    QFETCH(QString, budget);
    TempData data;
    writeLeague(data);
    QPointer<Calculator> result;
    Calculate dialog(data.dir(), result);
    dialog.show();
    QTest::keyClicks(dialog.Budge, budget);
    QTest::mouseClick(dialog.Ok, Qt::LeftButton);
    QTest::keyClick(dialog.Budge, Qt::Key_Return);  // Enter presses Ok: the same

    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Budge->text(), budget);
    QVERIFY(!result);
    QVERIFY(resultWindows().isEmpty());
}

void TestCalculator::resultShowsNamesAsStored()
{
    TempData data;
    writeLeague(data);
    Calculator w(data.dir(), QStringLiteral("100"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Calculate Best/Worst Team"));
    // All 80 characters, trailing blanks too, shown from the start of the name.
    QCOMPARE(w.Team->text(), fieldText(QStringLiteral("Aldwych Racing")));
    QCOMPARE(w.Team->cursorPosition(), 0);
    QCOMPARE(w.Engine->text(), fieldText(QStringLiteral("Corvane")));
    QCOMPARE(w.Driver1->text(), fieldText(QStringLiteral("Mara Lind")));
    QCOMPARE(w.Driver2->text(), fieldText(QStringLiteral("Tomas Ebro")));
    QCOMPARE(w.Engine2->text(), fieldText(QStringLiteral("Pellam")));
    QCOMPARE(w.Driver12->text(), fieldText(QStringLiteral("Noor Haddad")));
    QCOMPARE(w.Frame1->title(), QStringLiteral("Best Possible Team"));
    QCOMPARE(w.Frame2->title(), QStringLiteral("Worst Possible Team"));
    QVERIFY(!w.TestDriver->isEnabled());
    QVERIFY(w.TestDriver->text().isEmpty());
}

void TestCalculator::emptyOrUnaffordableLeavesFramesEmpty()
{
    TempData data;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1)
            writeLeague(data);  // now the cheapest team costs 0.5
        Calculator w(data.dir(), QStringLiteral("0.4"));
        QVERIFY(w.loadError().isEmpty());
        for (QLineEdit* box : w.findChildren<QLineEdit*>())
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QVERIFY(data.exists(QStringLiteral("teams.tro")));
}

void TestCalculator::worstIsShownBeforeAnyRaceIsScored()
{
    // Every score 0: no best team, but the worst frame shows the first affordable team.
    TempData data;
    writeRecords(data.dir().teams(),
                 std::vector{team(QStringLiteral("Dunmore"), QStringLiteral("Pellam"),
                                  QStringLiteral("Oskar Brandt"), QStringLiteral("Yusuf Kaan"),
                                  4.5f, 0)});
    Calculator w(data.dir(), QStringLiteral("40"));
    QVERIFY(w.Score->text().isEmpty());
    QVERIFY(w.Team->text().isEmpty());
    QCOMPARE(w.Score2->text(), QStringLiteral("0"));
    QCOMPARE(w.Price2->text(), QStringLiteral("18"));
    QCOMPARE(w.Team2->text(), fieldText(QStringLiteral("Dunmore")));
}

void TestCalculator::oneResultWindowAtATime()
{
    TempData data;
    writeLeague(data);
    Main main(data.dir());
    confirmFromMenu(main, QStringLiteral("100"));
    QCOMPARE(resultWindows().size(), 1);
    Calculator* first = resultWindows().first();
    QCOMPARE(first->parentWidget(), &main);  // outlives the dialog, goes with the program
    QCOMPARE(first->Score->text(), QStringLiteral("37"));

    // While it is open, another budget brings it back without a new search.
    writeRecords(data.dir().teams(), std::vector<TeamRecord>{});
    confirmFromMenu(main, QStringLiteral("0.5"));
    QCOMPARE(resultWindows().size(), 1);
    QCOMPARE(resultWindows().first(), first);
    QCOMPARE(first->Score->text(), QStringLiteral("37"));
    QVERIFY(!QApplication::activeModalWidget());

    // Once closed, the next budget searches again.
    QPointer<Calculator> gone(first);
    QTest::mouseClick(first->Okay, Qt::LeftButton);
    QTRY_VERIFY(gone.isNull());
    writeLeague(data);
    confirmFromMenu(main, QStringLiteral("0.5"));
    QCOMPARE(resultWindows().size(), 1);
    QCOMPARE(resultWindows().first()->Score->text(), QStringLiteral("4"));
}

void TestCalculator::closingDiscardsTheResult()
{
    TempData data;
    writeLeague(data);
    for (int how = 0; how < 3; ++how) {
        QPointer<Calculator> w(new Calculator(data.dir(), QStringLiteral("100")));
        w->show();
        if (how == 0)
            QTest::mouseClick(w->Okay, Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(w, Qt::Key_Escape);
        else
            w->close();  // the close box
        QVERIFY(!w || !w->isVisible());
        QTRY_VERIFY(w.isNull());
    }
}

void TestCalculator::unreadableTeamFileIsReported()
{
    TempData data;
    QVERIFY(QDir(data.dir().path()).mkdir(QStringLiteral("teams.tro")));
    Messages::collect(true);
    QPointer<Calculator> result;
    Calculate dialog(data.dir(), result);
    dialog.show();
    QTest::keyClicks(dialog.Budge, QStringLiteral("100"));
    QTest::mouseClick(dialog.Ok, Qt::LeftButton);

    QCOMPARE(Messages::collected().size(), 1);
    QVERIFY2(Messages::collected().first().contains(QStringLiteral("teams.tro")),
             qPrintable(Messages::collected().first()));
    QVERIFY(!result);
    QVERIFY(resultWindows().isEmpty());
    QVERIFY(dialog.isVisible());  // the organiser may try again or close it
}

void TestCalculator::noWindowLeftOpen() { QCOMPARE(visibleTopLevelWindows(), 0); }

QTEST_MAIN(TestCalculator)
#include "test_calculator.moc"
