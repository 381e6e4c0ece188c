// I/O faults swept through every saving operation: each open, read, write, truncate,
// flush and rename that an operation makes fails in turn, with ENOSPC, EIO and EACCES.
// Each time the user must see one message naming the file and the reason, every file must
// be wholly a state that a faultless run passes through, a window whose store failed must
// stay open with what was typed, and doing the work again must give what a faultless run
// gives.

#include "data/io.h"
#include "databases/entries.h"
#include "databases/team_entry.h"
#include "databases/test_driver.h"
#include "fixture.h"
#include "gui.h"
#include "main/main_window.h"
#include "scoring/race_score.h"
#include "scoring/score.h"
#include "scoring/td_score.h"
#include "season.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

// One operation's world: the main window (with the hidden viewer) and the window that the
// operation works in.
struct Run {
    DataDir dir;
    std::unique_ptr<Main> main;
    std::unique_ptr<QWidget> window;
};

struct Case {
    const char* name;
    // Opens the window and types what is to be stored, before any fault.
    std::function<void(Run&)> open;
    // The operation itself.
    std::function<void(Run&)> act;
    // The file the operation stores into: while it still holds its old bytes, the window
    // must still be open.
    QString target;
    // Doing the operation again is harmless once it went through (not so for a delete).
    bool repeatable = true;
};

template <class W> W* as(Run& r)
{
    return static_cast<W*>(r.window.get());
}

FlexGrid* league(Run& r)
{
    return r.main->findChild<FlexGrid*>(QStringLiteral("HiScores"));
}

// Leaves the operation's window the way that stores what it shows, when it is still open.
void closeWindow(Run& r)
{
    if (!r.window || !r.window->isVisible())
        return;
    if (auto* close = r.window->findChild<QPushButton*>(QStringLiteral("Close")))
        if (close->isEnabled())
            QTest::mouseClick(close, Qt::LeftButton);
}

using Typing = std::function<void(QWidget*)>;

// Opens a window made by `make` beside the main window and types what is to be stored.
std::function<void(Run&)> window(std::function<QWidget*(Run&)> make, Typing typing)
{
    return [make, typing](Run& r) {
        r.window.reset(make(r));
        // The main window refreshes the entries viewer when the window says so.
        QObject::connect(qobject_cast<Form*>(r.window.get()), &Form::entriesChanged, [&r] {
            QString error;
            if (!r.main->findChild<Team_Viewer*>()->Update(&error))
                Messages::error(nullptr, error);
        });
        r.window->show();
        typing(r.window.get());
    };
}

template <class W> std::function<void(Run&)> editor(Typing typing)
{
    return window([](Run& r) { return new W(r.dir, r.main.get()); }, typing);
}

std::function<void(Run&)> entries(Typing typing)
{
    return window([](Run& r) { return new Entries(r.dir, 2, league(r), r.main.get()); }, typing);
}

std::function<void(Run&)> raceCard(Typing typing)
{
    return window(
        [](Run& r) { return new Race_Score(r.dir, QStringLiteral("Imola"), r.main.get()); },
        typing);
}

std::function<void(Run&)> testCard(Typing typing)
{
    return window([](Run& r) { return new TD_Score(r.dir, QStringLiteral("Imola"), r.main.get()); },
                  typing);
}

std::function<void(Run&)> press(const char* button)
{
    return [button](Run& r) { click(r.window.get(), button); };
}

void nothing(Run&) {}

QList<Case> cases()
{
    auto team = [](QWidget* w) {
        type(w, "Team", QStringLiteral("Arrow GP"));
        type(w, "Team_Price", QStringLiteral("13.5"));
    };
    auto teamAtTwo = [](QWidget* w) { click(w, "Forward"); };
    auto driver = [](QWidget* w) {
        type(w, "Driver", QStringLiteral("Gus Holm"));
        type(w, "Price", QStringLiteral("4"));
    };
    auto owner = [](QWidget* w) { type(w, "Owner", QStringLiteral("Alan B")); };
    auto points = [](QWidget* w) {
        type(w, "Team_Price", QStringLiteral("25"));
        type(w, "Driver2_Price", QStringLiteral("-3"));
    };
    auto testPoints = [](QWidget* w) {
        pick(w, "Driver", 1);
        type(w, "Price", QStringLiteral("9"));
    };
    auto untouched = [](QWidget*) {};
    QList<Case> list = {
        {"team editor Next", editor<Team_Entry>(team), press("Forward"), "teams.tro"},
        {"team editor New", editor<Team_Entry>(team), press("New"), "teams.tro"},
        {"team editor Close", editor<Team_Entry>(team), press("Close"), "teams.tro"},
        {"team editor Delete", editor<Team_Entry>(teamAtTwo), press("Delete"), "teams.tro", false},
        {"test-driver editor Next", editor<Test_Driver>(driver), press("Forward"), "test.tro"},
        {"test-driver editor Close", editor<Test_Driver>(driver), press("Close"), "test.tro"},
        {"test-driver editor Delete", editor<Test_Driver>(untouched), press("Delete"), "test.tro",
         false},
        {"entry editor Next", entries(owner), press("Forward"), "entry.tro"},
        {"entry editor Close", entries(owner), press("Close"), "entry.tro"},
        {"entry editor Delete", entries(untouched), press("Delete"), "entry.tro", false},
        {"team score card Next", raceCard(points), press("Forward"), "Imola.tmr"},
        {"team score card Finish", raceCard(points), press("Close"), "Imola.tmr"},
        {"team score card first fill", nothing,
         [](Run& r) {
             r.window.reset();
             r.window.reset(new Race_Score(r.dir, QStringLiteral("Suzuka"), r.main.get()));
             r.window->show();
         },
         "Suzuka.tmr"},
        {"test-driver score card New", testCard(testPoints), press("New"), "Imola.tdr"},
        {"test-driver score card Finish", testCard(testPoints), press("Close"), "Imola.tdr"},
        {"scoring window Calculate",
         window([](Run& r) { return new Score(r.dir, league(r), r.main.get()); },
                [](QWidget* w) {
                    QTest::keyClicks(picker(w, "Race")->lineEdit(), QStringLiteral("Spa"));
                }),
         // Calculate is pressed once a team card was filled; the slot stands for that.
         [](Run& r) { as<Score>(r)->Calculate_Click(); }, "calendar.tro"},
        {"league order by points", nothing, [](Run& r) { click(r.main.get(), "Sort_Points"); },
         "entry.tro"},
        {"league order by owner", nothing, [](Run& r) { click(r.main.get(), "Sort_Owner"); },
         "entry.tro"},
        {"score report", nothing,
         [](Run& r) {
             SaveFileDialog::setNextFileName(r.dir.file(QStringLiteral("report.txt")));
             r.main->File_Output_Click();
         },
         "report.txt"},
    };
    return list;
}

// A window opened while one of its reads fails, then the button that stores.
struct Opening {
    const char* name;
    std::function<void(Run&)> open;
    // Presses the storing button of the window, when it opened at all.
    std::function<void(Run&)> store;
};

QList<Opening> openings()
{
    auto none = [](QWidget*) {};
    return {
        {"team editor", editor<Team_Entry>(none), closeWindow},
        {"test-driver editor", editor<Test_Driver>(none), closeWindow},
        {"entry editor", entries(none), closeWindow},
        {"team score card", raceCard(none), closeWindow},
        {"test-driver score card", testCard(none), closeWindow},
        {"scoring window",
         [](Run& r) { r.window.reset(new Score(r.dir, league(r), r.main.get())); }, [](Run&) {}},
        {"start-up",
         [](Run& r) {
             r.main.reset();
             r.main = std::make_unique<Main>(r.dir);
         },
         [](Run&) {}},
    };
}

constexpr int kCodes[] = {ENOSPC, EIO, EACCES};

struct Totals {
    int points = 0, faults = 0, reported = 0;
} totals;

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Messages::collect(true); }
    void init() { Messages::collected().clear(); }
    void cleanup() { io::setFaultHook({}); }
    void sweep_data();
    void sweep();
    void opening_data();
    void opening();
    void cleanupTestCase();
};

void TestFaults::sweep_data()
{
    QTest::addColumn<int>("which");
    const QList<Case> all = cases();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].name) << i;
}

void TestFaults::sweep()
{
    QFETCH(int, which);
    const Case c = cases().at(which);

    // A faultless run: how many calls it makes, and every state each file passes through.
    QHash<QString, QSet<QByteArray>> seen;
    auto remember = [&seen](const FolderState& s) {
        for (auto it = s.cbegin(); it != s.cend(); ++it)
            seen[it.key()].insert(it.value());
    };
    FolderState clean, before;
    int calls = 0;
    {
        TempData data;
        Run run{data.dir(), nullptr, nullptr};
        writeSeason(run.dir);
        writeBytes(run.dir.file(QStringLiteral("report.txt")), "old report\r\n");
        run.main = std::make_unique<Main>(run.dir);
        c.open(run);
        before = folderState(run.dir);
        remember(before);
        QStringList unflushed; // files written and not yet flushed to disk
        io::setFaultHook([&](io::Op op, const QString& path) {
            if (op != io::Op::SyncDir) {
                ++calls;
                remember(folderState(run.dir));
            }
            if (op == io::Op::Write)
                unflushed.append(path);
            if (op == io::Op::Sync)
                unflushed.removeAll(path);
            return 0;
        });
        c.act(run);
        io::setFaultHook({});
        clean = folderState(run.dir);
        remember(clean);
        QCOMPARE(Messages::collected(), QStringList());
        QVERIFY(clean != before);
        // Whatever the operation wrote is on disk when it is done: a power cut after it
        // takes nothing back.
        QCOMPARE(unflushed, QStringList());
        closeWindow(run);
        remember(folderState(run.dir));
    }
    QVERIFY(calls > 0);

    for (int k = 1; k <= calls; ++k)
        for (const int code : kCodes) {
            const QByteArray where =
                QByteArray(c.name) + " call " + QByteArray::number(k) + " " + std::strerror(code);
            TempData data;
            Run run{data.dir(), nullptr, nullptr};
            writeSeason(run.dir);
            writeBytes(run.dir.file(QStringLiteral("report.txt")), "old report\r\n");
            run.main = std::make_unique<Main>(run.dir);
            c.open(run);
            Messages::collected().clear();

            int n = 0;
            QString failedPath;
            io::setFaultHook([&](io::Op op, const QString& path) {
                if (op == io::Op::SyncDir || ++n != k)
                    return 0;
                failedPath = path;
                return code;
            });
            c.act(run);
            io::setFaultHook({});
            QVERIFY2(!failedPath.isEmpty(), where);
            ++totals.faults;

            // A fault the program works around (a folder that refuses the report's scratch
            // file: the report is written in place) ends as a faultless run does.
            if (Messages::collected().isEmpty() && folderState(run.dir) == clean)
                continue;
            // Otherwise one message, naming the organiser's file (not a scratch file) and
            // the reason.
            const QStringList shown = Messages::collected();
            QVERIFY2(shown.size() == 1, where + ": " + shown.join(u'|').toUtf8());
            const bool scratch = failedPath.endsWith(QLatin1String("/temp.tro"))
                                 || failedPath.endsWith(QLatin1String(".part"));
            const QString named = scratch ? QString() : failedPath;
            QVERIFY2(shown[0].contains(QString::fromLocal8Bit(std::strerror(code))),
                     where + ": " + shown[0].toUtf8());
            QVERIFY2(!scratch || !shown[0].contains(failedPath), where + ": " + shown[0].toUtf8());
            QVERIFY2(shown[0].contains(scratch ? run.dir.path() + u'/' : u'"' + named + u'"'),
                     where + ": " + shown[0].toUtf8());
            ++totals.reported;

            // Nothing on disk lost: every file is wholly a state of the faultless run.
            const FolderState after = folderState(run.dir);
            for (auto it = after.cbegin(); it != after.cend(); ++it)
                QVERIFY2(seen.value(it.key()).contains(it.value()),
                         where + ": " + it.key().toUtf8() + " is torn");

            // A store that did not happen leaves its window open, what was typed still in
            // it; doing the work again then completes it as a faultless run does.
            const bool stored = fileIn(after, c.target) != fileIn(before, c.target);
            const bool open = run.window ? run.window->isVisible() : true;
            QVERIFY2(stored || open, where + ": the window closed");
            if (open && (!stored || c.repeatable)) {
                Messages::collected().clear();
                c.act(run);
                QVERIFY2(Messages::collected().isEmpty(),
                         where + ": " + Messages::collected().join(u'|').toUtf8());
                QVERIFY2(folderState(run.dir) == clean, where + ": the retry differs");
            }
            // What the window still shows after the fault is what it may store: leaving it
            // by its storing button gives nothing a faultless run would not.
            closeWindow(run);
            const FolderState left = folderState(run.dir);
            for (auto it = left.cbegin(); it != left.cend(); ++it)
                QVERIFY2(seen.value(it.key()).contains(it.value()),
                         where + ": " + it.key().toUtf8() + " is wrong after Close");
        }
    totals.points += calls;
    qInfo("%s: %d fault points x %d errors", c.name, calls, int(std::size(kCodes)));
}

void TestFaults::opening_data()
{
    QTest::addColumn<int>("which");
    const QList<Opening> all = openings();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].name) << i;
}

// Every open and read of a window's start fails in turn: one message naming the file and
// the reason, and what the window then stores is what it would have stored anyway, or
// nothing (it never stores what it could not read).
void TestFaults::opening()
{
    QFETCH(int, which);
    const Opening o = openings().at(which);

    FolderState before, stored;
    int calls = 0;
    {
        TempData data;
        Run run{data.dir(), nullptr, nullptr};
        writeSeason(run.dir);
        run.main = std::make_unique<Main>(run.dir);
        before = folderState(run.dir);
        io::setFaultHook([&](io::Op, const QString&) { return ++calls, 0; });
        o.open(run);
        io::setFaultHook({});
        QCOMPARE(folderState(run.dir), before);
        o.store(run);
        stored = folderState(run.dir);
        QCOMPARE(Messages::collected(), QStringList());
    }
    QVERIFY(calls > 0);

    for (int k = 1; k <= calls; ++k)
        for (const int code : kCodes) {
            const QByteArray where =
                QByteArray(o.name) + " call " + QByteArray::number(k) + " " + std::strerror(code);
            TempData data;
            Run run{data.dir(), nullptr, nullptr};
            writeSeason(run.dir);
            run.main = std::make_unique<Main>(run.dir);
            Messages::collected().clear();
            int n = 0;
            QString failedPath;
            io::setFaultHook([&](io::Op, const QString& path) {
                if (++n != k)
                    return 0;
                failedPath = path;
                return code;
            });
            o.open(run);
            io::setFaultHook({});
            ++totals.faults;
            const QStringList shown = Messages::collected();
            QVERIFY2(shown.size() == 1, where + ": " + shown.join(u'|').toUtf8());
            QVERIFY2(shown[0].contains(u'"' + failedPath + u'"')
                         && shown[0].contains(QString::fromLocal8Bit(std::strerror(code))),
                     where + ": " + shown[0].toUtf8());
            ++totals.reported;
            QVERIFY2(folderState(run.dir) == before, where + ": opening changed a file");

            Messages::collected().clear();
            o.store(run);
            const FolderState after = folderState(run.dir);
            QVERIFY2(after == before || after == stored, where + ": a store after it differs");
        }
    totals.points += calls;
    qInfo("%s opening: %d fault points x %d errors", o.name, calls, int(std::size(kCodes)));
}

void TestFaults::cleanupTestCase()
{
    qInfo("I/O faults injected: %d at %d fault points; reported with file and reason: %d; "
          "files torn: 0",
          totals.faults, totals.points, totals.reported);
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
