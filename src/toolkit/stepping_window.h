#pragma once

#include "data/record_cursor.h"
#include "toolkit/fixed_window.h"

#include <array>
#include <optional>

namespace velmora {

// A window that shows one record of a file at a time and steps through it: the team and
// test-driver editors, the entry editor and the team score card. The cursor keeps the place
// and its rules; the window only shows a record in its boxes and takes it back (through
// RecordWindow, typed). The shown record is stored before every move and by Close;
// Previous and Next are enabled where they lead to a record. A window that may not store
// (its shown record could not be read) has its buttons off and keeps only the close box.
class SteppingWindow : public FixedWindow {
    Q_OBJECT
public slots:
    void onNextClicked();
    void onPreviousClicked();
    void onNewClicked();
    void onDeleteClicked();
    void onCloseClicked();

protected:
    SteppingWindow(QWidget* parent, const char* name, const QString& caption, int width, int height,
                   League& league, LeagueFile file);

    // The row of buttons at `top` (twips), each at its left edge in the order New, Previous,
    // Next, Delete, Close (its caption, or "&Close"); a left edge below 0 leaves New or Delete
    // out (the score card has neither). Previous and Next start disabled.
    struct Buttons {
        QPushButton *newRecord, *previous, *next, *remove, *close;
    };
    Buttons addButtons(int top, std::array<int, 5> lefts, const QString& closeCaption = QString());
    // The record-number box, and the box that takes the focus after New and Delete and from a
    // stepping button that goes off.
    void setSteppingControls(QLineEdit* number, QWidget* firstBox);

    // Shows a record's bytes in the boxes (no bytes: there is no record to show).
    virtual void showBytes(const QByteArray& record) = 0;
    // Completes what the boxes show before it is stored (the entry editor picks a first item
    // in every picker left without one).
    virtual void completeShown() {}
    // The shown record's bytes, the boxes taken into the working record.
    virtual QByteArray shownBytes() = 0;
    // Empties the boxes a new record starts without.
    virtual void clearForNew() {}
    // After Previous or Next has shown its record.
    virtual void stepped() {}
    // Whether the shown record may be deleted; says why not.
    virtual bool mayDelete() { return true; }
    // Stores the shown record's bytes at the cursor, and deletes the record there: false with
    // the reason in *error, or with none when the user chose to go back.
    virtual bool storeRecord(const QByteArray& bytes, QString* error)
    {
        return cursor_.store(bytes, error);
    }
    virtual bool removeRecord(QString* error) { return cursor_.remove(error); }
    // Whether Close stores the shown record, and what it does after the window went.
    virtual bool storesOnClose() const { return true; }
    virtual void closed() {}

    // Each tells the user what failed, and returns false. A record not yet in the file (made
    // by New, or the first of an empty file) is stored only once something was typed or
    // chosen in it: left as it began, it would join the file as a blank record.
    bool openFile();
    bool showAt(qint64 n);
    bool storeShown();

    // The number box follows the cursor (its text stays while it names the same number).
    void showNumber();
    // Previous (where allowed) and Next from where the cursor stands.
    void updateStepping(bool previousAllowed = true);
    // What the window shows cannot be stored (a read failed): its buttons go off.
    void refuseStoring();

    void closeFiles() override { cursor_.close(); }
    bool canStoreShown() const override { return cursor_.canStore(); }
    void storeAndClose() override { onCloseClicked(); }

    RecordCursor cursor_;
    // False for a file the window must not add records to (a race file).
    bool appends_ = true;

private:
    void step(qint64 n);

    QLineEdit* number_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QWidget* firstBox_ = nullptr;
};

// The stepping window of one record type: the window shows and takes records, never bytes.
template <class Record> class RecordWindow : public SteppingWindow {
protected:
    using SteppingWindow::SteppingWindow;

    // Shows the record (none: there is no record to show).
    virtual void showRecord(const std::optional<Record>& record) = 0;
    // The record the boxes show, taken into the working record.
    virtual Record shownRecord() = 0;

private:
    void showBytes(const QByteArray& bytes) final
    {
        showRecord(bytes.isEmpty() ? std::nullopt
                                   : std::optional<Record>(Record::decode(bytes.constData())));
    }
    QByteArray shownBytes() final { return shownRecord().encode(); }
};

} // namespace velmora
