#include "main/score_report.h"

#include "data/codepage.h"
#include "data/io.h"
#include "data/text.h"
#include "data/types.h"
#include "viewer/lookups.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

constexpr int kZoneWidth = 14;
constexpr int kNameWidth = 20;
constexpr int kOwnerColumn = 7;
constexpr int kPointsColumn = 30;

// Report text with a print column: the column, counted from 1, where the next byte of the
// current line goes. Every character is one byte in the code page, so columns are bytes.
class ReportText {
public:
    void text(const QByteArray& bytes)
    {
        out_ += bytes;
        column_ += bytes.size();
    }
    void text(const QString& s)
    {
        const qsizetype before = out_.size();
        appendEncoded1252(s, &out_);
        column_ += out_.size() - before;
    }

    // Blanks up to the start of the zone after the one holding the print column, so
    // that an empty item still moves on by a whole zone.
    void zone()
    {
        const qsizetype next = ((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1;
        blanks(next - column_);
    }

    // Blanks up to column k; past it already, the item goes to column k of a new line.
    void column(int k)
    {
        if (column_ > k)
            endLine();
        blanks(k - column_);
    }

    void endLine()
    {
        out_ += "\r\n";
        column_ = 1;
    }

    void line(const QByteArray& bytes)
    {
        text(bytes);
        endLine();
    }

    QByteArray take() { return std::move(out_); }

private:
    void blanks(qsizetype n)
    {
        if (n > 0) {
            out_.append(n, ' ');
            column_ += n;
        }
    }

    QByteArray out_;
    qsizetype column_ = 1;
};

QByteArray scoreText(int16_t score)
{
    return QByteArray::number(int(score));
}

// Name, blanks up to 20 characters (a longer name is followed directly), season score.
QByteArray componentLine(const ComponentSlot& slot)
{
    QByteArray line = encode1252(displayText(slot.Name));
    if (line.size() < kNameWidth)
        line += QByteArray(kNameWidth - line.size(), ' ');
    return line + scoreText(slot.Score);
}

// The component table: a heading line, then first drivers, second drivers, teams and
// engines, each group followed by an empty line. Group g of team record v sits at
// position v + g(n + 1), n being the teams file's length in records; a teams file that
// ends in a partial record gives a fractional n, and positions are rounded half to even.
class ComponentTable {
public:
    explicit ComponentTable(double n) : n_(n), lines_(std::size_t(roundHalfEven(4 * n + 4)) + 1)
    {
        lines_[0] = "                  Total";
    }

    // Slots in the order of the groups.
    static std::array<const ComponentSlot*, 4> groups(const TeamRecord& t)
    {
        return {&t.Driver1, &t.Driver2, &t.Team, &t.Engine};
    }

    QByteArray& at(qint64 v, int group)
    {
        return lines_[std::size_t(roundHalfEven(double(v) + group * (n_ + 1)))];
    }
    QByteArray& heading() { return lines_[0]; }
    const std::vector<QByteArray>& lines() const { return lines_; }

private:
    double n_;
    std::vector<QByteArray> lines_;
};

} // namespace

bool buildScoreReport(const League& league, QByteArray* report, QString* error)
{
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> testDrivers;
    std::vector<RaceName> races;
    std::vector<EntryRecord> entries;
    QByteArray teamsFile;
    if (!league.read(LeagueFile::Teams, &teams, error, &teamsFile)
        || !league.read(LeagueFile::TestDrivers, &testDrivers, error)
        || !league.read(LeagueFile::Calendar, &races, error)
        || !league.read(LeagueFile::Entries, &entries, error))
        return false;

    ComponentTable table(double(teamsFile.size()) / TeamRecord::Length);
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const auto parts = ComponentTable::groups(teams[i]);
        for (int g = 0; g < 4; ++g)
            table.at(qint64(i) + 1, g) = componentLine(*parts[std::size_t(g)]);
    }

    for (const RaceName& race : races) {
        const QString name = displayText(race.Name);
        std::vector<TeamRecord> scores;
        if (!league.read({LeagueFile::RaceTeams, name}, &scores, error))
            return false;
        table.heading() += ' ' + encode1252(name);
        // Records past the last team (teams deleted after the race was scored) name no
        // component of the table and are left out.
        const std::size_t count = std::min(scores.size(), teams.size());
        for (std::size_t i = 0; i < count; ++i) {
            const auto parts = ComponentTable::groups(scores[i]);
            for (int g = 0; g < 4; ++g)
                table.at(qint64(i) + 1, g)
                    .append("  \t")
                    .append(scoreText(parts[std::size_t(g)]->Score));
        }
    }

    const LookupLists lists(teams, testDrivers);
    const int tableRows = LookupLists::rowCount(qsizetype(entries.size())) - 1;
    ReportText out;
    for (const QByteArray& line : table.lines())
        out.line(line);

    out.line("TEAMS");
    out.endLine();
    for (const char* heading : {"Manager", "Team", "Engine", "Driver1", "Driver2", "Test Driver"}) {
        out.text(QByteArray(heading));
        out.zone();
    }
    out.endLine();
    out.endLine();
    const auto tableLine = [&out](const std::array<QString, 6>& cells) {
        for (const QString& cell : cells) {
            out.text(cell);
            out.zone();
        }
        out.endLine();
    };
    for (const EntryRecord& e : entries) {
        tableLine(lists.namesRow(e));
        tableLine(lists.scoresRow(e));
    }
    for (int r = 2 * int(entries.size()); r < tableRows; ++r)
        tableLine({});
    out.endLine();

    out.line("Championship");
    out.endLine();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const EntryRecord& entry = entries[i];
        out.text(' ' + QByteArray::number(qulonglong(i) + 1) + ' ');
        out.column(kOwnerColumn);
        out.text(displayText(entry.Owner));
        out.column(kPointsColumn);
        out.text(scoreText(entry.Points));
        out.endLine();
    }

    *report = out.take();
    return true;
}

bool writeScoreReport(const QString& path, const QByteArray& report, QString* error)
{
    return io::writeDocument(path, report, error);
}

} // namespace velmora
