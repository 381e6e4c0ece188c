#pragma once

#include "data/types.h"
#include "toolkit/stepping_window.h"

#include <array>

class QLineEdit;

namespace velmora {

// "Team Score Card": one race's points for each team's four components, record by record,
// in the race's copy of the team database. It never adds a record to the race file.
class TeamScoreCard : public RecordWindow<TeamRecord> {
    Q_OBJECT
public:
    TeamScoreCard(League& league, const QString& race, QWidget* parent = nullptr);

protected:
    void showRecord(const std::optional<TeamRecord>& record) override;
    TeamRecord shownRecord() override;
    void stepped() override;

private:
    bool load(League& league, const QString& race);

    std::array<QLineEdit*, 4> nameBoxes_;  // Team, Engine, Driver1, Driver2
    std::array<QLineEdit*, 4> scoreBoxes_; // Team_Price, Engine_Price, Driver1_Price, ...
    TeamRecord record_;
    // On opening a score of zero or more shows with a blank before it (' 6'), after a move
    // without ('6').
    bool blankBeforeNumber_ = true;
};

} // namespace velmora
