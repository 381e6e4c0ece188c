#include "scoring/championship.h"

#include "data/record_file.h"
#include "data/text.h"
#include "scoring/component_points.h"

#include <QHash>

#include <limits>

namespace velmora {
namespace {

constexpr int kMin = std::numeric_limits<int16_t>::min();
constexpr int kMax = std::numeric_limits<int16_t>::max();

bool inRange(int value)
{
    return value >= kMin && value <= kMax;
}

QString beyond(int value)
{
    return value > kMax ? QStringLiteral("pass %1").arg(kMax)
                        : QStringLiteral("fall below %1").arg(kMin);
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text + QStringLiteral(" No scores were written.");
    return false;
}

// A database as read: its records, and its bytes, whose bytes after the last whole record
// are kept as they are.
template <class Record> struct Database {
    std::vector<Record> records;
    QByteArray file;

    bool read(const QString& path, QString* error)
    {
        return readRecords(path, &records, error, &file);
    }
    QByteArray bytes() const { return encodeRecords(records) + restOf<Record>(file); }
};

// The race files of a race, read once however often the calendar names it.
struct Race {
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> testDrivers;
};

const char* const kSlotKind[4] = {"team", "engine", "driver", "driver"};

// The first season total outside the 16-bit range, as a message; empty when all fit.
QString firstOverflow(const ComponentPoints& totals, const std::vector<TeamRecord>& teams,
                      const std::vector<TestDriverRecord>& testDrivers, const QString& race)
{
    for (std::size_t j = 0; j < totals.teams(); ++j)
        for (int s = 0; s < 4; ++s)
            if (!inRange(totals.team(j, s)))
                return QStringLiteral("The season score of %1 \"%2\" (team record %3) would %4 "
                                      "with race \"%5\".")
                    .arg(QLatin1String(kSlotKind[s]),
                         displayText(teams[j].components()[std::size_t(s)]->Name))
                    .arg(j + 1)
                    .arg(beyond(totals.team(j, s)), race);
    for (std::size_t j = 0; j < totals.testDrivers(); ++j)
        if (!inRange(totals.testDriver(j)))
            return QStringLiteral("The season score of test driver \"%1\" (test-driver record "
                                  "%2) would %3 with race \"%4\".")
                .arg(displayText(testDrivers[j].Name))
                .arg(j + 1)
                .arg(beyond(totals.testDriver(j)), race);
    return {};
}

} // namespace

bool recalculateChampionship(const DataDir& data, std::vector<EntryRecord>* entryRecords,
                             QString* error)
{
    std::vector<RaceName> calendar;
    Database<TeamRecord> teams;
    Database<TestDriverRecord> testDrivers;
    if (!readRecords(data.calendar(), &calendar, error) || !teams.read(data.teams(), error)
        || !testDrivers.read(data.testDrivers(), error))
        return false;

    // Everything is read and summed before anything is written.
    ComponentPoints totals(teams.records.size(), testDrivers.records.size());
    QHash<QString, Race> races;
    for (const RaceName& listed : calendar) {
        const QString name = displayText(listed.Name);
        const QString path = data.raceTeams(name);
        if (!races.contains(path)) {
            Race race;
            if (!readRecords(path, &race.teams, error)
                || !readRecords(data.raceTestDrivers(name), &race.testDrivers, error))
                return false;
            races.insert(path, std::move(race));
        }
        const Race& race = races[path];
        totals.addRace(race.teams, race.testDrivers);
        if (const QString overflow =
                firstOverflow(totals, teams.records, testDrivers.records, name);
            !overflow.isEmpty())
            return fail(error, overflow);
    }

    Database<EntryRecord> entries;
    if (!entries.read(data.entries(), error))
        return false;
    // What the three files held, to put back should one of them fail to be replaced.
    const QByteArray before[3] = {teams.file, testDrivers.file, entries.file};
    for (std::size_t i = 0; i < entries.records.size(); ++i) {
        EntryRecord& e = entries.records[i];
        int points = 0;
        for (const ComponentPoints::Pick& pick : totals.picks(e)) {
            points += pick.points;
            if (inRange(points))
                continue;
            const QString name = pick.slot < 0 ? testDrivers.records[std::size_t(pick.record)].Name
                                               : teams.records[std::size_t(pick.record)]
                                                     .components()[std::size_t(pick.slot)]
                                                     ->Name;
            return fail(error, QStringLiteral("The points of entry %1 (\"%2\") would %3 with its "
                                              "%4 \"%5\".")
                                   .arg(i + 1)
                                   .arg(displayText(e.Owner), beyond(points),
                                        QLatin1String(pick.what), displayText(name)));
        }
        e.Points = int16_t(points);
    }
    for (std::size_t j = 0; j < totals.teams(); ++j) {
        const auto parts = teams.records[j].components();
        for (int s = 0; s < 4; ++s)
            parts[std::size_t(s)]->Score = int16_t(totals.team(j, s));
    }
    for (std::size_t j = 0; j < totals.testDrivers(); ++j)
        testDrivers.records[j].Score = int16_t(totals.testDriver(j));

    // Every check has passed. The files are replaced all three or none: when one cannot be,
    // those already replaced get their old bytes back, so that the totals never count a race
    // the entries' points do not. A file whose bytes did not change is left alone.
    const QString paths[3] = {data.teams(), data.testDrivers(), data.entries()};
    const QByteArray after[3] = {teams.bytes(), testDrivers.bytes(), entries.bytes()};
    for (int k = 0; k < 3; ++k) {
        if (after[k] == before[k] || rewriteFile(paths[k], data.scratch(), after[k], error))
            continue;
        for (int j = 0; j < k; ++j) {
            QString restoreError;
            if (after[j] != before[j]
                && !rewriteFile(paths[j], data.scratch(), before[j], &restoreError) && error)
                *error += u'\n' + restoreError;
        }
        return false;
    }
    if (entryRecords)
        *entryRecords = std::move(entries.records);
    return true;
}

} // namespace velmora
