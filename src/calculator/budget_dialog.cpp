#include "calculator/budget_dialog.h"

#include "calculator/best_worst_window.h"
#include "data/text.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

BudgetDialog::BudgetDialog(const DataDir& dataDir, QPointer<BestWorstWindow>& resultWindow,
                           QWidget* parent)
    : FixedWindow(parent, "Calculate", QStringLiteral("Calculate Best/Worst Team"), 4110, 840),
      dataDir_(dataDir), resultWindow_(resultWindow)
{
    budgetBox_ = addTextBox(this, "Budge", {1395, 255, 1335, 315});
    holdsNumber(budgetBox_);
    addLabel(this, "Label1", QStringLiteral("Budget Limit:"), {240, 300, 1095, 255}, budgetBox_,
             Qt::AlignLeft);
    auto* ok = addButton(this, "Ok", QStringLiteral("Ok"), {2880, 240, 990, 345});
    connect(ok, &QPushButton::clicked, this, &BudgetDialog::onOkClicked);
    setTabOrder({budgetBox_, ok});
}

void BudgetDialog::onOkClicked()
{
    const double budget = readNumber(budgetBox_->text());
    if (!(budget > 0))
        return;

    // A result window that is closing (hidden, not yet deleted) counts as closed; an open one
    // searches again, for this budget.
    BestWorstWindow* window = resultWindow_;
    if (window && window->isVisible()) {
        if (!window->search(budgetBox_->text()))
            return;
    } else {
        auto* created = new BestWorstWindow(dataDir_, budgetBox_->text(), parentWidget());
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
