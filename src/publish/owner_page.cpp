#include "data/text.h"
#include "publish/html.h"
#include "publish/publish.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <functional>
#include <numeric>

namespace velmora {
namespace {

// The name's letters and digits, accents dropped, lower case, dashes between the runs.
QString readablePart(const QString& name)
{
    QString slug;
    bool gap = false;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        const char16_t u = c.toLower().unicode();
        if ((u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9')) {
            if (gap && !slug.isEmpty())
                slug += u'-';
            gap = false;
            slug += QChar(u);
            if (slug.size() >= 40)
                break;
        } else if (!c.isMark()) {
            gap = true;
        }
    }
    return slug.isEmpty() ? QStringLiteral("owner") : slug;
}

// Eight base-36 digits of the name's FNV-1a hash: the same on every machine and in every run.
QString nameDigits(const QString& name)
{
    quint64 hash = 14695981039346656037ull;
    for (const char c : name.toUtf8())
        hash = (hash ^ quint8(c)) * 1099511628211ull;
    hash %= 2821109907456ull; // 36 to the 8th
    QString digits(8, u'0');
    for (int i = 7; i >= 0; --i, hash /= 36)
        digits[i] = QLatin1Char("0123456789abcdefghijklmnopqrstuvwxyz"[hash % 36]);
    return digits;
}

QString points(qint64 n)
{
    return n == 1 || n == -1 ? QStringLiteral("%1 point").arg(n)
                             : QStringLiteral("%1 points").arg(n);
}

// A row's heading (a race, or what a figure is) reads as plain text and wraps; the chart's
// line and its last point, the chart no wider than a phone held sideways.
constexpr const char* kStyle = R"(
tbody th{text-align:left;font-weight:normal;white-space:normal;min-width:6rem}
.pos{fill:none;stroke:#0072b2;stroke-width:2.5;stroke-linejoin:round}.now{fill:#0072b2}
#progress .chart svg{max-width:40rem}
)";

class OwnerPageWriter {
public:
    OwnerPageWriter(const Season& season, const Standings& standings, std::size_t owner,
                    const PublishOptions& options, const SiteLinks& links)
        : s_(season), st_(standings), o_(owner), options_(options), links_(links),
          races_(season.raceCount()), total_(season.totalAfter(owner, races_))
    {
        const Season::Owner& o = s_.owners[o_];
        for (std::size_t k = 0; k < 5; ++k) {
            Pick pick = described(k, o.picks[k]);
            for (const ComponentPoints& race : s_.racePoints)
                pick.season += pointsIn(pick, race);
            picks_.push_back(pick);
        }
        for (const Season::Decided& d : s_.decisions)
            if (d.owner == o_) {
                decisions_.push_back(&d);
                adjusted_ |=
                    d.decision.isAdjustment() && d.decision.counts() && d.decision.race < races_;
            }
        rows_ = picks_;
        if (o.decided.transfers.empty())
            return;
        // Each place's picks in the order they were in force, with the races each counted for
        // the owner; today's pick last, from the next race when it has counted in none yet.
        rows_.clear();
        for (std::size_t k = 0; k < 5; ++k) {
            std::vector<std::pair<int, Pick>> runs; // first race, the pick with its points
            for (int r = 0; r < races_; ++r) {
                const velmora::Pick p = s_.picksIn(o_, r)[k];
                if (runs.empty() || place(runs.back().second) != place(p))
                    runs.emplace_back(r, described(k, p));
                runs.back().second.season += pointsIn(runs.back().second, s_.racePoints[r]);
            }
            if (runs.empty() || place(runs.back().second) != place(picks_[k])) {
                runs.emplace_back(races_, picks_[k]);
                runs.back().second.season = 0;
            }
            for (std::size_t i = 0; i < runs.size() && runs.size() > 1; ++i) {
                const int first = runs[i].first + 1;
                const int last = i + 1 < runs.size() ? runs[i + 1].first : races_;
                runs[i].second.kind +=
                    first > races_  ? QStringLiteral(" (from race %1)").arg(first)
                    : first == last ? QStringLiteral(" (race %1)").arg(first)
                                    : QStringLiteral(" (races %1\u2013%2)").arg(first).arg(last);
            }
            for (auto& run : runs)
                rows_.push_back(run.second);
        }
    }

    QByteArray write()
    {
        const Season::Owner& owner = s_.owners[o_];
        const QString league = shownText(options_.title);
        h_.begin(owner.label + QStringLiteral(" \u00B7 ") + league, QLatin1String(kStyle));
        h_.open(QStringLiteral("header"));
        h_.open(QStringLiteral("nav"));
        h_.link(QStringLiteral("../index.html"), league);
        if (links_.seasons) {
            h_.text(QStringLiteral(" \u00B7 "));
            h_.link(QStringLiteral("../seasons.html"), QStringLiteral("Seasons"));
        }
        h_.close();
        h_.element(QStringLiteral("h1"), owner.label);
        h_.element(QStringLiteral("p"),
                   races_ == 0 ? QStringLiteral("No race has been scored yet.")
                               : QStringLiteral("%1 of %2 with %3 after race %4: %5")
                                     .arg(ordinal(st_.position(o_, races_ - 1)))
                                     .arg(s_.owners.size())
                                     .arg(points(total_))
                                     .arg(races_)
                                     .arg(s_.races.back()),
                   QStringLiteral("sub"));
        h_.close();
        h_.open(QStringLiteral("main"));
        rulesNote();
        standing();
        team();
        if (races_ > 0) {
            chart();
            raceByRace();
        }
        decisions();
        h_.close();
        return h_.end();
    }

private:
    struct Pick {
        int record = -1, slot = -1;
        QString kind, name, price;
        qint64 season = 0;
    };

    // Where a pick lies, as the page's picks and the season's compare.
    static std::pair<int, int> place(const Pick& p) { return {p.record, p.slot}; }
    static std::pair<int, int> place(const velmora::Pick& p)
    {
        return {p.record, p.isTeamPart() ? int(p.slot) : -1};
    }

    // The pick in place k (of an entry's five) as the page names it, no points yet.
    Pick described(std::size_t k, const velmora::Pick& p) const
    {
        // Listed as the components table lists them: chassis, engine maker, race drivers, test
        // driver (the order of an entry's picks).
        static const ComponentRow::Kind kinds[] = {
            ComponentRow::Kind::Chassis, ComponentRow::Kind::Engine, ComponentRow::Kind::Driver,
            ComponentRow::Kind::Driver, ComponentRow::Kind::TestDriver};
        Pick pick;
        pick.record = p.record;
        pick.slot = p.isTeamPart() ? int(p.slot) : -1;
        pick.kind = kindText(kinds[k]);
        pick.name = s_.nameOf(p); // "none": the entry names no record
        if (p.record >= 0 && !p.isTeamPart())
            pick.price = QString::number(s_.testDrivers[std::size_t(p.record)].Price);
        else if (p.record >= 0)
            pick.price =
                priceText(s_.teams[std::size_t(p.record)].components()[std::size_t(p.slot)]->Price);
        return pick;
    }

    static int pointsIn(const Pick& p, const ComponentPoints& race)
    {
        return p.record < 0 ? 0
               : p.slot < 0 ? race.testDriver(std::size_t(p.record))
                            : race.team(std::size_t(p.record), p.slot);
    }

    // The league's rules the entry does not keep, in a league with a budget.
    void rulesNote()
    {
        const QStringList& marks = s_.owners[o_].marks;
        if (marks.isEmpty())
            return;
        h_.open(QStringLiteral("section"))
            .cls(QStringLiteral("note"))
            .id(QStringLiteral("rules"))
            .attr(QStringLiteral("role"), QStringLiteral("note"));
        h_.element(QStringLiteral("h2"), QStringLiteral("Outside the league's rules"));
        h_.open(QStringLiteral("ul"));
        for (const QString& mark : marks)
            h_.element(QStringLiteral("li"), mark);
        h_.close();
        h_.element(QStringLiteral("p"),
                   QStringLiteral("The entry is counted as it stands: the league decides."),
                   QStringLiteral("hint"));
        h_.close();
    }

    // The owner's transfers, penalties and bonuses, the latest first.
    void decisions()
    {
        if (decisions_.empty())
            return;
        h_.section(QStringLiteral("decisions"), QStringLiteral("Decisions"));
        decisionTable(h_, s_, decisions_, {});
        h_.element(QStringLiteral("p"),
                   QStringLiteral("The race each counts from or in, what it is and why; one "
                                  "taken back counts for nothing."),
                   QStringLiteral("hint"));
        h_.close();
    }

    // The owner's penalties and bonuses that count in race r, each with its reason.
    std::vector<const Decision*> adjustmentsIn(int r) const
    {
        std::vector<const Decision*> in;
        for (const Season::Decided* d : decisions_)
            if (d->decision.isAdjustment() && d->decision.counts() && d->decision.race == r)
                in.push_back(&d->decision);
        return in;
    }

    static QString signedNumber(qint64 n) { return n > 0 ? u'+' + number(n) : number(n); }

    void pair(const QString& what, const QString& value)
    {
        h_.open(QStringLiteral("tr"));
        h_.element(QStringLiteral("th"), what);
        h_.element(QStringLiteral("td"), value);
        h_.close();
        h_.newline();
    }

    // Where the owner stands after the last race: the position, the gaps, the best and worst
    // race (the first in calendar order where several are equal).
    void standing()
    {
        const std::vector<qint64>& best = st_.finalPoints();
        const auto first = [&](qint64 p) {
            return std::lower_bound(best.begin(), best.end(), p, std::greater<>()) - best.begin();
        };
        const auto at = first(total_);
        const bool shared =
            std::upper_bound(best.begin(), best.end(), total_, std::greater<>()) - best.begin()
            > at + 1;
        h_.section(QStringLiteral("standing"), QStringLiteral("Standing"));
        h_.open(QStringLiteral("table")).id(QStringLiteral("summary"));
        h_.open(QStringLiteral("tbody"));
        pair(QStringLiteral("Position"), QStringLiteral("%1 of %2%3")
                                             .arg(ordinal(int(at) + 1))
                                             .arg(s_.owners.size())
                                             .arg(shared ? QStringLiteral(", shared") : QString()));
        pair(QStringLiteral("Points"), number(total_));
        if (at == 0) {
            pair(QStringLiteral("Gap to the leader"), QStringLiteral("none: in the lead"));
        } else {
            const qint64 above = best[std::size_t(at) - 1];
            pair(QStringLiteral("Gap to the leader"), points(best.front() - total_));
            pair(QStringLiteral("Gap to the place above"),
                 QStringLiteral("%1, to %2")
                     .arg(points(above - total_), ordinal(int(first(above)) + 1)));
        }
        if (races_ > 0) {
            auto got = std::vector<int>(std::size_t(races_));
            for (int r = 0; r < races_; ++r)
                got[std::size_t(r)] = s_.pointsIn(o_, r);
            const auto hi = std::max_element(got.begin(), got.end());
            const auto lo = std::min_element(got.begin(), got.end());
            best_ = int(hi - got.begin());
            worst_ = int(lo - got.begin());
            pair(QStringLiteral("Best race"), s_.races[best_] + QStringLiteral(": ") + points(*hi));
            pair(QStringLiteral("Worst race"),
                 s_.races[worst_] + QStringLiteral(": ") + points(*lo));
            if (*hi == *lo)
                best_ = worst_ = -1; // nothing stands out
        }
        h_.close();
        h_.close();
        h_.close();
    }

    void team()
    {
        h_.section(QStringLiteral("team"), QStringLiteral("Team"));
        h_.table(QStringLiteral("picks"),
                 {QStringLiteral("Component"), QStringLiteral("Name"), QStringLiteral("Price"),
                  QStringLiteral("Points")},
                 {1});
        for (const Pick& p : rows_) {
            h_.open(QStringLiteral("tr"));
            h_.element(QStringLiteral("th"), p.kind);
            h_.element(QStringLiteral("td"), p.name, QStringLiteral("name"));
            h_.element(QStringLiteral("td"), p.price);
            h_.element(QStringLiteral("td"), number(p.season));
            h_.close();
            h_.newline();
        }
        if (adjusted_) {
            h_.open(QStringLiteral("tr"));
            h_.open(QStringLiteral("th")).attr(QStringLiteral("colspan"), QStringLiteral("3"));
            h_.text(QStringLiteral("Penalties and bonuses"));
            h_.close();
            h_.element(u"td",
                       signedNumber(RaceScores::adjustmentsBefore(s_.owners[o_].decided, races_)));
            h_.close();
            h_.newline();
        }
        h_.close();
        h_.open(QStringLiteral("tfoot"));
        h_.open(QStringLiteral("tr"));
        h_.open(QStringLiteral("th")).attr(QStringLiteral("colspan"), QStringLiteral("3"));
        h_.text(QStringLiteral("Season"));
        h_.close();
        h_.element(QStringLiteral("td"), number(total_));
        h_.close();
        h_.endTable();
        h_.element(QStringLiteral("p"),
                   rows_.size() == picks_.size()
                       ? QStringLiteral("Prices in millions; points: the season's, every race of "
                                        "the calendar.")
                       : QStringLiteral("Prices in millions; points: those a pick scored for the "
                                        "owner, in the races it was picked for."),
                   QStringLiteral("hint"));
        h_.close();
    }

    // The position after each race, first at the top.
    void chart()
    {
        using S = Standings;
        const int last = std::max<int>(int(s_.owners.size()), 2);
        // Gridlines at 1, 2 or 5 times a power of ten, about four of them.
        int step = 1;
        for (int k = 0; (last - 1) / step > 4; ++k)
            step = k % 3 == 1 ? step / 2 * 5 : step * 2;

        h_.section(QStringLiteral("progress"), QStringLiteral("Position after each race"));
        h_.open(QStringLiteral("figure"));
        h_.open(QStringLiteral("div")).cls(QStringLiteral("chart"));
        h_.open(QStringLiteral("svg"))
            .attr(QStringLiteral("xmlns"), QStringLiteral("http://www.w3.org/2000/svg"))
            .attr(QStringLiteral("viewBox"),
                  QStringLiteral("0 0 %1 %2").arg(S::Width).arg(S::Height))
            .attr(QStringLiteral("role"), QStringLiteral("img"))
            .attr(QStringLiteral("aria-label"),
                  QStringLiteral("The position after each race; the race-by-race table holds "
                                 "every figure."));
        std::vector<int> lines{1};
        for (int p = step; p <= last; p += step)
            if (p > 1)
                lines.push_back(p);
        for (const int p : lines) {
            h_.empty(QStringLiteral("line"))
                .cls(QStringLiteral("grid"))
                .attr(QStringLiteral("x1"), coordinate(st_.left()))
                .attr(QStringLiteral("x2"), coordinate(S::Width - S::Right))
                .attr(QStringLiteral("y1"), st_.y(p))
                .attr(QStringLiteral("y2"), st_.y(p));
            h_.open(QStringLiteral("text"))
                .attr(QStringLiteral("x"), coordinate(st_.left() - 6))
                .attr(QStringLiteral("y"), coordinate(st_.y(p).toDouble() + 4))
                .attr(QStringLiteral("text-anchor"), QStringLiteral("end"));
            h_.text(number(p));
            h_.close();
        }
        const int every = (races_ + 11) / 12;
        QString path, title = s_.owners[o_].label + u':';
        path.reserve(races_ * 12);
        title.reserve(title.size() + races_ * 6);
        char digits[24] = {' '};
        for (int r = 0; r < races_; ++r) {
            const int p = st_.position(o_, r);
            path.append(st_.x(r)).append(u',').append(st_.y(p)).append(u' ');
            title += QLatin1StringView(digits, std::to_chars(digits + 1, std::end(digits), p).ptr);
            if (r % every != 0 && r != races_ - 1)
                continue;
            h_.open(QStringLiteral("text"))
                .attr(QStringLiteral("x"), st_.x(r))
                .attr(QStringLiteral("y"), coordinate(S::Height - S::Bottom + 18))
                .attr(QStringLiteral("text-anchor"), QStringLiteral("middle"));
            h_.text(number(r + 1));
            h_.close();
        }
        h_.open(QStringLiteral("text"))
            .attr(QStringLiteral("x"),
                  coordinate(st_.left() + (S::Width - st_.left() - S::Right) / 2))
            .attr(QStringLiteral("y"), coordinate(S::Height - 4))
            .attr(QStringLiteral("text-anchor"), QStringLiteral("middle"));
        h_.text(QStringLiteral("after race"));
        h_.close();
        path.chop(1);
        h_.open(QStringLiteral("polyline"))
            .cls(QStringLiteral("pos"))
            .attr(QStringLiteral("points"), path);
        h_.element(QStringLiteral("title"), title);
        h_.close();
        h_.empty(QStringLiteral("circle"))
            .cls(QStringLiteral("now"))
            .attr(QStringLiteral("cx"), st_.x(races_ - 1))
            .attr(QStringLiteral("cy"), st_.y(st_.position(o_, races_ - 1)))
            .attr(QStringLiteral("r"), QStringLiteral("4"));
        h_.close(); // svg
        h_.close(); // div
        h_.close(); // figure
        h_.close();
    }

    // A row a race: each pick's points, the owner's, the running total and the position.
    void raceByRace()
    {
        h_.section(QStringLiteral("races"), QStringLiteral("Race by race"));
        h_.open(QStringLiteral("div")).cls(QStringLiteral("scroll"));
        h_.open(QStringLiteral("table")).id(QStringLiteral("by-race"));
        h_.open(QStringLiteral("thead"));
        h_.open(QStringLiteral("tr"));
        h_.element(QStringLiteral("th"), QStringLiteral("Race"), QStringLiteral("name"));
        for (const Pick& p : picks_)
            h_.element(QStringLiteral("th"), p.name, QStringLiteral("race"));
        if (adjusted_)
            h_.element(QStringLiteral("th"), QStringLiteral("Penalty or bonus"),
                       QStringLiteral("race"));
        for (const char16_t* heading : {u"Points", u"Total", u"Position"})
            h_.element(u"th", heading);
        h_.close();
        h_.close();
        h_.open(QStringLiteral("tbody"));
        h_.newline();
        qint64 total = 0;
        for (int r = 0; r < races_; ++r) {
            const int got = s_.pointsIn(o_, r);
            total += got;
            h_.open(QStringLiteral("tr"));
            h_.element(QStringLiteral("th"), s_.races[r]);
            const std::array<velmora::Pick, 5> inForce = s_.picksIn(o_, r);
            for (std::size_t k = 0; k < 5; ++k) {
                const velmora::Pick& p = inForce[k];
                const Pick& today = picks_[k];
                const Transfers& made = s_.owners[o_].decided.transfers;
                const bool transfer = std::any_of(made.begin(), made.end(), [&](const Transfer& t) {
                    return std::size_t(t.component) == k && t.race == r;
                });
                if (place(p) == place(today) && !transfer) {
                    h_.element(u"td", pointsIn(today, s_.racePoints[std::size_t(r)]));
                    continue;
                }
                // Another pick was in force in this race: its points, and its name; the race a
                // transfer counts from is marked.
                const Pick was = described(k, p);
                h_.open(QStringLiteral("td"));
                h_.text(number(pointsIn(was, s_.racePoints[std::size_t(r)])));
                h_.element(QStringLiteral("span"),
                           (transfer ? QStringLiteral(" (%1, transfer)") : QStringLiteral(" (%1)"))
                               .arg(was.name),
                           QStringLiteral("was"));
                h_.close();
            }
            if (adjusted_) {
                const std::vector<const Decision*> in = adjustmentsIn(r);
                QStringList why;
                for (const Decision* d : in)
                    why << signedNumber(d->adjustment()) + u' ' + shownText(d->reason);
                h_.open(QStringLiteral("td")).cls(QStringLiteral("name")); // the reasons wrap
                h_.text(in.empty()
                            ? QString()
                            : signedNumber(RaceScores::adjustmentIn(s_.owners[o_].decided, r)));
                if (!in.empty())
                    h_.element(QStringLiteral("span"),
                               in.size() == 1
                                   ? QStringLiteral(" (%1)").arg(shownText(in[0]->reason))
                                   : QStringLiteral(" (%1)").arg(why.join(u"; ")),
                               QStringLiteral("was"));
                h_.close();
            }
            if (r == best_ || r == worst_) {
                const bool best = r == best_;
                h_.open(QStringLiteral("td"))
                    .cls(best ? QStringLiteral("best") : QStringLiteral("worst"));
                h_.text(number(got));
                h_.element(QStringLiteral("span"),
                           best ? QStringLiteral(" (best)") : QStringLiteral(" (worst)"),
                           QStringLiteral("sr"));
                h_.close();
            } else {
                h_.element(u"td", got);
            }
            h_.element(u"td", total);
            h_.element(u"td", st_.position(o_, r));
            h_.close();
            h_.newline();
        }
        h_.endTable();
        h_.element(QStringLiteral("p"),
                   adjusted_ ? QStringLiteral("The points of each pick in each race, the owner's "
                                              "penalties and bonuses there with their reasons, "
                                              "the owner's sum of them, the total so far and the "
                                              "position after the race; the best and the worst "
                                              "race are marked.")
                             : QStringLiteral("The points of each pick in each race, the owner's "
                                              "sum of them, the total so far and the position "
                                              "after the race; the best and the worst race are "
                                              "marked."),
                   QStringLiteral("hint"));
        h_.close();
    }

    const Season& s_;
    const Standings& st_;
    const std::size_t o_;
    const PublishOptions& options_;
    const SiteLinks& links_;
    Html h_;
    const int races_;
    const qint64 total_;
    std::vector<Pick> picks_; // today's, an entry's five
    std::vector<Pick> rows_;  // the team table's: every pick that counted, when they changed
    std::vector<const Season::Decided*> decisions_; // the owner's, in the order made
    bool adjusted_ = false; // a penalty or bonus counts in a race of the calendar
    int best_ = -1, worst_ = -1;
};

} // namespace

std::vector<QString> ownerAddresses(const Season& season)
{
    const std::size_t n = season.owners.size();
    std::vector<QString> base(n);
    for (std::size_t o = 0; o < n; ++o)
        base[o] = readablePart(season.owners[o].name) + u'-' + nameDigits(season.owners[o].name);
    // Owners sharing an address, in an order the entry file's order does not change.
    const auto picks = [&](std::size_t o) {
        std::array<std::pair<int, int>, 5> at;
        for (std::size_t k = 0; k < 5; ++k)
            at[k] = {season.owners[o].picks[k].record, season.owners[o].picks[k].slot};
        return at;
    };
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (const int c = base[a].compare(base[b]))
            return c < 0;
        if (const int c = season.owners[a].name.compare(season.owners[b].name))
            return c < 0;
        if (picks(a) != picks(b))
            return picks(a) < picks(b);
        return a < b;
    });
    std::vector<QString> address(n);
    for (std::size_t i = 0, same = 0; i < n; ++i) {
        const std::size_t o = order[i];
        same = i > 0 && base[order[i - 1]] == base[o] ? same + 1 : 0;
        address[o] = QStringLiteral("owners/") + base[o]
                     + (same ? QStringLiteral("-%1").arg(same + 1) : QString())
                     + QStringLiteral(".html");
    }
    return address;
}

bool isOwnerPageName(const QString& fileName)
{
    static const QRegularExpression page(QStringLiteral(
        "^[a-z0-9]+(-[a-z0-9]+)*-[a-z0-9]{8}(-[0-9]+)?\\.html(\\.part)?$|^scratch-[0-9]+\\.part$"));
    return page.match(fileName).hasMatch();
}

Standings::Standings(const Season& season) : n_(season.owners.size())
{
    // Room on the left of the chart for the lowest position's number.
    const int last = std::max<int>(int(n_), 2);
    left_ = 16 + 11 * double(number(last).size());
    const int races = season.raceCount();
    for (int r = 0; r < races; ++r)
        x_.push_back(coordinate(races == 1 ? (left_ + Width - Right) / 2
                                           : left_ + (Width - left_ - Right) * r / (races - 1)));
    y_.resize(std::size_t(last) + 1);
    for (int p = 1; p <= last; ++p)
        y_[std::size_t(p)] = coordinate(Top + (Height - Top - Bottom) * (p - 1) / (last - 1));

    at_.resize(std::size_t(races) * n_);
    // Owners by their points after each race, most first: equal points share the position of
    // the first of them.
    std::vector<std::pair<qint64, std::size_t>> order(n_);
    for (std::size_t o = 0; o < n_; ++o)
        order[o] = {0, o};
    for (int r = 0; r < races; ++r) {
        for (auto& [points, o] : order)
            points += season.pointsIn(o, r);
        std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
            return a.first > b.first || (a.first == b.first && a.second < b.second);
        });
        int* position = at_.data() + std::size_t(r) * n_;
        for (std::size_t i = 0; i < n_; ++i)
            position[order[i].second] = i > 0 && order[i].first == order[i - 1].first
                                            ? position[order[i - 1].second]
                                            : int(i) + 1;
    }
    final_.resize(n_);
    for (std::size_t i = 0; i < n_; ++i)
        final_[i] = order[i].first;
}

QByteArray ownerPage(const Season& season, const Standings& standings, std::size_t owner,
                     const PublishOptions& options, const SiteLinks& links)
{
    return OwnerPageWriter(season, standings, owner, options, links).write();
}

} // namespace velmora
