#include "publish/season.h"

#include "data/decisions.h"
#include "data/entry_rules.h"
#include "data/io.h"
#include "data/text.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <functional>

namespace velmora {
namespace {

// The whole records of a file's bytes; a partial record at the end counts for nothing.
template <class Record> std::vector<Record> decoded(const QByteArray& bytes)
{
    std::vector<Record> records;
    decodeRecords(bytes, &records, QString(), nullptr);
    return records;
}

std::vector<LeagueRow> leagueTable(const Season& season)
{
    const int races = season.raceCount();
    const std::size_t n = season.owners.size();
    const std::vector<int> now = positionsAfter(season, races);
    const std::vector<int> before = races >= 2 ? positionsAfter(season, races - 1) : now;
    std::vector<LeagueRow> rows(n);
    for (std::size_t o = 0; o < n; ++o) {
        LeagueRow& row = rows[o];
        row = {o, now[o], season.totalAfter(o, races)};
        if (races == 0)
            continue;
        row.lastRace = season.pointsIn(o, races - 1);
        row.places = std::abs(before[o] - row.position);
        using Move = LeagueRow::Move;
        row.move = races == 1                  ? Move::New
                   : before[o] == row.position ? Move::Same
                   : before[o] > row.position  ? Move::Up
                                               : Move::Down;
    }
    // Names compared once folded, not folded at every comparison.
    std::vector<QString> folded(n);
    for (std::size_t o = 0; o < n; ++o)
        folded[o] = season.owners[o].name.toCaseFolded();
    std::sort(rows.begin(), rows.end(), [&](const LeagueRow& a, const LeagueRow& b) {
        if (a.points != b.points)
            return a.points > b.points;
        if (const int c = folded[a.owner].compare(folded[b.owner]))
            return c < 0;
        if (const int c = season.owners[a.owner].name.compare(season.owners[b.owner].name))
            return c < 0;
        return a.owner < b.owner;
    });
    return rows;
}

// Owners of exactly the same name told apart by the chassis they picked, and where that is the
// same too, by their entries.
void labelOwners(Season* season)
{
    auto& owners = season->owners;
    QHash<QString, int> named;
    for (const Season::Owner& o : owners)
        ++named[o.name];
    for (Season::Owner& o : owners)
        o.label = named.value(o.name) < 2
                      ? o.name
                      : QStringLiteral("%1 (%2)").arg(o.name, season->nameOf(o.picks[0]));
    QHash<QString, int> labelled;
    for (const Season::Owner& o : owners)
        ++labelled[o.label];
    for (Season::Owner& o : owners)
        if (labelled.value(o.label) > 1)
            o.label = QStringLiteral("%1 (%2, entry %3)")
                          .arg(o.name, season->nameOf(o.picks[0]))
                          .arg(o.record);
}

} // namespace

QString Season::nameOf(Pick pick) const
{
    if (pick.record < 0)
        return QStringLiteral("none");
    const std::size_t at = std::size_t(pick.record);
    if (!pick.isTeamPart())
        return at < testDriverNames.size() ? testDriverNames[at] : QStringLiteral("none");
    return at < teamNames.size() ? teamNames[at][std::size_t(pick.slot)] : QStringLiteral("none");
}

QString Season::raceName(int race) const
{
    return race < raceCount() ? races[race] : QStringLiteral("race %1").arg(race + 1);
}

QString shownText(const QString& field)
{
    QString text = displayText(field);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text;
}

std::array<Pick, 5> Season::picksIn(std::size_t owner, int race) const
{
    const Owner& o = owners[owner];
    std::array<Pick, 5> picks = RaceScores::picksIn(o.picks, o.decided.transfers, race);
    for (Pick& pick : picks)
        if (pick.record >= int(pick.isTeamPart() ? teams.size() : testDrivers.size()))
            pick.record = -1;
    return picks;
}

qint64 Season::totalAfter(std::size_t owner, int raceCount) const
{
    qint64 total = 0;
    for (int r = 0; r < raceCount; ++r)
        total += pointsIn(owner, r);
    return total;
}

bool readSeason(const League& league, Season* season, QString* error)
{
    *season = {};
    // Publishing from the wrong folder would replace a league's site with an empty one.
    if (!league.dir().holdsLeague())
        return io::fail(error, QCoreApplication::translate(
                                   "Publish", "The folder \"%1\" holds no league: none of "
                                              "teams.tro, test.tro, entry.tro and calendar.tro "
                                              "is there.")
                                   .arg(league.dir().path()));
    const LeagueFile::Kind kinds[4] = {LeagueFile::Teams, LeagueFile::TestDrivers,
                                       LeagueFile::Entries, LeagueFile::Calendar};
    QByteArray bytes[4];
    for (int k = 0; k < 4; ++k)
        if (!league.readBytes(kinds[k], &bytes[k], error))
            return false;
    season->teams = decoded<TeamRecord>(bytes[0]);
    season->testDrivers = decoded<TestDriverRecord>(bytes[1]);
    const std::size_t teamCount = season->teams.size();
    const std::size_t testCount = season->testDrivers.size();

    // A race listed twice is read once and counted twice, as the championship counts it.
    QHash<QString, QByteArray> raceFiles;
    const auto raceFile = [&](const LeagueFile& file, QByteArray* race) {
        const QString path = league.path(file);
        if (const auto it = raceFiles.constFind(path); it != raceFiles.cend()) {
            *race = *it;
            return true;
        }
        if (!league.readBytes(file, race, error))
            return false;
        raceFiles.insert(path, *race);
        return true;
    };
    const QByteArray& calendar = bytes[3];
    for (qsizetype at = 0; at + RaceName::Length <= calendar.size(); at += RaceName::Length) {
        const QString race = displayText(RaceName::decode(calendar.constData() + at).Name);
        QByteArray raceTeams, raceTestDrivers;
        if (!raceFile({LeagueFile::RaceTeams, race}, &raceTeams)
            || !raceFile({LeagueFile::RaceTestDrivers, race}, &raceTestDrivers))
            return false;
        season->races << shownText(race);
        ComponentPoints points(teamCount, testCount);
        points.addRace(decoded<TeamRecord>(raceTeams), decoded<TestDriverRecord>(raceTestDrivers));
        season->racePoints.push_back(std::move(points));
    }

    // Each race's points for an entry come from the championship's own sum, with the picks in
    // force for the race.
    const std::vector<EntryRecord> entries = decoded<EntryRecord>(bytes[2]);
    QByteArray record;
    Decisions decisions;
    if (!league.readBytes(LeagueFile::Decisions, &record, error)
        || !checkDecisions(record, league.path(LeagueFile::Decisions), &entries, &decisions, error))
        return false;
    const RaceScores scores(decisions);
    const std::size_t races = std::size_t(season->races.size());
    const ComponentPoints none(teamCount, testCount);
    const std::optional<double> budget = league.settings().budget;
    season->teamNames = teamNames(season->teams, shownText);
    for (const TestDriverRecord& t : season->testDrivers)
        season->testDriverNames.push_back(shownText(t.Name));
    season->owners.resize(entries.size());
    season->points.resize(entries.size() * races);
    QHash<QString, std::size_t> byName; // an owner with decisions has a name of its own
    for (std::size_t o = 0; o < entries.size(); ++o) {
        Season::Owner& owner = season->owners[o];
        owner.name = shownText(entries[o].Owner);
        owner.record = qint64(o) + 1;
        owner.storedPoints = entries[o].Points;
        owner.picks = entries[o].picks();
        if (scores.any())
            owner.decided = scores.of(displayText(entries[o].Owner));
        if (!decisions.list.empty())
            byName.insert(displayText(entries[o].Owner), o);
        for (std::size_t r = 0; r < races; ++r)
            season->points[o * races + r] =
                RaceScores::pointsIn(owner.picks, owner.decided, int(r), season->racePoints[r]);
        for (Pick& pick : owner.picks)
            pick.record = none.names(pick) ? pick.record : -1;
        if (budget) {
            const Pick d1 = owner.picks[Pick::Driver1], d2 = owner.picks[Pick::Driver2];
            const auto driver = [&](Pick p) {
                return p.record < 0 ? QString()
                                    : displayText(p.in(season->teams[std::size_t(p.record)])->Name);
            };
            const RuleMarks marks = ruleMarks(
                budget, entryTotal(entries[o].picks(), season->teams, season->testDrivers),
                d1.record < 0 ? -1 : entries[o].Driver1Index,
                d2.record < 0 ? -1 : entries[o].Driver2Index, driver(d1), driver(d2));
            for (const QString& mark : {marks.total, marks.drivers})
                if (!mark.isEmpty())
                    owner.marks << mark;
        }
    }
    for (const Decision& d : decisions.list)
        if (d.isTransfer() || d.isAdjustment())
            season->decisions.push_back({d, byName.value(d.owner)});
    labelOwners(season);
    season->table = leagueTable(*season);
    return true;
}

std::vector<int> positionsAfter(const Season& season, int races)
{
    std::vector<qint64> points(season.owners.size());
    for (std::size_t o = 0; o < points.size(); ++o)
        points[o] = season.totalAfter(o, races);
    return positionsOf(points);
}

std::vector<int> positionsOf(const std::vector<qint64>& points)
{
    const std::size_t n = points.size();
    std::vector<qint64> best = points;
    std::sort(best.begin(), best.end(), std::greater<>());
    std::vector<int> position(n);
    for (std::size_t o = 0; o < n; ++o)
        position[o] = int(std::lower_bound(best.begin(), best.end(), points[o], std::greater<>())
                          - best.begin())
                      + 1;
    return position;
}

std::vector<ComponentRow> componentRows(const Season& season)
{
    using Kind = ComponentRow::Kind;
    std::vector<ComponentRow> rows;
    const auto add = [&](Kind kind, const QString& price, int record, int slot) {
        ComponentRow row{
            kind, season.nameOf({record, Pick::Slot(slot)}), price, {record, Pick::Slot(slot)}};
        for (const ComponentPoints& race : season.racePoints)
            row.total += row.pointsIn(race);
        rows.push_back(std::move(row));
    };
    const auto& teams = season.teams;
    for (int s = 0; s < 2; ++s)
        for (std::size_t j = 0; j < teams.size(); ++j) {
            const ComponentSlot& slot = *teams[j].components()[std::size_t(s)];
            add(s == 0 ? Kind::Chassis : Kind::Engine, priceText(slot.Price), int(j), s);
        }
    for (std::size_t j = 0; j < teams.size(); ++j)
        for (int s = 2; s < 4; ++s) {
            const ComponentSlot& driver = *teams[j].components()[std::size_t(s)];
            add(Kind::Driver, priceText(driver.Price), int(j), s);
        }
    for (std::size_t j = 0; j < season.testDrivers.size(); ++j)
        add(Kind::TestDriver, QString::number(season.testDrivers[j].Price), int(j),
            Pick::TestDriver);

    // Where each component's row is: four per team record, then the test drivers.
    const std::size_t teamSlots = teams.size() * 4;
    const auto at = [teamSlots](const Pick& p) {
        return p.isTeamPart() ? std::size_t(p.record) * 4 + std::size_t(p.slot)
                              : teamSlots + std::size_t(p.record);
    };
    std::vector<std::size_t> rowOf(teamSlots + season.testDrivers.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rowOf[at(rows[i].pick)] = i;
    for (std::size_t o = 0; o < season.owners.size(); ++o) {
        const std::array<Pick, 5> picks = season.picksIn(o, season.raceCount());
        for (auto p = picks.begin(); p != picks.end(); ++p)
            if (p->record >= 0 && std::find(picks.begin(), p, *p) == p)
                ++rows[rowOf[at(*p)]].chosenBy; // an entry choosing it twice counts once
    }
    return rows;
}

} // namespace velmora
