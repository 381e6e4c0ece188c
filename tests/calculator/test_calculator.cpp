#include "calculator/calculate.h"
#include "calculator/calculator.h"
#include "data/text.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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
    const TeamRecord b =
        team(QStringLiteral("Everleigh"), QStringLiteral("Pellam"), QStringLiteral("Noor Haddad"),
             QStringLiteral("Piet Holm"), 0.125f, 1);
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
    const QString opened = inModal([&main] { main.File_Calc_Click(); },
                                   [&budget](QWidget* dialog) {
                                       type(dialog, "Budge", budget);
                                       click(dialog, "Ok");
                                   });
    QCOMPARE(opened, QStringLiteral("Calculate"));
}

} // namespace

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
    QTest::newRow("100") << "100"
                         << "37"
                         << "99.5";
    QTest::newRow("blanks") << " 100 "
                            << "37"
                            << "99.5";
    QTest::newRow("unit") << "100m"
                          << "37"
                          << "99.5";
    QTest::newRow("exactly the price") << "99.5"
                                       << "37"
                                       << "99.5";
    QTest::newRow("half") << "0.5"
                          << "4"
                          << ".5";
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
    QVERIFY(text(&dialog, "Budge").isEmpty());
    dialog.show();
    type(&dialog, "Budge", budget);
    click(&dialog, "Ok");

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(result);
    QVERIFY(result->isVisible());
    QVERIFY(!result->isModal());
    QCOMPARE(resultWindows().size(), 1);
    QCOMPARE(text(result, "Score"), score);
    QCOMPARE(text(result, "Price"), price);
    QCOMPARE(text(result, "Score2"), QStringLiteral("4"));
    QCOMPARE(text(result, "Price2"), QStringLiteral(".5"));
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
    type(&dialog, "Budge", budget);
    click(&dialog, "Ok");
    QTest::keyClick(box(&dialog, "Budge"), Qt::Key_Return); // Enter in the box presses nothing

    QVERIFY(dialog.isVisible());
    QCOMPARE(text(&dialog, "Budge"), budget);
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
    QCOMPARE(text(&w, "Team"), fieldText(QStringLiteral("Aldwych Racing")));
    QCOMPARE(box(&w, "Team")->cursorPosition(), 0);
    QCOMPARE(text(&w, "Engine"), fieldText(QStringLiteral("Corvane")));
    QCOMPARE(text(&w, "Driver1"), fieldText(QStringLiteral("Mara Lind")));
    QCOMPARE(text(&w, "Driver2"), fieldText(QStringLiteral("Tomas Ebro")));
    QCOMPARE(text(&w, "Engine2"), fieldText(QStringLiteral("Pellam")));
    QCOMPARE(text(&w, "Driver12"), fieldText(QStringLiteral("Noor Haddad")));
    QCOMPARE(control<QGroupBox>(&w, "Frame1")->title(), QStringLiteral("Best Possible Team"));
    QCOMPARE(control<QGroupBox>(&w, "Frame2")->title(), QStringLiteral("Worst Possible Team"));
    QVERIFY(!box(&w, "TestDriver")->isEnabled());
    QVERIFY(text(&w, "TestDriver").isEmpty());
}

void TestCalculator::emptyOrUnaffordableLeavesFramesEmpty()
{
    TempData data;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1)
            writeLeague(data); // now the cheapest team costs 0.5
        Calculator w(data.dir(), QStringLiteral("0.4"));
        QVERIFY(w.loaded());
        for (QLineEdit* box : w.findChildren<QLineEdit*>())
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QVERIFY(data.exists(QStringLiteral("teams.tro")));
}

void TestCalculator::worstIsShownBeforeAnyRaceIsScored()
{
    // Every score 0: no best team, but the worst frame shows the first affordable team.
    TempData data;
    writeRecords(
        data.dir().teams(),
        std::vector{team(QStringLiteral("Dunmore"), QStringLiteral("Pellam"),
                         QStringLiteral("Oskar Brandt"), QStringLiteral("Yusuf Kaan"), 4.5f, 0)});
    Calculator w(data.dir(), QStringLiteral("40"));
    QVERIFY(text(&w, "Score").isEmpty());
    QVERIFY(text(&w, "Team").isEmpty());
    QCOMPARE(text(&w, "Score2"), QStringLiteral("0"));
    QCOMPARE(text(&w, "Price2"), QStringLiteral("18"));
    QCOMPARE(text(&w, "Team2"), fieldText(QStringLiteral("Dunmore")));
}

void TestCalculator::oneResultWindowAtATime()
{
    TempData data;
    writeLeague(data);
    Main main(data.dir());
    confirmFromMenu(main, QStringLiteral("100"));
    QCOMPARE(resultWindows().size(), 1);
    Calculator* first = resultWindows().first();
    QCOMPARE(first->parentWidget(), &main); // outlives the dialog, goes with the program
    QCOMPARE(text(first, "Score"), QStringLiteral("37"));

    // While it is open, another budget brings it back without a new search.
    writeRecords(data.dir().teams(), std::vector<TeamRecord>{});
    confirmFromMenu(main, QStringLiteral("0.5"));
    QCOMPARE(resultWindows().size(), 1);
    QCOMPARE(resultWindows().first(), first);
    QCOMPARE(text(first, "Score"), QStringLiteral("37"));
    QVERIFY(!QApplication::activeModalWidget());

    // Once closed, the next budget searches again.
    QPointer<Calculator> gone(first);
    click(first, "Okay");
    QTRY_VERIFY(gone.isNull());
    writeLeague(data);
    confirmFromMenu(main, QStringLiteral("0.5"));
    QCOMPARE(resultWindows().size(), 1);
    QCOMPARE(text(resultWindows().first(), "Score"), QStringLiteral("4"));
}

void TestCalculator::closingDiscardsTheResult()
{
    TempData data;
    writeLeague(data);
    for (int how = 0; how < 3; ++how) {
        QPointer<Calculator> w(new Calculator(data.dir(), QStringLiteral("100")));
        w->show();
        if (how == 0) {
            click(w, "Okay");
        } else if (how == 1) {
            // Esc does nothing in the result window; its close box still discards it.
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(w && w->isVisible());
            w->close();
        } else {
            w->close(); // the close box
        }
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
    type(&dialog, "Budge", QStringLiteral("100"));
    click(&dialog, "Ok");

    QCOMPARE(Messages::collected().size(), 1);
    QVERIFY2(Messages::collected().first().contains(QStringLiteral("teams.tro")),
             qPrintable(Messages::collected().first()));
    QVERIFY(!result);
    QVERIFY(resultWindows().isEmpty());
    QVERIFY(dialog.isVisible()); // the organiser may try again or close it
}

void TestCalculator::noWindowLeftOpen()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

QTEST_MAIN(TestCalculator)
#include "test_calculator.moc"
