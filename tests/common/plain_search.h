#pragma once

// The best/worst search as plainly as can be: three passes of four nested loops, each team
// priced in floats (team, engine, drivers); the program's search is timed and held to it.

#include "calculator/search.h"

#include <optional>
#include <vector>

namespace velmora::test {

BestWorst plainSearch(const std::vector<TeamRecord>& teams, double budget);

// The same pick; two NaN prices count as one (which NaN a sum gives depends on the adding order).
bool samePick(std::optional<TeamPick> a, std::optional<TeamPick> b);

} // namespace velmora::test
