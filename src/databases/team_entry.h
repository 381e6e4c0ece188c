#pragma once

#include "data/types.h"
#include "databases/record_editor.h"

#include <array>

class QLineEdit;

namespace velmora {

// "Tro Team Database": teams.tro one racing team at a time, the names and prices of its
// four components.
class Team_Entry : public RecordEditor {
    Q_OBJECT
public:
    Team_Entry(const DataDir& dataDir, QWidget* parent = nullptr);

protected:
    void showRecord(const QByteArray& record) override;
    QByteArray takeShown() override;
    void showEmpty() override;

private:
    // One component: its name box, its price box and its slot of the working record.
    struct Row {
        QLineEdit* name;
        QLineEdit* price;
        ComponentSlot* slot;
    };
    std::array<Row, 4> rows();

    QLineEdit *Team, *Team_Price, *Engine, *Engine_Price, *Driver1, *Driver1_Price, *Driver2,
        *Driver2_Price, *Number;
    TeamRecord record_;
};

} // namespace velmora
