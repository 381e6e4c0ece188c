#pragma once

#include "data/types.h"
#include "databases/record_editor.h"

#include <array>

class QLabel;

namespace velmora {

// "Tro Team Database": teams.tro one racing team at a time, the names and prices of its
// four components. The scores belong to the championship calculation and are written
// back exactly as they were read.
class Team_Entry : public RecordEditor {
    Q_OBJECT
public:
    Team_Entry(const DataDir& dataDir, Team_Viewer* viewer, QWidget* parent = nullptr);

    QLineEdit* Team;
    QLineEdit* Team_Price;
    QLineEdit* Engine;
    QLineEdit* Engine_Price;
    QLineEdit* Driver1;
    QLineEdit* Driver1_Price;
    QLineEdit* Driver2;
    QLineEdit* Driver2_Price;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;

protected:
    void showRecord(const QByteArray& record) override;
    QByteArray takeShown() override;
    void clearBoxes() override;
    QWidget* firstBox() const override;

private:
    // One component: its name box, its price box and its slot of the working record.
    struct Row {
        QLineEdit* name;
        QLineEdit* price;
        ComponentSlot* slot;
    };
    std::array<Row, 4> rows();

    TeamRecord record_;
};

} // namespace velmora
