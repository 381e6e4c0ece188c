#include "scoring/race_points.h"

#include "data/fields.h"
#include "data/types.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace velmora {
namespace {

// Adds the score fields of a race file's first records into `into`, `fields` per record.
void addScores(const QByteArray& race, int recordLength, const int* scoreAt, std::size_t fields,
               std::vector<int>* into)
{
    const qint64 n = std::min<qint64>(race.size() / recordLength, qint64(into->size() / fields));
    for (qint64 j = 0; j < n; ++j) {
        const char* rec = race.constData() + j * recordLength;
        for (std::size_t f = 0; f < fields; ++f)
            (*into)[std::size_t(j) * fields + f] = readInt16(rec + scoreAt[f]);
    }
}

} // namespace

ComponentScores raceScores(const QByteArray& raceTeams, const QByteArray& raceTestDrivers,
                           qint64 teamCount, qint64 testDriverCount)
{
    static constexpr int teamScores[4] = {TeamRecord::scoreAt(0), TeamRecord::scoreAt(1),
                                          TeamRecord::scoreAt(2), TeamRecord::scoreAt(3)};
    static constexpr int testScore[1] = {TestDriverRecord::ScoreAt};
    ComponentScores scores{std::vector<int>(std::size_t(std::max<qint64>(teamCount, 0)) * 4, 0),
                           std::vector<int>(std::size_t(std::max<qint64>(testDriverCount, 0)), 0)};
    addScores(raceTeams, TeamRecord::Length, teamScores, 4, &scores.teams);
    addScores(raceTestDrivers, TestDriverRecord::Length, testScore, 1, &scores.testDrivers);
    return scores;
}

EntryPicks entryPicks(const char* entryRecord, qint64 teamCount, qint64 testDriverCount)
{
    const auto slotOf = [teamCount](int record0, int slot) {
        return record0 >= 0 && record0 < teamCount ? Pick{false, qint64(record0) * 4 + slot}
                                                   : Pick{};
    };
    // Driver-list position d: two drivers per team record, Driver1 before Driver2.
    const auto driver = [&](int d) { return d < 0 ? Pick{} : slotOf(d / 2, 2 + d % 2); };
    const int test = readInt16(entryRecord + EntryRecord::TestDriverIndexAt);
    return {slotOf(readInt16(entryRecord + EntryRecord::TeamIndexAt), 0),
            slotOf(readInt16(entryRecord + EntryRecord::EngineIndexAt), 1),
            test >= 0 && test < testDriverCount ? Pick{true, test} : Pick{},
            driver(readInt16(entryRecord + EntryRecord::Driver1IndexAt)),
            driver(readInt16(entryRecord + EntryRecord::Driver2IndexAt))};
}

int entryPoints(const ComponentScores& scores, const EntryPicks& picks, Overflow* overflow)
{
    if (overflow)
        *overflow = {};
    int points = 0;
    for (std::size_t k = 0; k < picks.size(); ++k) {
        points += pointsOf(scores, picks[k]);
        if (overflow && overflow->pick < 0
            && (points > std::numeric_limits<int16_t>::max()
                || points < std::numeric_limits<int16_t>::min()))
            *overflow = {int(k), points};
    }
    return points;
}

} // namespace velmora
