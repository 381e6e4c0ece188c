#include "calculator/search.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <numeric>

namespace velmora {

// How the search stays fast without changing its outcome. A team replaces the best only
// with a higher score than the best so far (which starts at 0) and the worst only with a
// lower one (the first affordable team always does). So the visit order stays as it is,
// and only whole rows (fixed i, j, k: every l) and blocks (fixed i, j) that hold no such
// team are passed over:
// - by score alone: the highest and lowest score a row or block could reach;
// - by price: adding floats never decreases when an operand grows, so the affordable
//   drivers l of a row are the cheapest ones, a prefix of the row's drivers taken in order
//   of price; with the highest and lowest score of every such prefix ready, a binary
//   search gives the row's exact best and worst, and only rows that improve on the
//   results so far are visited one team at a time.
// A price that is no number or infinite is taken as +infinity: such a component is beyond
// every budget (as is a team whose price adds up beyond the largest float), and the ordering
// argument holds for every price.

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// The largest float that is not above the budget. For every float p (NaN included),
// p > budget exactly when p > floatCeiling(budget), so the loops compare floats only.
float floatCeiling(double budget)
{
    if (budget >= FLT_MAX)
        return FLT_MAX;
    if (budget < -FLT_MAX)
        return -kInfinity;
    float f = static_cast<float>(budget);
    if (double(f) > budget)
        f = std::nextafter(f, -kInfinity);
    return f;
}

// One slot (Team, Engine, Driver1 or Driver2) of every record.
struct Column {
    std::vector<float> price;
    std::vector<int> score;
    // Highest and lowest of score[l..n-1], for every l.
    std::vector<int> tailMax, tailMin;

    // For every tail l..n-1 (a driver paired with record `from` onwards): its prices in
    // increasing order, and the highest and lowest score among the first m of that order.
    // Tail `from` occupies [sortedStart[from], sortedStart[from + 1]).
    std::vector<int> sortedStart;
    std::vector<float> sortedPrice;
    std::vector<int> prefixMax, prefixMin;

    Column(const std::vector<TeamRecord>& teams, ComponentSlot TeamRecord::*slot)
    {
        const int n = static_cast<int>(teams.size());
        price.reserve(n);
        score.reserve(n);
        for (const TeamRecord& t : teams) {
            const float p = (t.*slot).Price;
            price.push_back(std::isfinite(p) ? p : kInfinity);
            score.push_back((t.*slot).Score);
        }
        tailMax.assign(n + 1, INT_MIN / 4);
        tailMin.assign(n + 1, INT_MAX / 4);
        for (int l = n; l-- > 0;) {
            tailMax[l] = std::max(tailMax[l + 1], score[l]);
            tailMin[l] = std::min(tailMin[l + 1], score[l]);
        }
    }

    // False when stopped on the way.
    bool sortTails(const std::atomic<bool>* stop)
    {
        const int n = static_cast<int>(price.size());
        sortedStart.assign(n + 1, 0);
        std::vector<int> order;
        for (int from = 0; from < n; ++from) {
            if (stop && stop->load(std::memory_order_relaxed))
                return false;
            sortedStart[from] = static_cast<int>(sortedPrice.size());
            order.resize(n - from);
            std::iota(order.begin(), order.end(), from);
            std::stable_sort(order.begin(), order.end(),
                             [this](int x, int y) { return price[x] < price[y]; });
            int high = INT_MIN, low = INT_MAX;
            for (int l : order) {
                high = std::max(high, score[l]);
                low = std::min(low, score[l]);
                sortedPrice.push_back(price[l]);
                prefixMax.push_back(high);
                prefixMin.push_back(low);
            }
        }
        sortedStart[n] = static_cast<int>(sortedPrice.size());
        return true;
    }

    // How many drivers of tail `from` keep base + their price within the ceiling: the
    // position in sortedPrice (relative to the tail) past the last one that does.
    int affordable(int from, float base, float ceiling) const
    {
        const float* p = sortedPrice.data() + sortedStart[from];
        int lo = 0, hi = sortedStart[from + 1] - sortedStart[from];
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (!(base + p[mid] <= ceiling)) // a NaN sum (-inf + inf) is beyond it too
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }
};

// The drivers of one pass: a of record k with b of record l, l from 0 or from k+1.
struct Pass {
    const Column* a;
    int aSlot; // 0 for Driver1, 1 for Driver2: the driver-list position is 2k + aSlot
    const Column* b;
    int bSlot;
    bool laterOnly;
};

} // namespace

BestWorst searchBestWorst(const std::vector<TeamRecord>& teams, double budget,
                          const std::atomic<bool>* stop)
{
    const int n = static_cast<int>(teams.size());
    const Column team(teams, &TeamRecord::Team), engine(teams, &TeamRecord::Engine);
    Column driver1(teams, &TeamRecord::Driver1), driver2(teams, &TeamRecord::Driver2);
    const float ceiling = floatCeiling(budget);

    if (std::isnan(budget))
        return {}; // no team is within a budget that is no number
    if (!driver1.sortTails(stop) || !driver2.sortTails(stop))
        return {};

    // Sums of the team and engine of every (i, j), computed once for all three passes.
    std::vector<float> teamEnginePrice(std::size_t(n) * n);
    std::vector<int> teamEngineScore(std::size_t(n) * n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            teamEnginePrice[std::size_t(i) * n + j] = team.price[i] + engine.price[j];
            teamEngineScore[std::size_t(i) * n + j] = team.score[i] + engine.score[j];
        }

    int best = 0, worst = INT_MAX;
    TeamPick bestPick, worstPick;

    const Pass passes[3] = {{&driver1, 0, &driver2, 1, false},
                            {&driver1, 0, &driver1, 0, true},
                            {&driver2, 1, &driver2, 1, true}};
    for (const Pass& pass : passes) {
        const Column& a = *pass.a;
        const Column& b = *pass.b;
        const int kEnd = pass.laterOnly ? n - 1 : n;
        if (kEnd <= 0)
            continue;
        // Bounds over every pair of drivers of the pass, for passing over whole blocks.
        int pairMax = INT_MIN / 2, pairMin = INT_MAX / 2;
        float aMinPrice = kInfinity;
        for (int k = 0; k < kEnd; ++k) {
            const int from = pass.laterOnly ? k + 1 : 0;
            pairMax = std::max(pairMax, a.score[k] + b.tailMax[from]);
            pairMin = std::min(pairMin, a.score[k] + b.tailMin[from]);
            aMinPrice = std::min(aMinPrice, a.price[k]);
        }
        const float bMinPrice = b.sortedPrice[b.sortedStart[pass.laterOnly ? 1 : 0]];
        const float* bPrice = b.price.data();
        const int* bScore = b.score.data();

        for (int i = 0; i < n; ++i) {
            if (stop && stop->load(std::memory_order_relaxed))
                return {};
            for (int j = 0; j < n; ++j) {
                const int s0 = teamEngineScore[std::size_t(i) * n + j];
                if (s0 + pairMax <= best && s0 + pairMin >= worst)
                    continue;
                const float p0 = teamEnginePrice[std::size_t(i) * n + j];
                if ((p0 + aMinPrice) + bMinPrice > ceiling)
                    continue;
                for (int k = 0; k < kEnd; ++k) {
                    const int from = pass.laterOnly ? k + 1 : 0;
                    const int sk = s0 + a.score[k];
                    if (sk + b.tailMax[from] <= best && sk + b.tailMin[from] >= worst)
                        continue;
                    const float pk = p0 + a.price[k];
                    const int m = b.affordable(from, pk, ceiling);
                    if (m == 0)
                        continue;
                    const int last = b.sortedStart[from] + m - 1;
                    if (sk + b.prefixMax[last] <= best && sk + b.prefixMin[last] >= worst)
                        continue;
                    for (int l = from; l < n; ++l) {
                        const float price = pk + bPrice[l];
                        const int score = sk + bScore[l];
                        // One rarely taken branch per team keeps this loop short.
                        const bool affordable = price <= ceiling;
                        if (affordable & ((score > best) | (score < worst))) [[unlikely]] {
                            const TeamPick pick{i,     j,    2 * k + pass.aSlot, 2 * l + pass.bSlot,
                                                price, score};
                            if (score > best) {
                                best = score;
                                bestPick = pick;
                            }
                            if (score < worst) {
                                worst = score;
                                worstPick = pick;
                            }
                        }
                    }
                }
            }
        }
    }

    BestWorst result;
    if (best > 0)
        result.best = bestPick;
    if (worst != INT_MAX)
        result.worst = worstPick;
    return result;
}

} // namespace velmora
