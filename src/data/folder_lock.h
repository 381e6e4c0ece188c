#pragma once

#include <QString>

namespace velmora {

// An advisory lock held on the data folder itself (no lock file), so that a second copy
// of the program started on the same folder can tell and end before writing anything.
// Released when the object goes, or when the process ends however it ends.
class FolderLock {
public:
    FolderLock() = default;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // False when another copy holds the folder, or the folder cannot be opened; *error
    // then says which.
    bool acquire(const QString& folder, QString* error);

private:
    int fd_ = -1;
};

} // namespace velmora
