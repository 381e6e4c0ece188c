#include "scoring/race_results.h"

#include "data/text.h"
#include "scoring/championship.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <utility>

namespace velmora {
namespace {

class PasteText {
    Q_DECLARE_TR_FUNCTIONS(RaceResults)
};

constexpr QChar kSeparators[] = {u'\t', u';', u','};

QString notPasted(const QString& text)
{
    return text + u' ' + PasteText::tr("Nothing was pasted.");
}

} // namespace

std::optional<int16_t> cellPoints(QStringView cell)
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

std::optional<std::vector<std::vector<std::optional<int16_t>>>> pastedCells(const QString& text,
                                                                            QString* error)
{
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    std::vector<std::vector<std::optional<int16_t>>> cells;
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
        std::vector<std::optional<int16_t>>& row = cells.emplace_back();
        int c = 0;
        for (const QStringView cell : line.split(separator)) {
            ++c;
            if (cell.trimmed().isEmpty()) {
                row.emplace_back();
                continue;
            }
            const std::optional<int16_t> number = cellPoints(cell);
            if (!number) {
                if (error)
                    *error =
                        notPasted(PasteText::tr("Line %1, cell %2 of the paste: \u201c%3\u201d "
                                                "is not a whole number from -32768 to 32767.")
                                      .arg(l + 1)
                                      .arg(c)
                                      .arg(cell.trimmed()));
                return std::nullopt;
            }
            row.push_back(number);
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

int16_t& RaceResults::at(int row, int cell)
{
    if (row >= teamRows())
        return drivers_[std::size_t(row - teamRows())].Score;
    return teams_[std::size_t(row)].components()[std::size_t(cell)]->Score;
}

std::vector<CellPoints> RaceResults::pointCells() const
{
    std::vector<CellPoints> all;
    for (int r = 0; r < rows(); ++r)
        for (int c = 0; c < cells(r); ++c)
            all.push_back({r, c, points(r, c)});
    return all;
}

QString copiedText(const std::vector<CellPoints>& cells)
{
    QString text;
    QStringList line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line << QString::number(cells[i].points);
        if (i + 1 == cells.size() || cells[i + 1].row != cells[i].row)
            text += std::exchange(line, {}).join(u'\t') + u'\n';
    }
    return text;
}

int RaceResults::total(int row) const
{
    int sum = 0;
    for (int c = 0; c < cells(row); ++c)
        sum += points(row, c);
    return sum;
}

std::vector<CellPoints> RaceResults::set(const std::vector<CellPoints>& points)
{
    std::vector<CellPoints> changed;
    for (const CellPoints& p : points)
        if (int16_t& held = at(p.row, p.cell); held != p.points) {
            changed.push_back({p.row, p.cell, held});
            held = p.points;
        }
    return changed;
}

std::optional<std::vector<CellPoints>> RaceResults::pasted(const QString& text, int row, int cell,
                                                           QString* error) const
{
    std::vector<CellPoints> set;
    if (text.isEmpty())
        return set; // nothing copied: nothing to paste
    const auto block = pastedCells(text, error);
    if (!block)
        return std::nullopt;
    for (std::size_t l = 0; l < block->size(); ++l) {
        const int r = row + int(l);
        const auto& line = (*block)[l];
        for (std::size_t c = 0; c < line.size(); ++c) {
            const int to = cell + int(c);
            if (r < rows() && to < cells(r)) {
                set.push_back({r, to, line[c].value_or(int16_t(0))});
            } else if (line[c]) { // a number with no cell to go to
                if (error)
                    *error = notPasted(
                        r >= rows()
                            ? PasteText::tr("Line %1 of the paste lies past the table's last row.")
                                  .arg(l + 1)
                            : PasteText::tr("Line %1, cell %2 of the paste lies past the points "
                                            "of the row of \u201c%3\u201d.")
                                  .arg(l + 1)
                                  .arg(c + 1)
                                  .arg(name(r, 0)));
                return std::nullopt;
            }
        }
    }
    return set;
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
