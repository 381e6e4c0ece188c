#include "scoring/race_score.h"

#include "data/fields.h"
#include "data/text.h"
#include "toolkit/dialogs.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

Race_Score::Race_Score(const DataDir& dataDir, const QString& race, QWidget* parent)
    : RecordForm(parent, "Race_Score", QStringLiteral("Team Score Card"), 4485, 2805,
                 dataDir.raceTeams(race), dataDir.scratch(), TeamRecord::Length)
{
    appends_ = false;
    auto* Number = addNumberBox(this, {1260, 60, 690, 285}, false);
    addLabel(this, "Label6", QStringLiteral("Team Number:"), {75, 90, 1080, 225}, Number);
    addLabel(this, "Label5", QStringLiteral("Score"), {3390, 105, 960, 225}, nullptr,
             Qt::AlignHCenter);
    const char* const nameBoxes[] = {"Team", "Engine", "Driver1", "Driver2"};
    const char* const scoreBoxes[] = {"Team_Price", "Engine_Price", "Driver1_Price",
                                      "Driver2_Price"};
    const char* const labels[] = {"Label1", "Label2", "Label3", "Label4"};
    const char* const captions[] = {"Team Name:", "Engine Maker:", "Driver 1:", "Driver 2:"};
    const char* const spoken[] = {"Team score", "Engine maker score", "Driver 1 score",
                                  "Driver 2 score"};
    const int tops[] = {420, 855, 1290, 1785};
    for (int s = 0; s < 4; ++s) {
        // Names are shown for orientation only.
        names_[s] = addDisplayBox(this, nameBoxes[s], {1260, tops[s], 1935, 285});
        addLabel(this, labels[s], QString::fromLatin1(captions[s]), {105, tops[s] + 30, 1050, 225},
                 names_[s]);
        scores_[s] = addTextBox(this, scoreBoxes[s], {3390, tops[s], 960, 285},
                                QString::fromLatin1(spoken[s]));
        scores_[s]->setAlignment(Qt::AlignHCenter);
        holdsNumber(scores_[s]);
    }
    const Buttons b = addButtons(2340, {-1, 892, 1799, -1, 3615}, QStringLiteral("Finish"));
    setTabOrder({scores_[0], scores_[1], scores_[2], scores_[3], b.Previous, b.Forward, b.Close});
    setSteppingControls(Number, scores_[0]);
    connect(b.Close, &QPushButton::clicked, this, &Race_Score::Close_Click);
    setLoaded(Form_Load(dataDir, race));
}

bool Race_Score::Form_Load(const DataDir& dataDir, const QString& race)
{
    if (!openFile())
        return false;
    // A race scored for the first time starts as a copy of the team database with every
    // score 0: a record the organiser does not visit adds nothing to the season.
    if (cursor_.count() == 0) {
        QByteArray copy;
        QString error;
        if (!readRecordBytes(dataDir.teams(), TeamRecord::Length, &copy, &error)) {
            Messages::error(this, error);
            return false;
        }
        for (qsizetype at = 0; at < copy.size(); at += TeamRecord::Length)
            for (int slot = 0; slot < 4; ++slot)
                writeInt16(copy.data() + at + TeamRecord::scoreAt(slot), 0);
        cursor_.close();
        if (!copy.isEmpty()
            && !rewriteFile(dataDir.raceTeams(race), dataDir.scratch(), copy, &error)) {
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

void Race_Score::showRecord(const QByteArray& record)
{
    if (record.isEmpty())
        return; // a race file is never emptied while its card is open
    record_ = TeamRecord::decode(record.constData());
    const ComponentSlot* parts[] = {&record_.Team, &record_.Engine, &record_.Driver1,
                                    &record_.Driver2};
    for (int s = 0; s < 4; ++s) {
        showText(names_[s], displayText(parts[s]->Name));
        const QString score = numberText(parts[s]->Score);
        scores_[s]->setText(blankBeforeNumber_ && parts[s]->Score >= 0 ? u' ' + score : score);
    }
}

QByteArray Race_Score::takeShown()
{
    ComponentSlot* parts[] = {&record_.Team, &record_.Engine, &record_.Driver1, &record_.Driver2};
    for (int s = 0; s < 4; ++s)
        parts[s]->Score = toInteger(readNumber(scores_[s]->text()));
    return record_.encode();
}

// The next record's points can be typed at once.
void Race_Score::stepped()
{
    scores_[0]->setFocus();
    scores_[0]->selectAll();
}

void Race_Score::Close_Click()
{
    if (!storeShown())
        return; // the card stays open so that the typed points are not lost
    hide();
    Form_QueryUnload();
    accept();
}

} // namespace velmora
