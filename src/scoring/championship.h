#pragma once

#include "data/league.h"

#include <QString>

#include <optional>
#include <vector>

namespace velmora {

// Rebuilds every season score from the race files of the calendar: the Score fields of
// teams.tro and test.tro become the sums of the races' points (a race named twice counts
// twice, record j of a race file standing for record j of its database), and every
// entry's Points the sum over the races of what its picks in force score there with its
// penalties and bonuses (RaceScores: without decisions, its five components' totals). Only those
// score bytes change; names, prices and any other byte stay as they were, and a second run leaves
// every file as the first one did. A race that was never scored adds nothing.
//
// The files in `with` (a race about to be stored, the calendar with a race added or taken
// out) are read in place of what is on disk, and written with the three the calculation
// writes, all or none, in one League change.
//
// Everything is read and summed before anything is written. A total that would leave the
// 16-bit range, or a file that cannot be read, stops the run with nothing written and the
// reason in *error (the component and race that overflow, or the file and the system's
// reason), and so does a decisions record that cannot be read or disagrees with the entries. Race
// records past the end of their database, and entry positions that name no record, add nothing.
bool recalculateChampionship(League& league, QString* error,
                             std::vector<League::Replacement> with = {});
// The same without writing: *with gets the three files the calculation writes (in place of any
// of them it held), so that League::replace(*with) is the calculation. With `order`, the entries
// come in that league order after it, as League::orderEntries would leave them; *calculated (when
// asked) gets the entries as calculated, in the order of the entry file it read.
bool championshipFiles(const League& league, std::vector<League::Replacement>* with, QString* error,
                       std::optional<LeagueOrder> order = {},
                       std::vector<EntryRecord>* calculated = nullptr);

// The calendar's races as they are shown (trimmed), in its order.
bool calendarRaces(const League& league, QStringList* races, QString* error);

// The race a typed name stands for: the calendar's race of exactly that name, else the one it
// matches but for letter case (the first), else the name itself, a new race. Surrounding
// blanks never count, and the name is taken as the calendar would keep it.
QString raceNamed(const QStringList& calendar, const QString& typed);
// A calendar's bytes with a race added at its end (a partial record there is dropped).
QByteArray withRace(const QByteArray& calendar, const QString& race);
// A calendar's bytes without every record that lists a race (other records and any bytes after
// the last whole one as they were).
QByteArray withoutRace(const QByteArray& calendar, const QString& race);
// The decisions record to write with the calendar (`races`, as shown) when a race is taken out:
// its transfers, penalties and bonuses keep their races, and those that counted from (in) the
// race itself count from (in) the race after it (*moved says how many of those that count).
// Nothing is added when the record does not change.
// False, told, when the record cannot be read.
bool decisionsWithoutRace(const League& league, const QStringList& races, const QString& race,
                          std::vector<League::Replacement>* with, int* moved, QString* error);

// The race team file a race scored for the first time starts as: the team database with every
// score 0, so that a record the organiser does not visit adds nothing to the season.
std::vector<TeamRecord> newRace(std::vector<TeamRecord> teams);

} // namespace velmora
