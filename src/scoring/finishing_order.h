#pragma once

#include "data/league.h"
#include "data/league_settings.h"
#include "data/name_match.h"
#include "scoring/race_results.h"

#include <QHash>

#include <optional>
#include <vector>

namespace velmora {

// One line of a race's finishing order as a results page or a spreadsheet copies it: its cells
// and what its first cell says (a place, a car not classified, the fastest lap's driver).
struct OrderLine {
    enum class Kind { Place, NotClassified, FastestLap, Unread };
    int number = 0; // its line in the text, from 1
    QString text;   // as pasted
    QStringList cells;
    Kind kind = Kind::Unread;
    int place = 0; // a place's, from 1
};

// The lines of a pasted order, blank ones left out. A line's cells are split as a paste into the
// race's table splits them (tabs, else semicolons, else commas), else at runs of two or more
// blanks. Its first cell is a place (digits, a point after them allowed), a word for a car not
// classified (DNF, DNS, DSQ, NC, Ret and the like, any letter case) or FL; anything else leaves
// the line unread. The text is read as a text box holds it pasted: a no-break space is a blank,
// and a line or paragraph separator ends a line, so an order file and the box read one text alike.
std::vector<OrderLine> readOrder(const QString& pasted);

// The organiser's answers for names an order did not find, by their folded name (foldedName): a
// driver's position in the table's driver list (two a team record, Driver1 first), or -1 for a
// car the league does not follow.
using OrderAnswers = QHash<QString, int>;

// An order matched to a race's drivers and scored by the league's points rules.
struct ScoredOrder {
    struct Line {
        int number = 0;
        QString text, typed; // as pasted; its driver's cell
        bool fastestLap = false;
        // The driver's position in the driver list, -1 for a car the league does not follow, -2
        // while its name is not found.
        int driver = -2;
        bool answered = false; // by the organiser, now
    };
    std::vector<Line> lines;
    int fastest = -1; // the fastest lap's driver, or -1

    // A name found no way or more than one way: the lines that give it and the drivers it fits
    // (more than one way), or the drivers closest to it (no way).
    struct Question {
        QString typed;
        std::vector<int> lines;
        NameMatch match;
        std::vector<int> closest;
    };
    std::vector<Question> questions;
    // What keeps the order from filling any cell, each naming its line or lines.
    QStringList refused;
    // The drivers of the table the order does not hold (each scores 0).
    QStringList notInOrder;
    // Every team row's four point cells, in order; none while anything is refused or asked.
    std::vector<CellPoints> points;

    bool complete() const { return refused.isEmpty() && questions.empty(); }
};

// The driver list of a race's table: each team record's Driver1, then its Driver2.
QStringList orderDrivers(const std::vector<TeamRecord>& teams);

// Matches the order's lines to the drivers of a race's team records and scores them. A line's
// driver is its first cell after the first that holds a letter and is not one of the records'
// team or engine-maker names (letter case and accents aside). Each is found exactly, or letter
// case, accents and blanks aside; else by the organiser's answer or the league's learnt name
// (`learnt`, kind "driver"); else by its last word, among the drivers no line found so. The
// fastest lap's driver is an FL line's, else `fastestPicked` (a position, or -1).
//
// Every team row's four cells get the rules' points: a driver the car's (its place's, or a car
// not classified's; 0 for a driver the order does not hold) and the fastest lap's bonus; a
// chassis the sum or the better of its two cars'; an engine maker the sum of every car whose
// record names that maker (its record's own two, by the rules). None while a line cannot be
// read, a name is found no way or more than one way, a place or a driver is given twice, there
// is no line, or a figure would leave -32768 to 32767.
ScoredOrder scoreOrder(const std::vector<OrderLine>& order, int fastestPicked,
                       const PointsRules& rules, const std::vector<TeamRecord>& teams,
                       const LearntNames& learnt, const OrderAnswers& answers);

// A race's finishing order as stored beside its files ("<race>.order", UTF-8): a line for each
// line of the order, "line", a tab, the driver it was matched to (empty for a car the league
// does not follow), a tab and the line as pasted; "fastest", a tab and the fastest lap's driver;
// lines of other kinds kept.
struct StoredOrder {
    QString text;    // the order's lines as pasted, one a line
    QString fastest; // the fastest lap's driver's name, or empty
    QStringList others;
    // False, with the file and its lines that cannot be read in *problem: nothing is shown.
    static bool read(const League& league, const QString& race, StoredOrder* order,
                     QString* problem);
};

// Everything Store writes for a race shown in its table (before the championship is counted
// with it): the race's two files; with an applied order, its order file and, where the organiser
// answered a name, the league's learnt names (not written when they could not be read); and a
// race not in the calendar added at its end. False, with the file and the reason in *error,
// when a file cannot be read or an order file would be written over that cannot.
bool raceStore(const League& league, const RaceResults& table, const ScoredOrder* order,
               std::vector<League::Replacement>* with, QString* error);

} // namespace velmora
