#pragma once

#include "data/data_dir.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace velmora {

class FlexGrid;
class Team_Viewer;

// "Scoring": names a race (picked from the calendar or typed), opens its two score cards
// and has the championship recalculated, adding a typed race to the calendar.
class Score : public QDialog {
    Q_OBJECT
public:
    Score(const DataDir& dataDir, FlexGrid* hiScores, Team_Viewer* viewer,
          QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* Race;
    QPushButton *Teamscore, *Testscore, *Calculate;

public slots:
    void Teamscore_Click();
    void Testscore_Click();
    void Calculate_Click();

private:
    void Form_Load();
    void lockRace();

    DataDir dataDir_;
    FlexGrid* hiScores_;
    Team_Viewer* viewer_;
};

}  // namespace velmora
