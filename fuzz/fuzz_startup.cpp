// Arbitrary data files through start-up: the main window with its hidden entries viewer
// and the league table, then both orderings of the league.

#include "check.h"
#include "data/types.h"
#include "main/main_window.h"
#include "season_input.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <algorithm>

using namespace velmora;

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    Messages::collect(true);
    fuzz::writeSeasonInput(data, size);
    const DataDir& dir = fuzz::folder();
    const QByteArray entries = fuzz::fileBytes(dir.entries());
    const qsizetype n = entries.size() / EntryRecord::Length;

    {
        Main window(dir);
        FUZZ_CHECK(window.loaded());
        // At least 16 rows, and three numbered empty rows below the last entry.
        const auto* league = window.findChild<FlexGrid*>(QStringLiteral("HiScores"));
        FUZZ_CHECK(league->rows() >= std::max<qsizetype>(16, n + 3));
        // The viewer shows every entry on two rows below its heading.
        FUZZ_CHECK(window.findChild<Team_Viewer*>()->grid()->rows() >= 2 * n + 1);

        // An ordering moves whole records only: the same records, the same tail.
        window.Sort_Points_Click();
        FUZZ_CHECK(recordsOf(fuzz::fileBytes(dir.entries())) == recordsOf(entries));
        window.Sort_Owner_Click();
        FUZZ_CHECK(recordsOf(fuzz::fileBytes(dir.entries())) == recordsOf(entries));
    }
    FUZZ_CHECK(Messages::collected().isEmpty());
    return 0;
}
