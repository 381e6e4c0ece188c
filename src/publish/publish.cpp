#include "publish/publish.h"

#include "data/io.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <future>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

const QString kMemory = QStringLiteral("published.txt");

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// What the file at path holds: these bytes, other bytes, or it is no file (absent, or a folder).
enum class Holds { Same, Other, NoFile };
Holds holds(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
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

// Writes a file that can be made again through a scratch file, swapped with it in one step
// (or renamed over it, where it is new or the file system cannot swap): a reader never sees
// half of it. The scratch file then holds what the file held, for the next page to be written
// over: once a site exists no file is freed or made, which on a file system that trims what it
// frees (mounted with "discard") would wait on the disk for every page. Not flushed on its own
// (flushFolder does that once for a publication). A file that already holds the bytes is left
// alone, so its time stays and a copy to the web server skips it. The message names the file.
bool writePage(const QString& path, const QString& scratch, const QByteArray& bytes,
               std::atomic<bool>* written, QString* error)
{
    const Holds was = holds(path, bytes);
    if (was == Holds::Same)
        return true;
    *written = true;
    const int fd = io::openFile(scratch, O_WRONLY | O_CREAT, error);
    bool ok = fd >= 0 && io::writeAt(fd, scratch, bytes.constData(), bytes.size(), 0, error)
              && io::truncateFile(fd, scratch, bytes.size(), error);
    io::closeFile(fd);
    const QByteArray from = native(scratch), to = native(path);
    // A folder where the page goes is not swapped into the scratch file's place: the rename
    // over it fails, naming the page.
    if (ok
        && (was == Holds::NoFile
            || ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE)
                   != 0)
        && ::rename(from.constData(), to.constData()) != 0) {
        ok = false;
        if (error)
            *error = io::errorText(QStringLiteral("replace"), path, errno);
    }
    if (!ok) {
        ::unlink(from.constData());
        if (error)
            error->replace(scratch, path);
    }
    return ok;
}

// Makes the names of a folder's files lasting. A page's bytes reach the disk as the system
// writes them back; one a crash cost is made again by the next publication, which compares
// every page with what it would write.
void flushFolder(const QString& folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool removeFile(const QString& path, std::atomic<bool>* written, QString* error)
{
    if (::unlink(native(path).constData()) == 0)
        return *written = true;
    if (errno == ENOENT)
        return true;
    if (error)
        *error = io::errorText(QStringLiteral("remove"), path, errno);
    return false;
}

// The site's memory; an absent one is a site where nothing was published yet. One that
// cannot be read stops the publication, so that no recorded correction is ever lost.
bool readMemory(const QString& path, SiteMemory* memory, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    const QString kept = QStringLiteral(" It was left as it is, and nothing was published.");
    QString reason;
    QByteArray bytes;
    const int fd = info.isDir() ? -1 : io::openFile(path, O_RDONLY, &reason);
    if (info.isDir())
        reason = io::errorText(QStringLiteral("read"), path, EISDIR);
    const bool read = fd >= 0 && io::allocate(&bytes, io::fileLength(fd), path, &reason)
                      && io::readAt(fd, path, bytes.data(), bytes.size(), 0, &reason);
    io::closeFile(fd);
    if (!read) {
        if (error)
            *error =
                reason + QStringLiteral(" It is the site's memory of what it published.") + kept;
        return false;
    }
    int line = 0;
    if (parseMemory(bytes, memory, &line))
        return true;
    if (error)
        *error = QStringLiteral("\"%1\", the site's memory of what it published, is not as this "
                                "program writes it (line %2).%3 Put back a copy of it, or move "
                                "it away to start the memory afresh (and lose the corrections "
                                "it recorded).")
                     .arg(path, QString::number(line), kept);
    return false;
}

// Writes a page for every owner. Each thread makes a page and writes it; there are a few for
// each core, because replacing a file may wait on the disk (on a file system mounted with
// "discard", the old file's blocks are trimmed as the rename frees them) and the others make
// pages meanwhile.
bool writeOwnerPages(const Season& season, const PublishOptions& options, const SiteLinks& links,
                     const QDir& site, std::atomic<bool>* written, QString* error)
{
    const Standings standings(season);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex first;
    const auto work = [&](std::size_t thread) {
        const QString scratch = site.filePath(QStringLiteral("owners/scratch-%1.part").arg(thread));
        QString e;
        for (std::size_t o; !failed && (o = next++) < season.owners.size();)
            if (!writePage(site.filePath(links.owners[o]), scratch,
                           ownerPage(season, standings, o, options, links), written, &e)) {
                const std::lock_guard lock(first);
                if (!failed.exchange(true) && error)
                    *error = e;
            }
        ::unlink(native(scratch).constData());
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
bool removeOldPages(const QDir& owners, const SiteLinks& links, std::atomic<bool>* written,
                    QString* error)
{
    QSet<QString> current;
    for (const QString& address : links.owners)
        current.insert(QFileInfo(address).fileName());
    for (const QString& name :
         owners.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        if (isOwnerPageName(name) && !current.contains(name)
            && !removeFile(owners.filePath(name), written, error))
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
        League before; // only read
        if (!before.open(DataDir(QDir::cleanPath(QDir(folder).absolutePath())), League::Mode::Read,
                         error)
            || !readSeason(before, &e.season, error))
            return false;
        e.name = shownText(before.name());
    }
    const QFileInfo folder(out);
    if (folder.exists() && !folder.isDir())
        return fail(QStringLiteral("\"%1\" is not a folder.").arg(out));
    for (const QString& data : QStringList{league.dir().path()} + options.history)
        if (folder.exists() && folder.canonicalFilePath() == QFileInfo(data).canonicalFilePath())
            return fail(QStringLiteral("The site cannot go into the data folder \"%1\": nothing "
                                       "is written there. Choose another folder with --out.")
                            .arg(out));
    const QDir dir(out);
    SiteMemory memory;
    if (!readMemory(dir.filePath(kMemory), &memory, error))
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
    errno = 0;
    const QString owners = dir.filePath(QStringLiteral("owners"));
    if (!QDir().mkpath(owners))
        return fail(io::errorText(QStringLiteral("create the folder"),
                                  QFileInfo(out).isDir() ? owners : out, errno ? errno : EIO));
    std::atomic<bool> written{false};
    if (!writeOwnerPages(season, options, links, dir, &written, error))
        return false;
    const std::array<QByteArray, 4> files = made.get();
    const char* names[] = {"seasons.html", "standings.csv", "components.csv", "index.html"};
    for (std::size_t k = 0; k < files.size(); ++k) {
        const QString path = dir.filePath(QString::fromLatin1(names[k]));
        // No earlier season: no seasons page, also none left from an earlier publication.
        const QString scratch = path + QStringLiteral(".part");
        if (k == 0 && earlier.empty() ? !removeFile(path, &written, error)
                                      : !writePage(path, scratch, files[k], &written, error))
            return false;
        ::unlink(native(scratch).constData());
    }
    if (!removeOldPages(QDir(owners), links, &written, error))
        return false;
    if (written) {
        flushFolder(owners);
        flushFolder(out);
    }
    // Last, and flushed on its own: the corrections it records are never lost, and a
    // publication that stopped before it is done again in full by the next.
    const QString path = dir.filePath(kMemory);
    const QByteArray remembered = memoryText(memory);
    return holds(path, remembered) == Holds::Same
           || io::replaceFile(path, path + QStringLiteral(".part"), remembered, error);
}

} // namespace velmora
