#include "databases/team_editor.h"

#include "data/text.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

TeamEditor::TeamEditor(League& league, QWidget* parent)
    : DatabaseEditor(parent, "Team_Entry", QStringLiteral("Tro Team Database"), 4485, 2805, league,
                     LeagueFile::Teams)
{
    const char* const names[] = {"Team", "Engine", "Driver1", "Driver2"};
    const char* const prices[] = {"Team_Price", "Engine_Price", "Driver1_Price", "Driver2_Price"};
    const char* const spoken[] = {"Team price", "Engine price", "Driver 1 price", "Driver 2 price"};
    const int tops[] = {420, 855, 1290, 1785};
    for (std::size_t s = 0; s < 4; ++s) {
        nameBoxes_[s] = addTextBox(this, names[s], {1260, tops[s], 1935, 285});
        priceBoxes_[s] =
            addTextBox(this, prices[s], {3390, tops[s], 960, 285}, QString::fromLatin1(spoken[s]));
        holdsName(nameBoxes_[s]);
        holdsNumber(priceBoxes_[s], NumberField::Real);
        priceBoxes_[s]->setAlignment(Qt::AlignCenter);
    }
    const Buttons b = addButtons(2340, {105, 892, 1799, 2706, 3615});
    addLabel(this, "Label1", QStringLiteral("Team Name:"), {240, 450, 915, 225}, nameBoxes_[0]);
    addLabel(this, "Label2", QStringLiteral("Engine Maker:"), {105, 885, 1050, 225}, nameBoxes_[1]);
    addLabel(this, "Label3", QStringLiteral("Driver 1:"), {540, 1320, 615, 225}, nameBoxes_[2]);
    addLabel(this, "Label4", QStringLiteral("Driver 2:"), {540, 1815, 615, 225}, nameBoxes_[3]);
    addLabel(this, "Label5", QStringLiteral("Price (\u00a3millions)"), {3315, 105, 1110, 225});
    QLineEdit* number = addNumberBox(this, {1260, 60, 690, 285});
    addLabel(this, "Label6", QStringLiteral("Team Number:"), {75, 90, 1080, 225}, number);

    setTabOrder({nameBoxes_[0], priceBoxes_[0], nameBoxes_[1], priceBoxes_[1], nameBoxes_[2],
                 priceBoxes_[2], nameBoxes_[3], priceBoxes_[3], b.newRecord, b.previous, b.next,
                 b.remove, b.close});
    setSteppingControls(number, nameBoxes_[0]);
    load();
}

void TeamEditor::showRecord(const std::optional<TeamRecord>& record)
{
    if (!record)
        return showEmpty();
    record_ = *record;
    const auto parts = record_.components();
    for (std::size_t s = 0; s < 4; ++s) {
        nameBoxes_[s]->setText(displayText(parts[s]->Name));
        priceBoxes_[s]->setText(numberText(parts[s]->Price));
    }
}

TeamRecord TeamEditor::shownRecord()
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

void TeamEditor::showEmpty()
{
    record_ = TeamRecord{};
    for (std::size_t s = 0; s < 4; ++s) {
        nameBoxes_[s]->clear();
        priceBoxes_[s]->clear();
    }
}

} // namespace velmora
