// velmora_bench: how long each of the organiser's actions takes, timed as the organiser
// waits for it: files read and written, windows on Qt's offscreen platform, the shown
// main window repainted. The data is a made-up league in a temporary folder (60 team
// records, 30 test drivers, 100 races) with entry files of every size measured.
//
// Two yardsticks run beside the program's own ways: the league ordering done by
// exchanging records in the file, and the best/worst search as four plain nested loops.
// After the Google Benchmark output a summary prints the medians, the ratios to the
// yardsticks and the peak memory of one run of every action at 100,000 entries.
#include "as_written.h"
#include "league_data.h"
#include "plain_search.h"

#include "calculator/search.h"
#include "data/csv.h"
#include "data/new_season.h"
#include "data/text.h"
#include "databases/entry_import_window.h"
#include "main/league_table.h"
#include "main/main_window.h"
#include "publish/publish.h"
#include "scoring/championship.h"
#include "scoring/finishing_order.h"
#include "scoring/race_results_model.h"
#include "scoring/race_results_window.h"
#include "scoring/scoring_window.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/entries_viewer.h"
#include "viewer/lookups.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

using namespace velmora;
using namespace velmora::bench;
using velmora::test::plainSearch;

namespace {

constexpr int kLeagueTeams = 60;
constexpr double kSearchBudget = 50;
constexpr int kSizes[] = {10922, 100000};
constexpr int kSmallSizes[] = {1000, 2000};
constexpr int kSearchTeams[] = {11, 22, 60};
constexpr int kTransfers = 2000;

// One league on disk, and its entry file in the orders the cases start from.
struct BenchLeague {
    QTemporaryDir folder;
    DataDir dir{folder.path()};
    QTemporaryDir site; // published to again and again, as after every race
    QByteArray byPoints, byOwner, reversed;
};

std::map<int, std::unique_ptr<BenchLeague>>& leagues()
{
    static std::map<int, std::unique_ptr<BenchLeague>> made;
    return made;
}

BenchLeague& league(int entries)
{
    std::unique_ptr<BenchLeague>& l = leagues()[entries];
    if (!l) {
        l = std::make_unique<BenchLeague>();
        writeLeague(l->dir, {kLeagueTeams, 30, 100, entries});
        l->byPoints = orderedRecords(readFile(l->dir.entries()), LeagueOrder::ByPoints);
        l->byOwner = orderedRecords(l->byPoints, LeagueOrder::ByOwner);
        l->reversed = reversedRecords(l->byPoints);
        writeFile(l->dir.entries(), l->byPoints);
    }
    return *l;
}

struct SearchData {
    QTemporaryDir folder;
    DataDir dir{folder.path()};
};

SearchData& searchData(int teams)
{
    static std::map<int, std::unique_ptr<SearchData>> data;
    std::unique_ptr<SearchData>& d = data[teams];
    if (!d) {
        d = std::make_unique<SearchData>();
        QByteArray bytes;
        for (const TeamRecord& t : teamDatabase(teams))
            bytes += t.encode();
        writeFile(d->dir.teams(), bytes);
    }
    return *d;
}

void settle()
{
    QCoreApplication::processEvents();
}

// The windows report failures through Messages, which collects them here.
bool failed(benchmark::State& state)
{
    if (Messages::collected().isEmpty())
        return false;
    state.SkipWithError(qPrintable(Messages::collected().join(u'\n')));
    Messages::collected().clear();
    return true;
}

// Runs prepare() untimed and act() timed, once per iteration. For a window's action the
// repaint that follows it (the pending events) counts as part of it.
enum class Repaint { No, Yes };

template <class Prepare, class Act>
void timed(benchmark::State& state, Prepare prepare, Act act, Repaint repaint = Repaint::Yes)
{
    for (auto _ : state) {
        prepare();
        settle();
        const auto start = std::chrono::steady_clock::now();
        act();
        if (repaint == Repaint::Yes)
            settle();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (failed(state))
            break;
    }
}

// The main window's league table and the entries viewer.
FlexGrid* leagueGrid(const MainWindow& main)
{
    return main.findChild<FlexGrid*>(QStringLiteral("HiScores"));
}

// The full table, made (and filled) as when it is first shown.
EntriesViewer* viewer(MainWindow& main)
{
    if (!main.findChild<EntriesViewer*>())
        main.showFullTable();
    return main.findChild<EntriesViewer*>();
}

// The league of a folder, to work on.
std::unique_ptr<League> workOn(const DataDir& dir)
{
    QString error;
    auto league = League::open(dir, League::Mode::Work, &error);
    if (!league)
        qFatal("%s", qPrintable(error));
    return league;
}

// What the main window does to show the full table again: the three files read, every row
// written.
void refillViewer(const League& league, EntriesViewer& viewer)
{
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> testDrivers;
    std::vector<EntryRecord> entries;
    QString error;
    if (!league.read(LeagueFile::Teams, &teams, &error)
        || !league.read(LeagueFile::TestDrivers, &testDrivers, &error)
        || !league.read(LeagueFile::Entries, &entries, &error))
        Messages::error(nullptr, error);
    viewer.fill(LookupLists(teams, testDrivers), entries);
}

std::unique_ptr<MainWindow> shownMain(const DataDir& dir)
{
    auto main = std::make_unique<MainWindow>(workOn(dir));
    main->show();
    settle();
    return main;
}

void StartUp(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    std::unique_ptr<MainWindow> main;
    timed(
        state, [&] { main.reset(); },
        [&] {
            main = std::make_unique<MainWindow>(workOn(l.dir));
            main->show();
        });
    main.reset();
}

void ViewerUpdate(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto main = shownMain(l.dir);
    // Every Update meets an entry file in another order, so every row changes.
    bool owner = false;
    timed(
        state,
        [&] {
            owner = !owner;
            writeFile(l.dir.entries(), owner ? l.byOwner : l.byPoints);
        },
        [&] { refillViewer(main->league(), *viewer(*main)); });
}

// The grid shows the file as it stands before the click, as it always does.
void showFile(MainWindow& main, const DataDir& dir, const QByteArray& bytes)
{
    writeFile(dir.entries(), bytes);
    refillLeagueTable(leagueGrid(main), bytes);
}

void OrderByPoints(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto main = shownMain(l.dir);
    timed(
        state, [&] { showFile(*main, l.dir, l.reversed); }, [&] { main->orderByPoints(); });
}

void OrderByOwner(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto main = shownMain(l.dir);
    timed(
        state, [&] { showFile(*main, l.dir, l.byPoints); }, [&] { main->orderByOwner(); });
}

void OrderAsWritten(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto main = shownMain(l.dir);
    timed(
        state, [&] { showFile(*main, l.dir, l.reversed); },
        [&] { orderInFileAsWritten(l.dir.entries(), leagueGrid(*main), LeagueOrder::ByPoints); });
    // The yardstick must end where the program ends.
    if (orderedRecords(l.reversed, LeagueOrder::ByPoints) != readFile(l.dir.entries()))
        state.SkipWithError("the ordering as written gave another order");
}

// Scoring a race changes its race file; the next calculation then changes totals, points
// and the three files. Race 1 is scored alternately with its points as made and with
// every component one point up, so every run has changes to write.
void scoreFirstRaceAgain(const DataDir& dir, const QByteArray& asMade, bool again)
{
    std::vector<TeamRecord> teams;
    for (qsizetype at = 0; at + TeamRecord::Length <= asMade.size(); at += TeamRecord::Length)
        teams.push_back(TeamRecord::decode(asMade.constData() + at));
    for (TeamRecord& t : teams)
        for (ComponentSlot* slot : t.components())
            slot->Score = int16_t(slot->Score + (again ? 1 : 0));
    writeFile(dir.raceTeams(QStringLiteral("Grand Prix 001")), encodeRecords(teams));
}

void Championship(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto main = shownMain(l.dir);
    const QString firstRace = l.dir.raceTeams(QStringLiteral("Grand Prix 001"));
    const QByteArray asMade = readFile(firstRace);
    bool again = false;
    timed(
        state,
        [&] {
            again = !again;
            scoreFirstRaceAgain(l.dir, asMade, again);
            // The league table shows the entry file as start-up or an ordering left it.
            showFile(*main, l.dir, readFile(l.dir.entries()));
        },
        [&] {
            // What the organiser waits for after "Calculate Scores": the calculation, then
            // the league in points order and both tables shown again.
            recalculate(main->league(), nullptr);
            main->orderByPoints();
        });
    scoreFirstRaceAgain(l.dir, asMade, false);
    QString error;
    if (!recalculateChampionship(main->league(), &error))
        state.SkipWithError(qPrintable(error));
}

// The calculation alone at 10,922 entries, 100 races: without transfers, and with the number of
// the case's argument (the decisions record in the folder for that case only).
void Calculation(benchmark::State& state)
{
    BenchLeague& l = league(kSizes[0]);
    const QString record = l.dir.file(QStringLiteral("decisions.txt"));
    if (state.range(0) > 0)
        writeFile(record, transfersRecord(readFile(l.dir.entries()), int(state.range(0)), 100));
    const auto league = workOn(l.dir);
    const QString firstRace = l.dir.raceTeams(QStringLiteral("Grand Prix 001"));
    const QByteArray asMade = readFile(firstRace);
    bool again = false;
    QString error;
    timed(
        state,
        [&] {
            again = !again;
            scoreFirstRaceAgain(l.dir, asMade, again);
        },
        [&] {
            if (!recalculateChampionship(*league, &error))
                Messages::error(nullptr, error);
        },
        Repaint::No);
    QFile::remove(record);
    scoreFirstRaceAgain(l.dir, asMade, false);
    if (!recalculateChampionship(*league, &error))
        state.SkipWithError(qPrintable(error));
}

void ScoreReport(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto main = shownMain(l.dir);
    const QString path = l.dir.file(QStringLiteral("report.txt"));
    timed(
        state, [&] { SaveFileDialog::setNextFileName(path); }, [&] { main->outputScores(); });
}

// velmora-publish's work on a league folder (opened to read) into its site.
void publish(const BenchLeague& l)
{
    QString error;
    const auto read = League::open(l.dir, League::Mode::Read, &error);
    if (!read || !publishSeason(*read, l.site.path(), {}, &error))
        Messages::error(nullptr, error);
}

// velmora-publish's work again on the same files: the season read, every page made and found
// already as it is.
void Publish(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    timed(
        state, [] {}, [&] { publish(l); }, Repaint::No);
}

// The same after a race is scored: the calendar a race longer (or shorter) than at the
// publication before, so that every page changes and is written again.
void PublishRace(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const QByteArray calendar = readFile(l.dir.calendar());
    static bool shorter = false; // the site holds the other calendar, also across repetitions
    timed(
        state,
        [&] {
            shorter = !shorter;
            writeFile(l.dir.calendar(),
                      calendar.left(calendar.size() - shorter * RaceName::Length));
        },
        [&] { publish(l); }, Repaint::No);
    writeFile(l.dir.calendar(), calendar);
}

// The race results window shown, a race named in its race box as the organiser leaves it.
std::unique_ptr<RaceResultsWindow> openResults(League& league, const QString& race)
{
    auto window = std::make_unique<RaceResultsWindow>(league);
    window->show();
    auto* box = window->findChild<QComboBox*>(QStringLiteral("Race"));
    box->setEditText(race);
    emit box->lineEdit()->returnPressed();
    return window;
}

// A calendar race's table (60 team records, 30 test drivers) opened and drawn.
void RaceResultsOpen(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto league = workOn(l.dir);
    std::unique_ptr<RaceResultsWindow> window;
    timed(
        state, [&] { window.reset(); },
        [&] { window = openResults(*league, QStringLiteral("Grand Prix 050")); });
}

// A new race's points pasted into the table, then Store: both race files, the calendar with
// the race added and the championship recalculated, as one change. Each run starts from the
// calendar without the race.
void RaceResultsStore(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto league = workOn(l.dir);
    const QByteArray calendar = readFile(l.dir.calendar());
    const QString race = QStringLiteral("Grand Prix 101");
    const auto forget = [&] {
        writeFile(l.dir.calendar(), calendar);
        QFile::remove(l.dir.raceTeams(race));
        QFile::remove(l.dir.raceTestDrivers(race));
    };
    std::unique_ptr<RaceResultsWindow> window;
    timed(
        state,
        [&] {
            window.reset();
            forget();
            window = openResults(*league, race);
            QString block = QStringLiteral("1\t2\t3\t4\n").repeated(kLeagueTeams);
            QApplication::clipboard()->setText(block + QStringLiteral("5\n").repeated(30));
            auto* table = window->findChild<QTableView*>(QStringLiteral("Results"));
            table->setCurrentIndex(table->model()->index(0, 1));
            window->findChild<QAction*>(QStringLiteral("Paste"))->trigger();
        },
        [&] { window->findChild<QPushButton*>(QStringLiteral("Store"))->click(); });
    window.reset();
    forget();
    QString error;
    if (!recalculateChampionship(*league, &error))
        state.SkipWithError(qPrintable(error));
}

// A finishing order of 40 cars (a results page's lines: place, number, driver, team, laps,
// time; two not classified, the fastest lap) read, matched to a race's 60 team records and
// scored, its points put into the shown table through its model and drawn. Each run starts
// from the race as its files hold it.
void OrderApplied(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto league = workOn(l.dir);
    const QString race = QStringLiteral("Grand Prix 050");
    const auto window = openResults(*league, race);
    auto* model = window->findChild<RaceResultsModel*>();
    const QStringList drivers = orderDrivers(model->table().teams());
    QStringList cars; // 40 drivers whose names the made-up league gives once
    for (const QString& d : drivers)
        if (drivers.count(d) == 1 && cars.size() < 40)
            cars << d;
    QString order;
    for (int c = 0; c < int(cars.size()); ++c)
        order += QStringLiteral("%1\t%2\t%3\tRacing Team\t57\t1:32:07.986\n")
                     .arg(c < 38 ? QString::number(c + 1) : QStringLiteral("DNF"))
                     .arg(c + 1)
                     .arg(cars[c]);
    order += QStringLiteral("FL\t7\t") + cars.value(3);
    const PointsRules rules{{25, 18, 15, 12, 10, 8, 6, 4, 2, 1}, 0, 0, 1};
    timed(
        state, [&] { model->load(*league, race, nullptr); },
        [&] {
            const ScoredOrder scored =
                scoreOrder(readOrder(order), -1, rules, model->table().teams(), {}, {});
            if (!scored.complete())
                Messages::error(nullptr, scored.refused.join(u' ') + QStringLiteral(" (asked)"));
            model->setPoints(scored.points, RaceResultsModel::By::Program);
        });
}

// The league's entries as a sheet, as Export Entries names their picks, with every other
// owner's test driver changed and every fourth row a new owner's.
QString entrySheet(const League& league)
{
    SheetLeague sheets;
    std::vector<EntryRecord> entries;
    if (!sheets.read(league, nullptr) || !league.read(LeagueFile::Entries, &entries, nullptr))
        qFatal("the league cannot be read");
    CsvWriter csv;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const EntryRecord& e = entries[i];
        csv.field(displayText(e.Owner) + (i % 4 == 0 ? QStringLiteral(" Jr") : QString()));
        for (int k = 0; k < 5; ++k) {
            const auto list = SheetLeague::listOf(k);
            const int pick = k == 4 && i % 2 ? (e.TestDriverIndex + 1) % sheets.count(list)
                                             : e.index(Pick::Slot(k));
            csv.field(sheets.label(list, pick));
        }
        csv.endRow();
    }
    QString text;
    sheetText(csv.take(), &text, nullptr);
    return text;
}

std::unique_ptr<EntryImportWindow> importWindow(MainWindow& main, const QString& sheet)
{
    auto window = std::make_unique<EntryImportWindow>(main.league(), &main);
    window->show();
    window->findChild<QPlainTextEdit*>(QStringLiteral("Sheet"))->setPlainText(sheet);
    return window;
}

// Import Entries on a sheet of a row an entry: the window opened on the league (its files
// read), the sheet pasted, read, matched and previewed, the preview drawn.
void ImportPreview(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto main = shownMain(l.dir);
    const QString sheet = entrySheet(main->league());
    std::unique_ptr<EntryImportWindow> window;
    timed(
        state, [&] { window.reset(); }, [&] { window = importWindow(*main, sheet); });
    if (!window->findChild<QPushButton*>(QStringLiteral("Store"))->isEnabled())
        state.SkipWithError("the sheet cannot be stored");
}

// Its Store: the entries written, the championship calculated and the league put in points
// order in one change, both tables shown again. Each run starts from the league as made.
void ImportStore(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const auto main = shownMain(l.dir);
    const QString sheet = entrySheet(main->league());
    std::unique_ptr<EntryImportWindow> window;
    timed(
        state,
        [&] {
            window.reset();
            showFile(*main, l.dir, l.byPoints);
            window = importWindow(*main, sheet);
        },
        [&] { window->onStoreClicked(); });
    window.reset();
    showFile(*main, l.dir, l.byPoints);
}

// velmora-score on the league, process start to exit: a new race stored from a finishing order
// of 40 cars (as OrderApplied's), scored by the league's rules, both race files, the order, the
// calendar with the race added and the championship, as one change. Each run starts from the
// league without the race.
void Score(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    QString error;
    QStringList drivers;
    {
        const auto read = League::open(l.dir, League::Mode::Read, &error);
        std::vector<TeamRecord> teams;
        if (!read || !read->read(LeagueFile::Teams, &teams, &error))
            return state.SkipWithError(qPrintable(error));
        drivers = orderDrivers(teams);
    }
    QByteArray order;
    int cars = 0;
    for (const QString& d : drivers)
        if (drivers.count(d) == 1 && cars < 40) {
            order += QStringLiteral("%1\t%2\t%3\tRacing Team\t57\t1:32:07.986\n")
                         .arg(cars < 38 ? QString::number(cars + 1) : QStringLiteral("DNF"))
                         .arg(cars + 1)
                         .arg(d)
                         .toUtf8();
            ++cars;
        }
    QTemporaryDir scratch;
    const QString orderFile = scratch.filePath(QStringLiteral("order.txt"));
    writeFile(orderFile, order);
    const QString settings = l.dir.path(LeagueFile::Settings), race = QStringLiteral("Monza 2027");
    writeFile(settings, "points_places=25,18,15,12,10,8,6,4,2,1\npoints_fastest_lap=1\n");
    const QByteArray calendar = readFile(l.dir.calendar());
    const auto forget = [&] {
        writeFile(l.dir.calendar(), calendar);
        for (const QString& file : {l.dir.raceTeams(race), l.dir.raceTestDrivers(race),
                                    l.dir.path(LeagueFile(LeagueFile::RaceOrder, race))})
            QFile::remove(file);
    };
    QProcess score;
    timed(
        state, forget,
        [&] {
            score.start(QStringLiteral(VELMORA_SCORE),
                        {QStringLiteral("--data"), l.dir.path(), QStringLiteral("--race"), race,
                         QStringLiteral("--order"), orderFile});
            if (!score.waitForFinished(60000) || score.exitCode() != 0)
                Messages::error(nullptr, QStringLiteral("velmora-score failed"));
        },
        Repaint::No);
    forget();
    QFile::remove(settings);
    if (!recalculateChampionship(*workOn(l.dir), &error))
        state.SkipWithError(qPrintable(error));
}

std::vector<TeamRecord> readTeams(const DataDir& dir)
{
    std::vector<TeamRecord> teams;
    QString error;
    const auto league = League::open(dir, League::Mode::Read, &error);
    if (!league || !league->read(LeagueFile::Teams, &teams, &error))
        qFatal("%s", qPrintable(error));
    return teams;
}

template <BestWorst (*search)(const std::vector<TeamRecord>&, double)>
void searchCase(benchmark::State& state)
{
    const SearchData& d = searchData(int(state.range(0)));
    const BestWorst expected = plainSearch(readTeams(d.dir), kSearchBudget);
    BestWorst result;
    timed(
        state, [] {}, [&] { result = search(readTeams(d.dir), kSearchBudget); }, Repaint::No);
    if (result.best != expected.best || result.worst != expected.worst)
        state.SkipWithError("the search found other teams than the plain search");
}

BestWorst searchAll(const std::vector<TeamRecord>& teams, double budget)
{
    return searchBestWorst(teams, budget);
}
void Search(benchmark::State& state)
{
    searchCase<searchAll>(state);
}
void SearchAsWritten(benchmark::State& state)
{
    searchCase<plainSearch>(state);
}

// The next season from the league, entries kept: read, made in a scratch folder, renamed into
// place (and taken away again between runs, untimed).
void NewSeason(benchmark::State& state)
{
    BenchLeague& l = league(int(state.range(0)));
    const QTemporaryDir parent;
    const QString next = parent.path() + QStringLiteral("/next");
    timed(
        state, [&] { QDir(next).removeRecursively(); },
        [&] {
            QString error;
            const auto read = League::open(l.dir, League::Mode::Read, &error);
            if (!read || !makeNewSeason(*read, next, true, read->settings(), &error))
                Messages::error(nullptr, error);
        },
        Repaint::No);
}

void registerCases()
{
    const auto add = [](const char* name, void (*fn)(benchmark::State&)) {
        return benchmark::RegisterBenchmark(name, fn)->UseManualTime()->Unit(
            benchmark::kMillisecond);
    };
    for (auto [name, fn] : {std::pair{"StartUp", &StartUp},
                            {"ViewerUpdate", &ViewerUpdate},
                            {"OrderByPoints", &OrderByPoints},
                            {"OrderByOwner", &OrderByOwner},
                            {"Championship", &Championship},
                            {"ScoreReport", &ScoreReport},
                            {"Publish", &Publish},
                            {"NewSeason", &NewSeason}}) {
        auto* b = add(name, fn);
        for (int n : kSizes)
            b->Arg(n);
    }
    add("PublishRace", &PublishRace)->Arg(kSizes[0]);
    add("Calculation", &Calculation)->Arg(0)->Arg(kTransfers);
    add("RaceResultsOpen", &RaceResultsOpen)->Arg(kSizes[0]);
    add("RaceResultsStore", &RaceResultsStore)->Arg(kSizes[0]);
    add("OrderApplied", &OrderApplied)->Arg(kSizes[0]);
    add("ImportPreview", &ImportPreview)->Arg(kSizes[0]);
    add("ImportStore", &ImportStore)->Arg(kSizes[0]);
    add("Score", &Score)->Arg(kSizes[0]);
    for (int n : kSmallSizes) {
        add("OrderByPoints", &OrderByPoints)->Arg(n);
        // Seconds per run: one iteration of one repetition is plenty.
        add("OrderAsWritten", &OrderAsWritten)->Arg(n)->Iterations(1)->Repetitions(1);
    }
    for (auto [name, fn] : {std::pair{"Search", &Search}, {"SearchAsWritten", &SearchAsWritten}}) {
        auto* b = add(name, fn)->Unit(benchmark::kMicrosecond);
        for (int n : kSearchTeams)
            b->Arg(n);
    }
}

// Keeps the median of every case (or its only run) for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.aggregate_name == "median";
            if (!median && !run.aggregate_name.empty())
                continue;
            const std::string key = run.run_name.function_name + '/' + run.run_name.args;
            if (!median && medians_.count(key))
                continue;
            const double ms =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
            if (median || !ms_.count(key))
                ms_[key] = ms;
            if (median)
                medians_[key] = true;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Milliseconds, or a negative number for a case that did not run.
    double ms(const std::string& name, int arg) const
    {
        const auto it = ms_.find(name + '/' + std::to_string(arg));
        return it == ms_.end() ? -1 : it->second;
    }

private:
    std::map<std::string, double> ms_;
    std::map<std::string, bool> medians_;
};

std::string cell(double ms)
{
    if (ms < 0)
        return "-";
    char text[32];
    if (ms >= 100)
        std::snprintf(text, sizeof text, "%.0f ms", ms);
    else if (ms >= 1)
        std::snprintf(text, sizeof text, "%.1f ms", ms);
    else
        std::snprintf(text, sizeof text, "%.3f ms", ms);
    return text;
}

std::string ratio(double ours, double reference)
{
    if (ours <= 0 || reference < 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.0f×", reference / ours);
    return text;
}

// The process's own resident high-water mark. Not getrusage(): its ru_maxrss keeps the
// peak of the forked parent across exec, so a child of a large process reports the
// parent's size.
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The child of --peak-memory: every action once, in a fresh process, on the data folder.
int runEveryActionOnce(const QString& folder)
{
    const DataDir dir(folder);
    Messages::collect(true);
    {
        MainWindow main(workOn(dir));
        main.show();
        settle();
        refillViewer(main.league(), *viewer(main));
        main.orderByOwner();
        main.orderByPoints();
        SaveFileDialog::setNextFileName(dir.file(QStringLiteral("report.txt")));
        main.outputScores();
        // A league's first race is scored again, so that the calculation writes.
        const QString firstRace = dir.raceTeams(QStringLiteral("Grand Prix 001"));
        const bool league = QFile::exists(firstRace);
        const QByteArray asMade = league ? readFile(firstRace) : QByteArray();
        if (league)
            scoreFirstRaceAgain(dir, asMade, true);
        recalculate(main.league(), nullptr);
        if (league)
            scoreFirstRaceAgain(dir, asMade, false);
        searchBestWorst(readTeams(dir), kSearchBudget);
        settle();
        if (!Messages::collected().isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(Messages::collected().join(u'\n')));
            return 1;
        }
        std::printf("%ld\n", peakKiB());
    }
    return 0;
}

// Peak resident memory, in MiB, of a fresh process doing every action on the folder.
double peakMemoryMiB(const QString& folder)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peak-memory"), folder});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return -1;
    return child.readAllStandardOutput().trimmed().toDouble() / 1024;
}

void printSummary(const SummaryReporter& r, bool measurePeak)
{
    std::printf("\nSummary (median of the repetitions; milliseconds)\n\n");
    std::printf("| case | 10,922 entries | 100,000 entries |\n|---|---:|---:|\n");
    const struct {
        const char* name;
        const char* caption;
    } cases[] = {{"StartUp", "Start-up: the main window (the full table not yet made), shown"},
                 {"ViewerUpdate", "Full table refilled"},
                 {"OrderByPoints", "Order by points, from reverse order"},
                 {"OrderByOwner", "Order by owner"},
                 {"Championship", "Calculation, then ordering, both tables refilled"},
                 {"ScoreReport", "Score report (built and written)"},
                 {"Publish", "velmora-publish: every page made, none changed"},
                 {"PublishRace", "velmora-publish after a race: every page made and written"},
                 {"RaceResultsOpen", "Race results: a race's table opened and drawn"},
                 {"RaceResultsStore", "Race results: Store of a new race (files, calendar, "
                                      "championship)"},
                 {"OrderApplied", "Race results: a finishing order of 40 cars applied to 60 team "
                                  "records (read, matched, scored, drawn)"},
                 {"ImportPreview", "Import Entries: a sheet of a row an entry read, matched and "
                                   "previewed (the window opened, drawn)"},
                 {"ImportStore", "Import Entries: its Store (entries, championship, points order, "
                                 "both tables)"},
                 {"Score", "velmora-score: a new race from an order of 40 cars, process start to "
                           "exit"},
                 {"NewSeason", "New season, entries kept (folder made and renamed into place)"}};
    for (const auto& c : cases)
        std::printf("| %s | %s | %s |\n", c.caption, cell(r.ms(c.name, kSizes[0])).c_str(),
                    cell(r.ms(c.name, kSizes[1])).c_str());

    const double none = r.ms("Calculation", 0), some = r.ms("Calculation", kTransfers);
    std::printf("\n| calculation, 10,922 entries, 100 races | no transfers | %d transfers | "
                "ratio |\n|---|---:|---:|---:|\n| the three files read, summed and written | %s "
                "| %s | %.2f |\n",
                kTransfers, cell(none).c_str(), cell(some).c_str(), none > 0 ? some / none : -1);

    std::printf("\n| best/worst search, budget %.0f | ours | as written | faster |\n"
                "|---|---:|---:|---:|\n",
                kSearchBudget);
    for (int n : kSearchTeams) {
        const double ours = r.ms("Search", n), plain = r.ms("SearchAsWritten", n);
        std::printf("| %d team records | %s | %s | %s |\n", n, cell(ours).c_str(),
                    cell(plain).c_str(), ratio(ours, plain).c_str());
    }

    std::printf("\n| order by points, from reverse order | ours | as written | faster |\n"
                "|---|---:|---:|---:|\n");
    for (int n : kSmallSizes) {
        const double ours = r.ms("OrderByPoints", n), plain = r.ms("OrderAsWritten", n);
        std::printf("| %d entries | %s | %s | %s |\n", n, cell(ours).c_str(), cell(plain).c_str(),
                    ratio(ours, plain).c_str());
    }

    if (measurePeak) {
        const double mib = peakMemoryMiB(league(kSizes[1]).dir.path());
        // The same actions on an empty folder: what the program takes without a league.
        const QTemporaryDir empty;
        const double emptyMib = peakMemoryMiB(empty.path());
        std::printf("\nPeak memory (resident), every action once at 100,000 entries: ");
        if (mib < 0 || emptyMib < 0)
            std::printf("not measured (the run failed)\n");
        else
            std::printf("%.0f MiB (with no entries at all: %.0f MiB)\n", mib, emptyMib);
    }
    std::fflush(stdout);
}

// The offscreen platform says on every window shown that it cannot pass on size hints;
// that says nothing about the timings and would bury them.
QtMessageHandler qtDefaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QLatin1String("propagateSizeHints")))
        qtDefaultHandler(type, context, text);
}

// Qt looks for a private runtime folder; without one it warns on every start.
std::unique_ptr<QTemporaryDir> runtimeFolder()
{
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return nullptr;
    auto folder = std::make_unique<QTemporaryDir>();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
    return folder;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto runtime = runtimeFolder();
    qtDefaultHandler = qInstallMessageHandler(quietHandler);

    // velmora_bench --write-league FOLDER ENTRIES: the benchmark's league, kept for profiling.
    if (argc == 4 && std::string(argv[1]) == "--write-league") {
        QCoreApplication core(argc, argv);
        const DataDir dir(QString::fromLocal8Bit(argv[2]));
        writeLeague(dir, {kLeagueTeams, 30, 100, std::atoi(argv[3])});
        writeFile(dir.entries(), orderedRecords(readFile(dir.entries()), LeagueOrder::ByPoints));
        return 0;
    }
    const bool child = argc == 3 && std::string(argv[1]) == "--peak-memory";
    bool measurePeak = true;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--no-peak-memory") {
            measurePeak = false;
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    if (!child)
        benchmark::Initialize(&argc, argv);

    QApplication app(argc, argv);
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    if (child)
        return runEveryActionOnce(QString::fromLocal8Bit(argv[2]));

    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Messages::collect(true);
    registerCases();
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Peak memory only when the cases at 100,000 entries ran (a filter may leave them out).
    printSummary(reporter, measurePeak && leagues().count(kSizes[1]));
    benchmark::Shutdown();
    return 0;
}
