#pragma once

#include <QByteArray>
#include <QString>

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
    RecordFile(RecordFile&& other) noexcept;
    RecordFile& operator=(RecordFile&& other) noexcept;
    ~RecordFile() { close(); }

    bool open(const QString& path, int recordLength, QString* error = nullptr);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    const QString& path() const { return path_; }
    int recordLength() const { return length_; }

    qint64 byteLength() const;
    // Whole records in the file.
    qint64 count() const;
    // The file's length divided by the record length, partial record included.
    double realCount() const;

    // Record n; a number outside 1..count() gives an empty record (blank names, zeros).
    template <class Record>
    Record read(qint64 n) const
    {
        const QByteArray bytes = readRaw(n);
        return bytes.isEmpty() ? Record{} : Record::decode(bytes.constData());
    }
    // Every whole record, read at once.
    template <class Record>
    std::vector<Record> readAll(QString* error = nullptr) const
    {
        std::vector<Record> records;
        const QByteArray bytes = readAllRaw(error);
        try {
            records.reserve(bytes.size() / length_);
            for (qsizetype at = 0; at + length_ <= bytes.size(); at += length_)
                records.push_back(Record::decode(bytes.constData() + at));
        } catch (const std::bad_alloc&) {
            records = {};
            outOfMemory(error);
        }
        return records;
    }
    // Stores record n (1 <= n <= count()+1; count()+1 appends) and flushes it to disk. A
    // number past that is refused, so a file never gets a gap of undefined records.
    template <class Record>
    bool write(qint64 n, const Record& record, QString* error = nullptr)
    {
        return writeRaw(n, record.encode(), error);
    }
    template <class Record>
    bool append(const Record& record, QString* error = nullptr)
    {
        return writeRaw(count() + 1, record.encode(), error);
    }

    QByteArray readRaw(qint64 n) const;
    // Record n into *bytes (left empty for a number outside 1..count()); false, with the
    // file and the system's reason in *error, when the file cannot be read, so that a
    // window never shows, and later saves, an empty record in place of an unread one.
    bool readRaw(qint64 n, QByteArray* bytes, QString* error) const;
    QByteArray readAllRaw(QString* error = nullptr) const;
    bool writeRaw(qint64 n, const QByteArray& bytes, QString* error = nullptr);

private:
    void outOfMemory(QString* error) const;

    int fd_ = -1;
    int length_ = 1;
    QString path_;
};

// Deletes record k of the file at path by rewriting it without that record through the
// scratch file, which then replaces the file in one rename: a crash leaves either the old
// or the new file. k outside 1..count leaves the file unchanged (and succeeds).
bool deleteRecord(const QString& path, const QString& scratchPath, int recordLength, qint64 k,
                  QString* error = nullptr);

// Replaces the whole file with the given records (a whole-file rewrite, as above).
bool rewriteFile(const QString& path, const QString& scratchPath, const QByteArray& contents,
                 QString* error = nullptr);

}  // namespace velmora
