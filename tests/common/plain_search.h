#pragma once

// The best/worst search written as plainly as it can be: the three passes of four nested
// loops over every combination, in their order, each team priced in floats in the order
// team, engine, first driver, second driver. It is the yardstick the program's own search
// is timed against, and what the tests and the fuzz target hold that search to.

#include "calculator/search.h"

#include <optional>
#include <vector>

namespace velmora::test {

BestWorst plainSearch(const std::vector<TeamRecord>& teams, double budget);

// The same team, and the same price: two NaN prices count as the same (which NaN a sum of
// NaNs gives depends on the order the compiler adds them in).
bool samePick(const std::optional<TeamPick>& a, const std::optional<TeamPick>& b);

} // namespace velmora::test
