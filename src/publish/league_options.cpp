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
    // The seasons before, oldest first: each season's settings remember the one before it.
    for (QString before = s.history;
         !before.isEmpty() && !options.history.contains(before) && options.history.size() < 100;) {
        options.history.prepend(before);
        League earlier;
        before = earlier.open(DataDir(before), League::Mode::Read, nullptr)
                     ? earlier.settings().history
                     : QString();
    }
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
