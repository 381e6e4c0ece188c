#pragma once

#include "data/data_dir.h"
#include "toolkit/fixed_window.h"

class QComboBox;
class QPushButton;

namespace velmora {

// "Scoring": names a race (picked from the calendar or typed), opens its two score cards
// and has the championship recalculated, adding a typed race to the calendar.
class ScoringWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit ScoringWindow(const DataDir& dataDir, QWidget* parent = nullptr);

public slots:
    void onScoreTeamsClicked();
    void onScoreTestDriversClicked();
    void onCalculateClicked();

private:
    bool load();
    bool raceNamed();
    template <class Card> bool openCard();

    DataDir dataDir_;
    QComboBox* raceBox_;
    QPushButton* calculateButton_;
};

// Recalculates the championship, with the hourglass up. False, with the reason in *error and
// nothing written, when it cannot be done.
bool recalculate(const DataDir& dataDir, QString* error);

} // namespace velmora
