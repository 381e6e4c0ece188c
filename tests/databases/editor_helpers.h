// Driving an editing window the way a user does: controls found by name, typed into and
// clicked.
#pragma once

#include "databases/record_editor.h"
#include "fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace velmora::test {

inline QLineEdit* box(QWidget* window, const char* name)
{
    auto* b = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!b)
        qFatal("no box %s", name);
    return b;
}

inline QPushButton* button(QWidget* window, const char* name)
{
    auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name));
    if (!b)
        qFatal("no button %s", name);
    return b;
}

// Replaces the box's text by typing.
inline void type(QWidget* window, const char* name, const QString& text)
{
    QLineEdit* b = box(window, name);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    QTest::keyClicks(b, text);
}

inline void click(QWidget* window, const char* name)
{
    QTest::mouseClick(button(window, name), Qt::LeftButton);
}

inline QString shown(QWidget* window, const char* name)
{
    return box(window, name)->text();
}

// The stepping buttons as a user sees them: "<>" both enabled, "<-" Previous only, and so on.
inline QString steps(QWidget* window)
{
    return QString(button(window, "Previous")->isEnabled() ? u'<' : u'-')
           + QString(button(window, "Forward")->isEnabled() ? u'>' : u'-');
}

// Every control inside the window, every label wide enough for its text, no two overlapping.
inline void checkLayout(QWidget* window, int controls)
{
    const QList<QWidget*> all = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(all.size(), controls);
    for (QWidget* c : all) {
        QVERIFY2(window->rect().contains(c->geometry()), qPrintable(c->objectName()));
        if (auto* label = qobject_cast<QLabel*>(c))
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        for (QWidget* other : all)
            QVERIFY2(c == other || !c->geometry().intersects(other->geometry()),
                     qPrintable(c->objectName() + " / " + other->objectName()));
    }
}

// Triggers a menu item that runs a modal window, lets use() work in that window (which
// must end it), and returns the window's object name. A window of another kind is closed.
template <class Window> QString runModal(QAction* item, const std::function<void(QWidget*)>& use)
{
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        opened = modal->objectName();
        if (qobject_cast<Window*>(modal))
            use(modal);
        else
            modal->close();
    });
    item->trigger();
    return opened;
}

// No window left open, and no editor left alive anywhere.
inline bool noEditorLeft()
{
    for (QWidget* w : QApplication::allWidgets())
        if (qobject_cast<RecordEditor*>(w))
            return false;
    return visibleTopLevelWindows() == 0;
}

} // namespace velmora::test
