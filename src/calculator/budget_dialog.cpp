#include "calculator/budget_dialog.h"

#include "data/text.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

BudgetDialog::BudgetDialog(std::function<bool(const QString&)> search, QWidget* parent)
    : FixedWindow(parent, "Calculate", tr("Calculate Best/Worst Team"), 4110, 840),
      search_(std::move(search))
{
    budgetBox_ = addTextBox(this, "Budge", {1395, 255, 1335, 315});
    holdsNumber(budgetBox_, NumberField::Real);
    addLabel(this, "Label1", tr("Budget Limit:"), {240, 300, 1095, 255}, budgetBox_, Qt::AlignLeft);
    auto* ok = addButton(this, "Ok", tr("&Ok"), {2880, 240, 990, 345});
    connect(ok, &QPushButton::clicked, this, &BudgetDialog::onOkClicked);
    setTabOrder({budgetBox_, ok});
}

void BudgetDialog::onOkClicked()
{
    const double budget = readNumber(budgetBox_->text());
    if (!(budget > 0) || !search_(budgetBox_->text()))
        return;
    hide();
    accept();
}

} // namespace velmora
