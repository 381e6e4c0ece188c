#include "data/new_season.h"

#include "data/io.h"
#include "data/league.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace velmora {

QString nextSeasonName(const QString& name)
{
    static const QRegularExpression year(QStringLiteral("(?<!\\d)(\\d{4})$"));
    const QRegularExpressionMatch m = year.match(name);
    return m.hasMatch() ? name.left(m.capturedStart(1)) + QString::number(m.captured(1).toInt() + 1)
                        : QString();
}

bool makeNewSeason(const League& from, const QString& folder, bool keepEntries,
                   LeagueSettings settings, QString* error)
{
    std::vector<TeamRecord> teams;
    std::vector<TestDriverRecord> testDrivers;
    std::vector<EntryRecord> entries;
    QByteArray learntNames; // copied as they are: the names a results page gives stay the same
    if (!from.read(LeagueFile::Teams, &teams, error)
        || !from.read(LeagueFile::TestDrivers, &testDrivers, error)
        || (keepEntries && !from.read(LeagueFile::Entries, &entries, error))
        || !from.readBytes(LeagueFile::LearntNames, &learntNames, error))
        return false;

    const QFileInfo target(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    const QString old = QDir::cleanPath(QFileInfo(from.dir().path()).absoluteFilePath());
    // The old season's folder gets nothing, not even a folder inside it.
    if ((target.filePath() + u'/').startsWith(old + u'/'))
        return io::fail(error, QCoreApplication::translate(
                                   "NewSeason", "\"%1\" lies in the league's own folder: a new "
                                                "season needs a folder of its own.")
                                   .arg(target.filePath()));
    if (target.exists()
        && (!target.isDir()
            || !QDir(target.filePath())
                    .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                             | QDir::System)))
        return io::fail(
            error,
            DataDir(target.filePath()).holdsLeague()
                ? QCoreApplication::translate("NewSeason", "\"%1\" holds a league already: a new "
                                                           "season needs a folder of its own.")
                      .arg(target.filePath())
                : QCoreApplication::translate("NewSeason", "\"%1\" is not an empty folder: a new "
                                                           "season needs a folder of its own.")
                      .arg(target.filePath()));

    for (TeamRecord& t : teams)
        for (ComponentSlot* slot : t.components())
            slot->Score = 0;
    for (TestDriverRecord& t : testDrivers)
        t.Score = 0;
    for (EntryRecord& e : entries)
        e.Points = 0;
    settings.site.clear();
    settings.history = from.dir().path();

    // A scratch folder left by a season start that was cut short is this program's own. The
    // new league is written through a League of its own, as every league is, and let go of
    // before its folder is flushed and renamed into place.
    const DataDir scratch(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                          + QStringLiteral(".new-season"));
    io::removeFolder(scratch.path());
    if (!io::makeFolder(scratch.path(), error))
        return false;
    bool written = false;
    if (const auto next = League::open(scratch, League::Mode::Work, error))
        written = next->replace({{LeagueFile::Teams, encodeRecords(teams)},
                                 {LeagueFile::TestDrivers, encodeRecords(testDrivers)},
                                 {LeagueFile::Entries, encodeRecords(entries)},
                                 {LeagueFile::Settings, settings.text()},
                                 {LeagueFile::LearntNames, learntNames}},
                                error);
    if (written && io::syncFolder(scratch.path(), error)
        && io::renameFolder(scratch.path(), target.filePath(), error))
        return true;
    io::removeFolder(scratch.path());
    return false;
}

} // namespace velmora
