#pragma once

#include "data/entry_rules.h"
#include "data/league.h"
#include "data/name_match.h"

#include <QCoreApplication>
#include <QHash>

#include <array>
#include <optional>
#include <vector>

namespace velmora {

// A sheet of owners' entries, a row an owner, as a spreadsheet or a web form's answers give it:
// the owner, the team, the engine, the two drivers and the test driver, in that order or in the
// order a header row names them.
struct EntrySheet {
    Q_DECLARE_TR_FUNCTIONS(EntrySheet)
public:
    enum Column { Owner, Team, Engine, Driver1, Driver2, TestDriver };
    static constexpr int Columns = 6;
    struct Row {
        int line = 0; // where it begins in the text, from 1
        QStringList cells;
    };
    QStringList header; // the header row's cells; empty when the sheet has none
    // Where each of the six columns lies among a row's cells.
    std::array<int, Columns> at = {0, 1, 2, 3, 4, 5};
    std::vector<Row> rows; // after the header; rows of blank cells left out
    // What keeps the sheet from being read, each naming its line; none when it was read.
    QStringList problems;

    // The rows of a pasted or opened sheet (readCsv's rules). The first row is a header when it
    // names all six columns (letter case and blanks aside: "Owner", "Team", "Engine",
    // "Driver 1", "Driver 2", "Test Driver") in any order; its other cells head columns that are
    // shown and not taken in, and every row has as many cells as it. Without one every row has
    // exactly six cells, in that order.
    static EntrySheet read(const QString& text);
    // The header of column c, as an exported sheet writes it.
    static QString columnName(int c);
    // A cell's column as a spreadsheet names it, from 0: "A", ..., "Z", "AA", ...
    static QString columnLetters(int cell);
    // The cells of the header that are none of the six.
    std::vector<int> others() const;
};

// The league as a sheet of entries is matched against and stored into: its databases, entries,
// decisions record, calendar and settings, read once. The five picks of a row are found in the
// entry editor's lists by name, never guessed: by the one core matching (NameMatcher) exactly,
// then letter case, accents and surrounding blanks aside; a name carried by several records as
// "Name (Team)", else "Name #N" (the record's number; a driver whose record carries the name in
// both seats "Name #N.1" or "Name #N.2"); an engine maker the row's own team record carries taken
// from that record. Anything else is a question for the organiser.
class SheetLeague {
    Q_DECLARE_TR_FUNCTIONS(SheetLeague)
public:
    // The entry editor's four lists (both drivers pick from the driver list).
    enum List { Teams, Engines, Drivers, TestDrivers };
    static List listOf(int pick)
    {
        return pick <= 1 ? List(pick) : pick <= 3 ? Drivers : List(pick - 1);
    }
    // An answer that leaves out the rows giving a name.
    static constexpr int LeaveOut = -1;
    enum class Changes { Unsaid, Transfers, Corrections };

    // A name of one list found no way, or more than one way, by rows that would be stored.
    struct Question {
        List list = Teams;
        QString typed;
        QString key;       // its answer's, in SheetAnswers
        QStringList where; // "line 4, Engine (column E)", a place each
        bool several = false;
        std::vector<int> offered; // the items it is (several), or the five closest to it
    };
    struct Row {
        enum class Does { New, Changes, Unchanged, Ambiguous, Refused, LeftOut, Waits };
        int line = 0;
        QString owner;
        Does does = Does::Waits;
        QString what;                 // what it does or why it is not stored, for the organiser
        std::array<QString, 5> picks; // as the entry editor shows them; one not found as typed
        std::array<bool, 5> found{};  // the pick names an item (or the owner's own, kept)
        bool ownEngine = false;       // the engine maker was taken from the row's own team record
        QString total;                // as the entry editor shows it
        RuleMarks marks;              // the entry editor's budget and same-driver marks
        std::optional<int> points;    // after the calculation
        QStringList others;           // the cells not taken in
        EntryRecord entry;            // as stored (New, Changes, Unchanged)
        int index = -1;               // its place among the entries before the calculation
    };
    struct Preview {
        std::vector<Row> rows;
        std::vector<Question> questions;
        QStringList refused;      // what keeps the whole sheet from being stored
        bool asksChanges = false; // rows change picks in a league that allows transfers
        // What Store writes, as one League change: empty while it cannot be stored.
        std::vector<League::Replacement> files;
        bool complete() const { return !files.empty(); }
    };

    // False, with the file and the reason, when the league cannot be read.
    bool read(const League& league, QString* error);

    // What taking the sheet in would do, with the organiser's answers so far and whether rows
    // that change picks make transfers (from the next race on) or corrections. Rows of an owner
    // the league or the sheet names twice, or whose name the files cannot hold, are not stored;
    // every other row stores its entry as the entry editor would (a new one at the end, with no
    // points; an owner's changed picks in place, the decisions record following; one that
    // changes nothing left byte for byte), and then the championship is calculated and the
    // entries put in points order, all in `files`.
    Preview preview(const EntrySheet& sheet, const QHash<QString, int>& answers,
                    Changes changes) const;

    // The answers' key of a name typed for a list.
    static QString answerKey(List list, const QString& typed);
    int count(List list) const { return int(lists_[list].names.size()); }
    // An item as a sheet names it: its name, or where others carry it too, "Name (Team)" or
    // "Name #N".
    QString label(List list, int position) const { return lists_[list].labels[position]; }
    // The league's entries as a sheet, in their file's order: the six columns with a header,
    // CSV in UTF-8 with a byte-order mark; a pick that names no item an empty cell.
    QByteArray exported() const;
    // The race a transfer of the sheet counts from: the next one, as a reader numbers it.
    int nextRace() const { return int(calendar_.size()) + 1; }

private:
    struct ItemList {
        QStringList names, prices, labels;
        std::optional<NameMatcher> plain, qualified;
        std::vector<int> qualifiedItem; // the item of each of qualified's names
    };
    // An item as read from the databases: its name and price text as the entry editor's picker
    // and price box show them, its record (from 0) and team, and for a driver its seat (1, 2).
    struct Item {
        QString name, price, team;
        int record = 0, seat = 0;
    };
    static ItemList made(List list, const std::vector<Item>& items);
    struct Found;
    Found find(int pick, const QString& typed, int team, std::optional<int> kept) const;
    bool transferable(const EntryRecord& was, const EntryRecord& now) const;

    const League* league_ = nullptr;
    std::vector<TeamRecord> teams_;
    std::vector<TestDriverRecord> testDrivers_;
    std::vector<EntryRecord> entries_;
    QByteArray entryFile_, decisions_;
    QStringList calendar_;
    QHash<QString, std::vector<int>> owners_; // the entries of each owner's name
    std::array<ItemList, 4> lists_;
};

} // namespace velmora
