#pragma once

#include "data/league.h"

#include <QString>

namespace velmora {

// Entries and race files refer to database records by position only, so deleting a record
// moves every later one down a place under them. What refers to record `record` (counted
// from 1) of a database (LeagueFile::Teams or LeagueFile::TestDrivers), or to a record after
// it: entries that choose one of its components or a later one, race files (of the folder, in
// the calendar or not) holding that many records, and transfers from or to one. False, with the
// file and the reason in *error, when a file cannot be read.
struct References {
    qint64 entries = 0;
    qint64 races = 0;
    qint64 transfers = 0;
};
bool referencesFrom(const League& league, LeagueFile::Kind database, qint64 record,
                    References* found, QString* error);

// Why the record may not be deleted, for the organiser; empty when nothing refers to it.
QString deleteRefusal(LeagueFile::Kind database, qint64 record, const References& found);

} // namespace velmora
