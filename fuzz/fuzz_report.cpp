// Arbitrary data files through the score report: the entries viewer's grid as its TEAMS
// section, built and written to a file, which then holds exactly the report.

#include "check.h"
#include "data/types.h"
#include "main/league_commands.h"
#include "main/score_report.h"
#include "season_input.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "viewer/team_viewer.h"

#include <QFile>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    fuzz::writeSeasonInput(data, size);
    const DataDir& dir = fuzz::folder();

    Team_Viewer viewer(dir);
    FUZZ_CHECK(viewer.loadError().isEmpty());
    QByteArray report;
    QString error;
    FlexGrid* spread = viewer.grid();
    const auto row = [spread](int i) { return viewerGridRow(spread, i + 1); };
    FUZZ_CHECK(buildScoreReport(dir, spread->rows() - 1, row, &report, &error));
    FUZZ_CHECK(report.contains("\r\nTEAMS\r\n") && report.contains("\r\nChampionship\r\n"));
    // One championship line per whole entry.
    QFile entries(dir.entries());
    const qsizetype n = entries.size() / EntryRecord::Length;
    const QByteArray championship = report.mid(report.lastIndexOf("\r\nChampionship\r\n"));
    FUZZ_CHECK(championship.count("\r\n") >= n + 2);

    const QString path = dir.file(QStringLiteral("report.txt"));
    FUZZ_CHECK(writeScoreReport(path, report, &error));
    QFile written(path);
    FUZZ_CHECK(written.open(QIODevice::ReadOnly) && written.readAll() == report);
    return 0;
}
