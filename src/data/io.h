#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace velmora::io {

// The data layer's system calls go through here, so that tests can make any one of them
// fail (or stop the process) at a chosen moment and prove that nothing on disk is lost.
enum class Op { Open, Read, Write, Truncate, Sync, Rename, SyncDir };

// Returns 0 to let the call run, or an errno value to fail it with.
using FaultHook = std::function<int(Op op, const QString& path)>;
void setFaultHook(FaultHook hook);
// The fault set for a call the data layer makes through the system itself (openat, renameat
// ...): 0, or the errno value to fail it with.
int fault(Op op, const QString& path);

// An error text that names the file and the system's reason.
QString errorText(const QString& action, const QString& path, int error);
// Puts text into *error (when given) and returns false: the end of every failing call.
inline bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Opens a file; one opened to be written or made is never reached through a symbolic link
// at its name (a link there is refused, naming it: see linkText).
int openFile(const QString& path, int flags, QString* error);
// The file at path is a symbolic link (whatever it names, or nothing).
bool isLink(const QString& path);
// The one message for a file this program would write that is a symbolic link, naming it.
QString linkText(const QString& path);

// A folder this program never writes in: its file system is mounted read-only, or its
// permission bits do not let this process's user create files there (the owner's bits when
// the user owns it, else the group's when one of the user's groups does, else the others').
// The bits decide, not access(2): root passes access() everywhere, and a league folder made
// read-only (a backup, a season closed for good) stays as it is for root too. An absent or
// unreadable folder does not count: opening a file in it names the real reason.
bool readOnlyFolder(const QString& folder);
// The one message for a store refused in such a folder, naming it.
QString readOnlyText(const QString& folder);

bool readAt(int fd, const QString& path, char* out, qint64 length, qint64 offset, QString* error);
bool writeAt(int fd, const QString& path, const char* data, qint64 length, qint64 offset,
             QString* error);
bool truncateFile(int fd, const QString& path, qint64 length, QString* error);
bool syncFile(int fd, const QString& path, QString* error);
qint64 fileLength(int fd);
void closeFile(int fd);

// Replaces the file at path with contents in one step: contents go to the scratch file (made
// new and exclusively, a leftover removed first; flushed to disk, given path's permissions),
// which is then renamed over path and the folder flushed. A failure at any point leaves path
// as it was. A file that may not be written (made read-only inside a writable folder) is
// refused, not renamed over, and so is a symbolic link.
bool replaceFile(const QString& path, const QString& scratchPath, const QByteArray& contents,
                 QString* error);

// The same for the file `name` of a folder held open (`folder`, at folderPath), reached
// through it: no link on the way is followed, and its scratch file is `scratch` there.
bool replaceFileIn(int folder, const QString& folderPath, const QString& name,
                   const QString& scratch, const QByteArray& contents, QString* error);

// Makes *bytes `length` bytes long, for reading the file at path into; false, with the
// file and "Cannot allocate memory" in *error, when there is not that much memory.
bool allocate(QByteArray* bytes, qint64 length, const QString& path, QString* error);

// Writes a document the user chose the name of (the score report) the same way, keeping the
// permissions of the file it replaces and, when path is a symbolic link the user chose,
// replacing the file the link names. Where the folder does not let a scratch file be made beside
// it, the file itself is truncated, written and flushed; but a read-only folder that holds a league
// is never written. The message names path.
bool writeDocument(const QString& path, const QByteArray& contents, QString* error);

// Reads a whole file; an absent one reads as empty and is not made. A folder in its place is
// refused ("Is a directory"), not read as an empty file.
bool readWholeFile(const QString& path, QByteArray* contents, QString* error);
// Removes the file at path (absent: nothing to do); used to take back a file a failed
// all-or-nothing change had made.
void removeFile(const QString& path);

// A folder made (Open, for the fault hook), flushed (SyncDir) and renamed into place
// (Rename): a new league folder is made whole under a scratch name and then given its own.
bool makeFolder(const QString& path, QString* error);
bool syncFolder(const QString& path, QString* error);
// Renames the folder `from` to `to` (which may be an empty folder) and flushes the folder
// that holds both.
bool renameFolder(const QString& from, const QString& to, QString* error);
// Removes a folder this program made, with the files in it (not folders within).
void removeFolder(const QString& path);

} // namespace velmora::io
