#pragma once

#include "data/data_dir.h"
#include "data/record_file.h"
#include "data/types.h"
#include "toolkit/stepping_window.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace velmora {

// "Entry Database": the competitors' entries of entry.tro, one at a time, with the five
// component pickers, each component's price and the entry's total. It keeps the entry,
// team and test-driver files open while it is open. Its Close button stores the shown
// entry and, when any entry was stored or deleted, has the championship recalculated.
class EntryEditor : public RecordWindow<EntryRecord> {
    Q_OBJECT
public:
    // Shows entry `first` (a number past the last entry: a new entry after it).
    EntryEditor(const DataDir& dataDir, qint64 first, QWidget* parent = nullptr);

protected:
    void showRecord(const std::optional<EntryRecord>& record) override;
    EntryRecord shownRecord() override;
    void clearForNew() override;
    void closeFiles() override;
    bool canStoreShown() const override;
    bool storesOnClose() const override;
    void closed() override;

private:
    enum Picker { TeamPicker, EnginePicker, Driver1Picker, Driver2Picker, TestDriverPicker };

    bool load(qint64 first);
    // Runs whenever a picker's selection is set, by the user or by the program.
    void onPickerChosen(Picker picker);
    void select(Picker picker, int position);
    void showPosition(Picker picker, int stored);
    void refreshTotal();
    void fillUnchosenPickers(bool includingTeam);

    DataDir dataDir_;
    RecordFile teams_, testDrivers_;
    EntryRecord entry_; // the entry last read, whose Points a store writes back

    QLineEdit *ownerBox_, *totalBox_;
    std::array<QComboBox*, 5> pickers_; // Team, Engine, Driver1, Driver2, TDriver
    std::array<QLineEdit*, 5> prices_;  // TPrice, EPrice, D1Price, D2Price, TDPrice
};

} // namespace velmora
