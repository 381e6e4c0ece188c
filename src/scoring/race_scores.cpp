#include "scoring/race_scores.h"

namespace velmora {

RaceScores::RaceScores(const Decisions& decisions)
{
    for (const Decision& d : decisions.list)
        if (d.isTransfer())
            byOwner_[d.owner].push_back({d.component, d.before, d.race});
}

const Transfers& RaceScores::of(const QString& owner) const
{
    static const Transfers none;
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

int RaceScores::pointsIn(const std::array<Pick, 5>& today, const Transfers& transfers, int race,
                         const ComponentPoints& points)
{
    return points.entryPoints(picksIn(today, transfers, race));
}

std::array<int, 5> RaceScores::placePoints(const std::array<Pick, 5>& today,
                                           const Transfers& transfers,
                                           const std::vector<ComponentPoints>& races)
{
    std::array<int, 5> sums{};
    for (std::size_t r = 0; r < races.size(); ++r) {
        const std::array<Pick, 5> picks = picksIn(today, transfers, int(r));
        for (std::size_t k = 0; k < 5; ++k)
            sums[k] += races[r].points(picks[k]);
    }
    return sums;
}

} // namespace velmora
