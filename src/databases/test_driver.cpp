#include "databases/test_driver.h"

#include "data/text.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Test_Driver::Test_Driver(const DataDir& dataDir, QWidget* parent)
    : RecordEditor(parent, "Test_Driver", QStringLiteral("Test Driver Database"), 4410, 1335,
                   dataDir, dataDir.testDrivers(), TestDriverRecord::Length)
{
    Driver = addTextBox(this, "Driver", {945, 420, 1935, 285});
    holdsName(Driver);
    // A record saved before any record was shown, the box untouched, gets the price 1.
    Price = addTextBox(this, "Price", {3075, 420, 960, 285});
    Price->setText(QStringLiteral("1"));
    Price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* New = addButton(this, "New", QStringLiteral("New"), {60, 870, 720, 345});
    auto* Previous = addButton(this, "Previous", QStringLiteral("Previous"), {840, 870, 840, 345});
    auto* Forward = addButton(this, "Forward", QStringLiteral("Next"), {1755, 870, 840, 345});
    auto* Delete = addButton(this, "Delete", QStringLiteral("Delete"), {2655, 870, 840, 345});
    auto* Close = addButton(this, "Close", QStringLiteral("Close"), {3570, 870, 765, 345});
    Number = addNumberBox(this, {945, 30, 690, 285});
    addLabel(this, "Label6", QStringLiteral("Number:"), {195, 60, 645, 225}, Number);
    addLabel(this, "Label5", QStringLiteral("Price (\u00a3millions)"), {3000, 60, 1110, 225}, Price);
    addLabel(this, "Label3", QStringLiteral("Driver:"), {345, 450, 495, 225}, Driver);

    setTabOrder({Driver, Price, New, Previous, Forward, Delete, Close});
    setSteppingControls(Number, Previous, Forward, Driver, New, Delete);
    connect(Close, &QPushButton::clicked, this, &Test_Driver::Close_Click);
    Form_Load();
}

void Test_Driver::showRecord(const QByteArray& record)
{
    if (record.isEmpty()) {
        record_ = TestDriverRecord{};
        clearBoxes();
        return;
    }
    record_ = TestDriverRecord::decode(record.constData());
    Driver->setText(displayText(record_.Name));
    Price->setText(numberText(int(record_.Price)));
}

QByteArray Test_Driver::takeShown()
{
    record_.Name = fieldText(Driver->text());
    record_.Price = toInteger(readNumber(Price->text()));
    return record_.encode();
}

void Test_Driver::clearBoxes()
{
    Driver->clear();
    Price->clear();
}

}  // namespace velmora
