#include "scoring/score.h"

#include "data/record_file.h"
#include "data/text.h"
#include "scoring/championship.h"
#include "scoring/race_score.h"
#include "scoring/td_score.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/league_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Score::Score(const DataDir& dataDir, FlexGrid* hiScores, QWidget* parent)
    : Form(parent, "Score", QStringLiteral("Scoring"), 5160, 1335), dataDir_(dataDir),
      hiScores_(hiScores)
{
    Race = addComboBox(this, "Race", {1215, 150, 3810, 315}, true);
    // The calendar holds 80 code-page characters of a name; the race files are named the
    // same, so two names the calendar could not tell apart would be one race.
    holdsName(Race->lineEdit());
    addLabel(this, "Label1", QStringLiteral("Race Name:"), {120, 195, 1000, 225}, Race);
    auto* Teamscore =
        addButton(this, "Teamscore", QStringLiteral("Score Teams"), {120, 705, 1395, 405});
    auto* Testscore =
        addButton(this, "Testscore", QStringLiteral("Score Test Drivers"), {1635, 705, 1680, 405});
    Calculate =
        addButton(this, "Calculate", QStringLiteral("Calculate Scores"), {3435, 705, 1590, 405});
    Calculate->setEnabled(false);
    connect(Teamscore, &QPushButton::clicked, this, &Score::Teamscore_Click);
    connect(Testscore, &QPushButton::clicked, this, &Score::Testscore_Click);
    connect(Calculate, &QPushButton::clicked, this, &Score::Calculate_Click);
    setTabOrder({Race, Teamscore, Testscore, Calculate});
    Form_Load();
}

void Score::Form_Load()
{
    std::vector<RaceName> calendar;
    QString error;
    if (!readRecords(dataDir_.calendar(), &calendar, &error))
        Messages::error(this, error);
    for (const RaceName& race : calendar)
        Race->addItem(displayText(race.Name));
    Race->setCurrentIndex(-1);
    Race->setEditText(QString());
}

// A race with no name would be scored in hidden files (".tmr") and listed as a blank row.
bool Score::raceNamed()
{
    if (!storedRaceName(Race->currentText()).isEmpty())
        return true;
    Messages::error(this, QStringLiteral("Type the race's name, or pick a race from the list, "
                                         "first."));
    Race->setFocus();
    return false;
}

void Score::Teamscore_Click()
{
    if (!raceNamed())
        return;
    Race_Score card(dataDir_, Race->currentText(), this);
    if (!card.loaded())
        return;
    Race->setEnabled(false); // the race is named for good
    card.exec();
    Calculate->setEnabled(true);
}

void Score::Testscore_Click()
{
    if (!raceNamed())
        return;
    TD_Score card(dataDir_, Race->currentText(), this);
    if (!card.loaded())
        return;
    Race->setEnabled(false);
    card.exec();
}

void Score::Calculate_Click()
{
    if (!raceNamed())
        return;
    QString error;
    QByteArray calendarBefore;
    // A race picked from the calendar, or typed as the calendar lists it, is not added
    // again: a second record would name the same race files, and count them twice.
    const bool append = Race->findText(storedRaceName(Race->currentText()),
                                       Qt::MatchFixedString | Qt::MatchCaseSensitive)
                        < 0;
    if (append) {
        // A typed name joins the calendar.
        RecordFile calendar;
        if (!calendar.open(dataDir_.calendar(), RaceName::Length, &error)
            || !calendar.readAll(&calendarBefore, &error)
            || !calendar.write(calendar.count() + 1, RaceName{fieldText(Race->currentText())},
                               &error)) {
            Messages::error(this, error);
            return;
        }
    }
    if (!recalculateLeague(dataDir_, hiScores_, &error)) {
        // Nothing was recalculated, so the race does not join the calendar either: the
        // window stays open for the points to be corrected and calculated again.
        QString restoreError;
        if (append
            && !rewriteFile(dataDir_.calendar(), dataDir_.scratch(), calendarBefore, &restoreError))
            error += u'\n' + restoreError;
        Messages::error(this, error);
        return;
    }
    emit entriesChanged();
    hide();
    accept();
}

bool recalculateLeague(const DataDir& dataDir, FlexGrid* league, QString* error)
{
    const BusyCursor busy;
    QByteArray entries;
    if (!RecalculateChampionship(dataDir, &entries, error))
        return false;
    if (league)
        refillLeagueTable(league, entries);
    return true;
}

} // namespace velmora
