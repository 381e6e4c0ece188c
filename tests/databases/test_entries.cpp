#include "data/io.h"
#include "data/text.h"
#include "data/types.h"
#include "databases/entries.h"
#include "fixture.h"
#include "main/league_table.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

TeamRecord priced(const char* team, float tp, const char* engine, float ep, const char* d1,
                  float d1p, const char* d2, float d2p)
{
    TeamRecord t;
    t.Team = {QString::fromLatin1(team), tp, 0};
    t.Engine = {QString::fromLatin1(engine), ep, 0};
    t.Driver1 = {QString::fromLatin1(d1), d1p, 0};
    t.Driver2 = {QString::fromLatin1(d2), d2p, 0};
    return t;
}

// Three teams (the engine "Volt" twice) and two test drivers.
void writeDatabases(const TempData& d)
{
    writeRecords(d.dir().teams(),
                 std::vector{priced("Red", 12.3f, "Volt", 7.2f, "Ann", 5.1f, "Bo", 4.8f),
                             priced("Blue", 9.5f, "Volt", 6, "Cy", 0.75f, "Di", 3),
                             priced("Green", 4, "Hum", 2.5f, "Ed", 1.25f, "Flo", 2)});
    writeRecords(d.dir().testDrivers(), std::vector{testDriver("Sam", 2), testDriver("Ada", 3)});
}

std::vector<EntryRecord> threeEntries()
{
    return {entry("Kim", 10, 0, 0, 0, 1, 0), entry("Lou", 20, 1, 1, 2, 3, 1),
            entry("Max", 30, 2, 2, 4, 5, 0)};
}

// The entry editor with what Main hands it: the league grid, the Number box, the viewer.
struct Editor {
    FlexGrid grid;
    QLineEdit mainNumber;
    Team_Viewer viewer;
    std::unique_ptr<Entries> w;

    Editor(const TempData& d, const QString& number = QStringLiteral(" 1")) : viewer(d.dir())
    {
        grid.setCols(3);
        RecordFile f;
        f.open(d.dir().entries(), EntryRecord::Length);
        fillLeagueTable(&grid, f.realCount(), f.readAll<EntryRecord>());
        f.close();
        mainNumber.setText(number);
        w = std::make_unique<Entries>(d.dir(), &grid, &mainNumber, &viewer);
        w->show();
    }
    ~Editor() { w->hide(); }
    Entries* operator->() const { return w.get(); }
};

// A user's choice: the keyboard moves the selection, which runs the handler.
void choose(QComboBox* box, int position)
{
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < position; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

QStringList texts(std::initializer_list<QLineEdit*> boxes)
{
    QStringList out;
    for (QLineEdit* b : boxes)
        out << b->text();
    return out;
}

QList<int> positions(const Editor& e)
{
    return {e->Team->currentIndex(), e->Engine->currentIndex(), e->Driver1->currentIndex(),
            e->Driver2->currentIndex(), e->TDriver->currentIndex()};
}

QList<int> positions(const EntryRecord& r)
{
    return {r.TeamIndex, r.EngineIndex, r.Driver1Index, r.Driver2Index, r.TestDriverIndex};
}

} // namespace

class TestEntries : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanupTestCase();

    void emptyFileThenClose();
    void closeWithoutTeamStoresNothing();
    void closeBoxStoresNothing();
    void stepping();
    void neverPastTheLastEntry();
    void newKeepsComponents();
    void unchosenPickersFilledBeforeStoring();
    void pricesAndTotal();
    void listsAndMissingRecords();
    void deleting();
    void closeRewritesAndGrowsLeagueTable();
    void refusedRecalculationKeepsTheStore();
    void mainOpensEditorAtDoubleClickedRow();
    void fileErrorsLoseNothing();
};

void TestEntries::init()
{
    Messages::collect(true);
    Messages::collected().clear();
}

void TestEntries::cleanupTestCase()
{
    QCOMPARE(visibleTopLevelWindows(), 0);
}

void TestEntries::emptyFileThenClose()
{
    TempData d;
    writeDatabases(d);
    // One race: the chosen team scores 5, so Close's recalculation shows in the points.
    writeRecords(d.dir().calendar(), std::vector{RaceName{QStringLiteral("R")}});
    std::vector<TeamRecord> race(3);
    race[1].Team.Score = 5;
    writeRecords(d.dir().raceTeams("R"), race);

    Editor e(d);
    QVERIFY(e->loaded());
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(texts({e->Owner, e->Price, e->TPrice, e->EPrice, e->D1Price, e->D2Price, e->TDPrice}),
             QStringList(7, QString()));
    QCOMPARE(positions(e), QList<int>({-1, -1, -1, -1, -1}));
    QVERIFY(!e->Previous->isEnabled());
    QVERIFY(!e->Forward->isEnabled());

    QTest::keyClicks(e->Owner, QStringLiteral("  Zoe  "));
    choose(e->Team, 1);
    QCOMPARE(e->TPrice->text(), QStringLiteral("9.5"));
    QCOMPARE(e->Price->text(), QStringLiteral("9.5")); // only the team is priced yet
    QTest::mouseClick(e->Close, Qt::LeftButton);

    QVERIFY(!e->isVisible());
    const auto stored = readRecords<EntryRecord>(d.dir().entries());
    QCOMPARE(stored.size(), std::size_t(1));
    QCOMPARE(stored[0].Owner, QStringLiteral("Zoe").leftJustified(80));
    QCOMPARE(positions(stored[0]), QList<int>({1, 0, 0, 0, 0}));
    QCOMPARE(stored[0].Price, 9.5f + 7.2f + 5.1f + 5.1f + 2);
    QCOMPARE(stored[0].Points, int16_t(5));
    QCOMPARE(e.grid.textMatrix(0, 1), QStringLiteral("Zoe"));
    QCOMPARE(e.grid.textMatrix(0, 2), QStringLiteral("5"));
    QCOMPARE(e.viewer.Spread->textMatrix(1, 1), QStringLiteral("Zoe"));
    QVERIFY(Messages::collected().isEmpty());
}

void TestEntries::closeWithoutTeamStoresNothing()
{
    TempData d;
    writeDatabases(d);
    std::vector<TeamRecord> teams = readRecords<TeamRecord>(d.dir().teams());
    teams[0].Team.Score = 40; // a recalculation (empty calendar) would zero it
    writeRecords(d.dir().teams(), teams);
    const QByteArray teamBytes = readBytes(d.dir().teams());

    Editor e(d);
    QTest::keyClicks(e->Owner, QStringLiteral("Nobody"));
    // The viewer is refreshed all the same: it shows an entry written behind its back.
    writeRecords(d.dir().entries(), std::vector{entry("Late")});
    QTest::mouseClick(e->Close, Qt::LeftButton);
    QVERIFY(!e->isVisible());
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).size(), std::size_t(1));
    QCOMPARE(readBytes(d.dir().teams()), teamBytes);
    QCOMPARE(e.viewer.Spread->textMatrix(1, 1), QStringLiteral("Late"));
}

void TestEntries::closeBoxStoresNothing()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    const QByteArray before = readBytes(d.dir().entries());
    Editor e(d);
    e->Owner->setText(QStringLiteral("Edited"));
    e->close();
    QVERIFY(!e->isVisible());
    QCOMPARE(readBytes(d.dir().entries()), before);
    QCOMPARE(e.grid.textMatrix(0, 1), QStringLiteral("Kim").leftJustified(80));
}

void TestEntries::stepping()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), std::vector{entry("Solo")});
    {
        Editor one(d);
        QVERIFY(!one->Forward->isEnabled());
    }
    writeRecords(d.dir().entries(), threeEntries());
    Editor e(d);
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim"));
    QVERIFY(e->Forward->isEnabled());

    struct Step {
        QPushButton* button;
        const char* number;
        const char* owner;
        bool previous, forward;
    };
    const Step steps[] = {{e->Forward, " 2", "Lou", true, true},
                          {e->Forward, " 3", "Max", true, false},
                          {e->Previous, " 2", "Lou", true, true},
                          {e->Previous, " 1", "Kim", false, true}};
    for (const Step& s : steps) {
        QTest::mouseClick(s.button, Qt::LeftButton);
        QCOMPARE(e->Number->text(), QString::fromLatin1(s.number));
        QCOMPARE(e->Owner->text(), QString::fromLatin1(s.owner));
        QCOMPARE(e->Previous->isEnabled(), s.previous);
        QCOMPARE(e->Forward->isEnabled(), s.forward);
    }
    QCOMPARE(positions(e), QList<int>({0, 0, 0, 1, 0}));
    // Stepping stored every shown entry as it was: points and positions unchanged.
    const auto stored = readRecords<EntryRecord>(d.dir().entries());
    QCOMPARE(stored[1].Points, int16_t(20));
    QCOMPARE(positions(stored[2]), QList<int>({2, 2, 4, 5, 0}));
}

void TestEntries::neverPastTheLastEntry()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    {
        // Opened at the last entry: Next is not offered.
        Editor last(d, QStringLiteral(" 3"));
        QCOMPARE(last->Owner->text(), QStringLiteral("Max"));
        QVERIFY(!last->Forward->isEnabled());
        last->Forward_Click(); // even when called, it does not step past the file
        QCOMPARE(last->Number->text(), QStringLiteral(" 3"));
    }
    // Opened at an empty league row: a new entry after the last one.
    Editor e(d, QStringLiteral(" 7"));
    QCOMPARE(e->Number->text(), QStringLiteral(" 4"));
    QCOMPARE(e->Owner->text(), QString());
    QCOMPARE(e->Price->text(), QString());
    QCOMPARE(positions(e), QList<int>({-1, -1, -1, -1, -1}));  // nothing read, nothing shown
    QVERIFY(!e->Forward->isEnabled());
    QTest::keyClicks(e->Owner, QStringLiteral("Ned"));
    choose(e->Team, 2);
    QTest::mouseClick(e->Close, Qt::LeftButton);
    const auto stored = readRecords<EntryRecord>(d.dir().entries());
    QCOMPARE(stored.size(), std::size_t(4));
    QCOMPARE(stored[3].Owner, QStringLiteral("Ned").leftJustified(80));
    QCOMPARE(readBytes(d.dir().entries()).size(), 4 * 96);
}

void TestEntries::newKeepsComponents()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    Editor e(d, QStringLiteral(" 2"));
    e->Owner->setText(QStringLiteral("Lou B"));
    QTest::mouseClick(e->New, Qt::LeftButton);

    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).at(1).Owner,
             QStringLiteral("Lou B").leftJustified(80));
    QCOMPARE(e->Number->text(), QStringLiteral(" 4"));
    QCOMPARE(e->Owner->text(), QString());
    QCOMPARE(e->Price->text(), QString());
    QCOMPARE(e->focusWidget(), e->Owner);
    QCOMPARE(positions(e), QList<int>({1, 1, 2, 3, 1}));
    QCOMPARE(e->TPrice->text(), QStringLiteral("9.5"));
    QVERIFY(e->Previous->isEnabled());
    QVERIFY(!e->Forward->isEnabled());

    QTest::keyClicks(e->Owner, QStringLiteral("Pat"));
    QTest::mouseClick(e->Previous, Qt::LeftButton);
    const auto stored = readRecords<EntryRecord>(d.dir().entries());
    QCOMPARE(stored.size(), std::size_t(4));
    QCOMPARE(stored[3].Owner, QStringLiteral("Pat").leftJustified(80));
    QCOMPARE(positions(stored[3]), QList<int>({1, 1, 2, 3, 1}));
    QCOMPARE(stored[3].Points, int16_t(20)); // the working record's points go along
    QCOMPARE(stored[3].Price, 0.0f);         // the total box was left empty
    QCOMPARE(e->Number->text(), QStringLiteral(" 3"));
    QCOMPARE(e->Owner->text(), QStringLiteral("Max"));
}

void TestEntries::unchosenPickersFilledBeforeStoring()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(),
                 std::vector{entry("Kim", 0, 2, -1, 1, 4, -1), entry("Lou", 0, 1, 1, 1, 1, 1)});
    Editor e(d);
    QCOMPARE(e->Engine->currentIndex(), -1);
    QCOMPARE(e->EPrice->text(), QString());
    QTest::mouseClick(e->Forward, Qt::LeftButton);
    QCOMPARE(positions(readRecords<EntryRecord>(d.dir().entries()).at(0)),
             QList<int>({2, 0, 1, 4, 0}));

    // With every picker chosen, a typed total is stored as the number it begins with.
    e->Price->setText(QStringLiteral("12.5m"));
    QTest::mouseClick(e->Previous, Qt::LeftButton);
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).at(1).Price, 12.5f);
}

void TestEntries::pricesAndTotal()
{
    TempData d;
    writeDatabases(d);
    // Two entries with the same components and different stored totals.
    EntryRecord same = entry("Kim", 0, 1, 0, 0, 1, 0);
    same.Price = 99;
    writeRecords(d.dir().entries(), std::vector{same, entry("Lou", 0, 1, 0, 0, 1, 0)});
    Editor e(d);
    QCOMPARE(e->Price->text(), QStringLiteral("28.6"));
    // The pickers keep their positions, and still every handler runs and the total follows
    // the prices rather than the stored value.
    QTest::mouseClick(e->Forward, Qt::LeftButton);
    QCOMPARE(e->Price->text(), QStringLiteral("28.6"));
    // Shown with the team of record 2: the total already counts the stored positions.
    QCOMPARE(texts({e->TPrice, e->EPrice, e->D1Price, e->D2Price, e->TDPrice}),
             QStringList({"9.5", "7.2", "5.1", "4.8", "2"}));
    choose(e->Team, 0);
    QCOMPARE(e->TPrice->text(), QStringLiteral("12.3"));
    QCOMPARE(e->Price->text(), QStringLiteral("31.4"));

    // Driver-list positions: 3 is Driver2 of record 2, 4 is Driver1 of record 3, 2 is the
    // 0.75 of record 2 shown with its zero.
    choose(e->Driver1, 3);
    QCOMPARE(e->D1Price->text(), QStringLiteral("3"));
    choose(e->Driver2, 4);
    QCOMPARE(e->D2Price->text(), QStringLiteral("1.25"));
    choose(e->Driver2, 2);
    QCOMPARE(e->D2Price->text(), QStringLiteral("0.75"));
    choose(e->Driver1, 2); // the same driver twice counts twice
    QCOMPARE(e->Price->text(), QStringLiteral("23"));
    choose(e->TDriver, 1);
    QCOMPARE(e->TDPrice->text(), QStringLiteral("3"));

    // Prices are read when chosen: a price changed on disk shows at the next choice.
    std::vector<TeamRecord> teams = readRecords<TeamRecord>(d.dir().teams());
    teams[0].Team.Price = 0.75f;
    writeRecords(d.dir().teams(), teams);
    emit e->Team->activated(0); // the user picks the item already selected
    QCOMPARE(e->TPrice->text(), QStringLiteral("0.75"));
}

void TestEntries::listsAndMissingRecords()
{
    TempData d;
    writeDatabases(d);
    writeBytes(d.dir().testDrivers(), {});
    // The second entry names a team, an engine and a driver that no longer exist.
    writeRecords(d.dir().entries(),
                 std::vector{entry("Kim", 0, 0, 0, 0, 1, 0), entry("Old", 0, 7, -5, 1, 9, 3)});
    Editor e(d);
    QCOMPARE(e->Team->count(), 3);
    QCOMPARE(e->Engine->itemText(0), e->Engine->itemText(1)); // "Volt" twice, kept
    QCOMPARE(e->Engine->itemText(0), QStringLiteral("Volt").leftJustified(80));
    QCOMPARE(e->Driver1->count(), 6);
    QCOMPARE(e->Driver2->itemText(3), QStringLiteral("Di").leftJustified(80));
    QCOMPARE(e->TDriver->count(), 1);
    QCOMPARE(e->TDriver->itemText(0), QStringLiteral(" "));
    QCOMPARE(e->TDriver->currentIndex(), 0);
    QCOMPARE(e->TDPrice->text(), QString()); // the blank item names no test driver

    QTest::mouseClick(e->Forward, Qt::LeftButton);
    QCOMPARE(positions(e), QList<int>({-1, -1, 1, -1, -1}));
    QCOMPARE(texts({e->TPrice, e->EPrice, e->D1Price, e->D2Price}),
             QStringList({"", "", "4.8", ""}));
    QCOMPARE(e->Price->text(), QStringLiteral("4.8"));
    e->close();

    // An empty team file: nothing to choose, nothing stored, nothing breaks.
    writeBytes(d.dir().teams(), {});
    writeBytes(d.dir().entries(), {});
    Editor empty(d);
    QCOMPARE(empty->Team->count(), 0);
    QTest::keyClicks(empty->Owner, QStringLiteral("Ivy"));
    QTest::mouseClick(empty->New, Qt::LeftButton);
    const auto stored = readRecords<EntryRecord>(d.dir().entries());
    QCOMPARE(stored.size(), std::size_t(1));
    QCOMPARE(positions(stored[0]), QList<int>({-1, -1, -1, -1, 0}));
    QTest::mouseClick(empty->Close, Qt::LeftButton);
    QVERIFY(!empty->isVisible());
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).size(), std::size_t(1));
}

void TestEntries::deleting()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    Editor e(d, QStringLiteral(" 2"));
    QTest::mouseClick(e->Delete, Qt::LeftButton);
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).size(), std::size_t(2));
    QCOMPARE(e->Number->text(), QStringLiteral(" 2"));
    QCOMPARE(e->Owner->text(), QStringLiteral("Max"));
    QVERIFY(!e->Forward->isEnabled());
    QVERIFY(!d.exists("temp.tro"));

    // Deleting the last entry shows the new last one; the files were reopened, so the
    // window goes on storing into the new file.
    QTest::mouseClick(e->Delete, Qt::LeftButton);
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim"));
    QVERIFY(!e->Previous->isEnabled());
    QVERIFY(!e->Forward->isEnabled());
    e->Owner->setText(QStringLiteral("Kim B"));
    QTest::mouseClick(e->New, Qt::LeftButton);
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).at(0).Owner,
             QStringLiteral("Kim B").leftJustified(80));

    // The unsaved new entry and then the only one: an empty file, a new entry at 1.
    QTest::mouseClick(e->Delete, Qt::LeftButton);
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim B"));
    QVERIFY(!e->Previous->isEnabled());
    QTest::mouseClick(e->Delete, Qt::LeftButton);
    QCOMPARE(readBytes(d.dir().entries()).size(), 0);
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(e->Owner->text(), QString());
    QVERIFY(!e->Previous->isEnabled());
    QVERIFY(Messages::collected().isEmpty());
}

void TestEntries::closeRewritesAndGrowsLeagueTable()
{
    TempData d;
    writeDatabases(d);
    std::vector<EntryRecord> fourteen;
    for (int i = 0; i < 14; ++i)
        fourteen.push_back(entry(QStringLiteral("Owner %1").arg(i + 1)));
    writeRecords(d.dir().entries(), fourteen);

    Editor e(d);
    QCOMPARE(e.grid.rows(), 17);
    e.grid.setTextMatrix(13, 1, QStringLiteral("stale"));
    QTest::mouseClick(e->Close, Qt::LeftButton);
    QCOMPARE(e.grid.rows(), 17);
    QCOMPARE(e.grid.textMatrix(13, 1), QStringLiteral("Owner 14"));

    // A 15th entry added since start-up: Close appends one row, numbered 18.
    e.w = std::make_unique<Entries>(d.dir(), &e.grid, &e.mainNumber, &e.viewer);
    e->show();
    QTest::mouseClick(e->New, Qt::LeftButton);
    QTest::keyClicks(e->Owner, QStringLiteral("Owner 15"));
    QTest::mouseClick(e->Close, Qt::LeftButton);
    QCOMPARE(e.grid.rows(), 18);
    QCOMPARE(e.grid.textMatrix(17, 0), QStringLiteral("18"));
    QCOMPARE(e.grid.textMatrix(14, 1), QStringLiteral("Owner 15"));
    QCOMPARE(e.grid.textMatrix(14, 2), QStringLiteral("0"));
}

void TestEntries::refusedRecalculationKeepsTheStore()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().calendar(),
                 std::vector{RaceName{QStringLiteral("R")}, RaceName{QStringLiteral("R")}});
    std::vector<TeamRecord> race(1);
    race[0].Engine.Score = 20000;
    writeRecords(d.dir().raceTeams("R"), race);

    Editor e(d);
    QTest::keyClicks(e->Owner, QStringLiteral("Ann"));
    choose(e->Team, 0);
    QTest::mouseClick(e->Close, Qt::LeftButton);
    QVERIFY(!e->isVisible());
    QCOMPARE(Messages::collected().size(), 1);
    QVERIFY2(Messages::collected()[0].contains(u"\"R\""), qPrintable(Messages::collected()[0]));
    // The entry is stored and the league table shows it as the file holds it.
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).size(), std::size_t(1));
    QCOMPARE(e.grid.textMatrix(0, 1), QStringLiteral("Ann").leftJustified(80));
    QCOMPARE(e.grid.textMatrix(0, 2), QStringLiteral("0"));
    QCOMPARE(e.viewer.Spread->textMatrix(1, 1), QStringLiteral("Ann"));
}

void TestEntries::mainOpensEditorAtDoubleClickedRow()
{
    TempData d;
    writeDatabases(d);
    std::vector<EntryRecord> five = threeEntries();
    five.push_back(entry("Ned", 40));
    five.push_back(entry("Oli", 50));
    writeRecords(d.dir().entries(), five);
    Main main(d.dir());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    QString number, owner;
    auto closeEditor = [&] {
        auto* editor = qobject_cast<Entries*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        number = editor->Number->text();
        owner = editor->Owner->text();
        editor->Owner->setText(owner + QStringLiteral("!"));
        QTest::mouseClick(editor->Close, Qt::LeftButton);
    };
    QTimer::singleShot(0, this, closeEditor);
    const QRect cell = main.HiScores->visualRect(main.HiScores->model()->index(2, 1));
    QTest::mouseDClick(main.HiScores->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(main.Number->text(), QStringLiteral(" 3"));
    QCOMPARE(number, QStringLiteral(" 3"));
    QCOMPARE(owner, QStringLiteral("Max"));
    QCOMPARE(readRecords<EntryRecord>(d.dir().entries()).at(2).Owner,
             QStringLiteral("Max!").leftJustified(80));
    QCOMPARE(displayText(main.HiScores->textMatrix(2, 1)), QStringLiteral("Max!"));

    QTimer::singleShot(0, this, closeEditor);
    main.Comp_Team->trigger();
    QCOMPARE(number, QStringLiteral(" 1"));
    QCOMPARE(owner, QStringLiteral("Kim"));
    main.hide();
}

void TestEntries::fileErrorsLoseNothing()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    const QByteArray before = readBytes(d.dir().entries());
    Editor e(d);
    e->Owner->setText(QStringLiteral("Kim B"));

    // The store fails: the edit stays on screen, at its number, and the file as it was.
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Write && path.endsWith(u"entry.tro") ? ENOSPC : 0;
    });
    QTest::mouseClick(e->Forward, Qt::LeftButton);
    QTest::mouseClick(e->Close, Qt::LeftButton);
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 2);
    QVERIFY2(Messages::collected()[0].contains(u"entry.tro"), qPrintable(Messages::collected()[0]));
    QVERIFY(e->isVisible());
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim B"));
    QCOMPARE(readBytes(d.dir().entries()), before);

    // The next entry cannot be read: it is not shown (nor later stored over itself).
    Messages::collected().clear();
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Read && path.endsWith(u"entry.tro") ? EIO : 0;
    });
    QTest::mouseClick(e->Forward, Qt::LeftButton);
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 1);
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim B"));

    // A delete that cannot replace the file leaves it whole.
    Messages::collected().clear();
    const QByteArray stored = readBytes(d.dir().entries());
    io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Rename ? EIO : 0; });
    QTest::mouseClick(e->Delete, Qt::LeftButton);
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 1);
    QCOMPARE(readBytes(d.dir().entries()), stored);
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim B"));
    QVERIFY(!d.exists("temp.tro"));
}

QTEST_MAIN(TestEntries)
#include "test_entries.moc"
