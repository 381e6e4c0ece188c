#include "publish/html.h"
#include "publish/publish.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace velmora {
namespace {

// One owner name over the seasons.
struct AllTime {
    QString name, folded;
    int seasons = 0, titles = 0, podiums = 0;
    int best = 0; // the best final place; 0: no finished season
    qint64 points = 0;
};

// The all-time table: every owner name, most points first. A season counts once for a name
// entered twice in it, by that name's better-placed entry; the season under way counts as
// played and for its points, but a place in it is not final, so no title, podium or best
// place.
std::vector<AllTime> allTime(const Season& current, const std::vector<EarlierSeason>& earlier)
{
    std::vector<AllTime> rows;
    QHash<QString, std::size_t> row;
    const auto add = [&](const Season& season, bool finished) {
        // A season with no race scored was played by no one: its owners are listed, with no
        // season counted.
        const int played = season.raceCount() > 0;
        QSet<QString> seen;
        for (const LeagueRow& r : season.table) { // best first
            const QString& name = season.owners[r.owner].name;
            if (seen.contains(name))
                continue;
            seen.insert(name);
            if (!row.contains(name)) {
                row.insert(name, rows.size());
                rows.push_back({name, name.toCaseFolded()});
            }
            AllTime& a = rows[row.value(name)];
            a.seasons += played;
            a.points += r.points;
            if (!finished || season.raceCount() == 0)
                continue;
            a.titles += r.position == 1;
            a.podiums += r.position <= 3;
            a.best = a.best == 0 ? r.position : std::min(a.best, r.position);
        }
    };
    for (const EarlierSeason& e : earlier)
        add(e.season, true);
    add(current, false);
    std::sort(rows.begin(), rows.end(), [](const AllTime& a, const AllTime& b) {
        if (a.points != b.points)
            return a.points > b.points;
        if (a.titles != b.titles)
            return a.titles > b.titles;
        if (a.podiums != b.podiums)
            return a.podiums > b.podiums;
        if (const int c = a.folded.compare(b.folded))
            return c < 0;
        return a.name < b.name;
    });
    return rows;
}

class SeasonsPageWriter {
public:
    SeasonsPageWriter(const Season& current, const std::vector<EarlierSeason>& earlier,
                      const PublishOptions& options)
        : current_(current), earlier_(earlier), options_(options)
    {
    }

    QByteArray write()
    {
        const QString league = shownText(options_.title);
        h_.begin(QStringLiteral("Seasons \u00B7 ") + league, {});
        h_.open(QStringLiteral("header"));
        h_.open(QStringLiteral("nav"));
        h_.link(QStringLiteral("index.html"), league);
        h_.close();
        h_.element(QStringLiteral("h1"), QStringLiteral("Seasons"));
        h_.element(QStringLiteral("p"),
                   QStringLiteral("The all-time table and the %1 before this one, the latest "
                                  "first.")
                       .arg(counted(qint64(earlier_.size()), "season", "seasons")),
                   QStringLiteral("sub"));
        h_.close();
        h_.open(QStringLiteral("main"));
        allTimeTable();
        for (std::size_t i = earlier_.size(); i-- > 0;)
            season(i);
        h_.close();
        return h_.end();
    }

private:
    void allTimeTable()
    {
        h_.section(QStringLiteral("all-time"), QStringLiteral("All-time table"));
        h_.table(QStringLiteral("all-time-table"),
                 {QStringLiteral("Pos"), QStringLiteral("Owner"), QStringLiteral("Seasons"),
                  QStringLiteral("Titles"), QStringLiteral("Podiums"), QStringLiteral("Points"),
                  QStringLiteral("Best place")},
                 {1});
        const std::vector<AllTime> rows = allTime(current_, earlier_);
        for (std::size_t i = 0, position = 1; i < rows.size(); ++i) {
            const AllTime& a = rows[i];
            if (i > 0 && rows[i - 1].points != a.points)
                position = i + 1;
            h_.open(QStringLiteral("tr"));
            h_.element(QStringLiteral("td"), number(qint64(position)));
            h_.element(QStringLiteral("td"), a.name, QStringLiteral("name"));
            for (const qint64 n :
                 {qint64(a.seasons), qint64(a.titles), qint64(a.podiums), a.points})
                h_.element(QStringLiteral("td"), number(n));
            h_.element(QStringLiteral("td"), a.best ? number(a.best) : QStringLiteral("\u2013"));
            h_.close();
            h_.newline();
        }
        h_.endTable();
        h_.element(QStringLiteral("p"),
                   QStringLiteral("Every owner of the seasons below and of this season so far "
                                  "(%1): this season counts as played and for its points; "
                                  "titles, podiums (the first three places) and best places come "
                                  "from finished seasons. Equal points share a position; a name "
                                  "entered twice in a season counts once, by its better place.")
                       .arg(counted(current_.raceCount(), "race", "races")),
                   QStringLiteral("hint"));
        h_.close();
    }

    // The champion and the podium (equal points share a place), then the final table.
    void season(std::size_t i)
    {
        const Season& s = earlier_[i].season;
        const QString id = QStringLiteral("season-%1").arg(i + 1);
        h_.section(id, earlier_[i].name);
        if (s.raceCount() == 0) {
            h_.element(QStringLiteral("p"), QStringLiteral("No race was scored."));
        } else {
            h_.open(QStringLiteral("ol")).cls(QStringLiteral("podium"));
            for (std::size_t r = 0; r < s.table.size() && s.table[r].position <= 3;) {
                const LeagueRow& first = s.table[r];
                QStringList names;
                for (; r < s.table.size() && s.table[r].position == first.position; ++r)
                    names << s.owners[s.table[r].owner].label;
                h_.element(QStringLiteral("li"),
                           QStringLiteral("%1: %2 (%3)")
                               .arg(first.position == 1 ? QStringLiteral("Champion")
                                                        : ordinal(first.position),
                                    names.join(QStringLiteral(", ")), number(first.points)));
            }
            h_.close();
        }
        h_.table(id + QStringLiteral("-table"),
                 {QStringLiteral("Pos"), QStringLiteral("Owner"), QStringLiteral("Points")}, {1});
        const std::size_t shown = std::min<std::size_t>(s.table.size(), PageOwners);
        for (std::size_t r = 0; r < shown; ++r) {
            h_.open(QStringLiteral("tr"));
            h_.element(QStringLiteral("td"), number(s.table[r].position));
            h_.element(QStringLiteral("td"), s.owners[s.table[r].owner].label,
                       QStringLiteral("name"));
            h_.element(QStringLiteral("td"), number(s.table[r].points));
            h_.close();
            h_.newline();
        }
        h_.endTable();
        QString hint = QStringLiteral("After %1. Equal points share a place.")
                           .arg(counted(s.raceCount(), "race", "races"));
        if (shown < s.table.size())
            hint += QStringLiteral(" The leading %1 of %2 owners.").arg(shown).arg(s.table.size());
        h_.element(QStringLiteral("p"), hint, QStringLiteral("hint"));
        h_.close();
    }

    const Season& current_;
    const std::vector<EarlierSeason>& earlier_;
    const PublishOptions& options_;
    Html h_;
};

} // namespace

QByteArray seasonsPage(const Season& current, const std::vector<EarlierSeason>& earlier,
                       const PublishOptions& options)
{
    return SeasonsPageWriter(current, earlier, options).write();
}

} // namespace velmora
