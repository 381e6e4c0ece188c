// The parts of the site beside the season's own page: a page per owner, the corrections found
// between publications (and the memory of what was published they are found against), and
// the page of the seasons before.
#pragma once

#include "publish/season.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

namespace velmora {

struct PublishOptions;

// A component's points in a race that changed after they were published, or a decision (a
// transfer, penalty or bonus, made or taken back) the publication before did not know.
struct Correction {
    int publication = 0; // the publication that found it
    // A decision's kind is "Transfer", "Penalty" or "Bonus" (" taken back" after it), its
    // component what it did ("10 points, late entry"), its before and after the owner's points
    // without it and with it (taken back: with it and without).
    QString race, kind, component;
    int before = 0, after = 0;
    QStringList owners; // who chose the component (a decision's owner): whose points it moved,
                        // in league order
    QStringList moved;  // whose place in the league table it changed, in league order

    bool isDecision() const;
};
// What a correction corrected, as the page says it: "Race driver Bo Kim", "Penalty: 10 points,
// late entry".
QString correctionText(const Correction& correction);

// What a site remembers in published.txt: the publication count, every correction recorded,
// and the results last published (every component's points in each race, each race once, by
// name, and the decisions then made, each as its line of the decisions record says it but for
// the race's number). The count goes up only when the results change, so publishing the same
// files again changes no byte of the site.
struct SiteMemory {
    int publication = 0;                 // 0: nothing published yet
    std::vector<Correction> corrections; // in the order found
    int teams = 0, testDrivers = 0;      // the components: four per team record, test drivers
    std::vector<std::pair<QString, std::vector<int>>> races;
    QStringList decisions; // in the order made, their fields apart by tabs
};

// The memory as published.txt holds it: UTF-8 lines of tab-separated fields (no shown text
// holds a tab or a line end), a correction a line, each race a line.
QByteArray memoryText(const SiteMemory& memory);
// False, with the line that is not as memoryText writes it in *line, for any other bytes.
bool parseMemory(const QByteArray& text, SiteMemory* memory, int* line);

// The memory after publishing `season`: the same results keep the count; other results are
// the next publication, with a correction for each component whose points in a race already
// published differ, and for each decision the memory does not hold (one made or taken back
// since). A race out of the calendar or new to it is none, and neither is a race published
// before any of its points were typed (all zero).
SiteMemory nextMemory(const SiteMemory& before, const Season& season);

// "Chassis", "Engine maker", "Race driver", "Test driver".
QString kindText(ComponentRow::Kind kind);

// A place of an entry as the pages name it: "chassis", "engine maker", "first race driver",
// "second race driver", "test driver".
QString placeText(Pick::Slot place);
// A transfer, penalty or bonus as the pages tell it: "Penalty of 10 points", "Transfer of the
// first race driver: Ann Lee → Flo Gil"; one taken back says so.
QString decisionText(const Season& season, const Decision& decision);
// A page's list of decisions, newest first (the season's, or one owner's): the race each counts
// from or in, the owner (with `ownerLink` writing it, none: no owner column), what it is and its
// reason.
class Html;
void decisionTable(Html& h, const Season& season, const std::vector<const Season::Decided*>& rows,
                   const std::function<void(std::size_t)>& ownerLink);

// Where the index links to.
struct SiteLinks {
    std::vector<QString> owners; // owner o's page from the site's folder; none: names plain
    bool seasons = false;        // a page of the seasons before
};

// Owner o's page from the site's folder: "owners/" + the name's letters and digits, a dash and
// eight letters and digits worked out from the whole name (so that "Alan", "alan" and "Alán"
// differ), ".html"; for an owner whose name another owner also has, "-2", "-3" before
// ".html" in the order of their picks (then of the entry file). So an owner keeps the address
// while the name stays, whatever order the entry file is in.
std::vector<QString> ownerAddresses(const Season& season);
// A file name in owners/ that this program writes (or its scratch file).
bool isOwnerPageName(const QString& fileName);

// What every owner's page shares, worked out once for them all: every owner's position after
// each race, the points after the last race, and where the position chart draws them.
class Standings {
public:
    explicit Standings(const Season& season);
    int position(std::size_t owner, int race) const { return at_[std::size_t(race) * n_ + owner]; }
    // Points after the last race, most first.
    const std::vector<qint64>& finalPoints() const { return final_; }

    // The chart: its left edge, the coordinate of race r (0-based) and of position p.
    static constexpr double Width = 640, Height = 200, Right = 14, Top = 14, Bottom = 40;
    double left() const { return left_; }
    const QString& x(int race) const { return x_[std::size_t(race)]; }
    const QString& y(int position) const { return y_[std::size_t(position)]; }

private:
    std::size_t n_;
    std::vector<int> at_;
    std::vector<qint64> final_;
    double left_;
    std::vector<QString> x_, y_;
};

QByteArray ownerPage(const Season& season, const Standings& standings, std::size_t owner,
                     const PublishOptions& options, const SiteLinks& links);

// An earlier season: its league folder's name and what its files hold.
struct EarlierSeason {
    QString name;
    Season season;
};

// seasons.html: every earlier season (newest first, `earlier` being oldest first) with its
// champion, podium and final table, and the all-time table of every owner name.
QByteArray seasonsPage(const Season& current, const std::vector<EarlierSeason>& earlier,
                       const PublishOptions& options);

} // namespace velmora
