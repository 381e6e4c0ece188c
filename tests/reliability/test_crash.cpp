// Each way the program writes files, killed (SIGKILL, forked child) before each write, truncation,
// flush and rename in turn: every file wholly old or new; done again, as if never killed.
#include "data/new_season.h"
#include "databases/entry_editor.h"
#include "databases/entry_import_window.h"
#include "gui.h"
#include "main/score_report.h"
#include "scoring/championship.h"
#include "scoring/decisions_window.h"
#include "scoring/finishing_order.h"
#include "scoring/race_results_window.h"
#include "scoring/scoring_window.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using Work = std::function<bool(const DataDir&)>;

// The work in a child killed before its killAt-th write, truncation, flush or rename (0: never).
static int runChild(const Work& work, const DataDir& dir, int killAt)
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

class TestCrash : public QObject {
    Q_OBJECT
private slots:
    void everyFileOldOrNew_data()
    {
        const auto row = columns<Work, Work>("work", "before"); // before: the league made so
        // Spa typed in the scoring window and calculated (again: Spa is in the calendar by then).
        row("calendar append, then championship",
            [](const DataDir& d) {
                const auto league = openLeague(d);
                ScoringWindow score(*league);
                picker(&score, "Race")->setEditText(QStringLiteral("Spa"));
                score.onCalculateClicked();
                return !score.isVisible();
            },
            {});
        row("race results stored: a new race, its files, the calendar and the championship",
            [](const DataDir& d) {
                const auto league = openLeague(d);
                RaceResultsWindow results(*league);
                picker(&results, "Race")->setEditText(QStringLiteral("Suzuka"));
                results.onStoreClicked();
                return picker(&results, "Race")->count() == 3;
            },
            {});
        row("a transfer: the entry and the decisions record",
            [](const DataDir& d) {
                writeBytes(d.file(QStringLiteral("league.ini")), "transfers=1\n");
                const auto league = openLeague(d);
                EntryEditor entries(*league, 1);
                pick(&entries, "Driver1", 0);
                inModal([&] { entries.onNextClicked(); }, [](QWidget* q) { click(q, "Transfer"); });
                return QFile::exists(d.file("decisions.txt"));
            },
            {});
        // In the decisions window: a penalty added (once), and dora's transfer (Ed Fay to Ann Lee
        // from Monza) taken back, the entry, the record and the championship in one change.
        row("a penalty: the record and the championship",
            [](const DataDir& d) {
                const auto league = openLeague(d);
                DecisionsWindow decisions(*league);
                if (!readBytes(d.file("decisions.txt")).contains("penalty"))
                    inModal([&] { trigger(&decisions, "Add"); },
                            [](QWidget* p) {
                                pick(p, "Owner", 0), type(p, "Points", "5"),
                                    type(p, "Reason", "late");
                                click(p, "Ok");
                            });
                return QFile::exists(d.file("decisions.txt"));
            },
            {});
        row(
            "a transfer taken back: the entry, the record and the championship",
            [](const DataDir& d) {
                const auto league = openLeague(d);
                DecisionsWindow decisions(*league);
                Messages::setNextAnswer(Messages::Answer::Store);
                trigger(&decisions, "TakeBack"); // off once it is taken back
                return readBytes(d.file("decisions.txt")).contains("taken back");
            },
            [](const DataDir& d) {
                auto entries = readRecords<EntryRecord>(d.entries());
                entries[0].Driver1Index = 0;
                writeRecords(d.entries(), entries);
                writeBytes(d.file("decisions.txt"),
                           "velmora decisions 1\ntransfer\tdora\tdriver 1\t4\t0\t2\n");
                return true;
            });
        row("a new race stored from its finishing order: its files, the order, the names learnt, "
            "the calendar and the championship",
            [](const DataDir& d) {
                const auto league = openLeague(d);
                RaceResults table;
                std::vector<League::Replacement> with;
                table.load(*league, "Suzuka", nullptr);
                const ScoredOrder order =
                    scoreOrder(readOrder("1\tKim\n2\tJo Vance\n3\tAnn Lee"), 1, {{10, 6}},
                               table.teams(), {}, {{"jo vance", -1}});
                table.set(order.points);
                return raceStore(*league, table, &order, &with, nullptr)
                       && recalculateChampionship(*league, nullptr, with);
            },
            {});
        row(
            "entries taken in: the record, the entries and the championship",
            [](const DataDir& d) {
                const auto league = openLeague(d);
                EntryImportWindow import(*league);
                control<QPlainTextEdit>(&import, "Sheet")
                    ->setPlainText("Zed,Comet,Ion,Ed Fay,Bo Kim,Gus Ho\nbob,Comet,Helix,Cy Dunn,Di "
                                   "Eto,Ida Jo");
                pick(&import, "Changes", 1); // transfers
                import.onStoreClicked();
                return readBytes(d.file("decisions.txt")).contains("\tbob\tengine\t2\t1\t");
            },
            [](const DataDir& d) {
                return writeBytes(d.file("league.ini"), "transfers=1\n"), true;
            });
        row("score report",
            [](const DataDir& d) {
                QByteArray report;
                return buildScoreReport(*openLeague(d), &report, nullptr)
                       && writeScoreReport(d.file(QStringLiteral("report.txt")), report, nullptr);
            },
            {});
        row("new season, beside the league",
            [](const DataDir& d) {
                const auto league = openLeague(d, League::Mode::Read);
                return makeNewSeason(*league, d.path() + "/../next", true, {}, nullptr);
            },
            {});
    }

    void everyFileOldOrNew()
    {
        QFETCH(Work, work);
        QFETCH(Work, before);
        // The league in P/league, and the files of P/next (a new season) as "next/...", the
        // league's folder in them as "P".
        const auto made = [&before](const TempData& p) {
            QDir().mkdir(p.path("league"));
            writeSeason(DataDir(p.path("league")));
            if (before)
                before(DataDir(p.path("league")));
            return DataDir(p.path("league"));
        };
        const auto state = [](const DataDir& d) {
            FolderState s = folderState(d), next = folderState(DataDir(d.path() + "/../next"));
            for (auto it = next.cbegin(); it != next.cend(); ++it)
                s["next/" + it.key()] = QByteArray(*it).replace(QFile::encodeName(d.path()), "P");
            return s;
        };
        TempData clean;
        const DataDir cleanLeague = made(clean);
        const FolderState old = state(cleanLeague);
        QCOMPARE(runChild(work, cleanLeague, 0), 0);
        const FolderState after = state(cleanLeague);
        QVERIFY(after != old);
        int k = 1;
        for (int end = -1; end != 0; ++k) {
            TempData p;
            const DataDir data = made(p);
            end = runChild(work, data, k); // 0: past the last crash point
            const FolderState now = state(data);
            for (const QString& f : now.keys())
                QVERIFY2(now[f] == old.value(f) || now[f] == after.value(f),
                         qPrintable(QString("kill %1: %2 is torn").arg(k).arg(f)));
            QVERIFY(end == 0 || end == -1);
            if (state(data) != after) // done again from where the kill left it
                QCOMPARE(runChild(work, data, 0), 0);
            QVERIFY2(state(data) == after, qPrintable(QString("kill %1").arg(k)));
        }
        qInfo("%d crash points, every file old or new", k - 2);
    }
};

QTEST_APPLESS_MAIN(TestCrash)
#include "test_crash.moc"
