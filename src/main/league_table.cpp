#include "main/league_table.h"

#include "data/text.h"
#include "data/types.h"
#include "toolkit/flex_grid.h"

namespace velmora {
namespace {

// The rows' texts, made from the file's bytes as they are drawn.
FlexGridModel::Source rowsOf(const QByteArray& file)
{
    const qsizetype entries = file.size() / EntryRecord::Length;
    return [file, entries](int row, int col) -> QString {
        if (col == 0)
            return QString::number(row + 1);
        if (row >= entries)
            return {};
        const EntryRecord entry =
            EntryRecord::decode(file.constData() + qsizetype(row) * EntryRecord::Length);
        return col == 1 ? entry.Owner : numberText(entry.Points);
    };
}

// The row count after showing `entries` entries from row 0 in a grid of `rows` rows: a row is
// added for an entry that has none, and whenever fewer than three rows would remain below
// the entry just written.
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

} // namespace

void fillLeagueTable(FlexGrid* grid, const QByteArray& entryFile)
{
    const HeldRedraw held(grid);
    const double realCount = double(entryFile.size()) / EntryRecord::Length;
    grid->setRows(0);
    grid->setRows(rowsAfterFill(realCount > 16 ? int(roundHalfEven(realCount + 1)) : 16,
                                int(entryFile.size() / EntryRecord::Length)));
    grid->setSource(rowsOf(entryFile));
}

void refillLeagueTable(FlexGrid* grid, const QByteArray& entryFile)
{
    const HeldRedraw held(grid);
    grid->setRows(rowsAfterFill(grid->rows(), int(entryFile.size() / EntryRecord::Length)));
    grid->setSource(rowsOf(entryFile));
}

} // namespace velmora
