#include "scoring/race_score.h"

#include "data/fields.h"
#include "data/text.h"
#include "toolkit/accessibility.h"
#include "toolkit/dialogs.h"
#include "toolkit/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h,
              Qt::Alignment alignment = Qt::AlignRight)
{
    auto* lbl = new QLabel(text, parent);
    lbl->setObjectName(QString::fromLatin1(name));
    lbl->setAlignment(alignment | Qt::AlignVCenter);
    placeCaption(lbl, l, t, w, h);
    return lbl;
}

QLineEdit* box(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    place(e, l, t, w, h);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t,
                    int w, int h)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    enterPresses({b});
    place(b, l, t, w, h);
    return b;
}

// A score as the card shows it: on opening with a blank before a number of zero or
// more (' 6'), after a move without it ('6').
QString scoreText(int16_t score, bool blankBeforeNumber)
{
    const QString text = numberText(score);
    return blankBeforeNumber && score >= 0 ? u' ' + text : text;
}

}  // namespace

Race_Score::Race_Score(const DataDir& dataDir, const QString& race, QWidget* parent)
    : QDialog(parent), dataDir_(dataDir), race_(race)
{
    setObjectName(QStringLiteral("Race_Score"));
    setWindowTitle(QStringLiteral("Team Score Card"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(4485, 2805));

    Label6 = label(this, "Label6", QStringLiteral("Team Number:"), 75, 90, 1080, 225);
    Number = box(this, "Number", 1260, 60, 690, 285);
    Number->setText(QStringLiteral("1"));
    Number->setReadOnly(true);
    Number->setFocusPolicy(Qt::NoFocus);
    Number->setAlignment(Qt::AlignRight);
    Label5 = label(this, "Label5", QStringLiteral("Score"), 3390, 105, 960, 225, Qt::AlignHCenter);

    Label1 = label(this, "Label1", QStringLiteral("Team Name:"), 105, 450, 1050, 225);
    Label2 = label(this, "Label2", QStringLiteral("Engine Maker:"), 105, 885, 1050, 225);
    Label3 = label(this, "Label3", QStringLiteral("Driver 1:"), 105, 1320, 1050, 225);
    Label4 = label(this, "Label4", QStringLiteral("Driver 2:"), 105, 1815, 1050, 225);
    Team = box(this, "Team", 1260, 420, 1935, 285);
    Team_Price = box(this, "Team_Price", 3390, 420, 960, 285);
    Engine = box(this, "Engine", 1260, 855, 1935, 285);
    Engine_Price = box(this, "Engine_Price", 3390, 855, 960, 285);
    Driver1 = box(this, "Driver1", 1260, 1290, 1935, 285);
    Driver1_Price = box(this, "Driver1_Price", 3390, 1290, 960, 285);
    Driver2 = box(this, "Driver2", 1260, 1785, 1935, 285);
    Driver2_Price = box(this, "Driver2_Price", 3390, 1785, 960, 285);

    const std::pair<QLabel*, QLineEdit*> rows[] = {
        {Label1, Team}, {Label2, Engine}, {Label3, Driver1}, {Label4, Driver2}};
    for (const auto& [lbl, name] : rows) {
        name->setReadOnly(true);  // names are shown for orientation only
        name->setFocusPolicy(Qt::NoFocus);
        labelFor(lbl, name);
    }
    const std::pair<QLineEdit*, QString> scores[] = {
        {Team_Price, QStringLiteral("Team score")},
        {Engine_Price, QStringLiteral("Engine maker score")},
        {Driver1_Price, QStringLiteral("Driver 1 score")},
        {Driver2_Price, QStringLiteral("Driver 2 score")}};
    for (const auto& [score, accessible] : scores) {
        score->setAlignment(Qt::AlignHCenter);
        score->setAccessibleName(accessible);
    }
    Number->setAccessibleName(QStringLiteral("Team Number"));
    labelFor(Label6, Number);

    Previous = button(this, "Previous", QStringLiteral("Previous"), 892, 2340, 840, 345);
    Forward = button(this, "Forward", QStringLiteral("Next"), 1799, 2340, 840, 345);
    Close = button(this, "Close", QStringLiteral("Finish"), 3615, 2340, 765, 345);
    Previous->setEnabled(false);
    connect(Forward, &QPushButton::clicked, this, &Race_Score::Forward_Click);
    connect(Previous, &QPushButton::clicked, this, &Race_Score::Previous_Click);
    connect(Close, &QPushButton::clicked, this, &Race_Score::Close_Click);

    setTabOrder(Team_Price, Engine_Price);
    setTabOrder(Engine_Price, Driver1_Price);
    setTabOrder(Driver1_Price, Driver2_Price);
    setTabOrder(Driver2_Price, Previous);
    setTabOrder(Previous, Forward);
    setTabOrder(Forward, Close);

    Form_Load();
    Team_Price->setFocus();
}

void Race_Score::Form_Load()
{
    QString error;
    if (!teams_.open(dataDir_.teams(), TeamRecord::Length, &error)
        || !raceTeams_.open(dataDir_.raceTeams(race_), TeamRecord::Length, &error)) {
        Messages::error(this, error);
        Forward->setEnabled(false);
        Close->setEnabled(false);
        return;
    }
    // A race scored for the first time starts as a copy of the team database with every
    // score 0: a record the organiser does not visit adds nothing to the season.
    if (raceTeams_.count() == 0 && teams_.count() > 0) {
        QByteArray copy = teams_.readAllRaw(&error);
        for (qsizetype at = 0; at < copy.size(); at += TeamRecord::Length)
            for (int slot = 0; slot < 4; ++slot)
                writeInt16(copy.data() + at + TeamRecord::scoreAt(slot), 0);
        if (!error.isEmpty() || !rewriteFile(raceTeams_.path(), dataDir_.scratch(), copy, &error)
            || !raceTeams_.open(dataDir_.raceTeams(race_), TeamRecord::Length, &error))
            Messages::error(this, error);
    }
    // A first record that cannot be read is not shown, and the race file is closed, so
    // that Finish does not store the empty boxes over it.
    if (raceTeams_.count() > 0 && !showRecord(1, true))
        raceTeams_.close();
    // The card never moves past the race file's last record.
    Forward->setEnabled(raceTeams_.count() > 1);
}

qint64 Race_Score::number() const { return recordNumber(Number->text()); }

bool Race_Score::showRecord(qint64 n, bool blankBeforeNumber)
{
    QByteArray bytes;
    QString error;
    if (!raceTeams_.readRaw(n, &bytes, &error)) {
        Messages::error(this, error);
        return false;
    }
    record_ = bytes.isEmpty() ? TeamRecord{} : TeamRecord::decode(bytes.constData());
    const std::pair<QLineEdit*, const ComponentSlot*> names[] = {
        {Team, &record_.Team}, {Engine, &record_.Engine}, {Driver1, &record_.Driver1},
        {Driver2, &record_.Driver2}};
    for (const auto& [name, slot] : names)
        name->setText(displayText(slot->Name));
    const std::pair<QLineEdit*, const ComponentSlot*> scores[] = {
        {Team_Price, &record_.Team}, {Engine_Price, &record_.Engine},
        {Driver1_Price, &record_.Driver1}, {Driver2_Price, &record_.Driver2}};
    for (const auto& [score, slot] : scores)
        score->setText(scoreText(slot->Score, blankBeforeNumber));
    return true;
}

bool Race_Score::storeShownRecord()
{
    const qint64 n = number();
    // An empty race file (no teams at all) gets nothing written into it.
    if (n < 1 || n > raceTeams_.count())
        return true;
    record_.Team.Score = toInteger(readNumber(Team_Price->text()));
    record_.Engine.Score = toInteger(readNumber(Engine_Price->text()));
    record_.Driver1.Score = toInteger(readNumber(Driver1_Price->text()));
    record_.Driver2.Score = toInteger(readNumber(Driver2_Price->text()));
    QString error;
    if (!raceTeams_.write(n, record_, &error)) {
        Messages::error(this, error);
        return false;
    }
    return true;
}

void Race_Score::step(qint64 n)
{
    // A record that cannot be read is not shown: the card stays on the one just stored.
    if (!storeShownRecord() || !showRecord(n, false))
        return;
    Number->setText(recordNumberText(n));
    Forward->setEnabled(n < raceTeams_.count());
    Previous->setEnabled(n > 1);
}

void Race_Score::Forward_Click()
{
    const qint64 n = number();
    if (n < raceTeams_.count())
        step(n + 1);
}

void Race_Score::Previous_Click()
{
    const qint64 n = number();
    if (n > 1)
        step(n - 1);
}

void Race_Score::Close_Click()
{
    if (!storeShownRecord())
        return;  // the card stays open so that the typed points are not lost
    hide();
    teams_.close();
    raceTeams_.close();
    accept();
}

void Race_Score::Form_QueryUnload()
{
    teams_.close();
    raceTeams_.close();
}

// Esc does nothing: the card has no cancel button, and typed points are not to be lost
// by a habit. The close box leaves without storing.
void Race_Score::reject() {}

void Race_Score::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    done(QDialog::Rejected);
    event->accept();
}

}  // namespace velmora
