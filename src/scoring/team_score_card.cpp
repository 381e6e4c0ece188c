#include "scoring/team_score_card.h"

#include "data/text.h"
#include "scoring/championship.h"
#include "toolkit/dialogs.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

TeamScoreCard::TeamScoreCard(League& league, const QString& race, QWidget* parent)
    : RecordWindow(parent, "Race_Score", tr("Team Score Card"), 4485, 2805, league,
                   {LeagueFile::RaceTeams, race})
{
    appends_ = false;
    QLineEdit* number = addNumberBox(this, {1260, 60, 690, 285});
    addLabel(this, "Label6", tr("Team Number:"), {75, 90, 1080, 225}, number);
    addLabel(this, "Label5", tr("Score"), {3390, 105, 960, 225}, nullptr, Qt::AlignHCenter);
    const char* const names[] = {"Team", "Engine", "Driver1", "Driver2"};
    const char* const scores[] = {"Team_Price", "Engine_Price", "Driver1_Price", "Driver2_Price"};
    const char* const labels[] = {"Label1", "Label2", "Label3", "Label4"};
    static const char* const captions[] = {QT_TR_NOOP("Team Name:"), QT_TR_NOOP("Engine Maker:"),
                                           QT_TR_NOOP("Driver 1:"), QT_TR_NOOP("Driver 2:")};
    static const char* const spoken[] = {QT_TR_NOOP("Team score"), QT_TR_NOOP("Engine maker score"),
                                         QT_TR_NOOP("Driver 1 score"),
                                         QT_TR_NOOP("Driver 2 score")};
    const int tops[] = {420, 855, 1290, 1785};
    for (std::size_t s = 0; s < 4; ++s) {
        // Names are shown for orientation only.
        nameBoxes_[s] = addDisplayBox(this, names[s], {1260, tops[s], 1935, 285});
        addLabel(this, labels[s], tr(captions[s]), {105, tops[s] + 30, 1050, 225}, nameBoxes_[s]);
        scoreBoxes_[s] = addTextBox(this, scores[s], {3390, tops[s], 960, 285}, tr(spoken[s]));
        scoreBoxes_[s]->setAlignment(Qt::AlignHCenter);
        holdsNumber(scoreBoxes_[s], NumberField::Whole);
    }
    const Buttons b = addButtons(2340, {-1, 892, 1799, -1, 3615}, tr("&Finish"));
    // From the last score Tab leads on to the next team, never back to the one just done.
    setTabOrder({scoreBoxes_[0], scoreBoxes_[1], scoreBoxes_[2], scoreBoxes_[3], b.next, b.close,
                 b.previous});
    setSteppingControls(number, scoreBoxes_[0]);
    setLoaded(load(league, race));
}

bool TeamScoreCard::load(League& league, const QString& race)
{
    if (!openFile())
        return false;
    if (cursor_.count() == 0) {
        std::vector<TeamRecord> copy;
        QString error;
        if (!league.read(LeagueFile::Teams, &copy, &error)
            || !league.replace({{{LeagueFile::RaceTeams, race}, encodeRecords(newRace(copy))}},
                               &error)) {
            Messages::error(this, error);
            return false;
        }
        if (!openFile())
            return false;
    }
    if (cursor_.count() > 0 && !showAt(1))
        return false;
    updateStepping(); // the card never moves past the race file's last record
    blankBeforeNumber_ = false;
    markShown();
    return true;
}

void TeamScoreCard::showRecord(const std::optional<TeamRecord>& record)
{
    if (!record)
        return; // a race file is never emptied while its card is open
    record_ = *record;
    const auto parts = record_.components();
    for (std::size_t s = 0; s < 4; ++s) {
        showText(nameBoxes_[s], displayText(parts[s]->Name));
        const QString score = numberText(parts[s]->Score);
        scoreBoxes_[s]->setText(blankBeforeNumber_ && parts[s]->Score >= 0 ? u' ' + score : score);
    }
}

TeamRecord TeamScoreCard::shownRecord()
{
    const auto parts = record_.components();
    for (std::size_t s = 0; s < 4; ++s)
        parts[s]->Score = toInteger(readNumber(scoreBoxes_[s]->text()));
    return record_;
}

// The next record's points can be typed at once.
void TeamScoreCard::stepped()
{
    scoreBoxes_[0]->setFocus();
    scoreBoxes_[0]->selectAll();
}

} // namespace velmora
