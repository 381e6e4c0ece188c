#include "scoring/race_results.h"

#include "data/text.h"
#include "scoring/championship.h"

#include <algorithm>
#include <limits>

namespace velmora {
namespace {

constexpr QChar kSeparators[] = {u'\t', u';', u','};

// A pasted cell's number, or none when it is not a whole number a score holds.
std::optional<int16_t> wholeNumber(QStringView cell)
{
    cell = cell.trimmed();
    if (cell.isEmpty())
        return int16_t(0);
    const bool negative = cell.front() == u'-';
    if (negative || cell.front() == u'+')
        cell = cell.mid(1);
    if (const qsizetype point = cell.indexOf(u'.'); point >= 0) {
        for (const QChar c : cell.mid(point + 1))
            if (c != u'0')
                return std::nullopt;
        cell = cell.left(point);
    }
    if (cell.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : cell) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int16_t>::max() + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int16_t(value);
}

QString notPasted(const QString& text)
{
    return text + QStringLiteral(" Nothing was pasted.");
}

} // namespace

std::optional<std::vector<std::vector<int16_t>>> pastedCells(const QString& text, QString* error)
{
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    std::vector<std::vector<int16_t>> cells;
    for (qsizetype l = 0; l < lines.size(); ++l) {
        QStringView line = lines[l];
        if (line.endsWith(u'\r'))
            line.chop(1);
        QChar separator = kSeparators[0];
        for (const QChar s : kSeparators)
            if (line.contains(s)) {
                separator = s;
                break;
            }
        std::vector<int16_t>& row = cells.emplace_back();
        int c = 0;
        for (const QStringView cell : line.split(separator)) {
            ++c;
            const std::optional<int16_t> number = wholeNumber(cell);
            if (!number) {
                if (error)
                    *error =
                        notPasted(QStringLiteral("Line %1, cell %2 of the paste: \u201c%3\u201d "
                                                 "is not a whole number from -32768 to 32767.")
                                      .arg(l + 1)
                                      .arg(c)
                                      .arg(cell.trimmed()));
                return std::nullopt;
            }
            row.push_back(*number);
        }
    }
    return cells;
}

bool RaceResults::load(const League& league, const QString& race, QString* error)
{
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> drivers, raceDrivers;
    QByteArray teamFile, driverFile;
    bool read =
        league.read({LeagueFile::RaceTeams, race}, &teams, error, &teamFile)
        && league.read(LeagueFile::TestDrivers, &drivers, error)
        && league.read({LeagueFile::RaceTestDrivers, race}, &raceDrivers, error, &driverFile);
    // A race team file of no whole record starts again from the database, as the team card
    // fills it, and any bytes it held go.
    if (read && teams.empty()) {
        teamFile.clear();
        read = league.read(LeagueFile::Teams, &teams, error);
        teams = newRace(std::move(teams));
    }
    if (!read)
        teams.clear(), drivers.clear(), teamFile.clear(), driverFile.clear();
    for (std::size_t j = 0; j < drivers.size(); ++j)
        drivers[j] = {fieldText(displayText(drivers[j].Name)), 0,
                      j < raceDrivers.size() ? raceDrivers[j].Score : int16_t(0)};
    race_ = read ? race : QString();
    teams_ = std::move(teams);
    drivers_ = std::move(drivers);
    teamFile_ = std::move(teamFile);
    driverFile_ = std::move(driverFile);
    return read;
}

QString RaceResults::name(int row, int cell) const
{
    if (row >= teamRows())
        return displayText(drivers_[std::size_t(row - teamRows())].Name);
    return displayText(teams_[std::size_t(row)].components()[std::size_t(cell)]->Name);
}

int16_t RaceResults::points(int row, int cell) const
{
    if (row >= teamRows())
        return drivers_[std::size_t(row - teamRows())].Score;
    return teams_[std::size_t(row)].components()[std::size_t(cell)]->Score;
}

void RaceResults::setPoints(int row, int cell, int16_t points)
{
    if (row >= teamRows())
        drivers_[std::size_t(row - teamRows())].Score = points;
    else
        teams_[std::size_t(row)].components()[std::size_t(cell)]->Score = points;
}

int RaceResults::total(int row) const
{
    int sum = 0;
    for (int c = 0; c < cells(row); ++c)
        sum += points(row, c);
    return sum;
}

bool RaceResults::paste(const QString& text, int row, int cell, QString* error)
{
    const auto block = pastedCells(text, error);
    if (!block)
        return false;
    if (text.isEmpty())
        return true; // nothing copied: nothing to paste
    for (std::size_t l = 0; l < block->size(); ++l) {
        const int r = row + int(l);
        if (r >= rows()) {
            if (error)
                *error =
                    notPasted(QStringLiteral("Line %1 of the paste lies past the table's last row.")
                                  .arg(l + 1));
            return false;
        }
        if (cell + int((*block)[l].size()) > cells(r)) {
            if (error)
                *error = notPasted(QStringLiteral("Line %1, cell %2 of the paste lies past the "
                                                  "points of the row of \u201c%3\u201d.")
                                       .arg(l + 1)
                                       .arg(std::max(cells(r) - cell, 0) + 1)
                                       .arg(name(r, 0)));
            return false;
        }
    }
    for (std::size_t l = 0; l < block->size(); ++l)
        for (std::size_t c = 0; c < (*block)[l].size(); ++c)
            setPoints(row + int(l), cell + int(c), (*block)[l][c]);
    return true;
}

std::vector<League::Replacement> RaceResults::files() const
{
    // The team card writes record by record over the file it filled: any bytes after its last
    // whole record stay. The test-driver card writes driver j's record over record j, appending
    // where the file ends (over any partial record there), and leaves records past the drivers.
    const qsizetype written = qsizetype(drivers_.size()) * TestDriverRecord::Length;
    return {
        {{LeagueFile::RaceTeams, race_}, encodeRecords(teams_) + restOf<TeamRecord>(teamFile_)},
        {{LeagueFile::RaceTestDrivers, race_}, encodeRecords(drivers_) + driverFile_.mid(written)}};
}

} // namespace velmora
