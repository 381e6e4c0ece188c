#pragma once

#include "data/types.h"

#include <vector>

namespace velmora {

class FlexGrid;

// Flat cell index of a grid cell: row × the grid's column count + column.
qint64 GridCellIndex(int row, int col, const FlexGrid* grid);

// The league table HiScores: row r shows entry r + 1 (owner as stored, all 80 characters,
// and points); column 0 holds the position.
void writeLeagueRow(FlexGrid* grid, int row, const EntryRecord& entry);

// Start-up's fill: the row count of a file of realCount records (at least 16, the file's
// count + 1 when larger), numbered rows, the entries, and a row appended whenever fewer
// than three rows would remain below the entry just written.
void fillLeagueTable(FlexGrid* grid, double realCount, const std::vector<EntryRecord>& entries);

// A refill after the entry file changed: rows 0 to n-1 rewritten, the rows below cleared,
// rows appended as start-up appends them when the file outgrew the grid.
void refillLeagueTable(FlexGrid* grid, const std::vector<EntryRecord>& entries);
// The same from the bytes of whole entry records, decoded one row at a time.
void refillLeagueTable(FlexGrid* grid, const QByteArray& records);

}  // namespace velmora
