// Arbitrary data files through the championship calculation: it either writes nothing
// and says why, or changes only the score bytes, and a second run changes nothing.

#include "check.h"
#include "data/types.h"
#include "scoring/championship.h"
#include "season_input.h"

#include <QFile>

using namespace velmora;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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
    return {bytesOf(dir.teams()), bytesOf(dir.testDrivers()), bytesOf(dir.entries())};
}

Files unscored(const Files& f)
{
    return {withoutScores(f.teams, TeamRecord::Length, {84, 170, 256, 342}),
            withoutScores(f.testDrivers, TestDriverRecord::Length, {82}),
            withoutScores(f.entries, EntryRecord::Length, {84})};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzz::writeSeasonInput(data, size);
    const DataDir& dir = fuzz::folder();
    const Files before = read(dir);

    std::vector<EntryRecord> rows;
    QString error;
    if (!RecalculateChampionship(dir, &rows, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(read(dir) == before);
        return 0;
    }
    const Files after = read(dir);
    FUZZ_CHECK(unscored(after) == unscored(before));
    FUZZ_CHECK(qsizetype(rows.size()) == after.entries.size() / EntryRecord::Length);

    std::vector<EntryRecord> again;
    FUZZ_CHECK(RecalculateChampionship(dir, &again, &error));
    FUZZ_CHECK(read(dir) == after);
    FUZZ_CHECK(again.size() == rows.size());
    return 0;
}
