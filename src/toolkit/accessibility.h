#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <initializer_list>

namespace velmora {

// Ties a control to the caption beside it: the caption's access key moves the focus to
// it, and a screen reader names it by the caption's text (without '&' and the colon).
// Drop-down lists need the name set outright: their own name would be their current item.
inline void labelFor(QLabel* caption, QWidget* control)
{
    caption->setBuddy(control);
    QString name = caption->text();
    name.remove(u'&');
    if (name.endsWith(u':'))
        name.chop(1);
    control->setAccessibleName(name.trimmed());
}

// Enter (or Return) presses a button that has the keyboard focus, as Space does. The
// windows' buttons are not auto-default, so that Enter in a text box presses nothing;
// this keeps Enter working for the user who has tabbed to a button.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (auto* button = qobject_cast<QPushButton*>(watched); button && button->isEnabled())
                    button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

inline void enterPresses(std::initializer_list<QPushButton*> buttons)
{
    for (QPushButton* b : buttons) {
        b->setAutoDefault(false);
        b->installEventFilter(new EnterPressesButton(b));
    }
}

}  // namespace velmora
