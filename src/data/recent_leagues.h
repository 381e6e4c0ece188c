#pragma once

#include <QStringList>

namespace velmora {

// The league folders this user opened lately, newest first (at most four), kept in
// $XDG_CONFIG_HOME/velmora/recent-leagues (~/.config when it is unset), one path a line:
// they belong to the user, not to any league.
QStringList recentLeagues();
// Puts a folder first in the list; a list that cannot be written is not worth a message.
void rememberLeague(const QString& folder);

// The site folders this user confirmed for a league on this machine (a league's settings may
// name any folder: a league handed over is never published where it says unasked), kept in
// $XDG_CONFIG_HOME/velmora/sites, a league's folder and a site's apart by a tab, a pair a line.
// Folders are compared as the file system resolves them.
bool siteConfirmed(const QString& league, const QString& site);
// Remembers the pair; false, with the file and the reason in *error, when it cannot be kept.
bool confirmSite(const QString& league, const QString& site, QString* error);

} // namespace velmora
