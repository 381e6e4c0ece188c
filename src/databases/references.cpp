#include "databases/references.h"

#include "data/record_file.h"
#include "data/types.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace velmora {

bool referencesFrom(const DataDir& dir, Database database, qint64 record, References* found,
                    QString* error)
{
    *found = {};
    std::vector<EntryRecord> entries;
    if (!readRecords(dir.entries(), &entries, error))
        return false;
    // Positions count from 0; a negative one names no record.
    const qint64 first = record - 1;
    const bool teams = database == Database::Teams;
    for (const EntryRecord& e : entries) {
        const auto driverRecord = [](int d) { return d < 0 ? -1 : d / 2; };
        const bool refers =
            teams ? std::max<qint64>({e.TeamIndex, e.EngineIndex, driverRecord(e.Driver1Index),
                                      driverRecord(e.Driver2Index)})
                        >= first
                  : e.TestDriverIndex >= first;
        found->entries += refers ? 1 : 0;
    }
    const int length = teams ? TeamRecord::Length : TestDriverRecord::Length;
    const QString pattern = teams ? QStringLiteral("*.tmr") : QStringLiteral("*.tdr");
    for (const QFileInfo& race :
         QDir(dir.path()).entryInfoList({pattern}, QDir::Files | QDir::Hidden))
        found->races += race.size() / length >= record ? 1 : 0;
    return true;
}

QString deleteRefusal(Database database, qint64 record, const References& found)
{
    if (found.entries == 0 && found.races == 0)
        return {};
    const bool teams = database == Database::Teams;
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
    return QStringLiteral("%1 %2 cannot be deleted: %3. Entries and races know a %4 by its "
                          "place in the list, so every later %4 would move down one place and "
                          "take over another's picks and points.")
        .arg(teams ? QStringLiteral("Team record") : QStringLiteral("Test driver"))
        .arg(record)
        .arg(who.join(QStringLiteral(" and ")), noun);
}

} // namespace velmora
