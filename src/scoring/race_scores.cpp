#include "scoring/race_scores.h"

#include <algorithm>

namespace velmora {

RaceScores::RaceScores(const Decisions& decisions)
{
    for (const Decision& d : decisions.list)
        if (d.counts() && d.isTransfer())
            byOwner_[d.owner].transfers.push_back({d.component, d.before, d.race});
        else if (d.counts())
            byOwner_[d.owner].adjustments.push_back({d.adjustment(), d.race});
}

const OwnerDecisions& RaceScores::of(const QString& owner) const
{
    static const OwnerDecisions none;
    const auto it = byOwner_.constFind(owner);
    return it == byOwner_.cend() ? none : *it;
}

std::array<Pick, 5> RaceScores::picksIn(std::array<Pick, 5> today, const Transfers& transfers,
                                        int race)
{
    for (auto t = transfers.rbegin(); t != transfers.rend(); ++t)
        if (t->race > race)
            today[std::size_t(t->component)] = Pick::at(t->component, t->before);
    return today;
}

int RaceScores::pointsIn(const std::array<Pick, 5>& today, const OwnerDecisions& decided, int race,
                         const ComponentPoints& points)
{
    return points.entryPoints(picksIn(today, decided.transfers, race))
           + (decided.adjustments.empty() ? 0 : adjustmentIn(decided, race));
}

int RaceScores::adjustmentIn(const OwnerDecisions& decided, int race)
{
    qint64 sum = 0;
    for (const Adjustment& a : decided.adjustments)
        sum += a.race == race ? a.points : 0;
    return int(sum);
}

qint64 RaceScores::adjustmentsBefore(const OwnerDecisions& decided, int races)
{
    qint64 sum = 0;
    for (const Adjustment& a : decided.adjustments)
        sum += a.race < races ? a.points : 0;
    return sum;
}

std::array<int, 5> RaceScores::placePoints(const std::array<Pick, 5>& today,
                                           const Transfers& transfers,
                                           const std::vector<ComponentPoints>& sums)
{
    // The picks in force change only at the races transfers count from.
    const int races = int(sums.size()) - 1;
    std::vector<int> from{0, races};
    for (const Transfer& t : transfers)
        if (t.race > 0 && t.race < races)
            from.push_back(t.race);
    std::sort(from.begin(), from.end());
    from.erase(std::unique(from.begin(), from.end()), from.end());
    std::array<int, 5> points{};
    for (std::size_t i = 0; i + 1 < from.size(); ++i) {
        const std::array<Pick, 5> picks = picksIn(today, transfers, from[i]);
        const ComponentPoints &before = sums[std::size_t(from[i])],
                              &after = sums[std::size_t(from[i + 1])];
        for (std::size_t k = 0; k < 5; ++k)
            points[k] += after.points(picks[k]) - before.points(picks[k]);
    }
    return points;
}

} // namespace velmora
