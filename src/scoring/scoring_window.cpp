#include "scoring/scoring_window.h"

#include "data/record_file.h"
#include "data/text.h"
#include "scoring/championship.h"
#include "scoring/team_score_card.h"
#include "scoring/test_driver_score_card.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

ScoringWindow::ScoringWindow(League& league, QWidget* parent)
    : FixedWindow(parent, "Score", QStringLiteral("Scoring"), 5160, 1335), league_(league)
{
    raceBox_ = addComboBox(this, "Race", {1215, 150, 3810, 315}, true);
    // The calendar holds 80 code-page characters of a name; the race files are named the
    // same, so two names the calendar could not tell apart would be one race.
    holdsName(raceBox_->lineEdit());
    addLabel(this, "Label1", QStringLiteral("Race Name:"), {120, 195, 1000, 225}, raceBox_);
    auto* scoreTeams =
        addButton(this, "Teamscore", QStringLiteral("Score Teams"), {120, 705, 1395, 405});
    auto* scoreTestDrivers =
        addButton(this, "Testscore", QStringLiteral("Score Test Drivers"), {1635, 705, 1680, 405});
    calculateButton_ =
        addButton(this, "Calculate", QStringLiteral("Calculate Scores"), {3435, 705, 1590, 405});
    calculateButton_->setEnabled(false);
    connect(scoreTeams, &QPushButton::clicked, this, &ScoringWindow::onScoreTeamsClicked);
    connect(scoreTestDrivers, &QPushButton::clicked, this,
            &ScoringWindow::onScoreTestDriversClicked);
    connect(calculateButton_, &QPushButton::clicked, this, &ScoringWindow::onCalculateClicked);
    setTabOrder({raceBox_, scoreTeams, scoreTestDrivers, calculateButton_});
    setLoaded(load());
}

bool ScoringWindow::load()
{
    std::vector<RaceName> calendar;
    QString error;
    if (!league_.read(LeagueFile::Calendar, &calendar, &error)) {
        Messages::error(this, error);
        return false;
    }
    for (const RaceName& race : calendar)
        raceBox_->addItem(displayText(race.Name));
    raceBox_->setCurrentIndex(-1);
    raceBox_->setEditText(QString());
    return true;
}

// A race with no name would be scored in hidden files (".tmr") and listed as a blank row.
bool ScoringWindow::raceNamed()
{
    if (!storedRaceName(raceBox_->currentText()).isEmpty())
        return true;
    Messages::error(this, QStringLiteral("Type the race's name, or pick a race from the list, "
                                         "first."));
    raceBox_->setFocus();
    return false;
}

// A card for the race named: from then on the race is named for good. True when it opened.
template <class Card> bool ScoringWindow::openCard()
{
    if (!raceNamed())
        return false;
    Card card(league_, raceBox_->currentText(), this);
    if (!card.loaded())
        return false;
    raceBox_->setEnabled(false);
    card.exec();
    return true;
}

void ScoringWindow::onScoreTeamsClicked()
{
    // Only the team card, which makes the race's team file, leads to the calculation.
    if (openCard<TeamScoreCard>())
        calculateButton_->setEnabled(true);
}

void ScoringWindow::onScoreTestDriversClicked()
{
    openCard<TestDriverScoreCard>();
}

void ScoringWindow::onCalculateClicked()
{
    if (!raceNamed())
        return;
    // A race picked from the calendar, or typed as the calendar lists it, is not added
    // again: a second record would name the same race files, and count them twice. A typed
    // race joins the calendar with the calculation, or not at all: the window then stays open
    // for the points to be corrected and calculated again.
    std::vector<League::Replacement> with;
    if (raceBox_->findText(storedRaceName(raceBox_->currentText()),
                           Qt::MatchFixedString | Qt::MatchCaseSensitive)
        < 0) {
        QByteArray calendar;
        QString error;
        if (!league_.readBytes(LeagueFile::Calendar, &calendar, &error)) {
            Messages::error(this, error);
            return;
        }
        with.push_back({LeagueFile::Calendar,
                        calendar.left(calendar.size() / RaceName::Length * RaceName::Length)
                            + RaceName{fieldText(raceBox_->currentText())}.encode()});
    }
    if (!recalculate(league_, this, std::move(with)))
        return;
    hide();
    accept();
}

bool recalculate(League& league, QWidget* parent, std::vector<League::Replacement> with)
{
    QString error;
    bool done;
    {
        const BusyCursor busy;
        done = recalculateChampionship(league, &error, std::move(with));
    }
    if (!done)
        Messages::error(parent, error);
    return done;
}

} // namespace velmora
