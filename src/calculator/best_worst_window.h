#pragma once

#include "calculator/search.h"
#include "data/league.h"
#include "toolkit/fixed_window.h"

#include <array>

class QLineEdit;

namespace velmora {

// "Calculate Best/Worst Team" (the result window): searches the team database for the best
// and the worst team within the budget when it is created, and again for each budget asked
// while it is open, and shows them. Not modal; closing it discards it.
class BestWorstWindow : public FixedWindow {
    Q_OBJECT
public:
    // budgetText: the budget as typed, read by the number-reading rule.
    BestWorstWindow(const League& league, const QString& budgetText, QWidget* parent = nullptr);

    // Searches again for the budget the text begins with, on a thread of its own (a box with
    // Stop shows when it takes a while); false, with the reason told, when the team database
    // cannot be read, or the organiser chose not to search one too large for a quick search
    // (the boxes are then empty).
    bool search(const QString& budgetText);

public slots:
    void onOkClicked();

private:
    const League& league_;
    // Team, Engine, Driver 1, Driver 2, Price and Score of the best and of the worst team.
    std::array<QLineEdit*, 6> best_, worst_;
};

} // namespace velmora
