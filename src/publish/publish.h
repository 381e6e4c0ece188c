#pragma once

#include "publish/season.h"

#include <QByteArray>
#include <QString>

namespace velmora {

struct PublishOptions {
    QString title = QStringLiteral("League standings");
    int top = 10; // owners drawn in colour in the chart
};

// The most owners the race-by-race table and the chart's own lines hold: a page must stay
// small enough for a phone. The league table always holds everyone, and standings.csv
// every figure of every owner.
constexpr int PageOwners = 500;

// index.html: one self-contained page (inline CSS and SVG, no script, nothing fetched),
// written as well-formed XML so that it reads the same as HTML and as XHTML. The same
// season gives the same bytes.
QByteArray seasonPage(const Season& season, const PublishOptions& options);

// The same figures for a spreadsheet: RFC 4180 (CR LF, fields with a comma, quote or line
// end quoted, quotes doubled), UTF-8, a header row.
QByteArray standingsCsv(const Season& season);
QByteArray componentsCsv(const Season& season);

// Reads the data folder (writing nothing there) and writes index.html, standings.csv and
// components.csv into the folder `out`, made when missing. Each file is replaced whole, in
// one step, so a reader never sees half of one. False, with the file or folder and the
// reason in *error, when the data cannot be read or the output cannot be written; nothing is
// written when the data cannot be read.
bool publishSeason(const League& league, const QString& out, const PublishOptions& options,
                   QString* error);

} // namespace velmora
