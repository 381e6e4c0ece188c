#include "data/data_dir.h"

#include "data/codepage.h"
#include "data/text.h"
#include "data/types.h"

#include "data/io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace velmora {
namespace {

QString absolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The folder as the file system resolves it (/bin is /usr/bin on a merged /usr).
QString resolved(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? absolute(folder) : canonical;
}

bool installedProgramFolder(const QString& folder)
{
    static const char* const system[] = {
        VELMORA_INSTALL_BINDIR, "/usr/bin",        "/bin",       "/usr/sbin",       "/sbin",
        "/usr/local/bin",       "/usr/local/sbin", "/usr/games", "/usr/local/games"};
    const QString program = resolved(folder);
    for (const char* place : system)
        if (resolved(QFile::decodeName(place)) == program)
            return true;
    return false;
}

// Makes the folder at path (absolute and clean), with its absent parents when withParents;
// those get mode 0700, as the XDG base directories ask.
bool makeFolder(const QString& path, bool withParents, QString* error)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists()) {
        *error =
            io::errorText(QCoreApplication::translate("Io", "use the data folder"), path, ENOTDIR);
        return false;
    }
    const QString parent = info.absolutePath();
    if (!QFileInfo(parent).isDir()) {
        if (withParents && parent != path)
            return makeFolder(parent, true, error) && makeFolder(path, true, error);
        *error = QCoreApplication::translate(
                     "DataDir", "Could not make the data folder \"%1\": the folder \"%2\" "
                                "that would hold it does not exist.")
                     .arg(path, parent);
        return false;
    }
    if (::mkdir(QFile::encodeName(path).constData(), withParents ? 0700 : 0777) != 0
        && errno != EEXIST) {
        *error =
            io::errorText(QCoreApplication::translate("Io", "make the data folder"), path, errno);
        return false;
    }
    return true;
}

} // namespace

DataDir DataDir::forProgram(const QString& programFolder)
{
    const DataDir own(absolute(programFolder));
    if (!installedProgramFolder(own.path()) && (own.writable() || own.holdsLeague()))
        return own;
    return DataDir(userFolder());
}

QString DataDir::userFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/velmora"));
}

bool DataDir::open(const QString& named, const QString& programFolder, DataDir* dir, QString* error)
{
    if (!named.isEmpty()) {
        *dir = DataDir(absolute(named));
        return makeFolder(dir->path(), false, error);
    }
    *dir = forProgram(programFolder);
    return makeFolder(dir->path(), dir->path() == userFolder(), error);
}

bool DataDir::writable() const
{
    return !io::readOnlyFolder(path_);
}

bool DataDir::holdsLeague() const
{
    for (const LeagueFile::Kind kind :
         {LeagueFile::Teams, LeagueFile::TestDrivers, LeagueFile::Entries, LeagueFile::Calendar})
        if (QFileInfo::exists(path(kind)))
            return true;
    return false;
}

QString escapeRaceName(const QString& race)
{
    const auto escaped = [](char16_t u) {
        return u == u'%' || u == u'/' || u == u'\\' || u < 0x20 || u == 0x7F;
    };
    const char16_t* in = reinterpret_cast<const char16_t*>(race.constData());
    const char16_t* const end = in + race.size();
    if (std::none_of(in, end, escaped))
        return race; // most names: shared, not copied
    // Every escaped character is below 0x80: two hexadecimal digits.
    QString name(race.size() * 3, Qt::Uninitialized);
    char16_t* const start = reinterpret_cast<char16_t*>(name.data());
    char16_t* out = start;
    for (; in != end; ++in) {
        if (escaped(*in)) {
            constexpr char16_t kHex[] = u"0123456789ABCDEF";
            *out++ = u'%';
            *out++ = kHex[*in >> 4];
            *out++ = kHex[*in & 15];
        } else {
            *out++ = *in;
        }
    }
    name.truncate(out - start);
    return name;
}

QString storedRaceName(const QString& race)
{
    // Kept as the calendar keeps it (trimmed, then its first 80 characters in the code
    // page) and read back without the blanks; written on the stack, as every race file's
    // name is made here.
    char bytes[TextFieldLength];
    const qsizetype n = encode1252(displayText(race), bytes, TextFieldLength);
    return displayText(decode1252(bytes, int(n)));
}

namespace {

// Every file of a league: its name (a race's file: its extension) and the length of its
// records (0: a text file).
struct KindOf {
    LeagueFile::Kind kind;
    const char* name;
    int recordLength;
};
constexpr KindOf kFiles[] = {{LeagueFile::Teams, "teams.tro", TeamRecord::Length},
                             {LeagueFile::TestDrivers, "test.tro", TestDriverRecord::Length},
                             {LeagueFile::Entries, "entry.tro", EntryRecord::Length},
                             {LeagueFile::Calendar, "calendar.tro", RaceName::Length},
                             {LeagueFile::RaceTeams, ".tmr", TeamRecord::Length},
                             {LeagueFile::RaceTestDrivers, ".tdr", TestDriverRecord::Length},
                             {LeagueFile::Settings, "league.ini", 0},
                             {LeagueFile::Scratch, "temp.tro", 0},
                             {LeagueFile::RaceOrder, ".order", 0},
                             {LeagueFile::LearntNames, "learnt-names.txt", 0},
                             {LeagueFile::Decisions, "decisions.txt", 0}};

const KindOf& of(LeagueFile::Kind kind)
{
    return *std::find_if(std::begin(kFiles), std::end(kFiles),
                         [kind](const KindOf& k) { return k.kind == kind; });
}

} // namespace

int LeagueFile::recordLength() const
{
    return of(kind).recordLength;
}

QString DataDir::path(const LeagueFile& f) const
{
    const QString name = QString::fromLatin1(of(f.kind).name);
    return f.ofRace() ? file(escapeRaceName(storedRaceName(f.race)) + name) : file(name);
}

} // namespace velmora
