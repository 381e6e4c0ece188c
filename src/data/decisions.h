#pragma once

#include "data/types.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace velmora {

class League;

// One decision of the league about an owner. A transfer changes one component of the owner's
// entry from a race of the calendar on: the races before it keep the pick they were scored with.
// A penalty takes points from the owner, a bonus gives them, once, in one race. A decision taken
// back stays in the record and counts for nothing, so that what was published can be explained.
// A decision of a kind this program does not know is kept as its line says, and counts for
// nothing.
struct Decision {
    QString kind;  // a lower-case English word: "transfer", "penalty", "bonus"
    QString owner; // the entry's owner, as shown (the stored name without surrounding blanks)
    // A transfer: the component, the picks before and after as the entry's index fields hold
    // them (list positions), and the calendar position (from 0) of the race it counts from.
    Pick::Slot component = Pick::Team;
    int before = -1, after = -1;
    // A transfer's race, or the race a penalty or bonus counts in (the calendar's length: the
    // next race).
    int race = 0;
    int points = 0;                          // a penalty's or bonus's, 1 to 32767
    QString reason;                          // a penalty's or bonus's: one line
    bool takenBack = false;                  // a transfer, penalty or bonus that no longer counts
    QString beforeName, afterName, raceName; // for a reader only: never read back
    QStringList more; // the fields after those this program reads, kept as they are
    int line = 0;     // the line it was read from (0: not read)

    bool isTransfer() const { return kind == u"transfer"; }
    bool isAdjustment() const { return kind == u"penalty" || kind == u"bonus"; }
    // A transfer, penalty or bonus that has not been taken back.
    bool counts() const { return !takenBack && (isTransfer() || isAdjustment()); }
    // What a penalty or bonus does to the owner's points in its race.
    int adjustment() const { return kind == u"penalty" ? -points : points; }
    friend bool operator==(const Decision& a, const Decision& b)
    {
        return a.kind == b.kind && a.owner == b.owner && a.component == b.component
               && a.before == b.before && a.after == b.after && a.race == b.race
               && a.points == b.points && a.reason == b.reason && a.takenBack == b.takenBack
               && a.beforeName == b.beforeName && a.afterName == b.afterName
               && a.raceName == b.raceName && a.more == b.more;
    }
};

// The league's decisions, as decisions.txt holds them: UTF-8, the line "velmora decisions 1",
// then a decision a line in the order they were made, its fields apart by tabs: its kind, the
// owner, then what the kind holds. A transfer holds its component ("team", "engine", "driver 1",
// "driver 2", "test driver"), the picks before and after, the race as its number in the calendar
// (from 1), and the names of the two picks and of the race for a reader. A penalty or bonus holds
// its points, its race (the number, then the name for a reader) and its reason. A decision taken
// back has " taken back" after its kind ("penalty taken back"), which a program that does not
// know it keeps as a kind of its own, counting for nothing.
struct Decisions {
    Q_DECLARE_TR_FUNCTIONS(Decisions)
public:
    std::vector<Decision> list;

    // False, with the first line that cannot be read named (its number, the file at `path`,
    // why, and the line quoted) in *error. An empty file holds none.
    static bool parse(const QByteArray& bytes, const QString& path, Decisions* read,
                      QString* error);
    QByteArray text() const;
    bool operator==(const Decisions&) const = default;

    bool holds(const QString& owner) const;
    // The transfers an owner has made that count.
    int transfersOf(const QString& owner) const;
    // How the record disagrees with the entries, as a message naming its line; empty when it
    // agrees: every decision names the owner of exactly one entry, each transfer of a component
    // that counts starts from the pick its transfer before ended with, an entry picks what its
    // last transfer of each component picked, and an owner's penalties and bonuses in a race add
    // up to what a score holds (-32768 to 32767).
    QString disagreement(const std::vector<EntryRecord>& entries, const QString& path) const;
    // The races numbered again once the calendar positions `gone` (ascending) are taken out: a
    // transfer, penalty or bonus keeps its race, or counts from (in) the race after it when its
    // own is taken out. Returns how many of those that count counted from a race taken out.
    // `races` is the calendar after it, for the names a reader sees.
    int takeOut(const std::vector<int>& gone, const QStringList& races);

    // The names a transfer keeps for a reader: a pick's and the calendar's races.
    struct Names {
        std::function<QString(Pick::Slot, int)> pick;
        QStringList races;
    };
    // What becomes of the record when entry n (from 0; entries.size() for a new entry) of
    // `entries` is stored as `now`: its owner's decisions follow a new name, its transfers'
    // drivers follow a swap of the two drivers, and each component it changes either counts
    // from race `transferFrom` on (a transfer; one already counting from that race changes
    // instead, and one changed back is gone) or, without it, changes from the component's last
    // transfer on (the whole season when it has none). False, with why, when it may not be:
    // a transfer beyond `limit` or for an owner whose name another entry has too, a name that
    // holds another's decisions, a name the record cannot keep.
    bool store(const std::vector<EntryRecord>& entries, std::size_t n, const EntryRecord& now,
               std::optional<int> transferFrom, std::optional<int> limit, const Names& names,
               QString* refusal);
    // The decisions of an owner whose entry is deleted go with it.
    void remove(const QString& owner);

    // A penalty or bonus (`made`: its kind, owner, points, race and its race's name, reason)
    // added as the latest decision. False, with why, for an owner whose name is not one entry's
    // own, or a reason or name that a line cannot hold.
    bool add(const std::vector<EntryRecord>& entries, const Decision& made, QString* refusal);
    // Why decision k cannot be taken back (empty: it can): it no longer counts, or it is a
    // transfer that a later transfer of the same component follows.
    QString whyNotTakeBack(std::size_t k) const;
    // Decision k marked as taken back; a transfer's entry (in `entries`) picks the pick before
    // it again (one that does already completes a take back cut short). False, with why, when
    // it cannot be.
    bool takeBack(std::size_t k, std::vector<EntryRecord>* entries, QString* refusal);
};

// An entry's owner as the record names it (the stored name without surrounding blanks), for a
// lookup: it shares the entry's characters and lives no longer than the entry.
QString ownerKey(const EntryRecord& entry);

// The components a change of an entry's picks changes, with their picks before and after: the
// two race drivers matched first, so that a swap of them changes none.
struct PickChange {
    Pick::Slot component;
    int before, after;
};
std::vector<PickChange> pickChanges(const EntryRecord& was, const EntryRecord& now);
// The earliest race a transfer of these components of an owner may count from: the latest race
// their transfers that count count from (0 when they have none).
int earliestTransfer(const Decisions& decisions, const QString& owner,
                     const std::vector<PickChange>& changes);

// The league's record (none when the file is absent), and with the entries given, checked
// against them. False, with the file, the line and what stays refused until it is mended in
// *error, when it cannot be read or disagrees.
bool readDecisions(const League& league, Decisions* decisions, QString* error,
                   const std::vector<EntryRecord>* entries = nullptr);
// The same for the bytes of the record (at `path`) and the entries as a change is about to
// write them.
bool checkDecisions(const QByteArray& bytes, const QString& path,
                    const std::vector<EntryRecord>* entries, Decisions* decisions, QString* error);

} // namespace velmora
