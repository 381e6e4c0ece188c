#include "scoring/scoring_window.h"

#include "data/record_file.h"
#include "data/text.h"
#include "scoring/championship.h"
#include "scoring/team_score_card.h"
#include "scoring/test_driver_score_card.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

ScoringWindow::ScoringWindow(League& league, QWidget* parent)
    : FixedWindow(parent, "Score", tr("Scoring"), 5160, 1335), league_(league)
{
    raceBox_ = addComboBox(this, "Race", {1215, 150, 3810, 315}, true);
    // The calendar holds 80 code-page characters of a name; the race files are named the
    // same, so two names the calendar could not tell apart would be one race.
    holdsName(raceBox_->lineEdit());
    addLabel(this, "Label1", tr("Race Name:"), {120, 195, 1000, 225}, raceBox_);
    auto* scoreTeams = addButton(this, "Teamscore", tr("Score &Teams"), {120, 705, 1395, 405});
    auto* scoreTestDrivers =
        addButton(this, "Testscore", tr("Score Test &Drivers"), {1635, 705, 1680, 405});
    calculateButton_ =
        addButton(this, "Calculate", tr("&Calculate Scores"), {3435, 705, 1590, 405});
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
    QString error;
    if (!calendarRaces(league_, &calendar_, &error)) {
        Messages::error(this, error);
        return false;
    }
    raceBox_->addItems(calendar_);
    raceBox_->setCurrentIndex(-1);
    raceBox_->setEditText(QString());
    return true;
}

QString ScoringWindow::race() const
{
    return raceNamed(calendar_, raceBox_->currentText());
}

// A race with no name would be scored in hidden files (".tmr") and listed as a blank row.
bool ScoringWindow::hasRace()
{
    if (!race().isEmpty())
        return true;
    Messages::error(this, tr("Type the race's name, or pick a race from the list, "
                             "first."));
    raceBox_->setFocus();
    return false;
}

// A card for the race named: from then on the race is named for good. True when it opened.
template <class Card> bool ScoringWindow::openCard()
{
    if (!hasRace())
        return false;
    Card card(league_, race(), this);
    if (!card.loaded())
        return false;
    raceBox_->setEnabled(false);
    // What the card stores counts; a team card's first fill (every score 0) does not.
    const auto stored = connect(&league_, &League::changed, this, [this](LeagueFile::Kinds files) {
        raceStored_ |= (files & (LeagueFile::RaceTeams | LeagueFile::RaceTestDrivers)) != 0;
    });
    card.exec();
    disconnect(stored);
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
    if (hasRace() && calculate())
        hide(), accept();
}

// A race picked from the calendar, or named as it lists it, is not added again: a second
// record would name the same race files, and count them twice. A new race joins the calendar
// with the calculation, or not at all: the window then stays open for the points to be
// corrected and calculated again.
bool ScoringWindow::calculate()
{
    std::vector<League::Replacement> with;
    if (!calendar_.contains(race())) {
        QByteArray calendar;
        QString error;
        if (!league_.readBytes(LeagueFile::Calendar, &calendar, &error)) {
            Messages::error(this, error);
            return false;
        }
        with.push_back({LeagueFile::Calendar, withRace(calendar, race())});
    }
    return recalculate(league_, this, std::move(with));
}

// Points a card stored are counted however the window closes: a race of the calendar is
// calculated again; a new one is added to it only when the organiser says so.
void ScoringWindow::closeEvent(QCloseEvent* event)
{
    Messages::Answer answer = Messages::Answer::Store;
    if (raceStored_ && !calendar_.contains(race()))
        answer = Messages::ask(this,
                               tr("Points were stored for \u201c%1\u201d, which is not "
                                  "in the calendar. Add it to the calendar and count "
                                  "its points now?")
                                   .arg(race()),
                               tr("&Count It"), tr("&Leave It Out"));
    if (answer == Messages::Answer::GoBack
        || (raceStored_ && answer == Messages::Answer::Store && !calculate())) {
        event->ignore();
        return;
    }
    FixedWindow::closeEvent(event);
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
