// A fresh data folder for each test, its files written and read as records, and the one
// small season every test that needs a league starts from.
#pragma once

#include "data/league.h"

#include <QMap>
#include <QTemporaryDir>

#include <memory>

namespace velmora::test {

class TempData {
public:
    const DataDir& dir() const { return dir_; }
    QString path(const QString& name) const { return dir_.file(name); }

private:
    QTemporaryDir tmp_;
    DataDir dir_{tmp_.path()};
};

void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

template <class Record> void writeRecords(const QString& path, const std::vector<Record>& records)
{
    writeBytes(path, encodeRecords(records));
}
template <class Record> std::vector<Record> readRecords(const QString& path)
{
    std::vector<Record> records;
    decodeRecords(readBytes(path), &records, path, nullptr);
    return records;
}

// The league of a folder, opened (to work on, unless told otherwise) or the test ends.
std::unique_ptr<League> openLeague(const DataDir& dir, League::Mode mode = League::Mode::Work);

// A team named and priced as given, its slot s scoring score + s.
TeamRecord team(const QString& name, const QString& engine, const QString& driver1,
                const QString& driver2, float price = 0, int score = 0);
EntryRecord entry(const QString& owner, int points = 0, int team = 0, int engine = 0,
                  int driver1 = 0, int driver2 = 1, int testDriver = 0);

// Teams Arrow, Comet and Meteor (drivers Ann Lee and Bo Kim, Cy Dunn and Di Eto, Ed Fay and
// Flo Gil), test drivers Gus Ho and Ida Jo, entries dora, Alan, bob and Cleo in neither points
// nor owner order (points out of date), scored races Imola and Monza in the calendar, Spa's
// race files not in it (Suzuka has none) and an earlier score report, "report.txt".
void writeSeason(const DataDir& dir);

// The three files the championship calculation writes.
QList<QByteArray> calculatedFiles(const DataDir& dir);
// The same with the score bytes of every whole record zeroed.
QList<QByteArray> withoutScores(QList<QByteArray> files);

// Every file of the folder and its bytes, scratch files ("temp.tro", ".part") left out.
using FolderState = QMap<QString, QByteArray>;
FolderState folderState(const DataDir& dir);

} // namespace velmora::test
