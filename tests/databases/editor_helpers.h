// What the editor tests check beyond driving a window (tests/common/gui.h): the layout of
// an editing window, and that no editor outlives its test.
#pragma once

#include "fixture.h"
#include "toolkit/record_form.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace velmora::test {

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

// No window left open, and no editor left alive anywhere.
inline bool noEditorLeft()
{
    for (QWidget* w : QApplication::allWidgets())
        if (qobject_cast<RecordForm*>(w))
            return false;
    return visibleTopLevelWindows() == 0;
}

} // namespace velmora::test
