#include "scoring/td_score.h"

#include "data/text.h"
#include "toolkit/dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

TD_Score::TD_Score(const DataDir& dataDir, const QString& race, QWidget* parent)
    : Form(parent, "TD_Score", QStringLiteral("Test Driver Score Card"), 4485, 1905),
      cursor_(dataDir.raceTestDrivers(race), dataDir.scratch(), TestDriverRecord::Length)
{
    Number = addNumberBox(this, {1260, 120, 690, 285}, false);
    Number->setEnabled(false);
    Number->setAccessibleName(QStringLiteral("Entry number"));
    Driver = addComboBox(this, "Driver", {1260, 630, 1935, 315});
    addLabel(this, "Label3", QStringLiteral("Driver:"), {105, 675, 1050, 225}, Driver);
    Price = addTextBox(this, "Price", {3390, 645, 960, 285});
    Price->setAlignment(Qt::AlignHCenter);
    holdsNumber(Price);
    addLabel(this, "Label5", QStringLiteral("Score"), {3390, 375, 960, 225}, Price,
             Qt::AlignHCenter);
    auto* New = addButton(this, "New", QStringLiteral("New"), {1260, 1380, 840, 345});
    auto* Close = addButton(this, "Close", QStringLiteral("Finish"), {2355, 1380, 840, 345});
    connect(Driver, &QComboBox::activated, this, &TD_Score::Driver_Click);
    connect(New, &QPushButton::clicked, this, &TD_Score::New_Click);
    connect(Close, &QPushButton::clicked, this, &TD_Score::Close_Click);
    setTabOrder({Driver, Price, New, Close});
    setLoaded(Form_Load(dataDir));
}

bool TD_Score::Form_Load(const DataDir& dataDir)
{
    // The race file is neither read nor changed on opening.
    std::vector<TestDriverRecord> drivers;
    QString error;
    if (!readRecords(dataDir.testDrivers(), &drivers, &error) || !cursor_.open(&error)) {
        Messages::error(this, error);
        return false;
    }
    for (const TestDriverRecord& d : drivers)
        Driver->addItem(displayText(d.Name));
    Driver->setCurrentIndex(-1);
    markShown();
    return true;
}

// An entry belongs to the driver picked; with none, there is nothing to store.
bool TD_Score::canStoreShown() const
{
    return loaded() && Driver->currentIndex() >= 0;
}

void TD_Score::showNumber()
{
    Number->setText(recordNumberText(cursor_.number()));
}

// The entry goes to the record that stands for the driver picked.
void TD_Score::Driver_Click(int position)
{
    cursor_.setNumber(position + 1);
    showNumber();
}

bool TD_Score::storeEntry()
{
    // With no driver picked the entry would land on a record of the number shown, over a
    // driver's points: it is not stored.
    if (!canStoreShown())
        return true;
    record_.Name = fieldText(Driver->currentText());
    record_.Score = toInteger(readNumber(Price->text()));
    // Drivers between the end of the file and the one picked get a record of no points, so
    // that the file stays whole records and every record stands for its own driver.
    const auto noPoints = [this](qint64 j) {
        return TestDriverRecord{fieldText(Driver->itemText(int(j) - 1)), 0, 0}.encode();
    };
    QString error;
    if (cursor_.store(record_.encode(), &error, noPoints)) {
        markShown();
        return true;
    }
    Messages::error(this, error);
    return false;
}

// The next entry: with a driver picked, its entry is stored first and the number moves on;
// with none, only the score is cleared.
void TD_Score::New_Click()
{
    const bool picked = Driver->currentIndex() >= 0;
    if (!storeEntry())
        return;
    if (picked) {
        cursor_.setNumber(cursor_.number() + 1);
        showNumber();
        Driver->setCurrentIndex(-1);
    }
    Price->clear();
    markShown();
    Driver->setFocus();
}

void TD_Score::Close_Click()
{
    if (!storeEntry())
        return; // stays open: the entry on the screen is not lost
    hide();
    Form_QueryUnload();
    accept();
}

} // namespace velmora
