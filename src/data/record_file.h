#pragma once

#include "data/io.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <new>
#include <optional>
#include <vector>

namespace velmora {

// A file of fixed-length records, numbered from 1, with no header. Opening creates an
// absent file, but in a folder that cannot be written (io::readOnlyFolder), where the file
// is only read and an absent one reads as empty. Only whole records count: a partial record
// at the end (never written by this program) is not counted and not read.
class RecordFile {
public:
    RecordFile() = default;
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    ~RecordFile() { close(); }

    bool open(const QString& path, int recordLength, QString* error);
    void close();

    // Whole records in the file.
    qint64 count() const;

    // Record n into *bytes, left empty for a number outside 1..count(); false, with the file
    // and the system's reason in *error, when the file cannot be read, so that a window never
    // shows, and later saves, an empty record in place of an unread one.
    bool read(qint64 n, QByteArray* bytes, QString* error) const;
    // The same, decoded: no record for a number outside 1..count().
    template <class Record> bool read(qint64 n, std::optional<Record>* record, QString* error) const
    {
        QByteArray bytes;
        if (!read(n, &bytes, error))
            return false;
        *record = bytes.isEmpty() ? std::nullopt
                                  : std::optional<Record>(Record::decode(bytes.constData()));
        return true;
    }
    // Stores record n (1 <= n <= count()+1; count()+1 appends) and flushes it to disk. A
    // number past that is refused, so a file never gets a gap of undefined records. In a
    // read-only folder every store that would change the file is refused, saying so.
    bool write(qint64 n, const QByteArray& bytes, QString* error);

private:
    qint64 byteLength() const;

    int fd_ = -1;
    bool writable_ = true;
    int length_ = 1;
    QString path_;
};

// The file at path (created when absent) as records: every whole record decoded into
// *records, and (when asked) the file's bytes as read, whose bytes after the last whole
// record this program never writes but keeps when it rewrites the file (restOf). False, with
// the file and the system's reason in *error, when it cannot be opened or read, or there is
// not the memory for it.
template <class Record>
bool readRecords(const QString& path, std::vector<Record>* records, QString* error,
                 QByteArray* file = nullptr)
{
    QByteArray bytes;
    records->clear();
    if (!io::readWholeFile(path, &bytes, error))
        return false;
    const qsizetype count = bytes.size() / Record::Length;
    try {
        records->reserve(std::size_t(count));
        for (qsizetype i = 0; i < count; ++i)
            records->push_back(Record::decode(bytes.constData() + i * Record::Length));
    } catch (const std::bad_alloc&) {
        *records = {};
        if (error)
            *error = io::errorText(QStringLiteral("read"), path, ENOMEM);
        return false;
    }
    if (file)
        *file = std::move(bytes);
    return true;
}

// The bytes of a file after its last whole record.
template <class Record> QByteArray restOf(const QByteArray& file)
{
    return file.mid(file.size() / Record::Length * Record::Length);
}

// Records as the bytes of a file, one after the other.
template <class Record> QByteArray encodeRecords(const std::vector<Record>& records)
{
    QByteArray bytes(qsizetype(records.size()) * Record::Length, Qt::Uninitialized);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].encodeInto(bytes.data() + qsizetype(i) * Record::Length);
    return bytes;
}

// Deletes record k of the file at path by rewriting it without that record through the
// scratch file, which then replaces the file in one rename: a crash leaves either the old
// or the new file. k outside 1..count leaves the file unchanged (and succeeds).
bool deleteRecord(const QString& path, const QString& scratchPath, int recordLength, qint64 k,
                  QString* error);

// Replaces the whole file with the given bytes (a whole-file rewrite, as above).
bool rewriteFile(const QString& path, const QString& scratchPath, const QByteArray& contents,
                 QString* error);

} // namespace velmora
