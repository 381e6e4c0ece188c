#include "publish/html.h"
#include "publish/publish.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// Ten colours that most colour-blind readers still tell apart; lines past the tenth repeat
// them dashed.
constexpr const char* kColours[] = {"#0072b2", "#d55e00", "#009e73", "#cc79a7", "#e69f00",
                                    "#56b4e9", "#000000", "#8c564b", "#999933", "#882255"};
constexpr int kColourCount = int(std::size(kColours));
constexpr const char* kDashes[] = {"none", "6 3", "2 3"};

// What only this page draws: the chart's lines and their legend. No quote, '<', '>' or '&'
// in here (see html.cpp).
constexpr const char* kStyle = R"(
.rest{fill:none;stroke:#8a8a8a;stroke-opacity:.35;stroke-width:1}
.band{fill:#8a8a8a;fill-opacity:.15;stroke:none}
.lead{fill:none;stroke-width:2.5;stroke-linejoin:round;stroke-linecap:round}
.legend{list-style:none;margin:.5rem 0 0;padding:0;display:flex;flex-wrap:wrap;gap:.25rem 1.2rem}
.legend li{display:flex;align-items:center;gap:.4rem}
.key{width:1.8rem;height:.6rem;flex:none}
)";

QString styleSheet()
{
    QString css = QString::fromLatin1(kStyle);
    for (int k = 0; k < kColourCount; ++k)
        css += QStringLiteral(".c%1{stroke:%2}").arg(k).arg(QLatin1String(kColours[k]));
    for (int k = 1; k < int(std::size(kDashes)); ++k)
        css += QStringLiteral(".d%1{stroke-dasharray:%2}").arg(k).arg(QLatin1String(kDashes[k]));
    return css;
}

// Line k of the leading owners: its colour, and its dash once the colours are used up.
QString leadClass(int k)
{
    QString cls = QStringLiteral("lead c%1").arg(k % kColourCount);
    if (const int dash = k / kColourCount % int(std::size(kDashes)))
        cls += QStringLiteral(" d%1").arg(dash);
    return cls;
}

QString moveClass(LeagueRow::Move move)
{
    switch (move) {
    case LeagueRow::Move::Up:
        return QStringLiteral("up");
    case LeagueRow::Move::Down:
        return QStringLiteral("down");
    case LeagueRow::Move::New:
        return QStringLiteral("new");
    default:
        return {};
    }
}

class PageWriter {
public:
    PageWriter(const Season& season, const PublishOptions& options, const SiteLinks& links,
               const SiteMemory& memory)
        : s_(season), options_(options), links_(links), memory_(memory), table_(season.table),
          races_(season.raceCount())
    {
    }

    QByteArray write()
    {
        const QString title = shownText(options_.title);
        h_.begin(title, styleSheet());
        h_.open(QStringLiteral("header"));
        h_.element(QStringLiteral("h1"), title);
        h_.element(QStringLiteral("p"), subtitle(), QStringLiteral("sub"));
        contents();
        h_.close();
        h_.open(QStringLiteral("main"));
        staleNote();
        rulesNote();
        correctedNote();
        league();
        if (races_ > 0) {
            chart();
            raceByRace();
        }
        corrections();
        decisions();
        components();
        h_.close();
        h_.open(QStringLiteral("footer"));
        h_.open(QStringLiteral("p"));
        h_.text(QStringLiteral("The same figures for a spreadsheet: "));
        link(QStringLiteral("standings.csv"));
        h_.text(QStringLiteral(" and "));
        link(QStringLiteral("components.csv"));
        h_.text(QStringLiteral("."));
        h_.close();
        if (memory_.publication > 0)
            h_.element(QStringLiteral("p"),
                       QStringLiteral("Publication %1 of this site: the count goes up each time "
                                      "the published results change.")
                           .arg(memory_.publication));
        h_.close();
        return h_.end();
    }

private:
    QString subtitle() const
    {
        if (races_ == 0)
            return QStringLiteral("No race has been scored yet.");
        return QStringLiteral("After race %1: %2").arg(races_).arg(s_.races.back());
    }

    // Links to each part: in a large league the chart lies below thousands of rows.
    void contents()
    {
        h_.open(QStringLiteral("nav"))
            .attr(QStringLiteral("aria-label"), QStringLiteral("Contents"));
        std::vector<std::pair<QString, QString>> parts = {{"#table", "League table"}};
        if (races_ > 0)
            parts.insert(parts.end(),
                         {{"#chart", "The season so far"}, {"#races", "Race by race"}});
        if (!memory_.corrections.empty())
            parts.push_back({"#corrections", "Corrections"});
        if (!s_.decisions.empty())
            parts.push_back({"#decisions", "Decisions"});
        parts.push_back({"#components", "Components"});
        if (links_.seasons)
            parts.push_back({"seasons.html", "Seasons"});
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0)
                h_.text(QStringLiteral(" \u00B7 "));
            h_.open(QStringLiteral("a")).attr(QStringLiteral("href"), parts[i].first);
            h_.text(parts[i].second);
            h_.close();
        }
        h_.close();
    }

    void link(const QString& file)
    {
        h_.open(QStringLiteral("a")).attr(QStringLiteral("href"), file);
        h_.text(file);
        h_.close();
    }

    // Entries whose stored points are not what their races add up to: the calculation was
    // not run after a race file or an entry changed. Said first, so no owner is misled.
    void staleNote()
    {
        std::vector<std::size_t> stale;
        for (std::size_t o = 0; o < s_.owners.size(); ++o)
            if (s_.owners[o].storedPoints != s_.totalAfter(o, races_))
                stale.push_back(o);
        if (stale.empty())
            return;
        h_.open(QStringLiteral("section"))
            .cls(QStringLiteral("note"))
            .attr(QStringLiteral("id"), QStringLiteral("stale"))
            .attr(QStringLiteral("role"), QStringLiteral("note"));
        h_.element(QStringLiteral("h2"), QStringLiteral("Points not recalculated"));
        h_.element(
            QStringLiteral("p"),
            QStringLiteral("The points stored for %1 %2 differ from what the races add up "
                           "to: the calculation was not run after the last change. This "
                           "page shows the races' sums.")
                .arg(stale.size())
                .arg(stale.size() == 1 ? QStringLiteral("entry") : QStringLiteral("entries")));
        h_.open(QStringLiteral("ul"));
        const std::size_t shown = std::min<std::size_t>(stale.size(), PageOwners);
        for (std::size_t i = 0; i < shown; ++i) {
            const Season::Owner& owner = s_.owners[stale[i]];
            h_.open(QStringLiteral("li"));
            ownerLink(stale[i]);
            h_.text(QStringLiteral(" (entry %1): stored %2, races %3")
                        .arg(owner.record)
                        .arg(owner.storedPoints)
                        .arg(s_.totalAfter(stale[i], races_)));
            h_.close();
            h_.newline();
        }
        if (shown < stale.size())
            h_.element(QStringLiteral("li"),
                       QStringLiteral("and %1 more (column \"Stored points\" of standings.csv)")
                           .arg(stale.size() - shown));
        h_.close();
        h_.close();
    }

    // Entries that do not keep the league's rules (a league with a budget): each with why.
    void rulesNote()
    {
        std::vector<std::size_t> marked;
        for (std::size_t o = 0; o < s_.owners.size(); ++o)
            if (!s_.owners[o].marks.isEmpty())
                marked.push_back(o);
        if (marked.empty())
            return;
        h_.open(QStringLiteral("section"))
            .cls(QStringLiteral("note"))
            .id(QStringLiteral("rules"))
            .attr(QStringLiteral("role"), QStringLiteral("note"));
        h_.element(QStringLiteral("h2"), QStringLiteral("Entries outside the league's rules"));
        h_.open(QStringLiteral("ul"));
        const std::size_t shown = std::min<std::size_t>(marked.size(), PageOwners);
        for (std::size_t i = 0; i < shown; ++i) {
            h_.open(QStringLiteral("li"));
            ownerLink(marked[i]);
            h_.text(QStringLiteral(": ") + s_.owners[marked[i]].marks.join(u' '));
            h_.close();
            h_.newline();
        }
        if (shown < marked.size())
            h_.element(QStringLiteral("li"),
                       QStringLiteral("and %1 more (on their pages)").arg(marked.size() - shown));
        h_.close();
        h_.element(QStringLiteral("p"),
                   QStringLiteral("The entries are counted as they stand: the league decides."),
                   QStringLiteral("hint"));
        h_.close();
    }

    // Every transfer, penalty and bonus, the latest first.
    void decisions()
    {
        if (s_.decisions.empty())
            return;
        h_.section(QStringLiteral("decisions"), QStringLiteral("Decisions"));
        std::vector<const Season::Decided*> rows;
        for (const Season::Decided& d : s_.decisions)
            rows.push_back(&d);
        decisionTable(h_, s_, rows, [this](std::size_t o) { ownerLink(o); });
        h_.element(QStringLiteral("p"),
                   QStringLiteral("The league's transfers, penalties and bonuses, the latest "
                                  "first: the race each counts from or in, whose it is, what it "
                                  "is and why. One taken back counts for nothing."),
                   QStringLiteral("hint"));
        h_.close();
    }

    void ownerLink(std::size_t o)
    {
        h_.link(links_.owners.empty() ? QString() : links_.owners[o], s_.owners[o].label);
    }

    void nameCell(std::size_t o)
    {
        h_.open(QStringLiteral("td")).cls(QStringLiteral("name"));
        ownerLink(o);
        h_.close();
    }

    // Said at the top when this publication found corrections: owners see their points move.
    void correctedNote()
    {
        const auto found = std::count_if(
            memory_.corrections.begin(), memory_.corrections.end(),
            [&](const Correction& c) { return c.publication == memory_.publication; });
        if (found == 0)
            return;
        h_.open(QStringLiteral("section"))
            .cls(QStringLiteral("note"))
            .id(QStringLiteral("corrected-now"))
            .attr(QStringLiteral("role"), QStringLiteral("note"));
        h_.element(QStringLiteral("h2"), QStringLiteral("Results corrected"));
        h_.open(QStringLiteral("p"));
        h_.text(
            QStringLiteral("%1 %2 changed since the last publication: see ")
                .arg(found)
                .arg(found == 1 ? QStringLiteral("result has") : QStringLiteral("results have")));
        h_.link(QStringLiteral("#corrections"), QStringLiteral("Corrections"));
        h_.text(QStringLiteral("."));
        h_.close();
        h_.close();
    }

    // Names of owners in a cell, each linked to its owner's page (a name two owners share: in
    // league order); at most `named` of them, and how many more.
    void ownersCell(const QStringList& names, qsizetype named)
    {
        h_.open(QStringLiteral("td")).cls(QStringLiteral("name owners"));
        if (names.isEmpty())
            h_.text(QStringLiteral("none"));
        QHash<QString, int> seen;
        for (qsizetype k = 0; k < std::min(names.size(), named); ++k) {
            if (k > 0)
                h_.text(QStringLiteral(", "));
            int skip = seen[names[k]]++;
            const auto at = std::find_if(table_.begin(), table_.end(), [&](const LeagueRow& r) {
                return s_.owners[r.owner].label == names[k] && skip-- == 0;
            });
            if (at == table_.end()) // an owner no longer in the league
                h_.text(names[k]);
            else
                ownerLink(at->owner);
        }
        if (names.size() > named)
            h_.text(QStringLiteral(" and %1 more").arg(names.size() - named));
        h_.close();
    }

    // Every correction recorded, the latest publication's first.
    void corrections()
    {
        if (memory_.corrections.empty())
            return;
        h_.section(QStringLiteral("corrections"), QStringLiteral("Corrections"));
        h_.table(QStringLiteral("correction-list"),
                 {QStringLiteral("Publication"), QStringLiteral("Race"),
                  QStringLiteral("Component"), QStringLiteral("Before"), QStringLiteral("After"),
                  QStringLiteral("Owners who chose it"), QStringLiteral("Places changed")},
                 {1, 2, 5, 6});
        std::vector<const Correction*> latest;
        for (const Correction& c : memory_.corrections)
            latest.push_back(&c);
        std::stable_sort(latest.begin(), latest.end(),
                         [](const Correction* a, const Correction* b) {
                             return a->publication > b->publication;
                         });
        // A correction to a component half the league chose would list thousands of names.
        constexpr qsizetype named = 10;
        for (const Correction* c : latest) {
            h_.open(QStringLiteral("tr"));
            h_.element(QStringLiteral("td"), number(c->publication));
            h_.element(QStringLiteral("td"), c->race, QStringLiteral("name"));
            h_.element(QStringLiteral("td"), correctionText(*c), QStringLiteral("name"));
            h_.element(QStringLiteral("td"), number(c->before));
            h_.element(QStringLiteral("td"), number(c->after));
            ownersCell(c->owners, named);
            ownersCell(c->moved, named);
            h_.close();
            h_.newline();
        }
        h_.endTable();
        QString hint = QStringLiteral("A component's points in a race that changed after they "
                                      "were published, with the publication that found the "
                                      "change, the owners who chose the component and those "
                                      "whose place in the league table it changed (the first %1 "
                                      "of each by league place then; published.txt names them "
                                      "all).")
                           .arg(named);
        if (std::any_of(latest.begin(), latest.end(),
                        [](const Correction* c) { return c->isDecision(); }))
            hint += QStringLiteral(" A decision made or taken back since the publication before "
                                   "is listed too, with its owner's points without it and with "
                                   "it.");
        h_.element(QStringLiteral("p"), hint, QStringLiteral("hint"));
        h_.close();
    }

    void headings(const QStringList& names, const QString& cls)
    {
        for (const QString& name : names)
            h_.element(QStringLiteral("th"), name, cls);
    }

    void league()
    {
        h_.section(QStringLiteral("table"), QStringLiteral("League table"));
        QStringList heads = {QStringLiteral("Pos"), QStringLiteral("Owner"),
                             QStringLiteral("Points")};
        if (races_ > 0)
            heads << QStringLiteral("Last race") << QStringLiteral("Move");
        h_.table(QStringLiteral("league"), heads, {1});
        for (const LeagueRow& row : table_) {
            h_.open(QStringLiteral("tr"));
            h_.element(QStringLiteral("td"), number(row.position));
            nameCell(row.owner);
            h_.element(QStringLiteral("td"), number(row.points));
            if (races_ > 0) {
                h_.element(QStringLiteral("td"), number(row.lastRace));
                h_.element(QStringLiteral("td"),
                           row.moveText({QStringLiteral("new"), QStringLiteral("="),
                                         QStringLiteral("\u25B2 %1"), QStringLiteral("\u25BC %1")}),
                           moveClass(row.move));
            }
            h_.close();
            h_.newline();
        }
        h_.close();
        h_.close();
        h_.close();
        if (races_ > 0)
            h_.element(QStringLiteral("p"),
                       races_ == 1 ? QStringLiteral("Equal points share a position. Move: new in "
                                                    "the first race.")
                                   : QStringLiteral("Equal points share a position. Move: places "
                                                    "up (\u25B2) or down (\u25BC) since the race "
                                                    "before, = the same place."),
                       QStringLiteral("hint"));
        h_.close();
    }

    // Owners in league order, as far as the page holds them.
    std::size_t pageOwners() const { return std::min<std::size_t>(table_.size(), PageOwners); }

    void chart()
    {
        constexpr double W = 640, H = 320, right = 14, top = 14, bottom = 44;
        const std::size_t lines = pageOwners();
        // Points after race r (0: the start) of the owners drawn as lines, and the highest
        // and lowest of those the page leaves out, drawn as one band.
        const std::size_t row = std::size_t(races_ + 1);
        std::vector<qint64> cumulative(lines * row, 0);
        std::vector<qint64> most(row, 0), least(row, 0), running(row, 0);
        qint64 low = 0, high = 0;
        for (std::size_t i = 0; i < table_.size(); ++i) {
            qint64* c = i < lines ? &cumulative[i * row] : running.data();
            for (int r = 0; r < races_; ++r) {
                c[r + 1] = c[r] + s_.pointsIn(table_[i].owner, r);
                low = std::min(low, c[r + 1]);
                high = std::max(high, c[r + 1]);
            }
            for (std::size_t r = 0; i >= lines && r < row; ++r) {
                most[r] = i == lines ? c[r] : std::max(most[r], c[r]);
                least[r] = i == lines ? c[r] : std::min(least[r], c[r]);
            }
        }
        // Gridlines at 1, 2 or 5 times a power of ten, about five of them.
        const double raw = std::max<double>(double(high - low), 1) / 5;
        const double magnitude = std::pow(10, std::floor(std::log10(raw)));
        qint64 step = 1;
        for (double m : {1.0, 2.0, 5.0, 10.0})
            if (m * magnitude >= raw) {
                step = std::max<qint64>(1, qint64(m * magnitude));
                break;
            }
        low = low >= 0 ? 0 : -((-low + step - 1) / step) * step;
        high = std::max((high + step - 1) / step * step, low + step);
        // Room on the left for the longest number, at the size a phone shows it.
        const double left = 16 + 11 * double(std::max(number(low).size(), number(high).size()));
        const auto x = [&](int r) { return left + (W - left - right) * r / races_; };
        const auto y = [&](qint64 v) {
            return top + (H - top - bottom) * double(high - v) / double(high - low);
        };

        h_.open(QStringLiteral("section")).attr(QStringLiteral("id"), QStringLiteral("chart"));
        h_.element(QStringLiteral("h2"), QStringLiteral("The season so far"));
        h_.open(QStringLiteral("figure"));
        h_.open(QStringLiteral("div")).cls(QStringLiteral("chart"));
        h_.open(QStringLiteral("svg"))
            .attr(QStringLiteral("xmlns"), QStringLiteral("http://www.w3.org/2000/svg"))
            .attr(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(W).arg(H))
            .attr(QStringLiteral("role"), QStringLiteral("img"))
            .attr(QStringLiteral("aria-labelledby"), QStringLiteral("chart-title chart-desc"));
        h_.open(QStringLiteral("title")).attr(QStringLiteral("id"), QStringLiteral("chart-title"));
        h_.text(QStringLiteral("Points of every owner after each race"));
        h_.close();
        h_.open(QStringLiteral("desc")).attr(QStringLiteral("id"), QStringLiteral("chart-desc"));
        h_.text(chartDescription());
        h_.close();
        h_.newline();

        for (qint64 v = low; v <= high; v += step) {
            h_.empty(QStringLiteral("line"))
                .cls(v == 0 ? QStringLiteral("axis") : QStringLiteral("grid"))
                .attr(QStringLiteral("x1"), coordinate(left))
                .attr(QStringLiteral("x2"), coordinate(W - right))
                .attr(QStringLiteral("y1"), coordinate(y(v)))
                .attr(QStringLiteral("y2"), coordinate(y(v)));
            h_.open(QStringLiteral("text"))
                .attr(QStringLiteral("x"), coordinate(left - 6))
                .attr(QStringLiteral("y"), coordinate(y(v) + 4))
                .attr(QStringLiteral("text-anchor"), QStringLiteral("end"));
            h_.text(number(v));
            h_.close();
        }
        // About a dozen race numbers along the bottom at most.
        const int every = (races_ + 11) / 12;
        for (int r = 1; r <= races_; ++r) {
            if ((r - 1) % every != 0 && r != races_)
                continue;
            h_.open(QStringLiteral("text"))
                .attr(QStringLiteral("x"), coordinate(x(r)))
                .attr(QStringLiteral("y"), coordinate(H - bottom + 18))
                .attr(QStringLiteral("text-anchor"), QStringLiteral("middle"));
            h_.text(number(r));
            h_.close();
        }
        h_.open(QStringLiteral("text"))
            .attr(QStringLiteral("x"), coordinate(left + (W - left - right) / 2))
            .attr(QStringLiteral("y"), coordinate(H - 6))
            .attr(QStringLiteral("text-anchor"), QStringLiteral("middle"));
        h_.text(QStringLiteral("after race"));
        h_.close();
        h_.newline();

        QStringList xs;
        for (int r = 0; r <= races_; ++r)
            xs << coordinate(x(r)) + u',';
        const auto path = [&](std::size_t i) {
            QString points;
            const qint64* c = &cumulative[i * row];
            for (int r = 0; r <= races_; ++r) {
                if (r > 0)
                    points += u' ';
                points += xs[r];
                points += coordinate(y(c[r]));
            }
            return points;
        };
        // The owners past the page's lines: one faint band from their lowest to highest.
        if (lines < table_.size()) {
            QStringList upper, lower;
            for (int r = 0; r <= races_; ++r) {
                upper << coordinate(x(r)) + u',' + coordinate(y(most[std::size_t(r)]));
                lower.prepend(coordinate(x(r)) + u',' + coordinate(y(least[std::size_t(r)])));
            }
            const QString band = (upper + lower).join(u' ');
            h_.open(QStringLiteral("polygon"))
                .cls(QStringLiteral("band"))
                .attr(QStringLiteral("points"), band);
            h_.element(QStringLiteral("title"),
                       QStringLiteral("The other %1")
                           .arg(counted(qint64(table_.size() - lines), "owner", "owners")));
            h_.close();
            h_.newline();
        }
        // Faint lines first, then the leaders, the leader last so that it is drawn on top.
        const std::size_t leaders =
            std::min<std::size_t>(lines, std::size_t(std::max(options_.top, 0)));
        const auto line = [&](std::size_t i) {
            h_.open(QStringLiteral("polyline"))
                .cls(i < leaders ? leadClass(int(i)) : QStringLiteral("rest"))
                .attr(QStringLiteral("points"), path(i));
            QString title = s_.owners[table_[i].owner].label + u':';
            for (int r = 1; r <= races_; ++r)
                title += u' ' + number(cumulative[i * row + std::size_t(r)]);
            h_.element(QStringLiteral("title"), title);
            h_.close();
            h_.newline();
        };
        for (std::size_t i = lines; i-- > leaders;)
            line(i);
        for (std::size_t i = leaders; i-- > 0;)
            line(i);
        h_.close(); // svg
        h_.close(); // div

        h_.open(QStringLiteral("figcaption"));
        h_.open(QStringLiteral("ol")).cls(QStringLiteral("legend"));
        for (std::size_t i = 0; i < leaders; ++i) {
            h_.open(QStringLiteral("li"));
            key(leadClass(int(i)));
            h_.open(QStringLiteral("span")); // one item of the list's row, the key the other
            h_.text(QStringLiteral("%1. ").arg(table_[i].position));
            ownerLink(table_[i].owner);
            h_.text(QStringLiteral(" (%1)").arg(table_[i].points));
            h_.close();
            h_.close();
        }
        if (table_.size() > leaders) {
            h_.open(QStringLiteral("li"));
            key(QStringLiteral("rest"));
            h_.text(QStringLiteral("the other %1")
                        .arg(counted(qint64(table_.size() - leaders), "owner", "owners")));
            h_.close();
        }
        h_.close();
        h_.close();
        h_.close(); // figure
        h_.close();
    }

    QString chartDescription() const
    {
        QString text = QStringLiteral("Line chart of the points of the %1 after each of the %2, "
                                      "in calendar order.")
                           .arg(counted(qint64(table_.size()), "owner", "owners"),
                                counted(races_, "race", "races"));
        if (!table_.empty())
            text += QStringLiteral(" After the last race %1 leads with %2 points.")
                        .arg(s_.owners[table_.front().owner].label, number(table_.front().points));
        return text + QStringLiteral(" The race-by-race table holds every figure.");
    }

    // A sample of a chart line, for the legend.
    void key(const QString& cls)
    {
        h_.open(QStringLiteral("svg"))
            .attr(QStringLiteral("xmlns"), QStringLiteral("http://www.w3.org/2000/svg"))
            .cls(QStringLiteral("key"))
            .attr(QStringLiteral("viewBox"), QStringLiteral("0 0 24 8"))
            .attr(QStringLiteral("aria-hidden"), QStringLiteral("true"));
        h_.empty(QStringLiteral("line"))
            .cls(cls)
            .attr(QStringLiteral("x1"), QStringLiteral("1"))
            .attr(QStringLiteral("y1"), QStringLiteral("4"))
            .attr(QStringLiteral("x2"), QStringLiteral("23"))
            .attr(QStringLiteral("y2"), QStringLiteral("4"));
        h_.close();
    }

    void raceHeadings()
    {
        for (int r = 0; r < races_; ++r) {
            h_.open(QStringLiteral("th")).cls(QStringLiteral("race"));
            h_.text(s_.races[r]);
            h_.close();
        }
    }

    void raceByRace()
    {
        // The best of each race among every owner, also those the page leaves out; a race in
        // which every owner scored the same (not scored yet) has none.
        std::vector<int> best(std::size_t(races_), 0), worst(std::size_t(races_), 0);
        for (std::size_t o = 0; o < s_.owners.size(); ++o)
            for (int r = 0; r < races_; ++r) {
                const int points = s_.pointsIn(o, r);
                const std::size_t k = std::size_t(r);
                best[k] = o == 0 ? points : std::max(best[k], points);
                worst[k] = o == 0 ? points : std::min(worst[k], points);
            }
        std::vector<bool> marked(best.size(), false);
        for (std::size_t k = 0; k < marked.size(); ++k)
            marked[k] = best[k] > worst[k] || s_.owners.size() == 1;

        h_.open(QStringLiteral("section")).attr(QStringLiteral("id"), QStringLiteral("races"));
        h_.element(QStringLiteral("h2"), QStringLiteral("Race by race"));
        h_.open(QStringLiteral("div")).cls(QStringLiteral("scroll wide"));
        h_.open(QStringLiteral("table")).attr(QStringLiteral("id"), QStringLiteral("by-race"));
        h_.open(QStringLiteral("thead"));
        h_.open(QStringLiteral("tr"));
        h_.element(QStringLiteral("th"), QStringLiteral("Owner"), QStringLiteral("name"));
        h_.element(QStringLiteral("th"), QStringLiteral("Total"));
        raceHeadings();
        h_.close();
        h_.close();
        h_.open(QStringLiteral("tbody"));
        h_.newline();
        for (std::size_t i = 0; i < pageOwners(); ++i) {
            const std::size_t o = table_[i].owner;
            h_.open(QStringLiteral("tr"));
            nameCell(o);
            h_.element(QStringLiteral("td"), number(table_[i].points));
            for (int r = 0; r < races_; ++r) {
                const int points = s_.pointsIn(o, r);
                if (!marked[std::size_t(r)] || points != best[std::size_t(r)]) {
                    h_.element(QStringLiteral("td"), number(points));
                    continue;
                }
                h_.open(QStringLiteral("td")).cls(QStringLiteral("best"));
                h_.text(number(points));
                h_.element(QStringLiteral("span"), QStringLiteral(" (best)"), QStringLiteral("sr"));
                h_.close();
            }
            h_.close();
            h_.newline();
        }
        h_.close();
        h_.open(QStringLiteral("tfoot"));
        h_.open(QStringLiteral("tr"));
        h_.element(QStringLiteral("th"), QStringLiteral("Best of the race"),
                   QStringLiteral("name"));
        h_.element(QStringLiteral("td"), QString());
        for (int r = 0; r < races_; ++r)
            h_.element(QStringLiteral("td"), number(best[std::size_t(r)]));
        h_.close();
        h_.close();
        h_.close();
        h_.close();
        QString hint = QStringLiteral("Each owner's points in each race; the best of each race "
                                      "is marked.");
        if (pageOwners() < table_.size())
            hint += QStringLiteral(" The leading %1 of %2 owners; standings.csv holds every one.")
                        .arg(pageOwners())
                        .arg(table_.size());
        h_.element(QStringLiteral("p"), hint, QStringLiteral("hint"));
        h_.close();
    }

    void components()
    {
        using Kind = ComponentRow::Kind;
        const std::vector<ComponentRow> rows = componentRows(s_);
        h_.open(QStringLiteral("section")).attr(QStringLiteral("id"), QStringLiteral("components"));
        h_.element(QStringLiteral("h2"), QStringLiteral("Components"));
        h_.element(QStringLiteral("p"),
                   QStringLiteral("Prices in millions; chosen by: how many entries have it."),
                   QStringLiteral("hint"));
        const struct {
            Kind kind;
            QString heading, id;
        } kinds[] = {
            {Kind::Chassis, QStringLiteral("Chassis"), QStringLiteral("chassis")},
            {Kind::Engine, QStringLiteral("Engine makers"), QStringLiteral("engines")},
            {Kind::Driver, QStringLiteral("Race drivers"), QStringLiteral("drivers")},
            {Kind::TestDriver, QStringLiteral("Test drivers"), QStringLiteral("test-drivers")}};
        for (const auto& [kind, heading, id] : kinds) {
            h_.element(QStringLiteral("h3"), heading);
            h_.open(QStringLiteral("div")).cls(QStringLiteral("scroll wide"));
            h_.open(QStringLiteral("table")).attr(QStringLiteral("id"), id);
            h_.open(QStringLiteral("thead"));
            h_.open(QStringLiteral("tr"));
            h_.element(QStringLiteral("th"), QStringLiteral("Name"), QStringLiteral("name"));
            headings(
                {QStringLiteral("Price"), QStringLiteral("Chosen by"), QStringLiteral("Total")},
                {});
            raceHeadings();
            h_.close();
            h_.close();
            h_.open(QStringLiteral("tbody"));
            h_.newline();
            for (const ComponentRow& row : rows) {
                if (row.kind != kind)
                    continue;
                h_.open(QStringLiteral("tr"));
                h_.element(QStringLiteral("td"), row.name, QStringLiteral("name"));
                h_.element(QStringLiteral("td"), row.price);
                h_.element(QStringLiteral("td"), number(row.chosenBy));
                h_.element(QStringLiteral("td"), number(row.total));
                for (const ComponentPoints& race : s_.racePoints)
                    h_.element(QStringLiteral("td"), number(row.pointsIn(race)));
                h_.close();
                h_.newline();
            }
            h_.close();
            h_.close();
            h_.close();
        }
        h_.close();
    }

    const Season& s_;
    const PublishOptions& options_;
    const SiteLinks& links_;
    const SiteMemory& memory_;
    Html h_;
    const std::vector<LeagueRow>& table_;
    const int races_;
};

} // namespace

QByteArray seasonPage(const Season& season, const PublishOptions& options, const SiteLinks& links,
                      const SiteMemory& memory)
{
    return PageWriter(season, options, links, memory).write();
}

} // namespace velmora
