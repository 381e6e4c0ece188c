#include "data/record_file.h"

#include "data/io.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

#include <fcntl.h>

namespace velmora {

bool RecordFile::open(const QString& path, int recordLength, bool writable, QString* error)
{
    close();
    path_ = path;
    length_ = std::max(recordLength, 1);
    writable_ = writable;
    QString failed;
    fd_ = io::openFile(path, writable ? O_RDWR : O_RDONLY, &failed);
    // An absent file is made by its first store.
    return fd_ >= 0 || !QFileInfo::exists(path) || io::fail(error, failed);
}

void RecordFile::close()
{
    io::closeFile(fd_);
    fd_ = -1;
}

qint64 RecordFile::byteLength() const
{
    return fd_ >= 0 ? io::fileLength(fd_) : 0;
}

qint64 RecordFile::count() const
{
    return byteLength() / length_;
}

bool RecordFile::read(qint64 n, QByteArray* bytes, QString* error) const
{
    bytes->clear();
    if (fd_ < 0 || n < 1 || n > count())
        return true;
    QByteArray record(length_, '\0');
    if (!io::readAt(fd_, path_, record.data(), length_, (n - 1) * length_, error))
        return false;
    *bytes = std::move(record);
    return true;
}

bool RecordFile::write(qint64 n, const QByteArray& bytes, QString* error)
{
    if (n < 1 || n > count() + 1 || bytes.size() != length_)
        return io::fail(error,
                        QCoreApplication::translate("RecordFile", "Record %1 lies outside \"%2\".")
                            .arg(n)
                            .arg(path_));
    if (fd_ < 0 && (fd_ = io::openFile(path_, writable_ ? O_RDWR | O_CREAT : O_RDONLY, error)) < 0)
        return false;
    // Flushed at once: a window that goes on after a store has told the organiser the
    // record is kept, and a power cut a moment later must not take it back.
    const qint64 before = byteLength();
    if (io::writeAt(fd_, path_, bytes.constData(), length_, (n - 1) * length_, error)
        && io::syncFile(fd_, path_, error))
        return true;
    // A failed append is taken back whole: the organiser is told it was not stored, so
    // storing it again must not leave it twice (or a part of it) in the file.
    if (n > before / length_)
        io::truncateFile(fd_, path_, before, nullptr);
    return false;
}

} // namespace velmora
