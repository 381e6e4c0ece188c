// Arbitrary data files through the championship calculation: it either writes nothing
// and says why, or changes only the score bytes, and a second run changes nothing.

#include "check.h"
#include "data/types.h"
#include "scoring/championship.h"
#include "season_input.h"

using namespace velmora;

namespace {

// The file with the 16-bit fields at the given offsets of every whole record zeroed.
QByteArray withoutScores(QByteArray bytes, int length, std::initializer_list<int> offsets)
{
    for (qsizetype at = 0; at + length <= bytes.size(); at += length)
        for (int o : offsets)
            bytes[at + o] = bytes[at + o + 1] = 0;
    return bytes;
}

struct Files {
    QByteArray teams, testDrivers, entries;
    bool operator==(const Files&) const = default;
};

Files read(const DataDir& dir)
{
    return {fuzz::fileBytes(dir.teams()), fuzz::fileBytes(dir.testDrivers()),
            fuzz::fileBytes(dir.entries())};
}

Files unscored(const Files& f)
{
    return {withoutScores(f.teams, TeamRecord::Length,
                          {TeamRecord::scoreAt(0), TeamRecord::scoreAt(1), TeamRecord::scoreAt(2),
                           TeamRecord::scoreAt(3)}),
            withoutScores(f.testDrivers, TestDriverRecord::Length, {TestDriverRecord::ScoreAt}),
            withoutScores(f.entries, EntryRecord::Length, {EntryRecord::PointsAt})};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzz::writeSeasonInput(data, size);
    const DataDir& dir = fuzz::folder();
    const Files before = read(dir);

    QByteArray entries;
    QString error;
    if (!RecalculateChampionship(dir, &entries, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(read(dir) == before);
        return 0;
    }
    const Files after = read(dir);
    FUZZ_CHECK(unscored(after) == unscored(before));
    FUZZ_CHECK(after.entries.startsWith(entries));
    FUZZ_CHECK(entries.size() % EntryRecord::Length == 0);

    QByteArray again;
    FUZZ_CHECK(RecalculateChampionship(dir, &again, &error));
    FUZZ_CHECK(read(dir) == after);
    FUZZ_CHECK(again == entries);
    return 0;
}
