#pragma once

#include "data/types.h"

#include <QString>

#include <vector>

namespace velmora {

// The viewer's name and score lists, built from the databases: each entry's positions
// are looked up here. A position outside a list gives an empty text.
struct LookupLists {
    std::vector<QString> team, score, engine, engineScore, driver, driverScore, testDriver,
        testDriverScore;

    static LookupLists build(const std::vector<TeamRecord>& teams,
                             const std::vector<TestDriverRecord>& testDrivers);

    static const QString& at(const std::vector<QString>& list, int position);
};

}  // namespace velmora
