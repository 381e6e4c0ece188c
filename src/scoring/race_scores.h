#pragma once

#include "data/decisions.h"
#include "scoring/component_points.h"

#include <QHash>

#include <array>
#include <vector>

namespace velmora {

// What taking a transfer back needs: the component, its pick before, the race it counts from.
struct Transfer {
    Pick::Slot component;
    int before;
    int race;
};
using Transfers = std::vector<Transfer>;

// A penalty (negative points) or bonus, and the race it counts in.
struct Adjustment {
    int points;
    int race;
};

// The decisions about one owner that count, in the order they were made.
struct OwnerDecisions {
    Transfers transfers;
    std::vector<Adjustment> adjustments;
};

// What each entry scores in each race of the calendar: the points of its picks in force for the
// race, with its penalties and bonuses in that race. The picks in force are today's picks (the
// entry file's) with every transfer that counts from a later race taken back, the latest first,
// so an owner who made no transfer has today's picks in every race. Everything that adds up a
// race for an entry asks here: the championship, the published race-by-race figures, owners'
// pages, the components' "chosen by", the corrections.
class RaceScores {
public:
    RaceScores() = default;
    // The transfers, penalties and bonuses of the record that count, by owner (decisions taken
    // back, and of other kinds, count for nothing).
    explicit RaceScores(const Decisions& decisions);

    bool any() const { return !byOwner_.isEmpty(); }
    // An owner's decisions (none: empty).
    const OwnerDecisions& of(const QString& owner) const;

    // The picks in force for race `race` (a calendar position from 0; the calendar's length is
    // the next race, whose picks are today's) of an entry whose picks today are `today`
    // (EntryRecord::picks) and whose owner made `transfers`.
    static std::array<Pick, 5> picksIn(std::array<Pick, 5> today, const Transfers& transfers,
                                       int race);
    // What the entry scores in the race whose points are `points`: its picks' points and its
    // penalties and bonuses there.
    static int pointsIn(const std::array<Pick, 5>& today, const OwnerDecisions& decided, int race,
                        const ComponentPoints& points);
    // An owner's penalties and bonuses in race `race`, and in the races before race `races`.
    // (The record holds those of a race within a score's range.)
    static int adjustmentIn(const OwnerDecisions& decided, int race);
    static qint64 adjustmentsBefore(const OwnerDecisions& decided, int races);
    // Each of its five places' points over the races (in the order of EntryRecord::picks): the
    // sum, race by race, of what the pick in force there scored. `sums[r]` holds the points of
    // the races before race r, `sums.back()` of them all, so that a stretch of races between two
    // transfers adds up at once.
    static std::array<int, 5> placePoints(const std::array<Pick, 5>& today,
                                          const Transfers& transfers,
                                          const std::vector<ComponentPoints>& sums);

private:
    QHash<QString, OwnerDecisions> byOwner_;
};

} // namespace velmora
