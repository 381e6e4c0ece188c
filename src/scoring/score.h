#pragma once

#include "data/data_dir.h"
#include "toolkit/form.h"

class QComboBox;
class QPushButton;

namespace velmora {

class FlexGrid;

// "Scoring": names a race (picked from the calendar or typed), opens its two score cards
// and has the championship recalculated, adding a typed race to the calendar.
class Score : public Form {
    Q_OBJECT
public:
    Score(const DataDir& dataDir, FlexGrid* hiScores, QWidget* parent = nullptr);

public slots:
    void Teamscore_Click();
    void Testscore_Click();
    void Calculate_Click();

private:
    void Form_Load();
    bool raceNamed();

    DataDir dataDir_;
    FlexGrid* hiScores_;
    QComboBox* Race;
    QPushButton* Calculate;
};

// Recalculates the championship, with the hourglass up, and shows the entries' new points
// in the league table (when there is one). False, with the reason in *error and nothing
// written, when it cannot be done.
bool recalculateLeague(const DataDir& dataDir, FlexGrid* league, QString* error);

} // namespace velmora
