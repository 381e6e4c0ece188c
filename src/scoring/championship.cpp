#include "scoring/championship.h"

#include "data/fields.h"
#include "data/io.h"
#include "data/record_file.h"
#include "data/text.h"
#include "data/types.h"
#include "scoring/race_points.h"

#include <QHash>

#include <cstdint>
#include <limits>

namespace velmora {
namespace {

constexpr int kMin = std::numeric_limits<int16_t>::min();
constexpr int kMax = std::numeric_limits<int16_t>::max();

const char* const kSlotKind[4] = {"team", "engine", "driver", "driver"};

QString nameAt(const QByteArray& bytes, qint64 offset)
{
    return displayText(RaceName::decode(bytes.constData() + offset).Name);
}

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

// The season totals of one database, summed in 32 bits so that leaving the 16-bit range
// is seen rather than wrapped.
struct Totals {
    int recordLength;
    std::vector<int> scoreOffsets;
    qint64 count;
    std::vector<int> sums;

    Totals(const QByteArray& database, int length, std::vector<int> offsets)
        : recordLength(length), scoreOffsets(std::move(offsets)), count(database.size() / length),
          sums(std::size_t(count) * scoreOffsets.size(), 0)
    {
    }

    int& sum(qint64 record0, std::size_t field)
    {
        return sums[std::size_t(record0) * scoreOffsets.size() + field];
    }

    // Adds one race's points (laid out as the sums); returns the first (record, field)
    // whose total leaves the range, or record -1.
    std::pair<qint64, std::size_t> add(const std::vector<int>& race)
    {
        for (std::size_t i = 0; i < sums.size(); ++i) {
            sums[i] += race[i];
            if (!inRange(sums[i]))
                return {qint64(i / scoreOffsets.size()), i % scoreOffsets.size()};
        }
        return {-1, 0};
    }

    // Puts every total into its score field; true when any field changed.
    bool apply(QByteArray* bytes) const
    {
        bool changed = false;
        char* data = bytes->data();
        for (qint64 j = 0; j < count; ++j)
            for (std::size_t f = 0; f < scoreOffsets.size(); ++f) {
                char* at = data + j * recordLength + scoreOffsets[f];
                const int total = sums[std::size_t(j) * scoreOffsets.size() + f];
                changed |= readInt16(at) != total;
                writeInt16(at, total);
            }
        return changed;
    }
};

class Run {
public:
    Run(const DataDir& data, QString* error) : data_(data), error_(error) {}

    bool read(const QString& path, QByteArray* bytes)
    {
        return io::readWholeFile(path, bytes, error_);
    }

    // A race file's bytes, read once however often the calendar names the race. They are
    // handed out as a (shared) copy: a pointer into the cache would not survive the next
    // insertion.
    bool raceFile(const QString& path, QByteArray* bytes)
    {
        const auto it = races_.constFind(path);
        if (it != races_.cend()) {
            *bytes = it.value();
            return true;
        }
        if (!read(path, bytes))
            return false;
        races_.insert(path, *bytes);
        return true;
    }

    // A file whose bytes did not change is left alone.
    bool replace(const QString& path, const QByteArray& bytes, bool changed, QString* error)
    {
        return !changed || rewriteFile(path, data_.scratch(), bytes, error);
    }

private:
    const DataDir& data_;
    QString* error_;
    QHash<QString, QByteArray> races_;
};

} // namespace

bool RecalculateChampionship(const DataDir& data, QByteArray* entryFile, QString* error)
{
    Run run(data, error);
    QByteArray calendar, teams, testDrivers, entries;
    if (!run.read(data.calendar(), &calendar) || !run.read(data.teams(), &teams)
        || !run.read(data.testDrivers(), &testDrivers))
        return false;

    Totals teamTotals(teams, TeamRecord::Length,
                      {TeamRecord::scoreAt(0), TeamRecord::scoreAt(1), TeamRecord::scoreAt(2),
                       TeamRecord::scoreAt(3)});
    Totals testTotals(testDrivers, TestDriverRecord::Length, {TestDriverRecord::ScoreAt});

    const qint64 races = calendar.size() / RaceName::Length;
    for (qint64 r = 0; r < races; ++r) {
        const QString race = nameAt(calendar, r * RaceName::Length);
        QByteArray raceTeams, raceTestDrivers;
        if (!run.raceFile(data.raceTeams(race), &raceTeams)
            || !run.raceFile(data.raceTestDrivers(race), &raceTestDrivers))
            return false;

        const ComponentScores points =
            raceScores(raceTeams, raceTestDrivers, teamTotals.count, testTotals.count);
        if (const auto [j, f] = teamTotals.add(points.teams); j >= 0) {
            return fail(error,
                        QStringLiteral("The season score of %1 \"%2\" (team record %3) "
                                       "would %4 with race \"%5\".")
                            .arg(QString::fromLatin1(kSlotKind[f]),
                                 nameAt(teams, j * TeamRecord::Length + TeamRecord::SlotAt[f]))
                            .arg(j + 1)
                            .arg(beyond(teamTotals.sum(j, f)), race));
        }
        if (const auto [j, f] = testTotals.add(points.testDrivers); j >= 0) {
            return fail(error, QStringLiteral("The season score of test driver \"%1\" "
                                              "(test-driver record %2) would %3 with race \"%4\".")
                                   .arg(nameAt(testDrivers, j * TestDriverRecord::Length))
                                   .arg(j + 1)
                                   .arg(beyond(testTotals.sum(j, f)), race));
        }
    }

    if (!run.read(data.entries(), &entries))
        return false;
    // What the three files held, to put back should one of them fail to be replaced.
    const QByteArray before[3] = {teams, testDrivers, entries};
    bool entriesChanged = false;
    const qint64 entryCount = entries.size() / EntryRecord::Length;
    const ComponentScores totals{teamTotals.sums, testTotals.sums};
    const char* const what[5] = {"team", "engine", "test driver", "first driver", "second driver"};
    const auto nameOf = [&](const Pick& pick) {
        return pick.testDriver ? nameAt(testDrivers, pick.record() * TestDriverRecord::Length)
                               : nameAt(teams, pick.record() * TeamRecord::Length
                                                   + TeamRecord::SlotAt[pick.slot()]);
    };

    for (qint64 i = 0; i < entryCount; ++i) {
        char* rec = entries.data() + i * EntryRecord::Length;
        const EntryPicks picks = entryPicks(rec, teamTotals.count, testTotals.count);
        Overflow over;
        const int points = entryPoints(totals, picks, &over);
        if (over.pick >= 0)
            return fail(error, QStringLiteral("The points of entry %1 (\"%2\") would %3 "
                                              "with its %4 \"%5\".")
                                   .arg(i + 1)
                                   .arg(nameAt(entries, i * EntryRecord::Length), beyond(over.sum),
                                        QString::fromLatin1(what[over.pick]),
                                        nameOf(picks[std::size_t(over.pick)])));
        entriesChanged |= readInt16(rec + EntryRecord::PointsAt) != points;
        writeInt16(rec + EntryRecord::PointsAt, int16_t(points));
    }

    // Every check has passed: the totals go into the bytes read, and the files are replaced,
    // all three or none: when one cannot be, those already replaced get their old bytes back,
    // so that the totals never count a race the entries' points do not.
    const bool teamsChanged = teamTotals.apply(&teams);
    const bool testDriversChanged = testTotals.apply(&testDrivers);
    const QString paths[3] = {data.teams(), data.testDrivers(), data.entries()};
    const QByteArray* after[3] = {&teams, &testDrivers, &entries};
    const bool changed[3] = {teamsChanged, testDriversChanged, entriesChanged};
    for (int k = 0; k < 3; ++k) {
        if (run.replace(paths[k], *after[k], changed[k], error))
            continue;
        for (int j = 0; j < k; ++j) {
            QString restoreError;
            if (!run.replace(paths[j], before[j], changed[j], &restoreError) && error)
                *error += u'\n' + restoreError;
        }
        return false;
    }
    if (entryFile)
        *entryFile = entries.left(entryCount * EntryRecord::Length);
    return true;
}

} // namespace velmora
