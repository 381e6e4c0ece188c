#include "data/csv.h"
#include "publish/publish.h"
#include "publish/site.h"

namespace velmora {

QByteArray standingsCsv(const Season& season)
{
    CsvWriter csv;
    for (const char* heading :
         {"Position", "Owner", "Entry", "Points", "Last race", "Move", "Stored points"})
        csv.field(QString::fromLatin1(heading));
    const int races = season.raceCount();
    // A race in which a penalty or bonus counts has a column of them after its own, whose
    // figure holds them.
    std::vector<bool> adjusted(std::size_t(races), false);
    for (const Season::Decided& d : season.decisions)
        if (d.decision.isAdjustment() && d.decision.counts() && d.decision.race < races)
            adjusted[std::size_t(d.decision.race)] = true;
    for (int r = 0; r < races; ++r) {
        csv.field(season.races[r]);
        if (adjusted[std::size_t(r)])
            csv.field(season.races[r] + QStringLiteral(": penalties and bonuses"));
    }
    csv.endRow();
    for (const LeagueRow& row : season.table) {
        const Season::Owner& owner = season.owners[row.owner];
        csv.field(row.position);
        csv.field(owner.label);
        csv.field(owner.record);
        csv.field(row.points);
        if (races > 0)
            csv.field(row.lastRace);
        else
            csv.field(QString());
        csv.field(row.moveText({QStringLiteral("new"), QStringLiteral("same"),
                                QStringLiteral("up %1"), QStringLiteral("down %1")}));
        csv.field(owner.storedPoints);
        for (int r = 0; r < races; ++r) {
            csv.field(season.pointsIn(row.owner, r));
            if (adjusted[std::size_t(r)])
                csv.field(RaceScores::adjustmentIn(owner.decided, r));
        }
        csv.endRow();
    }
    return csv.take();
}

QByteArray componentsCsv(const Season& season)
{
    CsvWriter csv;
    for (const char* heading : {"Kind", "Name", "Price", "Chosen by", "Total"})
        csv.field(QString::fromLatin1(heading));
    for (const QString& race : season.races)
        csv.field(race);
    csv.endRow();
    for (const ComponentRow& row : componentRows(season)) {
        csv.field(kindText(row.kind));
        csv.field(row.name);
        csv.field(row.price);
        csv.field(row.chosenBy);
        csv.field(row.total);
        for (const ComponentPoints& race : season.racePoints)
            csv.field(row.pointsIn(race));
        csv.endRow();
    }
    return csv.take();
}

} // namespace velmora
