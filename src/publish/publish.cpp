#include "publish/publish.h"

#include "data/io.h"
#include "publish/league_options.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <future>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

const QString kMemory = QStringLiteral("published.txt");

QByteArray native(const QString& name)
{
    return QFile::encodeName(name);
}

// A folder of the site, held open while it is published: its files are reached through it by
// name, so that no link on the way to them is followed, and the site is locked through it.
class SiteFolder {
public:
    SiteFolder() = default;
    SiteFolder(const SiteFolder&) = delete;
    SiteFolder& operator=(const SiteFolder&) = delete;
    ~SiteFolder() { io::closeFile(fd_); }

    // The site's own folder, made when missing (links on the way to it are the user's).
    bool open(const QString& path, QString* error)
    {
        path_ = path;
        errno = 0;
        if (!QDir().mkpath(path))
            return io::fail(error,
                            io::errorText(QCoreApplication::translate("Io", "create the folder"),
                                          path, errno ? errno : EIO));
        fd_ = ::open(native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return fd_ >= 0
               || failed(QCoreApplication::translate("Io", "open the folder"), path, errno, error);
    }
    // A folder in it, made when missing; never one a link there names.
    bool open(const SiteFolder& in, const QString& name, QString* error)
    {
        path_ = in.file(name);
        if (::mkdirat(in.fd_, native(name).constData(), 0777) != 0 && errno != EEXIST)
            return failed(QCoreApplication::translate("Io", "create the folder"), path_, errno,
                          error);
        fd_ = ::openat(in.fd_, native(name).constData(),
                       O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int e = errno;
        struct stat st {};
        if (fd_ < 0 && ::fstatat(in.fd_, native(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISLNK(st.st_mode))
            return io::fail(error, io::linkText(path_));
        return fd_ >= 0
               || failed(QCoreApplication::translate("Io", "open the folder"), path_, e, error);
    }

    int fd() const { return fd_; }
    const QString& path() const { return path_; }
    QString file(const QString& name) const { return path_ + u'/' + name; }

    // The names in it (of any kind) that `wanted` takes.
    QStringList files(const std::function<bool(const QString&)>& wanted) const
    {
        QStringList names;
        const int fd = ::dup(fd_);
        DIR* dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
        if (!dir) {
            io::closeFile(fd);
            return names;
        }
        ::rewinddir(dir);
        while (const dirent* e = ::readdir(dir))
            if (const QString name = QFile::decodeName(e->d_name); wanted(name))
                names << name;
        ::closedir(dir);
        return names;
    }

    static bool failed(const QString& action, const QString& path, int code, QString* error)
    {
        return io::fail(error, io::errorText(action, path, code));
    }

private:
    int fd_ = -1;
    QString path_;
};

// What the file `name` of a folder holds: these bytes, other bytes, it is no file (absent, or
// a folder), or it is a symbolic link (not followed).
enum class Holds { Same, Other, NoFile, Link };
Holds holds(const SiteFolder& in, const QString& name, const QByteArray& bytes)
{
    const int fd =
        ::openat(in.fd(), native(name).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ELOOP)
        return Holds::Link;
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        io::closeFile(fd);
        return Holds::NoFile;
    }
    bool same = st.st_size == bytes.size();
    if (same) {
        QByteArray now(bytes.size() + 1, Qt::Uninitialized);
        qsizetype got = 0;
        for (ssize_t n; got < now.size()
                        && (n = ::read(fd, now.data() + got, std::size_t(now.size() - got))) > 0;)
            got += n;
        same = got == bytes.size() && std::equal(bytes.begin(), bytes.end(), now.begin());
    }
    ::close(fd);
    return same ? Holds::Same : Holds::Other;
}

// The scratch file `name` of a folder, for writing a page into: the one this run swapped out
// of a page's place, still this run's own (a plain file of the user's with that one name),
// or else made new and exclusively, whatever a file or link of that name was.
int scratchFile(const SiteFolder& in, const QString& name, QString* error)
{
    const QByteArray n = native(name);
    int fd = ::openat(in.fd(), n.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1
        && st.st_uid == ::geteuid())
        return fd;
    io::closeFile(fd);
    ::unlinkat(in.fd(), n.constData(), 0);
    if (const int e = io::fault(io::Op::Open, in.file(name)))
        return SiteFolder::failed(QCoreApplication::translate("Io", "open"), in.file(name), e,
                                  error),
               -1;
    fd = ::openat(in.fd(), n.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  0644);
    if (fd < 0)
        SiteFolder::failed(QCoreApplication::translate("Io", "open"), in.file(name), errno, error);
    return fd;
}

// Writes a file that can be made again through a scratch file, swapped with it in one step
// (or renamed over it, where it is new or the file system cannot swap): a reader never sees
// half of it. The scratch file then holds what the file held, for the next page to be written
// over: once a site exists no file is freed or made, which on a file system that trims what it
// frees (mounted with "discard") would wait on the disk for every page. Not flushed on its own
// (flushFolder does that once for a publication). A file that already holds the bytes is left
// alone, so its time stays and a copy to the web server skips it; a link in its place is
// refused. The message names the file.
bool writePage(const SiteFolder& in, const QString& name, const QString& scratch,
               const QByteArray& bytes, std::atomic<bool>* written, QString* error)
{
    const QString path = in.file(name), scratchPath = in.file(scratch);
    const Holds was = holds(in, name, bytes);
    if (was == Holds::Same)
        return true;
    if (was == Holds::Link)
        return io::fail(error, io::linkText(path));
    *written = true;
    const int fd = scratchFile(in, scratch, error);
    bool ok = fd >= 0 && io::writeAt(fd, scratchPath, bytes.constData(), bytes.size(), 0, error)
              && io::truncateFile(fd, scratchPath, bytes.size(), error);
    io::closeFile(fd);
    const QByteArray from = native(scratch), to = native(name);
    // A folder where the page goes is not swapped into the scratch file's place: the rename
    // over it fails, naming the page.
    if (ok
        && (was == Holds::NoFile
            || ::renameat2(in.fd(), from.constData(), in.fd(), to.constData(), RENAME_EXCHANGE)
                   != 0)
        && ::renameat(in.fd(), from.constData(), in.fd(), to.constData()) != 0) {
        ok = false;
        if (error)
            *error = io::errorText(QCoreApplication::translate("Io", "replace"), path, errno);
    }
    if (!ok) {
        ::unlinkat(in.fd(), from.constData(), 0);
        if (error)
            error->replace(scratchPath, path);
    }
    return ok;
}

// Makes the names of a folder's files lasting. A page's bytes reach the disk as the system
// writes them back; one a crash cost is made again by the next publication, which compares
// every page with what it would write.
void flushFolder(const SiteFolder& folder)
{
    ::fsync(folder.fd());
}

// Removes a file this program wrote; absent: nothing to do. Only a plain file is removed: a
// link of that name is someone else's and stays (never followed), a folder stops the
// publication.
bool removeFile(const SiteFolder& in, const QString& name, std::atomic<bool>* written,
                QString* error)
{
    const QByteArray n = native(name);
    struct stat st {};
    if (::fstatat(in.fd(), n.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT
               || SiteFolder::failed(QCoreApplication::translate("Io", "remove"), in.file(name),
                                     errno, error);
    if (S_ISLNK(st.st_mode))
        return true;
    if (::unlinkat(in.fd(), n.constData(), 0) == 0)
        return *written = true;
    return SiteFolder::failed(QCoreApplication::translate("Io", "remove"), in.file(name), errno,
                              error);
}

// The site's memory; an absent one is a site where nothing was published yet. One that
// cannot be read stops the publication, so that no recorded correction is ever lost.
bool readMemory(const SiteFolder& site, SiteMemory* memory, QString* error)
{
    const QString path = site.file(kMemory);
    const QString kept =
        QCoreApplication::translate("Publish", " It was left as it is, and nothing was published.");
    QString reason;
    QByteArray bytes;
    const int fd =
        ::openat(site.fd(), native(kMemory).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return true;
    struct stat st {};
    const int e = fd < 0 ? errno : ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (e == ELOOP)
        reason = io::linkText(path);
    else if (e != 0)
        reason = io::errorText(e == EISDIR ? QCoreApplication::translate("Io", "read")
                                           : QCoreApplication::translate("Io", "open"),
                               path, e);
    const bool read = e == 0 && io::allocate(&bytes, io::fileLength(fd), path, &reason)
                      && io::readAt(fd, path, bytes.data(), bytes.size(), 0, &reason);
    io::closeFile(fd);
    if (!read) {
        if (error)
            *error = reason
                     + QCoreApplication::translate("Publish",
                                                   " It is the site's memory of what it published.")
                     + kept;
        return false;
    }
    int line = 0;
    if (parseMemory(bytes, memory, &line))
        return true;
    if (error)
        *error = QCoreApplication::translate(
                     "Publish", "\"%1\", the site's memory of what it published, is not as this "
                                "program writes it (line %2).%3 Put back a copy of it, or move "
                                "it away to start the memory afresh (and lose the corrections "
                                "it recorded).")
                     .arg(path, QString::number(line), kept);
    return false;
}

// The site's advisory lock (as the league's): one publication at a time, whoever makes it. A
// publication under way is waited for up to `wait` milliseconds.
bool lockSite(const SiteFolder& site, int wait, QString* error)
{
    QElapsedTimer waited;
    waited.start();
    while (::flock(site.fd(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return SiteFolder::failed(QCoreApplication::translate("Io", "lock the folder"),
                                      site.path(), errno, error);
        if (waited.elapsed() >= wait)
            return io::fail(error, QCoreApplication::translate(
                                       "Publish", "Another publication into \"%1\" is under way: "
                                                  "nothing was written. Publish again when it "
                                                  "has ended.")
                                       .arg(site.path()));
        ::usleep(20000);
    }
    return true;
}

// The scratch files of this run: named by its process, so that no two runs ever share one.
QString scratchName(const QString& file)
{
    return QStringLiteral("%1.%2.part").arg(file).arg(::getpid());
}
// A scratch file of the site's own files, this run's or one an interrupted run left.
bool isScratchName(const QString& name)
{
    static const QRegularExpression scratch(
        QStringLiteral("^(index\\.html|seasons\\.html|standings\\.csv|components\\.csv|"
                       "published\\.txt)\\.([0-9]+\\.)?part$"));
    return scratch.match(name).hasMatch();
}

// Writes a page for every owner. Each thread makes a page and writes it; there are a few for
// each core, because replacing a file may wait on the disk (on a file system mounted with
// "discard", the old file's blocks are trimmed as the rename frees them) and the others make
// pages meanwhile.
bool writeOwnerPages(const Season& season, const PublishOptions& options, const SiteLinks& links,
                     const SiteFolder& owners, std::atomic<bool>* written, QString* error)
{
    const Standings standings(season);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex first;
    const auto work = [&](std::size_t thread) {
        const QString scratch = QStringLiteral("scratch-%1-%2.part").arg(::getpid()).arg(thread);
        QString e;
        for (std::size_t o; !failed && (o = next++) < season.owners.size();)
            if (!writePage(owners, QFileInfo(links.owners[o]).fileName(), scratch,
                           ownerPage(season, standings, o, options, links), written, &e)) {
                const std::lock_guard lock(first);
                if (!failed.exchange(true) && error)
                    *error = e;
            }
        ::unlinkat(owners.fd(), native(scratch).constData(), 0);
    };
    std::vector<std::future<void>> workers;
    // A thread for 50 pages at least: a small league's few pages take less than a thread.
    const std::size_t threads = std::min<std::size_t>(
        4 * std::max(1u, std::thread::hardware_concurrency()), (season.owners.size() + 49) / 50);
    for (std::size_t t = 1; t < threads; ++t)
        workers.push_back(std::async(std::launch::async, work, t));
    work(0);
    for (auto& w : workers)
        w.get();
    return !failed;
}

// Removes the pages of owners no longer in the league, and scratch files a run that stopped
// left: only files named as this program names them.
bool removeOldPages(const SiteFolder& owners, const SiteLinks& links, std::atomic<bool>* written,
                    QString* error)
{
    QSet<QString> current;
    for (const QString& address : links.owners)
        current.insert(QFileInfo(address).fileName());
    for (const QString& name : owners.files([&current](const QString& name) {
             return isOwnerPageName(name) && !current.contains(name);
         }))
        if (!removeFile(owners, name, written, error))
            return false;
    return true;
}

} // namespace

bool publishSeason(const League& league, const QString& out, const PublishOptions& options,
                   QString* error)
{
    const auto fail = [error](const QString& text) { return io::fail(error, text); };
    Season season;
    if (!readSeason(league, &season, error))
        return false;
    std::vector<EarlierSeason> earlier;
    for (const QString& folder : options.history) {
        EarlierSeason& e = earlier.emplace_back();
        const auto before = League::open(DataDir(QDir::cleanPath(QDir(folder).absolutePath())),
                                         League::Mode::Read, error); // only read
        if (!before || !readSeason(*before, &e.season, error))
            return false;
        e.name = shownText(before->name());
    }
    const QFileInfo folder(out);
    if (folder.exists() && !folder.isDir())
        return fail(QCoreApplication::translate("Publish", "\"%1\" is not a folder.").arg(out));
    if (const QString refused = siteRefusal(out, league, options.history); !refused.isEmpty())
        return fail(refused);
    SiteFolder site, owners;
    if (!site.open(out, error))
        return false;
    // Where the site really is, now that it is open: a link on the way cannot have moved it
    // into a folder it may not be.
    if (const QString refused =
            siteRefusal(QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(site.fd())),
                        league, options.history);
        !refused.isEmpty())
        return fail(refused);
    if (!lockSite(site, options.wait, error))
        return false;
    SiteMemory memory;
    if (!readMemory(site, &memory, error))
        return false;
    memory = nextMemory(memory, season);
    const SiteLinks links{ownerAddresses(season), !earlier.empty()};

    // The owners' pages are made and written while the other files are made, on another
    // thread; the index is written after them, so that it never links to a missing page.
    auto made = std::async(std::launch::async, [&] {
        return std::array<QByteArray, 4>{earlier.empty() ? QByteArray()
                                                         : seasonsPage(season, earlier, options),
                                         standingsCsv(season), componentsCsv(season),
                                         seasonPage(season, options, links, memory)};
    });
    std::atomic<bool> written{false};
    if (!owners.open(site, QStringLiteral("owners"), error)
        || !writeOwnerPages(season, options, links, owners, &written, error))
        return false;
    const std::array<QByteArray, 4> files = made.get();
    const char* names[] = {"seasons.html", "standings.csv", "components.csv", "index.html"};
    for (std::size_t k = 0; k < files.size(); ++k) {
        const QString name = QString::fromLatin1(names[k]), scratch = scratchName(name);
        // No earlier season: no seasons page, also none left from an earlier publication.
        if (k == 0 && earlier.empty() ? !removeFile(site, name, &written, error)
                                      : !writePage(site, name, scratch, files[k], &written, error))
            return false;
        ::unlinkat(site.fd(), native(scratch).constData(), 0);
    }
    if (!removeOldPages(owners, links, &written, error))
        return false;
    // Scratch files an interrupted run left (none is under way: the site is locked).
    for (const QString& name : site.files(isScratchName))
        ::unlinkat(site.fd(), native(name).constData(), 0);
    if (written) {
        flushFolder(owners);
        flushFolder(site);
    }
    // Last, and flushed on its own: the corrections it records are never lost, and a
    // publication that stopped before it is done again in full by the next.
    const QByteArray remembered = memoryText(memory);
    return holds(site, kMemory, remembered) == Holds::Same
           || io::replaceFileIn(site.fd(), site.path(), kMemory, scratchName(kMemory), remembered,
                                error);
}

} // namespace velmora
