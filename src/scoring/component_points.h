#pragma once

#include "data/types.h"

#include <array>
#include <vector>

namespace velmora {

// The points of every component of the two databases, summed over races: each team
// record's four slots (Team, Engine, Driver1, Driver2) and each test driver. Sums are kept
// in 32 bits, so that one leaving the 16-bit range of a score field is seen, not wrapped.
//
// The championship adds every race of the calendar into one of these for the season
// totals; a page of standings keeps one per race. Both make an entry's points the same way,
// here.
class ComponentPoints {
public:
    ComponentPoints(std::size_t teams, std::size_t testDrivers);

    // Adds one race: record j of its race files stands for record j of the database, and
    // records past the database's end add nothing.
    void addRace(const std::vector<TeamRecord>& raceTeams,
                 const std::vector<TestDriverRecord>& raceTestDrivers);

    std::size_t teams() const { return team_.size(); }
    std::size_t testDrivers() const { return testDriver_.size(); }
    // Slot 0..3 of team record `record` (0-based), in the order Team, Engine, Driver1, Driver2.
    int team(std::size_t record, int slot) const { return team_[record][std::size_t(slot)]; }
    int testDriver(std::size_t record) const { return testDriver_[record]; }
    // The pick names a record of the databases (an entry's position may name none).
    bool names(Pick pick) const
    {
        return pick.record >= 0
               && std::size_t(pick.record) < (pick.isTeamPart() ? teams() : testDrivers());
    }
    // The points of the component picked; 0 for a pick that names no record.
    int points(Pick pick) const
    {
        if (!names(pick))
            return 0;
        return pick.isTeamPart() ? team_[std::size_t(pick.record)][std::size_t(pick.slot)]
                                 : testDriver_[std::size_t(pick.record)];
    }

    // An entry's points are added in this order of its picks (EntryRecord::picks): team,
    // engine, test driver, first driver, second driver.
    static constexpr std::array<int, 5> AddingOrder = {0, 1, 4, 2, 3};
    int entryPoints(const std::array<Pick, 5>& picks) const;

private:
    std::vector<std::array<int, 4>> team_;
    std::vector<int> testDriver_;
};

} // namespace velmora
