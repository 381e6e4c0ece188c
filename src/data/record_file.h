#pragma once

#include "data/io.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <new>
#include <vector>

namespace velmora {

// A file of fixed-length records, numbered from 1, with no header. Opening creates an
// absent file. Only whole records count: a partial record at the end (never written by
// this program) is not counted and not read.
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
    // The file's length divided by the record length, partial record included.
    double realCount() const;

    // Record n into *bytes, left empty for a number outside 1..count(); false, with the file
    // and the system's reason in *error, when the file cannot be read, so that a window never
    // shows, and later saves, an empty record in place of an unread one.
    bool read(qint64 n, QByteArray* bytes, QString* error) const;
    // Every whole record.
    bool readAll(QByteArray* bytes, QString* error) const;
    // Stores record n (1 <= n <= count()+1; count()+1 appends) and flushes it to disk. A
    // number past that is refused, so a file never gets a gap of undefined records.
    bool write(qint64 n, const QByteArray& bytes, QString* error);
    template <class Record> bool write(qint64 n, const Record& record, QString* error)
    {
        return write(n, record.encode(), error);
    }

private:
    qint64 byteLength() const;

    int fd_ = -1;
    int length_ = 1;
    QString path_;
};

// The records of whole-record bytes, decoded; false, with the file and the reason in
// *error, when there is not the memory for them.
template <class Record>
bool decodeRecords(const QByteArray& bytes, const QString& path, std::vector<Record>* records,
                   QString* error)
{
    try {
        records->clear();
        records->reserve(std::size_t(bytes.size() / Record::Length));
        for (qsizetype at = 0; at + Record::Length <= bytes.size(); at += Record::Length)
            records->push_back(Record::decode(bytes.constData() + at));
        return true;
    } catch (const std::bad_alloc&) {
        *records = {};
        if (error)
            *error = io::errorText(QStringLiteral("read"), path, ENOMEM);
        return false;
    }
}

// Opens the file at path (creating it when absent), reads every whole record and closes
// it; false, with the file and the reason in *error, when it cannot be opened or read.
bool readRecordBytes(const QString& path, int recordLength, QByteArray* bytes, QString* error);
template <class Record>
bool readRecords(const QString& path, std::vector<Record>* records, QString* error)
{
    QByteArray bytes;
    return readRecordBytes(path, Record::Length, &bytes, error)
           && decodeRecords(bytes, path, records, error);
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
