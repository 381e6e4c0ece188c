#pragma once

#include "data/types.h"

#include <array>
#include <atomic>
#include <optional>
#include <vector>

namespace velmora {

// One team a competitor could have bought: the Team slot of record `team`, the Engine slot
// of record `engine` (both 0-based record positions) and two race drivers given as
// driver-list positions (2r is Driver1 of record r, 2r + 1 its Driver2), in the order the
// search pairs them.
struct TeamPick {
    int team = 0;
    int engine = 0;
    int driver1 = 0;
    int driver2 = 0;
    float price = 0; // team + engine + driver1 + driver2, added in that order as floats
    int score = 0;   // the four season scores added up (not limited to 16 bits)

    // The team, the engine and the two drivers, in that order.
    std::array<Pick, 4> picks() const
    {
        return {Pick::at(Pick::Team, team), Pick::at(Pick::Engine, engine),
                Pick::at(Pick::Driver1, driver1), Pick::at(Pick::Driver2, driver2)};
    }

    friend bool operator==(const TeamPick&, const TeamPick&) = default;
};

struct BestWorst {
    // The highest score above 0 within the budget; none while every affordable team
    // scores 0 or less.
    std::optional<TeamPick> best;
    // The lowest score within the budget; there is one whenever any team is affordable.
    std::optional<TeamPick> worst;
};

// Every team of one chassis, one engine and two different race drivers from the team
// database, in this order (l innermost, records numbered from 0, n records):
//   1. for i, j, k, l in 0..n-1:         Driver1 of k with Driver2 of l (k == l included);
//   2. for i, j, k in 0..n-2, l in k+1..: Driver1 of k with Driver1 of l;
//   3. the same with Driver2 of k and Driver2 of l.
// A team costing more than the budget is left out (one costing exactly the budget is in), and
// so is one with a price that is no number or infinite, or whose price adds up beyond the
// largest float;
// among teams with equal scores the one met first wins, for the best and the worst alike.
// The result is the same as that plain visit's; the search only skips rows of it that
// cannot change the outcome.
// Once *stop is set (from another thread), it ends soon with nothing found.
BestWorst searchBestWorst(const std::vector<TeamRecord>& teams, double budget,
                          const std::atomic<bool>* stop = nullptr);

} // namespace velmora
