#include "databases/database_editor.h"

#include "data/text.h"
#include "toolkit/dialogs.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {
namespace {

// "Tro Team Database": teams.tro one racing team at a time, the names and prices of its
// four components.
class TeamEditor : public DatabaseEditor<TeamRecord> {
    Q_DECLARE_TR_FUNCTIONS(TeamEditor)

    // Each slot's name box and price box, in the order Team, Engine, Driver1, Driver2.
    std::array<QLineEdit*, 4> nameBoxes_, priceBoxes_;

public:
    TeamEditor(League& league, QWidget* parent)
        : DatabaseEditor(parent, "Team_Entry", tr("Tro Team Database"), 4485, 2805, league,
                         LeagueFile::Teams)
    {
        const char* const names[] = {"Team", "Engine", "Driver1", "Driver2"};
        const char* const prices[] = {"Team_Price", "Engine_Price", "Driver1_Price",
                                      "Driver2_Price"};
        const char* const spoken[] = {QT_TR_NOOP("Team price"), QT_TR_NOOP("Engine price"),
                                      QT_TR_NOOP("Driver 1 price"), QT_TR_NOOP("Driver 2 price")};
        const int tops[] = {420, 855, 1290, 1785};
        for (std::size_t s = 0; s < 4; ++s) {
            nameBoxes_[s] = addTextBox(this, names[s], {1260, tops[s], 1935, 285});
            priceBoxes_[s] = addTextBox(this, prices[s], {3390, tops[s], 960, 285}, tr(spoken[s]));
            holdsName(nameBoxes_[s]);
            holdsNumber(priceBoxes_[s], NumberField::Real);
            priceBoxes_[s]->setAlignment(Qt::AlignCenter);
        }
        const Buttons b = addButtons(2340, {105, 892, 1799, 2706, 3615});
        addLabel(this, "Label1", tr("Team Name:"), {240, 450, 915, 225}, nameBoxes_[0]);
        addLabel(this, "Label2", tr("Engine Maker:"), {105, 885, 1050, 225}, nameBoxes_[1]);
        addLabel(this, "Label3", tr("Driver 1:"), {540, 1320, 615, 225}, nameBoxes_[2]);
        addLabel(this, "Label4", tr("Driver 2:"), {540, 1815, 615, 225}, nameBoxes_[3]);
        addLabel(this, "Label5", tr("Price (\u00a3millions)"), {3315, 105, 1110, 225});
        QLineEdit* number = addNumberBox(this, {1260, 60, 690, 285});
        addLabel(this, "Label6", tr("Team Number:"), {75, 90, 1080, 225}, number);

        setTabOrder({nameBoxes_[0], priceBoxes_[0], nameBoxes_[1], priceBoxes_[1], nameBoxes_[2],
                     priceBoxes_[2], nameBoxes_[3], priceBoxes_[3], b.newRecord, b.previous, b.next,
                     b.remove, b.close});
        setSteppingControls(number, nameBoxes_[0]);
        load();
    }

protected:
    void showRecord(const std::optional<TeamRecord>& record) override
    {
        record_ = record.value_or(TeamRecord{});
        const auto parts = record_.components();
        for (std::size_t s = 0; s < 4; ++s) {
            nameBoxes_[s]->setText(displayText(parts[s]->Name));
            priceBoxes_[s]->setText(record ? numberText(parts[s]->Price) : QString());
        }
    }

    TeamRecord shownRecord() override
    {
        const auto parts = record_.components();
        for (std::size_t s = 0; s < 4; ++s) {
            parts[s]->Name = fieldText(nameBoxes_[s]->text());
            // A price box left as shown keeps the stored value: a price that needs more than
            // the seven digits shown is not changed by merely stepping over its record.
            if (priceBoxes_[s]->text() != numberText(parts[s]->Price))
                parts[s]->Price = toSingle(readNumber(priceBoxes_[s]->text()));
        }
        return record_;
    }
};

// "Test Driver Database": test.tro one test driver at a time, name and price in whole
// millions.
class TestDriverEditor : public DatabaseEditor<TestDriverRecord> {
    Q_DECLARE_TR_FUNCTIONS(TestDriverEditor)

    QLineEdit *nameBox_, *priceBox_;

public:
    TestDriverEditor(League& league, QWidget* parent)
        : DatabaseEditor(parent, "Test_Driver", tr("Test Driver Database"), 4410, 1335, league,
                         LeagueFile::TestDrivers)
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
        addLabel(this, "Label6", tr("Number:"), {195, 60, 645, 225}, number);
        addLabel(this, "Label5", tr("Price (\u00a3millions)"), {3000, 60, 1110, 225}, priceBox_);
        addLabel(this, "Label3", tr("Driver:"), {345, 450, 495, 225}, nameBox_);

        setTabOrder({nameBox_, priceBox_, b.newRecord, b.previous, b.next, b.remove, b.close});
        setSteppingControls(number, nameBox_);
        load();
    }

protected:
    void showRecord(const std::optional<TestDriverRecord>& record) override
    {
        record_ = record.value_or(TestDriverRecord{});
        nameBox_->setText(displayText(record_.Name));
        priceBox_->setText(record ? numberText(int(record_.Price)) : QString());
    }

    TestDriverRecord shownRecord() override
    {
        record_.Name = fieldText(nameBox_->text());
        record_.Price = toInteger(readNumber(priceBox_->text()));
        return record_;
    }
};

} // namespace

std::unique_ptr<FixedWindow> teamEditor(League& league, QWidget* parent)
{
    return std::make_unique<TeamEditor>(league, parent);
}

std::unique_ptr<FixedWindow> testDriverEditor(League& league, QWidget* parent)
{
    return std::make_unique<TestDriverEditor>(league, parent);
}

bool deletable(QWidget* parent, const League& league, LeagueFile::Kind database, qint64 record)
{
    References found;
    QString error;
    if (!referencesFrom(league, database, record, &found, &error)) {
        Messages::error(parent, error);
        return false;
    }
    const QString refusal = deleteRefusal(database, record, found);
    if (!refusal.isEmpty())
        Messages::error(parent, refusal);
    return refusal.isEmpty();
}

} // namespace velmora
