#pragma once

#include "data/types.h"

#include <QString>

#include <array>
#include <vector>

namespace velmora {

// The full table of entries, as the entries viewer shows it and the score report writes it:
// a heading row, then two rows per entry, then empty rows, 25 rows at least and always an
// empty pair after the last entry. Its columns after the position column: the owner and the
// names of the five components; then the points and the components' season scores. The
// names and scores come from lists built from the databases, in which each entry's
// positions are looked up.
class LookupLists {
public:
    LookupLists(const std::vector<TeamRecord>& teams,
                const std::vector<TestDriverRecord>& testDrivers);

    static int rowCount(qsizetype entries);
    static constexpr int Columns = 7;

    // Columns 1 to 6 of an entry's names row, or of its scores row. A position outside its
    // list gives an empty text.
    std::array<QString, 6> namesRow(const EntryRecord& entry) const;
    std::array<QString, 6> scoresRow(const EntryRecord& entry) const;

private:
    struct List {
        std::vector<QString> names, scores;
        void add(const QString& name, int score);
    };
    std::array<QString, 5> look(const EntryRecord& entry, std::vector<QString> List::*texts) const;

    List team_, engine_, driver_, testDriver_;
};

} // namespace velmora
