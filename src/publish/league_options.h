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

} // namespace velmora
