#include "toolkit/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace velmora {

std::optional<QString>& SaveFileDialog::next()
{
    static std::optional<QString> name;
    return name;
}

void SaveFileDialog::setNextFileName(const QString& name)
{
    next() = name;
}

QString SaveFileDialog::getSaveFileName(QWidget* parent, const QString& filter)
{
    if (next()) {
        const QString name = *next();
        next().reset();
        return name;
    }
    // The filter reads "Text Files|*.txt": a description and its pattern.
    const QStringList parts = filter.split(u'|');
    QString qtFilter = filter;
    if (parts.size() == 2)
        qtFilter = QStringLiteral("%1 (%2)").arg(parts[0], parts[1]);
    QFileDialog dialog(parent, QString(), QString(), qtFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

namespace {
bool collecting = false;
}

void Messages::collect(bool on)
{
    collecting = on;
}

QStringList& Messages::collected()
{
    static QStringList texts;
    return texts;
}

void Messages::error(QWidget* parent, const QString& text)
{
    if (collecting) {
        collected().append(text);
        return;
    }
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

} // namespace velmora
