#include "toolkit/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <utility>

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
    // A description and its pattern; the pattern's extension is the one a bare name gets.
    const QString description = filter.section(u'|', 0, 0);
    const QString pattern = filter.section(u'|', 1);
    const QString suffix = pattern.startsWith(QLatin1String("*.")) ? pattern.mid(2) : QString();
    QString name;
    if (next()) {
        name = *next();
        next().reset();
    } else {
        QFileDialog dialog(parent, QString(), QString(),
                           QStringLiteral("%1 (%2)").arg(description, pattern));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Given here too, so that the dialog asks before replacing the file it will write.
        dialog.setDefaultSuffix(suffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        name = dialog.selectedFiles().constFirst();
    }
    if (!name.isEmpty() && !suffix.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += u'.' + suffix;
    return name;
}

namespace {
std::optional<QString> nextFolder, nextOpened;
} // namespace

void OpenFileDialog::setNextFileName(const QString& name)
{
    nextOpened = name;
}

QString OpenFileDialog::getOpenFileName(QWidget* parent, const QString& caption,
                                        const QString& filter)
{
    if (nextOpened)
        return *std::exchange(nextOpened, std::nullopt);
    return QFileDialog::getOpenFileName(
        parent, caption, QString(),
        QStringLiteral("%1 (%2)").arg(filter.section(u'|', 0, 0), filter.section(u'|', 1)));
}

void FolderDialog::fills(QAbstractButton* browse, QLineEdit* box, const QString& caption)
{
    QObject::connect(browse, &QAbstractButton::clicked, box, [box, caption] {
        if (const QString folder = getFolder(box->window(), caption, box->text());
            !folder.isEmpty())
            box->setText(folder);
    });
}

void FolderDialog::setNextFolder(const QString& folder)
{
    nextFolder = folder;
}

QString FolderDialog::getFolder(QWidget* parent, const QString& caption, const QString& start)
{
    if (nextFolder)
        return *std::exchange(nextFolder, std::nullopt);
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

namespace {
bool collecting = false;
std::optional<Messages::Answer> nextAnswer;

// The shown window a box of `parent` belongs to.
QWidget* shownWindow(QWidget* parent)
{
    for (QWidget* w = parent; w; w = w->parentWidget())
        if (w->window()->isVisible())
            return w->window();
    return QApplication::activeWindow();
}

// Runs a box centred on the window it belongs to (Qt centres it on its parent only when that
// is shown; a window still being made would put it in the screen's corner).
int run(QMessageBox& box)
{
    // Shown first (modal already), so that the box has taken its size before it is placed.
    // Before any window shows (a start-up message), the centre of the screen, where the main
    // window is to open.
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    const QWidget* over = shownWindow(box.parentWidget());
    const QRect centre = over && over != &box ? over->frameGeometry()
                         : box.screen()       ? box.screen()->availableGeometry()
                                              : QRect();
    if (centre.isValid())
        box.move(centre.center() - box.frameGeometry().center() + box.pos());
    return box.exec();
}
} // namespace

void Messages::collect(bool on)
{
    collecting = on;
}

QStringList& Messages::collected()
{
    static QStringList texts;
    return texts;
}

QStringList& Messages::asked()
{
    static QStringList texts;
    return texts;
}

void Messages::setNextAnswer(Answer answer)
{
    nextAnswer = answer;
}

Messages::Answer Messages::ask(QWidget* parent, const QString& text, const QString& first,
                               const QString& second, bool firstDefault)
{
    if (collecting) {
        asked().append(text);
        const Answer answer = nextAnswer.value_or(Answer::Discard);
        nextAnswer.reset();
        return answer;
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    // The captions say what each answer does; the standard buttons' pictures (a disk, a bin)
    // would say something else.
    box.button(QMessageBox::Save)->setText(first);
    box.button(QMessageBox::Discard)->setText(second);
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    box.button(QMessageBox::Cancel)->setText(tr("&Go Back"));
    box.setDefaultButton(firstDefault ? QMessageBox::Save : QMessageBox::Discard);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (run(box)) {
    case QMessageBox::Save:
        return Answer::Store;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::GoBack;
    }
}

bool Messages::confirm(QWidget* parent, const QString& text, const QString& yes, const QString& no)
{
    if (collecting) {
        asked().append(text);
        return std::exchange(nextAnswer, std::nullopt).value_or(Answer::Discard) == Answer::Store;
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, parent);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(no, QMessageBox::RejectRole));
    box.setDefaultButton(yesButton);
    run(box);
    return box.clickedButton() == yesButton;
}

QStringList& Messages::opened()
{
    static QStringList paths;
    return paths;
}

bool Messages::offer(QWidget* parent, const QString& text, const QString& action)
{
    if (collecting) {
        asked().append(text);
        return std::exchange(nextAnswer, std::nullopt).value_or(Answer::Discard) == Answer::Store;
    }
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                    QMessageBox::Close, parent);
    QPushButton* act = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(act);
    run(box);
    return box.clickedButton() == act;
}

void Messages::openInDesktop(const QString& path)
{
    if (collecting)
        opened().append(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void Messages::error(QWidget* parent, const QString& text)
{
    if (collecting) {
        collected().append(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    run(box);
}

} // namespace velmora
