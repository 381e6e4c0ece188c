#include "publish/html.h"
#include "publish/site.h"

namespace velmora {

QString placeText(Pick::Slot place)
{
    const char* const places[] = {"chassis", "engine maker", "first race driver",
                                  "second race driver", "test driver"};
    return QLatin1String(places[place]);
}

QString decisionText(const Season& season, const Decision& d)
{
    const QString points =
        d.points == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(d.points);
    const QString text = d.isTransfer() ? QStringLiteral("Transfer of the %1: %2 \u2192 %3")
                                              .arg(placeText(d.component),
                                                   season.nameOf(Pick::at(d.component, d.before)),
                                                   season.nameOf(Pick::at(d.component, d.after)))
                         : d.kind == u"penalty" ? QStringLiteral("Penalty of %1").arg(points)
                                                : QStringLiteral("Bonus of %1").arg(points);
    return d.takenBack ? text + QStringLiteral(" (taken back)") : text;
}

void decisionTable(Html& h, const Season& season, const std::vector<const Season::Decided*>& rows,
                   const std::function<void(std::size_t)>& ownerLink)
{
    QStringList heads{QStringLiteral("Race")};
    if (ownerLink)
        heads << QStringLiteral("Owner");
    heads << QStringLiteral("Decision") << QStringLiteral("Reason");
    h.table(QStringLiteral("decision-list"), heads,
            ownerLink ? std::initializer_list<int>{0, 1, 2, 3}
                      : std::initializer_list<int>{0, 1, 2});
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        const Decision& d = (*row)->decision;
        h.open(QStringLiteral("tr"));
        h.element(u"td",
                  d.race < season.raceCount()
                      ? QStringLiteral("%1. %2").arg(d.race + 1).arg(season.races[d.race])
                  : d.race == season.raceCount()
                      ? QStringLiteral("%1. the next race").arg(d.race + 1)
                      : number(d.race + 1),
                  u"name");
        if (ownerLink) {
            h.open(QStringLiteral("td")).cls(QStringLiteral("name"));
            ownerLink((*row)->owner);
            h.close();
        }
        h.element(QStringLiteral("td"), decisionText(season, d), QStringLiteral("name"));
        h.element(QStringLiteral("td"), shownText(d.reason), QStringLiteral("name"));
        h.close();
        h.newline();
    }
    h.endTable();
}

} // namespace velmora
