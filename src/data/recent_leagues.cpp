#include "data/recent_leagues.h"

#include "data/io.h"

#include <QDir>
#include <QStandardPaths>

namespace velmora {

namespace {

constexpr int Kept = 4;

QString listFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/velmora/recent-leagues");
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

} // namespace velmora
