#pragma once

#include "databases/references.h"
#include "toolkit/stepping_window.h"

#include <memory>

namespace velmora {

// Whether the record may be deleted; when not, or when the files cannot be read, the
// organiser is told why.
bool deletable(QWidget* parent, const League& league, LeagueFile::Kind database, qint64 record);

// What the two database editors share besides stepping: opening on the first record, a new
// record starting blank, and deleting only what nothing refers to. Neither ever changes a
// score: the working record keeps the scores of the record read last, and they are written
// back as they are.
template <class Record> class DatabaseEditor : public RecordWindow<Record> {
protected:
    DatabaseEditor(QWidget* parent, const char* name, const QString& caption, int width, int height,
                   League& league, LeagueFile::Kind database)
        : RecordWindow<Record>(parent, name, caption, width, height, league, database),
          league_(league), database_(database)
    {
    }

    // Opens the file and shows its first record; called at the end of the window's
    // constructor.
    void load()
    {
        this->setLoaded(this->openFile() && (this->cursor_.count() == 0 || this->showAt(1)));
        this->markShown();
        this->updateStepping();
    }

    // The boxes emptied and the working record blank: a new record has no points of its own.
    void clearForNew() override { this->showRecord(std::nullopt); }
    bool mayDelete() override
    {
        return deletable(this, league_, database_, this->cursor_.number());
    }

    Record record_;

private:
    const League& league_;
    LeagueFile::Kind database_;
};

// The editors of the two databases: "Tro Team Database" and "Test Driver Database".
std::unique_ptr<FixedWindow> teamEditor(League& league, QWidget* parent);
std::unique_ptr<FixedWindow> testDriverEditor(League& league, QWidget* parent);

} // namespace velmora
