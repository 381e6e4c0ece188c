#include "data/record_file.h"

#include "data/io.h"

#include <QFileInfo>

#include <algorithm>

#include <fcntl.h>

namespace velmora {

bool RecordFile::open(const QString& path, int recordLength, QString* error)
{
    close();
    path_ = path;
    length_ = std::max(recordLength, 1);
    return io::openDataFile(path, &fd_, &writable_, error);
}

void RecordFile::close()
{
    io::closeFile(fd_);
    fd_ = -1;
    writable_ = true;
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
    if (!writable_) {
        // Storing what the record holds already changes nothing: a read-only league can be
        // stepped through in the editors without a message at every step.
        QByteArray stored;
        if (n <= count() && read(n, &stored, nullptr) && stored == bytes)
            return true;
        if (error)
            *error = io::readOnlyText(QFileInfo(path_).absolutePath());
        return false;
    }
    if (fd_ < 0) {
        if (error)
            *error = QStringLiteral("\"%1\" is not open.").arg(path_);
        return false;
    }
    if (n < 1 || n > count() + 1 || bytes.size() != length_) {
        if (error)
            *error = QStringLiteral("Record %1 lies outside \"%2\".").arg(n).arg(path_);
        return false;
    }
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

bool rewriteFile(const QString& path, const QString& scratchPath, const QByteArray& contents,
                 QString* error)
{
    return io::replaceFile(path, scratchPath, contents, error);
}

bool deleteRecord(const QString& path, const QString& scratchPath, int recordLength, qint64 k,
                  QString* error)
{
    QByteArray bytes;
    if (!io::readWholeFile(path, &bytes, error))
        return false;
    const qint64 count = bytes.size() / recordLength;
    if (k < 1 || k > count)
        return true;
    bytes.truncate(count * recordLength); // a partial record at the end goes too
    bytes.remove((k - 1) * recordLength, recordLength);
    return io::replaceFile(path, scratchPath, bytes, error);
}

} // namespace velmora
