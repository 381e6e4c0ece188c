#pragma once

#include "data/io.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <new>
#include <vector>

namespace velmora {

// A file of fixed-length records, numbered from 1, with no header. Opening never makes a file:
// an absent one counts no records until the first store makes it. Only whole records count: a
// partial record at the end (never written by this program) is not counted and not read. A
// league's files are opened through its League, which also decides what may be stored.
class RecordFile {
public:
    RecordFile() = default;
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    ~RecordFile() { close(); }

    // For reading and writing, or (not writable) for reading only.
    bool open(const QString& path, int recordLength, bool writable, QString* error);
    void close();

    // Whole records in the file.
    qint64 count() const;

    // Record n into *bytes, left empty for a number outside 1..count(); false, with the file
    // and the system's reason in *error, when the file cannot be read, so that a window never
    // shows, and later saves, an empty record in place of an unread one.
    bool read(qint64 n, QByteArray* bytes, QString* error) const;
    // Stores record n (1 <= n <= count()+1; count()+1 appends) and flushes it to disk. A
    // number past that is refused, so a file never gets a gap of undefined records.
    bool write(qint64 n, const QByteArray& bytes, QString* error);

private:
    qint64 byteLength() const;

    int fd_ = -1;
    bool writable_ = false;
    int length_ = 1;
    QString path_;
};

// The whole records of a file's bytes, decoded into *records; false, with "Cannot allocate
// memory" for the file at path in *error, when there is not the memory for them.
template <class Record>
bool decodeRecords(const QByteArray& bytes, std::vector<Record>* records, const QString& path,
                   QString* error)
{
    const qsizetype count = bytes.size() / Record::Length;
    records->clear();
    try {
        records->reserve(std::size_t(count));
        for (qsizetype i = 0; i < count; ++i)
            records->push_back(Record::decode(bytes.constData() + i * Record::Length));
    } catch (const std::bad_alloc&) {
        *records = {};
        return io::fail(error,
                        io::errorText(QCoreApplication::translate("Io", "read"), path, ENOMEM));
    }
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

} // namespace velmora
