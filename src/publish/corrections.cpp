#include "publish/html.h"
#include "publish/site.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <climits>

namespace velmora {
namespace {

// published.txt, line by line (fields apart by tabs):
//   velmora-publish published 1
//   publication <count>
//   correction <publication> <race> <kind> <component> <before> <after> <owner>...
//   moved <owner>...        (after a correction that changed owners' places)
//   components <team records> <test drivers>
//   race <name> <points of each component>
//   decision <the fields of a line of decisions.txt but the race's number>   (when there are any)
constexpr const char* kHeader = "velmora-publish published 1";

QString joined(const QStringList& fields)
{
    return fields.join(u'\t') + u'\n';
}

// A whole number written as this program writes one: no sign but '-', no leading zero.
bool readNumber(const QString& text, int* n, int least = INT_MIN)
{
    bool ok = false;
    *n = text.toInt(&ok);
    return ok && *n >= least && QString::number(*n) == text;
}

std::vector<int> racePoints(const Season& season, const ComponentPoints& race)
{
    std::vector<int> points;
    points.reserve(season.teams.size() * 4 + season.testDrivers.size());
    for (std::size_t j = 0; j < season.teams.size(); ++j)
        for (int s = 0; s < 4; ++s)
            points.push_back(race.team(j, s));
    for (std::size_t t = 0; t < season.testDrivers.size(); ++t)
        points.push_back(race.testDriver(t));
    return points;
}

// A decision as the memory knows it: its line's fields but the race's number, which taking a
// race out of the calendar changes, and no character a memory's line cannot hold.
QString decisionKey(const Decision& d)
{
    QStringList f{d.takenBack ? d.kind + QStringLiteral(" taken back") : d.kind, d.owner};
    if (d.isTransfer())
        f << placeText(d.component) << number(d.before) << number(d.after);
    else
        f << number(d.points) << d.reason;
    f << d.raceName;
    QString key = f.join(u'\t');
    for (QChar& c : key)
        if (c.category() == QChar::Other_Control && c != u'\t')
            c = QChar::ReplacementCharacter;
    return key;
}

// What decision i of the season changed in the owner's points: with it less without it (taken
// back: without it less with it). A transfer counts until the owner's next transfer of the
// component.
qint64 decided(const Season& season, std::size_t i)
{
    const Decision& d = season.decisions[i].decision;
    const int races = season.raceCount();
    if (d.isAdjustment())
        return d.race < races ? (d.takenBack ? -d.adjustment() : d.adjustment()) : 0;
    int end = races;
    for (std::size_t j = i + 1; j < season.decisions.size() && !d.takenBack; ++j) {
        const Decision& later = season.decisions[j].decision;
        if (later.isTransfer() && later.counts() && later.owner == d.owner
            && later.component == d.component) {
            end = std::min(end, later.race);
            break;
        }
    }
    qint64 change = 0;
    for (int r = d.race; r < end; ++r) {
        const ComponentPoints& points = season.racePoints[std::size_t(r)];
        change += points.points(Pick::at(d.component, d.after))
                  - points.points(Pick::at(d.component, d.before));
    }
    return d.takenBack ? -change : change;
}

int clamped(qint64 n)
{
    return int(std::clamp<qint64>(n, INT_MIN, INT_MAX));
}

} // namespace

bool Correction::isDecision() const
{
    for (const auto k : {ComponentRow::Kind::Chassis, ComponentRow::Kind::Engine,
                         ComponentRow::Kind::Driver, ComponentRow::Kind::TestDriver})
        if (kind == kindText(k))
            return false;
    return true;
}

QString correctionText(const Correction& c)
{
    return c.kind + (c.isDecision() ? QStringLiteral(": ") : QStringLiteral(" ")) + c.component;
}

QString kindText(ComponentRow::Kind kind)
{
    switch (kind) {
    case ComponentRow::Kind::Chassis:
        return QStringLiteral("Chassis");
    case ComponentRow::Kind::Engine:
        return QStringLiteral("Engine maker");
    case ComponentRow::Kind::Driver:
        return QStringLiteral("Race driver");
    case ComponentRow::Kind::TestDriver:
        return QStringLiteral("Test driver");
    }
    return {};
}

QByteArray memoryText(const SiteMemory& memory)
{
    QString text = QLatin1String(kHeader) + u'\n';
    text += joined({QStringLiteral("publication"), number(memory.publication)});
    for (const Correction& c : memory.corrections) {
        text += joined(QStringList{QStringLiteral("correction"), number(c.publication), c.race,
                                   c.kind, c.component, number(c.before), number(c.after)}
                       + c.owners);
        if (!c.moved.isEmpty())
            text += joined(QStringList{QStringLiteral("moved")} + c.moved);
    }
    text +=
        joined({QStringLiteral("components"), number(memory.teams), number(memory.testDrivers)});
    for (const auto& [race, points] : memory.races) {
        QStringList fields{QStringLiteral("race"), race};
        for (const int p : points)
            fields << number(p);
        text += joined(fields);
    }
    for (const QString& decision : memory.decisions)
        text += QStringLiteral("decision\t") + decision + u'\n';
    return text.toUtf8();
}

bool parseMemory(const QByteArray& text, SiteMemory* memory, int* line)
{
    *memory = {};
    const QList<QByteArray> lines = text.split('\n');
    // Every line ends with a line end, so the last piece is empty.
    int at = 0;
    const auto bad = [&] {
        *line = at + 1;
        return false;
    };
    if (lines[0] != kHeader)
        return bad();
    QSet<QString> races;
    enum { Publication, Corrections, Races, Decisions } part = Publication;
    for (at = 1; at + 1 < lines.size(); ++at) {
        // A name may begin with U+FEFF: kept, not taken for a byte-order mark.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless
                                                      | QStringDecoder::Flag::ConvertInitialBom);
        const QStringList f = QString(utf8.decode(lines[at])).split(u'\t');
        if (utf8.hasError())
            return bad();
        const QString& key = f[0];
        int n[3];
        if (part == Publication) {
            if (f.size() != 2 || key != u"publication"
                || !readNumber(f[1], &memory->publication, 1))
                return bad();
            part = Corrections;
        } else if (part == Corrections && key == u"correction") {
            if (f.size() < 7 || !readNumber(f[1], &n[0], 1) || n[0] > memory->publication
                || !readNumber(f[5], &n[1]) || !readNumber(f[6], &n[2]))
                return bad();
            memory->corrections.push_back({n[0], f[2], f[3], f[4], n[1], n[2], f.mid(7), {}});
        } else if (part == Corrections && key == u"moved") {
            if (memory->corrections.empty() || !memory->corrections.back().moved.isEmpty()
                || f.size() < 2)
                return bad();
            memory->corrections.back().moved = f.mid(1);
        } else if (part == Corrections && key == u"components") {
            if (f.size() != 3 || !readNumber(f[1], &memory->teams, 0)
                || !readNumber(f[2], &memory->testDrivers, 0))
                return bad();
            part = Races;
        } else if (part == Races && key == u"race") {
            const qint64 count = qint64(memory->teams) * 4 + memory->testDrivers;
            if (f.size() != count + 2 || races.contains(f[1]))
                return bad();
            races.insert(f[1]);
            std::vector<int> points(std::size_t(count), 0);
            for (std::size_t k = 0; k < points.size(); ++k)
                if (!readNumber(f[qsizetype(k) + 2], &points[k]))
                    return bad();
            memory->races.emplace_back(f[1], std::move(points));
        } else if (part >= Races && key == u"decision" && f.size() >= 3) {
            memory->decisions << f.mid(1).join(u'\t');
            part = Decisions;
        } else {
            return bad();
        }
    }
    at = int(lines.size()) - 1; // a last line without its line end, or the end of the file
    return (lines.back().isEmpty() && part >= Races) || bad();
}

SiteMemory nextMemory(const SiteMemory& before, const Season& season)
{
    SiteMemory next = before;
    next.teams = int(season.teams.size());
    next.testDrivers = int(season.testDrivers.size());
    next.races.clear();
    // A race listed twice is one race, with the same files.
    QSet<QString> listed;
    for (int r = 0; r < season.raceCount(); ++r)
        if (!listed.contains(season.races[r])) {
            listed.insert(season.races[r]);
            next.races.emplace_back(season.races[r], racePoints(season, season.racePoints[r]));
        }
    next.decisions.clear();
    for (const Season::Decided& d : season.decisions)
        next.decisions << decisionKey(d.decision);
    const bool decisionsSame = before.decisions == next.decisions;
    if (before.publication > 0 && next.teams == before.teams
        && next.testDrivers == before.testDrivers && next.races == before.races && decisionsSame)
        return next;
    // (A count that reached the largest int, from a hand-made memory, stays there.)
    next.publication = before.publication + (before.publication < INT_MAX);

    // Component k of the memory and of the season: four per team record, then the test
    // drivers; a database that grew or shrank is compared where both have the component.
    // (A memory's counts are whatever its file says, up to the largest int.)
    struct Component {
        std::size_t kBefore, kNow;
        int record, slot;
    };
    std::vector<Component> common;
    for (int j = 0; j < std::min(next.teams, before.teams); ++j)
        for (int s = 0; s < 4; ++s)
            common.push_back(
                {std::size_t(j) * 4 + std::size_t(s), std::size_t(j) * 4 + std::size_t(s), j, s});
    for (int t = 0; t < std::min(next.testDrivers, before.testDrivers); ++t)
        common.push_back({std::size_t(before.teams) * 4 + std::size_t(t),
                          std::size_t(next.teams) * 4 + std::size_t(t), t, -1});
    QHash<QString, const std::vector<int>*> published;
    for (const auto& [race, points] : before.races)
        published.insert(race, &points);
    static const ComponentRow::Kind kinds[] = {
        ComponentRow::Kind::Chassis, ComponentRow::Kind::Engine, ComponentRow::Kind::Driver,
        ComponentRow::Kind::Driver};
    for (const auto& [race, now] : next.races) {
        const std::vector<int>* was = published.value(race);
        if (!was || std::all_of(was->begin(), was->end(), [](int p) { return p == 0; }))
            continue;
        // The owners' picks in force at each place the race has in the calendar (a race listed
        // twice counts twice, with the picks of each place), made once a component changed.
        std::vector<std::vector<std::array<Pick, 5>>> inForce;
        for (const Component& c : common) {
            const int b = (*was)[c.kBefore], a = now[c.kNow];
            if (a == b)
                continue;
            Correction found;
            found.publication = next.publication;
            found.race = race;
            found.before = b;
            found.after = a;
            if (c.slot < 0) {
                found.kind = kindText(ComponentRow::Kind::TestDriver);
                found.component = season.nameOf({c.record, Pick::TestDriver});
            } else {
                found.kind = kindText(kinds[c.slot]);
                found.component = season.nameOf({c.record, Pick::Slot(c.slot)});
            }
            // Who chose it (the picks in force in that race), and whose place after the last
            // race it changed: their points with the published figure put back place them
            // elsewhere.
            const auto chosen = [&c](const Pick& p) {
                return p.record == c.record && (p.isTeamPart() ? int(p.slot) : -1) == c.slot;
            };
            for (int r = 0; inForce.empty() && r < season.raceCount(); ++r)
                if (season.races[r] == race) {
                    auto& place = inForce.emplace_back();
                    for (std::size_t o = 0; o < season.owners.size(); ++o)
                        place.push_back(season.picksIn(o, r));
                }
            std::vector<qint64> published(season.owners.size());
            for (std::size_t o = 0; o < published.size(); ++o) {
                qint64 chosenTimes = 0;
                for (const auto& place : inForce)
                    chosenTimes += std::count_if(place[o].begin(), place[o].end(), chosen);
                published[o] =
                    season.totalAfter(o, season.raceCount()) - qint64(a - b) * chosenTimes;
            }
            const std::vector<int> was = positionsOf(published);
            for (const LeagueRow& row : season.table) {
                if (published[row.owner] != row.points)
                    found.owners << season.owners[row.owner].label;
                if (was[row.owner] != row.position)
                    found.moved << season.owners[row.owner].label;
            }
            next.corrections.push_back(std::move(found));
        }
    }
    if (before.publication == 0 || decisionsSame)
        return next;
    // The decisions the memory does not hold, each as many times as it lacks them: made or
    // taken back since, each told with the places it changed.
    QHash<QString, int> known;
    for (const QString& key : before.decisions)
        ++known[key];
    std::vector<qint64> now(season.owners.size());
    for (std::size_t o = 0; o < now.size(); ++o)
        now[o] = season.totalAfter(o, season.raceCount());
    for (std::size_t i = 0; i < season.decisions.size(); ++i) {
        if (int& left = known[next.decisions[qsizetype(i)]]; left-- > 0)
            continue;
        const auto& [d, owner] = season.decisions[i];
        Correction found;
        found.publication = next.publication;
        found.race = season.raceName(d.race);
        found.kind = d.isTransfer()         ? QStringLiteral("Transfer")
                     : d.kind == u"penalty" ? QStringLiteral("Penalty")
                                            : QStringLiteral("Bonus");
        if (d.takenBack)
            found.kind += QStringLiteral(" taken back");
        found.component =
            d.isTransfer()
                ? QStringLiteral("%1, %2 \u2192 %3")
                      .arg(placeText(d.component), season.nameOf(Pick::at(d.component, d.before)),
                           season.nameOf(Pick::at(d.component, d.after)))
                : QStringLiteral("%1 point%2, %3")
                      .arg(d.points)
                      .arg(d.points == 1 ? QString() : QStringLiteral("s"), shownText(d.reason));
        const qint64 change = decided(season, i);
        found.before = clamped(now[owner] - change);
        found.after = clamped(now[owner]);
        found.owners << season.owners[owner].label;
        std::vector<qint64> published = now;
        published[owner] -= change;
        const std::vector<int> was = positionsOf(published);
        for (const LeagueRow& row : season.table)
            if (was[row.owner] != row.position)
                found.moved << season.owners[row.owner].label;
        next.corrections.push_back(std::move(found));
    }
    return next;
}

} // namespace velmora
