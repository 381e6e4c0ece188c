#include "scoring/component_points.h"

#include <algorithm>

namespace velmora {

ComponentPoints::ComponentPoints(std::size_t teams, std::size_t testDrivers)
    : team_(teams, {0, 0, 0, 0}), testDriver_(testDrivers, 0)
{
}

void ComponentPoints::addRace(const std::vector<TeamRecord>& raceTeams,
                              const std::vector<TestDriverRecord>& raceTestDrivers)
{
    for (std::size_t j = 0; j < std::min(raceTeams.size(), team_.size()); ++j) {
        const auto parts = raceTeams[j].components();
        for (std::size_t s = 0; s < 4; ++s)
            team_[j][s] += parts[s]->Score;
    }
    for (std::size_t j = 0; j < std::min(raceTestDrivers.size(), testDriver_.size()); ++j)
        testDriver_[j] += raceTestDrivers[j].Score;
}

int ComponentPoints::entryPoints(const std::array<Pick, 5>& picks) const
{
    int sum = 0;
    for (const Pick& p : picks)
        sum += points(p);
    return sum;
}

} // namespace velmora
