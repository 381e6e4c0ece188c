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

    // One component an entry chose: its points and where it lies (record -1 when the entry's
    // position names no record, which adds nothing; slot -1 for the test driver).
    struct Pick {
        const char* what;
        int points = 0;
        int record = -1;
        int slot = -1;
    };
    // The entry's five components in the order their points are added: team, engine, test
    // driver, first driver, second driver.
    std::array<Pick, 5> picks(const EntryRecord& entry) const;
    int entryPoints(const EntryRecord& entry) const;

private:
    Pick teamPick(const char* what, int record, int slot) const;

    std::vector<std::array<int, 4>> team_;
    std::vector<int> testDriver_;
};

} // namespace velmora
