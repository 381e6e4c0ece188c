#pragma once

#include "data/record_cursor.h"
#include "toolkit/form.h"

#include <array>

namespace velmora {

// A window that shows one record of a file at a time and steps through it: the team and
// test-driver editors, the entry editor and the team score card. The cursor keeps the place
// and its rules; the window only shows a record's bytes in its boxes and takes them back.
// The shown record is stored before every move; Previous and Next are enabled where they
// lead to a record. A window whose shown record could not be read stores nothing: its
// buttons go off and only the close box is left.
class RecordForm : public Form {
    Q_OBJECT
public slots:
    void Forward_Click();
    void Previous_Click();
    void New_Click();
    void Delete_Click();

protected:
    RecordForm(QWidget* parent, const char* name, const QString& caption, int width, int height,
               QString path, QString scratchPath, int recordLength);

    // The row of buttons at `top` (twips), each at its left edge in the order New, Previous,
    // Next, Delete, Close; a left edge below 0 leaves the button out (the score card has no
    // New and no Delete). Previous and Next start disabled; the window connects Close.
    struct Buttons {
        QPushButton *New, *Previous, *Forward, *Delete, *Close;
    };
    Buttons addButtons(int top, std::array<int, 5> lefts,
                       const QString& closeCaption = QStringLiteral("Close"));
    // The record-number box, and the box that takes the focus after New and from a stepping
    // button that goes off.
    void setSteppingControls(QLineEdit* number, QWidget* firstBox);

    // Shows a record's bytes in the boxes (no bytes: there is no record to show).
    virtual void showRecord(const QByteArray& record) = 0;
    // The shown record's bytes, the boxes taken into the working record.
    virtual QByteArray takeShown() = 0;
    // Empties the boxes a new record starts without.
    virtual void clearForNew() {}
    // After Previous or Next has shown its record.
    virtual void stepped() {}
    // Whether the shown record may be deleted; says why not.
    virtual bool mayDelete() { return true; }

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
    void lockStoring();

    void Form_QueryUnload() override { cursor_.close(); }
    bool canStoreShown() const override { return !locked_ && loaded() && cursor_.canStore(); }

    RecordCursor cursor_;
    // The window has stored or deleted a record.
    bool changedFile_ = false;
    // False for a file the window must not add records to (a race file).
    bool appends_ = true;

private:
    void step(qint64 n);

    QLineEdit* number_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* forward_ = nullptr;
    QWidget* firstBox_ = nullptr;
    bool locked_ = false;
};

} // namespace velmora
