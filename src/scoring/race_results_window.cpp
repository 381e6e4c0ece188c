#include "scoring/race_results_window.h"

#include "scoring/championship.h"
#include "scoring/order_box.h"
#include "scoring/race_results_model.h"
#include "scoring/scoring_window.h"
#include "toolkit/dialogs.h"

#include <QAction>
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
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

// The table's keys, as a spreadsheet's: arrows, Tab and Shift+Tab go from point cell to point
// cell (past the end of a row, Tab goes on to the next row; past the last cell, out of the
// table), Enter down, typing replaces a cell, F2 edits it. Up and Down keep the point cell they
// set out from across the test drivers' rows, which have only one. Copy, Paste, Delete and
// Select All are the window's actions.
class ResultsView : public QTableView {
public:
    ResultsView(RaceResultsModel* model, QWidget* parent) : QTableView(parent), model_(model)
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
        const RaceResults& table = model_->table();
        const int rows = table.rows();
        const QModelIndex at = currentIndex();
        if (rows == 0 || !at.isValid())
            return model_->indexOf(0, 0);
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
            if (upDown_.at == at) // still on the cell the last Up or Down led to
                cell = upDown_.cell;
            row = std::clamp(row + by, 0, rows - 1);
            const QModelIndex to = model_->indexOf(row, std::min(cell, table.cells(row) - 1));
            upDown_ = {to, cell};
            return to;
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
            if (cell + 1 < table.cells(row))
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
                --row, cell = table.cells(row) - 1;
            else
                return {};
            break;
        }
        return model_->indexOf(row, std::min(cell, table.cells(row) - 1));
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            return step(Qt::Key_Down);
        QTableView::keyPressEvent(event);
    }

private:
    RaceResultsModel* model_;
    // Where the last Up or Down led, and the point cell the run of them set out from.
    struct {
        QPersistentModelIndex at;
        int cell = 0;
    } upDown_;
};

// A point cell's editor: a box whose text the model takes by the paste's rule as it closes. A
// typed key opens it empty (the key replaces what the cell held); F2 or a double click with the
// cell's points and the cursor after them.
class PointsDelegate : public QStyledItemDelegate {
public:
    explicit PointsDelegate(ResultsView* view) : QStyledItemDelegate(view), view_(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override
    {
        auto* box = new QLineEdit(parent);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& at) const override
    {
        static_cast<QLineEdit*>(editor)->setText(typedOver_ ? QString()
                                                            : at.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& at) const override
    {
        const QString typed = static_cast<QLineEdit*>(editor)->text().trimmed();
        if (model->setData(at, typed))
            return;
        const QString tip = RaceResultsWindow::tr("\u201c%1\u201d is not a whole number from "
                                                  "-32768 to 32767: the cell keeps its %2 points.")
                                .arg(typed, at.data().toString());
        // Told once the editor has gone and the keys are back in the table (a change of focus
        // hides a tip).
        QMetaObject::invokeMethod(
            view_,
            [view = view_, at = QPersistentModelIndex(at), tip] {
                QToolTip::showText(view->viewport()->mapToGlobal(view->visualRect(at).bottomLeft()),
                                   tip, view->viewport());
            },
            Qt::QueuedConnection);
    }

    // The event that may open an editor: a typed key replaces the cell's text.
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& at) override
    {
        const auto* key = event && event->type() == QEvent::KeyPress
                              ? static_cast<const QKeyEvent*>(event)
                              : nullptr;
        typedOver_ = key && !key->text().isEmpty() && key->text().front().isPrint();
        return QStyledItemDelegate::editorEvent(event, model, option, at);
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
        auto* editor = static_cast<QLineEdit*>(object);
        // The view selects an editor's whole text as it opens it, and then gives it the keys.
        if (event->type() == QEvent::FocusIn
            && static_cast<QFocusEvent*>(event)->reason() == Qt::OtherFocusReason)
            editor->deselect();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (ResultsView::leavesEditor(key)) {
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
    bool typedOver_ = false;
};

} // namespace

RaceResultsWindow::RaceResultsWindow(League& league, QWidget* parent)
    : FixedWindow(parent, "Race_Results", tr("Race Results"), 11400, 7200), league_(league),
      model_(new RaceResultsModel(this))
{
    // Built with layouts, it takes the room it is given.
    setResizable({480, 300});

    // The toolkit's controls, given their place by the layout below.
    raceBox_ = addComboBox(this, "Race", {}, true);
    holdsName(raceBox_->lineEdit());
    auto* raceLabel = addLabel(this, "RaceLabel", tr("&Race:"), {}, raceBox_);

    auto* view = new ResultsView(model_, this);
    view_ = view;
    view->setObjectName(QStringLiteral("Results"));
    view->setAccessibleName(tr("Points"));
    view->setItemDelegate(new PointsDelegate(view));
    const int pointsWidth = view->fontMetrics().horizontalAdvance(QStringLiteral("-888888"));
    // Names as wide as the longest; the room left goes to the totals.
    for (int c = 0; c < RaceResultsModel::Columns; ++c)
        if (c % 2)
            view->horizontalHeader()->resizeSection(c, pointsWidth);
        else if (c != RaceResultsModel::TotalColumn)
            view->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);

    // The table's commands, in its context menu and the Edit menu; their keys work in the table.
    const auto action = [this, view](const char* name, const QString& caption,
                                     QKeySequence::StandardKey key) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view->addAction(a);
        return a;
    };
    copy_ = action("Copy", tr("&Copy"), QKeySequence::Copy);
    paste_ = action("Paste", tr("&Paste"), QKeySequence::Paste);
    delete_ = action("Delete", tr("&Delete (Set to 0)"), QKeySequence::Delete);
    auto* apart = new QAction(this);
    apart->setSeparator(true);
    view->addAction(apart);
    selectAll_ = action("SelectAll", tr("Select &All"), QKeySequence::SelectAll);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("Menus"));
    QMenu* edit = menus->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    edit->addActions(view->actions());

    said_ = new QLabel(this);
    said_->setObjectName(QStringLiteral("Said"));
    fromOrderButton_ = addButton(this, "FromOrder", tr("From &Finishing Order..."), {});
    storeButton_ = addButton(this, "Store", tr("&Store"), {});
    takeOutButton_ = addButton(this, "TakeOut", tr("&Take Out of Calendar"), {});
    auto* close = addButton(this, "Close", tr("&Close"), {});

    auto* raceRow = new QHBoxLayout;
    raceRow->addWidget(raceLabel);
    raceRow->addWidget(raceBox_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(said_, 1);
    for (QPushButton* b : {fromOrderButton_, storeButton_, takeOutButton_, close})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(raceRow);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);

    // A race is named by a clear act: picked from the list, Enter, or leaving the box after
    // typing in it.
    connect(raceBox_, &QComboBox::activated, this, &RaceResultsWindow::nameRace);
    connect(raceBox_->lineEdit(), &QLineEdit::returnPressed, this, &RaceResultsWindow::nameRace);
    raceBox_->installEventFilter(this); // the list has the keys for its box
    connect(model_, &QAbstractItemModel::dataChanged, said_, &QLabel::clear);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RaceResultsWindow::updateActions);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &RaceResultsWindow::updateActions);
    connect(model_, &QAbstractItemModel::modelReset, this, &RaceResultsWindow::updateActions);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &RaceResultsWindow::updateActions);
    connect(copy_, &QAction::triggered, this, &RaceResultsWindow::onCopy);
    connect(paste_, &QAction::triggered, this, &RaceResultsWindow::onPaste);
    connect(delete_, &QAction::triggered, this, &RaceResultsWindow::onDelete);
    connect(selectAll_, &QAction::triggered, view, &QTableView::selectAll);
    connect(fromOrderButton_, &QPushButton::clicked, this, &RaceResultsWindow::onFromOrderClicked);
    connect(storeButton_, &QPushButton::clicked, this, &RaceResultsWindow::onStoreClicked);
    connect(takeOutButton_, &QPushButton::clicked, this, &RaceResultsWindow::onTakeOutClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setCancelButton(close);
    setTabOrder({raceBox_, view, fromOrderButton_, storeButton_, takeOutButton_, close});
    setLoaded(readCalendar());
    showCalendar();
    updateButtons();
    updateActions();
}

bool RaceResultsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Only the organiser moving on in this window: a question, another window or the window
    // closing takes the keys away from the box too.
    if (event->type() == QEvent::FocusOut && raceBox_->lineEdit()->isModified())
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            nameRace();
            break;
        default:
            break;
        }
    return FixedWindow::eventFilter(watched, event);
}

bool RaceResultsWindow::readCalendar()
{
    QString error;
    return calendarRaces(league_, &calendar_, &error) || (Messages::error(this, error), false);
}

// The calendar's races in the list, the race box naming the race shown.
void RaceResultsWindow::showCalendar()
{
    const QString race = model_->table().race();
    raceBox_->clear();
    raceBox_->addItems(calendar_);
    raceBox_->setCurrentIndex(int(calendar_.indexOf(race)));
    raceBox_->setEditText(race);
}

bool RaceResultsWindow::nameRace()
{
    const QString shown = model_->table().race(),
                  race = raceNamed(calendar_, raceBox_->currentText());
    if (race == shown)
        return true;
    Messages::Answer answer = Messages::Answer::Discard;
    if (unstored())
        answer = Messages::askToStore(
            this, tr("Store the points typed for \u201c%1\u201d before the table "
                     "shows \u201c%2\u201d?")
                      .arg(shown, race));
    if (answer == Messages::Answer::GoBack || (answer == Messages::Answer::Store && !store())) {
        showCalendar(); // back to the race whose points were typed
        return false;
    }
    showRace(race);
    return true;
}

void RaceResultsWindow::showRace(const QString& race)
{
    QString error;
    const bool read = model_->load(league_, race, &error);
    applied_.reset(), orderText_.clear(), fastestPicked_ = -1, answers_.clear();
    said_->clear();
    updateButtons();
    if (read)
        showCalendar(); // the race as the calendar names it
    else
        Messages::error(this, error); // named again, the race is read again
}

void RaceResultsWindow::updateButtons()
{
    takeOutButton_->setEnabled(calendar_.contains(model_->table().race()));
}

bool RaceResultsWindow::raceShown()
{
    if (!model_->table().race().isEmpty())
        return true;
    Messages::error(this, tr("Type the race's name, or pick a race from the "
                             "list, first."));
    raceBox_->setFocus();
    return false;
}

bool RaceResultsWindow::unstored() const
{
    return model_->changed() || applied_;
}

// Copy and Delete where point cells are chosen, Paste at a point cell with text to paste.
void RaceResultsWindow::updateActions()
{
    QModelIndexList chosen = view_->selectionModel()->selectedIndexes();
    chosen << view_->currentIndex();
    const bool cells = std::any_of(chosen.begin(), chosen.end(), [this](const QModelIndex& at) {
        return model_->cellAt(at) >= 0;
    });
    copy_->setEnabled(cells);
    delete_->setEnabled(cells);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    paste_->setEnabled(model_->cellAt(view_->currentIndex()) >= 0 && copied && copied->hasText());
    selectAll_->setEnabled(model_->rowCount() > 0);
}

// The selected cells, or the current one when none is selected.
static QModelIndexList chosenCells(const QTableView* view)
{
    QModelIndexList chosen = view->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? QModelIndexList{view->currentIndex()} : chosen;
}

void RaceResultsWindow::onCopy()
{
    if (const QString text = model_->text(chosenCells(view_)); !text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void RaceResultsWindow::onPaste()
{
    QItemSelection covered;
    QString error;
    if (!model_->paste(QApplication::clipboard()->text(), view_->currentIndex(), &covered, &error))
        return Messages::error(this, error);
    if (!covered.isEmpty())
        view_->selectionModel()->select(covered, QItemSelectionModel::ClearAndSelect);
}

void RaceResultsWindow::onDelete()
{
    model_->clear(chosenCells(view_));
}

// The race's two files (with an order applied, its order and the names learnt), the calendar
// with a new race at its end, and the season's totals are written as one change, or none of them; a
// file that holds what it is to hold already is left alone, so a calendar race shown as its files
// hold it (and counted) writes nothing.
bool RaceResultsWindow::store()
{
    const QString race = model_->table().race();
    if (!raceShown())
        return false;
    std::vector<League::Replacement> with;
    QString error;
    if (!raceStore(league_, model_->table(), applied_ ? &*applied_ : nullptr, &with, &error)) {
        Messages::error(this, error);
        return false;
    }
    const bool listed = calendar_.contains(race);
    bool changed = false; // the League tells of every change it makes, and of none
    const auto told = connect(&league_, &League::changed, this, [&changed] { changed = true; });
    const bool stored = recalculate(league_, this, std::move(with));
    disconnect(told);
    if (!stored)
        return false;
    if (!listed)
        calendar_ << race;
    model_->markStored();
    applied_.reset();
    showCalendar();
    updateButtons();
    said_->setText(changed ? tr("\u201c%1\u201d is stored and counted.").arg(race)
                           : tr("Nothing changed: the files of \u201c%1\u201d hold these points "
                                "already.")
                                 .arg(race));
    return true;
}

void RaceResultsWindow::onStoreClicked()
{
    if (nameRace()) // a race typed and not yet taken is the one stored
        store();
}

// The race's files stay in the folder: named again, the race brings its points back.
void RaceResultsWindow::onTakeOutClicked()
{
    if (!nameRace())
        return;
    const QString race = model_->table().race();
    // Transfers keep counting from their races, in the same change.
    std::vector<League::Replacement> with;
    int moved = 0;
    QString error;
    if (!calendar_.contains(race))
        return;
    if (!decisionsWithoutRace(league_, calendar_, race, &with, &moved, &error))
        return Messages::error(this, error);
    if (!Messages::confirm(this,
                           tr("Take \u201c%1\u201d out of the calendar? Its points stop "
                              "counting; its race files stay in the league's folder, "
                              "so the race named again brings them back.")
                                   .arg(race)
                               + (moved == 0
                                      ? QString()
                                      : tr(" Transfers, penalties and bonuses that count from it "
                                           "or in it (%1) will count from or in the race after it.")
                                            .arg(moved)),
                           tr("&Take It Out"), tr("&Keep It")))
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
    said_->setText(tr("\u201c%1\u201d is out of the calendar.").arg(race));
}

void RaceResultsWindow::closeEvent(QCloseEvent* event)
{
    if (unstored()) {
        const Messages::Answer answer = Messages::askToStore(
            this, tr("Store the points typed for \u201c%1\u201d before the window "
                     "closes?")
                      .arg(model_->table().race()));
        if (answer == Messages::Answer::GoBack || (answer == Messages::Answer::Store && !store())) {
            event->ignore();
            return;
        }
    }
    FixedWindow::closeEvent(event);
}

// The order box on the race shown: the order applied and not stored yet, else the one stored
// with the race. Applied, the order's points go into the table through its model, as one
// change, and the window says which cells changed (now selected) and which of them had been
// typed by hand.
void RaceResultsWindow::onFromOrderClicked()
{
    if (!nameRace() || !raceShown())
        return;
    const RaceResults& table = model_->table();
    const std::optional<PointsRules>& rules = league_.settings().points;
    if (!rules)
        return Messages::error(this, tr("The league has no points rules, so it scores no race from "
                                        "its finishing order. Give them in File > League "
                                        "Settings..., or type or paste the race's points."));
    LearntNames learnt;
    QString error, problem, orderProblem;
    if (!readLearntNames(league_, &learnt, &error, &problem))
        return Messages::error(this, error);
    if (!applied_) {
        StoredOrder stored;
        if (StoredOrder::read(league_, table.race(), &stored, &orderProblem)) {
            orderText_ = stored.text;
            fastestPicked_ = int(orderDrivers(table.teams()).indexOf(stored.fastest));
        }
    }
    OrderBox box(table.race(), *rules, table.teams(), learnt, orderText_, fastestPicked_, answers_,
                 QStringList({orderProblem, problem}).join(u'\n').trimmed(), this);
    if (box.exec() != QDialog::Accepted)
        return;
    applied_ = box.scored();
    orderText_ = box.text();
    fastestPicked_ = box.fastestPicked();
    answers_ = box.answers();
    const RaceResultsModel::Change change =
        model_->setPoints(applied_->points, RaceResultsModel::By::Program);
    QItemSelection cells;
    for (const CellPoints& c : change.changed)
        cells.select(model_->indexOf(c.row, c.cell), model_->indexOf(c.row, c.cell));
    view_->selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
    QStringList byHand;
    for (const CellPoints& c : change.overHand)
        byHand << tr("\u201c%1\u201d of %2")
                      .arg(model_->table().name(c.row, c.cell), model_->table().name(c.row, 0));
    said_->setText(change.changed.empty()
                       ? tr("The finishing order changes no points: the table holds them already.")
                       : (change.changed.size() == 1
                              ? tr("The finishing order changed one cell, now selected.")
                              : tr("The finishing order changed %1 cells, now selected.")
                                    .arg(change.changed.size()))
                             + (byHand.isEmpty()
                                    ? QString()
                                    : u' '
                                          + tr("Typed by hand before: %1.")
                                                .arg(byHand.join(QStringLiteral(", ")))));
}

} // namespace velmora
