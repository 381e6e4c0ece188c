#include "viewer/lookups.h"

#include "data/text.h"

#include <algorithm>

namespace velmora {

void LookupLists::List::add(const QString& name, int score)
{
    names.push_back(displayText(name));
    scores.push_back(numberText(score));
}

LookupLists::LookupLists(const std::vector<TeamRecord>& teams,
                         const std::vector<TestDriverRecord>& testDrivers)
{
    // The driver list holds every team's first driver and then its second, in team order.
    for (const TeamRecord& t : teams) {
        team_.add(t.Team.Name, t.Team.Score);
        engine_.add(t.Engine.Name, t.Engine.Score);
        driver_.add(t.Driver1.Name, t.Driver1.Score);
        driver_.add(t.Driver2.Name, t.Driver2.Score);
    }
    for (const TestDriverRecord& d : testDrivers)
        testDriver_.add(d.Name, d.Score);
    // Entries made while there were no test drivers still find a position 0.
    if (testDrivers.empty()) {
        testDriver_.names.push_back(QStringLiteral(" "));
        testDriver_.scores.push_back(QStringLiteral(" "));
    }
}

std::array<QString, 5> LookupLists::look(const EntryRecord& e,
                                         std::vector<QString> List::*texts) const
{
    const List* lists[5] = {&team_, &engine_, &driver_, &driver_, &testDriver_};
    const int positions[5] = {e.TeamIndex, e.EngineIndex, e.Driver1Index, e.Driver2Index,
                              e.TestDriverIndex};
    std::array<QString, 5> found;
    for (int c = 0; c < 5; ++c) {
        const std::vector<QString>& list = lists[c]->*texts;
        if (positions[c] >= 0 && positions[c] < int(list.size()))
            found[std::size_t(c)] = list[std::size_t(positions[c])];
    }
    return found;
}

int LookupLists::rowCount(qsizetype entries)
{
    return int(std::max<qsizetype>(25, 2 * entries + 3));
}

std::array<QString, 6> LookupLists::namesRow(const EntryRecord& e) const
{
    const auto names = look(e, &List::names);
    return {displayText(e.Owner), names[0], names[1], names[2], names[3], names[4]};
}

std::array<QString, 6> LookupLists::scoresRow(const EntryRecord& e) const
{
    const auto scores = look(e, &List::scores);
    return {numberText(e.Points), scores[0], scores[1], scores[2], scores[3], scores[4]};
}

} // namespace velmora
