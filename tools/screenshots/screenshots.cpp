// velmora_screenshots <folder>: renders every window, filled with a small sample league, to
// PNG files, so that anyone can see what a user sees.
#include "about/about_box.h"
#include "calculator/best_worst_window.h"
#include "calculator/budget_dialog.h"
#include "data/types.h"
#include "databases/database_editor.h"
#include "databases/entry_editor.h"
#include "databases/entry_import_window.h"
#include "main/main_window.h"
#include "main/new_season_window.h"
#include "main/settings_window.h"
#include "scoring/decisions_window.h"
#include "scoring/order_box.h"
#include "scoring/race_results_window.h"
#include "scoring/scoring_window.h"
#include "scoring/team_score_card.h"
#include "scoring/test_driver_score_card.h"
#include "toolkit/flex_grid.h"
#include "viewer/entries_viewer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

using namespace velmora;

namespace {

QString output;

void save(QWidget* w, const char* name)
{
    w->show();
    QApplication::processEvents();
    const QString path = output + u'/' + QString::fromLatin1(name) + QStringLiteral(".png");
    if (!w->grab().save(path))
        qWarning("could not save %s", qPrintable(path));
    w->hide();
}

template <class Record> void write(const QString& path, const std::vector<Record>& records)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    for (const Record& r : records)
        f.write(r.encode());
}

TeamRecord team(const char* name, const char* engine, const char* d1, const char* d2, float price,
                int score)
{
    return {{name, price, int16_t(score)},
            {engine, price * 0.8f, int16_t(score / 2)},
            {d1, price / 2, int16_t(score + 11)},
            {d2, price / 3, int16_t(score / 3)}};
}

// Five racing teams, three test drivers, `entries` entries, two races.
void writeLeague(const DataDir& dir, int entries)
{
    write(dir.teams(),
          std::vector{team("Aldwych Racing", "Corvane", "Mara Lind", "Tomas Ebro", 12.5f, 14),
                      team("Brightwater GP", "Hollis", "Ines Fallow", "Kit Arden", 9.75f, 8),
                      team("Castell Motorsport", "Corvane", "Rui Santo", "Lena Voss", 7.25f, 5),
                      team("Dunmore", "Pellam", "Oskar Brandt", "Yusuf Kaan", 4.5f, 2),
                      team("Everleigh", "Pellam", "Noor Haddad", "Piet Holm", 0.75f, 0)});
    write(dir.testDrivers(), std::vector<TestDriverRecord>{
                                 {"Sam Quill", 3, 4}, {"Ada Morrow", 2, 1}, {"Jon Blake", 1, 0}});
    const char* owners[] = {"Harriet Cole", "Ben Okafor",  "Priya Nair", "Tom Whitlow",
                            "Grace Lund",   "Ollie Sykes", "Ama Mensah", "Lars Berg",
                            "Nina Petrov",  "Jamal Reed",  "Zoe Clarke", "Kenji Mori",
                            "Ines Duarte",  "Sean Walsh",  "Mia Novak",  "Omar Haddad",
                            "Ruth Ellis",   "Dev Patel",   "Elsa Lind",  "Ivo Marsh"};
    std::vector<EntryRecord> league;
    for (int i = 0; i < entries; ++i)
        league.push_back({owners[i], 30.5f, int16_t(61 - 3 * i), int16_t(i % 5),
                          int16_t((i + 2) % 5), int16_t(i % 10), int16_t((i + 3) % 10),
                          int16_t(i % 3)});
    write(dir.entries(), league);
    write(dir.calendar(), std::vector<RaceName>{{"Harbourside"}, {"Eastmoor"}});
}

std::unique_ptr<League> opened(const DataDir& dir)
{
    QString error;
    auto league = League::open(dir, League::Mode::Work, &error);
    if (!league)
        qFatal("%s", qPrintable(error));
    return league;
}

// The sample league, named by its year, so that New Season offers next year's folder; with
// settings that name the league, give a budget, allow transfers and hold the points rules.
DataDir writeHarbourside(const QString& parent)
{
    QDir(parent).mkdir(QStringLiteral("harbour2026"));
    const DataDir dir(parent + QStringLiteral("/harbour2026"));
    writeLeague(dir, 6);
    QFile settings(dir.file(QStringLiteral("league.ini")));
    if (!settings.open(QIODevice::WriteOnly)
        || !settings.write("name=Harbourside League 2026\nbudget=30\ntransfers=3\n"
                           "points_places=25,18,15,12,10,8,6,4,2,1\npoints_fastest_lap=1\n"))
        qFatal("cannot write the settings");
    settings.close();
    QFile learnt(dir.file(QStringLiteral("learnt-names.txt")));
    if (!learnt.open(QIODevice::WriteOnly)
        || !learnt.write("driver\tM. Lind\tMara Lind\ndriver\tJo Vance\n"))
        qFatal("cannot write the learnt names");
    learnt.close();
    return dir;
}

// The race results table with a race's points pasted from a spreadsheet, not yet stored.
QTableView* pasteRace(RaceResultsWindow* results)
{
    auto* race = results->findChild<QComboBox*>(QStringLiteral("Race"));
    race->setEditText(QStringLiteral("Harbourside"));
    emit race->lineEdit()->returnPressed();
    QApplication::clipboard()->setText(QStringLiteral("25\t18\t15\t12\n10\t8\t6\t4\n2\t1\t0\t0\n"
                                                      "0\t0\t-2\t0\n0\t3\t0\t0\n5\n3\n0\n"));
    auto* table = results->findChild<QTableView*>(QStringLiteral("Results"));
    table->setCurrentIndex(table->model()->index(0, 1));
    results->findChild<QAction*>(QStringLiteral("Paste"))->trigger();
    return table;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(output);
    QTemporaryDir folder, big, german;
    const DataDir dir = writeHarbourside(folder.path());
    MainWindow main(opened(dir));
    League& league = main.league();
    save(&main, "main");
    main.showFullTable(); // made and filled when first shown
    save(main.findChild<EntriesViewer*>(), "team_viewer");
    // A league that has outgrown the table's first 16 rows.
    writeLeague(DataDir(big.path()), 20);
    MainWindow twenty(opened(DataDir(big.path())));
    save(&twenty, "main_20_entries");

    // The editors at their second record, so that both stepping buttons show enabled.
    const auto teams = teamEditor(league, &main);
    teams->findChild<QPushButton*>(QStringLiteral("Forward"))->click();
    save(teams.get(), "team_entry");
    const auto drivers = testDriverEditor(league, &main);
    drivers->findChild<QPushButton*>(QStringLiteral("Forward"))->click();
    save(drivers.get(), "test_driver");
    EntryEditor entries(league, 1, &main);
    save(&entries, "entries");
    // Over the league's budget, and the same driver picked twice.
    auto* driver2 = entries.findChild<QComboBox*>(QStringLiteral("Driver2"));
    driver2->setCurrentIndex(0);
    emit driver2->activated(0);
    save(&entries, "entries_over_budget");
    // Stored, that change asks whether it is a transfer; hidden, the question goes back.
    QTimer::singleShot(0, [] { save(QApplication::activeModalWidget(), "transfer_question"); });
    entries.onNextClicked();
    SettingsWindow leagueSettings(league, &main);
    save(&leagueSettings, "league_settings");
    NewSeasonWindow newSeason(league, &main);
    save(&newSeason, "new_season");
    auto* fileMenu = main.findChild<QMenu*>(QStringLiteral("File"));
    main.show();
    fileMenu->popup(main.mapToGlobal(QPoint(0, 0)));
    save(fileMenu, "file_menu");
    main.hide();

    ScoringWindow score(league, &main);
    score.findChild<QComboBox*>(QStringLiteral("Race"))->setCurrentIndex(0);
    save(&score, "score");
    TeamScoreCard raceTeams(league, QStringLiteral("Harbourside"), &main);
    save(&raceTeams, "race_score");
    TestDriverScoreCard raceDrivers(league, QStringLiteral("Harbourside"), &main);
    raceDrivers.findChild<QComboBox*>(QStringLiteral("Driver"))->setCurrentIndex(0);
    raceDrivers.findChild<QLineEdit*>(QStringLiteral("Price"))->setText(QStringLiteral("4"));
    save(&raceDrivers, "td_score");

    RaceResultsWindow results(league, &main);
    QTableView* table = pasteRace(&results);
    save(&results, "race_results");
    // Its context menu over the pasted block, as a right click opens it.
    results.show();
    auto* menu = new QMenu(&results);
    menu->addActions(table->actions());
    menu->popup(table->viewport()->mapToGlobal(table->visualRect(table->currentIndex()).center()));
    save(menu, "race_results_menu");
    results.hide();

    // A results page's classification pasted into the order box: one name asked about.
    RaceResults harbourside;
    harbourside.load(league, QStringLiteral("Harbourside"), nullptr);
    OrderBox order(QStringLiteral("Harbourside"), *league.settings().points, harbourside.teams(),
                   {},
                   QStringLiteral("1\t4\tMara Lind\tAldwych Racing\t57\t1:32:07.986\t25\n"
                                  "2\t11\tKit Arden\tBrightwater GP\t57\t+2.041\t18\n"
                                  "3\t16\tR. Santo\tCastell Motorsport\t57\t+9.512\t15\n"
                                  "4\t7\tOskar Brandt\tDunmore\t57\t+14.220\t12\n"
                                  "5\t22\tJo Vance\tFerrow\t57\t+20.004\t10\n"
                                  "6\t3\tNoor Haddad\tEverleigh\t57\t+31.870\t8\n"
                                  "7\t9\tTom\u00e1s Ebro\tAldwych Racing\t56\t+1 lap\t6\n"
                                  "8\t18\tLena Voss\tCastell Motorsport\t56\t+1 lap\t4\n"
                                  "9\t2\tHolm\tEverleigh\t56\t+1 lap\t2\n"
                                  "10\t12\tInes Fallow\tBrightwater GP\t56\t+1 lap\t1\n"
                                  "DNF\t5\tYusuf Kaan\tDunmore\t31\tGearbox\n"
                                  "FL\t11\tKit Arden\n"),
                   -1, {}, {}, &main);
    save(&order, "finishing_order");
    // The decisions: a transfer, a penalty, a bonus and a penalty taken back; then a penalty
    // being added, with its reason typed.
    QFile record(dir.file(QStringLiteral("decisions.txt")));
    if (!record.open(QIODevice::WriteOnly)
        || !record.write(
            "velmora decisions 1\n"
            "transfer\tBen Okafor\tdriver 1\t4\t1\t2\tRui Santo\tTomas Ebro\tEastmoor\n"
            "penalty\tHarriet Cole\t10\t1\tHarbourside\tEntry paid after the first "
            "race\n"
            "bonus\tPriya Nair\t5\t2\tEastmoor\tPrediction game: the podium right\n"
            "penalty taken back\tTom Whitlow\t3\t2\tEastmoor\tLate entry (paid on "
            "time after all)\n"))
        qFatal("cannot write the decisions record");
    record.close();
    DecisionsWindow decisions(league, &main);
    decisions.findChild<QTableView*>(QStringLiteral("List"))->selectRow(2); // one that counts
    save(&decisions, "decisions");
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* owner = dialog->findChild<QComboBox*>(QStringLiteral("Owner"));
        owner->setCurrentIndex(owner->findText(QStringLiteral("Grace Lund")));
        dialog->findChild<QLineEdit*>(QStringLiteral("Points"))->setText(QStringLiteral("5"));
        auto* reason = dialog->findChild<QLineEdit*>(QStringLiteral("Reason"));
        reason->setText(QStringLiteral("Two drivers of one team, against the rules"));
        reason->setCursorPosition(0);
        save(dialog, "penalty_bonus");
    });
    decisions.show();
    decisions.findChild<QAction*>(QStringLiteral("Add"))->trigger();
    decisions.hide();

    // Entries taken in from a web form's sheet: new owners, one changed, one as it was, an
    // engine maker taken from the row's own team record, a test driver the league lacks.
    EntryImportWindow import(league, &main);
    import.resize(1100, 560);
    import.findChild<QPlainTextEdit*>(QStringLiteral("Sheet"))
        ->setPlainText(QStringLiteral(
            "Timestamp,Email,Owner,Team,Engine,Driver 1,Driver 2,Test Driver\n"
            "3/2/2025 19:04,fay@mail.example,Fay Rowan,Castell Motorsport,Corvane,Mara "
            "Lind,Kit Arden,Sam Quill\n"
            "3/2/2025 20:11,ben@mail.example,Ben Okafor,Dunmore,Pellam (Dunmore),Rui Santo,"
            "Lena Voss,Ada Morrow\n"
            "3/2/2025 21:30,gus@mail.example,Gus Penn,Everleigh,pellam,noor haddad,Piet "
            "Holm,Jon Blak\n"
            "3/3/2025 08:52,ama@mail.example,Ama Mensah,Aldwych Racing,Corvane,Mara Lind,"
            "Lars Berg,Sam Quill\n"));
    save(&import, "import_entries");

    BudgetDialog budget([](const QString&) { return true; }, &main);
    budget.findChild<QLineEdit*>(QStringLiteral("Budge"))->setText(QStringLiteral("40"));
    save(&budget, "calculate");
    BestWorstWindow result(league, QStringLiteral("40"), &main);
    save(&result, "calculator");
    AboutBox about(&main);
    save(&about, "about");

    // The windows an organiser uses most, in German (the program's and Qt's own translations),
    // on a copy of the league: this one holds its folder's lock.
    QTranslator own, qt;
    if (!own.load(QStringLiteral("velmora_de"), QStringLiteral(VELMORA_BUILD_TRANSLATIONS)))
        qFatal("cannot load the German translation");
    QApplication::installTranslator(&own);
    if (qt.load(QLocale(QLocale::German), QStringLiteral("qt"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);
    MainWindow mainDe(opened(writeHarbourside(german.path())));
    save(&mainDe, "main_de");
    RaceResultsWindow resultsDe(mainDe.league(), &mainDe);
    pasteRace(&resultsDe);
    save(&resultsDe, "race_results_de");
    EntryEditor entriesDe(mainDe.league(), 1, &mainDe);
    save(&entriesDe, "entries_de");
    return 0;
}
