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

ComponentPoints::Pick ComponentPoints::teamPick(const char* what, int record, int slot) const
{
    if (record < 0 || std::size_t(record) >= team_.size())
        return {what};
    return {what, team(std::size_t(record), slot), record, slot};
}

std::array<ComponentPoints::Pick, 5> ComponentPoints::picks(const EntryRecord& e) const
{
    // Driver-list position d is slot Driver1 (d even) or Driver2 (d odd) of team record d / 2.
    const auto driver = [this](const char* what, int d) {
        return d < 0 ? Pick{what} : teamPick(what, d / 2, 2 + d % 2);
    };
    const int t = e.TestDriverIndex;
    const Pick testDriver = t < 0 || std::size_t(t) >= testDriver_.size()
                                ? Pick{"test driver"}
                                : Pick{"test driver", testDriver_[std::size_t(t)], t, -1};
    return {teamPick("team", e.TeamIndex, 0), teamPick("engine", e.EngineIndex, 1), testDriver,
            driver("first driver", e.Driver1Index), driver("second driver", e.Driver2Index)};
}

int ComponentPoints::entryPoints(const EntryRecord& entry) const
{
    int sum = 0;
    for (const Pick& p : picks(entry))
        sum += p.points;
    return sum;
}

} // namespace velmora
