#include "main/league_commands.h"

#include "main/score_report.h"
#include "toolkit/busy_cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/flex_grid.h"
#include "toolkit/league_table.h"

namespace velmora {

void orderLeagueTable(QWidget* parent, const DataDir& dir, FlexGrid* grid, LeagueOrder order)
{
    QString error;
    bool ok;
    {
        BusyCursor busy;
        QByteArray records;
        ok = orderEntryFile(dir, order, &records, &error);
        // After a failed rewrite the entries come back in the file's own order, which is
        // what the grid must show: its positions are record numbers.
        if (ok || !records.isEmpty())
            refillLeagueTable(grid, records);
        grid->setFocus();
    }
    if (!ok)
        Messages::error(parent, error);
}

QStringList viewerGridRow(FlexGrid* spread, int row)
{
    QStringList cells;
    cells.reserve(spread->cols() - 1);
    spread->setRow(row);
    for (int c = 1; c < spread->cols(); ++c) {
        spread->setCol(c);
        cells.append(spread->text());
    }
    return cells;
}

void outputScoreReport(QWidget* parent, const DataDir& dir, FlexGrid* spread)
{
    const QString path =
        SaveFileDialog::getSaveFileName(parent, QStringLiteral("Text Files|*.txt"));
    if (path.isEmpty())
        return;
    QString error;
    bool ok;
    {
        BusyCursor busy;
        QByteArray report;
        // Rows 1 to the last, read as the report reaches them.
        const auto row = [spread](int i) { return viewerGridRow(spread, i + 1); };
        ok = buildScoreReport(dir, spread->rows() - 1, row, &report, &error)
             && writeScoreReport(path, report, &error);
    }
    if (!ok)
        Messages::error(parent, error);
}

} // namespace velmora
