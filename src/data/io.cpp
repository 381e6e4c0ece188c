#include "data/io.h"

#include "data/data_dir.h"

#include <QCoreApplication>
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

struct Io {
    Q_DECLARE_TR_FUNCTIONS(Io)
};

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

int fault(Op op, const QString& path)
{
    return injected(op, path);
}

QString errorText(const QString& action, const QString& path, int error)
{
    return Io::tr("Could not %1 \"%2\": %3.")
        .arg(action, path, QString::fromLocal8Bit(std::strerror(error)));
}

namespace {

// The system calls themselves: 0 or the errno of the failure. A file opened to be written
// or made is never reached through a symbolic link: a league or site from someone else may
// hold one naming any file of the user's.
int openCode(const QString& path, int flags, int* fd, mode_t mode = 0644)
{
    *fd = -1;
    if (const int e = injected(Op::Open, path))
        return e;
    if ((flags & O_ACCMODE) != O_RDONLY || (flags & O_CREAT))
        flags |= O_NOFOLLOW;
    do
        *fd = ::open(native(path).constData(), flags | O_CLOEXEC, mode);
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
        e == ELOOP&& isLink(path) ? fail(error, linkText(path))
                                  : failed(error, Io::tr("open"), path, e);
    return fd;
}

bool isLink(const QString& path)
{
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

QString linkText(const QString& path)
{
    return Io::tr("\"%1\" is a symbolic link: nothing is written through it or in its "
                  "place. Put the file itself there, or remove the link.")
        .arg(path);
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
    return Io::tr("The data folder \"%1\" cannot be written, so its league is open "
                  "for viewing only: nothing was stored.")
        .arg(folder);
}

bool readAt(int fd, const QString& path, char* out, qint64 length, qint64 offset, QString* error)
{
    if (const int e = injected(Op::Read, path))
        return failed(error, Io::tr("read"), path, e);
    while (length > 0) {
        const ssize_t n = ::pread(fd, out, static_cast<size_t>(length), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(error, Io::tr("read"), path, errno);
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
        return failed(error, Io::tr("write"), path, e);
    return true;
}

bool truncateFile(int fd, const QString& path, qint64 length, QString* error)
{
    if (const int e = truncateCode(fd, path, length))
        return failed(error, Io::tr("truncate"), path, e);
    return true;
}

bool syncFile(int fd, const QString& path, QString* error)
{
    if (const int e = syncCode(fd, path))
        return failed(error, Io::tr("write"), path, e);
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

// A file reached through a folder held open (dir), by its name there, or by its path
// (dir AT_FDCWD, name the path): what replace() works on.
struct In {
    int dir;
    QString folder; // the folder's path, for messages and the fault hook
    QString path(const QString& name) const
    {
        return dir == AT_FDCWD ? name : folder + u'/' + name;
    }
};

int permissionsIn(const In& in, const QString& name)
{
    struct stat st {};
    return ::fstatat(in.dir, native(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0
               ? int(st.st_mode & 07777)
               : -1;
}

// replaceFile's work, its message naming `shown`; *scratchRefused tells that the scratch
// file could not be made for want of permission, before anything was written.
bool replace(const In& in, const QString& name, const QString& scratch, const QByteArray& contents,
             const QString& shown, QString* error, bool* scratchRefused)
{
    const QByteArray from = native(scratch), to = native(name);
    const QString scratchPath = in.path(scratch);
    // A scratch file left by an interrupted run is removed (a link there too, never what it
    // names), and a new one made that no one else can have opened. The new file keeps the
    // permissions of the one it replaces, set on the file itself.
    const int mode = permissionsIn(in, name);
    int e = ::unlinkat(in.dir, from.constData(), 0) == 0 || errno == ENOENT ? 0 : errno;
    int fd = -1;
    if (e == 0 && (e = injected(Op::Open, scratchPath)) == 0) {
        fd = ::openat(in.dir, from.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      mode >= 0 ? 0600 : 0644);
        e = fd < 0 ? errno : 0;
    }
    *scratchRefused = e == EACCES || e == EPERM;
    if (e == 0) {
        if (mode >= 0)
            ::fchmod(fd, mode_t(mode));
        e = overwrite(fd, scratchPath, contents);
        closeFile(fd);
        if (e != 0)
            ::unlinkat(in.dir, from.constData(), 0);
    }
    // The organiser knows the file being replaced, not its scratch file: the message
    // names the file.
    if (e != 0)
        return failed(error, Io::tr("write"), shown, e);
    e = injected(Op::Rename, in.path(name));
    if (e != 0 || ::renameat(in.dir, from.constData(), in.dir, to.constData()) != 0) {
        e = e ? e : errno;
        ::unlinkat(in.dir, from.constData(), 0);
        return failed(error, Io::tr("replace"), shown, e);
    }
    // The rename itself is made durable by flushing the folder that holds both names.
    const QString folder = in.dir == AT_FDCWD ? QFileInfo(name).absolutePath() : in.folder;
    if (injected(Op::SyncDir, folder) == 0) {
        if (in.dir != AT_FDCWD)
            ::fsync(in.dir);
        else if (const int dir =
                     ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
                 dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    return true;
}

bool replaceIn(const In& in, const QString& name, const QString& scratch,
               const QByteArray& contents, QString* error)
{
    // The rename would replace a file its owner made read-only: it is refused as a write
    // into it would be. A link is refused too: replacing it would change what its owner made.
    const QString path = in.path(name);
    int fd = -1;
    int e = injected(Op::Open, path);
    if (e == 0) {
        fd = ::openat(in.dir, native(name).constData(),
                      O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        e = fd < 0 ? errno : 0;
    }
    closeFile(fd);
    if (e != 0 && e != ENOENT)
        return e == ELOOP ? fail(error, linkText(path)) : failed(error, Io::tr("write"), path, e);
    bool scratchRefused;
    return replace(in, name, scratch, contents, path, error, &scratchRefused);
}

} // namespace

bool replaceFile(const QString& path, const QString& scratchPath, const QByteArray& contents,
                 QString* error)
{
    return replaceIn({AT_FDCWD, {}}, path, scratchPath, contents, error);
}

bool replaceFileIn(int folder, const QString& folderPath, const QString& name,
                   const QString& scratch, const QByteArray& contents, QString* error)
{
    return replaceIn({folder, folderPath}, name, scratch, contents, error);
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
    const bool replaced =
        replace({AT_FDCWD, {}}, target, scratch, contents, path, error, &scratchRefused);
    if (replaced || !scratchRefused)
        return replaced;
    // A folder where only the file itself may be written: it is written in place.
    int fd;
    int e = openCode(target, O_WRONLY | O_CREAT, &fd);
    if (e == 0) {
        e = overwrite(fd, target, contents);
        closeFile(fd);
    }
    return e == 0 || failed(error, Io::tr("write"), path, e);
}

bool readWholeFile(const QString& path, QByteArray* contents, QString* error)
{
    contents->clear();
    int fd;
    if (const int e = openCode(path, O_RDONLY, &fd))
        return e == ENOENT || failed(error, Io::tr("open"), path, e);
    // A folder opens for reading, and some file systems give it no length.
    struct stat st {};
    const int e = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    const qint64 length = st.st_size;
    // Sized exactly: resize() would round a large file up to the next power of two.
    const bool ok = (e == 0 || failed(error, Io::tr("read"), path, e))
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
        return failed(error, Io::tr("read"), path, ENOMEM);
    }
}

bool makeFolder(const QString& path, QString* error)
{
    const int e = injected(Op::Open, path);
    if (e != 0 || ::mkdir(native(path).constData(), 0777) != 0)
        return failed(error, Io::tr("make the folder"), path, e ? e : errno);
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
    return e == 0 || failed(error, Io::tr("flush the folder"), path, e);
}

bool renameFolder(const QString& from, const QString& to, QString* error)
{
    const int e = injected(Op::Rename, to);
    if (e != 0 || ::rename(native(from).constData(), native(to).constData()) != 0)
        return failed(error, Io::tr("make the folder"), to, e ? e : errno);
    // The folder is in place; a flush of its parent that fails changes nothing of that.
    syncFolder(QFileInfo(to).absolutePath(), nullptr);
    return true;
}

void removeFolder(const QString& path)
{
    // A link in the folder's place is removed itself; the folder it names is someone else's.
    const int dir =
        ::open(native(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) {
        if (isLink(path))
            removeFile(path);
        return;
    }
    for (const QString& name : QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::System))
        ::unlinkat(dir, native(name).constData(), 0);
    ::close(dir);
    ::rmdir(native(path).constData());
}

} // namespace velmora::io
