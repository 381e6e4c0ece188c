#pragma once

#include "data/data_dir.h"
#include "data/types.h"

#include <QString>

#include <vector>

namespace velmora {

enum class LeagueOrder {
    ByPoints, // highest points first
    ByOwner,  // owners ascending by the code of each stored byte, all 80 of them
};

// Entries put in league order. The order is stable: entries with equal keys keep the order
// they had, which is exactly what exchanging adjacent out-of-order records until none is
// left would give.
void orderEntries(std::vector<EntryRecord>* entries, LeagueOrder order);

// Puts entry.tro in league order. The file is replaced in one step through the scratch
// file, and only when the order changed: a file already in order is not written at all.
// Bytes after the last whole record stay after it. *entries holds the entries as the file
// holds them afterwards (on failure: as it still holds them, empty when it could not be
// read); on failure *error names the file and the reason.
bool orderEntryFile(const DataDir& dir, LeagueOrder order, std::vector<EntryRecord>* entries,
                    QString* error);

} // namespace velmora
