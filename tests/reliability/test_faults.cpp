// Each disk call of every action failing in turn (ENOSPC, EIO, EACCES): one message naming the
// file and why; no file torn; a failed store's window stays open, and done again is faultless.
#include "gui.h"

#include <cstring>

using Act = std::function<void(QWidget*, const DataDir&)>;
using Acts = std::vector<Act>;

// Presses a button or menu item, closing by its close box a modal window it opens.
const auto press = [](const char* item) -> Act {
    return [item](QWidget* w, const DataDir&) { inModal([&] { trigger(w, item); }); };
};
// Opens a window by a button: it opens, or it stays shut and says why.
const auto opening = [](const char* item) -> Act {
    return [item](QWidget* w, const DataDir&) {
        const QString opened = inModal([&] { trigger(w, item); });
        QCOMPARE(opened.isNull(), !Messages::collected().isEmpty());
    };
};
const auto typing = [](const char* box, const char* text) -> Act {
    return [=](QWidget* w, const DataDir&) { type(w, box, QString::fromUtf8(text)); };
};

// The season with points rules and a name learnt, rewritten when an order is stored.
static void writeLeague(const DataDir& d)
{
    writeSeason(d);
    writeBytes(d.file("league.ini"), "points_places=10,6\npoints_fastest_lap=1\n");
    writeBytes(d.file("learnt-names.txt"), "driver\tA. Lee\tAnn Lee\n");
}

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Messages::collect(true);
        static QTemporaryDir config; // the leagues opened lately
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }
    void sweep_data();
    void sweep();
    void readOnly_data() { sweep_data(); }
    void readOnly();
};

void TestFaults::sweep_data()
{
    // target: while it is as it was, the window stays open
    columns<QString, Acts, Act, QString, bool>("window", "prepare", "act", "target", "repeatable");
    const auto row = [](const char* name, const char* window, Acts prepare, Act act,
                        const char* target, bool repeatable = true) {
        QTest::newRow(name) << window << prepare << act << target << repeatable;
    };
    row("team editor Next", "Team_Entry", {typing("Team_Price", "13.5")}, press("Forward"),
        "teams.tro");
    row("team editor Delete", "Team_Entry", // a team nothing refers to yet
        {press("New"), typing("Team", "Zeta"), press("Previous"), press("Forward")},
        press("Delete"), "teams.tro", false);
    row("test-driver editor Close", "Test_Driver", {typing("Driver", "Gus Holm")}, press("Close"),
        "test.tro");
    row("entry editor Close", "Entries", // on Alan, whose components are all the first ones
        {press("Forward"), typing("Owner", "Alan B")}, press("Close"), "entry.tro");
    row("entry editor Delete", "Entries", {}, press("Delete"), "entry.tro", false);
    // dora's first driver from the next race on: the entry and the record in one step (in a
    // folder that cannot be written the league allows no transfer).
    row(
        "entry editor transfer", "Entries", {[](QWidget* w, const DataDir&) {
            LeagueSettings transfers;
            transfers.transfers = 2;
            static_cast<MainWindow*>(w->parentWidget())->league().storeSettings(transfers, nullptr);
            pick(w, "Driver1", 0);
        }},
        [](QWidget* w, const DataDir&) {
            inModal([&] { trigger(w, "Close"); }, [](QWidget* q) { click(q, "Transfer"); });
        },
        "decisions.txt");
    // A penalty added in the decisions window, and then taken back: the record and the
    // championship in one change (done again, it would be another).
    const Act penalty = [](QWidget* w, const DataDir&) {
        inModal([&] { trigger(w, "Add"); },
                [](QWidget* p) {
                    pick(p, "Owner", 0), type(p, "Points", "10"), type(p, "Reason", "late");
                    click(p, "Ok");
                });
    };
    row("decisions add", "Decisions", {}, penalty, "decisions.txt", false);
    row(
        "decisions take back", "Decisions", {penalty},
        [](QWidget* w, const DataDir&) {
            Messages::setNextAnswer(Messages::Answer::Store);
            trigger(w, "TakeBack");
        },
        "decisions.txt", false);
    row("import Store", "Import_Entries", {[](QWidget* w, const DataDir&) {
            control<QPlainTextEdit>(w, "Sheet")
                ->setPlainText(
                    "Zed,Comet,Ion,Ed Fay,Bo Kim,Gus Ho\nbob,Comet,Helix,Cy Dunn,Di Eto,Ida Jo");
        }},
        press("Store"), "entry.tro");
    row("team card Finish", "Race_Score", {typing("Driver2_Price", "-3")}, press("Close"),
        "Imola.tmr");
    row("test-driver card New", "TD_Score",
        {[](QWidget* w, const DataDir&) { pick(w, "Driver", 1); }}, press("New"), "Imola.tdr");
    row("team card's first fill", "Score", {typing("Race", "Suzuka")}, opening("Teamscore"),
        "Suzuka.tmr");
    row(
        "test-driver card's first record", "Score", {typing("Race", "Suzuka")},
        [](QWidget* w, const DataDir&) {
            inModal(
                [&] { trigger(w, "Testscore"); },
                [](QWidget* c) { pick(c, "Driver", 0), type(c, "Price", "4"), click(c, "New"); });
        },
        "Suzuka.tdr");
    row("test-driver card opens", "Score", {typing("Race", "Imola")}, opening("Testscore"), "");
    row("scoring window Calculate", "Score", {typing("Race", "Spa"), press("Teamscore")},
        press("Calculate"), "calendar.tro");
    row("race results Store", "Race_Results", {typing("Race", "Suzuka")}, press("Store"),
        "calendar.tro");
    row("race results Store with an order", "Race_Results",
        {typing("Race", "Suzuka"),
         [](QWidget* w, const DataDir&) {
             inModal([w] { click(w, "FromOrder"); },
                     [](QWidget* box) {
                         control<QPlainTextEdit>(box, "Order")
                             ->setPlainText("1\tA. Lee\n2\tJo Vance\nFL\tKim");
                         pick(box, "Answer1", 1), click(box, "Apply");
                     });
         }},
        press("Store"), "calendar.tro");
    for (const char* item : {"Setup_Team", "Setup_Driver", "Comp_Team", "Comp_Score", "Sort_Owner"})
        row(item, "Main", {}, press(item), "entry.tro");
    row(
        "score report", "Main", {},
        [](QWidget* w, const DataDir& d) {
            SaveFileDialog::setNextFileName(d.file("report.txt"));
            trigger(w, "File_Output");
        },
        "report.txt");
    row("league settings OK", "League_Settings", {typing("Name", "Kent"), typing("Budget", "40")},
        press("Ok"), "league.ini");
    // Beside the league; each run's own, gone after it. Made whole (as the first one made it)
    // or not at all; the old folder is checked as every other action's. Done again, from the
    // old league (a settings file that could not be read does not keep the new one shut).
    row(
        "new season", "Main", {},
        [](QWidget* w, const DataDir& d) {
            static FolderState whole;
            static_cast<MainWindow*>(w)->openFolder(d.path());
            const DataDir next(d.path() + "-next");
            inModal([&] { trigger(w, "File_NewSeason"); },
                    [&](QWidget* s) { type(s, "Folder", next.path()), click(s, "Ok"); });
            FolderState made = folderState(next);
            made["league.ini"].replace(QFile::encodeName(d.path()), "OLD");
            QVERIFY(!QFileInfo::exists(next.path())
                    || made == (whole.isEmpty() ? whole = made : whole));
            QVERIFY(!QFileInfo::exists(d.path() + "/../." + QFileInfo(next.path()).fileName()
                                       + ".new-season")); // no scratch folder left
            QDir(next.path()).removeRecursively();
        },
        "");
    row(
        "start-up", "Main", {},
        [](QWidget*, const DataDir& d) { MainWindow again(openLeague(d, League::Mode::Read)); },
        "");
}

void TestFaults::sweep()
{
    const auto [window, prepare, act, target, repeatable] =
        fetch<QString, Acts, Act, QString, bool>("window", "prepare", "act", "target",
                                                 "repeatable");
    const DataDir* dir = nullptr; // the folder of the run under way
    // The action on a fresh season, `hook` set around it, then check(window, before).
    auto run = [&](const io::FaultHook& hook, const auto& check) {
        TempData data;
        dir = &data.dir();
        writeLeague(data.dir());
        MainWindow main(openLeague(data.dir()));
        QVERIFY(waitUntilActive(&main));
        inWindow(main, window, [&](QWidget* w) { // "Main": the main window itself
            for (const Act& a : prepare)
                a(w, data.dir());
            const FolderState before = folderState(data.dir());
            Messages::collected().clear();
            io::setFaultHook(hook);
            act(w, data.dir());
            io::setFaultHook({});
            check(w, before);
        });
    };
    const auto leave = [](QWidget* w) { // by the button that stores what it shows, if still open
        if (auto* close = w->findChild<QPushButton*>(QStringLiteral("Close"));
            close && close->isEnabled() && w->isVisible())
            QTest::mouseClick(close, Qt::LeftButton);
    };
    // A faultless run: how many calls it makes, and every state each file passes through.
    QHash<QString, QSet<QByteArray>> seen;
    const auto remember = [&seen](const FolderState& s) {
        for (auto it = s.cbegin(); it != s.cend(); ++it)
            seen[it.key()].insert(it.value());
    };
    const auto torn = [&seen](const FolderState& s) {
        for (auto it = s.cbegin(); it != s.cend(); ++it)
            if (!seen.value(it.key()).contains(it.value()))
                return it.key();
        return QString();
    };
    int calls = 0;
    FolderState clean;
    run([&](io::Op, const QString&) { return ++calls, remember(folderState(*dir)), 0; },
        [&](QWidget* w, const FolderState& before) {
            remember(before);
            remember(clean = folderState(*dir));
            QCOMPARE(Messages::collected(), QStringList());
            leave(w);
            remember(folderState(*dir));
        });
    QVERIFY(calls > 0);

    for (int k = 1; k <= calls; ++k)
        for (const int code : {ENOSPC, EIO, EACCES}) {
            const QString reason = QString::fromLocal8Bit(std::strerror(code));
            const QByteArray where = "call " + QByteArray::number(k) + ", " + reason.toUtf8();
            int n = 0;
            QString failed;
            run([&](io::Op, const QString& path) { return ++n != k ? 0 : (failed = path, code); },
                [&](QWidget* w, const FolderState& before) {
                    const QStringList shown = Messages::collected();
                    const FolderState after = folderState(*dir);
                    QVERIFY2(torn(after).isEmpty(),
                             where + ": " + torn(after).toUtf8() + " is torn");
                    if (shown.isEmpty() && after == clean)
                        return; // worked around (a report written in place)
                    // One message naming the organiser's file (not a scratch file: a file of its
                    // folder), and why.
                    const bool scratch = failed.endsWith(u"temp.tro") || failed.contains(u".part");
                    QVERIFY2(shown.size() == 1 && shown[0].contains(reason)
                                 && shown[0].contains(scratch ? QFileInfo(failed).path() + u'/'
                                                              : u'"' + failed + u'"')
                                 && !(scratch && shown[0].contains(failed)),
                             where + ": " + shown.join(u'|').toUtf8());
                    // A store not done leaves its window open; done again it is as faultless.
                    const bool stored = after.value(target) != before.value(target);
                    QVERIFY2(stored || w->isVisible(), where + ": the window closed");
                    if (w->isVisible() && (!stored || repeatable)) {
                        Messages::collected().clear();
                        act(w, *dir);
                        QVERIFY2(Messages::collected().isEmpty() && folderState(*dir) == clean,
                                 where + ": done again, it differs "
                                     + Messages::collected().join(u'|').toUtf8());
                    }
                    leave(w);
                    QVERIFY2(torn(folderState(*dir)).isEmpty(), where + ": wrong after Close");
                });
        }
    qInfo("%d fault points x 3 errors", calls);
}

// The same actions in a folder that cannot be written (by its bits, so for root too): each step
// that stores in a writable folder says so once, naming it; nothing there changes or is made.
void TestFaults::readOnly()
{
    const auto [window, prepare, act] = fetch<QString, Acts, Act>("window", "prepare", "act");
    int stores = 0; // the steps that store when the folder can be written
    for (const bool readOnly : {false, true}) {
        TempData data;
        writeLeague(data.dir());
        const FolderState start = folderState(data.dir());
        FolderState before = start;
        int said = 0; // messages so far
        const auto step = [&](int bit) {
            const FolderState after = folderState(data.dir());
            for (auto it = after.cbegin(); it != after.cend(); ++it) // a new empty file: no store
                stores |= before.value(it.key()) != it.value() ? bit : 0;
            before = after;
            // At most one message a step, only in one that stores (a refusal may leave later none).
            const int now = int(Messages::collected().size());
            QVERIFY(now - said <= (stores & bit ? 1 : 0));
            said = now;
        };
        ::chmod(QFile::encodeName(data.dir().path()).constData(), readOnly ? 0555 : 0700);
        Messages::collected().clear();
        Messages::setNextAnswer(Messages::Answer::Discard); // none left by a step refused before
        MainWindow main(openLeague(data.dir()));
        QVERIFY(waitUntilActive(&main));
        QCOMPARE(main.windowTitle().contains("(read-only: " + data.dir().path()), readOnly);
        inWindow(main, window, [&](QWidget* w) {
            step(1); // opened
            for (const Act& a : prepare)
                a(w, data.dir());
            step(2);
            act(w, data.dir());
            step(4);
        });
        step(8); // closed, and the league ordered after it
        ::chmod(QFile::encodeName(data.dir().path()).constData(), 0700);
        if (readOnly) { // its boxes take no typing; what would store says so, once a step
            const QStringList told = Messages::collected();
            QCOMPARE(told.filter(io::readOnlyText(data.dir().path())).size()
                         + told.filter("cannot be deleted").size(),
                     told.size());
            QVERIFY(folderState(data.dir()) == start);
        }
    }
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
