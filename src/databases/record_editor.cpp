#include "databases/record_editor.h"

#include "data/text.h"
#include "toolkit/accessibility.h"
#include "toolkit/dialogs.h"
#include "toolkit/twips.h"
#include "viewer/team_viewer.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace velmora {

RecordEditor::RecordEditor(const DataDir& dataDir, Team_Viewer* viewer, QString path,
                           int recordLength, QWidget* parent)
    : QDialog(parent), dataDir_(dataDir), viewer_(viewer), path_(std::move(path)),
      recordLength_(recordLength)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        enterPresses({b});
        return b;
    };
    New = button("New", QStringLiteral("New"));
    Previous = button("Previous", QStringLiteral("Previous"));
    Forward = button("Forward", QStringLiteral("Next"));
    Delete = button("Delete", QStringLiteral("Delete"));
    Close = button("Close", QStringLiteral("Close"));
    Previous->setEnabled(false);
    Forward->setEnabled(false);

    Number = new QLineEdit(QStringLiteral("1"), this);
    Number->setObjectName(QStringLiteral("Number"));
    Number->setReadOnly(true);
    Number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A grey field, as a scroll-bar track is: it shows where the user is, not what to type.
    QPalette grey = Number->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Button));
    Number->setPalette(grey);

    connect(New, &QPushButton::clicked, this, &RecordEditor::New_Click);
    connect(Previous, &QPushButton::clicked, this, &RecordEditor::Previous_Click);
    connect(Forward, &QPushButton::clicked, this, &RecordEditor::Forward_Click);
    connect(Delete, &QPushButton::clicked, this, &RecordEditor::Delete_Click);
    connect(Close, &QPushButton::clicked, this, &RecordEditor::Close_Click);
}

QLabel* RecordEditor::addLabel(const char* name, const QString& caption, QWidget* buddy, int left,
                               int top, int width, int height)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (buddy)
        labelFor(label, buddy);
    placeCaption(label, left, top, width, height);
    return label;
}

void RecordEditor::chainTabs(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

qint64 RecordEditor::number() const
{
    return recordNumber(Number->text());
}

void RecordEditor::setNumber(qint64 n)
{
    Number->setText(recordNumberText(n));
}

bool RecordEditor::reopen()
{
    QString error;
    if (file_.open(path_, recordLength_, &error))
        return true;
    Messages::error(this, error);
    return false;
}

bool RecordEditor::saveShown()
{
    const QByteArray bytes = takeShown();
    QString error;
    if (file_.writeRaw(number(), bytes, &error))
        return true;
    // The boxes keep what was typed; the handler that wanted to save goes no further.
    Messages::error(this, error);
    return false;
}

bool RecordEditor::readable(qint64 n)
{
    QByteArray bytes;
    QString error;
    if (file_.readRaw(n, &bytes, &error))
        return true;
    Messages::error(this, error);
    return false;
}

void RecordEditor::goTo(qint64 n)
{
    const qint64 count = file_.count();
    n = std::clamp<qint64>(n, 1, std::max<qint64>(count, 1));
    if (!readable(n))
        return;  // the shown record stays, as saved a moment ago
    if (n != number())
        setNumber(n);
    showRecord(n);
    if (count == 0)
        clearBoxes(); // nothing left to show: the window looks as it does after New
    Forward->setEnabled(n < count);
    Previous->setEnabled(n > 1);
}

void RecordEditor::Form_Load()
{
    if (!reopen())
        return;
    const qint64 count = file_.count();
    if (!readable(1)) {
        // Empty boxes saved over a record that could not be read would lose it: the
        // window can only be left by its close box.
        for (QPushButton* b : {New, Previous, Forward, Delete, Close})
            b->setEnabled(false);
        return;
    }
    if (count > 0)
        showRecord(1);
    Forward->setEnabled(count > 1);
}

void RecordEditor::Forward_Click()
{
    if (saveShown())
        goTo(number() + 1);
}

void RecordEditor::Previous_Click()
{
    if (saveShown())
        goTo(number() - 1);
}

void RecordEditor::New_Click()
{
    if (!saveShown())
        return;
    setNumber(file_.count() + 1);
    clearBoxes();
    Previous->setEnabled(true);
    Forward->setEnabled(false);
    firstBox()->setFocus();
}

void RecordEditor::Delete_Click()
{
    // The shown record is not saved first. A number past the last record is one made by New
    // and not yet written: deleting it only discards it, and the last record is shown.
    const qint64 n = number();
    if (n >= 1 && n <= file_.count()) {
        file_.close();
        QString error;
        const bool deleted = deleteRecord(path_, dataDir_.scratch(), recordLength_, n, &error);
        if (!deleted)
            Messages::error(this, error);
        if (!reopen() || !deleted)
            return;
    }
    // The record that followed the deleted one now has its number; when the last one went,
    // the new last one is shown, so that no save writes the deleted record back.
    goTo(n);
}

void RecordEditor::Close_Click()
{
    if (!saveShown())
        return;
    hide();
    Form_QueryUnload();
    QString error;
    if (viewer_ && !viewer_->Update(&error))
        Messages::error(parentWidget(), error);
    accept();
}

void RecordEditor::Form_QueryUnload()
{
    file_.close();
}

void RecordEditor::reject() {}

void RecordEditor::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    done(QDialog::Rejected);
    event->accept();
}

} // namespace velmora
