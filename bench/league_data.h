#pragma once

#include "data/data_dir.h"
#include "data/league.h"
#include "data/types.h"

#include <QByteArray>

#include <vector>

namespace velmora::bench {

// A made-up league written to a data folder, the same every time (fixed seed): a team
// database, test drivers, a calendar of races with both race files each, and entries
// whose components are spread over the whole database. The season scores and every
// entry's points are the sums of the race files, as a championship calculation leaves
// them.
struct LeagueShape {
    int teams = 60;
    int testDrivers = 30;
    int races = 100;
    int entries = 10922;
};

void writeLeague(const DataDir& dir, const LeagueShape& shape);

// The team database alone (scores are season totals), for the search.
std::vector<TeamRecord> teamDatabase(int teams);

// Writes a whole file, replacing what it held.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// A decisions record of `count` transfers that agrees with the entry file: one component each
// of owners whose name no other entry has, the five components in turn, counting from races
// spread over the calendar's `races`.
QByteArray transfersRecord(const QByteArray& entryFile, int count, int races);

// The records of an entry file in the opposite order: the worst start for an ordering.
QByteArray reversedRecords(const QByteArray& entryFile);
// The records of an entry file in league order, and decoded.
QByteArray orderedRecords(const QByteArray& entryFile, LeagueOrder order);
std::vector<EntryRecord> entriesOf(const QByteArray& entryFile);

} // namespace velmora::bench
