#include "scoring/score.h"

#include "data/record_file.h"
#include "data/text.h"
#include "main/league_table.h"
#include "scoring/championship.h"
#include "scoring/race_score.h"
#include "scoring/td_score.h"
#include "toolkit/accessibility.h"
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
    labelFor(Label1, Race);

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
    enterPresses({Teamscore, Testscore, Calculate});
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
    if (!error.isEmpty())
        Messages::error(this, error);
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
    QByteArray calendarBefore;
    // A race picked from the calendar, or typed as the calendar lists it, is not added
    // again: a second record would name the same race files, and count them twice.
    const bool append = Race->findText(storedRaceName(Race->currentText()),
                                       Qt::MatchFixedString | Qt::MatchCaseSensitive)
                        < 0;
    if (append) {
        // A typed name joins the calendar, also when it is empty.
        RecordFile calendar;
        if (!calendar.open(dataDir_.calendar(), RaceName::Length, &error)
            || (calendarBefore = calendar.readAllRaw(&error), !error.isEmpty())
            || !calendar.append(RaceName{fieldText(Race->currentText())}, &error)) {
            Messages::error(this, error);
            return;
        }
    }

    std::vector<EntryRecord> league;
    if (!RecalculateChampionship(dataDir_, &league, &error)) {
        // Nothing was recalculated, so the race does not join the calendar either: the
        // window stays open for the points to be corrected and calculated again.
        QString restoreError;
        if (append
            && !rewriteFile(dataDir_.calendar(), dataDir_.scratch(), calendarBefore, &restoreError))
            error += u'\n' + restoreError;
        Messages::error(this, error);
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
