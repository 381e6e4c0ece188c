#pragma once

#include "calculator/search.h"
#include "data/data_dir.h"
#include "toolkit/form.h"

#include <array>

class QLineEdit;

namespace velmora {

// "Calculate Best/Worst Team" (the result window): searches the team database once, when
// it is created, for the best and the worst team within the budget, and shows them. Not
// modal; closing it discards it.
class Calculator : public Form {
    Q_OBJECT
public:
    // budgetText: the budget as typed, read by the number-reading rule.
    Calculator(const DataDir& dataDir, const QString& budgetText, QWidget* parent = nullptr);

public slots:
    void Okay_Click();

private:
    bool Form_Load(const QString& budgetText);

    DataDir dataDir_;
    // Team, Engine, Driver 1, Driver 2, Price and Score of the best and of the worst team.
    std::array<QLineEdit*, 6> best_, worst_;
};

} // namespace velmora
