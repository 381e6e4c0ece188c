#pragma once

#include "toolkit/fixed_window.h"

#include <functional>

class QLineEdit;

namespace velmora {

// "Calculate Best/Worst Team" (the budget dialog): takes the budget and hands it over. Shown
// modal; it closes once the budget was taken.
class BudgetDialog : public FixedWindow {
    Q_OBJECT
public:
    // search: what a budget above 0 is handed to, as typed; false (the reason told) keeps the
    // dialog open.
    explicit BudgetDialog(std::function<bool(const QString&)> search, QWidget* parent = nullptr);

public slots:
    void onOkClicked();

private:
    std::function<bool(const QString&)> search_;
    QLineEdit* budgetBox_;
};

} // namespace velmora
