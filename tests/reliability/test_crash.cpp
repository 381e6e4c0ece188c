// Each way the program writes files, killed (SIGKILL in a forked child) before each of its
// writes, truncations, flushes and renames in turn: every file is then wholly old or new,
// and doing the work again gives what an uninterrupted run gives.
#include "data/io.h"
#include "fixture.h"
#include "gui.h"
#include "main/score_report.h"
#include "scoring/scoring_window.h"
#include "toolkit/dialogs.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::test;

namespace {

using Work = std::function<bool(const DataDir&)>;

// The work in a child killed before its killAt-th write, truncation, flush or rename
// (0: never): the child's exit status, or -1 when it was killed.
int runChild(const Work& work, const DataDir& dir, int killAt)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int calls = 0;
        io::setFaultHook([&](io::Op op, const QString&) {
            if (op != io::Op::Open && op != io::Op::Read && ++calls == killAt)
                ::raise(SIGKILL);
            return 0;
        });
        Messages::collect(true); // a message box would wait for a click that never comes
        int argc = 1;
        char name[] = "velmora-crash", *argv[] = {name, nullptr};
        QApplication app(argc, argv);
        ::_exit(work(dir) && Messages::collected().isEmpty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? -1 : WEXITSTATUS(status);
}

} // namespace

class TestCrash : public QObject {
    Q_OBJECT
private slots:
    void everyFileOldOrNew_data();
    void everyFileOldOrNew();
};

void TestCrash::everyFileOldOrNew_data()
{
    QTest::addColumn<Work>("work");
    // Spa typed in the scoring window and calculated (again: Spa is in the calendar by then).
    QTest::newRow("calendar append, then championship") << Work([](const DataDir& d) {
        ScoringWindow score(d);
        picker(&score, "Race")->setEditText(QStringLiteral("Spa"));
        score.onCalculateClicked();
        return !score.isVisible();
    });
    QTest::newRow("score report") << Work([](const DataDir& d) {
        QByteArray report;
        return buildScoreReport(d, &report, nullptr)
               && writeScoreReport(d.file(QStringLiteral("report.txt")), report, nullptr);
    });
}

void TestCrash::everyFileOldOrNew()
{
    QFETCH(Work, work);
    TempData clean;
    writeSeason(clean.dir());
    const FolderState before = folderState(clean.dir());
    QCOMPARE(runChild(work, clean.dir(), 0), 0);
    const FolderState after = folderState(clean.dir());
    QVERIFY(after != before);
    int k = 1;
    for (int end = -1; end != 0; ++k) {
        TempData data;
        writeSeason(data.dir());
        end = runChild(work, data.dir(), k); // 0: past the last crash point
        const FolderState now = folderState(data.dir());
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            QVERIFY2(it.value() == before.value(it.key()) || it.value() == after.value(it.key()),
                     qPrintable(QStringLiteral("kill %1: %2 is torn").arg(k).arg(it.key())));
        QVERIFY(end == 0 || end == -1);
        // The work done again from where the kill left it, unless it was all done.
        if (folderState(data.dir()) != after)
            QCOMPARE(runChild(work, data.dir(), 0), 0);
        QVERIFY2(folderState(data.dir()) == after, qPrintable(QStringLiteral("kill %1").arg(k)));
    }
    qInfo("%d crash points, every file old or new", k - 2);
}

QTEST_APPLESS_MAIN(TestCrash)
#include "test_crash.moc"
