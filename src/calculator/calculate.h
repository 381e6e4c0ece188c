#pragma once

#include "data/data_dir.h"
#include "toolkit/form.h"

#include <QPointer>

class QLineEdit;

namespace velmora {

class Calculator;

// "Calculate Best/Worst Team" (the budget dialog): takes the budget and opens the result
// window. Shown modal.
class Calculate : public Form {
    Q_OBJECT
public:
    // resultWindow is kept by the caller: it holds the open result window, which outlives
    // this dialog and parents to this dialog's parent; while it is open, a new budget
    // brings it to the front instead of opening another.
    Calculate(const DataDir& dataDir, QPointer<Calculator>& resultWindow,
              QWidget* parent = nullptr);

public slots:
    void Ok_Click();

private:
    DataDir dataDir_;
    QPointer<Calculator>& resultWindow_;
    QLineEdit* Budge;
};

} // namespace velmora
