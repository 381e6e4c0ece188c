#pragma once

#include "data/types.h"
#include "databases/database_editor.h"

#include <array>

class QLineEdit;

namespace velmora {

// "Tro Team Database": teams.tro one racing team at a time, the names and prices of its
// four components.
class TeamEditor : public DatabaseEditor<TeamRecord> {
    Q_OBJECT
public:
    explicit TeamEditor(League& league, QWidget* parent = nullptr);

protected:
    void showRecord(const std::optional<TeamRecord>& record) override;
    TeamRecord shownRecord() override;
    void showEmpty() override;

private:
    // Each slot's name box and price box, in the order Team, Engine, Driver1, Driver2.
    std::array<QLineEdit*, 4> nameBoxes_, priceBoxes_;
};

} // namespace velmora
