#pragma once

#include "data/types.h"

#include <QString>

#include <array>
#include <vector>

namespace velmora {

// The viewer's name and score lists, built from the databases, in which each entry's
// positions are looked up.
class LookupLists {
public:
    LookupLists(const std::vector<TeamRecord>& teams,
                const std::vector<TestDriverRecord>& testDrivers);

    // The names, or the season scores, of an entry's team, engine, first driver, second
    // driver and test driver. A position outside its list gives an empty text.
    std::array<QString, 5> names(const EntryRecord& entry) const;
    std::array<QString, 5> scores(const EntryRecord& entry) const;

private:
    struct List {
        std::vector<QString> names, scores;
        void add(const QString& name, int score);
    };
    std::array<QString, 5> look(const EntryRecord& entry, std::vector<QString> List::*texts) const;

    List team_, engine_, driver_, testDriver_;
};

} // namespace velmora
