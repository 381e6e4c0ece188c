#pragma once

#include "data/decisions.h"
#include "data/league.h"
#include "toolkit/fixed_window.h"

class QAction;
class QLabel;
class QPushButton;
class QTableView;

namespace velmora {

class DecisionsModel;

// "Decisions": every transfer, penalty and bonus of the league's decisions record, the latest
// first, with its owner, what it is, the race it counts from or in and its reason. Add Penalty
// or Bonus asks for one (PenaltyDialog); Take Back takes the chosen decision back (a transfer
// only while it is its component's latest: the entry picks the pick before it again). Each is
// stored with the championship calculated again, in one League change, or not at all; a
// decision taken back stays listed, marked, as the record keeps it. In a league viewed
// read-only every store says so. It can be made larger.
class DecisionsWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit DecisionsWindow(League& league, QWidget* parent = nullptr);

public slots:
    void onAddClicked();
    void onTakeBackClicked();

private:
    // Reads what the window shows; false, told, when something cannot be read.
    bool load();
    // The record and the entries as they are now; false, told, when they cannot be read or the
    // record is no longer the one shown (it is then shown again).
    bool readNow(Decisions* decisions, std::vector<EntryRecord>* entries, QByteArray* entryBytes);
    // Stores the record (and the entries, when given) with the championship; shows the record,
    // the decision `k` chosen, and says `done`.
    bool store(const Decisions& decisions, const QByteArray& entryBytes, std::size_t k,
               const QString& done);
    void updateActions();

    League& league_;
    DecisionsModel* model_;
    QTableView* view_;
    QAction *add_, *takeBack_;
    QLabel* said_;
    QStringList calendar_;
    std::vector<TeamRecord> teams_;
    std::vector<TestDriverRecord> testDrivers_;
};

} // namespace velmora
