#include "main/league_order.h"

#include "data/fields.h"
#include "data/io.h"
#include "data/record_file.h"

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

constexpr int kPointsOffset = 84;

int16_t pointsOf(const char* record) { return readInt16(record + kPointsOffset); }

std::vector<EntryRecord> decodeAll(const QByteArray& bytes)
{
    std::vector<EntryRecord> records;
    records.reserve(bytes.size() / EntryRecord::Length);
    for (qsizetype at = 0; at + EntryRecord::Length <= bytes.size(); at += EntryRecord::Length)
        records.push_back(EntryRecord::decode(bytes.constData() + at));
    return records;
}

}  // namespace

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
            return std::memcmp(a, b, TextFieldLength) < 0;
        });

    QByteArray out;
    out.reserve(n * L);
    for (const char* r : at)
        out.append(r, L);
    return out;
}

bool orderEntryFile(const DataDir& dir, LeagueOrder order, std::vector<EntryRecord>* entries,
                    QString* error)
{
    QByteArray records;
    const bool ok = orderEntryFile(dir, order, &records, error);
    *entries = decodeAll(records);
    return ok;
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

}  // namespace velmora
