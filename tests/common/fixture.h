#pragma once

#include "data/data_dir.h"
#include "data/record_file.h"
#include "data/types.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace velmora::test {

// A fresh data directory for one test case.
class TempData {
public:
    TempData();
    const DataDir& dir() const { return dir_; }
    QString path(const QString& name) const { return dir_.file(name); }
    bool exists(const QString& name) const;

private:
    QTemporaryDir tmp_;
    DataDir dir_;
};

void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

template <class Record> void writeRecords(const QString& path, const std::vector<Record>& records)
{
    QByteArray bytes;
    for (const Record& r : records)
        bytes += r.encode();
    writeBytes(path, bytes);
}

template <class Record> std::vector<Record> readRecords(const QString& path)
{
    std::vector<Record> records;
    if (!velmora::readRecords(path, &records, nullptr))
        qFatal("cannot read %s", qPrintable(path));
    return records;
}

// Records from a few readable values.
TeamRecord team(const QString& name, const QString& engine, const QString& driver1,
                const QString& driver2, float price = 0, int16_t score = 0);
EntryRecord entry(const QString& owner, int16_t points = 0, int16_t team = 0, int16_t engine = 0,
                  int16_t driver1 = 0, int16_t driver2 = 1, int16_t testDriver = 0);
TestDriverRecord testDriver(const QString& name, int16_t price = 1, int16_t score = 0);

// Windows left open by a test (the check that ends each window test file).
int visibleTopLevelWindows();

} // namespace velmora::test
