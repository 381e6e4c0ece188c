#pragma once

#include "data/data_dir.h"
#include "data/record_file.h"
#include "data/types.h"
#include "toolkit/record_form.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace velmora {

class FlexGrid;

// "Entry Database": the competitors' entries of entry.tro, one at a time, with the five
// component pickers, each component's price and the entry's total. It keeps the entry,
// team and test-driver files open while it is open. Its Close button stores the shown
// entry, writes the league table (the main window's HiScores), has the championship
// recalculated and the entries viewer refreshed.
class Entries : public RecordForm {
    Q_OBJECT
public:
    // Shows entry `first` (a number past the last entry: a new entry after it).
    Entries(const DataDir& dataDir, qint64 first, FlexGrid* hiScores, QWidget* parent = nullptr);

public slots:
    void Close_Click();
    // Each picker's handler runs when its selection is set, by the user or the program.
    void Team_Click() { pickerChanged(TeamPick); }
    void Engine_Click() { pickerChanged(EnginePick); }
    void Driver1_Click() { pickerChanged(Driver1Pick); }
    void Driver2_Click() { pickerChanged(Driver2Pick); }
    void TDriver_Click() { pickerChanged(TestDriverPick); }

protected:
    void showRecord(const QByteArray& record) override;
    QByteArray takeShown() override;
    void clearForNew() override;
    void Form_QueryUnload() override;
    bool canStoreShown() const override;

private:
    enum Which { TeamPick, EnginePick, Driver1Pick, Driver2Pick, TestDriverPick };

    bool Form_Load(qint64 first);
    void pickerChanged(Which which);
    void select(Which which, int position);
    void showPosition(Which which, int stored);
    void refreshTotal();
    void fillUnchosenPickers(bool includingTeam);
    QByteArray encodeShown();

    DataDir dataDir_;
    FlexGrid* hiScores_;
    RecordFile teams_, testDrivers_;
    EntryRecord entry_; // the entry last read, whose Points a store writes back

    QLineEdit *Owner, *Price, *Number;
    std::array<QComboBox*, 5> pickers_; // Team, Engine, Driver1, Driver2, TDriver
    std::array<QLineEdit*, 5> prices_;  // TPrice, EPrice, D1Price, D2Price, TDPrice
};

} // namespace velmora
