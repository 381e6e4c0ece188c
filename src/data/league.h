#pragma once

#include "data/data_dir.h"
#include "data/league_settings.h"
#include "data/record_file.h"
#include "data/types.h"

#include <QObject>

#include <memory>
#include <vector>

namespace velmora {

enum class LeagueOrder {
    ByPoints, // highest points first
    ByOwner,  // owners ascending by the code of each stored byte, all 80 of them
};

// A league's folder, and the one door to it: every file of the league is read and written
// here, and what a write changed is told through changed(). Opened to work on, it holds the
// folder's lock, so that a second copy of the program on the folder ends before it writes
// anything; opened to read (another season, the publisher), it takes no lock and stores
// nothing. Reading never makes a file: an absent one reads as empty.
//
// Every write keeps its file whole: a record is flushed before the call returns, a file is
// replaced in one rename, and a change of several files is made all or none. A league whose
// folder cannot be written, or that was opened to read, refuses every change with one message
// naming the folder; storing what a file holds already is no change.
class League : public QObject {
    Q_OBJECT
public:
    // Script: worked on by a command (velmora-score) rather than a window, which a window
    // refused the folder is then told.
    enum class Mode { Work, Script, Read };

    // The league of a folder, whole, or none (with the reason in *error: a folder that does not
    // exist or cannot be opened, or is locked, naming what holds it). To work on it: its lock
    // taken (refused when another copy holds it) and in a writable folder the team, test-driver
    // and entry files made when absent. To read it: nothing taken or made. No descriptor is
    // closed but its own.
    static std::unique_ptr<League> open(const DataDir& dir, Mode mode, QString* error);
    ~League() override;

    const DataDir& dir() const { return dir_; }
    bool writable() const { return writable_; }
    // The league's name: its settings' when they give one, else its folder's ("league2026").
    QString name() const;
    // The settings as read when the league was opened (or again by readSettings), or as last
    // stored. A line of the settings file that cannot be read leaves its own setting unset
    // (a file that cannot be read at all, every one), and settingsError() names every such
    // line; such a file is never written over (storeSettings refuses) until it is mended.
    const LeagueSettings& settings() const { return settings_; }
    const QString& settingsError() const { return settingsError_; }
    void readSettings();
    // Stores the settings, with the files of `with` (the learnt names) in the same change.
    struct Replacement;
    bool storeSettings(const LeagueSettings& settings, QString* error,
                       std::vector<Replacement> with = {});
    QString path(const LeagueFile& file) const { return dir_.path(file); }

    // The whole records of a file, and (when asked) its bytes as read, whose bytes after the
    // last whole record are kept when the file is rewritten (restOf). False, with the file and
    // the system's reason in *error, when it cannot be read.
    template <class Record>
    bool read(const LeagueFile& file, std::vector<Record>* records, QString* error,
              QByteArray* bytes = nullptr) const
    {
        QByteArray contents;
        if (!readBytes(file, &contents, error)
            || !decodeRecords(contents, records, path(file), error))
            return false;
        if (bytes)
            *bytes = std::move(contents);
        return true;
    }
    bool readBytes(const LeagueFile& file, QByteArray* bytes, QString* error) const;
    // The record count of every race file of a kind in the folder, whether or not the
    // calendar lists its race.
    std::vector<qint64> raceFileCounts(LeagueFile::Kind kind) const;

    // A file for a window that goes through it record by record (not made when absent).
    bool openRecords(const LeagueFile& file, RecordFile* records, QString* error) const;
    // Stores record n of a file opened so (count + 1 appends), flushed before it returns.
    bool store(const LeagueFile& file, RecordFile& records, qint64 n, const QByteArray& bytes,
               QString* error);
    // A file's new bytes (replace, remove).
    struct Replacement {
        LeagueFile file;
        QByteArray bytes;
    };
    // Deletes record k of a file by rewriting it without that record (the partial record at
    // its end goes too), the files of `with` replaced in the same change (see replace); k
    // outside 1..count changes nothing.
    bool remove(const LeagueFile& file, qint64 k, QString* error,
                const std::vector<Replacement>& with = {});

    // Files replaced by new bytes, all or none: when one cannot be replaced, those already
    // replaced get their old bytes back and those that did not exist are removed.
    bool replace(const std::vector<Replacement>& files, QString* error);
    // The entries put in league order, stable (equal keys keep their order); the file is
    // written only when the order changes, bytes after the last whole record kept.
    bool orderEntries(LeagueOrder order, QString* error);

signals:
    // The files of these kinds have changed, once per change.
    void changed(LeagueFile::Kinds files);

private:
    League(const DataDir& dir, bool writable, int lock);

    // The file to read for path: path itself, or the file a link there names when that lies
    // in the league's folder (empty for a link to nothing); false, told, for any other link.
    bool readablePath(const QString& path, QString* readable, QString* error) const;

    const DataDir dir_;
    const bool writable_;
    // The folder itself, held open with an advisory lock on it (no lock file) while the league
    // is worked on; the lock goes with the process, however it ends. -1 when read. A script's
    // also holds a shared record lock on the folder's first byte: the mark a refused window
    // reads.
    const int lock_;
    LeagueSettings settings_;
    QString settingsError_;
};

// An entry file's bytes (whose records are `entries`) in league order, stable (equal keys keep
// their order), the bytes after the last whole record kept at the end: `file` itself when it is
// in that order already.
QByteArray inLeagueOrder(const std::vector<EntryRecord>& entries, const QByteArray& file,
                         LeagueOrder order);

} // namespace velmora
