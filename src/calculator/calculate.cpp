#include "calculator/calculate.h"

#include "calculator/calculator.h"
#include "data/text.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Calculate::Calculate(const DataDir& dataDir, QPointer<Calculator>& resultWindow, QWidget* parent)
    : Form(parent, "Calculate", QStringLiteral("Calculate Best/Worst Team"), 4110, 840),
      dataDir_(dataDir), resultWindow_(resultWindow)
{
    Budge = addTextBox(this, "Budge", {1395, 255, 1335, 315});
    holdsNumber(Budge);
    addLabel(this, "Label1", QStringLiteral("Budget Limit:"), {240, 300, 1095, 255}, Budge,
             Qt::AlignLeft);
    auto* Ok = addButton(this, "Ok", QStringLiteral("Ok"), {2880, 240, 990, 345});
    connect(Ok, &QPushButton::clicked, this, &Calculate::Ok_Click);
    setTabOrder({Budge, Ok});
}

void Calculate::Ok_Click()
{
    const double budget = readNumber(Budge->text());
    if (!(budget > 0))
        return;

    // A result window that is closing (hidden, not yet deleted) counts as closed; an open one
    // searches again, for this budget.
    Calculator* window = resultWindow_;
    if (window && window->isVisible()) {
        if (!window->search(Budge->text()))
            return;
    } else {
        auto* created = new Calculator(dataDir_, Budge->text(), parentWidget());
        if (!created->loaded()) {
            delete created;
            return;
        }
        window = created;
        resultWindow_ = window;
    }
    hide();
    window->show();
    window->raise();
    window->activateWindow();
    accept();
}

} // namespace velmora
