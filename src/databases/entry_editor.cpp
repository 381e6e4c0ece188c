#include "databases/entry_editor.h"

#include "data/entry_rules.h"
#include "data/text.h"
#include "databases/transfer_question.h"
#include "scoring/championship.h"
#include "scoring/scoring_window.h"
#include "toolkit/dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

namespace velmora {

namespace {

// A control marked in warning colours, with the reason as its tip; unmarked, it is as before.
void mark(QWidget* control, const QString& why)
{
    QPalette colours;
    if (!why.isEmpty()) {
        colours = control->palette();
        for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            colours.setColor(role, QColor(0xa0, 0, 0));
        for (auto role : {QPalette::Base, QPalette::Button})
            colours.setColor(role, QColor(0xff, 0xe4, 0xe1));
    }
    control->setPalette(colours);
    control->setToolTip(why);
}

} // namespace

EntryEditor::EntryEditor(League& league, qint64 first, QWidget* parent)
    : RecordWindow(parent, "Entries", tr("Entry Database"), 4380, 3585, league,
                   LeagueFile::Entries),
      league_(league)
{
    connect(&league, &League::changed, this, [this](LeagueFile::Kinds files) {
        entriesChanged_ |= files.testFlag(LeagueFile::Entries);
    });
    ownerBox_ = addTextBox(this, "Owner", {1185, 360, 1935, 285});
    holdsName(ownerBox_);
    const char* const pickerNames[] = {"Team", "Engine", "Driver1", "Driver2", "TDriver"};
    const int pickerTops[] = {780, 1236, 1689, 2142, 2595};
    for (int p = Pick::Team; p <= Pick::TestDriver; ++p) {
        pickers_[p] = addComboBox(this, pickerNames[p], {1185, pickerTops[p], 1935, 315});
        // A user's choice, also of the item already chosen; the program's choices run the
        // handler themselves (select()).
        connect(pickers_[p], &QComboBox::activated, this,
                [this, p] { onPickerChosen(Pick::Slot(p)); });
    }
    totalBox_ = addTextBox(this, "Price", {3330, 375, 960, 285});
    totalBox_->setFrame(false);
    totalBox_->setAlignment(Qt::AlignCenter);
    holdsNumber(totalBox_, NumberField::Real);
    connect(totalBox_, &QLineEdit::textChanged, this, &EntryEditor::markBudget);
    const Buttons b = addButtons(3180, {45, 825, 1740, 2655, 3555});
    QLineEdit* number = addNumberBox(this, {1185, 0, 690, 285});
    number->setFrame(false);
    addLabel(this, "Label6", tr("Team Number:"), {0, 30, 1080, 225}, number);
    addLabel(this, "Label4", tr("Driver 2:"), {480, 2187, 615, 225}, pickers_[3]);
    addLabel(this, "Label3", tr("Driver 1:"), {480, 1734, 615, 225}, pickers_[2]);
    addLabel(this, "Label2", tr("Engine:"), {525, 1281, 570, 225}, pickers_[1]);
    addLabel(this, "Label1", tr("Owner:"), {540, 390, 540, 225}, ownerBox_);
    addLabel(this, "Label5", tr("Total"), {3615, 60, 420, 195}, totalBox_, Qt::AlignHCenter);
    addLabel(this, "Label8", tr("Test Driver:"), {255, 2640, 855, 225}, pickers_[4]);
    addLabel(this, "Label7", tr("Team:"), {600, 825, 480, 225}, pickers_[0]);
    // The price boxes only show what the pickers look up.
    const char* const priceNames[] = {"TPrice", "EPrice", "D1Price", "D2Price", "TDPrice"};
    const char* const spoken[] = {QT_TR_NOOP("Team price"), QT_TR_NOOP("Engine price"),
                                  QT_TR_NOOP("Driver 1 price"), QT_TR_NOOP("Driver 2 price"),
                                  QT_TR_NOOP("Test driver price")};
    const int priceTops[] = {810, 1230, 1710, 2175, 2655};
    for (int p = Pick::Team; p <= Pick::TestDriver; ++p) {
        prices_[p] = addTextBox(this, priceNames[p], {3360, priceTops[p], 450, 285}, tr(spoken[p]));
        prices_[p]->setEnabled(false);
    }

    setTabOrder({ownerBox_, pickers_[0], pickers_[1], pickers_[2], pickers_[3], pickers_[4],
                 totalBox_, b.newRecord, b.previous, b.next, b.remove, b.close});
    setSteppingControls(number, ownerBox_);
    setReadOnly(league, {pickers_[0], pickers_[1], pickers_[2], pickers_[3], pickers_[4]});
    setLoaded(load(first));
}

bool EntryEditor::load(qint64 first)
{
    QString error;
    if (!league_.read(LeagueFile::Teams, &teams_, &error)
        || !league_.read(LeagueFile::TestDrivers, &testDrivers_, &error)) {
        Messages::error(this, error);
        return false;
    }
    // Listed in file order, blanks and duplicates kept: an item's position is what an entry
    // stores.
    for (const TeamRecord& t : teams_) {
        pickers_[Pick::Team]->addItem(t.Team.Name);
        pickers_[Pick::Engine]->addItem(t.Engine.Name);
        for (QComboBox* drivers : {pickers_[Pick::Driver1], pickers_[Pick::Driver2]}) {
            drivers->addItem(t.Driver1.Name);
            drivers->addItem(t.Driver2.Name);
        }
    }
    for (const TestDriverRecord& t : testDrivers_)
        pickers_[Pick::TestDriver]->addItem(t.Name);
    if (testDrivers_.empty())
        pickers_[Pick::TestDriver]->addItem(QStringLiteral(" ")); // always something to choose
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

// Looks up the chosen component's price in its database (which cannot change while this
// modal window is open) and recomputes the total. No selection changes nothing.
void EntryEditor::onPickerChosen(Pick::Slot picker)
{
    const Pick pick = Pick::at(picker, pickers_[picker]->currentIndex());
    if (pick.record < 0)
        return;
    // A position past its file (the lone blank item of an empty test-driver file, or a
    // record deleted since) names no record: no price.
    prices_[picker]->setText(pickPrice(pick, teams_, testDrivers_));
    refreshTotal();
}

// The total is the sum of the five boxes as they read, not of the stored prices.
void EntryEditor::refreshTotal()
{
    QStringList prices;
    for (QLineEdit* box : prices_)
        prices << box->text();
    totalBox_->setText(pricesTotal(prices));
    markBudget();
}

// Only in a league whose settings give a budget: a total, as shown, above it and a race
// driver picked twice are marked where they show. Storing is not refused: the league's own
// rules decide.
void EntryEditor::markBudget()
{
    QComboBox *first = pickers_[Pick::Driver1], *second = pickers_[Pick::Driver2];
    const RuleMarks marks =
        ruleMarks(league_.settings().budget, totalBox_->text(), first->currentIndex(),
                  second->currentIndex(), first->currentText(), second->currentText(), true);
    mark(totalBox_, marks.total);
    mark(first, marks.drivers);
    mark(second, marks.drivers);
}

// A selection set by the program runs the picker's handler every time, also when the
// position does not change (setCurrentIndex alone would then signal nothing).
void EntryEditor::select(Pick::Slot picker, int position)
{
    {
        const QSignalBlocker blocker(pickers_[picker]);
        pickers_[picker]->setCurrentIndex(position);
    }
    onPickerChosen(picker);
}

// A stored position as the entry is shown. -1 leaves the picker unchosen and its price box
// as it was; a position past its list (records deleted since the entry was stored) names
// nothing, so the picker is unchosen and its price box empty.
void EntryEditor::showPosition(Pick::Slot picker, int stored)
{
    if (stored >= -1 && stored < pickers_[picker]->count()) {
        select(picker, stored);
        return;
    }
    select(picker, -1);
    prices_[picker]->clear();
    refreshTotal();
}

void EntryEditor::fillUnchosenPickers()
{
    for (int p = Pick::Team; p <= Pick::TestDriver; ++p)
        if (pickers_[p]->currentIndex() < 0 && pickers_[p]->count() > 0)
            select(Pick::Slot(p), 0);
}

void EntryEditor::showRecord(const std::optional<EntryRecord>& record)
{
    if (!record) {
        // No entry left: the window looks as it opens on an empty file, and Close, with no
        // team chosen, stores nothing.
        entry_ = EntryRecord{};
        for (QComboBox* picker : pickers_)
            picker->setCurrentIndex(-1);
        for (QLineEdit* box : prices_)
            box->clear();
        ownerBox_->clear();
        totalBox_->clear();
        return;
    }
    entry_ = *record;
    ownerBox_->setText(displayText(entry_.Owner));
    showPosition(Pick::Team, entry_.TeamIndex);
    totalBox_->setText(numberText(entry_.Price));
    showPosition(Pick::Engine, entry_.EngineIndex);
    showPosition(Pick::Driver1, entry_.Driver1Index);
    showPosition(Pick::Driver2, entry_.Driver2Index);
    showPosition(Pick::TestDriver, entry_.TestDriverIndex);
}

// A stored entry names a component in every position.
void EntryEditor::completeShown()
{
    fillUnchosenPickers();
}

// Its points stay as last read: only the championship calculation sets them.
EntryRecord EntryEditor::shownRecord()
{
    entry_.Owner = fieldText(ownerBox_->text());
    entry_.Price = toSingle(readNumber(totalBox_->text()));
    int16_t* const indexes[] = {&entry_.TeamIndex, &entry_.EngineIndex, &entry_.Driver1Index,
                                &entry_.Driver2Index, &entry_.TestDriverIndex};
    for (int p = Pick::Team; p <= Pick::TestDriver; ++p)
        *indexes[p] = toInteger(pickers_[p]->currentIndex());
    return entry_;
}

// A new entry starts with an empty owner and total, the components of the entry shown and
// no points of its own.
void EntryEditor::clearForNew()
{
    entry_.Points = 0;
    ownerBox_->clear();
    totalBox_->clear();
}

// Without a team the shown entry is not stored.
bool EntryEditor::canStoreShown() const
{
    return storesOnClose() && RecordWindow::canStoreShown();
}

bool EntryEditor::storesOnClose() const
{
    return pickers_[Pick::Team]->currentIndex() >= 0;
}

QString EntryEditor::itemName(Pick::Slot picker, int position) const
{
    return displayText(pickers_[picker]->itemText(position));
}

// A league without transfers and without a decisions record stores as it always has. Otherwise
// the record, which knows an entry by its owner's name, changes with the entry in one step: a
// new name, changed picks (a transfer or a correction, as the organiser answers).
bool EntryEditor::storeRecord(const QByteArray& bytes, QString* error)
{
    const std::optional<int> limit = league_.settings().transfers;
    QByteArray record;
    std::vector<EntryRecord> entries;
    if (!league_.readBytes(LeagueFile::Decisions, &record, error))
        return false;
    if (record.isEmpty() && !limit)
        return cursor_.store(bytes, error);
    if (!league_.read(LeagueFile::Entries, &entries, error))
        return false;
    const EntryRecord now = EntryRecord::decode(bytes.constData());
    const std::size_t n = std::size_t(cursor_.number() - 1); // entries.size(): a new entry
    const bool isNew = n >= entries.size();
    const QString owner = isNew ? QString() : displayText(entries[n].Owner);
    const std::vector<PickChange> changes =
        isNew ? std::vector<PickChange>() : pickChanges(entries[n], now);
    // (Drivers swapped are no change of picks, but the record's transfers follow their seats.)
    const bool sameSeats = isNew
                           || (entries[n].Driver1Index == now.Driver1Index
                               && entries[n].Driver2Index == now.Driver2Index);
    if (!isNew && changes.empty() && sameSeats && owner == displayText(now.Owner))
        return cursor_.store(bytes, error);
    Decisions decisions;
    QStringList calendar;
    const QString path = league_.path(LeagueFile::Decisions);
    if (!checkDecisions(record, path, nullptr, &decisions, error)
        || !calendarRaces(league_, &calendar, error))
        return false;
    // A pick first chosen (none was, or the entry named no item of its list) is never a
    // transfer: the question is asked only about picks that change from one item to another.
    const bool transferable = std::any_of(changes.begin(), changes.end(), [this](const auto& c) {
        return c.before >= 0 && c.before < pickers_[c.component]->count();
    });
    std::optional<int> from;
    if (limit && transferable && !calendar.isEmpty()) {
        static const char* const places[] = {QT_TR_NOOP("Team"), QT_TR_NOOP("Engine"),
                                             QT_TR_NOOP("Driver 1"), QT_TR_NOOP("Driver 2"),
                                             QT_TR_NOOP("Test driver")};
        QStringList lines;
        for (const auto& [slot, before, after] : changes)
            lines << tr("%1: %2 \u2192 %3")
                         .arg(tr(places[slot]), itemName(slot, before), itemName(slot, after));
        const int made = decisions.transfersOf(owner);
        const QString count =
            *limit == LeagueSettings::Unlimited
                ? tr("Transfers %1 has made this season: %2 (the league allows any number).")
                      .arg(owner)
                      .arg(made)
                : tr("Transfers %1 has made this season: %2 of the %3 the league allows.")
                      .arg(owner)
                      .arg(made)
                      .arg(*limit);
        int race = 0;
        switch (TransferQuestion::ask(this, owner, lines, count, calendar,
                                      earliestTransfer(decisions, owner, changes), &race)) {
        case TransferQuestion::Answer::GoBack:
            return false; // nothing to tell: the entry stays on screen as typed
        case TransferQuestion::Answer::Transfer:
            from = race;
            break;
        case TransferQuestion::Answer::Correction:
            break;
        }
    }
    Decisions next = decisions;
    const auto names = [this](Pick::Slot slot, int position) { return itemName(slot, position); };
    if (!next.store(entries, n, now, from, limit, {names, calendar}, error))
        return false;
    // What is stored must agree, whatever the record held: a record a step ahead of the entries
    // (a store cut short after the record was written) is completed by storing the entry again.
    if (isNew)
        entries.push_back(now);
    else
        entries[n] = now;
    if (const QString wrong = next.disagreement(entries, path); !wrong.isEmpty())
        return io::fail(error, wrong);
    if (next == decisions)
        return cursor_.store(bytes, error);
    return cursor_.store(bytes, {{LeagueFile::Decisions, next.text()}}, error);
}

// Deletes ask nothing, as always; the owner's decisions go in the same step.
bool EntryEditor::removeRecord(QString* error)
{
    QByteArray record;
    std::vector<EntryRecord> entries;
    Decisions decisions;
    if (cursor_.atNew())
        return cursor_.remove(error);
    if (!league_.readBytes(LeagueFile::Decisions, &record, error))
        return false;
    if (record.isEmpty())
        return cursor_.remove(error);
    if (!league_.read(LeagueFile::Entries, &entries, error)
        || !checkDecisions(record, league_.path(LeagueFile::Decisions), &entries, &decisions,
                           error))
        return false;
    Decisions next = decisions;
    if (const auto n = std::size_t(cursor_.number() - 1); n < entries.size())
        next.remove(displayText(entries[n].Owner));
    if (next == decisions)
        return cursor_.remove(error);
    return cursor_.remove(error, {{LeagueFile::Decisions, next.text()}});
}

// The points follow the components the entries now name.
void EntryEditor::closed()
{
    if (entriesChanged_)
        recalculate(league_, parentWidget());
}

} // namespace velmora
