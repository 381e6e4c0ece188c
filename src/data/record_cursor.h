#pragma once

#include "data/league.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace velmora {

// Where a window stands in a league file it goes through one record at a time: the number
// of the record shown, counted from 1, and the file, open while the window is. The number
// stays within 1..count+1, count+1 standing for a record not yet in the file (after New, or
// in an empty file) that the next store appends.
//
// A record that could not be read is never stored over: until a record has been read
// again, store() refuses, since the window's boxes show something else.
class RecordCursor {
public:
    RecordCursor(League& league, LeagueFile file);

    bool open(QString* error) { return league_.openRecords(file_, &records_, error); }
    const League& league() const { return league_; }
    void close() { records_.close(); }

    qint64 number() const { return number_; }
    qint64 count() const { return records_.count(); }
    // Where Previous and Next lead.
    bool canGoBack() const { return number_ > 1; }
    bool canGoForward() const { return number_ < count(); }
    // The number names no record of the file yet.
    bool atNew() const { return number_ > count(); }
    // What the window shows may be stored at the number.
    bool canStore() const { return shownRead_; }

    // Record n, kept within 1..count (in an empty file: 1, and no record), read into *record
    // (empty when there is none) and made the current one. When it cannot be read, the
    // number stays where it was and false is returned.
    bool go(qint64 n, QByteArray* record, QString* error);
    // Stores the record at the current number (count+1 appends). A number further on (a test
    // driver's record past the end of a race file) first gets the records in between, from
    // gap(j) for each of their numbers j.
    bool store(const QByteArray& record, QString* error,
               const std::function<QByteArray(qint64)>& gap = {});
    // The same, the file rewritten whole with the record in its place and the files of `with`
    // replaced in the same change, all or none (League::replace), this file last.
    bool store(const QByteArray& record, std::vector<League::Replacement> with, QString* error);
    template <class Record>
    bool store(const Record& record, QString* error, const std::function<Record(qint64)>& gap)
    {
        return store(record.encode(), error, [&gap](qint64 j) { return gap(j).encode(); });
    }
    // Stands at count+1, where the next store appends; or at any n from 1 on.
    void goToNew() { number_ = count() + 1; }
    void setNumber(qint64 n) { number_ = n < 1 ? 1 : n; }
    // Deletes the current record (at count+1 there is nothing to delete); the file is open
    // again afterwards, also when the delete failed. What the window showed is gone: storing
    // is refused until go() has read a record. The files of `with` change in the same step.
    bool remove(QString* error, const std::vector<League::Replacement>& with = {});
    // What the window shows was not read from the file (a read failed): storing is refused.
    void distrustShown() { shownRead_ = false; }

private:
    bool refuseUnread(QString* error) const;

    League& league_;
    LeagueFile file_;
    RecordFile records_;
    qint64 number_ = 1;
    bool shownRead_ = true;
};

} // namespace velmora
