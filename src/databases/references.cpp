#include "databases/references.h"

#include "data/decisions.h"

#include <algorithm>

namespace velmora {

bool referencesFrom(const League& league, LeagueFile::Kind database, qint64 record,
                    References* found, QString* error)
{
    *found = {};
    std::vector<EntryRecord> entries;
    Decisions decisions;
    if (!league.read(LeagueFile::Entries, &entries, error)
        || !readDecisions(league, &decisions, error))
        return false;
    const bool teams = database == LeagueFile::Teams;
    for (const Decision& d : decisions.list)
        found->transfers += d.isTransfer() && (d.component != Pick::TestDriver) == teams
                            && std::max(Pick::at(d.component, d.before).record,
                                        Pick::at(d.component, d.after).record)
                                   >= record - 1;
    for (const EntryRecord& e : entries) {
        const auto picks = e.picks();
        found->entries += std::any_of(picks.begin(), picks.end(), [&](const Pick& p) {
            return p.isTeamPart() == teams && p.record >= record - 1;
        });
    }
    for (const qint64 count :
         league.raceFileCounts(teams ? LeagueFile::RaceTeams : LeagueFile::RaceTestDrivers))
        found->races += count >= record ? 1 : 0;
    return true;
}

QString deleteRefusal(LeagueFile::Kind database, qint64 record, const References& found)
{
    if (found.entries == 0 && found.races == 0 && found.transfers == 0)
        return {};
    const bool teams = database == LeagueFile::Teams;
    const QString noun = teams ? QStringLiteral("team") : QStringLiteral("test driver");
    QStringList who;
    const auto add = [&who, &noun](qint64 n, const char* one, const char* many) {
        if (n > 0)
            who << QStringLiteral("%1 %2 it or a later %3")
                       .arg(n)
                       .arg(QLatin1String(n == 1 ? one : many), noun);
    };
    add(found.entries, "entry chooses", "entries choose");
    add(found.races, "race has points for", "races have points for");
    add(found.transfers, "transfer names", "transfers name");
    return QStringLiteral(
               "%1 %2 cannot be deleted: %3. Entries, races and transfers know a %4 by its "
               "place in the list, so every later %4 would move down one place and "
               "take over another's picks and points.")
        .arg(teams ? QStringLiteral("Team record") : QStringLiteral("Test driver"))
        .arg(record)
        .arg(who.join(QStringLiteral(" and ")), noun);
}

} // namespace velmora
