#include "shots.h"

#include "calculator/calculate.h"
#include "calculator/calculator.h"
#include "gui.h"
#include "main/main_window.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora::shots {

void shootCalculator(const Context& context)
{
    QPointer<Calculator> result;
    Calculate dialog(context.data, result, context.main);
    test::box(&dialog, "Budge")->setText(QStringLiteral("40"));
    save(context, &dialog, QStringLiteral("calculate"));
    test::button(&dialog, "Ok")->click();
    if (result) {
        save(context, result, QStringLiteral("calculator"));
        delete result;
    }
}

} // namespace velmora::shots
