#include "databases/references.h"

#include "data/decisions.h"

#include <QCoreApplication>

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

namespace {
struct DeleteRefusal {
    Q_DECLARE_TR_FUNCTIONS(DeleteRefusal)
};
} // namespace

QString deleteRefusal(LeagueFile::Kind database, qint64 record, const References& found)
{
    if (found.entries == 0 && found.races == 0 && found.transfers == 0)
        return {};
    const bool teams = database == LeagueFile::Teams;
    // Whole phrases, one and many, for a team and a test driver: a translation gives each noun
    // its own grammar.
    static const char* const phrases[2][3][2] = {
        {{QT_TRANSLATE_NOOP("DeleteRefusal", "%1 entry chooses it or a later test driver"),
          QT_TRANSLATE_NOOP("DeleteRefusal", "%1 entries choose it or a later test driver")},
         {QT_TRANSLATE_NOOP("DeleteRefusal", "%1 race has points for it or a later test driver"),
          QT_TRANSLATE_NOOP("DeleteRefusal", "%1 races have points for it or a later test driver")},
         {QT_TRANSLATE_NOOP("DeleteRefusal", "%1 transfer names it or a later test driver"),
          QT_TRANSLATE_NOOP("DeleteRefusal", "%1 transfers name it or a later test driver")}},
        {{QT_TRANSLATE_NOOP("DeleteRefusal", "%1 entry chooses it or a later team"),
          QT_TRANSLATE_NOOP("DeleteRefusal", "%1 entries choose it or a later team")},
         {QT_TRANSLATE_NOOP("DeleteRefusal", "%1 race has points for it or a later team"),
          QT_TRANSLATE_NOOP("DeleteRefusal", "%1 races have points for it or a later team")},
         {QT_TRANSLATE_NOOP("DeleteRefusal", "%1 transfer names it or a later team"),
          QT_TRANSLATE_NOOP("DeleteRefusal", "%1 transfers name it or a later team")}}};
    QStringList who;
    const auto add = [&who, teams](qint64 n, int kind) {
        if (n > 0)
            who << DeleteRefusal::tr(phrases[teams][kind][n == 1 ? 0 : 1]).arg(n);
    };
    add(found.entries, 0);
    add(found.races, 1);
    add(found.transfers, 2);
    return (teams ? DeleteRefusal::tr("Team record %1 cannot be deleted: %2. Entries, races and "
                                      "transfers know a team by its place in the list, so every "
                                      "later team would move down one place and take over "
                                      "another's picks and points.")
                  : DeleteRefusal::tr("Test driver %1 cannot be deleted: %2. Entries, races and "
                                      "transfers know a test driver by its place in the list, so "
                                      "every later test driver would move down one place and "
                                      "take over another's picks and points."))
        .arg(record)
        .arg(who.join(DeleteRefusal::tr(" and ")));
}

} // namespace velmora
