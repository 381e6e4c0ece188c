#pragma once

#include "data/league.h"
#include "scoring/race_results.h"
#include "toolkit/fixed_window.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace velmora {

class ResultsModel;

// "Race Results": one race's points in one table, typed or pasted from a spreadsheet like a
// sheet's cells, and stored with the championship counted again in one step. A race picked from
// the calendar or typed (the scoring window's rules); a race of the calendar can be taken out of
// it here, its files kept. Unlike the windows of fixed size it can be made larger.
class RaceResultsWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit RaceResultsWindow(League& league, QWidget* parent = nullptr);
    ~RaceResultsWindow() override;

public slots:
    void onStoreClicked();
    void onTakeOutClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool readCalendar();
    void showCalendar();
    // The race box names a race: its table is shown, once the points typed for the one shown
    // are stored or let go.
    void onRaceNamed();
    void showRace(const QString& race);
    bool store();
    void updateButtons();

    League& league_;
    QStringList calendar_;
    RaceResults results_;
    ResultsModel* model_;
    bool unstored_ = false; // points typed since the race was shown or stored
    bool naming_ = false;   // a race named is being shown (a question may be open), or closing
    QComboBox* raceBox_;
    QPushButton* storeButton_;
    QPushButton* takeOutButton_;
    QLabel* said_;
};

} // namespace velmora
