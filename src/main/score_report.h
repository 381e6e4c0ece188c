#pragma once

#include "data/league.h"

#include <QByteArray>
#include <QString>

namespace velmora {

// The score report, a Windows-1252 text with CR LF line ends, in three sections:
//  - the component table: every first driver, second driver, team and engine of
//    teams.tro with its season score and its score in each race of the calendar;
//  - "TEAMS": the full table of entries as the entries viewer shows it, one line per row
//    below its heading;
//  - "Championship": every entry's number, owner and points in file order.
// A race of the calendar whose team file is absent has no scores. Returns false, with the
// file and the reason in *error, when a data file cannot be read.
bool buildScoreReport(const League& league, QByteArray* report, QString* error);

// Writes the report to path in one step: the text goes to a scratch file beside it, which
// is flushed and then renamed over path. A failure leaves whatever path held before and
// no partial report.
bool writeScoreReport(const QString& path, const QByteArray& report, QString* error);

} // namespace velmora
