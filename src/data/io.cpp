#include "data/io.h"

#include "data/data_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <vector>

namespace velmora::io {
namespace {

FaultHook& hook()
{
    static FaultHook h;
    return h;
}

int injected(Op op, const QString& path)
{
    return hook() ? hook()(op, path) : 0;
}

// The end of a failed system call: the action, the file and the system's reason.
bool failed(QString* error, const QString& action, const QString& path, int code)
{
    return fail(error, errorText(action, path, code));
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

} // namespace

void setFaultHook(FaultHook h)
{
    hook() = std::move(h);
}

QString errorText(const QString& action, const QString& path, int error)
{
    return QStringLiteral("Could not %1 \"%2\": %3.")
        .arg(action, path, QString::fromLocal8Bit(std::strerror(error)));
}

namespace {

// The system calls themselves: 0 or the errno of the failure.
int openCode(const QString& path, int flags, int* fd)
{
    *fd = -1;
    if (const int e = injected(Op::Open, path))
        return e;
    do
        *fd = ::open(native(path).constData(), flags | O_CLOEXEC, 0644);
    while (*fd < 0 && errno == EINTR);
    return *fd < 0 ? errno : 0;
}

int writeCode(int fd, const QString& path, const char* data, qint64 length, qint64 offset)
{
    if (const int e = injected(Op::Write, path))
        return e;
    while (length > 0) {
        const ssize_t n = ::pwrite(fd, data, static_cast<size_t>(length), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        data += n;
        offset += n;
        length -= n;
    }
    return 0;
}

int truncateCode(int fd, const QString& path, qint64 length)
{
    if (const int e = injected(Op::Truncate, path))
        return e;
    return ::ftruncate(fd, length) != 0 ? errno : 0;
}

int syncCode(int fd, const QString& path)
{
    if (const int e = injected(Op::Sync, path))
        return e;
    return ::fdatasync(fd) != 0 ? errno : 0;
}

} // namespace

int openFile(const QString& path, int flags, QString* error)
{
    int fd;
    if (const int e = openCode(path, flags, &fd))
        failed(error, QStringLiteral("open"), path, e);
    return fd;
}

namespace {

bool inGroups(gid_t gid)
{
    if (gid == ::getegid())
        return true;
    const int n = ::getgroups(0, nullptr);
    if (n <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    const int got = ::getgroups(n, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<std::size_t>(i)] == gid)
            return true;
    return false;
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

bool readOnlyFolder(const QString& folder)
{
    const QByteArray name = native(folder);
    struct statvfs fs {};
    if (::statvfs(name.constData(), &fs) == 0 && (fs.f_flag & ST_RDONLY))
        return true;
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    // The one class of the three that applies, as the kernel picks it for anyone but root.
    const mode_t mode = st.st_mode;
    const mode_t bits = st.st_uid == ::geteuid() ? (mode >> 6) & 7
                        : inGroups(st.st_gid)    ? (mode >> 3) & 7
                                                 : mode & 7;
    // Making, replacing and removing a file take both writing and searching the folder.
    return (bits & 3) != 3;
}

QString readOnlyText(const QString& folder)
{
    return QStringLiteral("The data folder \"%1\" cannot be written, so its league is open "
                          "for viewing only: nothing was stored.")
        .arg(folder);
}

bool readAt(int fd, const QString& path, char* out, qint64 length, qint64 offset, QString* error)
{
    if (const int e = injected(Op::Read, path))
        return failed(error, QStringLiteral("read"), path, e);
    while (length > 0) {
        const ssize_t n = ::pread(fd, out, static_cast<size_t>(length), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(error, QStringLiteral("read"), path, errno);
        if (n == 0) { // the file is shorter than it was a moment ago
            std::memset(out, 0, static_cast<size_t>(length));
            return true;
        }
        out += n;
        offset += n;
        length -= n;
    }
    return true;
}

bool writeAt(int fd, const QString& path, const char* data, qint64 length, qint64 offset,
             QString* error)
{
    if (const int e = writeCode(fd, path, data, length, offset))
        return failed(error, QStringLiteral("write"), path, e);
    return true;
}

bool truncateFile(int fd, const QString& path, qint64 length, QString* error)
{
    if (const int e = truncateCode(fd, path, length))
        return failed(error, QStringLiteral("truncate"), path, e);
    return true;
}

bool syncFile(int fd, const QString& path, QString* error)
{
    if (const int e = syncCode(fd, path))
        return failed(error, QStringLiteral("write"), path, e);
    return true;
}

qint64 fileLength(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return 0;
    return st.st_size;
}

void closeFile(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

namespace {

// The permission bits of the file at path, or -1 when there is no such file.
int permissions(const QString& path)
{
    struct stat st {};
    return ::stat(native(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Writes contents to the open file from its start, cutting off what was there, and flushes.
int overwrite(int fd, const QString& path, const QByteArray& contents)
{
    int e = truncateCode(fd, path, 0);
    if (e == 0)
        e = writeCode(fd, path, contents.constData(), contents.size(), 0);
    if (e == 0)
        e = syncCode(fd, path);
    return e;
}

// replaceFile's work, its message naming `shown`; *scratchRefused tells that the scratch
// file could not be made for want of permission, before anything was written.
bool replace(const QString& path, const QString& scratchPath, const QByteArray& contents,
             const QString& shown, QString* error, bool* scratchRefused)
{
    int fd;
    int e = openCode(scratchPath, O_RDWR | O_CREAT, &fd);
    *scratchRefused = e == EACCES || e == EPERM;
    if (e == 0) {
        // The new file keeps the permissions of the one it replaces.
        if (const int mode = permissions(path); mode >= 0)
            ::fchmod(fd, mode_t(mode));
        // A scratch file left by an interrupted run is emptied first.
        e = overwrite(fd, scratchPath, contents);
        closeFile(fd);
        if (e != 0)
            ::unlink(native(scratchPath).constData());
    }
    // The organiser knows the file being replaced, not its scratch file: the message
    // names the file.
    if (e != 0)
        return failed(error, QStringLiteral("write"), shown, e);
    if (const int e = injected(Op::Rename, path)) {
        ::unlink(native(scratchPath).constData());
        return failed(error, QStringLiteral("replace"), shown, e);
    }
    if (::rename(native(scratchPath).constData(), native(path).constData()) != 0) {
        const int e = errno;
        ::unlink(native(scratchPath).constData());
        return failed(error, QStringLiteral("replace"), shown, e);
    }
    // The rename itself is made durable by flushing the folder that holds both names.
    const QString folder = QFileInfo(path).absolutePath();
    if (injected(Op::SyncDir, folder) == 0) {
        const int dir = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    return true;
}

} // namespace

bool replaceFile(const QString& path, const QString& scratchPath, const QByteArray& contents,
                 QString* error)
{
    // The rename would replace a file its owner made read-only: it is refused as a write
    // into it would be.
    int fd;
    if (const int e = openCode(path, O_WRONLY, &fd); e != 0 && e != ENOENT)
        return failed(error, QStringLiteral("write"), path, e);
    closeFile(fd);
    bool scratchRefused;
    return replace(path, scratchPath, contents, path, error, &scratchRefused);
}

bool writeDocument(const QString& path, const QByteArray& contents, QString* error)
{
    // A symbolic link stays a link: the file it names is the one written.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink())
        target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
    // A league folder that cannot be written stays as it is, also for a document named in it.
    if (const QString folder = folderOf(target);
        readOnlyFolder(folder) && DataDir(folder).holdsLeague()) {
        if (error)
            *error = readOnlyText(folder);
        return false;
    }

    // The scratch file sits beside the file, so that the rename stays on one file system;
    // a name that is already taken is left alone.
    QString scratch = target + QStringLiteral(".part");
    for (int i = 1; QFileInfo::exists(scratch); ++i)
        scratch = target + QStringLiteral(".part%1").arg(i);
    bool scratchRefused;
    const bool replaced = replace(target, scratch, contents, path, error, &scratchRefused);
    if (replaced || !scratchRefused)
        return replaced;
    // A folder where only the file itself may be written: it is written in place.
    int fd;
    int e = openCode(target, O_WRONLY | O_CREAT, &fd);
    if (e == 0) {
        e = overwrite(fd, target, contents);
        closeFile(fd);
    }
    return e == 0 || failed(error, QStringLiteral("write"), path, e);
}

bool readWholeFile(const QString& path, QByteArray* contents, QString* error)
{
    contents->clear();
    int fd;
    if (const int e = openCode(path, O_RDONLY, &fd))
        return e == ENOENT || failed(error, QStringLiteral("open"), path, e);
    // A folder opens for reading, and some file systems give it no length.
    struct stat st {};
    const int e = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    const qint64 length = st.st_size;
    // Sized exactly: resize() would round a large file up to the next power of two.
    const bool ok = (e == 0 || failed(error, QStringLiteral("read"), path, e))
                    && allocate(contents, length, path, error)
                    && readAt(fd, path, contents->data(), length, 0, error);
    closeFile(fd);
    return ok;
}

void removeFile(const QString& path)
{
    ::unlink(native(path).constData());
}

bool allocate(QByteArray* bytes, qint64 length, const QString& path, QString* error)
{
    try {
        *bytes = QByteArray(length, Qt::Uninitialized);
        return true;
    } catch (const std::bad_alloc&) {
        return failed(error, QStringLiteral("read"), path, ENOMEM);
    }
}

bool makeFolder(const QString& path, QString* error)
{
    const int e = injected(Op::Open, path);
    if (e != 0 || ::mkdir(native(path).constData(), 0777) != 0)
        return failed(error, QStringLiteral("make the folder"), path, e ? e : errno);
    return true;
}

bool syncFolder(const QString& path, QString* error)
{
    int e = injected(Op::SyncDir, path);
    if (e == 0) {
        const int dir = ::open(native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        e = dir < 0 || ::fsync(dir) != 0 ? errno : 0;
        if (dir >= 0)
            ::close(dir);
    }
    return e == 0 || failed(error, QStringLiteral("flush the folder"), path, e);
}

bool renameFolder(const QString& from, const QString& to, QString* error)
{
    const int e = injected(Op::Rename, to);
    if (e != 0 || ::rename(native(from).constData(), native(to).constData()) != 0)
        return failed(error, QStringLiteral("make the folder"), to, e ? e : errno);
    // The folder is in place; a flush of its parent that fails changes nothing of that.
    syncFolder(QFileInfo(to).absolutePath(), nullptr);
    return true;
}

void removeFolder(const QString& path)
{
    for (const QString& name : QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::System))
        removeFile(path + u'/' + name);
    ::rmdir(native(path).constData());
}

} // namespace velmora::io
