#include "scoring/race_results_window.h"

#include "data/text.h"
#include "scoring/championship.h"
#include "scoring/scoring_window.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace velmora {

// The table's columns: each of a team's four components by name and points, then the row's
// total. A test driver's row has its name and points in the first two.
constexpr int kColumns = 9, kTotal = 8;

class ResultsModel : public QAbstractTableModel {
public:
    ResultsModel(RaceResults& results, QObject* parent)
        : QAbstractTableModel(parent), results_(results)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : results_.rows();
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : kColumns;
    }
    // The point cell a table cell shows, or -1 (a name, the total, or nothing).
    int cellAt(const QModelIndex& at) const
    {
        const int c = at.column();
        return at.isValid() && c % 2 == 1 && c < kTotal && c / 2 < results_.cells(at.row()) ? c / 2
                                                                                            : -1;
    }
    static int columnOf(int cell) { return 2 * cell + 1; }

    QVariant data(const QModelIndex& at, int role) const override
    {
        const int row = at.row(), c = at.column();
        const bool shown = c == kTotal || c / 2 < results_.cells(row);
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            if (!shown)
                return {};
            if (c == kTotal)
                return numberText(results_.total(row));
            return c % 2 ? numberText(results_.points(row, c / 2)) : results_.name(row, c / 2);
        }
        if (role == Qt::TextAlignmentRole && (c % 2 || c == kTotal))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        // What is only shown is shaded, as the display boxes are.
        if (role == Qt::BackgroundRole && cellAt(at) < 0)
            return QApplication::palette().brush(QPalette::Button);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section < results_.teamRows()
                       ? QStringLiteral("Team %1").arg(section + 1)
                       : QStringLiteral("Test driver %1").arg(section - results_.teamRows() + 1);
        const char* const headings[kColumns] = {"Team",     "Points",   "Engine Maker",
                                                "Points",   "Driver 1", "Points",
                                                "Driver 2", "Points",   "Total"};
        return QString::fromLatin1(headings[section]);
    }

    // Names and totals are neither edited nor reached by the keys.
    Qt::ItemFlags flags(const QModelIndex& at) const override
    {
        return cellAt(at) >= 0 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                               : Qt::NoItemFlags;
    }

    bool setData(const QModelIndex& at, const QVariant& value, int role) override
    {
        if (role != Qt::EditRole || cellAt(at) < 0)
            return false;
        if (const auto points = int16_t(value.toInt());
            points != results_.points(at.row(), cellAt(at))) {
            results_.setPoints(at.row(), cellAt(at), points);
            changedRows(at.row(), at.row());
        }
        return true;
    }

    void changedRows(int first, int last)
    {
        emit dataChanged(index(first, 0), index(last, kTotal));
    }
    template <class Change> void reset(const Change& change)
    {
        beginResetModel();
        change();
        endResetModel();
    }

private:
    RaceResults& results_;
};

namespace {

// The table's keys, as a spreadsheet's: arrows, Tab and Shift+Tab go from point cell to point
// cell (past the end of a row, Tab goes on to the next row; past the last cell, out of the
// table), Enter down, typing replaces a cell, F2 edits it, Delete sets the selected cells to 0;
// Ctrl+C copies the selected point cells, Ctrl+V pastes a block from the current cell on.
class ResultsView : public QTableView {
public:
    ResultsView(ResultsModel* model, RaceResults& results, QWidget* parent)
        : QTableView(parent), model_(model), results_(results)
    {
        setModel(model);
        setSelectionMode(QAbstractItemView::ContiguousSelection);
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                        | QAbstractItemView::AnyKeyPressed);
    }

    // Enter (down), the up and down arrows, Tab and Shift+Tab leave a cell's editor, keeping
    // what was typed, and move on as they do outside it.
    static bool leavesEditor(int key) { return moves().contains(key); }
    void step(int key)
    {
        if (const QModelIndex to = moveCursor(moves().value(key), Qt::NoModifier); to.isValid())
            setCurrentIndex(to);
    }

protected:
    static QHash<int, CursorAction> moves()
    {
        return {{Qt::Key_Return, MoveDown}, {Qt::Key_Enter, MoveDown},
                {Qt::Key_Down, MoveDown},   {Qt::Key_Up, MoveUp},
                {Qt::Key_Tab, MoveNext},    {Qt::Key_Backtab, MovePrevious}};
    }

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        const int rows = results_.rows();
        const QModelIndex at = currentIndex();
        if (rows == 0 || !at.isValid())
            return model_->index(0, ResultsModel::columnOf(0));
        int row = at.row(), cell = std::max(model_->cellAt(at), 0);
        const int page = std::max(viewport()->height() / std::max(rowHeight(row), 1), 1);
        switch (action) {
        case MoveUp:
        case MoveDown:
        case MovePageUp:
        case MovePageDown: {
            const int by = action == MoveUp       ? -1
                           : action == MoveDown   ? 1
                           : action == MovePageUp ? -page
                                                  : page;
            row = std::clamp(row + by, 0, rows - 1);
            break;
        }
        case MoveLeft:
            cell = std::max(cell - 1, 0);
            break;
        case MoveRight:
            cell = cell + 1;
            break;
        case MoveHome:
            cell = 0, row = modifiers & Qt::ControlModifier ? 0 : row;
            break;
        case MoveEnd:
            cell = 3, row = modifiers & Qt::ControlModifier ? rows - 1 : row;
            break;
        case MoveNext:
            if (cell + 1 < results_.cells(row))
                ++cell;
            else if (row + 1 < rows)
                ++row, cell = 0;
            else
                return {}; // out of the table
            break;
        case MovePrevious:
            if (cell > 0)
                --cell;
            else if (row > 0)
                --row, cell = results_.cells(row) - 1;
            else
                return {};
            break;
        }
        return model_->index(row, ResultsModel::columnOf(std::min(cell, results_.cells(row) - 1)));
    }

    // F2 edits what a cell holds from its end; a typed key replaces it.
    bool edit(const QModelIndex& at, EditTrigger trigger, QEvent* event) override
    {
        const bool editing = QTableView::edit(at, trigger, event);
        if (editing && trigger == EditKeyPressed)
            for (QLineEdit* box : viewport()->findChildren<QLineEdit*>())
                box->end(false);
        return editing;
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            return step(Qt::Key_Down);
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier)
            return clearSelected();
        if (event->matches(QKeySequence::Copy))
            return copy();
        if (event->matches(QKeySequence::Paste))
            return paste();
        QTableView::keyPressEvent(event);
    }

private:
    // The selected point cells (the current one when none is selected) by row, then cell.
    std::map<int, std::vector<int>> selected() const
    {
        std::map<int, std::vector<int>> cells;
        QModelIndexList chosen = selectionModel()->selectedIndexes();
        if (chosen.isEmpty() && currentIndex().isValid())
            chosen << currentIndex();
        for (const QModelIndex& at : chosen)
            if (model_->cellAt(at) >= 0)
                cells[at.row()].push_back(model_->cellAt(at));
        for (auto& [row, inRow] : cells)
            std::sort(inRow.begin(), inRow.end());
        return cells;
    }

    void clearSelected()
    {
        bool changed = false;
        const auto cells = selected();
        for (const auto& [row, inRow] : cells)
            for (const int cell : inRow) {
                changed |= results_.points(row, cell) != 0;
                results_.setPoints(row, cell, 0);
            }
        if (changed)
            model_->changedRows(cells.begin()->first, cells.rbegin()->first);
    }

    // Lines of tab-separated cells, as a spreadsheet copies a block.
    void copy() const
    {
        QString text;
        for (const auto& [row, inRow] : selected()) {
            QStringList line;
            for (const int cell : inRow)
                line << QString::number(results_.points(row, cell));
            text += line.join(u'\t') + u'\n';
        }
        if (!text.isEmpty())
            QApplication::clipboard()->setText(text);
    }

    void paste()
    {
        const QModelIndex at =
            currentIndex().isValid() ? currentIndex() : model_->index(0, ResultsModel::columnOf(0));
        if (!at.isValid())
            return;
        const QString text = QApplication::clipboard()->text();
        QString error;
        if (!results_.paste(text, at.row(), model_->cellAt(at), &error))
            return Messages::error(window(), error);
        if (!text.isEmpty())
            model_->changedRows(at.row(), results_.rows() - 1);
    }

    ResultsModel* model_;
    RaceResults& results_;
};

// A point cell's editor: a number box of a whole-number field.
class PointsDelegate : public QStyledItemDelegate {
public:
    explicit PointsDelegate(ResultsView* view) : QStyledItemDelegate(view), view_(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override
    {
        auto* box = new QLineEdit(parent);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        holdsNumber(box, NumberField::Whole);
        return box;
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& at) const override
    {
        model->setData(at, toInteger(readNumber(static_cast<QLineEdit*>(editor)->text())));
    }

protected:
    // Names and totals are drawn in the text's own colour, not greyed as items that are off.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& at) const override
    {
        QStyledItemDelegate::initStyleOption(option, at);
        option->state |= QStyle::State_Enabled;
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (ResultsView::leavesEditor(key)) {
                auto* editor = static_cast<QWidget*>(object);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                view_->step(key);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    ResultsView* view_;
};

} // namespace

RaceResultsWindow::RaceResultsWindow(League& league, QWidget* parent)
    : FixedWindow(parent, "Race_Results", QStringLiteral("Race Results"), 11400, 7200),
      league_(league), model_(new ResultsModel(results_, this))
{
    // Built with layouts, it takes the room it is given.
    setMinimumSize(480, 300);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    // The toolkit's controls, given their place by the layout below.
    raceBox_ = addComboBox(this, "Race", {}, true);
    holdsName(raceBox_->lineEdit());
    auto* raceLabel = addLabel(this, "RaceLabel", QStringLiteral("&Race:"), {}, raceBox_);

    auto* view = new ResultsView(model_, results_, this);
    view->setObjectName(QStringLiteral("Results"));
    view->setAccessibleName(QStringLiteral("Points"));
    view->setItemDelegate(new PointsDelegate(view));
    const int pointsWidth = view->fontMetrics().horizontalAdvance(QStringLiteral("-888888"));
    // Names as wide as the longest; the room left goes to the totals.
    for (int c = 0; c < kColumns; ++c)
        if (c % 2)
            view->horizontalHeader()->resizeSection(c, pointsWidth);
        else if (c != kTotal)
            view->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);

    said_ = new QLabel(this);
    said_->setObjectName(QStringLiteral("Said"));
    storeButton_ = addButton(this, "Store", QStringLiteral("&Store"), {});
    takeOutButton_ = addButton(this, "TakeOut", QStringLiteral("&Take Out of Calendar"), {});
    auto* close = addButton(this, "Close", QStringLiteral("&Close"), {});

    auto* raceRow = new QHBoxLayout;
    raceRow->addWidget(raceLabel);
    raceRow->addWidget(raceBox_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(said_, 1);
    for (QPushButton* b : {storeButton_, takeOutButton_, close})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(raceRow);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);

    connect(raceBox_, &QComboBox::activated, this, &RaceResultsWindow::onRaceNamed);
    connect(raceBox_->lineEdit(), &QLineEdit::editingFinished, this,
            &RaceResultsWindow::onRaceNamed);
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] {
        unstored_ = true;
        said_->clear();
    });
    connect(storeButton_, &QPushButton::clicked, this, &RaceResultsWindow::onStoreClicked);
    connect(takeOutButton_, &QPushButton::clicked, this, &RaceResultsWindow::onTakeOutClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setCancelButton(close);
    setTabOrder({raceBox_, view, storeButton_, takeOutButton_, close});
    setLoaded(readCalendar());
    showCalendar();
    updateButtons();
}

// A window destroyed while shown hides as its base class goes, and its race box then loses the
// keys: by then there is no table left to show a race in.
RaceResultsWindow::~RaceResultsWindow()
{
    raceBox_->lineEdit()->disconnect(this);
}

bool RaceResultsWindow::readCalendar()
{
    QString error;
    return calendarRaces(league_, &calendar_, &error) || (Messages::error(this, error), false);
}

// The calendar's races in the list, the race box naming the race shown.
void RaceResultsWindow::showCalendar()
{
    const QSignalBlocker quiet(raceBox_);
    raceBox_->clear();
    raceBox_->addItems(calendar_);
    raceBox_->setCurrentIndex(int(calendar_.indexOf(results_.race())));
    raceBox_->setEditText(results_.race());
}

void RaceResultsWindow::onRaceNamed()
{
    const QString race = raceNamed(calendar_, raceBox_->currentText());
    if (naming_ || race == results_.race())
        return;
    naming_ = true;
    Messages::Answer answer = Messages::Answer::Discard;
    if (unstored_)
        answer = Messages::askToStore(
            this, QStringLiteral("Store the points typed for \u201c%1\u201d before the table "
                                 "shows \u201c%2\u201d?")
                      .arg(results_.race(), race));
    if (answer == Messages::Answer::GoBack || (answer == Messages::Answer::Store && !store()))
        showCalendar(); // back to the race whose points were typed
    else
        showRace(race);
    naming_ = false;
}

void RaceResultsWindow::showRace(const QString& race)
{
    QString error;
    bool read = true;
    model_->reset([&] {
        if (race.isEmpty())
            results_ = RaceResults();
        else
            read = results_.load(league_, race, &error);
    });
    unstored_ = false;
    said_->clear();
    updateButtons();
    if (read)
        showCalendar(); // the race as the calendar names it
    else
        Messages::error(this, error); // named again, the race is read again
}

void RaceResultsWindow::updateButtons()
{
    takeOutButton_->setEnabled(calendar_.contains(results_.race()));
}

// The race's two files, the calendar with a new race at its end, and the season's totals are
// written as one change, or none of them.
bool RaceResultsWindow::store()
{
    const QString race = results_.race();
    if (race.isEmpty()) {
        Messages::error(this, QStringLiteral("Type the race's name, or pick a race from the "
                                             "list, first."));
        raceBox_->setFocus();
        return false;
    }
    std::vector<League::Replacement> with = results_.files();
    const bool listed = calendar_.contains(race);
    if (!listed) {
        QByteArray calendar;
        QString error;
        if (!league_.readBytes(LeagueFile::Calendar, &calendar, &error)) {
            Messages::error(this, error);
            return false;
        }
        with.push_back({LeagueFile::Calendar, withRace(calendar, race)});
    }
    if (!recalculate(league_, this, std::move(with)))
        return false;
    if (!listed)
        calendar_ << race;
    unstored_ = false;
    showCalendar();
    updateButtons();
    said_->setText(QStringLiteral("\u201c%1\u201d is stored and counted.").arg(race));
    return true;
}

void RaceResultsWindow::onStoreClicked()
{
    onRaceNamed(); // a race typed and not yet left counts
    if (raceNamed(calendar_, raceBox_->currentText()) == results_.race())
        store();
}

// The race's files stay in the folder: named again, the race brings its points back.
void RaceResultsWindow::onTakeOutClicked()
{
    onRaceNamed();
    const QString race = results_.race();
    // Transfers keep counting from their races, in the same change.
    std::vector<League::Replacement> with;
    int moved = 0;
    QString error;
    if (!calendar_.contains(race))
        return;
    if (!decisionsWithoutRace(league_, calendar_, race, &with, &moved, &error))
        return Messages::error(this, error);
    if (Messages::ask(this,
                      QStringLiteral("Take \u201c%1\u201d out of the calendar? Its points stop "
                                     "counting; its race files stay in the league's folder, so "
                                     "the race named again brings them back.")
                              .arg(race)
                          + (moved == 0 ? QString()
                                        : tr(" Transfers that count from it (%1) will count "
                                             "from the race after it.")
                                              .arg(moved)),
                      QStringLiteral("&Take It Out"), QStringLiteral("&Keep It"))
        != Messages::Answer::Store)
        return;
    QByteArray calendar;
    if (!league_.readBytes(LeagueFile::Calendar, &calendar, &error)) {
        Messages::error(this, error);
        return;
    }
    with.push_back({LeagueFile::Calendar, withoutRace(calendar, race)});
    if (!recalculate(league_, this, std::move(with)))
        return;
    calendar_.removeAll(race);
    showCalendar();
    updateButtons();
    said_->setText(QStringLiteral("\u201c%1\u201d is out of the calendar.").arg(race));
}

void RaceResultsWindow::closeEvent(QCloseEvent* event)
{
    if (unstored_) {
        const Messages::Answer answer = Messages::askToStore(
            this, QStringLiteral("Store the points typed for \u201c%1\u201d before the window "
                                 "closes?")
                      .arg(results_.race()));
        if (answer == Messages::Answer::GoBack || (answer == Messages::Answer::Store && !store())) {
            event->ignore();
            return;
        }
    }
    naming_ = true; // the race box losing the keys as the window goes names nothing
    FixedWindow::closeEvent(event);
}

} // namespace velmora
