#pragma once

// The two slow ways the program used to be described, kept here only as yardsticks for
// the timings: the program itself never does either.

#include "calculator/search.h"
#include "main/league_order.h"

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

// The best/worst search done as three plain passes of four nested loops over records in
// memory, testing every combination. It starts the worst from the first affordable team,
// as the program does, so both give the same answer.
BestWorst searchAsWritten(const std::vector<TeamRecord>& teams, double budget);

} // namespace velmora::bench
