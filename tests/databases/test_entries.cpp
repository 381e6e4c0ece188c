#include "data/io.h"
#include "data/text.h"
#include "data/types.h"
#include "databases/entries.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "toolkit/league_table.h"
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

// The entry editor with what Main hands it, the league grid, and the viewer that Main has
// follow the editor's changes.
struct Editor {
    FlexGrid grid;
    Team_Viewer viewer;
    QString viewerError;
    std::unique_ptr<Entries> w;

    Editor(const TempData& d, qint64 first = 1) : viewer(d.dir())
    {
        grid.setCols(3);
        RecordFile f;
        QByteArray records;
        if (!f.open(d.dir().entries(), EntryRecord::Length, &viewerError)
            || !f.readAll(&records, &viewerError))
            qFatal("%s", qPrintable(viewerError));
        fillLeagueTable(&grid, f.realCount(), records);
        f.close();
        open(d, first);
    }
    ~Editor() { w->hide(); }

    // A new editor window at entry `first`, shown.
    void open(const TempData& d, qint64 first = 1)
    {
        w = std::make_unique<Entries>(d.dir(), first, &grid);
        QObject::connect(w.get(), &Form::entriesChanged, &viewer,
                         [this] { viewer.Update(&viewerError); });
        w->show();
    }
    Entries* operator->() const { return w.get(); }
    operator Entries*() const { return w.get(); }
};

std::vector<EntryRecord> stored(const TempData& d)
{
    return readRecords<EntryRecord>(d.dir().entries());
}

QString padded(const char* name)
{
    return QString::fromLatin1(name).leftJustified(80);
}

QStringList texts(const QWidget* w, std::initializer_list<const char*> boxes)
{
    QStringList out;
    for (const char* b : boxes)
        out << text(w, b);
    return out;
}

QList<int> positions(const QWidget* w)
{
    QList<int> out;
    for (const char* p : {"Team", "Engine", "Driver1", "Driver2", "TDriver"})
        out << picker(w, p)->currentIndex();
    return out;
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
    void closingWithoutStoring();
    void stepping();
    void newKeepsComponents();
    void unchosenPickersFilledBeforeStoring();
    void pricesAndTotal();
    void listsAndMissingRecords();
    void deleting();
    void closeRewritesAndGrowsLeagueTable();
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
    // One race in which team 2 scores 5, so Close's recalculation shows in the points.
    std::vector<TeamRecord> race(3);
    race[1].Team.Score = 5;
    writeRecords(d.dir().raceTeams("R"), race);
    writeRecords(d.dir().calendar(), std::vector{RaceName{"R"}});

    Editor e(d);
    QCOMPARE(text(e, "Number"), QStringLiteral(" 1"));
    QCOMPARE(texts(e, {"Owner", "Price", "TPrice", "EPrice", "D1Price", "D2Price", "TDPrice"}),
             QStringList(7, QString()));
    QCOMPARE(positions(e), QList<int>({-1, -1, -1, -1, -1}));
    QVERIFY(!button(e, "Previous")->isEnabled() && !button(e, "Forward")->isEnabled());

    QTest::keyClicks(box(e, "Owner"), QStringLiteral("  Zoe  "));
    pick(e, "Team", 1);
    QCOMPARE(text(e, "TPrice"), QStringLiteral("9.5"));
    QCOMPARE(text(e, "Price"), QStringLiteral("9.5")); // only the team is priced yet
    click(e, "Close");

    QVERIFY(!e->isVisible());
    const auto s = stored(d);
    QCOMPARE(s.size(), std::size_t(1));
    QCOMPARE(s[0].Owner, padded("Zoe"));
    QCOMPARE(positions(s[0]), QList<int>({1, 0, 0, 0, 0}));
    QCOMPARE(s[0].Price, 28.9f); // 9.5 + 7.2 + 5.1 + 5.1 + 2
    QCOMPARE(s[0].Points, int16_t(5));
    QCOMPARE(cellText(&e.grid, 0, 1), QStringLiteral("Zoe"));
    QCOMPARE(cellText(&e.grid, 0, 2), QStringLiteral("5"));
    QCOMPARE(cellText(e.viewer.grid(), 1, 1), QStringLiteral("Zoe"));
    QVERIFY(Messages::collected().isEmpty());
}

void TestEntries::closingWithoutStoring()
{
    TempData d;
    writeDatabases(d);
    std::vector<TeamRecord> teams = readRecords<TeamRecord>(d.dir().teams());
    teams[0].Team.Score = 40; // a recalculation (empty calendar) would zero it
    writeRecords(d.dir().teams(), teams);
    const QByteArray teamBytes = readBytes(d.dir().teams());
    {
        // Close without a team: nothing stored or recalculated, yet the viewer refreshed.
        Editor e(d);
        QTest::keyClicks(box(e, "Owner"), QStringLiteral("Nobody"));
        writeRecords(d.dir().entries(), std::vector{entry("Late")});
        click(e, "Close");
        QVERIFY(!e->isVisible());
        QCOMPARE(stored(d).size(), std::size_t(1));
        QCOMPARE(readBytes(d.dir().teams()), teamBytes);
        QCOMPARE(cellText(e.viewer.grid(), 1, 1), QStringLiteral("Late"));
    }
    // Esc does nothing; the close box closes and loses the edit.
    Editor e(d);
    box(e, "Owner")->setText(QStringLiteral("Edited"));
    QTest::keyClick(box(e, "Owner"), Qt::Key_Escape);
    QVERIFY(e->isVisible());
    e->close();
    QVERIFY(!e->isVisible());
    QCOMPARE(stored(d).at(0).Owner, padded("Late"));
}

void TestEntries::stepping()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), std::vector{entry("Solo")});
    {
        Editor one(d);
        QVERIFY(!button(one, "Forward")->isEnabled());
    }
    writeRecords(d.dir().entries(), threeEntries());
    {
        Editor e(d);
        QVERIFY(button(e, "Forward")->isEnabled());
        struct Step {
            const char* button;
            const char *number, *owner;
            bool previous, forward;
        };
        for (const Step& s :
             {Step{"Forward", " 2", "Lou", true, true}, Step{"Forward", " 3", "Max", true, false},
              Step{"Previous", " 2", "Lou", true, true},
              Step{"Previous", " 1", "Kim", false, true}}) {
            click(e, s.button);
            QCOMPARE(text(e, "Number"), QString::fromLatin1(s.number));
            QCOMPARE(text(e, "Owner"), QString::fromLatin1(s.owner));
            QCOMPARE(button(e, "Previous")->isEnabled(), s.previous);
            QCOMPARE(button(e, "Forward")->isEnabled(), s.forward);
        }
        QCOMPARE(positions(e), QList<int>({0, 0, 0, 1, 0}));
        QCOMPARE(stored(d)[1].Points, int16_t(20)); // stored back as they were
        QCOMPARE(positions(stored(d)[2]), QList<int>({2, 2, 4, 5, 0}));
    }
    {
        // Opened at the last entry, Next is not offered and does not step past it.
        Editor last(d, 3);
        QCOMPARE(text(last, "Owner"), QStringLiteral("Max"));
        QVERIFY(!button(last, "Forward")->isEnabled());
        last->Forward_Click();
        QCOMPARE(text(last, "Number"), QStringLiteral(" 3"));
    }
    // Opened at an empty league row: a new entry after the last one, nothing shown.
    Editor e(d, 7);
    QCOMPARE(text(e, "Number"), QStringLiteral(" 4"));
    QCOMPARE(texts(e, {"Owner", "Price"}), QStringList(2, QString()));
    QCOMPARE(positions(e), QList<int>({-1, -1, -1, -1, -1}));
    QVERIFY(!button(e, "Forward")->isEnabled());
    // Previous would store an entry nobody typed.
    QVERIFY(!button(e, "Previous")->isEnabled());
    QTest::keyClicks(box(e, "Owner"), QStringLiteral("Ned"));
    pick(e, "Team", 2);
    click(e, "Close");
    QCOMPARE(readBytes(d.dir().entries()).size(), 4 * 96);
    QCOMPARE(stored(d)[3].Owner, padded("Ned"));
}

void TestEntries::newKeepsComponents()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    Editor e(d, 2);
    box(e, "Owner")->setText(QStringLiteral("Lou B"));
    click(e, "New");

    QCOMPARE(stored(d)[1].Owner, padded("Lou B"));
    QCOMPARE(text(e, "Number"), QStringLiteral(" 4"));
    QCOMPARE(texts(e, {"Owner", "Price", "TPrice"}), QStringList({"", "", "9.5"}));
    QCOMPARE(e->focusWidget(), box(e, "Owner"));
    QCOMPARE(positions(e), QList<int>({1, 1, 2, 3, 1}));
    QVERIFY(button(e, "Previous")->isEnabled() && !button(e, "Forward")->isEnabled());

    QTest::keyClicks(box(e, "Owner"), QStringLiteral("Pat"));
    click(e, "Previous");
    const auto s = stored(d);
    QCOMPARE(s.size(), std::size_t(4));
    QCOMPARE(s[3].Owner, padded("Pat"));
    QCOMPARE(positions(s[3]), QList<int>({1, 1, 2, 3, 1}));
    QCOMPARE(s[3].Points, int16_t(20)); // the working record's points go along
    QCOMPARE(s[3].Price, 0.0f);         // the total box was left empty
    QCOMPARE(text(e, "Number"), QStringLiteral(" 3"));
    QCOMPARE(text(e, "Owner"), QStringLiteral("Max"));
}

void TestEntries::unchosenPickersFilledBeforeStoring()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(),
                 std::vector{entry("Kim", 0, 2, -1, 1, 4, -1), entry("Lou", 0, 1, 1, 1, 1, 1)});
    Editor e(d);
    QCOMPARE(picker(e, "Engine")->currentIndex(), -1);
    QCOMPARE(text(e, "EPrice"), QString());
    click(e, "Forward");
    QCOMPARE(positions(stored(d)[0]), QList<int>({2, 0, 1, 4, 0}));

    // With every picker chosen, a typed total is stored as the number it begins with.
    box(e, "Price")->setText(QStringLiteral("12.5m"));
    click(e, "Previous");
    QCOMPARE(stored(d)[1].Price, 12.5f);
}

void TestEntries::pricesAndTotal()
{
    TempData d;
    writeDatabases(d);
    // Two entries with the same components and different stored totals.
    EntryRecord first = entry("Kim", 0, 1, 0, 0, 1, 0);
    first.Price = 99;
    writeRecords(d.dir().entries(), std::vector{first, entry("Lou", 0, 1, 0, 0, 1, 0)});
    Editor e(d);
    QCOMPARE(texts(e, {"TPrice", "EPrice", "D1Price", "D2Price", "TDPrice", "Price"}),
             QStringList({"9.5", "7.2", "5.1", "4.8", "2", "28.6"}));
    // Every handler runs although no position changes: the total follows the prices.
    box(e, "Price")->setText(QStringLiteral("1"));
    click(e, "Forward");
    QCOMPARE(text(e, "Price"), QStringLiteral("28.6"));

    pick(e, "Team", 0);
    QCOMPARE(text(e, "TPrice"), QStringLiteral("12.3"));
    QCOMPARE(text(e, "Price"), QStringLiteral("31.4"));
    // Driver-list positions: 3 is Driver2 of record 2, 4 is Driver1 of record 3, 2 is the
    // 0.75 of record 2, shown with its zero.
    pick(e, "Driver1", 3);
    QCOMPARE(text(e, "D1Price"), QStringLiteral("3"));
    pick(e, "Driver2", 4);
    QCOMPARE(text(e, "D2Price"), QStringLiteral("1.25"));
    pick(e, "Driver2", 2);
    QCOMPARE(text(e, "D2Price"), QStringLiteral("0.75"));
    pick(e, "Driver1", 2); // the same driver twice counts twice
    QCOMPARE(text(e, "Price"), QStringLiteral("23"));
    pick(e, "TDriver", 1);
    QCOMPARE(text(e, "TDPrice"), QStringLiteral("3"));

    // A price changed on disk shows when the item is chosen again, even the same item.
    std::vector<TeamRecord> teams = readRecords<TeamRecord>(d.dir().teams());
    teams[0].Team.Price = 0.75f;
    writeRecords(d.dir().teams(), teams);
    pick(e, "Team", 0);
    QCOMPARE(text(e, "TPrice"), QStringLiteral("0.75"));
}

void TestEntries::listsAndMissingRecords()
{
    TempData d;
    writeDatabases(d);
    writeBytes(d.dir().testDrivers(), {});
    // The second entry names a team, an engine, a driver and a test driver that do not exist.
    writeRecords(d.dir().entries(),
                 std::vector{entry("Kim", 0, 0, 0, 0, 1, 0), entry("Old", 0, 7, -5, 1, 9, 3)});
    {
        Editor e(d);
        QCOMPARE(picker(e, "Team")->count(), 3);
        QCOMPARE(picker(e, "Engine")->itemText(1), padded("Volt")); // twice, as on file
        QCOMPARE(picker(e, "Engine")->itemText(0), padded("Volt"));
        QCOMPARE(picker(e, "Driver1")->count(), 6);
        QCOMPARE(picker(e, "Driver2")->itemText(3), padded("Di"));
        QCOMPARE(picker(e, "TDriver")->count(), 1);
        QCOMPARE(picker(e, "TDriver")->itemText(0), QStringLiteral(" "));
        QCOMPARE(picker(e, "TDriver")->currentIndex(), 0);
        QCOMPARE(text(e, "TDPrice"), QString()); // the blank item names no test driver

        click(e, "Forward");
        QCOMPARE(positions(e), QList<int>({-1, -1, 1, -1, -1}));
        QCOMPARE(texts(e, {"TPrice", "EPrice", "D1Price", "D2Price", "Price"}),
                 QStringList({"", "", "4.8", "", "4.8"}));
    }
    // An empty team file: nothing to choose, nothing breaks, Close stores nothing.
    writeBytes(d.dir().teams(), {});
    writeBytes(d.dir().entries(), {});
    Editor e(d);
    QCOMPARE(picker(e, "Team")->count(), 0);
    QTest::keyClicks(box(e, "Owner"), QStringLiteral("Ivy"));
    click(e, "New");
    QCOMPARE(stored(d).size(), std::size_t(1));
    QCOMPARE(positions(stored(d)[0]), QList<int>({-1, -1, -1, -1, 0}));
    click(e, "Close");
    QVERIFY(!e->isVisible());
    QCOMPARE(stored(d).size(), std::size_t(1));
}

void TestEntries::deleting()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    Editor e(d, 2);
    click(e, "Delete");
    QCOMPARE(stored(d).size(), std::size_t(2));
    QCOMPARE(text(e, "Owner"), QStringLiteral("Max"));
    QCOMPARE(text(e, "Number"), QStringLiteral(" 2"));
    QVERIFY(!button(e, "Forward")->isEnabled());
    QVERIFY(button(e, "Previous")->isEnabled()); // entry 1 is before the one shown
    QVERIFY(!d.exists("temp.tro"));

    // Deleting the last entry shows the new last one; the reopened file takes the stores.
    click(e, "Delete");
    QCOMPARE(text(e, "Number"), QStringLiteral(" 1"));
    QCOMPARE(text(e, "Owner"), QStringLiteral("Kim"));
    box(e, "Owner")->setText(QStringLiteral("Kim B"));
    click(e, "New");
    QCOMPARE(stored(d).at(0).Owner, padded("Kim B"));

    // The unsaved new entry goes back to the last one, which cannot step back.
    click(e, "Delete");
    QCOMPARE(text(e, "Number"), QStringLiteral(" 1"));
    QCOMPARE(text(e, "Owner"), QStringLiteral("Kim B"));
    QVERIFY(!button(e, "Previous")->isEnabled());
    // The only entry: an empty file, and the window as it opens on one, so that Close
    // stores nothing.
    click(e, "Delete");
    QCOMPARE(readBytes(d.dir().entries()).size(), 0);
    QCOMPARE(text(e, "Number"), QStringLiteral(" 1"));
    QCOMPARE(positions(e), (QList<int>{-1, -1, -1, -1, -1}));
    QCOMPARE(texts(e, {"Owner", "Price", "TPrice", "EPrice", "D1Price", "D2Price", "TDPrice"}),
             QStringList(7));
    QCOMPARE(steps(e.w.get()), QStringLiteral("--"));
    click(e, "Close");
    QCOMPARE(readBytes(d.dir().entries()).size(), 0);
    QVERIFY(Messages::collected().isEmpty());

    // Opened past the last entry (an empty league row double-clicked): a new entry after
    // the last, from which Previous would store an entry nobody typed.
    writeRecords(d.dir().entries(), threeEntries());
    Editor past(d, 7);
    QCOMPARE(text(past, "Number"), QStringLiteral(" 4"));
    QCOMPARE(steps(past.w.get()), QStringLiteral("--"));
}

void TestEntries::closeRewritesAndGrowsLeagueTable()
{
    TempData d;
    writeDatabases(d);
    std::vector<EntryRecord> fourteen;
    for (int i = 1; i <= 14; ++i)
        fourteen.push_back(entry(QStringLiteral("Owner %1").arg(i)));
    writeRecords(d.dir().entries(), fourteen);

    Editor e(d);
    QCOMPARE(e.grid.rows(), 17);
    e.grid.setTextMatrix(13, 1, QStringLiteral("stale"));
    click(e, "Close");
    QCOMPARE(e.grid.rows(), 17);
    QCOMPARE(cellText(&e.grid, 13, 1), QStringLiteral("Owner 14"));

    // A 15th entry: Close appends one row, numbered 18.
    e.open(d);
    click(e, "New");
    QTest::keyClicks(box(e, "Owner"), QStringLiteral("Owner 15"));
    click(e, "Close");
    QCOMPARE(e.grid.rows(), 18);
    QCOMPARE(cellText(&e.grid, 17, 0), QStringLiteral("18"));
    QCOMPARE(cellText(&e.grid, 14, 1), QStringLiteral("Owner 15"));

    // A recalculation that would overflow is refused and named; the table shows the store.
    std::vector<TeamRecord> race(1);
    race[0].Engine.Score = 20000;
    writeRecords(d.dir().raceTeams("R"), race);
    writeRecords(d.dir().calendar(), std::vector{RaceName{"R"}, RaceName{"R"}});
    e.open(d);
    box(e, "Owner")->setText(QStringLiteral("Ann"));
    click(e, "Close");
    QCOMPARE(Messages::collected().size(), 1);
    QVERIFY2(Messages::collected()[0].contains(u"\"R\""), qPrintable(Messages::collected()[0]));
    QCOMPARE(cellText(&e.grid, 0, 1), QStringLiteral("Ann"));
    QCOMPARE(cellText(e.viewer.grid(), 1, 1), QStringLiteral("Ann"));
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
    FlexGrid* hiScores = control<FlexGrid>(&main, "HiScores");

    QString number, owner;
    auto closeEditor = [&] {
        auto* editor = qobject_cast<Entries*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        number = text(editor, "Number");
        owner = text(editor, "Owner");
        box(editor, "Owner")->setText(owner + QStringLiteral("!"));
        click(editor, "Close");
    };
    QTimer::singleShot(0, this, closeEditor);
    const QRect cell = hiScores->visualRect(hiScores->model()->index(2, 1));
    QTest::mouseDClick(hiScores->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(text(&main, "Number"), QStringLiteral(" 3"));
    QCOMPARE(number, QStringLiteral(" 3"));
    QCOMPARE(owner, QStringLiteral("Max"));
    QCOMPARE(stored(d).at(2).Owner, padded("Max!"));
    QCOMPARE(cellText(hiScores, 2, 1), QStringLiteral("Max!"));

    QTimer::singleShot(0, this, closeEditor);
    menuItem(&main, "Comp_Team")->trigger();
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
    box(e, "Owner")->setText(QStringLiteral("Kim B"));

    // Stores fail: the edit stays on screen at its number, the window open, the file whole.
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Write && path.endsWith(u"entry.tro") ? ENOSPC : 0;
    });
    click(e, "Forward");
    click(e, "Close");
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 2);
    QVERIFY2(Messages::collected()[0].contains(u"entry.tro"), qPrintable(Messages::collected()[0]));
    QVERIFY(e->isVisible());
    QCOMPARE(texts(e, {"Number", "Owner"}), QStringList({" 1", "Kim B"}));
    QCOMPARE(readBytes(d.dir().entries()), before);

    // The next entry cannot be read: it is not shown (nor later stored over itself).
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Read && path.endsWith(u"entry.tro") ? EIO : 0;
    });
    click(e, "Forward");
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 3);
    QCOMPARE(texts(e, {"Number", "Owner"}), QStringList({" 1", "Kim B"}));

    // A delete that cannot replace the file leaves it whole.
    const QByteArray stored = readBytes(d.dir().entries());
    io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Rename ? EIO : 0; });
    click(e, "Delete");
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 4);
    QCOMPARE(readBytes(d.dir().entries()), stored);
    QCOMPARE(text(e, "Owner"), QStringLiteral("Kim B"));
    QVERIFY(!d.exists("temp.tro"));
}

QTEST_MAIN(TestEntries)
#include "test_entries.moc"
