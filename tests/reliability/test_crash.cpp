// Every operation that writes more than one record, killed at each of its writes, flushes
// and renames in turn: the process is a forked child whose fault hook sends itself SIGKILL
// just before the chosen call. After each kill every file must be wholly its old or its
// new content, and finishing the work afterwards must give what an uninterrupted run gives.

#include "data/io.h"
#include "data/record_file.h"
#include "fixture.h"
#include "gui.h"
#include "main/league_order.h"
#include "main/score_report.h"
#include "scoring/championship.h"
#include "scoring/race_score.h"
#include "scoring/score.h"
#include "season.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::test;

namespace {

enum class End { Finished, Failed, Killed, Hung };

// Runs op in a forked child. killAt > 0: the child is killed just before its killAt-th
// write, truncate, flush, rename or folder flush. withApp: the child makes its own
// QApplication first (on the offscreen platform), for operations that only a window does.
End runChild(const std::function<bool()>& op, int killAt, bool withApp)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = ::fork();
    if (pid < 0)
        qFatal("fork failed");
    if (pid == 0) {
        int calls = 0;
        io::setFaultHook([&](io::Op o, const QString&) {
            if (o != io::Op::Open && o != io::Op::Read && ++calls == killAt)
                ::raise(SIGKILL);
            return 0;
        });
        // A message box would wait for a click that never comes.
        Messages::collect(true);
        static int argc = 1;
        static char name[] = "velmora-crash-child";
        static char* argv[] = {name, nullptr};
        std::optional<QApplication> app;
        if (withApp)
            app.emplace(argc, argv);
        const bool ok = op() && Messages::collected().isEmpty();
        ::_exit(ok ? 0 : 1);
    }
    for (int waited = 0; waited < 3000; ++waited) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
                return End::Killed;
            return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? End::Finished : End::Failed;
        }
        ::usleep(10000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return End::Hung;
}

// One operation to interrupt.
struct Operation {
    std::function<bool(const DataDir&)> run;
    // Finishes the work after a kill, from whatever state the kill left (in the test's own
    // process, or through `run` again in a child); `before` is the folder before the run.
    std::function<bool(const DataDir&, const FolderState& before)> finish;
    bool withApp = false;
    // Adds to the season what the operation needs besides.
    std::function<void(const DataDir&)> prepare = [](const DataDir&) {};
};

int totalCrashPoints = 0;
int totalRuns = 0;

// Kills the operation at each of its crash points in turn, each time on a fresh season.
// Returns the number of crash points.
int sweep(const Operation& operation)
{
    FolderState before, after;
    {
        QTemporaryDir tmp;
        const DataDir dir(tmp.path());
        writeSeason(dir);
        operation.prepare(dir);
        before = folderState(dir);
        if (runChild([&] { return operation.run(dir); }, 0, operation.withApp) != End::Finished) {
            qWarning("the operation fails without any crash");
            return -1;
        }
        after = folderState(dir);
        if (after == before) {
            qWarning("the operation changes nothing");
            return -1;
        }
    }

    for (int k = 1;; ++k) {
        QTemporaryDir tmp;
        const DataDir dir(tmp.path());
        writeSeason(dir);
        operation.prepare(dir);
        const End end = runChild([&] { return operation.run(dir); }, k, operation.withApp);
        ++totalRuns;
        if (end == End::Finished) {
            // Past the last crash point: the run is a clean one.
            if (folderState(dir) != after) {
                qWarning("an uninterrupted run differs");
                return -1;
            }
            return k - 1;
        }
        if (end != End::Killed) {
            qWarning("crash point %d: the child %s", k, end == End::Hung ? "hung" : "failed");
            return -1;
        }
        const QString torn = fileNeitherOldNorNew(folderState(dir), before, after);
        if (!torn.isEmpty()) {
            qWarning("crash point %d: %s is neither old nor new", k, qPrintable(torn));
            return -1;
        }
        if (!operation.finish(dir, before) || folderState(dir) != after) {
            qWarning("crash point %d: finishing the work differs from a clean run", k);
            return -1;
        }
    }
}

void check(const char* what, const Operation& operation)
{
    const int points = sweep(operation);
    QVERIFY2(points > 0, what);
    qInfo("%s: %d crash points, every file old or new", what, points);
    totalCrashPoints += points;
}

Operation deletion(QString (DataDir::*file)() const, int length, qint64 k)
{
    auto del = [=](const DataDir& dir) {
        QString error;
        return deleteRecord((dir.*file)(), dir.scratch(), length, k, &error);
    };
    return {del, [=](const DataDir& dir, const FolderState& before) {
                // Not deleted yet: the file is as it was, and the delete is done again.
                const QString name = (dir.*file)().section(u'/', -1);
                return fileIn(folderState(dir), name) != fileIn(before, name) || del(dir);
            }};
}

Operation ordering(LeagueOrder order)
{
    auto run = [order](const DataDir& dir) {
        QByteArray entries;
        QString error;
        return orderEntryFile(dir, order, &entries, &error);
    };
    return {run, [run](const DataDir& dir, const FolderState&) { return run(dir); }};
}

bool recalculate(const DataDir& dir)
{
    QString error;
    return RecalculateChampionship(dir, nullptr, &error);
}

} // namespace

class TestCrash : public QObject {
    Q_OBJECT
private slots:
    void deletes();
    void orderings();
    void championship();
    void raceFileFirstFill();
    void calendarAppendThenRecalculation();
    void scoreReport();
    void cleanupTestCase();
};

void TestCrash::deletes()
{
    check("delete team 2", deletion(&DataDir::teams, TeamRecord::Length, 2));
    check("delete test driver 1", deletion(&DataDir::testDrivers, TestDriverRecord::Length, 1));
    check("delete entry 4", deletion(&DataDir::entries, EntryRecord::Length, 4));
}

void TestCrash::orderings()
{
    check("order by points", ordering(LeagueOrder::ByPoints));
    check("order by owner", ordering(LeagueOrder::ByOwner));
}

void TestCrash::championship()
{
    check("championship",
          {recalculate, [](const DataDir& dir, const FolderState&) { return recalculate(dir); }});
}

void TestCrash::raceFileFirstFill()
{
    // Opening the team card on a race never scored copies the team database into its file.
    auto open = [](const DataDir& dir) {
        Race_Score card(dir, QStringLiteral("Suzuka"));
        return card.loaded() && button(&card, "Forward")->isEnabled();
    };
    Operation fill{open,
                   [&](const DataDir& dir, const FolderState&) {
                       return runChild([&] { return open(dir); }, 0, true) == End::Finished;
                   },
                   true};
    check("race file first fill", fill);
}

void TestCrash::calendarAppendThenRecalculation()
{
    // A typed race joins the calendar, then the championship is recalculated.
    auto calculate = [](const DataDir& dir) {
        Score score(dir, nullptr, nullptr);
        picker(&score, "Race")->setEditText(QStringLiteral("Spa"));
        score.Calculate_Click();
        return score.result() == QDialog::Accepted;
    };
    Operation op{calculate,
                 [&](const DataDir& dir, const FolderState&) {
                     if (readRecords<RaceName>(dir.calendar()).size()
                         == 2) // killed before the append
                         return runChild([&] { return calculate(dir); }, 0, true) == End::Finished;
                     return recalculate(dir);
                 },
                 true};
    check("calendar append and recalculation", op);
}

void TestCrash::scoreReport()
{
    auto write = [](const DataDir& dir) {
        const QString path = dir.file(QStringLiteral("report.txt"));
        QByteArray report;
        QString error;
        const auto row = [](int) { return QStringList{"Alan", "Arrow"}; };
        return buildScoreReport(dir, 1, row, &report, &error)
               && writeScoreReport(path, report, &error);
    };
    Operation report{write, [write](const DataDir& dir, const FolderState&) { return write(dir); }};
    // An earlier report is in the way.
    report.prepare = [](const DataDir& dir) {
        writeBytes(dir.file(QStringLiteral("report.txt")), "old report\r\n");
    };
    check("score report", report);
}

void TestCrash::cleanupTestCase()
{
    qInfo("crash points: %d in %d runs; files neither old nor new: 0; records lost or "
          "doubled: 0",
          totalCrashPoints, totalRuns);
}

QTEST_APPLESS_MAIN(TestCrash)
#include "test_crash.moc"
