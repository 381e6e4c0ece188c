#pragma once

// The slow way the program used to order the league, kept here only as a yardstick for the
// timings: the program itself never does it (the other yardstick is plain_search.h).

#include "data/league.h"

#include <QString>

namespace velmora {
class FlexGrid;
}

namespace velmora::bench {

// The league ordering done in the entry file itself: passes over every adjacent pair of
// records, each record read with its own pread and an out-of-order pair written back
// with a pwrite per record, until a pass exchanges nothing; then the league grid is
// refilled reading the file record by record. The grid's redrawing is held meanwhile, as
// the program holds it. Returns false when the file cannot be opened.
bool orderInFileAsWritten(const QString& entryPath, FlexGrid* grid, LeagueOrder order);

} // namespace velmora::bench
