#pragma once

#include "data/data_dir.h"
#include "publish/season.h"
#include "publish/site.h"

#include <QByteArray>
#include <QString>

namespace velmora {

struct PublishOptions {
    QString title = QStringLiteral("League standings");
    int top = 10;        // owners drawn in colour in the chart
    QStringList history; // the league folders of earlier seasons, oldest first
    int wait = 60000;    // milliseconds another publication into the site is waited for
};

// The most owners the race-by-race table and the chart's own lines hold: a page must stay
// small enough for a phone. The league table always holds everyone, and standings.csv
// every figure of every owner.
constexpr int PageOwners = 500;

// index.html: one self-contained page (inline CSS and SVG, no script, nothing fetched),
// written as well-formed XML so that it reads the same as HTML and as XHTML; owner names link
// to their pages, and the corrections the memory holds are listed. The same season and
// memory give the same bytes. Every page of the site is made the same way.
QByteArray seasonPage(const Season& season, const PublishOptions& options,
                      const SiteLinks& links = {}, const SiteMemory& memory = {});

// The same figures for a spreadsheet: RFC 4180 (CR LF, fields with a comma, quote or line
// end quoted, quotes doubled), UTF-8 after a byte-order mark, a header row.
QByteArray standingsCsv(const Season& season);
QByteArray componentsCsv(const Season& season);

// Reads the data folder and the earlier seasons' (writing nothing there) and writes the site
// into the folder `out`, made when missing and refused where siteRefusal says, locked while it
// is written (another publication into it is waited for as the options say): index.html, a page per
// owner in owners/ (the pages of owners no longer in the league removed), seasons.html when there
// are earlier seasons, standings.csv, components.csv, and last published.txt, the site's memory
// with the corrections it recorded. Each file is replaced whole, in one step, so a reader never
// sees half of one; the pages, which can be made again, are flushed to disk once, with their
// folders; published.txt alone is flushed on its own. No file is written through a symbolic
// link or replaces one (owners/ itself is never a link followed), and scratch files are this
// run's own. False, with the file or folder and the
// reason in *error, when the data or published.txt cannot be read (published.txt is then
// left as it is) or the output cannot be written; nothing is written when something cannot
// be read.
bool publishSeason(const League& league, const QString& out, const PublishOptions& options,
                   QString* error);

} // namespace velmora
