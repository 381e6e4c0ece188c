#pragma once

// The best/worst search as plainly as can be: three passes of four nested loops, each team
// priced in floats (team, engine, drivers); the program's search is timed and held to it.

#include "calculator/search.h"

#include <vector>

namespace velmora::test {

BestWorst plainSearch(const std::vector<TeamRecord>& teams, double budget);

} // namespace velmora::test
