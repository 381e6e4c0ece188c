#include "publish/league_options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

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
        const auto earlier = League::open(DataDir(before), League::Mode::Read, nullptr);
        before = earlier ? earlier->settings().history : QString();
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

QString resolvedFolder(const QString& path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList rest;
    for (QString up;
         !QFileInfo::exists(existing) && (up = QFileInfo(existing).absolutePath()) != existing;
         existing = up)
        rest.prepend(QFileInfo(existing).fileName());
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((canonical.isEmpty() ? existing : canonical) + u'/' + rest.join(u'/'));
}

namespace {

// `path` is `folder` or lies inside it (both resolved).
bool within(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

} // namespace

QString siteRefusal(const QString& site, const League& league, const QStringList& history)
{
    const QString at = resolvedFolder(site);
    for (const QString& data : QStringList{league.dir().path()} + history) {
        const QString folder = resolvedFolder(data);
        if (within(at, folder))
            return QCoreApplication::translate(
                       "Publish", "The site cannot go into the data folder \"%1\" or a folder "
                                  "in it: nothing is written there. Choose another folder for "
                                  "the site.")
                .arg(data);
        if (within(folder, at))
            return QCoreApplication::translate(
                       "Publish", "\"%1\" holds the data folder \"%2\": the site needs a "
                                  "folder of its own beside it. Choose another folder for the "
                                  "site.")
                .arg(site, data);
    }
    if (at == resolvedFolder(QDir::homePath()))
        return QCoreApplication::translate(
                   "Publish", "\"%1\" is your home folder: the site needs a folder of its own. "
                              "Choose another folder for the site.")
            .arg(site);
    // The system's own folders, and those whose whole tree is the system's.
    static const QStringList system = {"/",     "/dev/shm", "/home", "/media", "/mnt",    "/opt",
                                       "/root", "/srv",     "/tmp",  "/var",   "/var/tmp"};
    static const QStringList trees = {"/bin",   "/boot",  "/dev",    "/etc",  "/lib",
                                      "/lib32", "/lib64", "/libx32", "/proc", "/run",
                                      "/sbin",  "/sys",   "/usr"};
    // (The shared memory folder is a folder for everyone's files, as /tmp is.)
    if (system.contains(at)
        || (std::any_of(trees.begin(), trees.end(),
                        [&at](const QString& t) { return within(at, t); })
            && !within(at, QStringLiteral("/dev/shm"))))
        return QCoreApplication::translate(
                   "Publish", "\"%1\" is a folder of the system's: the site needs a folder of "
                              "its own. Choose another folder for the site.")
            .arg(site);
    return {};
}

} // namespace velmora
