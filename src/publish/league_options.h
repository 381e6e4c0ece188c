#pragma once

#include "publish/publish.h"

namespace velmora {

// What a league's settings say about publishing it, where the command line or the window
// does not say otherwise: its name as the title and the owners the chart draws in colour
// (unset: the publisher's own), and the site folder (empty when unset; a relative one lies
// beside the league's folder). velmora-publish and the program's menu both take them from
// here, so that the same league and settings give the same page.
PublishOptions publishOptions(const League& league);
QString siteFolder(const League& league);

// Why a site may not go into the folder `site` (empty when it may): the league's folder or an
// earlier season's (history), a folder inside one of them or one that holds one, the user's
// home folder, or a folder of the system's. Links are resolved, also on the way to a folder
// that does not exist yet.
QString siteRefusal(const QString& site, const League& league, const QStringList& history);
// A folder as the file system resolves it: the links of the part that exists followed, the
// rest added as it stands.
QString resolvedFolder(const QString& folder);

} // namespace velmora
