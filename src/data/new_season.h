#pragma once

#include "data/league_settings.h"

#include <QString>

namespace velmora {

class League;

// The name of the next season's folder or league: the same name with its closing year one
// on ("league2026" -> "league2027"); empty when the name does not end in a year.
QString nextSeasonName(const QString& name);

// Starts the season after the league `from` in the folder `folder`, reading `from` only:
// its team and test-driver databases with names and prices kept and every score 0, every
// entry with its picks and 0 points (keepEntries) or none, no calendar, race files or
// finishing orders, the names the league learnt (as they are), and the settings given (the
// points rules with them), with no site (the new season publishes to a site of its own) and
// `from`'s folder as their history. The folder is made whole under a scratch name beside it
// and then renamed into place, so that a failure leaves nothing behind. `folder` may be
// absent or an empty folder; one that holds anything is refused. False, with the folder or
// file and the reason in *error, when the season could not be made.
bool makeNewSeason(const League& from, const QString& folder, bool keepEntries,
                   LeagueSettings settings, QString* error);

} // namespace velmora
