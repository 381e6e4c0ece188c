#include "databases/test_driver_editor.h"

#include "data/text.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

TestDriverEditor::TestDriverEditor(League& league, QWidget* parent)
    : DatabaseEditor(parent, "Test_Driver", QStringLiteral("Test Driver Database"), 4410, 1335,
                     league, LeagueFile::TestDrivers)
{
    nameBox_ = addTextBox(this, "Driver", {945, 420, 1935, 285});
    holdsName(nameBox_);
    // A record saved before any record was shown, the box untouched, gets the price 1.
    priceBox_ = addTextBox(this, "Price", {3075, 420, 960, 285});
    priceBox_->setText(QStringLiteral("1"));
    priceBox_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    holdsNumber(priceBox_, NumberField::Whole);
    const Buttons b = addButtons(870, {60, 840, 1755, 2655, 3570});
    QLineEdit* number = addNumberBox(this, {945, 30, 690, 285});
    addLabel(this, "Label6", QStringLiteral("Number:"), {195, 60, 645, 225}, number);
    addLabel(this, "Label5", QStringLiteral("Price (\u00a3millions)"), {3000, 60, 1110, 225},
             priceBox_);
    addLabel(this, "Label3", QStringLiteral("Driver:"), {345, 450, 495, 225}, nameBox_);

    setTabOrder({nameBox_, priceBox_, b.newRecord, b.previous, b.next, b.remove, b.close});
    setSteppingControls(number, nameBox_);
    load();
}

void TestDriverEditor::showRecord(const std::optional<TestDriverRecord>& record)
{
    if (!record)
        return showEmpty();
    record_ = *record;
    nameBox_->setText(displayText(record_.Name));
    priceBox_->setText(numberText(int(record_.Price)));
}

TestDriverRecord TestDriverEditor::shownRecord()
{
    record_.Name = fieldText(nameBox_->text());
    record_.Price = toInteger(readNumber(priceBox_->text()));
    return record_;
}

void TestDriverEditor::showEmpty()
{
    record_ = TestDriverRecord{};
    nameBox_->clear();
    priceBox_->clear();
}

} // namespace velmora
