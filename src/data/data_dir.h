#pragma once

#include <QString>

namespace velmora {

// The folder that holds the data files of one league. Every file name of the program is
// built here.
class DataDir {
public:
    DataDir() = default;
    explicit DataDir(QString path) : path_(std::move(path)) {}

    // The league of a program whose executable lies in programFolder, when no folder is named
    // (velmora and velmora-publish both start from it, so they find the same league):
    //  - an installed program never keeps data beside itself: the user's folder. Installed
    //    means programFolder is the folder the build was configured to install programs to
    //    (CMAKE_INSTALL_FULL_BINDIR, /usr/bin for the package) or one of the system's own
    //    program folders (/usr/bin, /bin, /usr/sbin, /sbin, /usr/local/bin, /usr/local/sbin,
    //    /usr/games, /usr/local/games), whoever runs it: root could write there;
    //  - otherwise programFolder itself when it can be written (see writable()), or when it
    //    holds a league (see holdsLeague()), which is then viewed read-only;
    //  - otherwise the user's folder.
    // Nothing is created or written; the folder returned may not exist yet (see open()).
    static DataDir forProgram(const QString& programFolder);

    // The user's own league folder: $XDG_DATA_HOME/velmora, or ~/.local/share/velmora when
    // XDG_DATA_HOME is unset, empty or not an absolute path.
    static QString userFolder();

    // The data folder the program starts on: `named` (a folder given on the command line,
    // relative to the current folder) or, when that is empty, forProgram(programFolder); its
    // path absolute and clean. An absent named folder is made when its parent folder exists;
    // an absent user's folder is made with its parents (mode 0700). False, with a message
    // naming the folder and the reason in *error, when the folder is absent and cannot be
    // made, or is not a folder.
    static bool open(const QString& named, const QString& programFolder, DataDir* dir,
                     QString* error);

    // False when the folder is on a read-only file system or its permission bits keep this
    // user out, even when the user is root (io::readOnlyFolder); its league is then viewed:
    // every store is refused with one message naming the folder.
    bool writable() const;
    // One of the league files (teams, test drivers, entries, calendar) is there.
    bool holdsLeague() const;

    const QString& path() const { return path_; }
    QString file(const QString& name) const { return path_ + u'/' + name; }

    QString teams() const { return file(QStringLiteral("teams.tro")); }
    QString testDrivers() const { return file(QStringLiteral("test.tro")); }
    QString entries() const { return file(QStringLiteral("entry.tro")); }
    QString calendar() const { return file(QStringLiteral("calendar.tro")); }
    QString scratch() const { return file(QStringLiteral("temp.tro")); }

    // The race files of a race: its name without surrounding blanks, escaped so that it
    // stays one file name inside this folder, then ".tmr" or ".tdr".
    QString raceTeams(const QString& race) const;
    QString raceTestDrivers(const QString& race) const;

private:
    QString path_;
};

// A race name as the calendar holds it (80 code-page characters), trimmed: a typed name
// and the same name read back from the calendar are the same race, with the same files.
QString storedRaceName(const QString& race);

// A race name made into a single file name: '%', '/', '\' and control characters become
// %XX (their code in hex), everything else stays as it is.
QString escapeRaceName(const QString& race);

} // namespace velmora
