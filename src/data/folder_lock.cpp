#include "data/folder_lock.h"

#include "data/io.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace velmora {

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing drops the lock
}

bool FolderLock::acquire(const QString& folder, QString* error)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = io::errorText(QStringLiteral("open the data folder"), folder, errno);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        if (error)
            *error = e == EWOULDBLOCK
                         ? QStringLiteral("Velmora is already running on the data folder "
                                          "\"%1\". Use the window that is open.")
                               .arg(folder)
                         : io::errorText(QStringLiteral("lock the data folder"), folder, e);
        return false;
    }
    fd_ = fd;
    return true;
}

} // namespace velmora
