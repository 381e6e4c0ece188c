#include "main/league_table.h"

#include "data/text.h"
#include "data/types.h"
#include "toolkit/flex_grid.h"

namespace velmora {
namespace {

int entryCount(const std::vector<EntryRecord>& entries)
{
    return int(entries.size());
}

void writeRows(FlexGrid* grid, const std::vector<EntryRecord>& entries)
{
    for (int r = 0; r < entryCount(entries); ++r) {
        const EntryRecord& entry = entries[std::size_t(r)];
        grid->setTextMatrix(r, 1, entry.Owner);
        grid->setTextMatrix(r, 2, numberText(entry.Points));
    }
}

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

// Grows the grid to `rows`, each new row numbered with its position.
void growTo(FlexGrid* grid, int rows)
{
    const int from = grid->rows();
    if (rows <= from)
        return;
    grid->setRows(rows);
    for (int r = from; r < rows; ++r)
        grid->setTextMatrix(r, 0, QString::number(r + 1));
}

} // namespace

void fillLeagueTable(FlexGrid* grid, double realCount, const std::vector<EntryRecord>& entries)
{
    const HeldRedraw held(grid);
    grid->setRows(0);
    growTo(grid, rowsAfterFill(realCount > 16 ? int(roundHalfEven(realCount + 1)) : 16,
                               entryCount(entries)));
    writeRows(grid, entries);
}

void refillLeagueTable(FlexGrid* grid, const std::vector<EntryRecord>& entries)
{
    const HeldRedraw held(grid);
    growTo(grid, rowsAfterFill(grid->rows(), entryCount(entries)));
    writeRows(grid, entries);
    for (int r = entryCount(entries); r < grid->rows(); ++r) {
        grid->setTextMatrix(r, 1, QString());
        grid->setTextMatrix(r, 2, QString());
    }
}

} // namespace velmora
