#pragma once

#include <QFlags>
#include <QString>

namespace velmora {

// One file of a league: a database, the entries, the calendar, one of a race's files, or one of
// the text files the program keeps beside them. The kinds are also the flags of what a change
// of the league changed (League::changed).
struct LeagueFile {
    enum Kind {
        Teams = 0x1,
        TestDrivers = 0x2,
        Entries = 0x4,
        Calendar = 0x8,
        RaceTeams = 0x10,       // <race>.tmr
        RaceTestDrivers = 0x20, // <race>.tdr
        Settings = 0x40,        // league.ini, text
        Scratch = 0x80,         // temp.tro, the scratch file of every rewrite
        RaceOrder = 0x100,      // <race>.order, a race's finishing order as applied, text
        LearntNames = 0x200,    // learnt-names.txt, the names the program was told, text
        Decisions = 0x400,      // decisions.txt, transfers, penalties and bonuses, text
    };
    Q_DECLARE_FLAGS(Kinds, Kind)

    LeagueFile(Kind kind, QString race = {}) : kind(kind), race(std::move(race)) {}

    Kind kind;
    QString race; // for a race's file: the race, as typed or listed
    // The length of its records; 0 for a text file.
    int recordLength() const;
    bool ofRace() const { return kind & (RaceTeams | RaceTestDrivers | RaceOrder); }
};
Q_DECLARE_OPERATORS_FOR_FLAGS(LeagueFile::Kinds)

// The folder that holds the data files of one league. Every file name of a league is built
// here, from one list (path()).
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
    // The path of a file of the league. A race's files are named by the race without
    // surrounding blanks, escaped so that it stays one file name inside this folder, then
    // ".tmr", ".tdr" or ".order".
    QString path(const LeagueFile& file) const;

    QString teams() const { return path(LeagueFile::Teams); }
    QString testDrivers() const { return path(LeagueFile::TestDrivers); }
    QString entries() const { return path(LeagueFile::Entries); }
    QString calendar() const { return path(LeagueFile::Calendar); }
    QString scratch() const { return path(LeagueFile::Scratch); }
    QString raceTeams(const QString& race) const { return path({LeagueFile::RaceTeams, race}); }
    QString raceTestDrivers(const QString& race) const
    {
        return path({LeagueFile::RaceTestDrivers, race});
    }

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
