#include "viewer/entries_viewer.h"

#include "toolkit/flex_grid.h"
#include "toolkit/twips.h"
#include "viewer/lookups.h"

#include <QPushButton>
#include <QStyle>

namespace velmora {

namespace {

const char* const kFormat = QT_TRANSLATE_NOOP(
    "velmora::EntriesViewer",
    "^             |^Owner           |^Team              |^Engine                "
    "|^Driver 1                |^Driver 2                 |^Test Driver         ");

} // namespace

EntriesViewer::EntriesViewer(QWidget* parent)
    : FixedWindow(parent, "Team_Viewer", tr("Team Entries"), 8505, 4560)
{
    grid_ = new FlexGrid(this);
    grid_->setObjectName(QStringLiteral("Spread"));
    grid_->setAccessibleName(tr("Entries"));
    place(grid_, -15, -30, 8535, 4245);
    grid_->setCols(LookupLists::Columns);
    grid_->setRows(LookupLists::rowCount(0));
    grid_->setFixed(1, 1);
    grid_->setFormatString(tr(kFormat));
    // The headings' widths are meant to fill the grid: the owner and name columns share
    // whatever width it has beside the position column, however wide the window.
    grid_->setFillColumns(1, LookupLists::Columns - 1);
    // Esc presses Close, as does Enter when it has the focus; Enter on the grid does not.
    close_ = addButton(this, "Close", tr("&Close"), {0, 4215, 8505, 345});
    setCancelButton(close_);
    connect(close_, &QPushButton::clicked, this, &EntriesViewer::onCloseClicked);
    setTabOrder({grid_, close_});
    // It opens at its first size and may be made larger, up to the whole screen.
    setResizable(size());
}

void EntriesViewer::resizeEvent(QResizeEvent* event)
{
    FixedWindow::resizeEvent(event);
    const QSize extra = size() - twipsSize(8505, 4560);
    grid_->resize(twipsSize(8535, 4245) + extra);
    close_->setGeometry(0, height() - close_->height(), width(), close_->height());
}

void EntriesViewer::fill(const LookupLists& lists, const std::vector<EntryRecord>& entries)
{
    const HeldRedraw held(grid_);
    // Exactly the rows the entries need: rows left from a longer file would still show
    // entries that are gone.
    grid_->setRows(LookupLists::rowCount(qsizetype(entries.size())));
    int row = 1;
    for (const EntryRecord& e : entries) {
        const auto names = lists.namesRow(e), scores = lists.scoresRow(e);
        for (int c = 0; c < 6; ++c) {
            grid_->setTextMatrix(row, c + 1, names[std::size_t(c)]);
            grid_->setTextMatrix(row + 1, c + 1, scores[std::size_t(c)]);
        }
        row += 2;
    }
    for (; row < grid_->rows(); ++row)
        for (int c = 1; c < LookupLists::Columns; ++c)
            grid_->setTextMatrix(row, c, QString());
    // The position column: the entry number on each names row, empty on scores rows.
    for (int i = 1; i < grid_->rows(); ++i)
        grid_->setTextMatrix(i, 0, i % 2 == 1 ? QString::number((i + 1) / 2) : QString());
}

void EntriesViewer::onCloseClicked()
{
    grid_->setFocus();
    hide();
}

} // namespace velmora
