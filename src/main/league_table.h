#pragma once

#include "data/types.h"

#include <vector>

namespace velmora {

class FlexGrid;

// The league table HiScores of the main window: row r shows entry r + 1, its position in
// column 0, its owner as stored (all 80 characters) in column 1 and its points in column 2.

// Start-up's fill: the row count of a file of realCount records (partial record included;
// at least 16, the count + 1 when larger), numbered rows, the entries, and a row appended
// whenever fewer than three rows would remain below the entry just written.
void fillLeagueTable(FlexGrid* grid, double realCount, const std::vector<EntryRecord>& entries);

// A refill after the entry file changed: rows 0 to n-1 rewritten, the rows below cleared,
// rows appended as start-up appends them when the file outgrew the grid.
void refillLeagueTable(FlexGrid* grid, const std::vector<EntryRecord>& entries);

} // namespace velmora
