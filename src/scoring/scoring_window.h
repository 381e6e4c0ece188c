#pragma once

#include "data/league.h"
#include "toolkit/fixed_window.h"

class QComboBox;
class QPushButton;

namespace velmora {

// "Scoring": names a race (picked from the calendar or typed), opens its two score cards
// and has the championship recalculated, adding a typed race to the calendar.
class ScoringWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit ScoringWindow(League& league, QWidget* parent = nullptr);

public slots:
    void onScoreTeamsClicked();
    void onScoreTestDriversClicked();
    void onCalculateClicked();

private:
    bool load();
    bool raceNamed();
    template <class Card> bool openCard();

    League& league_;
    QComboBox* raceBox_;
    QPushButton* calculateButton_;
};

// Recalculates the championship (with the files of `with`, as recalculateChampionship), with
// the hourglass up. False, the reason told over parent and nothing written, when it cannot be
// done.
bool recalculate(League& league, QWidget* parent, std::vector<League::Replacement> with = {});

} // namespace velmora
