#include "data/io.h"
#include "data/text.h"
#include "data/types.h"
#include "databases/entries.h"
#include "fixture.h"
#include "gui.h"
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

void click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<EntryRecord> stored(const TempData& d)
{
    return readRecords<EntryRecord>(d.dir().entries());
}

QString padded(const char* name)
{
    return QString::fromLatin1(name).leftJustified(80);
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
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(texts({e->Owner, e->Price, e->TPrice, e->EPrice, e->D1Price, e->D2Price, e->TDPrice}),
             QStringList(7, QString()));
    QCOMPARE(positions(e), QList<int>({-1, -1, -1, -1, -1}));
    QVERIFY(!e->Previous->isEnabled() && !e->Forward->isEnabled());

    QTest::keyClicks(e->Owner, QStringLiteral("  Zoe  "));
    choose(e->Team, 1);
    QCOMPARE(e->TPrice->text(), QStringLiteral("9.5"));
    QCOMPARE(e->Price->text(), QStringLiteral("9.5")); // only the team is priced yet
    click(e->Close);

    QVERIFY(!e->isVisible());
    const auto s = stored(d);
    QCOMPARE(s.size(), std::size_t(1));
    QCOMPARE(s[0].Owner, padded("Zoe"));
    QCOMPARE(positions(s[0]), QList<int>({1, 0, 0, 0, 0}));
    QCOMPARE(s[0].Price, 28.9f); // 9.5 + 7.2 + 5.1 + 5.1 + 2
    QCOMPARE(s[0].Points, int16_t(5));
    QCOMPARE(e.grid.textMatrix(0, 1), QStringLiteral("Zoe"));
    QCOMPARE(e.grid.textMatrix(0, 2), QStringLiteral("5"));
    QCOMPARE(e.viewer.Spread->textMatrix(1, 1), QStringLiteral("Zoe"));
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
        QTest::keyClicks(e->Owner, QStringLiteral("Nobody"));
        writeRecords(d.dir().entries(), std::vector{entry("Late")});
        click(e->Close);
        QVERIFY(!e->isVisible());
        QCOMPARE(stored(d).size(), std::size_t(1));
        QCOMPARE(readBytes(d.dir().teams()), teamBytes);
        QCOMPARE(e.viewer.Spread->textMatrix(1, 1), QStringLiteral("Late"));
    }
    // Esc does nothing; the close box closes and loses the edit.
    Editor e(d);
    e->Owner->setText(QStringLiteral("Edited"));
    QTest::keyClick(e->Owner, Qt::Key_Escape);
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
        QVERIFY(!one->Forward->isEnabled());
    }
    writeRecords(d.dir().entries(), threeEntries());
    {
        Editor e(d);
        QVERIFY(e->Forward->isEnabled());
        struct Step {
            QPushButton* button;
            const char *number, *owner;
            bool previous, forward;
        };
        for (const Step& s :
             {Step{e->Forward, " 2", "Lou", true, true}, Step{e->Forward, " 3", "Max", true, false},
              Step{e->Previous, " 2", "Lou", true, true},
              Step{e->Previous, " 1", "Kim", false, true}}) {
            click(s.button);
            QCOMPARE(e->Number->text(), QString::fromLatin1(s.number));
            QCOMPARE(e->Owner->text(), QString::fromLatin1(s.owner));
            QCOMPARE(e->Previous->isEnabled(), s.previous);
            QCOMPARE(e->Forward->isEnabled(), s.forward);
        }
        QCOMPARE(positions(e), QList<int>({0, 0, 0, 1, 0}));
        QCOMPARE(stored(d)[1].Points, int16_t(20)); // stored back as they were
        QCOMPARE(positions(stored(d)[2]), QList<int>({2, 2, 4, 5, 0}));
    }
    {
        // Opened at the last entry, Next is not offered and does not step past it.
        Editor last(d, QStringLiteral(" 3"));
        QCOMPARE(last->Owner->text(), QStringLiteral("Max"));
        QVERIFY(!last->Forward->isEnabled());
        last->Forward_Click();
        QCOMPARE(last->Number->text(), QStringLiteral(" 3"));
    }
    // Opened at an empty league row: a new entry after the last one, nothing shown.
    Editor e(d, QStringLiteral(" 7"));
    QCOMPARE(e->Number->text(), QStringLiteral(" 4"));
    QCOMPARE(texts({e->Owner, e->Price}), QStringList(2, QString()));
    QCOMPARE(positions(e), QList<int>({-1, -1, -1, -1, -1}));
    QVERIFY(!e->Forward->isEnabled());
    QVERIFY(e->Previous->isEnabled());  // as after New: the entries before it are reachable
    QTest::keyClicks(e->Owner, QStringLiteral("Ned"));
    choose(e->Team, 2);
    click(e->Close);
    QCOMPARE(readBytes(d.dir().entries()).size(), 4 * 96);
    QCOMPARE(stored(d)[3].Owner, padded("Ned"));
}

void TestEntries::newKeepsComponents()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    Editor e(d, QStringLiteral(" 2"));
    e->Owner->setText(QStringLiteral("Lou B"));
    click(e->New);

    QCOMPARE(stored(d)[1].Owner, padded("Lou B"));
    QCOMPARE(e->Number->text(), QStringLiteral(" 4"));
    QCOMPARE(texts({e->Owner, e->Price, e->TPrice}), QStringList({"", "", "9.5"}));
    QCOMPARE(e->focusWidget(), e->Owner);
    QCOMPARE(positions(e), QList<int>({1, 1, 2, 3, 1}));
    QVERIFY(e->Previous->isEnabled() && !e->Forward->isEnabled());

    QTest::keyClicks(e->Owner, QStringLiteral("Pat"));
    click(e->Previous);
    const auto s = stored(d);
    QCOMPARE(s.size(), std::size_t(4));
    QCOMPARE(s[3].Owner, padded("Pat"));
    QCOMPARE(positions(s[3]), QList<int>({1, 1, 2, 3, 1}));
    QCOMPARE(s[3].Points, int16_t(20)); // the working record's points go along
    QCOMPARE(s[3].Price, 0.0f);         // the total box was left empty
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
    click(e->Forward);
    QCOMPARE(positions(stored(d)[0]), QList<int>({2, 0, 1, 4, 0}));

    // With every picker chosen, a typed total is stored as the number it begins with.
    e->Price->setText(QStringLiteral("12.5m"));
    click(e->Previous);
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
    QCOMPARE(texts({e->TPrice, e->EPrice, e->D1Price, e->D2Price, e->TDPrice, e->Price}),
             QStringList({"9.5", "7.2", "5.1", "4.8", "2", "28.6"}));
    // Every handler runs although no position changes: the total follows the prices.
    e->Price->setText(QStringLiteral("1"));
    click(e->Forward);
    QCOMPARE(e->Price->text(), QStringLiteral("28.6"));

    choose(e->Team, 0);
    QCOMPARE(e->TPrice->text(), QStringLiteral("12.3"));
    QCOMPARE(e->Price->text(), QStringLiteral("31.4"));
    // Driver-list positions: 3 is Driver2 of record 2, 4 is Driver1 of record 3, 2 is the
    // 0.75 of record 2, shown with its zero.
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

    // A price changed on disk shows when the item is chosen again, even the same item.
    std::vector<TeamRecord> teams = readRecords<TeamRecord>(d.dir().teams());
    teams[0].Team.Price = 0.75f;
    writeRecords(d.dir().teams(), teams);
    emit e->Team->activated(0);
    QCOMPARE(e->TPrice->text(), QStringLiteral("0.75"));
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
        QCOMPARE(e->Team->count(), 3);
        QCOMPARE(e->Engine->itemText(1), padded("Volt")); // twice, as on file
        QCOMPARE(e->Engine->itemText(0), padded("Volt"));
        QCOMPARE(e->Driver1->count(), 6);
        QCOMPARE(e->Driver2->itemText(3), padded("Di"));
        QCOMPARE(e->TDriver->count(), 1);
        QCOMPARE(e->TDriver->itemText(0), QStringLiteral(" "));
        QCOMPARE(e->TDriver->currentIndex(), 0);
        QCOMPARE(e->TDPrice->text(), QString()); // the blank item names no test driver

        click(e->Forward);
        QCOMPARE(positions(e), QList<int>({-1, -1, 1, -1, -1}));
        QCOMPARE(texts({e->TPrice, e->EPrice, e->D1Price, e->D2Price, e->Price}),
                 QStringList({"", "", "4.8", "", "4.8"}));
    }
    // An empty team file: nothing to choose, nothing breaks, Close stores nothing.
    writeBytes(d.dir().teams(), {});
    writeBytes(d.dir().entries(), {});
    Editor e(d);
    QCOMPARE(e->Team->count(), 0);
    QTest::keyClicks(e->Owner, QStringLiteral("Ivy"));
    click(e->New);
    QCOMPARE(stored(d).size(), std::size_t(1));
    QCOMPARE(positions(stored(d)[0]), QList<int>({-1, -1, -1, -1, 0}));
    click(e->Close);
    QVERIFY(!e->isVisible());
    QCOMPARE(stored(d).size(), std::size_t(1));
}

void TestEntries::deleting()
{
    TempData d;
    writeDatabases(d);
    writeRecords(d.dir().entries(), threeEntries());
    Editor e(d, QStringLiteral(" 2"));
    click(e->Delete);
    QCOMPARE(stored(d).size(), std::size_t(2));
    QCOMPARE(e->Owner->text(), QStringLiteral("Max"));
    QCOMPARE(e->Number->text(), QStringLiteral(" 2"));
    QVERIFY(!e->Forward->isEnabled());
    QVERIFY(!d.exists("temp.tro"));

    // Deleting the last entry shows the new last one; the reopened file takes the stores.
    click(e->Delete);
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim"));
    e->Owner->setText(QStringLiteral("Kim B"));
    click(e->New);
    QCOMPARE(stored(d).at(0).Owner, padded("Kim B"));

    // The unsaved new entry goes back to the last one, which cannot step back.
    click(e->Delete);
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim B"));
    QVERIFY(!e->Previous->isEnabled());
    // The only entry: an empty file, and the window as it opens on one, so that Close
    // stores nothing.
    click(e->Delete);
    QCOMPARE(readBytes(d.dir().entries()).size(), 0);
    QCOMPARE(e->Number->text(), QStringLiteral(" 1"));
    QCOMPARE(positions(e), (QList<int>{-1, -1, -1, -1, -1}));
    QCOMPARE(texts({e->Owner, e->Price, e->TPrice, e->EPrice, e->D1Price, e->D2Price, e->TDPrice}),
             QStringList(7));
    QCOMPARE(steps(e.w.get()), QStringLiteral("--"));
    click(e->Close);
    QCOMPARE(readBytes(d.dir().entries()).size(), 0);
    QVERIFY(Messages::collected().isEmpty());

    // Opened past the last entry (an empty league row double-clicked): a new entry after
    // the last, from which Previous would store an entry nobody typed.
    writeRecords(d.dir().entries(), threeEntries());
    Editor past(d, QStringLiteral(" 7"));
    QCOMPARE(past->Number->text(), QStringLiteral(" 4"));
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
    click(e->Close);
    QCOMPARE(e.grid.rows(), 17);
    QCOMPARE(e.grid.textMatrix(13, 1), QStringLiteral("Owner 14"));

    // A 15th entry: Close appends one row, numbered 18.
    e.w = std::make_unique<Entries>(d.dir(), &e.grid, &e.mainNumber, &e.viewer);
    e->show();
    click(e->New);
    QTest::keyClicks(e->Owner, QStringLiteral("Owner 15"));
    click(e->Close);
    QCOMPARE(e.grid.rows(), 18);
    QCOMPARE(e.grid.textMatrix(17, 0), QStringLiteral("18"));
    QCOMPARE(e.grid.textMatrix(14, 1), QStringLiteral("Owner 15"));

    // A recalculation that would overflow is refused and named; the table shows the store.
    std::vector<TeamRecord> race(1);
    race[0].Engine.Score = 20000;
    writeRecords(d.dir().raceTeams("R"), race);
    writeRecords(d.dir().calendar(), std::vector{RaceName{"R"}, RaceName{"R"}});
    e.w = std::make_unique<Entries>(d.dir(), &e.grid, &e.mainNumber, &e.viewer);
    e->Owner->setText(QStringLiteral("Ann"));
    click(e->Close);
    QCOMPARE(Messages::collected().size(), 1);
    QVERIFY2(Messages::collected()[0].contains(u"\"R\""), qPrintable(Messages::collected()[0]));
    QCOMPARE(e.grid.textMatrix(0, 1), padded("Ann"));
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
        click(editor->Close);
    };
    QTimer::singleShot(0, this, closeEditor);
    const QRect cell = main.HiScores->visualRect(main.HiScores->model()->index(2, 1));
    QTest::mouseDClick(main.HiScores->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(main.Number->text(), QStringLiteral(" 3"));
    QCOMPARE(number, QStringLiteral(" 3"));
    QCOMPARE(owner, QStringLiteral("Max"));
    QCOMPARE(stored(d).at(2).Owner, padded("Max!"));
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

    // Stores fail: the edit stays on screen at its number, the window open, the file whole.
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Write && path.endsWith(u"entry.tro") ? ENOSPC : 0;
    });
    click(e->Forward);
    click(e->Close);
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 2);
    QVERIFY2(Messages::collected()[0].contains(u"entry.tro"), qPrintable(Messages::collected()[0]));
    QVERIFY(e->isVisible());
    QCOMPARE(texts({e->Number, e->Owner}), QStringList({" 1", "Kim B"}));
    QCOMPARE(readBytes(d.dir().entries()), before);

    // The next entry cannot be read: it is not shown (nor later stored over itself).
    io::setFaultHook([](io::Op op, const QString& path) {
        return op == io::Op::Read && path.endsWith(u"entry.tro") ? EIO : 0;
    });
    click(e->Forward);
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 3);
    QCOMPARE(texts({e->Number, e->Owner}), QStringList({" 1", "Kim B"}));

    // A delete that cannot replace the file leaves it whole.
    const QByteArray stored = readBytes(d.dir().entries());
    io::setFaultHook([](io::Op op, const QString&) { return op == io::Op::Rename ? EIO : 0; });
    click(e->Delete);
    io::setFaultHook({});
    QCOMPARE(Messages::collected().size(), 4);
    QCOMPARE(readBytes(d.dir().entries()), stored);
    QCOMPARE(e->Owner->text(), QStringLiteral("Kim B"));
    QVERIFY(!d.exists("temp.tro"));
}

QTEST_MAIN(TestEntries)
#include "test_entries.moc"
