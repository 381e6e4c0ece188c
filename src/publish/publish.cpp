#include "publish/publish.h"

#include "data/io.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <future>

namespace velmora {

bool publishSeason(const League& league, const QString& out, const PublishOptions& options,
                   QString* error)
{
    Season season;
    if (!readSeason(league, &season, error))
        return false;
    const QFileInfo folder(out);
    if (folder.exists() && !folder.isDir())
        return io::fail(error, QStringLiteral("\"%1\" is not a folder.").arg(out));
    if (folder.exists()
        && folder.canonicalFilePath() == QFileInfo(league.dir().path()).canonicalFilePath())
        return io::fail(error,
                        QStringLiteral("The site cannot go into the data folder \"%1\": nothing is "
                                       "written there. Choose another folder with --out.")
                            .arg(out));

    // Everything is made before anything is written, so a season that cannot be made
    // leaves the site as it was. The page is made beside the spreadsheets: with two cores the
    // organiser waits for the larger of them only.
    auto page = std::async(std::launch::async, [&] { return seasonPage(season, options); });
    QByteArray standings = standingsCsv(season), components = componentsCsv(season);
    const std::pair<const char*, QByteArray> files[] = {{"standings.csv", std::move(standings)},
                                                        {"components.csv", std::move(components)},
                                                        {"index.html", page.get()}};
    errno = 0;
    if (!QDir().mkpath(out))
        return io::fail(
            error, io::errorText(QStringLiteral("create the folder"), out, errno ? errno : EIO));
    const QDir dir(out);
    for (const auto& [name, bytes] : files) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        if (!io::replaceFile(path, path + QStringLiteral(".part"), bytes, error))
            return false;
    }
    return true;
}

} // namespace velmora
