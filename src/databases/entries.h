#pragma once

#include "data/data_dir.h"
#include "data/record_file.h"
#include "data/types.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class FlexGrid;
class Team_Viewer;

// "Entry Database": the competitors' entries of entry.tro, one at a time, with the five
// component pickers, each component's price and the entry's total. Modal; it keeps the
// entry, team and test-driver files open while it is open. Its Close button stores the
// shown entry, rewrites the league table (the main window's HiScores), has the
// championship recalculated and refreshes the entries viewer.
class Entries : public QDialog {
    Q_OBJECT
public:
    // mainNumber: the main window's hand-over box, holding the record to show first.
    Entries(const DataDir& dataDir, FlexGrid* hiScores, QLineEdit* mainNumber, Team_Viewer* viewer,
            QWidget* parent = nullptr);
    ~Entries() override;

    // Opens the editor modally at the record in mainNumber; afterwards the league table
    // shows the entry file as the editor left it.
    static void showModal(const DataDir& dataDir, FlexGrid* hiScores, QLineEdit* mainNumber,
                          Team_Viewer* viewer, QWidget* parent);

    // False when the data files could not be opened or read; the reason has been shown.
    bool loaded() const { return loaded_; }

    QLineEdit* Owner;
    QComboBox* Team;
    QComboBox* Engine;
    QComboBox* Driver1;
    QComboBox* Driver2;
    QComboBox* TDriver;
    QLineEdit* Price;
    QPushButton* New;
    QPushButton* Previous;
    QPushButton* Forward;
    QPushButton* Delete;
    QPushButton* Close;
    QLineEdit* Number;
    QLabel* Label6;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label8;
    QLabel* Label7;
    QLineEdit* TPrice;
    QLineEdit* EPrice;
    QLineEdit* D1Price;
    QLineEdit* D2Price;
    QLineEdit* TDPrice;

public slots:
    void Previous_Click();
    void Forward_Click();
    void New_Click();
    void Delete_Click();
    void Close_Click();

    // Each picker's handler runs when its selection is set, by the user or the program.
    void Team_Click();
    void Engine_Click();
    void Driver1_Click();
    void Driver2_Click();
    void TDriver_Click();
    void Team_Change() { Team_Click(); }
    void Engine_Change() { Engine_Click(); }
    void Driver1_Change() { Driver1_Click(); }
    void Driver2_Change() { Driver2_Click(); }
    void TDriver_Change() { TDriver_Click(); }

    // Esc does nothing: there is no cancel button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum Which { TeamPick, EnginePick, Driver1Pick, Driver2Pick, TestDriverPick };

    bool Form_Load();
    void Form_QueryUnload();

    bool openFiles();
    qint64 number() const;
    void setNumber(qint64 n);

    QComboBox* picker(Which which) const;
    QLineEdit* priceBox(Which which) const;
    void pickerChanged(Which which);
    void select(QComboBox* box, int position);
    void showPosition(Which which, int stored);
    void refreshTotal();
    void fillUnchosenPickers(bool includingTeam);

    bool readRecord(const RecordFile& file, qint64 n, QByteArray* bytes);
    bool showEntry(qint64 n);
    void startNewEntry(qint64 n);
    bool storeShownEntry();
    void refreshLeagueTable();
    void showError(const QString& text);

    DataDir dataDir_;
    FlexGrid* hiScores_;
    QLineEdit* mainNumber_;
    Team_Viewer* viewer_;

    RecordFile entries_, teams_, testDrivers_;
    EntryRecord entry_; // the entry last read, whose Points a store writes back
    bool loaded_ = false;
};

} // namespace velmora
