#include "main/league_order.h"

#include "data/codepage.h"
#include "data/record_file.h"

#include <algorithm>
#include <numeric>

namespace velmora {
namespace {

// The positions of the entries in league order.
std::vector<std::size_t> leagueOrder(const std::vector<EntryRecord>& entries, LeagueOrder order)
{
    std::vector<std::size_t> at(entries.size());
    std::iota(at.begin(), at.end(), std::size_t(0));
    if (order == LeagueOrder::ByPoints) {
        std::stable_sort(at.begin(), at.end(), [&entries](std::size_t a, std::size_t b) {
            return entries[a].Points > entries[b].Points;
        });
        return at;
    }
    // The owner key is the stored text field itself: QByteArray compares unsigned bytes, so
    // the padding blank sorts before every letter and 'Z' (0x5A) before 'a' (0x61).
    std::vector<QByteArray> keys;
    keys.reserve(entries.size());
    for (const EntryRecord& e : entries)
        keys.push_back(encode1252(e.Owner));
    std::stable_sort(at.begin(), at.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return at;
}

std::vector<EntryRecord> permuted(const std::vector<EntryRecord>& entries,
                                  const std::vector<std::size_t>& at)
{
    std::vector<EntryRecord> ordered;
    ordered.reserve(at.size());
    for (std::size_t i : at)
        ordered.push_back(entries[i]);
    return ordered;
}

} // namespace

void orderEntries(std::vector<EntryRecord>* entries, LeagueOrder order)
{
    *entries = permuted(*entries, leagueOrder(*entries, order));
}

bool orderEntryFile(const DataDir& dir, LeagueOrder order, std::vector<EntryRecord>* entries,
                    QString* error)
{
    QByteArray file;
    if (!readRecords(dir.entries(), entries, error, &file))
        return false;
    const std::vector<std::size_t> at = leagueOrder(*entries, order);
    if (std::is_sorted(at.begin(), at.end()))
        return true; // in order already: not written at all
    std::vector<EntryRecord> ordered = permuted(*entries, at);
    if (!rewriteFile(dir.entries(), dir.scratch(),
                     encodeRecords(ordered) + restOf<EntryRecord>(file), error))
        return false;
    *entries = std::move(ordered);
    return true;
}

} // namespace velmora
