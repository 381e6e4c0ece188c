#include "databases/entries.h"

#include "data/text.h"
#include "main/league_table.h"
#include "scoring/championship.h"
#include "toolkit/accessibility.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "toolkit/twips.h"
#include "viewer/team_viewer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace velmora {

Entries::Entries(const DataDir& dataDir, FlexGrid* hiScores, QLineEdit* mainNumber,
                 Team_Viewer* viewer, QWidget* parent)
    : QDialog(parent), dataDir_(dataDir), hiScores_(hiScores), mainNumber_(mainNumber),
      viewer_(viewer)
{
    setObjectName(QStringLiteral("Entries"));
    setWindowTitle(QStringLiteral("Entry Database"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(4380, 3585));

    auto lineEdit = [this](const char* name, int left, int top, int width, int height) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        place(e, left, top, width, height);
        return e;
    };
    auto pickerBox = [this](const char* name, int top) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        // Items are the stored 80-character names; the box keeps its width.
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        place(c, 1185, top, 1935, 315);
        return c;
    };
    auto button = [this](const char* name, const QString& caption, int left, int width) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        enterPresses({b});
        place(b, left, 3180, width, 345);
        return b;
    };
    auto label = [this](const char* name, const QString& caption, int left, int top, int width,
                        int height, QWidget* buddy) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QString::fromLatin1(name));
        labelFor(l, buddy);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placeCaption(l, left, top, width, height);
        return l;
    };

    // Created in tab order.
    Owner = lineEdit("Owner", 1185, 360, 1935, 285);
    Team = pickerBox("Team", 780);
    Engine = pickerBox("Engine", 1236);
    Driver1 = pickerBox("Driver1", 1689);
    Driver2 = pickerBox("Driver2", 2142);
    TDriver = pickerBox("TDriver", 2595);
    Price = lineEdit("Price", 3330, 375, 960, 285);
    Price->setFrame(false);
    Price->setAlignment(Qt::AlignCenter);
    New = button("New", QStringLiteral("New"), 45, 720);
    Previous = button("Previous", QStringLiteral("Previous"), 825, 840);
    Forward = button("Forward", QStringLiteral("Next"), 1740, 840);
    Delete = button("Delete", QStringLiteral("Delete"), 2655, 840);
    Close = button("Close", QStringLiteral("Close"), 3555, 765);
    Previous->setEnabled(false);
    Forward->setEnabled(false);

    Number = lineEdit("Number", 1185, 0, 690, 285);
    Number->setText(QStringLiteral("1"));
    Number->setReadOnly(true);
    Number->setFrame(false);
    Number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Number->setFocusPolicy(Qt::NoFocus);
    QPalette shaded = Number->palette();
    shaded.setColor(QPalette::Base, shaded.color(QPalette::Button));
    Number->setPalette(shaded);

    Label6 = label("Label6", QStringLiteral("Team Number:"), 0, 30, 1080, 225, Number);
    Label4 = label("Label4", QStringLiteral("Driver 2:"), 480, 2187, 615, 225, Driver2);
    Label3 = label("Label3", QStringLiteral("Driver 1:"), 480, 1734, 615, 225, Driver1);
    Label2 = label("Label2", QStringLiteral("Engine:"), 525, 1281, 570, 225, Engine);
    Label1 = label("Label1", QStringLiteral("Owner:"), 540, 390, 540, 225, Owner);
    Label5 = label("Label5", QStringLiteral("Total"), 3615, 60, 420, 195, Price);
    Label5->setAlignment(Qt::AlignCenter); // heads the total below it
    Label8 = label("Label8", QStringLiteral("Test Driver:"), 255, 2640, 855, 225, TDriver);
    Label7 = label("Label7", QStringLiteral("Team:"), 600, 825, 480, 225, Team);

    // The price boxes only show what the pickers look up.
    TPrice = lineEdit("TPrice", 3360, 810, 450, 285);
    EPrice = lineEdit("EPrice", 3360, 1230, 450, 285);
    D1Price = lineEdit("D1Price", 3360, 1710, 450, 285);
    D2Price = lineEdit("D2Price", 3360, 2175, 450, 285);
    TDPrice = lineEdit("TDPrice", 3360, 2655, 450, 285);
    const char* const priceNames[] = {"Team price", "Engine price", "Driver 1 price",
                                      "Driver 2 price", "Test driver price"};
    int k = 0;
    for (QLineEdit* box : {TPrice, EPrice, D1Price, D2Price, TDPrice}) {
        box->setEnabled(false);
        box->setAccessibleName(QString::fromLatin1(priceNames[k++]));
    }

    connect(Previous, &QPushButton::clicked, this, &Entries::Previous_Click);
    connect(Forward, &QPushButton::clicked, this, &Entries::Forward_Click);
    connect(New, &QPushButton::clicked, this, &Entries::New_Click);
    connect(Delete, &QPushButton::clicked, this, &Entries::Delete_Click);
    connect(Close, &QPushButton::clicked, this, &Entries::Close_Click);
    // A user's choice, also of the item already selected; the program's selections call
    // the handlers themselves (select()).
    connect(Team, &QComboBox::activated, this, &Entries::Team_Click);
    connect(Engine, &QComboBox::activated, this, &Entries::Engine_Click);
    connect(Driver1, &QComboBox::activated, this, &Entries::Driver1_Click);
    connect(Driver2, &QComboBox::activated, this, &Entries::Driver2_Click);
    connect(TDriver, &QComboBox::activated, this, &Entries::TDriver_Click);

    loaded_ = Form_Load();
}

Entries::~Entries() = default;

void Entries::showModal(const DataDir& dataDir, FlexGrid* hiScores, QLineEdit* mainNumber,
                        Team_Viewer* viewer, QWidget* parent)
{
    {
        Entries editor(dataDir, hiScores, mainNumber, viewer, parent);
        if (!editor.loaded())
            return;
        editor.exec();
    }
    // The table follows the file however the editor was closed: its close box stores
    // nothing, but Next, Previous, New and Delete may have changed the file.
    RecordFile file;
    QString error;
    if (!file.open(dataDir.entries(), EntryRecord::Length, &error)) {
        Messages::error(parent, error);
        return;
    }
    const std::vector<EntryRecord> records = file.readAll<EntryRecord>(&error);
    if (!error.isEmpty()) {
        Messages::error(parent, error);
        return;
    }
    refillLeagueTable(hiScores, records);
}

void Entries::showError(const QString& text)
{
    Messages::error(this, text);
}

bool Entries::openFiles()
{
    QString error;
    if (!teams_.open(dataDir_.teams(), TeamRecord::Length, &error)
        || !testDrivers_.open(dataDir_.testDrivers(), TestDriverRecord::Length, &error)
        || !entries_.open(dataDir_.entries(), EntryRecord::Length, &error)) {
        showError(error);
        return false;
    }
    return true;
}

qint64 Entries::number() const
{
    return recordNumber(Number->text());
}

void Entries::setNumber(qint64 n)
{
    Number->setText(recordNumberText(n));
}

bool Entries::Form_Load()
{
    Number->setText(mainNumber_ ? mainNumber_->text() : QStringLiteral(" 1"));
    if (!openFiles())
        return false;

    QString error;
    const std::vector<TeamRecord> teams = teams_.readAll<TeamRecord>(&error);
    const std::vector<TestDriverRecord> testDrivers =
        testDrivers_.readAll<TestDriverRecord>(&error);
    if (!error.isEmpty()) {
        showError(error);
        return false;
    }
    // Listed in file order, blanks and duplicates kept: an item's position is what an
    // entry stores.
    for (const TeamRecord& t : teams) {
        Team->addItem(t.Team.Name);
        Engine->addItem(t.Engine.Name);
        for (QComboBox* drivers : {Driver1, Driver2}) {
            drivers->addItem(t.Driver1.Name);
            drivers->addItem(t.Driver2.Name);
        }
    }
    for (const TestDriverRecord& t : testDrivers)
        TDriver->addItem(t.Name);
    if (testDrivers.empty())
        TDriver->addItem(QStringLiteral(" ")); // so that the picker can always be chosen
    for (QComboBox* box : {Team, Engine, Driver1, Driver2, TDriver})
        box->setCurrentIndex(-1);

    // A number past the file (an empty league row was double-clicked) starts a new entry
    // after the last one instead of showing a record that does not exist.
    const qint64 c = entries_.count();
    const qint64 n = std::clamp<qint64>(number(), 1, c + 1);
    if (n == c + 1) {
        if (n != number())
            setNumber(n);
        // As after New: the entries before the new one can be reached with Previous.
        Previous->setEnabled(c > 0);
    } else if (!showEntry(n)) {
        return false;
    }
    Forward->setEnabled(n < c);
    return true;
}

// ---- pickers and prices ----

QComboBox* Entries::picker(Which which) const
{
    QComboBox* const boxes[] = {Team, Engine, Driver1, Driver2, TDriver};
    return boxes[which];
}

QLineEdit* Entries::priceBox(Which which) const
{
    QLineEdit* const boxes[] = {TPrice, EPrice, D1Price, D2Price, TDPrice};
    return boxes[which];
}

void Entries::Team_Click()
{
    pickerChanged(TeamPick);
}
void Entries::Engine_Click()
{
    pickerChanged(EnginePick);
}
void Entries::Driver1_Click()
{
    pickerChanged(Driver1Pick);
}
void Entries::Driver2_Click()
{
    pickerChanged(Driver2Pick);
}
void Entries::TDriver_Click()
{
    pickerChanged(TestDriverPick);
}

// Looks up the chosen component's price in its database, as it is now, and recomputes
// the total. No selection changes nothing.
void Entries::pickerChanged(Which which)
{
    const int p = picker(which)->currentIndex();
    if (p < 0)
        return;
    QString text;
    if (which == TestDriverPick) {
        QByteArray bytes;
        if (!readRecord(testDrivers_, p + 1, &bytes))
            return;
        // The lone blank item of an empty test-driver file names no record: no price.
        if (!bytes.isEmpty())
            text = numberText(int(TestDriverRecord::decode(bytes.constData()).Price));
    } else {
        const bool driver = which == Driver1Pick || which == Driver2Pick;
        QByteArray bytes;
        if (!readRecord(teams_, driver ? teamRecordOfDriver(p) : p + 1, &bytes))
            return;
        if (!bytes.isEmpty()) {
            const TeamRecord t = TeamRecord::decode(bytes.constData());
            const ComponentSlot& slot =
                driver ? t.driver(p) : (which == TeamPick ? t.Team : t.Engine);
            text = priceText(slot.Price);
        }
    }
    priceBox(which)->setText(text);
    refreshTotal();
}

// The total is the sum of the five boxes as they read, not of the stored prices.
void Entries::refreshTotal()
{
    double sum = 0;
    for (QLineEdit* box : {TPrice, EPrice, D1Price, D2Price, TDPrice})
        sum += readNumber(box->text());
    Price->setText(totalText(sum));
}

// A selection set by the program runs the picker's handler every time, also when the
// position does not change (setCurrentIndex alone would then signal nothing).
void Entries::select(QComboBox* box, int position)
{
    {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(position);
    }
    for (int w = TeamPick; w <= TestDriverPick; ++w)
        if (picker(Which(w)) == box)
            pickerChanged(Which(w));
}

// A stored position as the entry is shown. -1 leaves the picker unchosen and its price box
// as it was; a position past its list (records deleted since the entry was stored) names
// nothing, so the picker is unchosen and its price box empty.
void Entries::showPosition(Which which, int stored)
{
    QComboBox* box = picker(which);
    if (stored >= -1 && stored < box->count()) {
        select(box, stored);
        return;
    }
    select(box, -1);
    priceBox(which)->clear();
    refreshTotal();
}

void Entries::fillUnchosenPickers(bool includingTeam)
{
    for (int w = includingTeam ? TeamPick : EnginePick; w <= TestDriverPick; ++w) {
        QComboBox* box = picker(Which(w));
        if (box->currentIndex() < 0 && box->count() > 0)
            select(box, 0);
    }
}

// ---- records ----

// Record n of an open file: empty when n lies outside it; false, the reason shown, when
// the file cannot be read (so that a failed read is never shown and stored back).
bool Entries::readRecord(const RecordFile& file, qint64 n, QByteArray* bytes)
{
    QString error;
    if (file.readRaw(n, bytes, &error))
        return true;
    showError(error);
    return false;
}

bool Entries::showEntry(qint64 n)
{
    QByteArray bytes;
    if (!readRecord(entries_, n, &bytes))
        return false;
    entry_ = bytes.isEmpty() ? EntryRecord{} : EntryRecord::decode(bytes.constData());
    setNumber(n);
    Owner->setText(displayText(entry_.Owner));
    showPosition(TeamPick, entry_.TeamIndex);
    Price->setText(numberText(entry_.Price));
    showPosition(EnginePick, entry_.EngineIndex);
    showPosition(Driver1Pick, entry_.Driver1Index);
    showPosition(Driver2Pick, entry_.Driver2Index);
    showPosition(TestDriverPick, entry_.TestDriverIndex);
    return true;
}

// A new entry at n: an empty owner and total; the pickers keep the components shown.
void Entries::startNewEntry(qint64 n)
{
    setNumber(n);
    Owner->clear();
    Price->clear();
}

bool Entries::storeShownEntry()
{
    entry_.Owner = fieldText(Owner->text());
    entry_.Price = toSingle(readNumber(Price->text()));
    entry_.TeamIndex = toInteger(Team->currentIndex());
    entry_.EngineIndex = toInteger(Engine->currentIndex());
    entry_.Driver1Index = toInteger(Driver1->currentIndex());
    entry_.Driver2Index = toInteger(Driver2->currentIndex());
    entry_.TestDriverIndex = toInteger(TDriver->currentIndex());
    // Points stay as last read: only the championship calculation sets them.
    QString error;
    if (!entries_.write(number(), entry_, &error)) {
        showError(error);
        return false;
    }
    return true;
}

// ---- commands ----

void Entries::Previous_Click()
{
    const qint64 n = number();
    if (n <= 1)
        return;
    fillUnchosenPickers(true);
    if (!storeShownEntry() || !showEntry(n - 1))
        return;
    Forward->setEnabled(n - 1 < entries_.count());
    if (n - 1 == 1)
        Previous->setEnabled(false);
}

void Entries::Forward_Click()
{
    const qint64 n = number();
    if (n >= entries_.count())
        return;
    fillUnchosenPickers(true);
    if (!storeShownEntry() || !showEntry(n + 1))
        return;
    Forward->setEnabled(n + 1 < entries_.count());
    Previous->setEnabled(true);
}

void Entries::New_Click()
{
    fillUnchosenPickers(true);
    if (!storeShownEntry())
        return;
    startNewEntry(entries_.count() + 1);
    Previous->setEnabled(true);
    Forward->setEnabled(false);
    Owner->setFocus();
}

void Entries::Delete_Click()
{
    const qint64 n = number();
    // The rewrite replaces entry.tro with a new file: every file is closed first and
    // opened again afterwards, the other two with it, as on load.
    entries_.close();
    teams_.close();
    testDrivers_.close();
    QString error;
    if (!deleteRecord(dataDir_.entries(), dataDir_.scratch(), EntryRecord::Length, n, &error))
        showError(error);
    if (!openFiles())
        return;

    // The entry that takes the number, or the new last one after the last was deleted.
    const qint64 c = entries_.count();
    const qint64 shown = std::min(n, c);
    if (c == 0) {
        entry_ = EntryRecord{};
        startNewEntry(1);
    } else if (!showEntry(shown)) {
        return;
    }
    Forward->setEnabled(shown < c);
    if (shown <= 1)
        Previous->setEnabled(false);
}

void Entries::Close_Click()
{
    if (Team->currentIndex() >= 0) {
        fillUnchosenPickers(false);
        if (!storeShownEntry())
            return; // the window stays open with the entry shown
        refreshLeagueTable();
        hide();
        Form_QueryUnload();

        BusyCursor busy;
        std::vector<EntryRecord> rows;
        QString error;
        if (RecalculateChampionship(dataDir_, &rows, &error)) {
            if (hiScores_)
                refillLeagueTable(hiScores_, rows);
        } else {
            showError(error);
        }
    }
    if (viewer_) {
        QString error;
        if (!viewer_->Update(&error))
            showError(error);
    }
    Form_QueryUnload();
    accept();
}

// The league table from the file as the store left it, rows appended as start-up does.
void Entries::refreshLeagueTable()
{
    if (!hiScores_)
        return;
    QString error;
    const std::vector<EntryRecord> records = entries_.readAll<EntryRecord>(&error);
    if (!error.isEmpty()) {
        showError(error);
        return;
    }
    refillLeagueTable(hiScores_, records);
}

// There is no cancel button: Esc does nothing. The window is left through Close, which
// stores, or the close box, which does not.
void Entries::reject() {}

void Entries::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    done(QDialog::Rejected);
    event->accept();
}

// Closing by any means closes the files; the shown entry is not stored.
void Entries::Form_QueryUnload()
{
    entries_.close();
    teams_.close();
    testDrivers_.close();
}

} // namespace velmora
