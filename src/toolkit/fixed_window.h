#pragma once

#include <QDialog>

#include <functional>
#include <initializer_list>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class League;

// A rectangle in twips (15 to a pixel): left, top, width, height.
struct Twips {
    int left, top, width, height;
};

// The controls of every window, each placed at its rectangle with its control name as
// objectName. Buttons are pressed by a click, Space, or Enter while they have the focus;
// none is pressed by Enter elsewhere. Text boxes and drop-down lists take no key pressed
// with Alt, Ctrl or Meta as typing (such a key is a command, never a letter).

// A caption. Right-aligned unless told otherwise (captions end where their box begins);
// one wider than its place in this desktop's font grows to the left. A caption given a
// control moves the focus to it by its access key and names it for a screen reader.
QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, Twips at,
                 QWidget* names = nullptr, Qt::Alignment alignment = Qt::AlignRight);
// A text box; accessibleName is for a box that no caption names.
QLineEdit* addTextBox(QWidget* parent, const char* name, Twips at,
                      const QString& accessibleName = {});
// A text box showing what the program puts in it: read-only and shaded grey like a scroll-bar
// track (it tells, it takes nothing), reached by no key; a click on it takes the keys away
// from the box that had them, so that what is typed next lands nowhere.
QLineEdit* addDisplayBox(QWidget* parent, const char* name, Twips at,
                         const QString& accessibleName = {});
// The number of the record a window shows: "1" until it moves, a right-aligned display box.
QLineEdit* addNumberBox(QWidget* parent, Twips at);
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, Twips at);
// A drop-down list to pick from, or with `editable` to type in as well.
QComboBox* addComboBox(QWidget* parent, const char* name, Twips at, bool editable = false);

// A name box: takes no more characters than a text field stores (80), and only those the
// files' code page can hold: another character, typed or pasted, is not taken, and a tip at
// the box says why.
void holdsName(QLineEdit* box);
// A box of one line of a text file: takes no tab, line break or other control character, and a
// tip at the box says why.
void holdsLine(QLineEdit* box);
// A number box of a field that holds whole numbers (16 bits) or reals (single precision): no
// keystroke or paste is taken that would put the number its text begins with, as a store
// rounds it, outside the field's range, and a tip at the box says why. A typed blank changes
// nothing (it would otherwise replace a selected number, and an empty box reads as 0).
enum class NumberField { Whole, Real };
void holdsNumber(QLineEdit* box, NumberField field);
// A tip at a control saying why what was typed is not taken: below it, its lines no wider
// than the control's window, inside the window and the screen; shown again (`again`) once the
// key that asked for it is let go, which would hide it.
void showTip(QWidget* control, const QString& tip, bool again = true);
// Shows text from its beginning, whatever its length (a box otherwise shows the end of a
// text too long for it).
void showText(QLineEdit* box, const QString& text);

// What a window's boxes show: every text that can be typed, every list's choice and every
// check box's state; a window compares it with what it showed to know it has changes.
QStringList shownState(const QWidget* window);
// The question before a window with changes not stored closes, naming it: Store runs `store`
// (which closes the window when it works, and leaves it open with its message when not),
// Discard lets it close, Go Back keeps it open. True for Discard: the window is to close now.
// storeFirst: Store is the default answer (not where nothing can be stored).
bool closeAfterAsking(QWidget* window, const std::function<void()>& store, bool storeFirst = true);

// The fixed-size window of this program: a caption, a client area of fixed size given in
// twips, a close box and no other title-bar buttons. The keyboard focus starts on the
// first control of the tab order that can take it. Esc presses the cancel button, where
// the window has one, and does nothing otherwise.
class FixedWindow : public QDialog {
    Q_OBJECT
public:
    // False when the window could not read what it is to show: the reason has been told, and
    // the window is not opened.
    bool loaded() const { return loaded_; }

protected:
    FixedWindow(QWidget* parent, const char* name, const QString& caption, int width, int height);

    // The tab order, first control first.
    void setTabOrder(std::initializer_list<QWidget*> controls);
    // A window built with layouts: at least `smallest`, and as large as the user makes it, up
    // to the whole screen.
    void setResizable(QSize smallest);
    void setCancelButton(QPushButton* button) { cancel_ = button; }

    // Closes the files the window keeps open: when it closes, however it closes.
    virtual void closeFiles() {}
    // Leaves the window once its Close or Finish button has stored what it shows.
    void closeStored();
    // What the Store answer of the close box's question does: as the window's Close or
    // Finish button, which leaves the window open when its store fails.
    virtual void storeAndClose() {}

    // Remembers what the window's boxes show now, a record just shown, stored or begun.
    // Closing the window other than by its Close button once they differ asks whether to
    // store the changes (by that button), discard them, or go back to the window.
    void markShown();
    bool changedSinceShown() const;
    // Whether the window could store what its boxes show.
    virtual bool canStoreShown() const { return true; }
    // A window of a league viewed read-only: every box takes no typing (a key typed there
    // shows the league's one message as a tip) and the lists given take no choice, and the
    // close question does not offer Store first. Nothing for a league that can be written.
    void setReadOnly(const League& league, std::initializer_list<QWidget*> lists = {});
    void setLoaded(bool loaded) { loaded_ = loaded; }

    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* cancel_ = nullptr;
    bool loaded_ = true;
    bool readOnly_ = false;
    QList<QWidget*> tabOrder_;
    bool shown_ = false;
    QStringList marked_;
    bool marking_ = false;
};

} // namespace velmora
