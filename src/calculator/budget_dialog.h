#pragma once

#include "data/data_dir.h"
#include "toolkit/fixed_window.h"

#include <QPointer>

class QLineEdit;

namespace velmora {

class BestWorstWindow;

// "Calculate Best/Worst Team" (the budget dialog): takes the budget and opens the result
// window. Shown modal.
class BudgetDialog : public FixedWindow {
    Q_OBJECT
public:
    // resultWindow is kept by the caller: it holds the open result window, which outlives
    // this dialog and parents to this dialog's parent; while it is open, a new budget
    // brings it to the front instead of opening another.
    BudgetDialog(const DataDir& dataDir, QPointer<BestWorstWindow>& resultWindow,
                 QWidget* parent = nullptr);

public slots:
    void onOkClicked();

private:
    DataDir dataDir_;
    QPointer<BestWorstWindow>& resultWindow_;
    QLineEdit* budgetBox_;
};

} // namespace velmora
