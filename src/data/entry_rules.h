// An entry's picks as they are named and priced, and the league's own rules about them, as the
// entry editor shows them and the published pages and the decisions window repeat them.
#pragma once

#include "data/types.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace velmora {

// Each team record's four names as `shown` shows a stored name, a name of a chassis, an engine
// maker or a race driver that more than one team record carries told apart by its team: "Ion
// (Arrow)" (a chassis, or one whose team's name is shared too, by its record: "Arrow (team
// record 2)").
std::vector<std::array<QString, 4>> teamNames(const std::vector<TeamRecord>& teams,
                                              const std::function<QString(const QString&)>& shown);

// A component's price as the entry editor shows it beside its picker: a team part's with the
// zero before the point ('0.75'), a test driver's in whole millions; empty for a pick that names
// no record.
QString pickPrice(Pick pick, const std::vector<TeamRecord>& teams,
                  const std::vector<TestDriverRecord>& testDrivers);
// The total of prices as shown (the number each begins with), as the entry editor writes it.
QString pricesTotal(const QStringList& prices);
// The total of an entry's picks, as the entry editor shows and stores it.
QString entryTotal(const std::array<Pick, 5>& picks, const std::vector<TeamRecord>& teams,
                   const std::vector<TestDriverRecord>& testDrivers);

// Only in a league whose settings give a budget: a total, as shown, above it, and one race
// driver picked for both seats (the same position, or the same name; -1: no pick), each said
// with why; empty where the entry keeps the rule. Storing is not refused: the league decides.
// In the user's language where `translated` (a window); the published pages keep English.
struct RuleMarks {
    QString total, drivers;
};
RuleMarks ruleMarks(std::optional<double> budget, const QString& total, int driver1, int driver2,
                    const QString& name1, const QString& name2, bool translated = false);

} // namespace velmora
