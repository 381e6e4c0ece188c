#pragma once

#include "data/league.h"

#include <QString>

#include <vector>

namespace velmora {

// Rebuilds every season score from the race files of the calendar: the Score fields of
// teams.tro and test.tro become the sums of the races' points (a race named twice counts
// twice, record j of a race file standing for record j of its database), and every
// entry's Points the sum of its five components' totals. Only those score bytes change;
// names, prices and any other byte stay as they were, and a second run leaves every file
// as the first one did. A race that was never scored adds nothing.
//
// The files in `with` (a race about to be stored, the calendar with a race added or taken
// out) are read in place of what is on disk, and written with the three the calculation
// writes, all or none, in one League change.
//
// Everything is read and summed before anything is written. A total that would leave the
// 16-bit range, or a file that cannot be read, stops the run with nothing written and the
// reason in *error (the component and race that overflow, or the file and the system's
// reason). Race records past the end of their database, and entry positions that name no
// record, add nothing.
bool recalculateChampionship(League& league, QString* error,
                             std::vector<League::Replacement> with = {});

// The race team file a race scored for the first time starts as: the team database with every
// score 0, so that a record the organiser does not visit adds nothing to the season.
std::vector<TeamRecord> newRace(std::vector<TeamRecord> teams);

} // namespace velmora
