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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool load();
    // The race named (a typed name of the calendar's race in another letter case is that race).
    QString race() const;
    bool hasRace();
    template <class Card> bool openCard();
    bool calculate();

    League& league_;
    QStringList calendar_;
    bool raceStored_ = false; // a card stored points since the window opened
    QComboBox* raceBox_;
    QPushButton* calculateButton_;
};

// Recalculates the championship (with the files of `with`, as recalculateChampionship), with
// the hourglass up. False, the reason told over parent and nothing written, when it cannot be
// done.
bool recalculate(League& league, QWidget* parent, std::vector<League::Replacement> with = {});

} // namespace velmora
