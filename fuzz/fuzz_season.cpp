// Arbitrary data files (season_folder.h) through what reads them whole, on the core alone:
// start-up's reading for the two tables, both orderings, the score report, the championship
// with the decisions record, which is written back as it reads.
// Where the league holds links, any of these may refuse (saying why), but nothing outside the
// league ever changes.
#include "data/decisions.h"
#include "fuzz.h"
#include "main/score_report.h"
#include "scoring/championship.h"
#include "season_folder.h"
#include "viewer/lookups.h"

#include <algorithm>

using namespace velmora;
using namespace velmora::test;

namespace {

// The whole records of an entry file, sorted, and the bytes after them.
std::pair<std::vector<QByteArray>, QByteArray> recordsOf(const QByteArray& file)
{
    std::vector<QByteArray> records;
    const qsizetype whole = file.size() / EntryRecord::Length * EntryRecord::Length;
    for (qsizetype at = 0; at < whole; at += EntryRecord::Length)
        records.push_back(file.mid(at, EntryRecord::Length));
    std::sort(records.begin(), records.end());
    return {records, file.mid(whole)};
}

void tablesOrderingsAndReport(League& league, bool linked)
{
    const DataDir& dir = league.dir();
    const QByteArray entryFile = readBytes(dir.entries());
    const auto entryRecords = recordsOf(entryFile);
    const qsizetype n = entryFile.size() / EntryRecord::Length;
    // Start-up's reading: every entry on two rows of the full table, below its heading.
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> testDrivers;
    std::vector<EntryRecord> entries;
    QString error;
    if (!league.read(LeagueFile::Teams, &teams, &error)
        || !league.read(LeagueFile::TestDrivers, &testDrivers, &error)
        || !league.read(LeagueFile::Entries, &entries, &error)) {
        CHECK(linked && !error.isEmpty());
        return;
    }
    CHECK(linked || qsizetype(entries.size()) == n);
    const LookupLists lists(teams, testDrivers);
    CHECK(LookupLists::rowCount(n) >= 2 * n + 3);
    for (const EntryRecord& e : entries)
        CHECK(lists.namesRow(e)[0] == displayText(e.Owner) && !lists.scoresRow(e)[0].isEmpty());
    // An ordering moves whole records only: the same records, the same tail.
    for (const LeagueOrder order : {LeagueOrder::ByPoints, LeagueOrder::ByOwner}) {
        CHECK(league.orderEntries(order, &error) || (linked && !error.isEmpty()));
        CHECK(recordsOf(readBytes(dir.entries())) == entryRecords);
    }
    // The report: the full table's rows, and one championship line per whole entry at least.
    QByteArray report;
    if (!buildScoreReport(league, &report, &error)) {
        CHECK(linked && !error.isEmpty());
        return;
    }
    const qsizetype teamsAt = report.indexOf("\r\nTEAMS\r\n"),
                    championshipAt = report.lastIndexOf("\r\nChampionship\r\n");
    CHECK(report.mid(teamsAt, championshipAt - teamsAt).count("\r\n")
          >= LookupLists::rowCount(n) + 3);
    CHECK(report.mid(championshipAt).count("\r\n") >= n + 2);
}

// The calculation writes nothing and says why, or changes score bytes only; again, nothing.
void championship(League& league)
{
    const QList<QByteArray> before = calculatedFiles(league.dir());
    QString error;
    if (!recalculateChampionship(league, &error)) {
        CHECK(!error.isEmpty() && calculatedFiles(league.dir()) == before);
        return;
    }
    const QList<QByteArray> after = calculatedFiles(league.dir());
    CHECK(withoutScores(after) == withoutScores(before));
    CHECK(recalculateChampionship(league, &error) && calculatedFiles(league.dir()) == after);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const auto league = openLeague(folderOf(nullptr, 0));
    const FolderState before = folderState(folderOf(data, size));
    tablesOrderingsAndReport(*league, !chunksOf(data, size).value(14).isEmpty());
    championship(*league);
    Decisions read, again;
    if (readDecisions(*league, &read, nullptr))
        CHECK(Decisions::parse(read.text(), {}, &again, nullptr) && again.text() == read.text()
              && again.list.size() == read.list.size());
    // Reading makes no file: a race of the calendar without race files stays without them.
    CHECK(folderState(league->dir()).keys() == before.keys());
    CHECK(outsideUntouched());
    return 0;
}
