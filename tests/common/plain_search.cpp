#include "plain_search.h"

#include <cmath>

namespace velmora::test {

BestWorst plainSearch(const std::vector<TeamRecord>& teams, double budget)
{
    const int n = int(teams.size());
    BestWorst result; // the best scoring above 0, the worst of all

    const auto at = [&teams](int r) -> const TeamRecord& { return teams[std::size_t(r)]; };
    const auto driver = [&at](int d) -> const ComponentSlot& {
        const Pick p = Pick::at(Pick::Driver1, d);
        return *p.in(at(p.record));
    };
    auto consider = [&](int i, int j, int d1, int d2) {
        const ComponentSlot &team = at(i).Team, &engine = at(j).Engine;
        const ComponentSlot &first = driver(d1), &second = driver(d2);
        const float price = ((team.Price + engine.Price) + first.Price) + second.Price;
        // A price that is no number or infinite, or a sum beyond every float: no budget buys it.
        for (const ComponentSlot* c : {&team, &engine, &first, &second})
            if (!std::isfinite(c->Price))
                return;
        if (!(price <= budget) || price == INFINITY)
            return;
        const int score = team.Score + engine.Score + first.Score + second.Score;
        if (score > (result.best ? result.best->score : 0))
            result.best = TeamPick{i, j, d1, d2, price, score};
        if (!result.worst || score < result.worst->score)
            result.worst = TeamPick{i, j, d1, d2, price, score};
    };

    // Pass 1: a first driver and a second driver of any teams, the same team's included.
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                for (int l = 0; l < n; ++l)
                    consider(i, j, 2 * k, 2 * l + 1);
    // Pass 2: two first drivers; pass 3: two second drivers.
    for (int slot = 0; slot < 2; ++slot)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < n - 1; ++k)
                    for (int l = k + 1; l < n; ++l)
                        consider(i, j, 2 * k + slot, 2 * l + slot);
    return result;
}

} // namespace velmora::test
