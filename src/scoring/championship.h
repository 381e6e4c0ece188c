#pragma once

#include "data/data_dir.h"
#include "data/types.h"

#include <QString>

#include <vector>

namespace velmora {

// Rebuilds every season score from the race files of the calendar: the Score fields of
// teams.tro and test.tro become the sums of the races' points (a race named twice counts
// twice, record j of a race file standing for record j of its database), and every
// entry's Points the sum of its five components' totals. Only those score bytes change;
// names, prices and any other byte stay as they were, and a second run leaves every file
// as the first one did. A race that was never scored leaves its two race files behind,
// empty.
//
// Everything is read and summed before anything is written. A total that would leave the
// 16-bit range, or a file that cannot be read, stops the run with nothing written and the
// reason in *error (the component and race that overflow, or the file and the system's
// reason). Race records past the end of their database, and entry positions that name no
// record, add nothing. Each file is replaced whole, in one step, so a crash leaves it old
// or new.
//
// On success *entries (when given) holds the entry file's records as written.
bool recalculateChampionship(const DataDir& data, std::vector<EntryRecord>* entries,
                             QString* error);

} // namespace velmora
