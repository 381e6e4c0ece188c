#include "main/main_window.h"

#include "about/about_box.h"
#include "calculator/best_worst_window.h"
#include "calculator/budget_dialog.h"
#include "data/io.h"
#include "data/recent_leagues.h"
#include "databases/database_editor.h"
#include "databases/entry_editor.h"
#include "databases/entry_import_window.h"
#include "main/league_table.h"
#include "main/new_season_window.h"
#include "main/score_report.h"
#include "main/settings_window.h"
#include "publish/league_options.h"
#include "scoring/decisions_window.h"
#include "scoring/race_results_window.h"
#include "scoring/scoring_window.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/fixed_window.h"
#include "toolkit/flex_grid.h"
#include "toolkit/twips.h"
#include "viewer/entries_viewer.h"
#include "viewer/lookups.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <cerrno>
#include <new>
#include <utility>

namespace velmora {

MainWindow::MainWindow(std::unique_ptr<League> league, QWidget* parent)
    : QMainWindow(parent), league_(std::move(league))
{
    setObjectName(QStringLiteral("Main"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    // It opens at its first size, and a larger window gives the names the room.
    auto* client = new QWidget(this);
    client->setMinimumSize(twipsSize(3465, 4215));
    setCentralWidget(client);

    frame_ = new QFrame(client);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::Box);
    frame_->setFrameShadow(QFrame::Sunken);
    place(frame_, 135, 60, 3180, 4035);

    // The three heading buttons sit directly above the grid's columns and read as its heading
    // row.
    headings_[0] = addButton(client, "Command1", QString(), {180, 195, 960, 240});
    headings_[0]->setEnabled(false);
    headings_[0]->setFocusPolicy(Qt::NoFocus);
    auto* ownerHeading = headings_[1] =
        addButton(client, "Sort_Owner", tr("&Owner"), {1155, 195, 945, 240});
    auto* pointsHeading = headings_[2] =
        addButton(client, "Sort_Points", tr("&Points"), {2100, 195, 1155, 240});

    leagueTable_ = new FlexGrid(client);
    leagueTable_->setObjectName(QStringLiteral("HiScores"));
    leagueTable_->setAccessibleName(tr("League table"));
    place(leagueTable_, 180, 435, 3075, 3615);
    leagueTable_->setCols(3);
    leagueTable_->setRows(20);
    leagueTable_->setFixed(0, 1);
    // The owner column takes what the view has beside the others, so that no cell lies beyond
    // it: the grid then never scrolls sideways, which would slide the position column out and
    // the cells from under their headings.
    leagueTable_->setColumnWidths({twips(960), twips(945), twips(1155)});
    leagueTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    leagueTable_->setFillColumns(1, 1);
    connect(leagueTable_->horizontalHeader(), &QHeaderView::sectionResized, this,
            &MainWindow::placeHeadings);

    connect(ownerHeading, &QPushButton::clicked, this, &MainWindow::orderByOwner);
    connect(pointsHeading, &QPushButton::clicked, this, &MainWindow::orderByPoints);
    // A double-click on a row opens the entry editor at that row's entry.
    connect(leagueTable_, &FlexGrid::doubleClicked, this,
            [this](const QModelIndex& at) { editEntry(at.row() + 1); });
    setTabOrder(leagueTable_, ownerHeading);
    setTabOrder(ownerHeading, pointsHeading);

    buildMenu();

    // The full table is made and filled when it is first asked for, and kept from then on.
    try {
        loaded_ = showTables(true);
    } catch (const std::bad_alloc&) {
        // A league too large for the memory there is: said, and the program ends.
        Messages::error(this, io::errorText(QCoreApplication::translate("Io", "load"),
                                            league_->path(LeagueFile::Entries), ENOMEM));
    }
    connect(league_.get(), &League::changed, this, &MainWindow::onLeagueChanged);
    showTitles();
    if (loaded_ && !league_->settingsError().isEmpty())
        Messages::error(this, league_->settingsError());
    leagueTable_->setFocus();

    // Opens in the centre of the screen.
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() = default;

// Two leagues open side by side are told apart by their names; a read-only one says so from
// the start, not only at the first store.
void MainWindow::showTitles()
{
    const QString readOnly =
        league_->writable() ? QString() : tr(" (read-only: %1)").arg(league_->dir().path());
    setWindowTitle(QStringLiteral("Velmora \u2014 %1%2").arg(league_->name(), readOnly));
    if (viewer_)
        viewer_->setWindowTitle(tr("Team Entries \u2014 %1%2").arg(league_->name(), readOnly));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The frame and the grid keep their margins; the grid takes the room.
    const QSize extra = centralWidget()->size() - twipsSize(3465, 4215);
    frame_->resize(twipsSize(3180, 4035) + extra);
    leagueTable_->resize(twipsSize(3075, 3615) + extra);
}

void MainWindow::placeHeadings()
{
    for (int c = 0; c < 3; ++c)
        headings_[std::size_t(c)]->setGeometry(leagueTable_->x() + leagueTable_->frameWidth()
                                                   + leagueTable_->columnViewportPosition(c),
                                               headings_[std::size_t(c)]->y(),
                                               leagueTable_->columnWidth(c),
                                               headings_[std::size_t(c)]->height());
}

void MainWindow::buildMenu()
{
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [this](QMenu* m, const char* name, const QString& caption,
                       void (MainWindow::*handler)()) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
    };
    QMenu* file = menu("File", tr("&File"));
    item(file, "File_Output", tr("&Output Scores"), &MainWindow::outputScores);
    item(file, "File_Calc", tr("&Calculate Best/Worst"), &MainWindow::openBudgetDialog);
    file->addSeparator()->setObjectName(QStringLiteral("File_Separator"));
    item(file, "File_Open", tr("Open &League..."), &MainWindow::openLeague);
    item(file, "File_NewSeason", tr("&New Season..."), &MainWindow::startNewSeason);
    item(file, "File_Publish", tr("&Publish Season..."), &MainWindow::publishSite);
    item(file, "File_Settings", tr("League Se&ttings..."), &MainWindow::openSettings);
    exitSeparator_ = file->addSeparator();
    exitSeparator_->setObjectName(QStringLiteral("File_Leagues"));
    fileMenu_ = file;
    connect(file, &QMenu::aboutToShow, this, &MainWindow::listRecentLeagues);
    item(file, "File_Exit", tr("E&xit"), &MainWindow::exitProgram);
    QMenu* setup = menu("Setup", tr("&Setup"));
    item(setup, "Setup_Team", tr("Enter Tro &Teams..."), &MainWindow::openTeamEditor);
    item(setup, "Setup_Driver", tr("Enter Test &Drivers..."), &MainWindow::openTestDriverEditor);
    QMenu* comp = menu("Comp", tr("&Competition"));
    item(comp, "Comp_Team", tr("Enter &Teams..."), &MainWindow::openEntryEditor);
    item(comp, "Comp_Import", tr("&Import Entries..."), &MainWindow::importEntries);
    item(comp, "Comp_Export", tr("E&xport Entries..."), &MainWindow::exportEntries);
    comp->addSeparator()->setObjectName(QStringLiteral("C_Separator"));
    item(comp, "Comp_Score", tr("&Score a Race..."), &MainWindow::openScoringWindow);
    item(comp, "Comp_Results", tr("Race &Results..."), &MainWindow::openRaceResults);
    item(comp, "Comp_Decisions", tr("&Decisions..."), &MainWindow::openDecisions);
    item(comp, "Comp_View", tr("&View Full Table..."), &MainWindow::showFullTable);
    QMenu* help = menu("Help", tr("&Help"));
    item(help, "Help_About", tr("&About"), &MainWindow::showAbout);
}

bool MainWindow::showTables(bool startUp)
{
    QByteArray entryFile;
    QString error;
    stale_ = false;
    if (!league_->readBytes(LeagueFile::Entries, &entryFile, &error)) {
        Messages::error(this, error);
        return false;
    }
    if (startUp)
        fillLeagueTable(leagueTable_, entryFile);
    else
        refillLeagueTable(leagueTable_, entryFile);
    // The full table is filled when it is shown: hidden, it is only marked out of date.
    viewerStale_ = true;
    return !viewer_ || !viewer_->isVisible() || fillViewer();
}

bool MainWindow::fillViewer()
{
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> testDrivers;
    std::vector<EntryRecord> entries;
    QString error;
    if (!league_->read(LeagueFile::Teams, &teams, &error)
        || !league_->read(LeagueFile::TestDrivers, &testDrivers, &error)
        || !league_->read(LeagueFile::Entries, &entries, &error)) {
        Messages::error(this, error);
        return false;
    }
    viewer_->fill(LookupLists(teams, testDrivers), entries);
    viewerStale_ = false;
    return true;
}

void MainWindow::onLeagueChanged(LeagueFile::Kinds files)
{
    if (files & LeagueFile::Settings)
        showTitles();
    if (!(files & (LeagueFile::Teams | LeagueFile::TestDrivers | LeagueFile::Entries)))
        return;
    stale_ = true;
    if (running_ == 0)
        showTables();
}

void MainWindow::order(LeagueOrder order)
{
    QString error;
    bool ordered;
    {
        BusyCursor busy;
        ordered = league_->orderEntries(order, &error);
        leagueTable_->setFocus();
    }
    if (!ordered)
        Messages::error(this, error);
}

void MainWindow::run(FixedWindow& window, const std::function<void()>& then)
{
    ++running_;
    if (window.loaded())
        window.exec();
    if (then)
        then();
    if (--running_ == 0 && stale_)
        showTables();
}

void MainWindow::outputScores()
{
    const QString path = SaveFileDialog::getSaveFileName(this, tr("Text Files|*.txt"));
    if (path.isEmpty())
        return;
    QString error;
    bool written;
    {
        BusyCursor busy;
        QByteArray report;
        written =
            buildScoreReport(*league_, &report, &error) && writeScoreReport(path, report, &error);
    }
    if (!written)
        Messages::error(this, error);
}

void MainWindow::openBudgetDialog()
{
    BudgetDialog dialog([this](const QString& budget) { return showBestWorst(budget); }, this);
    run(dialog);
}

// A result window that is closing (hidden, not yet deleted) counts as closed; an open one
// searches again, for this budget.
bool MainWindow::showBestWorst(const QString& budget)
{
    if (bestWorst_ && bestWorst_->isVisible()) {
        if (!bestWorst_->search(budget))
            return false;
    } else {
        auto window = std::make_unique<BestWorstWindow>(*league_, budget, this);
        if (!window->loaded())
            return false;
        bestWorst_ = window.release();
    }
    bestWorst_->show();
    bestWorst_->raise();
    bestWorst_->activateWindow();
    return true;
}

void MainWindow::exitProgram()
{
    // Every other window goes with the main window; all data is already on disk.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this)
            w->hide();
    hide();
    QCoreApplication::quit();
}

void MainWindow::openTeamEditor()
{
    run(*teamEditor(*league_, this));
}

void MainWindow::openTestDriverEditor()
{
    run(*testDriverEditor(*league_, this));
}

// Entries and points may have changed: the league is put in points order again, whatever
// order it had.
void MainWindow::editEntry(qint64 first)
{
    EntryEditor editor(*league_, first, this);
    run(editor, [this] { orderByPoints(); });
}

// The store itself puts the league in points order.
void MainWindow::importEntries()
{
    EntryImportWindow window(*league_, this);
    run(window);
}

void MainWindow::exportEntries()
{
    SheetLeague league;
    QString error;
    if (!league.read(*league_, &error))
        return Messages::error(this, error);
    const QString path = SaveFileDialog::getSaveFileName(this, tr("CSV Files|*.csv"));
    if (!path.isEmpty() && !io::writeDocument(path, league.exported(), &error))
        Messages::error(this, error);
}

void MainWindow::openScoringWindow()
{
    ScoringWindow scoring(*league_, this);
    run(scoring, [this] { orderByPoints(); });
}

void MainWindow::openRaceResults()
{
    RaceResultsWindow results(*league_, this);
    run(results, [this] { orderByPoints(); });
}

void MainWindow::openDecisions()
{
    DecisionsWindow decisions(*league_, this);
    run(decisions, [this] { orderByPoints(); });
}

void MainWindow::showFullTable()
{
    if (!viewer_) {
        viewer_ = new EntriesViewer(this);
        showTitles();
    }
    if (viewerStale_ && !fillViewer())
        return;
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void MainWindow::showAbout()
{
    // One About box at a time; one that is closing (hidden, not yet deleted) counts as gone.
    if (!about_ || !about_->isVisible())
        about_ = new AboutBox(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::listRecentLeagues()
{
    for (QAction* a : fileMenu_->actions())
        if (a->objectName().startsWith(u"File_Recent"))
            delete a;
    const QStringList folders = recentLeagues();
    QAction* before = exitSeparator_;
    for (qsizetype k = folders.size(); k-- > 0;) {
        // Numbered from 1, each number its access key.
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(k + 1).arg(folders[k]), fileMenu_);
        a->setObjectName(QStringLiteral("File_Recent%1").arg(k + 1));
        const QString folder = folders[k];
        connect(a, &QAction::triggered, this, [this, folder] { openFolder(folder); });
        fileMenu_->insertAction(before, a);
        before = a;
    }
    if (!folders.isEmpty()) {
        QAction* line = fileMenu_->insertSeparator(before);
        line->setObjectName(QStringLiteral("File_RecentLine"));
    }
}

void MainWindow::openLeague()
{
    const QString folder = FolderDialog::getFolder(this, tr("Open League"),
                                                   QFileInfo(league_->dir().path()).absolutePath());
    if (!folder.isEmpty())
        openFolder(folder);
}

bool MainWindow::openFolder(const QString& folder)
{
    const DataDir dir(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (dir.path() == QDir::cleanPath(QFileInfo(league_->dir().path()).absoluteFilePath()))
        return true; // open already
    // Only a folder that can be written could get a league's files.
    if (QFileInfo(dir.path()).isDir() && !dir.holdsLeague() && dir.writable()
        && !Messages::offer(this,
                            tr("\"%1\" holds no league. Start a new league there?").arg(dir.path()),
                            tr("&Start League")))
        return false;
    return switchTo(dir);
}

bool MainWindow::switchTo(const DataDir& dir)
{
    QString error;
    std::unique_ptr<League> next = League::open(dir, League::Mode::Work, &error);
    if (!next) {
        Messages::error(this, error);
        return false;
    }
    // The tables show the new league only once it has been read whole; until then the old
    // one stays, its lock held.
    std::unique_ptr<League> old = std::exchange(league_, std::move(next));
    bool shown = false;
    try {
        shown = showTables(true);
    } catch (const std::bad_alloc&) {
        Messages::error(this, io::errorText(QCoreApplication::translate("Io", "load"),
                                            league_->path(LeagueFile::Entries), ENOMEM));
    }
    if (!shown) {
        league_ = std::move(old);
        return false;
    }
    if (bestWorst_)
        bestWorst_->close();
    disconnect(old.get(), nullptr, this, nullptr);
    old.reset(); // its lock let go
    connect(league_.get(), &League::changed, this, &MainWindow::onLeagueChanged);
    showTitles();
    if (!league_->settingsError().isEmpty())
        Messages::error(this, league_->settingsError());
    rememberLeague(dir.path());
    return true;
}

void MainWindow::startNewSeason()
{
    NewSeasonWindow window(*league_, this);
    if (window.exec() == QDialog::Accepted)
        switchTo(DataDir(window.folder()));
}

void MainWindow::publishSite()
{
    PublishOptions options = publishOptions(*league_);
    options.wait = 10000; // a script's publication into the site, waited for with the hourglass
    const QString league = league_->dir().path();
    const bool keeps = league_->writable() && league_->settingsError().isEmpty();
    QString site = keeps ? siteFolder(*league_) : QString();
    QString error;
    // A site the settings name (a league may come from someone else) is used where it may go
    // and once this user has said so on this machine.
    if (const QString refused =
            site.isEmpty() ? QString() : siteRefusal(site, *league_, options.history);
        !refused.isEmpty()) {
        Messages::error(this, refused);
        site.clear();
    } else if (!site.isEmpty() && !siteConfirmed(league, site)) {
        switch (Messages::ask(this,
                              tr("The league's settings publish its season into "
                                 "this folder:\n\n%1\n\nVelmora writes its pages "
                                 "there, replacing those it wrote before. Publish "
                                 "there?")
                                  .arg(resolvedFolder(site)),
                              tr("&Publish There"), tr("&Choose Another..."))) {
        case Messages::Answer::Store:
            if (!confirmSite(league, site, &error))
                return Messages::error(this, error);
            break;
        case Messages::Answer::Discard:
            site.clear();
            break;
        case Messages::Answer::GoBack:
            return;
        }
    }
    if (site.isEmpty()) {
        site = FolderDialog::getFolder(this, tr("Publish Season to"), siteFolder(*league_));
        if (site.isEmpty())
            return;
        if (const QString refused = siteRefusal(site, *league_, options.history);
            !refused.isEmpty())
            return Messages::error(this, refused);
        LeagueSettings settings = league_->settings();
        settings.site = site;
        if (keeps
            && (!league_->storeSettings(settings, &error) || !confirmSite(league, site, &error)))
            return Messages::error(this, error);
    }
    bool published;
    {
        BusyCursor busy;
        published = publishSeason(*league_, site, options, &error);
    }
    if (!published)
        return Messages::error(this, error);
    if (Messages::offer(this, tr("The season is published in \"%1\".").arg(site), tr("&Open Page")))
        Messages::openInDesktop(QDir(site).filePath(QStringLiteral("index.html")));
}

void MainWindow::openSettings()
{
    SettingsWindow settings(*league_, this);
    settings.exec();
    showTitles(); // the settings may have been read again
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    exitProgram();
    event->accept();
}

} // namespace velmora
