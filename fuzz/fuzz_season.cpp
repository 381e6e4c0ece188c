// Arbitrary data files through everything that reads them whole: start-up (the league table
// and the hidden entries viewer), both orderings, the score report and the championship.
// An input is a run of chunks: a byte naming the file (0 teams, 1 test drivers, 2 entries,
// 3 calendar, 4 + 8r and 5 + 8r the race files of calendar race r), two bytes of length
// (little-endian), the file's bytes.
#include "data/text.h"
#include "data/types.h"
#include "fixture.h"
#include "fuzz.h"
#include "main/league_commands.h"
#include "main/main_window.h"
#include "main/score_report.h"
#include "scoring/championship.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/entries_viewer.h"

#include <QApplication>
#include <QDir>

#include <algorithm>

using namespace velmora;
using namespace velmora::test;

namespace {

// The data folder, emptied and filled from the input; in memory where the system has it.
const DataDir& folderOf(const uint8_t* data, std::size_t size)
{
    static QTemporaryDir tmp((QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath())
                             + QStringLiteral("/velmora-fuzz-XXXXXX"));
    static const DataDir dir(tmp.path());
    QDir d(dir.path());
    for (const QString& name : d.entryList(QDir::Files | QDir::Hidden))
        d.remove(name);
    QMap<int, QByteArray> files;
    for (std::size_t at = 0; at + 3 <= size;) {
        const std::size_t n =
            std::min<std::size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        files[data[at]] = QByteArray(reinterpret_cast<const char*>(data + at + 3), qsizetype(n));
        at += 3 + n;
    }
    const QByteArray calendar = files.value(3);
    QMap<QString, QByteArray> paths = {{dir.teams(), files.value(0)},
                                       {dir.testDrivers(), files.value(1)},
                                       {dir.entries(), files.value(2)},
                                       {dir.calendar(), calendar}};
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const int race = it.key() / 8, kind = it.key() % 8;
        if ((kind == 4 || kind == 5) && (race + 1) * RaceName::Length <= calendar.size()) {
            const QString name =
                displayText(RaceName::decode(calendar.constData() + race * RaceName::Length).Name);
            paths[kind == 4 ? dir.raceTeams(name) : dir.raceTestDrivers(name)] = *it;
        }
    }
    for (auto it = paths.cbegin(); it != paths.cend(); ++it)
        writeBytes(it.key(), *it);
    return dir;
}

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

void throughTheWindows(const DataDir& dir)
{
    const QByteArray entries = readBytes(dir.entries());
    const qsizetype n = entries.size() / EntryRecord::Length;
    MainWindow window(dir);
    CHECK(window.loaded());
    // At least 16 rows, three numbered empty ones below the last entry; the viewer shows
    // every entry on two rows below its heading.
    CHECK(window.findChild<FlexGrid*>(QStringLiteral("HiScores"))->rows()
          >= std::max<qsizetype>(16, n + 3));
    FlexGrid* spread = window.findChild<EntriesViewer*>()->grid();
    CHECK(spread->rows() >= 2 * n + 1);
    // An ordering moves whole records only: the same records, the same tail.
    window.Sort_Points_Click();
    CHECK(recordsOf(readBytes(dir.entries())) == recordsOf(entries));
    window.Sort_Owner_Click();
    CHECK(recordsOf(readBytes(dir.entries())) == recordsOf(entries));
    // The report: one championship line per whole entry at least.
    QByteArray report;
    QString error;
    const auto row = [spread](int i) { return viewerGridRow(spread, i + 1); };
    CHECK(buildScoreReport(dir, spread->rows() - 1, row, &report, &error));
    CHECK(report.mid(report.lastIndexOf("\r\nChampionship\r\n")).count("\r\n") >= n + 2);
}

// The calculation either writes nothing and says why, or changes only the score bytes, and
// a second run changes nothing.
void championship(const DataDir& dir)
{
    const QList<QByteArray> before = calculatedFiles(dir), unscored = calculatedFiles(dir, false);
    QByteArray entries, again;
    QString error;
    if (!recalculateChampionship(dir, &entries, &error)) {
        CHECK(!error.isEmpty() && calculatedFiles(dir) == before);
        return;
    }
    const QList<QByteArray> after = calculatedFiles(dir);
    CHECK(calculatedFiles(dir, false) == unscored && after[2].startsWith(entries));
    CHECK(recalculateChampionship(dir, &again, &error) && calculatedFiles(dir) == after
          && again == entries);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // Never destroyed: libFuzzer ends the process with exit(), among whose handlers a
    // QApplication being torn down outlives what it needs.
    static int argc = 1;
    static char name[] = "velmora-fuzz";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    Messages::collect(true);
    const DataDir& dir = folderOf(data, size);
    throughTheWindows(dir);
    championship(dir);
    CHECK(Messages::collected().isEmpty());
    return 0;
}
