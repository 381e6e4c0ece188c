#pragma once

#include <QStringList>

namespace velmora {

// The league folders this user opened lately, newest first (at most four), kept in
// $XDG_CONFIG_HOME/velmora/recent-leagues (~/.config when it is unset), one path a line:
// they belong to the user, not to any league.
QStringList recentLeagues();
// Puts a folder first in the list; a list that cannot be written is not worth a message.
void rememberLeague(const QString& folder);

} // namespace velmora
