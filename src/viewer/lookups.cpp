#include "viewer/lookups.h"

#include "data/text.h"

namespace velmora {

LookupLists LookupLists::build(const std::vector<TeamRecord>& teams,
                               const std::vector<TestDriverRecord>& testDrivers)
{
    LookupLists lists;
    for (const TeamRecord& t : teams) {
        lists.team.push_back(displayText(t.Team.Name));
        lists.score.push_back(numberText(t.Team.Score));
        lists.engine.push_back(displayText(t.Engine.Name));
        lists.engineScore.push_back(numberText(t.Engine.Score));
        for (const ComponentSlot* d : {&t.Driver1, &t.Driver2}) {
            lists.driver.push_back(displayText(d->Name));
            lists.driverScore.push_back(numberText(d->Score));
        }
    }
    for (const TestDriverRecord& d : testDrivers) {
        lists.testDriver.push_back(displayText(d.Name));
        lists.testDriverScore.push_back(numberText(d.Score));
    }
    // Entries made while there were no test drivers still find a position 0.
    if (testDrivers.empty()) {
        lists.testDriver.push_back(QStringLiteral(" "));
        lists.testDriverScore.push_back(QStringLiteral(" "));
    }
    return lists;
}

const QString& LookupLists::at(const std::vector<QString>& list, int position)
{
    static const QString empty;
    if (position < 0 || position >= int(list.size()))
        return empty;
    return list[std::size_t(position)];
}

}  // namespace velmora
