#include "data/league.h"

#include "data/io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <numeric>
#include <optional>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace velmora {

League::League(const DataDir& dir, bool writable, int lock)
    : dir_(dir), writable_(writable), lock_(lock)
{
}

League::~League()
{
    io::closeFile(lock_); // closing drops the lock
}

std::unique_ptr<League> League::open(const DataDir& dir, Mode mode, QString* error)
{
    const auto refuse = [error](const QString& text) {
        io::fail(error, text);
        return std::unique_ptr<League>();
    };
    const QFileInfo folder(dir.path());
    if (!folder.exists())
        return refuse(tr("The data folder \"%1\" does not exist.").arg(dir.path()));
    if (!folder.isDir())
        return refuse(tr("\"%1\" is not a folder.").arg(dir.path()));
    int lock = -1;
    if (mode != Mode::Read) {
        lock =
            ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (lock < 0)
            return refuse(io::errorText(QCoreApplication::translate("Io", "open the data folder"),
                                        dir.path(), errno));
        // The mark is set before the lock is taken, so that whoever the lock refuses finds it.
        // The mark and flock's lock are apart: neither ever stands in the other's way. Where
        // the file system keeps no record locks, there is no mark and a window refused says
        // what it always said.
        struct flock mark = {};
        mark.l_whence = SEEK_SET;
        mark.l_len = 1;
        if (mode == Mode::Script) {
            mark.l_type = F_RDLCK;
            ::fcntl(lock, F_OFD_SETLK, &mark);
        }
        if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
            const int e = errno;
            mark.l_type = F_WRLCK; // what would stand in the way of a write lock: another's mark
            const bool script = ::fcntl(lock, F_OFD_GETLK, &mark) == 0 && mark.l_type != F_UNLCK;
            ::close(lock);
            if (e == EWOULDBLOCK && script)
                return refuse(tr("The data folder \"%1\" is in use: velmora-score is storing a "
                                 "race in it. Try again once it has finished.")
                                  .arg(dir.path()));
            return refuse(e == EWOULDBLOCK ? tr("Velmora is already running on the data folder "
                                                "\"%1\". Use the window that is open.")
                                                 .arg(dir.path())
                                           : io::errorText(QCoreApplication::translate(
                                                               "Io", "lock the data folder"),
                                                           dir.path(), e));
        }
    }
    // From here the League owns the lock: it goes with it, whatever fails.
    std::unique_ptr<League> league(new League(dir, mode != Mode::Read && dir.writable(), lock));
    // As start-up always has: the league's three databases are there from the first start
    // (made when absent, never opened for writing here). A link in a database's place is left
    // as it is (never made through): reading and storing say what it is.
    for (const LeagueFile::Kind kind :
         {LeagueFile::Teams, LeagueFile::TestDrivers, LeagueFile::Entries}) {
        QString failed;
        const int fd = league->writable_
                           ? io::openFile(dir.path(kind), O_RDONLY | O_CREAT | O_NONBLOCK, &failed)
                           : -1;
        if (!failed.isEmpty() && !io::isLink(dir.path(kind)))
            return refuse(failed);
        io::closeFile(fd);
    }
    league->readSettings();
    return league;
}

void League::readSettings()
{
    QByteArray bytes;
    settings_ = {};
    settingsError_.clear();
    if (!readBytes(LeagueFile::Settings, &bytes, &settingsError_)) {
        settingsError_ += tr(" The league is used without its settings, and they "
                             "are not written over.");
        return;
    }
    QStringList errors;
    settings_ = LeagueSettings::parse(bytes, path(LeagueFile::Settings), &errors);
    if (!errors.isEmpty())
        settingsError_ = errors.join(u'\n') + u'\n'
                         + (errors.size() == 1 ? tr("Its setting is left unset and the others are "
                                                    "used; the file is not written over until the "
                                                    "line is mended in a text editor.")
                                               : tr("Their settings are left unset and the others "
                                                    "are used; the file is not written over until "
                                                    "the lines are mended in a text editor."));
}

QString League::name() const
{
    return settings_.name.isEmpty() ? QFileInfo(dir_.path()).fileName() : settings_.name;
}

bool League::storeSettings(const LeagueSettings& settings, QString* error,
                           std::vector<Replacement> with)
{
    if (!settingsError_.isEmpty())
        return io::fail(error, settingsError_);
    // Those told of the change read the new settings.
    const LeagueSettings before = std::exchange(settings_, settings);
    with.push_back({LeagueFile::Settings, settings.text()});
    if (replace(with, error))
        return true;
    settings_ = before;
    return false;
}

bool League::readablePath(const QString& path, QString* readable, QString* error) const
{
    *readable = path;
    if (!io::isLink(path))
        return true;
    // A link is followed to a file of the folder's own; one naming anything else is not read
    // (a folder handed over could show, and so publish, any file of the user's).
    const QString target = QFileInfo(path).canonicalFilePath();
    const QString folder = QFileInfo(dir_.path()).canonicalFilePath();
    if (target.isEmpty()) {
        *readable = QString(); // a link to nothing reads as an absent file
        return true;
    }
    if (!folder.isEmpty() && target.startsWith(folder + u'/')) {
        *readable = target;
        return true;
    }
    return io::fail(error, tr("\"%1\" is a symbolic link to \"%2\", outside the "
                              "league's folder: it is not read.")
                               .arg(path, target));
}

bool League::readBytes(const LeagueFile& file, QByteArray* bytes, QString* error) const
{
    QString readable;
    bytes->clear();
    return readablePath(path(file), &readable, error)
           && (readable.isEmpty() || io::readWholeFile(readable, bytes, error));
}

std::vector<qint64> League::raceFileCounts(LeagueFile::Kind kind) const
{
    std::vector<qint64> counts;
    // Every file named as the race files of that kind are, whatever their race.
    const LeagueFile any(kind, QStringLiteral("*"));
    for (const QFileInfo& race :
         QDir(dir_.path())
             .entryInfoList({QFileInfo(path(any)).fileName()}, QDir::Files | QDir::Hidden))
        counts.push_back(race.size() / any.recordLength());
    return counts;
}

bool League::openRecords(const LeagueFile& file, RecordFile* records, QString* error) const
{
    // Worked on, a link is refused when the file opens (RecordFile); viewed, it is read as
    // readBytes reads it.
    QString readable;
    if (!writable_ && !readablePath(path(file), &readable, error))
        return false;
    return records->open(writable_ || readable.isEmpty() ? path(file) : readable,
                         file.recordLength(), writable_, error);
}

bool League::store(const LeagueFile& file, RecordFile& records, qint64 n, const QByteArray& bytes,
                   QString* error)
{
    // Storing what the record holds already changes nothing: a read-only league can be
    // stepped through in the editors without a message at every step.
    QByteArray stored;
    if (n <= records.count() && records.read(n, &stored, nullptr) && stored == bytes)
        return true;
    if (!writable_)
        return io::fail(error, io::readOnlyText(dir_.path()));
    if (!records.write(n, bytes, error))
        return false;
    emit changed(file.kind);
    return true;
}

bool League::remove(const LeagueFile& file, qint64 k, QString* error,
                    const std::vector<Replacement>& with)
{
    QByteArray bytes;
    if (!readBytes(file, &bytes, error))
        return false;
    const int length = file.recordLength();
    const qint64 count = bytes.size() / length;
    if (k < 1 || k > count)
        return true;
    bytes.truncate(count * length);
    bytes.remove((k - 1) * length, length);
    std::vector<Replacement> files{{file, bytes}};
    files.insert(files.end(), with.begin(), with.end());
    return replace(files, error);
}

bool League::replace(const std::vector<Replacement>& files, QString* error)
{
    // What each file holds now (none: absent), to leave alone when it does not change and to
    // put back should a later file fail.
    std::vector<std::optional<QByteArray>> before;
    LeagueFile::Kinds changes;
    for (const Replacement& r : files) {
        QByteArray bytes;
        if (!readBytes(r.file, &bytes, error))
            return false;
        const bool exists = !bytes.isEmpty() || QFileInfo::exists(path(r.file));
        before.push_back(exists ? std::optional(bytes) : std::nullopt);
        if (bytes != r.bytes)
            changes |= r.file.kind;
    }
    if (!changes)
        return true;
    if (!writable_)
        return io::fail(error, io::readOnlyText(dir_.path()));
    for (std::size_t k = 0; k < files.size(); ++k) {
        const QString target = path(files[k].file);
        if (before[k].value_or(QByteArray()) == files[k].bytes
            || io::replaceFile(target, dir_.scratch(), files[k].bytes, error))
            continue;
        for (std::size_t j = 0; j < k; ++j) {
            const QString done = path(files[j].file);
            QString restoreError;
            if (!before[j])
                io::removeFile(done);
            else if (*before[j] != files[j].bytes
                     && !io::replaceFile(done, dir_.scratch(), *before[j], &restoreError) && error)
                *error += u'\n' + restoreError;
        }
        return false;
    }
    emit changed(changes);
    return true;
}

namespace {

// The positions of the entries of an entry file in league order.
std::vector<std::size_t> leagueOrder(const std::vector<EntryRecord>& entries,
                                     const QByteArray& file, LeagueOrder order)
{
    std::vector<std::size_t> at(entries.size());
    std::iota(at.begin(), at.end(), std::size_t(0));
    if (order == LeagueOrder::ByPoints) {
        std::stable_sort(at.begin(), at.end(), [&entries](std::size_t a, std::size_t b) {
            return entries[a].Points > entries[b].Points;
        });
        return at;
    }
    // The owner key is the stored text field itself, the first of the record: unsigned bytes
    // compared, so the padding blank sorts before every letter and 'Z' (0x5A) before 'a'.
    const auto owner = [&file](std::size_t i) {
        return QByteArrayView(file.constData() + qsizetype(i) * EntryRecord::Length,
                              TextFieldLength);
    };
    std::stable_sort(at.begin(), at.end(),
                     [&owner](std::size_t a, std::size_t b) { return owner(a) < owner(b); });
    return at;
}

} // namespace

QByteArray inLeagueOrder(const std::vector<EntryRecord>& entries, const QByteArray& file,
                         LeagueOrder order)
{
    const std::vector<std::size_t> at = leagueOrder(entries, file, order);
    if (std::is_sorted(at.begin(), at.end()))
        return file;
    // The records' own bytes, moved: no record is decoded and encoded again.
    QByteArray ordered;
    ordered.reserve(file.size());
    for (std::size_t i : at)
        ordered.append(file.constData() + qsizetype(i) * EntryRecord::Length, EntryRecord::Length);
    return ordered + restOf<EntryRecord>(file);
}

bool League::orderEntries(LeagueOrder order, QString* error)
{
    std::vector<EntryRecord> entries;
    QByteArray file;
    if (!read(LeagueFile::Entries, &entries, error, &file))
        return false;
    const QByteArray ordered = inLeagueOrder(entries, file, order);
    if (ordered == file)
        return true; // in order already: not written at all
    return replace({{LeagueFile::Entries, ordered}}, error);
}

} // namespace velmora
