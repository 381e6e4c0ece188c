#include "calculator/calculate.h"

#include "calculator/calculator.h"
#include "data/text.h"
#include "toolkit/accessibility.h"
#include "toolkit/dialogs.h"
#include "toolkit/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Calculate::Calculate(const DataDir& dataDir, QPointer<Calculator>& resultWindow,
                     QWidget* parent)
    : QDialog(parent), dataDir_(dataDir), resultWindow_(resultWindow)
{
    setObjectName(QStringLiteral("Calculate"));
    setWindowTitle(QStringLiteral("Calculate Best/Worst Team"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(4110, 840));

    Label1 = new QLabel(QStringLiteral("Budget Limit:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    place(Label1, 240, 300, 1095, 255);

    Budge = new QLineEdit(this);
    Budge->setObjectName(QStringLiteral("Budge"));
    place(Budge, 1395, 255, 1335, 315);
    labelFor(Label1, Budge);

    Ok = new QPushButton(QStringLiteral("Ok"), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    place(Ok, 2880, 240, 990, 345);
    connect(Ok, &QPushButton::clicked, this, &Calculate::Ok_Click);

    setTabOrder(Budge, Ok);
    Budge->setFocus();
}

void Calculate::Ok_Click()
{
    const double budget = readNumber(Budge->text());
    if (!(budget > 0))
        return;

    // A result window that is closing (hidden, not yet deleted) counts as closed.
    Calculator* window = resultWindow_;
    if (!window || !window->isVisible()) {
        auto* created = new Calculator(dataDir_, Budge->text(), parentWidget());
        if (!created->loadError().isEmpty()) {
            Messages::error(this, created->loadError());
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

}  // namespace velmora
