#include "scoring/score.h"

#include "data/record_file.h"
#include "data/text.h"
#include "main/league_table.h"
#include "scoring/championship.h"
#include "scoring/race_score.h"
#include "scoring/td_score.h"
#include "toolkit/dialogs.h"
#include "toolkit/twips.h"
#include "viewer/team_viewer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Score::Score(const DataDir& dataDir, FlexGrid* hiScores, Team_Viewer* viewer, QWidget* parent)
    : QDialog(parent), dataDir_(dataDir), hiScores_(hiScores), viewer_(viewer)
{
    setObjectName(QStringLiteral("Score"));
    setWindowTitle(QStringLiteral("Scoring"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(5160, 1335));

    Label1 = new QLabel(QStringLiteral("Race Name:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeCaption(Label1, 120, 195, 1000, 225);

    Race = new QComboBox(this);
    Race->setObjectName(QStringLiteral("Race"));
    Race->setEditable(true);
    Race->setInsertPolicy(QComboBox::NoInsert);
    // Without completion a name is either picked from the list or typed in full.
    Race->setCompleter(nullptr);
    // The calendar holds 80 characters of a name; the race files are named the same.
    Race->lineEdit()->setMaxLength(TextFieldLength);
    place(Race, 1215, 150, 3810, 315);
    Label1->setBuddy(Race);
    connect(Race, &QComboBox::activated, this, [this] { picked_ = true; });
    connect(Race->lineEdit(), &QLineEdit::textEdited, this, [this] { picked_ = false; });

    Teamscore = new QPushButton(QStringLiteral("Score Teams"), this);
    Teamscore->setObjectName(QStringLiteral("Teamscore"));
    place(Teamscore, 120, 705, 1395, 405);
    Testscore = new QPushButton(QStringLiteral("Score Test Drivers"), this);
    Testscore->setObjectName(QStringLiteral("Testscore"));
    place(Testscore, 1635, 705, 1680, 405);
    Calculate = new QPushButton(QStringLiteral("Calculate Scores"), this);
    Calculate->setObjectName(QStringLiteral("Calculate"));
    place(Calculate, 3435, 705, 1590, 405);
    Calculate->setEnabled(false);
    for (QPushButton* b : {Teamscore, Testscore, Calculate})
        b->setAutoDefault(false);
    connect(Teamscore, &QPushButton::clicked, this, &Score::Teamscore_Click);
    connect(Testscore, &QPushButton::clicked, this, &Score::Testscore_Click);
    connect(Calculate, &QPushButton::clicked, this, &Score::Calculate_Click);

    setTabOrder(Race, Teamscore);
    setTabOrder(Teamscore, Testscore);
    setTabOrder(Testscore, Calculate);

    Form_Load();
    Race->setFocus();
}

void Score::Form_Load()
{
    RecordFile calendar;
    QString error;
    if (!calendar.open(dataDir_.calendar(), RaceName::Length, &error)) {
        Messages::error(this, error);
        return;
    }
    for (const RaceName& race : calendar.readAll<RaceName>(&error))
        Race->addItem(displayText(race.Name));
    Race->setCurrentIndex(-1);
    Race->setEditText(QString());
}

void Score::lockRace()
{
    Race->setEnabled(false);
}

void Score::Teamscore_Click()
{
    lockRace();
    Race_Score card(dataDir_, Race->currentText(), this);
    card.exec();
    Calculate->setEnabled(true);
}

void Score::Testscore_Click()
{
    lockRace();
    TD_Score card(dataDir_, Race->currentText(), this);
    card.exec();
}

void Score::Calculate_Click()
{
    QString error;
    if (!picked_) {
        // A typed name joins the calendar, also when it is already there or empty.
        RecordFile calendar;
        if (!calendar.open(dataDir_.calendar(), RaceName::Length, &error)
            || !calendar.append(RaceName{fieldText(Race->currentText())}, &error)) {
            Messages::error(this, error);
            return;
        }
        picked_ = true;  // in the calendar now: a second try must not add it again
    }

    std::vector<EntryRecord> league;
    if (!RecalculateChampionship(dataDir_, &league, &error)) {
        // Nothing was written; the window stays open so the points can be corrected.
        Messages::error(this, error);
        Teamscore->setEnabled(true);
        return;
    }
    if (hiScores_)
        refillLeagueTable(hiScores_, league);
    if (viewer_ && !viewer_->Update(&error))
        Messages::error(this, error);
    hide();
    accept();
}

}  // namespace velmora
