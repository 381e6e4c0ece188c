#pragma once

#include "data/data_dir.h"
#include "main/league_order.h"

#include <QMainWindow>
#include <QPointer>

namespace velmora {

class AboutBox;
class BestWorstWindow;
class EntriesViewer;
class FixedWindow;
class FlexGrid;

// "Velmora": the league table, its two heading buttons and the menu to every window. It
// owns the league's two tables, the league table and the full table (the entries viewer),
// and is the only code that fills them: after a window that changed the files has closed,
// it orders the league where that is due and shows both tables again, once.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const DataDir& dataDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    // False when start-up could not read or create the data files; the reason has been
    // shown and the program is to end.
    bool loaded() const { return loaded_; }

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
    void openScoringWindow();
    void showFullTable();
    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    // Reads the databases and the entries once and shows them in both tables; at start-up
    // the league table gets its first rows. False, with the reason told, when they cannot be
    // read.
    bool showTables(bool startUp = false);
    // Puts the entry file in league order and shows both tables; a failure is told and the
    // tables show the file as it stands.
    void order(LeagueOrder order);
    void editEntry(qint64 first);
    // Shows a modal window that has loaded; true when it changed the data files.
    bool run(FixedWindow& window);

    DataDir dataDir_;
    FlexGrid* leagueTable_;
    EntriesViewer* viewer_;
    bool loaded_ = false;
    // The not-modal windows that exist at most once: the best/worst result window (it
    // outlives the budget dialog that opens it) and the About box.
    QPointer<BestWorstWindow> bestWorst_;
    QPointer<AboutBox> about_;
};

} // namespace velmora
