#include "main/league_table.h"

#include "data/text.h"
#include "toolkit/flex_grid.h"

namespace velmora {

qint64 GridCellIndex(int row, int col, const FlexGrid* grid)
{
    return qint64(row) * grid->cols() + col;
}

void writeLeagueRow(FlexGrid* grid, int row, const EntryRecord& entry)
{
    grid->setRow(row);
    grid->setCol(1);
    grid->setText(entry.Owner);
    grid->setCol(2);
    grid->setText(numberText(entry.Points));
}

namespace {

// Keeps at least three numbered rows below the entry in row `row`.
void growBelow(FlexGrid* grid, int row)
{
    const int v = row + 1;
    if (v + 2 >= grid->rows())
        grid->addItem(QString::number(grid->rows() + 1));
}

}  // namespace

void fillLeagueTable(FlexGrid* grid, double realCount, const std::vector<EntryRecord>& entries)
{
    const bool redraw = grid->redraw();
    grid->setRedraw(false);
    const int rows = realCount > 16 ? int(roundHalfEven(realCount + 1)) : 16;
    grid->setRows(rows);
    for (int r = 0; r < rows; ++r)
        grid->setTextArray(GridCellIndex(r, 0, grid), QString::number(r + 1));
    for (int r = 0; r < int(entries.size()); ++r) {
        writeLeagueRow(grid, r, entries[std::size_t(r)]);
        growBelow(grid, r);
    }
    grid->setRedraw(redraw);
}

void refillLeagueTable(FlexGrid* grid, const std::vector<EntryRecord>& entries)
{
    const bool redraw = grid->redraw();
    grid->setRedraw(false);
    const int n = int(entries.size());
    for (int r = 0; r < n; ++r) {
        if (r >= grid->rows())
            grid->addItem(QString::number(grid->rows() + 1));
        writeLeagueRow(grid, r, entries[std::size_t(r)]);
        growBelow(grid, r);
    }
    for (int r = n; r < grid->rows(); ++r) {
        grid->setTextMatrix(r, 1, QString());
        grid->setTextMatrix(r, 2, QString());
    }
    grid->setRedraw(redraw);
}

}  // namespace velmora
