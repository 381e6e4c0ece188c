#pragma once

#include "data/data_dir.h"
#include "main/league_order.h"

#include <QStringList>

#include <vector>

class QWidget;

namespace velmora {

class FlexGrid;

// Puts entry.tro in the given order and refills the league grid from it, with the
// hourglass up and the grid's redrawing held until the end; the grid has the focus
// afterwards. A file that cannot be read or rewritten is reported once, and the grid
// shows the file as it stands.
void orderLeagueTable(QWidget* parent, const DataDir& dir, FlexGrid* grid, LeagueOrder order);

// One row of the entries viewer's grid as the score report reads it: columns 1 to the
// last, cell by cell through the current cell (left on the last cell read).
QStringList viewerGridRow(FlexGrid* spread, int row);

// Asks for a file name and writes the score report there; cancelling writes nothing. A
// failure is reported once, naming the file and the reason, and leaves no partial report.
void outputScoreReport(QWidget* parent, const DataDir& dir, FlexGrid* spread);

} // namespace velmora
