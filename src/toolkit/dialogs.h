#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace velmora {

// The save dialog of the score report. Tests answer it in advance with setNextFileName
// (an empty name stands for Cancel); otherwise the desktop's own dialog is shown.
class SaveFileDialog {
public:
    // The chosen path, or an empty text when the user cancelled.
    static QString getSaveFileName(QWidget* parent, const QString& filter);
    static void setNextFileName(const QString& name);

private:
    static std::optional<QString>& next();
};

// Error messages: one box naming the file and the reason. Tests collect them instead.
class Messages {
public:
    static void error(QWidget* parent, const QString& text);
    // While collecting, error() shows nothing and keeps the texts here.
    static void collect(bool on);
    static QStringList& collected();
};

} // namespace velmora
