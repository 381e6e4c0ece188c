#pragma once

#include "data/data_dir.h"

#include <QString>

namespace velmora {

// Entries and race files refer to database records by position only, so deleting a record
// moves every later one down a place under them. What refers to record `record` (counted
// from 1) of teams.tro or test.tro, or to a record after it: entries that choose one of
// its components or a later one, and race files (of the folder, in the calendar or not)
// holding that many records. False, with the file and the reason in *error, when a file
// cannot be read.
enum class Database { Teams, TestDrivers };
struct References {
    qint64 entries = 0;
    qint64 races = 0;
};
bool referencesFrom(const DataDir& dir, Database database, qint64 record, References* found,
                    QString* error);

// Why the record may not be deleted, for the organiser; empty when nothing refers to it.
QString deleteRefusal(Database database, qint64 record, const References& found);

} // namespace velmora
