#include "main/league_order.h"

#include "data/fields.h"
#include "data/io.h"
#include "data/record_file.h"
#include "data/types.h"

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

int16_t pointsOf(const char* record)
{
    return readInt16(record + EntryRecord::PointsAt);
}

} // namespace

QByteArray orderedEntryBytes(const QByteArray& records, LeagueOrder order)
{
    const int L = EntryRecord::Length;
    const qsizetype n = records.size() / L;
    std::vector<const char*> at;
    at.reserve(std::size_t(n));
    for (qsizetype i = 0; i < n; ++i)
        at.push_back(records.constData() + i * L);

    // The owner key is the stored text field itself: memcmp compares unsigned bytes, so
    // the padding blank sorts before every letter and 'Z' (0x5A) before 'a' (0x61).
    if (order == LeagueOrder::ByPoints)
        std::stable_sort(at.begin(), at.end(),
                         [](const char* a, const char* b) { return pointsOf(a) > pointsOf(b); });
    else
        std::stable_sort(at.begin(), at.end(), [](const char* a, const char* b) {
            return std::memcmp(a + EntryRecord::OwnerAt, b + EntryRecord::OwnerAt, TextFieldLength)
                   < 0;
        });

    QByteArray out;
    out.reserve(n * L);
    for (const char* r : at)
        out.append(r, L);
    return out;
}

bool orderEntryFile(const DataDir& dir, LeagueOrder order, QByteArray* records, QString* error)
{
    records->clear();
    QByteArray bytes;
    if (!io::readWholeFile(dir.entries(), &bytes, error))
        return false;

    const qsizetype whole = bytes.size() / EntryRecord::Length * EntryRecord::Length;
    const QByteArray current = bytes.left(whole);
    const QByteArray ordered = orderedEntryBytes(current, order);
    if (ordered == current) {
        *records = current;
        return true;
    }
    // A partial record at the end (never written by this program) stays where it was.
    const QByteArray contents = whole == bytes.size() ? ordered : ordered + bytes.mid(whole);
    if (!rewriteFile(dir.entries(), dir.scratch(), contents, error)) {
        *records = current;
        return false;
    }
    *records = ordered;
    return true;
}

} // namespace velmora
