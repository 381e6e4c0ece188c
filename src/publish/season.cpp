#include "publish/season.h"

#include "data/fields.h"
#include "data/io.h"
#include "data/record_file.h"
#include "data/text.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>

namespace velmora {
namespace {

// A data file's bytes, read without creating it: an absent file reads as empty.
bool readData(const QString& path, QByteArray* bytes, QString* error)
{
    bytes->clear();
    // A folder opens for reading, and some file systems give it no length: said, not read
    // as an empty file.
    if (QFileInfo(path).isDir()) {
        if (error)
            *error = io::errorText(QStringLiteral("read"), path, EISDIR);
        return false;
    }
    QString openError;
    const int fd = io::openFile(path, O_RDONLY, &openError);
    if (fd < 0) {
        if (!QFileInfo::exists(path))
            return true;
        if (error)
            *error = openError;
        return false;
    }
    const qint64 length = io::fileLength(fd);
    const bool ok = io::allocate(bytes, length, path, error)
                    && io::readAt(fd, path, bytes->data(), length, 0, error);
    io::closeFile(fd);
    return ok;
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
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

} // namespace

QString shownText(const QString& field)
{
    QString text = displayText(field);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text;
}

qint64 Season::totalAfter(std::size_t owner, int raceCount) const
{
    qint64 total = 0;
    for (int r = 0; r < raceCount; ++r)
        total += pointsIn(owner, r);
    return total;
}

bool readSeason(const DataDir& dir, Season* season, QString* error)
{
    *season = {};
    const QFileInfo folder(dir.path());
    if (!folder.exists())
        return fail(error,
                    QStringLiteral("The data folder \"%1\" does not exist.").arg(dir.path()));
    if (!folder.isDir())
        return fail(error, QStringLiteral("\"%1\" is not a folder.").arg(dir.path()));
    // Publishing from the wrong folder would replace a league's site with an empty one.
    const QString files[4] = {dir.teams(), dir.testDrivers(), dir.entries(), dir.calendar()};
    if (std::none_of(std::begin(files), std::end(files),
                     [](const QString& f) { return QFileInfo::exists(f); }))
        return fail(error, QStringLiteral("The folder \"%1\" holds no league: none of teams.tro, "
                                          "test.tro, entry.tro and calendar.tro is there.")
                               .arg(dir.path()));

    QByteArray bytes[4];
    for (int k = 0; k < 4; ++k)
        if (!readData(files[k], &bytes[k], error))
            return false;
    if (!decodeRecords(bytes[0], files[0], &season->teams, error)
        || !decodeRecords(bytes[1], files[1], &season->testDrivers, error))
        return false;
    const qint64 teamCount = qint64(season->teams.size());
    const qint64 testCount = qint64(season->testDrivers.size());

    // A race listed twice is read once and counted twice, as the championship counts it.
    QHash<QString, QByteArray> raceFiles;
    const auto raceFile = [&](const QString& path, QByteArray* race) {
        if (const auto it = raceFiles.constFind(path); it != raceFiles.cend()) {
            *race = *it;
            return true;
        }
        if (!readData(path, race, error))
            return false;
        raceFiles.insert(path, *race);
        return true;
    };
    const QByteArray& calendar = bytes[3];
    for (qsizetype at = 0; at + RaceName::Length <= calendar.size(); at += RaceName::Length) {
        const QString race = displayText(RaceName::decode(calendar.constData() + at).Name);
        QByteArray raceTeams, raceTestDrivers;
        if (!raceFile(dir.raceTeams(race), &raceTeams)
            || !raceFile(dir.raceTestDrivers(race), &raceTestDrivers))
            return false;
        season->races << shownText(race);
        season->racePoints.push_back(raceScores(raceTeams, raceTestDrivers, teamCount, testCount));
    }

    const QByteArray& entries = bytes[2];
    const std::size_t owners = std::size_t(entries.size() / EntryRecord::Length);
    const std::size_t races = std::size_t(season->races.size());
    season->owners.resize(owners);
    season->points.resize(owners * races);
    for (std::size_t o = 0; o < owners; ++o) {
        const char* rec = entries.constData() + qsizetype(o) * EntryRecord::Length;
        Season::Owner& owner = season->owners[o];
        owner.name = shownText(EntryRecord::decode(rec).Owner);
        owner.record = qint64(o) + 1;
        owner.storedPoints = readInt16(rec + EntryRecord::PointsAt);
        owner.picks = entryPicks(rec, teamCount, testCount);
        for (std::size_t r = 0; r < races; ++r)
            season->points[o * races + r] = entryPoints(season->racePoints[r], owner.picks);
    }
    season->table = leagueTable(*season);
    return true;
}

std::vector<int> positionsAfter(const Season& season, int races)
{
    const std::size_t n = season.owners.size();
    std::vector<qint64> points(n);
    for (std::size_t o = 0; o < n; ++o)
        points[o] = season.totalAfter(o, races);
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
    const auto add = [&](Kind kind, const QString& name, const QString& price, Pick pick) {
        ComponentRow row{kind, shownText(name), price, pick};
        for (const ComponentScores& race : season.racePoints)
            row.total += pointsOf(race, pick);
        rows.push_back(std::move(row));
    };
    const auto& teams = season.teams;
    for (std::size_t j = 0; j < teams.size(); ++j)
        add(Kind::Chassis, teams[j].Team.Name, priceText(teams[j].Team.Price),
            {false, qint64(j) * 4});
    for (std::size_t j = 0; j < teams.size(); ++j)
        add(Kind::Engine, teams[j].Engine.Name, priceText(teams[j].Engine.Price),
            {false, qint64(j) * 4 + 1});
    for (std::size_t j = 0; j < teams.size(); ++j)
        for (int d = 0; d < 2; ++d) {
            const ComponentSlot& driver = teams[j].driver(d);
            add(Kind::Driver, driver.Name, priceText(driver.Price), {false, qint64(j) * 4 + 2 + d});
        }
    for (std::size_t j = 0; j < season.testDrivers.size(); ++j)
        add(Kind::TestDriver, season.testDrivers[j].Name,
            QString::number(season.testDrivers[j].Price), {true, qint64(j)});

    // Where each component's row is, by its place in ComponentScores.
    const std::size_t teamSlots = teams.size() * 4;
    std::vector<std::size_t> rowOf(teamSlots + season.testDrivers.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rowOf[std::size_t(rows[i].pick.index) + (rows[i].pick.testDriver ? teamSlots : 0)] = i;
    for (const Season::Owner& owner : season.owners)
        for (std::size_t k = 0; k < owner.picks.size(); ++k) {
            const Pick& p = owner.picks[k];
            const bool again = std::any_of(
                owner.picks.begin(), owner.picks.begin() + qsizetype(k),
                [&](const Pick& q) { return q.testDriver == p.testDriver && q.index == p.index; });
            if (p.valid() && !again)
                ++rows[rowOf[std::size_t(p.index) + (p.testDriver ? teamSlots : 0)]].chosenBy;
        }
    return rows;
}

} // namespace velmora
