#pragma once

#include <QByteArray>

#include <array>
#include <vector>

namespace velmora {

// Points of every component of the two databases, laid out as the databases are: team
// record j (0-based) holds the points of its Team, Engine, Driver1 and Driver2 slots at
// teams[4j] .. teams[4j + 3], test-driver record j at testDrivers[j]. One race's points, or
// the sum of several races.
struct ComponentScores {
    std::vector<int> teams;
    std::vector<int> testDrivers;
};

// What one race gives each component of a team database of teamCount records and a
// test-driver database of testDriverCount: record j of a race file scores record j of its
// database, whatever the names say. Race records past the database's end score nothing (the
// records they stood for are gone), records the race file does not reach score 0, and a
// partial record at a file's end counts for nothing. The championship adds these up, and
// the published pages show them race by race, so both always agree.
ComponentScores raceScores(const QByteArray& raceTeams, const QByteArray& raceTestDrivers,
                           qint64 teamCount, qint64 testDriverCount);

// One component an entry chose: where its points lie in ComponentScores (testDrivers when
// testDriver, else teams), or index -1 when the entry's position names no record.
struct Pick {
    bool testDriver = false;
    qint64 index = -1;

    bool valid() const { return index >= 0; }
    qint64 record() const { return testDriver ? index : index / 4; } // 0-based
    int slot() const { return testDriver ? 0 : int(index % 4); }     // Team, Engine, Driver1, 2
};

// An entry's five components, in the order the championship adds them: team, engine, test
// driver, first driver, second driver.
using EntryPicks = std::array<Pick, 5>;

// The components an entry record (its 96 bytes) chose: the team of team record TeamIndex+1,
// the engine of record EngineIndex+1, test-driver record TestDriverIndex+1, and for driver
// position d team record d/2+1, its first driver when d is even and its second when odd.
EntryPicks entryPicks(const char* entryRecord, qint64 teamCount, qint64 testDriverCount);

// The points of one chosen component; 0 when it names no record.
inline int pointsOf(const ComponentScores& scores, const Pick& pick)
{
    if (!pick.valid())
        return 0;
    return (pick.testDriver ? scores.testDrivers : scores.teams)[std::size_t(pick.index)];
}

// Where the running sum of an entry's points first left the 16-bit range the entry file
// holds: after which pick (-1: never), and the sum at that moment.
struct Overflow {
    int pick = -1;
    int sum = 0;
};

// An entry's points: its components' points added in the order of the picks.
int entryPoints(const ComponentScores& scores, const EntryPicks& picks,
                Overflow* overflow = nullptr);

} // namespace velmora
