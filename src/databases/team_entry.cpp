#include "databases/team_entry.h"

#include "data/text.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Team_Entry::Team_Entry(const DataDir& dataDir, QWidget* parent)
    : RecordEditor(parent, "Team_Entry", QStringLiteral("Tro Team Database"), 4485, 2805, dataDir,
                   dataDir.teams(), TeamRecord::Length)
{
    Team = addTextBox(this, "Team", {1260, 420, 1935, 285});
    Team_Price =
        addTextBox(this, "Team_Price", {3390, 420, 960, 285}, QStringLiteral("Team price"));
    Engine = addTextBox(this, "Engine", {1260, 855, 1935, 285});
    Engine_Price =
        addTextBox(this, "Engine_Price", {3390, 855, 960, 285}, QStringLiteral("Engine price"));
    Driver1 = addTextBox(this, "Driver1", {1260, 1290, 1935, 285});
    Driver1_Price =
        addTextBox(this, "Driver1_Price", {3390, 1290, 960, 285}, QStringLiteral("Driver 1 price"));
    Driver2 = addTextBox(this, "Driver2", {1260, 1785, 1935, 285});
    Driver2_Price =
        addTextBox(this, "Driver2_Price", {3390, 1785, 960, 285}, QStringLiteral("Driver 2 price"));
    for (const Row& row : rows()) {
        holdsName(row.name);
        holdsNumber(row.price);
        row.price->setAlignment(Qt::AlignCenter);
    }
    const Buttons b = addButtons(2340, {105, 892, 1799, 2706, 3615});
    addLabel(this, "Label1", QStringLiteral("Team Name:"), {240, 450, 915, 225}, Team);
    addLabel(this, "Label2", QStringLiteral("Engine Maker:"), {105, 885, 1050, 225}, Engine);
    addLabel(this, "Label3", QStringLiteral("Driver 1:"), {540, 1320, 615, 225}, Driver1);
    addLabel(this, "Label4", QStringLiteral("Driver 2:"), {540, 1815, 615, 225}, Driver2);
    addLabel(this, "Label5", QStringLiteral("Price (\u00a3millions)"), {3315, 105, 1110, 225});
    Number = addNumberBox(this, {1260, 60, 690, 285});
    addLabel(this, "Label6", QStringLiteral("Team Number:"), {75, 90, 1080, 225}, Number);

    setTabOrder({Team, Team_Price, Engine, Engine_Price, Driver1, Driver1_Price, Driver2,
                 Driver2_Price, b.New, b.Previous, b.Forward, b.Delete, b.Close});
    setSteppingControls(Number, Team);
    connect(b.Close, &QPushButton::clicked, this, &Team_Entry::Close_Click);
    Form_Load();
}

std::array<Team_Entry::Row, 4> Team_Entry::rows()
{
    return {{{Team, Team_Price, &record_.Team},
             {Engine, Engine_Price, &record_.Engine},
             {Driver1, Driver1_Price, &record_.Driver1},
             {Driver2, Driver2_Price, &record_.Driver2}}};
}

void Team_Entry::showRecord(const QByteArray& record)
{
    if (record.isEmpty()) {
        showEmpty();
        return;
    }
    record_ = TeamRecord::decode(record.constData());
    for (const Row& row : rows()) {
        row.name->setText(displayText(row.slot->Name));
        row.price->setText(numberText(row.slot->Price));
    }
}

QByteArray Team_Entry::takeShown()
{
    for (const Row& row : rows()) {
        row.slot->Name = fieldText(row.name->text());
        // A price box left as shown keeps the stored value: a price that needs more than
        // the seven digits shown is not changed by merely stepping over its record.
        if (row.price->text() != numberText(row.slot->Price))
            row.slot->Price = toSingle(readNumber(row.price->text()));
    }
    return record_.encode();
}

void Team_Entry::showEmpty()
{
    record_ = TeamRecord{};
    for (const Row& row : rows()) {
        row.name->clear();
        row.price->clear();
    }
}

} // namespace velmora
