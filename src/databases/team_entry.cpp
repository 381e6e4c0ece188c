#include "databases/team_entry.h"

#include "data/text.h"
#include "toolkit/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Team_Entry::Team_Entry(const DataDir& dataDir, Team_Viewer* viewer, QWidget* parent)
    : RecordEditor(dataDir, viewer, dataDir.teams(), TeamRecord::Length, parent)
{
    setObjectName(QStringLiteral("Team_Entry"));
    setWindowTitle(QStringLiteral("Tro Team Database"));
    setFixedSize(twipsSize(4485, 2805));

    auto box = [this](const char* name, const QString& accessibleName, bool price) {
        auto* b = new QLineEdit(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(accessibleName);
        if (price)
            b->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        return b;
    };
    Team = box("Team", QStringLiteral("Team Name"), false);
    Team_Price = box("Team_Price", QStringLiteral("Team price"), true);
    Engine = box("Engine", QStringLiteral("Engine Maker"), false);
    Engine_Price = box("Engine_Price", QStringLiteral("Engine price"), true);
    Driver1 = box("Driver1", QStringLiteral("Driver 1"), false);
    Driver1_Price = box("Driver1_Price", QStringLiteral("Driver 1 price"), true);
    Driver2 = box("Driver2", QStringLiteral("Driver 2"), false);
    Driver2_Price = box("Driver2_Price", QStringLiteral("Driver 2 price"), true);
    place(Team, 1260, 420, 1935, 285);
    place(Team_Price, 3390, 420, 960, 285);
    place(Engine, 1260, 855, 1935, 285);
    place(Engine_Price, 3390, 855, 960, 285);
    place(Driver1, 1260, 1290, 1935, 285);
    place(Driver1_Price, 3390, 1290, 960, 285);
    place(Driver2, 1260, 1785, 1935, 285);
    place(Driver2_Price, 3390, 1785, 960, 285);

    place(New, 105, 2340, 720, 345);
    place(Previous, 892, 2340, 840, 345);
    place(Forward, 1799, 2340, 840, 345);
    place(Delete, 2706, 2340, 840, 345);
    place(Close, 3615, 2340, 765, 345);

    Label1 = addLabel("Label1", QStringLiteral("Team Name:"), Team, 240, 450, 915, 225);
    Label2 = addLabel("Label2", QStringLiteral("Engine Maker:"), Engine, 105, 885, 1050, 225);
    Label3 = addLabel("Label3", QStringLiteral("Driver 1:"), Driver1, 540, 1320, 615, 225);
    Label4 = addLabel("Label4", QStringLiteral("Driver 2:"), Driver2, 540, 1815, 615, 225);
    Label5 =
        addLabel("Label5", QStringLiteral("Price (\u00a3millions)"), nullptr, 3315, 105, 1110, 225);
    Label6 = addLabel("Label6", QStringLiteral("Team Number:"), Number, 75, 90, 1080, 225);
    place(Number, 1260, 60, 690, 285);
    Number->setAccessibleName(QStringLiteral("Team Number"));

    chainTabs({Team, Team_Price, Engine, Engine_Price, Driver1, Driver1_Price, Driver2,
               Driver2_Price, New, Previous, Forward, Delete, Close, Number});

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
    record_ = record.isEmpty() ? TeamRecord{} : TeamRecord::decode(record.constData());
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

QWidget* Team_Entry::firstBox() const
{
    return Team;
}

void Team_Entry::clearBoxes()
{
    for (const Row& row : rows()) {
        row.name->clear();
        row.price->clear();
    }
}

} // namespace velmora
