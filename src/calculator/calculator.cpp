#include "calculator/calculator.h"

#include "data/record_file.h"
#include "data/text.h"
#include "toolkit/accessibility.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

namespace {

// The six rows of a result frame, top to bottom, in twips within the frame.
constexpr int kRowTop[6] = {330, 690, 1050, 1410, 1770, 2130};

QLineEdit* addRow(QGroupBox* frame, int row, const char* labelName, const QString& caption,
                  const char* boxName, QLabel** label)
{
    *label = new QLabel(caption, frame);
    (*label)->setObjectName(QString::fromLatin1(labelName));
    place(*label, 120, kRowTop[row] + 30, 855, 255);
    auto* box = new QLineEdit(frame);
    box->setObjectName(QString::fromLatin1(boxName));
    place(box, 1020, kRowTop[row], 3135, 285);
    labelFor(*label, box);
    return box;
}

// A name as it lies in the record, trailing blanks and all, shown from its beginning.
void showText(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

}  // namespace

Calculator::Calculator(const DataDir& dataDir, const QString& budgetText, QWidget* parent)
    : QDialog(parent), dataDir_(dataDir)
{
    setObjectName(QStringLiteral("Calculator"));
    setWindowTitle(QStringLiteral("Calculate Best/Worst Team"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(9030, 3270));

    Frame1 = new QGroupBox(QStringLiteral("Best Possible Team"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, 120, 60, 4335, 2580);
    Team = addRow(Frame1, 0, "Label1", QStringLiteral("Team:"), "Team", &Label1);
    Engine = addRow(Frame1, 1, "Label2", QStringLiteral("Engine:"), "Engine", &Label2);
    Driver1 = addRow(Frame1, 2, "Label3", QStringLiteral("Driver 1:"), "Driver1", &Label3);
    Driver2 = addRow(Frame1, 3, "Label4", QStringLiteral("Driver 2:"), "Driver2", &Label4);
    Price = addRow(Frame1, 4, "Label5", QStringLiteral("Price:"), "Price", &Label5);
    Score = addRow(Frame1, 5, "Label6", QStringLiteral("Score:"), "Score", &Label6);

    Frame2 = new QGroupBox(QStringLiteral("Worst Possible Team"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    place(Frame2, 4575, 60, 4335, 2580);
    Team2 = addRow(Frame2, 0, "Label13", QStringLiteral("Team:"), "Team2", &Label13);
    Engine2 = addRow(Frame2, 1, "Label12", QStringLiteral("Engine:"), "Engine2", &Label12);
    Driver12 = addRow(Frame2, 2, "Label11", QStringLiteral("Driver 1:"), "Driver12", &Label11);
    Driver22 = addRow(Frame2, 3, "Label10", QStringLiteral("Driver 2:"), "Driver22", &Label10);
    Price2 = addRow(Frame2, 4, "Label9", QStringLiteral("Price:"), "Price2", &Label9);
    Score2 = addRow(Frame2, 5, "Label8", QStringLiteral("Score:"), "Score2", &Label8);

    Label7 = new QLabel(QStringLiteral("Test Driver:"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    place(Label7, 240, 2820, 1035, 255);
    TestDriver = new QLineEdit(this);
    TestDriver->setObjectName(QStringLiteral("TestDriver"));
    TestDriver->setEnabled(false);
    place(TestDriver, 1320, 2790, 3000, 285);
    labelFor(Label7, TestDriver);

    Okay = new QPushButton(QStringLiteral("Ok"), this);
    Okay->setObjectName(QStringLiteral("Okay"));
    place(Okay, 7650, 2775, 1260, 345);
    connect(Okay, &QPushButton::clicked, this, &Calculator::Okay_Click);

    QWidget* order[] = {Team, Engine, Driver1, Driver2, Price, Score,
                        Team2, Engine2, Driver12, Driver22, Price2, Score2, Okay};
    for (std::size_t n = 1; n < std::size(order); ++n)
        setTabOrder(order[n - 1], order[n]);

    Form_Load(budgetText);
    Okay->setFocus();
}

void Calculator::Form_Load(const QString& budgetText)
{
    BusyCursor busy;
    RecordFile file;
    if (!file.open(dataDir_.teams(), TeamRecord::Length, &loadError_))
        return;
    const std::vector<TeamRecord> teams = file.readAll<TeamRecord>(&loadError_);
    file.close();
    if (!loadError_.isEmpty())
        return;

    const BestWorst found = searchBestWorst(teams, readNumber(budgetText));
    auto fill = [&teams](const TeamPick& pick, QLineEdit* team, QLineEdit* engine,
                         QLineEdit* driver1, QLineEdit* driver2, QLineEdit* price,
                         QLineEdit* score) {
        showText(team, teams[pick.team].Team.Name);
        showText(engine, teams[pick.engine].Engine.Name);
        showText(driver1, teams[pick.driver1 / 2].driver(pick.driver1).Name);
        showText(driver2, teams[pick.driver2 / 2].driver(pick.driver2).Name);
        showText(price, numberText(pick.price));
        showText(score, numberText(pick.score));
    };
    if (found.best)
        fill(*found.best, Team, Engine, Driver1, Driver2, Price, Score);
    if (found.worst)
        fill(*found.worst, Team2, Engine2, Driver12, Driver22, Price2, Score2);
}

// Closing discards the window, so that the next budget searches again.
void Calculator::Okay_Click()
{
    hide();
    deleteLater();
}

void Calculator::reject() { Okay_Click(); }

}  // namespace velmora
