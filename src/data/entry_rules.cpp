#include "data/entry_rules.h"

#include "data/text.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace velmora {

std::vector<std::array<QString, 4>> teamNames(const std::vector<TeamRecord>& teams,
                                              const std::function<QString(const QString&)>& shown)
{
    std::vector<std::array<QString, 4>> names(teams.size());
    // How many team records carry each name of a kind: chassis, engine makers, race drivers.
    const auto kind = [](std::size_t k) {
        return QChar(u'0' + char16_t(std::min<std::size_t>(k, 2)));
    };
    QHash<QString, std::pair<int, std::size_t>> carried; // records, the last one counted
    for (std::size_t j = 0; j < teams.size(); ++j)
        for (std::size_t k = 0; k < 4; ++k) {
            names[j][k] = shown(teams[j].components()[k]->Name);
            auto& [records, last] = carried[kind(k) + names[j][k]];
            if (records == 0 || last != j)
                ++records, last = j;
        }
    for (std::size_t j = 0; j < teams.size(); ++j) {
        const QString chassis = names[j][0];
        const bool shared = chassis.isEmpty() || carried.value(kind(0) + chassis).first > 1;
        for (std::size_t k = 0; k < 4; ++k) {
            QString& name = names[j][k];
            if (name.isEmpty() || carried.value(kind(k) + name).first < 2)
                continue;
            name += k == 0 || shared ? QStringLiteral(" (team record %1)").arg(j + 1)
                                     : QStringLiteral(" (%1)").arg(chassis);
        }
    }
    return names;
}

QString pickPrice(Pick pick, const std::vector<TeamRecord>& teams,
                  const std::vector<TestDriverRecord>& testDrivers)
{
    const std::size_t at = std::size_t(pick.record);
    if (pick.record < 0 || at >= (pick.isTeamPart() ? teams.size() : testDrivers.size()))
        return {};
    return pick.isTeamPart() ? priceText(pick.in(teams[at])->Price)
                             : numberText(int(testDrivers[at].Price));
}

QString pricesTotal(const QStringList& prices)
{
    double sum = 0;
    for (const QString& price : prices)
        sum += readNumber(price);
    return totalText(sum);
}

QString entryTotal(const std::array<Pick, 5>& picks, const std::vector<TeamRecord>& teams,
                   const std::vector<TestDriverRecord>& testDrivers)
{
    QStringList prices;
    for (const Pick& pick : picks)
        prices << pickPrice(pick, teams, testDrivers);
    return pricesTotal(prices);
}

RuleMarks ruleMarks(std::optional<double> budget, const QString& total, int driver1, int driver2,
                    const QString& name1, const QString& name2, bool translated)
{
    if (!budget)
        return {};
    const auto text = [translated](const char* english) {
        return translated ? QCoreApplication::translate("EntryRules", english)
                          : QString::fromUtf8(english);
    };
    RuleMarks marks;
    const QString shown = total.trimmed(), name = name1.trimmed();
    if (readNumber(shown) > *budget)
        marks.total = text(QT_TRANSLATE_NOOP("EntryRules",
                                             "The total, %1, is above the league's budget of %2."))
                          .arg(shown, QString::number(*budget, 'g', 9));
    if (driver1 >= 0 && driver2 >= 0
        && (driver1 == driver2 || (!name.isEmpty() && name == name2.trimmed())))
        marks.drivers =
            text(QT_TRANSLATE_NOOP("EntryRules", "Driver 1 and Driver 2 are the same driver, %1."))
                .arg(name);
    return marks;
}

} // namespace velmora
