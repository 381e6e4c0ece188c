#include "databases/entry_import_window.h"

#include "data/csv.h"
#include "data/io.h"
#include "data/text.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace velmora {

using Row = SheetLeague::Row;

// The preview's rows, one a row of the sheet: its line, owner, five picks, total, points after
// the calculation and what Store does with it, then the sheet's cells not taken in (greyed). A
// pick not found shows as typed, in warning colours; the entry editor's budget and same-driver
// marks are its colours and tips.
class SheetPreviewModel : public QAbstractTableModel {
public:
    enum { Line, Owner, Picks, Total = Picks + 5, Points, Does, Columns };
    using QAbstractTableModel::QAbstractTableModel;

    void show(std::vector<Row> rows, QStringList others)
    {
        beginResetModel();
        rows_ = std::move(rows);
        others_ = std::move(others);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : Columns + int(others_.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (section >= Columns)
            return others_.value(section - Columns);
        static const char* const names[] = {
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Line"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Owner"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Team"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Engine"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Driver 1"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Driver 2"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Test Driver"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Total"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Points"),
            QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "Store")};
        return EntryImportWindow::tr(names[section]);
    }
    QVariant data(const QModelIndex& at, int role) const override
    {
        const Row& row = rows_[std::size_t(at.row())];
        const int c = at.column(), pick = c - Picks;
        const bool picked = pick >= 0 && pick < 5;
        const bool stored = row.does == Row::Does::New || row.does == Row::Does::Changes
                            || row.does == Row::Does::Unchanged;
        const QString why = marked(row, c);
        switch (role) {
        case Qt::DisplayRole:
            if (c == Line)
                return row.line;
            if (c == Owner)
                return row.owner;
            if (picked)
                return row.picks[std::size_t(pick)];
            if (c == Total)
                return row.total;
            if (c == Points)
                return row.points ? QVariant(*row.points) : QVariant();
            if (c == Does)
                return row.what;
            return row.others.value(c - Columns);
        case Qt::ToolTipRole:
            return c == Does ? row.what : why;
        case Qt::ForegroundRole:
            if (!why.isEmpty() || (picked && !row.found[std::size_t(pick)]))
                return QColor(0xa0, 0, 0);
            if (c >= Columns || (!stored && row.does != Row::Does::Waits))
                return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
            return {};
        case Qt::BackgroundRole:
            if (!why.isEmpty() || (picked && !row.found[std::size_t(pick)]))
                return QColor(0xff, 0xe4, 0xe1);
            return {};
        case Qt::TextAlignmentRole:
            return c == Line || c == Total || c == Points
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant();
        default:
            return {};
        }
    }
    const Row& row(int r) const { return rows_[std::size_t(r)]; }

private:
    // The entry editor's marks, where it shows them: the total above the league's budget, a race
    // driver picked twice.
    QString marked(const Row& row, int c) const
    {
        if (c == Total)
            return row.marks.total;
        if (c == Picks + 2 || c == Picks + 3)
            return row.marks.drivers;
        return {};
    }

    std::vector<Row> rows_;
    QStringList others_;
};

namespace {

constexpr int kUnanswered = -2;
const char* const kLists[] = {QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "team"),
                              QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "engine maker"),
                              QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "driver"),
                              QT_TRANSLATE_NOOP("velmora::EntryImportWindow", "test driver")};

} // namespace

EntryImportWindow::EntryImportWindow(League& league, QWidget* parent)
    : FixedWindow(parent, "Import_Entries", tr("Import Entries"), 12600, 8400), league_(league),
      model_(new SheetPreviewModel(this))
{
    // Built with layouts, it takes the room it is given.
    setResizable({560, 400});

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Sheet"));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setTabStopDistance(text_->fontMetrics().horizontalAdvance(u'x') * 12);
    auto* textLabel = new QLabel(tr("A row an owner, pasted from a spreadsheet or read from a "
                                    "file: the owner, team, engine, driver 1, driver 2 and test "
                                    "driver, or any columns under a header that names those "
                                    "six. &Rows:"),
                                 this);
    textLabel->setObjectName(QStringLiteral("SheetLabel"));
    textLabel->setWordWrap(true);
    textLabel->setBuddy(text_);
    auto* open = addButton(this, "Open_File", tr("Open &File..."), {});

    changes_ = new QComboBox(this);
    changes_->setObjectName(QStringLiteral("Changes"));
    changesLabel_ = addLabel(this, "ChangesLabel", tr("Changed picks &are:"), {}, changes_);

    questions_ = new QWidget;
    questions_->setObjectName(QStringLiteral("Questions"));
    questionRows_ = new QGridLayout(questions_);
    questionRows_->setContentsMargins(0, 0, 0, 0);
    questionRows_->setColumnStretch(1, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(questions_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    questionArea_ = scroll;

    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("Preview"));
    view_->setAccessibleName(tr("Preview"));
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setResizeContentsPrecision(1000);
    // The preview's commands, in its context menu and the Edit menu; their keys work in it.
    const auto action = [this](const char* name, const QString& caption,
                               QKeySequence::StandardKey key) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view_->addAction(a);
        return a;
    };
    QAction* copy = action("Copy", tr("&Copy"), QKeySequence::Copy);
    QAction* selectAll = action("SelectAll", tr("Select &All"), QKeySequence::SelectAll);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("Menus"));
    QMenu* edit = menus->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    edit->addActions(view_->actions());

    report_ = new QLabel(this);
    report_->setObjectName(QStringLiteral("Report"));
    report_->setWordWrap(true);
    report_->setTextFormat(Qt::PlainText);
    report_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    storeButton_ = addButton(this, "Store", tr("&Store"), {});
    auto* close = addButton(this, "Close", tr("&Close"), {});

    auto* top = new QHBoxLayout;
    top->addWidget(textLabel, 1);
    top->addWidget(open, 0, Qt::AlignBottom);
    auto* changesRow = new QHBoxLayout;
    changesRow->addWidget(changesLabel_);
    changesRow->addWidget(changes_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(report_, 1);
    bottom->addWidget(storeButton_, 0, Qt::AlignBottom);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(top);
    layout->addWidget(text_, 1);
    layout->addLayout(changesRow);
    layout->addWidget(scroll);
    layout->addWidget(view_, 2);
    layout->addLayout(bottom);

    connect(text_, &QPlainTextEdit::textChanged, this, &EntryImportWindow::reread);
    connect(changes_, &QComboBox::activated, this, &EntryImportWindow::rescore);
    connect(open, &QPushButton::clicked, this, &EntryImportWindow::onOpenFileClicked);
    connect(storeButton_, &QPushButton::clicked, this, &EntryImportWindow::onStoreClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(copy, &QAction::triggered, this, &EntryImportWindow::onCopy);
    connect(selectAll, &QAction::triggered, view_, &QTableView::selectAll);
    setCancelButton(close);
    setTabOrder({text_, open, changes_, view_, storeButton_, close});

    QString error;
    setLoaded(sheetLeague_.read(league, &error) || (Messages::error(this, error), false));
    changes_->addItem(tr("(choose)"), int(SheetLeague::Changes::Unsaid));
    changes_->addItem(tr("transfers, from the next race (race %1) on").arg(sheetLeague_.nextRace()),
                      int(SheetLeague::Changes::Transfers));
    changes_->addItem(tr("corrections of mistakes"), int(SheetLeague::Changes::Corrections));
    reread();
}

void EntryImportWindow::reread()
{
    sheet_ = EntrySheet::read(text_->toPlainText());
    rescore();
}

void EntryImportWindow::rescore()
{
    preview_ = sheetLeague_.preview(sheet_, answers_,
                                    SheetLeague::Changes(changes_->currentData().toInt()));
    QStringList others;
    for (const int c : sheet_.others())
        others << sheet_.header[c];
    model_->show(preview_.rows, others);
    // As wide as their texts (the header measures the first thousand rows at most).
    view_->resizeColumnsToContents();
    changes_->setVisible(preview_.asksChanges);
    changesLabel_->setVisible(preview_.asksChanges);
    QStringList asked;
    for (const SheetLeague::Question& q : preview_.questions)
        asked << q.key;
    if (asked != asked_)
        showQuestions();
    asked_ = asked;

    QStringList said = preview_.refused;
    const auto count = [this](std::initializer_list<Row::Does> does) {
        return std::count_if(preview_.rows.begin(), preview_.rows.end(), [&](const Row& r) {
            return std::find(does.begin(), does.end(), r.does) != does.end();
        });
    };
    if (!preview_.questions.empty())
        said << tr("Answer for each name above which of the league's it is, or leave its rows "
                   "out.");
    else if (preview_.refused.isEmpty() && !preview_.complete())
        said << tr("Say whether the changed picks are transfers or corrections.");
    if (preview_.complete()) {
        said << tr("Store takes in %1 new entries and changes %2; %3 stay as they are and %4 "
                   "rows are not stored. The championship is then calculated again and the "
                   "league put in points order.")
                    .arg(count({Row::Does::New}))
                    .arg(count({Row::Does::Changes}))
                    .arg(count({Row::Does::Unchanged}))
                    .arg(count({Row::Does::Ambiguous, Row::Does::Refused, Row::Does::LeftOut}));
        if (!league_.writable())
            said << tr("The league is read-only: nothing is stored.");
    }
    report_->setText(said.join(u'\n'));
    storeButton_->setEnabled(preview_.complete() && league_.writable());
}

// Every name the sheet leaves to the organiser, a list of the league's items each: the items it
// is (or the closest to it) first, then all of them; an answer is kept for the whole import.
void EntryImportWindow::showQuestions()
{
    while (QLayoutItem* item = questionRows_->takeAt(0)) {
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    int row = 0;
    for (const SheetLeague::Question& q : preview_.questions) {
        const QString list = tr(kLists[q.list]);
        const QString where = q.where.join(QStringLiteral("; "));
        auto* label = new QLabel(
            q.typed.isEmpty() ? tr("%1: no %2 is named:").arg(where, list)
            : q.several
                ? tr("\u201c%1\u201d (%2) is more than one %3:").arg(q.typed, where, list)
                : tr("\u201c%1\u201d (%2) is no %3 of the league:").arg(q.typed, where, list),
            questions_);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setObjectName(QStringLiteral("Question%1").arg(row + 1));
        auto* answer = new QComboBox(questions_);
        answer->setObjectName(QStringLiteral("Answer%1").arg(row + 1));
        answer->setAccessibleName(label->text());
        answer->addItem(tr("(choose)"), kUnanswered);
        answer->addItem(q.where.size() > 1 ? tr("leave these rows out") : tr("leave the row out"),
                        SheetLeague::LeaveOut);
        answer->insertSeparator(answer->count());
        for (const int item : q.offered)
            answer->addItem(sheetLeague_.label(q.list, item), item);
        answer->insertSeparator(answer->count());
        for (int item = 0; item < sheetLeague_.count(q.list); ++item)
            answer->addItem(sheetLeague_.label(q.list, item), item);
        answer->setCurrentIndex(std::max(answer->findData(answers_.value(q.key, kUnanswered)), 0));
        connect(answer, &QComboBox::activated, this, [this, answer, key = q.key] {
            if (const int a = answer->currentData().toInt(); a == kUnanswered)
                answers_.remove(key);
            else
                answers_[key] = a;
            rescore();
        });
        questionRows_->addWidget(label, row, 0);
        questionRows_->addWidget(answer, row, 1);
        ++row;
    }
    // As high as its questions, up to six of them; more scroll.
    questionArea_->setMaximumHeight(
        std::min(questions_->sizeHint().height(), 6 * (fontMetrics().lineSpacing() + 12)));
    questionArea_->setVisible(row > 0);
}

// A file in place of what the box holds; a file that cannot be read leaves the box as it was.
void EntryImportWindow::onOpenFileClicked()
{
    const QString path = OpenFileDialog::getOpenFileName(this, tr("Open a Sheet of Entries"),
                                                         tr("Sheets|*.csv *.tsv *.txt"));
    if (path.isEmpty())
        return;
    // Far more than the largest league's sheet: a file this large is no sheet of entries.
    constexpr qint64 most = 64 << 20;
    QByteArray bytes;
    QString error, text;
    if (QFileInfo(path).size() > most)
        return Messages::error(this, tr("\u201c%1\u201d is not taken in: at %2 MB it is far "
                                        "larger than a sheet of entries.")
                                         .arg(path)
                                         .arg(QFileInfo(path).size() >> 20));
    if (!io::readWholeFile(path, &bytes, &error))
        return Messages::error(this, error);
    if (!sheetText(bytes, &text, &error))
        return Messages::error(this, tr("\u201c%1\u201d is not taken in: %2.").arg(path, error));
    text_->setPlainText(text);
}

bool EntryImportWindow::storesSomething() const
{
    return std::any_of(preview_.rows.begin(), preview_.rows.end(), [](const Row& r) {
        return r.does == Row::Does::New || r.does == Row::Does::Changes;
    });
}

bool EntryImportWindow::store()
{
    if (!preview_.complete()) {
        Messages::error(this, report_->text());
        return false;
    }
    QString error;
    bool stored;
    {
        const BusyCursor busy;
        stored = league_.replace(preview_.files, &error);
    }
    if (!stored) {
        Messages::error(this, error);
        return false;
    }
    closeStored();
    return true;
}

void EntryImportWindow::onStoreClicked()
{
    store();
}

void EntryImportWindow::closeEvent(QCloseEvent* event)
{
    // A sheet that cannot be stored yet is asked about too: closing drops what was pasted.
    const bool pasted = !text_->toPlainText().trimmed().isEmpty();
    if (pasted && league_.writable() && (!preview_.complete() || storesSomething())) {
        switch (Messages::askToStore(this,
                                     tr("Store the entries of the sheet before the window closes?"),
                                     preview_.complete())) {
        case Messages::Answer::GoBack:
            return event->ignore();
        case Messages::Answer::Store:
            return event->setAccepted(store()); // closed by the store, or kept open
        case Messages::Answer::Discard:
            break;
        }
    }
    FixedWindow::closeEvent(event);
}

// The chosen cells as a spreadsheet takes them: a row a line, cells apart by tabs.
void EntryImportWindow::onCopy()
{
    QModelIndexList chosen = view_->selectionModel()->selectedIndexes();
    if (chosen.isEmpty())
        return;
    std::sort(chosen.begin(), chosen.end());
    QString text = chosen[0].data().toString();
    for (qsizetype i = 1; i < chosen.size(); ++i)
        text +=
            (chosen[i].row() != chosen[i - 1].row() ? u'\n' : u'\t') + chosen[i].data().toString();
    QApplication::clipboard()->setText(text + u'\n');
}

} // namespace velmora
