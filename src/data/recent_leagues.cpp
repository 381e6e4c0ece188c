#include "data/recent_leagues.h"

#include "data/io.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora {

namespace {

constexpr int Kept = 4;

QString configFile(const char* name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/velmora/") + QLatin1String(name);
}

QString listFile()
{
    return configFile("recent-leagues");
}

QString resolved(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : canonical;
}

QStringList confirmedSites()
{
    QByteArray bytes;
    io::readWholeFile(configFile("sites"), &bytes, nullptr);
    return QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

QStringList recentLeagues()
{
    QByteArray bytes;
    if (!io::readWholeFile(listFile(), &bytes, nullptr))
        return {};
    QStringList folders = QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    return folders.mid(0, Kept);
}

void rememberLeague(const QString& folder)
{
    QStringList folders = recentLeagues();
    folders.removeAll(folder);
    folders.prepend(folder);
    const QString file = listFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    io::writeDocument(file, (folders.mid(0, Kept).join(u'\n') + u'\n').toUtf8(), nullptr);
}

bool siteConfirmed(const QString& league, const QString& site)
{
    return confirmedSites().contains(resolved(league) + u'\t' + resolved(site));
}

bool confirmSite(const QString& league, const QString& site, QString* error)
{
    QStringList pairs = confirmedSites();
    const QString pair = resolved(league) + u'\t' + resolved(site);
    if (pairs.contains(pair))
        return true;
    pairs << pair;
    const QString file = configFile("sites");
    QDir().mkpath(QFileInfo(file).absolutePath());
    return io::writeDocument(file, (pairs.join(u'\n') + u'\n').toUtf8(), error);
}

} // namespace velmora
