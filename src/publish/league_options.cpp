#include "publish/league_options.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

PublishOptions publishOptions(const League& league)
{
    PublishOptions options;
    const LeagueSettings& s = league.settings();
    if (!s.name.isEmpty())
        options.title = s.name;
    if (s.top)
        options.top = *s.top;
    return options;
}

QString siteFolder(const League& league)
{
    const QString site = league.settings().site;
    return site.isEmpty()
               ? site
               : QDir::cleanPath(QFileInfo(league.dir().path()).dir().absoluteFilePath(site));
}

} // namespace velmora
