#pragma once

#include "data/data_dir.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class Calculator;

// "Calculate Best/Worst Team" (the budget dialog): takes the budget and opens the result
// window. Shown modal.
class Calculate : public QDialog {
    Q_OBJECT
public:
    // resultWindow is kept by the caller: it holds the open result window, which outlives
    // this dialog and parents to this dialog's parent; while it is open, a new budget
    // brings it to the front instead of opening another.
    Calculate(const DataDir& dataDir, QPointer<Calculator>& resultWindow,
              QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Budge;
    QPushButton* Ok;

public slots:
    void Ok_Click();

private:
    DataDir dataDir_;
    QPointer<Calculator>& resultWindow_;
};

}  // namespace velmora
