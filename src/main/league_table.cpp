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

// The row count after writing `entries` entries from row 0 into a grid of `rows` rows:
// a row is added for an entry that has none, and whenever fewer than three rows would
// remain below the entry just written.
int rowsAfterFill(int rows, int entries)
{
    for (int r = 0; r < entries; ++r) {
        if (r >= rows)
            ++rows;
        if (r + 3 >= rows)
            ++rows;
    }
    return rows;
}

// Grows the grid to `rows` in one step, each new row numbered with its position.
void growTo(FlexGrid* grid, int rows)
{
    const int from = grid->rows();
    if (rows <= from)
        return;
    grid->setRows(rows);
    for (int r = from; r < rows; ++r)
        grid->setTextArray(GridCellIndex(r, 0, grid), QString::number(r + 1));
}

}  // namespace

void fillLeagueTable(FlexGrid* grid, double realCount, const std::vector<EntryRecord>& entries)
{
    const bool redraw = grid->redraw();
    grid->setRedraw(false);
    const int n = int(entries.size());
    const int rows = rowsAfterFill(realCount > 16 ? int(roundHalfEven(realCount + 1)) : 16, n);
    grid->setRows(rows);
    for (int r = 0; r < rows; ++r)
        grid->setTextArray(GridCellIndex(r, 0, grid), QString::number(r + 1));
    for (int r = 0; r < n; ++r)
        writeLeagueRow(grid, r, entries[std::size_t(r)]);
    grid->setRedraw(redraw);
}

namespace {

// The refill, entryAt(r) giving the entry of row r.
template <class EntryAt>
void refill(FlexGrid* grid, int n, EntryAt entryAt)
{
    const bool redraw = grid->redraw();
    grid->setRedraw(false);
    growTo(grid, rowsAfterFill(grid->rows(), n));
    for (int r = 0; r < n; ++r)
        writeLeagueRow(grid, r, entryAt(r));
    for (int r = n; r < grid->rows(); ++r) {
        grid->setTextMatrix(r, 1, QString());
        grid->setTextMatrix(r, 2, QString());
    }
    grid->setRedraw(redraw);
}

}  // namespace

void refillLeagueTable(FlexGrid* grid, const std::vector<EntryRecord>& entries)
{
    refill(grid, int(entries.size()),
           [&](int r) -> const EntryRecord& { return entries[std::size_t(r)]; });
}

void refillLeagueTable(FlexGrid* grid, const QByteArray& records)
{
    refill(grid, int(records.size() / EntryRecord::Length), [&](int r) {
        return EntryRecord::decode(records.constData() + qsizetype(r) * EntryRecord::Length);
    });
}

}  // namespace velmora
