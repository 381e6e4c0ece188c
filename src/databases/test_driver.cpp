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
    holdsNumber(Price);
    Price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const Buttons b = addButtons(870, {60, 840, 1755, 2655, 3570});
    Number = addNumberBox(this, {945, 30, 690, 285});
    addLabel(this, "Label6", QStringLiteral("Number:"), {195, 60, 645, 225}, Number);
    addLabel(this, "Label5", QStringLiteral("Price (\u00a3millions)"), {3000, 60, 1110, 225},
             Price);
    addLabel(this, "Label3", QStringLiteral("Driver:"), {345, 450, 495, 225}, Driver);

    setTabOrder({Driver, Price, b.New, b.Previous, b.Forward, b.Delete, b.Close});
    setSteppingControls(Number, Driver);
    connect(b.Close, &QPushButton::clicked, this, &Test_Driver::Close_Click);
    Form_Load();
}

void Test_Driver::showRecord(const QByteArray& record)
{
    if (record.isEmpty()) {
        showEmpty();
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

void Test_Driver::showEmpty()
{
    record_ = TestDriverRecord{};
    Driver->clear();
    Price->clear();
}

} // namespace velmora
