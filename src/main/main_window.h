#pragma once

#include "data/league.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QFrame;
class QPushButton;

namespace velmora {

class AboutBox;
class BestWorstWindow;
class EntriesViewer;
class FixedWindow;
class FlexGrid;

// "Velmora": the league table, its heading buttons and the menu to every window. It owns the
// league it works on and the league's two tables, the league table and the full table (the
// entries viewer), and is the only code that fills them: whenever the league says its
// databases or entries changed, both tables show them again (the full table, hidden, when it
// is next shown); after the entry editor and the scoring window it puts the league in points
// order.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::unique_ptr<League> league, QWidget* parent = nullptr);
    ~MainWindow() override;

    // False when start-up could not read or create the data files; the reason has been
    // shown and the program is to end.
    bool loaded() const { return loaded_; }
    League& league() { return *league_; }

public slots:
    void orderByPoints() { order(LeagueOrder::ByPoints); }
    void orderByOwner() { order(LeagueOrder::ByOwner); }
    void outputScores();
    void openBudgetDialog();
    void exitProgram();
    void openTeamEditor();
    void openTestDriverEditor();
    // The entry editor at the first entry, or at the entry of the league row double-clicked.
    void openEntryEditor() { editEntry(1); }
    // Owners' entries taken in from a sheet, and the entries given out as one.
    void importEntries();
    void exportEntries();
    void openScoringWindow();
    void openRaceResults();
    void openDecisions();
    void showFullTable();
    void showAbout();
    void openSettings();
    void openLeague();
    void startNewSeason();
    // The season's site, where the settings say (asked the first time and kept there; in a
    // league whose settings cannot be stored, asked every time), as velmora-publish makes it.
    void publishSite();
    // Works on the league in `folder` from now on, in this window (see switchTo).
    bool openFolder(const QString& folder);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenu();
    // The recent leagues in the File menu, before Exit.
    void listRecentLeagues();
    // The league in place of the one open: the new one's lock is taken before the old one's
    // is let go, the old league's result window is closed, and both tables and the titles
    // show the new league. False, told, when it cannot be opened: the old one stays.
    bool switchTo(const DataDir& dir);
    void showTitles();
    void placeHeadings();
    // Reads the entries and shows them in the league table (at start-up, its first rows), and
    // in the full table when that is shown (else it is filled when next shown). False, with
    // the reason told, when they cannot be read.
    bool showTables(bool startUp = false);
    // Reads the databases and the entries and fills the full table with them; false, told,
    // when they cannot be read.
    bool fillViewer();
    void onLeagueChanged(LeagueFile::Kinds files);
    // Puts the entry file in league order; a failure is told and the tables show the file as
    // it stands.
    void order(LeagueOrder order);
    void editEntry(qint64 first);
    // Runs a window that has loaded, modal; the tables are shown again once, after it and what
    // follows it in `then`, however often the league changed meanwhile.
    void run(FixedWindow& window, const std::function<void()>& then = {});
    bool showBestWorst(const QString& budget);

    std::unique_ptr<League> league_;
    QFrame* frame_;
    std::array<QPushButton*, 3> headings_; // over the position, owner and points columns
    FlexGrid* leagueTable_;
    EntriesViewer* viewer_ = nullptr; // made when first shown
    bool loaded_ = false;
    int running_ = 0;         // modal windows running
    bool stale_ = false;      // the tables show the league as it was before a change
    bool viewerStale_ = true; // the full table does not show the files as they are
    // The not-modal windows that exist at most once: the best/worst result window (it
    // outlives the budget dialog that opens it) and the About box.
    QPointer<BestWorstWindow> bestWorst_;
    QPointer<AboutBox> about_;
    QMenu* fileMenu_ = nullptr;
    QAction* exitSeparator_ = nullptr;
};

} // namespace velmora
