#pragma once

#include "data/league.h"
#include "data/types.h"
#include "scoring/component_points.h"
#include "scoring/race_scores.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace velmora {

// One row of the published league table: an owner's position and points after the last
// race, the points of that race and the move since the race before.
struct LeagueRow {
    enum class Move { None, New, Same, Up, Down }; // None: no race yet; New: the first race
    std::size_t owner = 0;
    int position = 0;
    qint64 points = 0;
    int lastRace = 0;
    Move move = Move::None;
    int places = 0; // how far up or down

    // The move in the words given for New, Same, Up and Down (the last two with %1 for the
    // places); empty before the first race.
    QString moveText(const std::array<QString, 4>& words) const
    {
        if (move == Move::None)
            return {};
        const QString& text = words[std::size_t(move) - 1];
        return move == Move::Up || move == Move::Down ? text.arg(places) : text;
    }
};
// The season as the data folder tells it, race by race: the calendar, every entry's points
// in every race and every component's, made from the race files and the decisions record by the
// championship's own code (scoring/race_scores.h), one ComponentPoints per race.
struct Season {
    struct Owner {
        QString name;              // as shown: trimmed, control characters replaced
        QString label;             // the name, told apart from another owner's of the same name
        qint64 record = 0;         // 1-based record of entry.tro
        int storedPoints = 0;      // what the last calculation wrote into the entry
        std::array<Pick, 5> picks; // its components (record -1: a position naming none)
        OwnerDecisions decided;    // its owner's that count, in the order made
        QStringList marks;         // the league's rules its entry does not keep, and why
    };
    // A transfer, penalty or bonus of the decisions record (also one taken back), and whose.
    struct Decided {
        Decision decision;
        std::size_t owner;
    };

    QStringList races;                       // calendar order; a race listed twice is there twice
    std::vector<Owner> owners;               // entry file order
    std::vector<int> points;                 // owner o's points in race r at o * races + r
    std::vector<ComponentPoints> racePoints; // per race
    std::vector<TeamRecord> teams;           // the databases, for names and prices
    std::vector<TestDriverRecord> testDrivers;
    std::vector<Decided> decisions; // in the order made
    // Each team record's four names and each test driver's as the pages show them: a name that
    // more than one team record carries told apart by its team (data/entry_rules.h).
    std::vector<std::array<QString, 4>> teamNames;
    std::vector<QString> testDriverNames;
    // The league table after the last race, best first; equal points by owner name, then
    // file order.
    std::vector<LeagueRow> table;

    int raceCount() const { return int(races.size()); }
    int pointsIn(std::size_t owner, int race) const
    {
        return points[owner * std::size_t(races.size()) + std::size_t(race)];
    }
    // An owner's points after the first `races` races.
    qint64 totalAfter(std::size_t owner, int races) const;
    // An owner's picks in force for a race (the race count: the next race, today's picks);
    // record -1 where a position names none.
    std::array<Pick, 5> picksIn(std::size_t owner, int race) const;
    // The name of the component a pick names, as the pages show it ("none": no record).
    QString nameOf(Pick pick) const;
    // A race as the pages name it: the calendar's name, else its number ("race 7").
    QString raceName(int race) const;
};

// Reads the season from the league (opened to read: nothing is made or locked, so the program
// may have the folder open meanwhile), with the league's rules each entry does not keep when its
// settings give a budget (data/entry_rules.h). False, with the reason in *error, for a folder that
// holds none of the league's files, for a file that cannot be read, and for a decisions record
// that cannot be read or disagrees with the entries.
bool readSeason(const League& league, Season* season, QString* error);

// A text from a file as a page shows it: trimmed, and every control character (which a page
// cannot hold, and which no name means) made U+FFFD.
QString shownText(const QString& field);

// Every owner's position after the first `races` races, in file order. Owners with equal
// points share a position: one more than the owners with more points.
std::vector<int> positionsAfter(const Season& season, int races);
// The same positions for any points, in their order.
std::vector<int> positionsOf(const std::vector<qint64>& points);

// Every component of the databases, in the order the pages list them: chassis, engine
// makers, race drivers (the driver list's order), test drivers, each in record order.
struct ComponentRow {
    enum class Kind { Chassis, Engine, Driver, TestDriver };
    Kind kind = Kind::Chassis;
    QString name;        // as shown (Season::nameOf)
    QString price;       // millions, as the entry editor shows prices
    Pick pick;           // where it lies in its database
    qint64 total = 0;    // the season: every race of the calendar
    qint64 chosenBy = 0; // entries that pick it for the next race (twice counts once)

    int pointsIn(const ComponentPoints& race) const { return race.points(pick); }
};
std::vector<ComponentRow> componentRows(const Season& season);

} // namespace velmora
