#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace velmora {

// The save dialog of the score report. Tests answer it in advance with setNextFileName
// (an empty name stands for Cancel); otherwise the desktop's own dialog is shown.
class SaveFileDialog {
public:
    // The chosen path, or an empty text when the user cancelled. filter reads "Text
    // Files|*.txt": a name given without an extension gets the filter's (".txt").
    static QString getSaveFileName(QWidget* parent, const QString& filter);
    static void setNextFileName(const QString& name);

private:
    static std::optional<QString>& next();
};

// The open dialog of a file to read (a sheet of entries). Tests answer it in advance with
// setNextFileName (an empty name stands for Cancel).
class OpenFileDialog {
public:
    // The chosen path, or an empty text when the user cancelled; filter as SaveFileDialog's.
    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
    static void setNextFileName(const QString& name);
};

// The folder dialog (a league's folder, a site's). Tests answer it in advance with
// setNextFolder (an empty name stands for Cancel).
class FolderDialog {
public:
    static QString getFolder(QWidget* parent, const QString& caption, const QString& start);
    static void setNextFolder(const QString& folder);
    // A Browse button that puts the folder chosen (if any) in a box, starting from its text.
    static void fills(QAbstractButton* browse, QLineEdit* box, const QString& caption);
};

// Messages: one box naming the file and the reason, and the question asked before changes
// typed into a window are lost. Tests collect the messages instead and answer the question
// in advance. Every box opens centred on the window it belongs to: its parent's window, or
// while that is not shown yet (a window still being made), the shown window that holds it.
class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)

public:
    static void error(QWidget* parent, const QString& text);

    // The first button (Store), the second (Discard), or Go Back.
    enum class Answer { Store, Discard, GoBack };
    // storeFirst: Store is the default button (not where nothing can be stored).
    static Answer askToStore(QWidget* parent, const QString& text, bool storeFirst = true)
    {
        return ask(parent, text, tr("&Store"), tr("&Discard"), storeFirst);
    }
    // A question whose first two answers have their own captions.
    static Answer ask(QWidget* parent, const QString& text, const QString& first,
                      const QString& second, bool firstDefault = true);
    // A question of two answers: true for `yes` (answered in advance as Store).
    static bool confirm(QWidget* parent, const QString& text, const QString& yes,
                        const QString& no);
    static void setNextAnswer(Answer answer);
    // A message with a button that does something more (True) beside Close.
    static bool offer(QWidget* parent, const QString& text, const QString& action);
    // Opens a file or page in the desktop's own program for it (the browser for a page).
    static void openInDesktop(const QString& path);

    // While collecting, error() shows nothing and keeps the texts in collected(), and
    // askToStore() shows nothing, keeps the question in asked() and takes the answer set
    // with setNextAnswer(), or Discard; offer() is asked the same way (Store is its action).
    // openInDesktop() keeps the path in opened().
    static void collect(bool on);
    static QStringList& collected();
    static QStringList& asked();
    static QStringList& opened();
};

} // namespace velmora
