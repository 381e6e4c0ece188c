#pragma once

#include "data/data_dir.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace velmora {

// The score report, a Windows-1252 text with CR LF line ends, in three sections:
//  - the component table: every first driver, second driver, team and engine of
//    teams.tro with its season score and its score in each race of the calendar;
//  - "TEAMS": the entries viewer's grid as text, one line per row;
//  - "Championship": every entry's number, owner and points in file order.
// viewerRow(i) gives the entries viewer grid's row i + 1 (the rows below its heading, for i
// below viewerRowCount), the texts of its columns from 1 on (the position column is not part
// of it); the rows are read one at a time, as the report reaches them, so that a large grid
// is never copied whole. Reading the calendar creates an empty race team file for a race
// that has none. Returns false, with the file and the reason in *error, when a data file
// cannot be read.
using ViewerRowReader = std::function<QStringList(int)>;
bool buildScoreReport(const DataDir& dir, int viewerRowCount, const ViewerRowReader& viewerRow,
                      QByteArray* report, QString* error);

// Writes the report to path in one step: the text goes to a scratch file beside it, which
// is flushed and then renamed over path. A failure leaves whatever path held before and
// no partial report.
bool writeScoreReport(const QString& path, const QByteArray& report, QString* error);

} // namespace velmora
