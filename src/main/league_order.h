#pragma once

#include "data/data_dir.h"

#include <QByteArray>
#include <QString>

namespace velmora {

enum class LeagueOrder {
    ByPoints, // highest points first
    ByOwner,  // owners ascending by the code of each stored byte, all 80 of them
};

// The whole records of an entry file put in league order. The order is stable: records
// with equal keys keep the order they had, which is exactly what exchanging adjacent
// out-of-order records until none is left would give. Bytes after the last whole record
// are dropped.
QByteArray orderedEntryBytes(const QByteArray& records, LeagueOrder order);

// Puts entry.tro in league order. The file is replaced in one step through the scratch
// file, and only when the order changed: a file already in order is not written at all.
// On success *records holds the whole records in their new order. On failure *error names
// the file and the reason and *records holds the records as the file still holds them
// (empty when it could not be read).
bool orderEntryFile(const DataDir& dir, LeagueOrder order, QByteArray* records, QString* error);

} // namespace velmora
