#include "databases/entries.h"

#include "data/text.h"
#include "scoring/score.h"
#include "toolkit/dialogs.h"
#include "toolkit/league_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace velmora {

Entries::Entries(const DataDir& dataDir, qint64 first, FlexGrid* hiScores, QWidget* parent)
    : RecordForm(parent, "Entries", QStringLiteral("Entry Database"), 4380, 3585, dataDir.entries(),
                 dataDir.scratch(), EntryRecord::Length),
      dataDir_(dataDir), hiScores_(hiScores)
{
    Owner = addTextBox(this, "Owner", {1185, 360, 1935, 285});
    holdsName(Owner);
    const char* const pickerNames[] = {"Team", "Engine", "Driver1", "Driver2", "TDriver"};
    const int pickerTops[] = {780, 1236, 1689, 2142, 2595};
    for (int w = TeamPick; w <= TestDriverPick; ++w)
        pickers_[w] = addComboBox(this, pickerNames[w], {1185, pickerTops[w], 1935, 315});
    Price = addTextBox(this, "Price", {3330, 375, 960, 285});
    Price->setFrame(false);
    Price->setAlignment(Qt::AlignCenter);
    holdsNumber(Price);
    const Buttons b = addButtons(3180, {45, 825, 1740, 2655, 3555});
    Number = addNumberBox(this, {1185, 0, 690, 285});
    Number->setFrame(false);
    addLabel(this, "Label6", QStringLiteral("Team Number:"), {0, 30, 1080, 225}, Number);
    addLabel(this, "Label4", QStringLiteral("Driver 2:"), {480, 2187, 615, 225}, pickers_[3]);
    addLabel(this, "Label3", QStringLiteral("Driver 1:"), {480, 1734, 615, 225}, pickers_[2]);
    addLabel(this, "Label2", QStringLiteral("Engine:"), {525, 1281, 570, 225}, pickers_[1]);
    addLabel(this, "Label1", QStringLiteral("Owner:"), {540, 390, 540, 225}, Owner);
    addLabel(this, "Label5", QStringLiteral("Total"), {3615, 60, 420, 195}, Price,
             Qt::AlignHCenter);
    addLabel(this, "Label8", QStringLiteral("Test Driver:"), {255, 2640, 855, 225}, pickers_[4]);
    addLabel(this, "Label7", QStringLiteral("Team:"), {600, 825, 480, 225}, pickers_[0]);
    // The price boxes only show what the pickers look up.
    const char* const priceNames[] = {"TPrice", "EPrice", "D1Price", "D2Price", "TDPrice"};
    const char* const spoken[] = {"Team price", "Engine price", "Driver 1 price", "Driver 2 price",
                                  "Test driver price"};
    const int priceTops[] = {810, 1230, 1710, 2175, 2655};
    for (int w = TeamPick; w <= TestDriverPick; ++w) {
        prices_[w] = addTextBox(this, priceNames[w], {3360, priceTops[w], 450, 285},
                                QString::fromLatin1(spoken[w]));
        prices_[w]->setEnabled(false);
    }

    setTabOrder({Owner, pickers_[0], pickers_[1], pickers_[2], pickers_[3], pickers_[4], Price,
                 b.New, b.Previous, b.Forward, b.Delete, b.Close});
    setSteppingControls(Number, Owner);
    connect(b.Close, &QPushButton::clicked, this, &Entries::Close_Click);
    // A user's choice, also of the item already chosen; the program's choices run the
    // handlers themselves (select()).
    connect(pickers_[0], &QComboBox::activated, this, &Entries::Team_Click);
    connect(pickers_[1], &QComboBox::activated, this, &Entries::Engine_Click);
    connect(pickers_[2], &QComboBox::activated, this, &Entries::Driver1_Click);
    connect(pickers_[3], &QComboBox::activated, this, &Entries::Driver2_Click);
    connect(pickers_[4], &QComboBox::activated, this, &Entries::TDriver_Click);

    setLoaded(Form_Load(first));
}

bool Entries::Form_Load(qint64 first)
{
    Number->setText(recordNumberText(first));
    QString error;
    QByteArray teamBytes, testBytes;
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> testDrivers;
    if (!teams_.open(dataDir_.teams(), TeamRecord::Length, &error)
        || !testDrivers_.open(dataDir_.testDrivers(), TestDriverRecord::Length, &error)
        || !teams_.readAll(&teamBytes, &error) || !testDrivers_.readAll(&testBytes, &error)
        || !decodeRecords(teamBytes, dataDir_.teams(), &teams, &error)
        || !decodeRecords(testBytes, dataDir_.testDrivers(), &testDrivers, &error)) {
        Messages::error(this, error);
        return false;
    }
    // Listed in file order, blanks and duplicates kept: an item's position is what an entry
    // stores.
    for (const TeamRecord& t : teams) {
        pickers_[TeamPick]->addItem(t.Team.Name);
        pickers_[EnginePick]->addItem(t.Engine.Name);
        for (QComboBox* drivers : {pickers_[Driver1Pick], pickers_[Driver2Pick]}) {
            drivers->addItem(t.Driver1.Name);
            drivers->addItem(t.Driver2.Name);
        }
    }
    for (const TestDriverRecord& t : testDrivers)
        pickers_[TestDriverPick]->addItem(t.Name);
    if (testDrivers.empty())
        pickers_[TestDriverPick]->addItem(QStringLiteral(" ")); // always something to choose
    for (QComboBox* picker : pickers_)
        picker->setCurrentIndex(-1);

    if (!openFile())
        return false;
    // A number past the file (an empty league row was double-clicked) starts a new entry
    // after the last one instead of showing an entry that does not exist.
    cursor_.setNumber(std::clamp<qint64>(first, 1, cursor_.count() + 1));
    showNumber();
    if (!cursor_.atNew() && !showAt(cursor_.number()))
        return false;
    updateStepping(false); // Previous stays off when the window opens
    markShown();
    return true;
}

// Looks up the chosen component's price in its database, as it is now, and recomputes the
// total. No selection changes nothing.
void Entries::pickerChanged(Which which)
{
    const int p = pickers_[which]->currentIndex();
    if (p < 0)
        return;
    const bool team = which != TestDriverPick;
    const bool driver = which == Driver1Pick || which == Driver2Pick;
    QByteArray bytes;
    QString error;
    if (!(team ? teams_ : testDrivers_)
             .read(driver ? teamRecordOfDriver(p) : p + 1, &bytes, &error)) {
        // The total is made of a price that could not be read: it is not to be stored.
        Messages::error(this, error);
        cursor_.distrustShown();
        lockStoring();
        return;
    }
    // A position past its file (the lone blank item of an empty test-driver file, or a
    // record deleted since) names no record: no price.
    QString text;
    if (!bytes.isEmpty() && !team) {
        text = numberText(int(TestDriverRecord::decode(bytes.constData()).Price));
    } else if (!bytes.isEmpty()) {
        const TeamRecord t = TeamRecord::decode(bytes.constData());
        text = priceText(driver ? t.driver(p).Price
                                : (which == TeamPick ? t.Team.Price : t.Engine.Price));
    }
    prices_[which]->setText(text);
    refreshTotal();
}

// The total is the sum of the five boxes as they read, not of the stored prices.
void Entries::refreshTotal()
{
    double sum = 0;
    for (QLineEdit* box : prices_)
        sum += readNumber(box->text());
    Price->setText(totalText(sum));
}

// A selection set by the program runs the picker's handler every time, also when the
// position does not change (setCurrentIndex alone would then signal nothing).
void Entries::select(Which which, int position)
{
    {
        const QSignalBlocker blocker(pickers_[which]);
        pickers_[which]->setCurrentIndex(position);
    }
    pickerChanged(which);
}

// A stored position as the entry is shown. -1 leaves the picker unchosen and its price box
// as it was; a position past its list (records deleted since the entry was stored) names
// nothing, so the picker is unchosen and its price box empty.
void Entries::showPosition(Which which, int stored)
{
    if (stored >= -1 && stored < pickers_[which]->count()) {
        select(which, stored);
        return;
    }
    select(which, -1);
    prices_[which]->clear();
    refreshTotal();
}

void Entries::fillUnchosenPickers(bool includingTeam)
{
    for (int w = includingTeam ? TeamPick : EnginePick; w <= TestDriverPick; ++w)
        if (pickers_[w]->currentIndex() < 0 && pickers_[w]->count() > 0)
            select(Which(w), 0);
}

void Entries::showRecord(const QByteArray& record)
{
    if (record.isEmpty()) {
        // No entry left: the window looks as it opens on an empty file, and Close, with no
        // team chosen, stores nothing.
        entry_ = EntryRecord{};
        for (QComboBox* picker : pickers_)
            picker->setCurrentIndex(-1);
        for (QLineEdit* box : prices_)
            box->clear();
        Owner->clear();
        Price->clear();
        return;
    }
    entry_ = EntryRecord::decode(record.constData());
    Owner->setText(displayText(entry_.Owner));
    showPosition(TeamPick, entry_.TeamIndex);
    Price->setText(numberText(entry_.Price));
    showPosition(EnginePick, entry_.EngineIndex);
    showPosition(Driver1Pick, entry_.Driver1Index);
    showPosition(Driver2Pick, entry_.Driver2Index);
    showPosition(TestDriverPick, entry_.TestDriverIndex);
}

QByteArray Entries::encodeShown()
{
    entry_.Owner = fieldText(Owner->text());
    entry_.Price = toSingle(readNumber(Price->text()));
    int16_t* const indexes[] = {&entry_.TeamIndex, &entry_.EngineIndex, &entry_.Driver1Index,
                                &entry_.Driver2Index, &entry_.TestDriverIndex};
    for (int w = TeamPick; w <= TestDriverPick; ++w)
        *indexes[w] = toInteger(pickers_[w]->currentIndex());
    // Points stay as last read: only the championship calculation sets them.
    return entry_.encode();
}

QByteArray Entries::takeShown()
{
    // A stored entry names a component in every position.
    fillUnchosenPickers(true);
    return encodeShown();
}

// A new entry starts with an empty owner and total, the components of the entry shown and
// no points of its own.
void Entries::clearForNew()
{
    entry_.Points = 0;
    Owner->clear();
    Price->clear();
}

// Without a team the shown entry is not stored.
bool Entries::canStoreShown() const
{
    return pickers_[TeamPick]->currentIndex() >= 0 && RecordForm::canStoreShown();
}

void Entries::Close_Click()
{
    // The points are recalculated when an entry was stored or deleted in this window.
    if (pickers_[TeamPick]->currentIndex() >= 0 && !storeShown())
        return; // the window stays open with the entry shown
    hide();
    Form_QueryUnload();
    QString error;
    if (changedFile_) {
        // The league table shows the file as stored, then the recalculated points.
        QByteArray entries;
        if (hiScores_ && readRecordBytes(dataDir_.entries(), EntryRecord::Length, &entries, &error))
            refillLeagueTable(hiScores_, entries);
        else if (hiScores_)
            Messages::error(this, error);
        if (!recalculateLeague(dataDir_, hiScores_, &error))
            Messages::error(this, error);
    }
    emit entriesChanged();
    accept();
}

// Closing by any means closes the files; the close box stores nothing.
void Entries::Form_QueryUnload()
{
    RecordForm::Form_QueryUnload();
    teams_.close();
    testDrivers_.close();
}

} // namespace velmora
