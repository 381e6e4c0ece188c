#pragma once

#include "data/league.h"

#include <QString>

#include <optional>
#include <vector>

namespace velmora {

// A point cell of a race's table and the points it holds or is to hold.
struct CellPoints {
    int row, cell;
    int16_t points;
};

// One race's points as one table: a row per record of the race team file (for a race never
// scored, of the team database, every score 0), with the team's four components, and a row per
// test driver of the database. Rows are numbered from 0, team rows first; a row's point cells
// from 0 (four on a team row, one on a test driver's).
class RaceResults {
public:
    // The race's table as its files hold it. False, with the file and the reason in *error,
    // when a file cannot be read; the table is then empty and names no race.
    bool load(const League& league, const QString& race, QString* error);

    const QString& race() const { return race_; }
    int rows() const { return int(teams_.size() + drivers_.size()); }
    int teamRows() const { return int(teams_.size()); }
    int cells(int row) const { return row < teamRows() ? 4 : 1; }
    // The team rows' records: names, prices and the points shown.
    const std::vector<TeamRecord>& teams() const { return teams_; }
    QString name(int row, int cell) const;
    int16_t points(int row, int cell) const;
    // Every point cell, row by row.
    std::vector<CellPoints> pointCells() const;
    // The row's points added up.
    int total(int row) const;
    // Sets the points of cells of the table, in their order: the cells whose points changed, each
    // with the points it held before.
    std::vector<CellPoints> set(const std::vector<CellPoints>& points);

    // The cells a block copied from a spreadsheet sets when pasted from a row's point cell on:
    // its lines down the rows, each line's cells across the point cells from `cell` on, an empty
    // cell 0. An empty cell beyond a row's points or past the table is no part of the block (a
    // rectangle copied over team and test-driver rows pastes). None, with the cell of the paste
    // that does not fit in *error, when a cell holds anything but a whole number a score holds,
    // or a number lies past its row's points or the table.
    std::optional<std::vector<CellPoints>> pasted(const QString& text, int row, int cell,
                                                  QString* error) const;

    // The race's two files with the table's points, as the score cards write them for the same
    // points: the race team file's records with their scores (a new race's: the team database's
    // names and prices), and the test-driver file with a record for every driver of the
    // database (its name, price 0) before any further records the file held.
    std::vector<League::Replacement> files() const;

private:
    int16_t& at(int row, int cell);

    QString race_;
    std::vector<TeamRecord> teams_;
    QByteArray teamFile_; // as read; empty for a race whose team file holds no record
    std::vector<TestDriverRecord> drivers_; // the database's names with this race's points
    QByteArray driverFile_;                 // the race's test-driver file as read
};

// Point cells, in row and cell order, as the table's Copy gives them to paste into a spreadsheet
// or the table again: a line for each row, its points joined by tabs.
QString copiedText(const std::vector<CellPoints>& cells);

// A typed or pasted cell's points: a whole number from -32768 to 32767 with blanks around it
// allowed: an optional sign, digits, and a point followed only by zeros ("3.0", as a
// spreadsheet may copy a whole number); an empty cell is 0. None for anything else ("abc",
// "3.5", "1e2", "40000").
std::optional<int16_t> cellPoints(QStringView cell);

// The cells of a block of text copied from a spreadsheet: a line for each line of the text (a
// line break at its end starts no line), its cells split at tabs, or where a line has none at
// semicolons, or where it has none of those at commas; each cell's points (cellPoints), or none
// for an empty cell. Anything else gives no cells and says which cell is wrong.
std::optional<std::vector<std::vector<std::optional<int16_t>>>> pastedCells(const QString& text,
                                                                            QString* error);

} // namespace velmora
