// A whole season through the windows only, as an organiser would work: the databases,
// four entries, two races, then the league table, the full table and the score report.
#include "data/text.h"
#include "fixture.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace velmora;
using namespace velmora::test;

namespace {

// Runs `act` on the modal window the next action opens.
void whenModal(const QString& expected, std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [expected, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QCOMPARE(modal->objectName(), expected);
        act(modal);
    });
}

template <class W>
W* child(QWidget* window, const char* name)
{
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no %s in %s", name, qPrintable(window->objectName()));
    return w;
}

void type(QWidget* window, const char* box, const QString& text)
{
    auto* edit = child<QLineEdit>(window, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// Chooses list position k with the keyboard, as a user would.
void pick(QWidget* window, const char* picker, int k)
{
    auto* box = child<QComboBox>(window, picker);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < k; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), k);
}

struct Team {
    const char *team, *teamPrice, *engine, *enginePrice, *driver1, *driver1Price, *driver2,
        *driver2Price;
};

void enterTeams(Main& main, const std::vector<Team>& teams)
{
    whenModal(QStringLiteral("Team_Entry"), [teams](QWidget* w) {
        for (std::size_t i = 0; i < teams.size(); ++i) {
            const Team& t = teams[i];
            type(w, "Team", QString::fromUtf8(t.team));
            type(w, "Team_Price", QString::fromUtf8(t.teamPrice));
            type(w, "Engine", QString::fromUtf8(t.engine));
            type(w, "Engine_Price", QString::fromUtf8(t.enginePrice));
            type(w, "Driver1", QString::fromUtf8(t.driver1));
            type(w, "Driver1_Price", QString::fromUtf8(t.driver1Price));
            type(w, "Driver2", QString::fromUtf8(t.driver2));
            type(w, "Driver2_Price", QString::fromUtf8(t.driver2Price));
            click(w, i + 1 < teams.size() ? "New" : "Close");
        }
    });
    main.Setup_Team->trigger();
}

void enterTestDrivers(Main& main, const std::vector<std::pair<const char*, const char*>>& drivers)
{
    whenModal(QStringLiteral("Test_Driver"), [drivers](QWidget* w) {
        for (std::size_t i = 0; i < drivers.size(); ++i) {
            type(w, "Driver", QString::fromUtf8(drivers[i].first));
            type(w, "Price", QString::fromUtf8(drivers[i].second));
            click(w, i + 1 < drivers.size() ? "New" : "Close");
        }
    });
    main.Setup_Driver->trigger();
}

struct Entry {
    const char* owner;
    int team, engine, driver1, driver2, testDriver;
};

void enterEntries(Main& main, const std::vector<Entry>& entries)
{
    whenModal(QStringLiteral("Entries"), [entries](QWidget* w) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Entry& e = entries[i];
            type(w, "Owner", QString::fromUtf8(e.owner));
            pick(w, "Team", e.team);
            pick(w, "Engine", e.engine);
            pick(w, "Driver1", e.driver1);
            pick(w, "Driver2", e.driver2);
            pick(w, "TDriver", e.testDriver);
            click(w, i + 1 < entries.size() ? "New" : "Close");
        }
    });
    main.Comp_Team->trigger();
}

using Points = std::array<const char*, 4>;

void scoreRace(Main& main, const char* race, const std::vector<Points>& teams,
               const std::vector<const char*>& testDrivers)
{
    whenModal(QStringLiteral("Score"), [=](QWidget* score) {
        auto* name = child<QComboBox>(score, "Race");
        name->setFocus();
        QTest::keyClicks(name, QString::fromUtf8(race));
        whenModal(QStringLiteral("Race_Score"), [teams](QWidget* card) {
            const char* boxes[] = {"Team_Price", "Engine_Price", "Driver1_Price", "Driver2_Price"};
            for (std::size_t i = 0; i < teams.size(); ++i) {
                for (int b = 0; b < 4; ++b)
                    type(card, boxes[b], QString::fromUtf8(teams[i][b]));
                click(card, i + 1 < teams.size() ? "Forward" : "Close");
            }
        });
        click(score, "Teamscore");
        whenModal(QStringLiteral("TD_Score"), [testDrivers](QWidget* card) {
            for (std::size_t i = 0; i < testDrivers.size(); ++i) {
                pick(card, "Driver", int(i));
                type(card, "Price", QString::fromUtf8(testDrivers[i]));
                click(card, i + 1 < testDrivers.size() ? "New" : "Close");
            }
        });
        click(score, "Testscore");
        click(score, "Calculate");
    });
    main.Comp_Score->trigger();
}

QStringList league(const Main& main)
{
    QStringList rows;
    for (int r = 0; r < main.HiScores->rows(); ++r) {
        const QString owner = displayText(main.HiScores->textMatrix(r, 1));
        if (!owner.isEmpty())
            rows << main.HiScores->textMatrix(r, 0) + u' ' + owner + u' '
                        + main.HiScores->textMatrix(r, 2);
    }
    return rows;
}

}  // namespace

class TestSeason : public QObject {
    Q_OBJECT
private slots:
    void wholeSeasonThroughTheWindows();
    void noWindowLeft();
};

void TestSeason::wholeSeasonThroughTheWindows()
{
    Messages::collect(true);
    TempData data;
    Main main(data.dir());
    main.show();

    enterTeams(main, {{"Aldwych", "10", "Corvane", "8", "Mara", "5", "Tomas", "4.5"},
                      {"Brightwater", "7.5", "Hollis", "6", "Ines", "3", "Kit", "2.25"}});
    enterTestDrivers(main, {{"Sam", "3"}, {"Ada", "2"}});
    // Driver list: Mara, Tomas, Ines, Kit.
    enterEntries(main, {{"Harriet", 0, 0, 0, 1, 0},
                        {"Ben", 1, 1, 2, 3, 1},
                        {"Priya", 0, 1, 0, 3, 1},
                        {"Tom", 1, 0, 1, 2, 0}});
    QCOMPARE(league(main), (QStringList{"1 Harriet 0", "2 Ben 0", "3 Priya 0", "4 Tom 0"}));
    const auto entries = readRecords<EntryRecord>(data.dir().entries());
    QCOMPARE(entries.size(), std::size_t(4));
    QCOMPARE(entries[0].Price, 10.f + 8.f + 5.f + 4.5f + 3.f);

    scoreRace(main, "Harbourside", {{"10", "6", "8", "3"}, {"4", "2", "5", "1"}}, {"2", "1"});
    QCOMPARE(league(main),
             (QStringList{"1 Harriet 29", "2 Priya 22", "3 Tom 20", "4 Ben 13"}));
    scoreRace(main, "Eastmoor", {{"5", "3", "2", "6"}, {"7", "4", "9", "0"}}, {"0", "3"});
    // Equal points keep the order they had.
    QCOMPARE(league(main),
             (QStringList{"1 Harriet 45", "2 Tom 45", "3 Priya 36", "4 Ben 36"}));
    QVERIFY(Messages::collected().isEmpty());

    // The full table: names row, then scores row, of the first and last entries.
    const FlexGrid* spread = main.viewer()->Spread;
    QStringList row1, row2, row8;
    for (int c = 1; c <= 6; ++c) {
        row1 << spread->textMatrix(1, c);
        row2 << spread->textMatrix(2, c);
        row8 << spread->textMatrix(8, c);
    }
    QCOMPARE(row1, (QStringList{"Harriet", "Aldwych", "Corvane", "Mara", "Tomas", "Sam"}));
    QCOMPARE(row2, (QStringList{"45", "15", "9", "10", "9", "2"}));
    QCOMPARE(row8, (QStringList{"36", "11", "6", "14", "1", "4"}));

    // The score report of the season.
    const QString report = data.path(QStringLiteral("season.txt"));
    SaveFileDialog::setNextFileName(report);
    main.File_Output->trigger();
    const QList<QByteArray> lines = readBytes(report).split('\n');
    QCOMPARE(lines[0], QByteArray("                  Total Harbourside Eastmoor\r"));
    QCOMPARE(lines[1], QByteArray("Mara                10  \t8  \t2\r"));
    QCOMPARE(lines[5], QByteArray("Kit                 1  \t1  \t0\r"));
    QCOMPARE(lines[6], QByteArray("\r"));
    QCOMPARE(lines[7], QByteArray("Aldwych             15  \t10  \t5\r"));
    const int championship = int(lines.indexOf(QByteArray("Championship\r")));
    QVERIFY(championship > 0);
    QCOMPARE(lines.mid(championship + 2, 4),
             (QList<QByteArray>{" 1    Harriet                45\r",
                                " 2    Tom                    45\r",
                                " 3    Priya                  36\r",
                                " 4    Ben                    36\r"}));

    // E&xit ends it all: the viewer and the About box go with the main window.
    main.Comp_View->trigger();
    main.Help_About->trigger();
    QVERIFY(main.viewer()->isVisible());
    main.File_Exit->trigger();
    QVERIFY(!main.isVisible());
    QVERIFY(!main.viewer()->isVisible());
}

void TestSeason::noWindowLeft() { QCOMPARE(visibleTopLevelWindows(), 0); }

QTEST_MAIN(TestSeason)
#include "test_season.moc"
