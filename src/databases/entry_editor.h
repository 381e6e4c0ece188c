#pragma once

#include "data/decisions.h"
#include "data/types.h"
#include "toolkit/stepping_window.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace velmora {

// "Entry Database": the competitors' entries of entry.tro, one at a time, with the five
// component pickers, each component's price and the entry's total. It keeps the entry,
// team and test-driver files open while it is open. Its Close button stores the shown
// entry and, when any entry was stored or deleted, has the championship recalculated. In a
// league that allows transfers, storing changed picks asks whether they are a transfer or a
// correction (TransferQuestion), and the league's decisions record changes with the entry.
class EntryEditor : public RecordWindow<EntryRecord> {
    Q_OBJECT
public:
    // Shows entry `first` (a number past the last entry: a new entry after it).
    EntryEditor(League& league, qint64 first, QWidget* parent = nullptr);

protected:
    void showRecord(const std::optional<EntryRecord>& record) override;
    void completeShown() override;
    EntryRecord shownRecord() override;
    void clearForNew() override;
    bool canStoreShown() const override;
    bool storesOnClose() const override;
    void closed() override;
    // The league's decisions record follows what is stored and deleted, in the same change.
    bool storeRecord(const QByteArray& bytes, QString* error) override;
    bool removeRecord(QString* error) override;

private:
    bool load(qint64 first);
    // Runs whenever a picker's selection is set, by the user or by the program.
    void onPickerChosen(Pick::Slot picker);
    void select(Pick::Slot picker, int position);
    void showPosition(Pick::Slot picker, int stored);
    void refreshTotal();
    void markBudget();
    void fillUnchosenPickers();
    // The name a transfer keeps for a reader: the picker's item.
    QString itemName(Pick::Slot picker, int position) const;

    League& league_;
    std::vector<TeamRecord> teams_; // the databases, for the prices
    std::vector<TestDriverRecord> testDrivers_;
    bool entriesChanged_ = false; // since the window opened
    EntryRecord entry_;           // the entry last read, whose Points a store writes back

    QLineEdit *ownerBox_, *totalBox_;
    std::array<QComboBox*, 5> pickers_; // Team, Engine, Driver1, Driver2, TDriver
    std::array<QLineEdit*, 5> prices_;  // TPrice, EPrice, D1Price, D2Price, TDPrice
};

} // namespace velmora
