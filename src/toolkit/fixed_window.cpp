#include "toolkit/fixed_window.h"

#include "data/codepage.h"
#include "data/io.h"
#include "data/league.h"
#include "data/text.h"
#include "data/types.h"
#include "toolkit/dialogs.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

namespace velmora {
namespace {

// Enter presses a button that has the focus, as Space does. No button is a default button,
// so Enter in a box presses nothing.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (auto* button = static_cast<QPushButton*>(watched); button->isEnabled())
            button->click();
        return true;
    }
};

// A key pressed with Alt, Ctrl or Meta is a command: where no menu or caption takes it, it
// must not arrive in a box as a letter (a text box takes Alt+N as 'n', a drop-down list
// picks the item that begins with it). A text box's own editing commands (copy, paste,
// undo) stay.
class NoModifiedTyping : public QObject {
public:
    NoModifiedTyping(QObject* parent, bool editing) : QObject(parent), editing_(editing) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
            || key->text().isEmpty() || !key->text().front().isPrint())
            return false;
        for (const auto command : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                   QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll})
            if (editing_ && key->matches(command))
                return false;
        return true;
    }

private:
    bool editing_;
};

// A typed blank is dropped before the box sees it.
class BlankIgnored : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::KeyPress
               && static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ");
    }
};

// Takes a text only when `why` has nothing against it, and then remembers why not, for the tip
// at the box (QLineEdit::inputRejected also comes for a text too long, which needs no tip).
class Refusing : public QValidator {
public:
    Refusing(QLineEdit* box, std::function<QString(const QString&)> why)
        : QValidator(box), why_(std::move(why))
    {
        box->setValidator(this);
        QObject::connect(box, &QLineEdit::inputRejected, box, [this, box] {
            if (const QString tip = std::exchange(refused_, QString()); !tip.isEmpty())
                showTip(box, tip);
        });
    }

    State validate(QString& input, int&) const override
    {
        refused_ = why_(input);
        return refused_.isEmpty() ? Acceptable : Invalid;
    }

private:
    std::function<QString(const QString&)> why_;
    mutable QString refused_;
};

template <class Control> Control* named(Control* control, const char* name, Twips at)
{
    control->setObjectName(QString::fromLatin1(name));
    place(control, at.left, at.top, at.width, at.height);
    return control;
}

} // namespace

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, Twips at,
                 QWidget* names, Qt::Alignment alignment)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment & Qt::AlignVertical_Mask ? alignment
                                                           : alignment | Qt::AlignVCenter);
    if (alignment & Qt::AlignRight) {
        placeCaption(label, at.left, at.top, at.width, at.height);
    } else {
        // A caption wider than its place in this desktop's font grows to the right.
        place(label, at.left, at.top, at.width, at.height);
        if (!label->wordWrap() && label->sizeHint().width() > label->width())
            label->resize(label->sizeHint().width(), label->height());
    }
    if (names) {
        label->setBuddy(names);
        QString spoken = caption;
        spoken.remove(u'&');
        if (spoken.endsWith(u':'))
            spoken.chop(1);
        names->setAccessibleName(spoken.trimmed());
    }
    return label;
}

QLineEdit* addTextBox(QWidget* parent, const char* name, Twips at, const QString& accessibleName)
{
    auto* box = named(new QLineEdit(parent), name, at);
    box->setAccessibleName(accessibleName);
    box->installEventFilter(new NoModifiedTyping(box, true));
    return box;
}

QLineEdit* addDisplayBox(QWidget* parent, const char* name, Twips at, const QString& accessibleName)
{
    auto* box = named(new QLineEdit(parent), name, at);
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette grey = box->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    box->setPalette(grey);
    return box;
}

QLineEdit* addNumberBox(QWidget* parent, Twips at)
{
    QLineEdit* box = addDisplayBox(parent, "Number", at);
    box->setText(QStringLiteral("1"));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, Twips at)
{
    auto* button = named(new QPushButton(caption, parent), name, at);
    button->setAutoDefault(false);
    button->installEventFilter(new EnterPresses(button));
    return button;
}

QComboBox* addComboBox(QWidget* parent, const char* name, Twips at, bool editable)
{
    auto* list = named(new QComboBox(parent), name, at);
    // Items may be long (names keep their 80 stored characters); the list keeps its width.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setEditable(editable);
    if (editable) {
        // Without completion a name is either picked from the list or typed in full.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        list->lineEdit()->installEventFilter(new NoModifiedTyping(list, true));
    }
    list->installEventFilter(new NoModifiedTyping(list, editable));
    return list;
}

namespace {

// A tip shows until any key is let go: one shown in answer to a key (Enter on OK) would be gone
// before it was read. The first release of a key within a moment of it shows it again.
class ShownAgainOnRelease : public QObject {
public:
    ShownAgainOnRelease(QWidget* control, QString tip) : QObject(control), tip_(std::move(tip))
    {
        since_.start();
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease
            && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            if (since_.elapsed() < 500)
                QTimer::singleShot(0, parent(),
                                   [control = static_cast<QWidget*>(parent()), tip = tip_] {
                                       showTip(control, tip, false);
                                   });
            deleteLater();
            qApp->removeEventFilter(this);
        }
        return false;
    }

private:
    QString tip_;
    QElapsedTimer since_;
};

} // namespace

void showTip(QWidget* control, const QString& tip, bool again)
{
    if (again)
        new ShownAgainOnRelease(control, tip);
    // A tip wider than its window was cut off at the window's edge: its words go on lines no
    // wider than the window, and the tip is moved inside it and the screen.
    const QRect window = control->window()->frameGeometry();
    const QFontMetrics metrics(QToolTip::font());
    const int room = std::max(window.width() - 24, metrics.averageCharWidth() * 24);
    QStringList lines{QString()};
    for (const QString& word : tip.split(u' ')) {
        if (!lines.last().isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + word) > room)
            lines << QString();
        lines.last() += (lines.last().isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), lines.join(u'\n'),
                       control);
    for (QWidget* label : QApplication::topLevelWidgets())
        if (label->inherits("QTipLabel") && label->isVisible()) {
            QRect at = label->geometry();
            const QRect inside = control->screen()->availableGeometry() & window;
            at.moveRight(std::min(at.right(), inside.right()));
            at.moveLeft(std::max(at.left(), inside.left()));
            label->move(at.topLeft());
        }
}

void holdsName(QLineEdit* box)
{
    box->setMaxLength(TextFieldLength);
    new Refusing(box, [](const QString& input) {
        const qsizetype at = unstorableAt(input);
        if (at < 0)
            return QString();
        return FixedWindow::tr("\u201c%1\u201d cannot be kept: the league's files hold only the "
                               "letters of Western European languages (Windows-1252).")
            .arg(input.mid(at, input[at].isHighSurrogate() ? 2 : 1));
    });
}

void holdsLine(QLineEdit* box)
{
    new Refusing(box, [](const QString& input) {
        const auto at = std::find_if(input.begin(), input.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
        return at == input.end()
                   ? QString()
                   : FixedWindow::tr("The text is one line: it holds no tab or line break.");
    });
}

void holdsNumber(QLineEdit* box, NumberField field)
{
    box->installEventFilter(new BlankIgnored(box));
    new Refusing(box, [field](const QString& input) {
        const double number = readNumber(input);
        if (field == NumberField::Whole) {
            const double stored = roundHalfEven(number);
            if (stored >= INT16_MIN && stored <= INT16_MAX)
                return QString();
            return FixedWindow::tr("\u201c%1\u201d cannot be kept: the files hold a whole number "
                                   "from -32768 to 32767 here.")
                .arg(input);
        }
        if (std::abs(number) <= double(std::numeric_limits<float>::max()))
            return QString();
        return FixedWindow::tr("\u201c%1\u201d cannot be kept: the files hold a number of at most "
                               "3.4E+38 either way here.")
            .arg(input);
    });
}

void showText(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

FixedWindow::FixedWindow(QWidget* parent, const char* name, const QString& caption, int width,
                         int height)
    : QDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(width, height));
}

void FixedWindow::setResizable(QSize smallest)
{
    setMinimumSize(smallest);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
}

void FixedWindow::setTabOrder(std::initializer_list<QWidget*> controls)
{
    tabOrder_ = controls;
    for (qsizetype i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

void FixedWindow::closeStored()
{
    hide();
    closeFiles();
    accept();
}

void FixedWindow::reject()
{
    if (cancel_ && cancel_->isEnabled())
        cancel_->click();
}

QStringList shownState(const QWidget* window)
{
    QStringList state;
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        if (!box->isReadOnly())
            state << box->text();
    for (const QComboBox* list : window->findChildren<QComboBox*>())
        state << QString::number(list->currentIndex());
    for (const QCheckBox* check : window->findChildren<QCheckBox*>())
        state << QString::number(check->isChecked());
    return state;
}

namespace {

// A read-only box's answer to a typed key: why it takes none.
class SaysReadOnly : public QObject {
public:
    SaysReadOnly(QLineEdit* box, QString why) : QObject(box), why_(std::move(why)) {}

protected:
    bool eventFilter(QObject* box, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((!key->text().isEmpty() && key->text()[0].isPrint())
                || key->matches(QKeySequence::Paste) || key->key() == Qt::Key_Delete
                || key->key() == Qt::Key_Backspace)
                showTip(static_cast<QWidget*>(box), why_);
        }
        return false;
    }

private:
    QString why_;
};

} // namespace

void FixedWindow::setReadOnly(const League& league, std::initializer_list<QWidget*> lists)
{
    readOnly_ = !league.writable();
    if (!readOnly_)
        return;
    for (QLineEdit* box : findChildren<QLineEdit*>())
        if (!box->isReadOnly()) {
            box->setReadOnly(true);
            box->installEventFilter(new SaysReadOnly(box, io::readOnlyText(league.dir().path())));
        }
    for (QWidget* list : lists)
        list->setEnabled(false);
}

void FixedWindow::markShown()
{
    marked_ = shownState(this);
    marking_ = true;
}

bool FixedWindow::changedSinceShown() const
{
    return marking_ && shownState(this) != marked_;
}

bool closeAfterAsking(QWidget* window, const std::function<void()>& store, bool storeFirst)
{
    switch (Messages::askToStore(window,
                                 FixedWindow::tr("Store the changes made in \u201c%1\u201d before "
                                                 "the window closes?")
                                     .arg(window->windowTitle()),
                                 storeFirst)) {
    case Messages::Answer::GoBack:
        return false;
    case Messages::Answer::Store:
        store();
        return false;
    case Messages::Answer::Discard:
        break;
    }
    return true;
}

void FixedWindow::closeEvent(QCloseEvent* event)
{
    if (changedSinceShown() && canStoreShown()
        && !closeAfterAsking(
            this, [this] { storeAndClose(); }, !readOnly_)) {
        event->setAccepted(!isVisible());
        return;
    }
    closeFiles();
    done(QDialog::Rejected);
    event->accept();
}

void FixedWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    for (QWidget* control : tabOrder_)
        if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus();
            // A box is selected whole, as the dialog selects it, but shown from its
            // beginning: a long name would otherwise show its end (its trailing blanks).
            if (auto* box = qobject_cast<QLineEdit*>(control))
                QTimer::singleShot(0, box, [box] {
                    box->setSelection(int(box->text().size()), -int(box->text().size()));
                });
            break;
        }
}

} // namespace velmora
