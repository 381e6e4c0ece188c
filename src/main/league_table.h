#pragma once

#include <QByteArray>

namespace velmora {

class FlexGrid;

// The league table HiScores of the main window: row r shows entry r + 1 of the entry file's
// bytes, its position in column 0, its owner as stored (all 80 characters) in column 1 and
// its points in column 2. The rows' texts are made from the bytes as the table draws them.

// Start-up's fill: the row count of a file of its length in records, as a real number
// (partial record included; at least 16, the count + 1 when larger), the rows numbered, the
// entries, and a row appended whenever fewer than three rows would remain below an entry.
void fillLeagueTable(FlexGrid* grid, const QByteArray& entryFile);

// A refill after the entry file changed: rows 0 to n-1 show the new entries, the rows below
// are empty, rows appended as start-up appends them when the file outgrew the grid.
void refillLeagueTable(FlexGrid* grid, const QByteArray& entryFile);

} // namespace velmora
