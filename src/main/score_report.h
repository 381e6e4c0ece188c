#pragma once

#include "data/data_dir.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace velmora {

// The score report, a Windows-1252 text with CR LF line ends, in three sections:
//  - the component table: every first driver, second driver, team and engine of
//    teams.tro with its season score and its score in each race of the calendar;
//  - "TEAMS": the entries viewer's grid as text, one line per row;
//  - "Championship": every entry's number, owner and points in file order.
// viewerRows holds the viewer grid's rows from 1 (below the heading) to the last, each
// with the texts of its columns from 1 on (the position column is not part of it).
// Reading the calendar creates an empty race team file for a race that has none.
// Returns false, with the file and the reason in *error, when a data file cannot be read.
bool buildScoreReport(const DataDir& dir, const std::vector<QStringList>& viewerRows,
                      QByteArray* report, QString* error);

// The same with the viewer grid's rows read one at a time, as the report reaches them:
// viewerRow(i) gives the i-th row below the heading (from 0), for i below viewerRowCount.
// A large grid is then never copied whole.
using ViewerRowReader = std::function<QStringList(int)>;
bool buildScoreReport(const DataDir& dir, int viewerRowCount, const ViewerRowReader& viewerRow,
                      QByteArray* report, QString* error);

// Writes the report to path in one step: the text goes to a scratch file beside it, which
// is flushed and then renamed over path. A failure leaves whatever path held before and
// no partial report.
bool writeScoreReport(const QString& path, const QByteArray& report, QString* error);

}  // namespace velmora
