#include "scoring/test_driver_score_card.h"

#include "data/record_file.h"
#include "data/text.h"
#include "data/types.h"
#include "toolkit/dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

TestDriverScoreCard::TestDriverScoreCard(League& league, const QString& race, QWidget* parent)
    : FixedWindow(parent, "TD_Score", tr("Test Driver Score Card"), 4485, 1905),
      cursor_(league, {LeagueFile::RaceTestDrivers, race})
{
    numberBox_ = addNumberBox(this, {1260, 120, 690, 285});
    numberBox_->setEnabled(false);
    numberBox_->setAccessibleName(tr("Entry number"));
    driverBox_ = addComboBox(this, "Driver", {1260, 630, 1935, 315});
    addLabel(this, "Label3", tr("Driver:"), {105, 675, 1050, 225}, driverBox_);
    scoreBox_ = addTextBox(this, "Price", {3390, 645, 960, 285});
    scoreBox_->setAlignment(Qt::AlignHCenter);
    holdsNumber(scoreBox_, NumberField::Whole);
    addLabel(this, "Label5", tr("Score"), {3390, 375, 960, 225}, scoreBox_, Qt::AlignHCenter);
    auto* newEntry = addButton(this, "New", tr("&New"), {1260, 1380, 840, 345});
    auto* finish = addButton(this, "Close", tr("&Finish"), {2355, 1380, 840, 345});
    connect(driverBox_, &QComboBox::activated, this, &TestDriverScoreCard::onDriverChosen);
    connect(newEntry, &QPushButton::clicked, this, &TestDriverScoreCard::onNewClicked);
    connect(finish, &QPushButton::clicked, this, &TestDriverScoreCard::onFinishClicked);
    setTabOrder({driverBox_, scoreBox_, newEntry, finish});
    setReadOnly(league);
    setLoaded(load(league));
}

bool TestDriverScoreCard::load(const League& league)
{
    // The race file is neither read nor changed on opening (nor made: the first store does).
    std::vector<TestDriverRecord> drivers;
    QString error;
    if (!league.read(LeagueFile::TestDrivers, &drivers, &error) || !cursor_.open(&error)) {
        Messages::error(this, error);
        return false;
    }
    for (const TestDriverRecord& d : drivers)
        driverBox_->addItem(displayText(d.Name));
    driverBox_->setCurrentIndex(-1);
    markShown();
    return true;
}

// An entry belongs to the driver picked; with none, there is nothing to store.
bool TestDriverScoreCard::canStoreShown() const
{
    return loaded() && driverBox_->currentIndex() >= 0;
}

void TestDriverScoreCard::showNumber()
{
    numberBox_->setText(recordNumberText(cursor_.number()));
}

// The entry goes to the record that stands for the driver picked.
void TestDriverScoreCard::onDriverChosen(int position)
{
    cursor_.setNumber(position + 1);
    showNumber();
}

bool TestDriverScoreCard::storeEntry()
{
    // With no driver picked the entry would land on a record of the number shown, over a
    // driver's points: it is not stored.
    if (!canStoreShown())
        return true;
    const TestDriverRecord entry{fieldText(driverBox_->currentText()), 0,
                                 toInteger(readNumber(scoreBox_->text()))};
    // Drivers between the end of the file and the one picked get a record of no points, so
    // that the file stays whole records and every record stands for its own driver.
    const std::function<TestDriverRecord(qint64)> noPoints = [this](qint64 j) {
        return TestDriverRecord{fieldText(driverBox_->itemText(int(j) - 1)), 0, 0};
    };
    QString error;
    if (cursor_.store(entry, &error, noPoints)) {
        markShown();
        return true;
    }
    Messages::error(this, error);
    return false;
}

// The next entry: with a driver picked, its entry is stored first and the number moves on;
// with none, only the score is cleared.
void TestDriverScoreCard::onNewClicked()
{
    const bool picked = driverBox_->currentIndex() >= 0;
    if (!storeEntry())
        return;
    if (picked) {
        cursor_.setNumber(cursor_.number() + 1);
        showNumber();
        driverBox_->setCurrentIndex(-1);
    }
    scoreBox_->clear();
    markShown();
    driverBox_->setFocus();
}

void TestDriverScoreCard::onFinishClicked()
{
    if (storeEntry()) // otherwise it stays open: the entry on the screen is not lost
        closeStored();
}

} // namespace velmora
