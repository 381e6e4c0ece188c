#include "toolkit/record_form.h"

#include "data/text.h"
#include "toolkit/dialogs.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

RecordForm::RecordForm(QWidget* parent, const char* name, const QString& caption, int width,
                       int height, QString path, QString scratchPath, int recordLength)
    : Form(parent, name, caption, width, height),
      cursor_(std::move(path), std::move(scratchPath), recordLength)
{
}

RecordForm::Buttons RecordForm::addButtons(int top, std::array<int, 5> lefts,
                                           const QString& closeCaption)
{
    const char* const names[5] = {"New", "Previous", "Forward", "Delete", "Close"};
    const QString captions[5] = {QStringLiteral("New"), QStringLiteral("Previous"),
                                 QStringLiteral("Next"), QStringLiteral("Delete"), closeCaption};
    const int widths[5] = {720, 840, 840, 840, 765};
    QPushButton* made[5] = {};
    for (int b = 0; b < 5; ++b)
        if (lefts[std::size_t(b)] >= 0)
            made[b] = addButton(this, names[b], captions[b],
                                {lefts[std::size_t(b)], top, widths[b], 345});
    previous_ = made[1];
    forward_ = made[2];
    previous_->setEnabled(false);
    forward_->setEnabled(false);
    connect(previous_, &QPushButton::clicked, this, &RecordForm::Previous_Click);
    connect(forward_, &QPushButton::clicked, this, &RecordForm::Forward_Click);
    if (made[0])
        connect(made[0], &QPushButton::clicked, this, &RecordForm::New_Click);
    if (made[3])
        connect(made[3], &QPushButton::clicked, this, &RecordForm::Delete_Click);
    return {made[0], made[1], made[2], made[3], made[4]};
}

void RecordForm::setSteppingControls(QLineEdit* number, QWidget* firstBox)
{
    number_ = number;
    firstBox_ = firstBox;
}

bool RecordForm::openFile()
{
    QString error;
    if (cursor_.open(&error))
        return true;
    Messages::error(this, error);
    return false;
}

bool RecordForm::showAt(qint64 n)
{
    QByteArray record;
    QString error;
    if (!cursor_.go(n, &record, &error)) {
        Messages::error(this, error);
        return false;
    }
    showRecord(record);
    markShown();
    return true;
}

bool RecordForm::storeShown()
{
    if (cursor_.atNew() && (!appends_ || !changedSinceShown()))
        return true; // nothing to store into, or nothing typed into a record to be
    QString error;
    if (cursor_.store(takeShown(), &error)) {
        changedFile_ = true;
        markShown();
        return true;
    }
    // The boxes keep what was typed; the command that wanted to store goes no further.
    Messages::error(this, error);
    return false;
}

void RecordForm::showNumber()
{
    if (recordNumber(number_->text()) != cursor_.number())
        number_->setText(recordNumberText(cursor_.number()));
}

void RecordForm::updateStepping(bool previousAllowed)
{
    if (!locked_)
        setStepping(previous_, previousAllowed && cursor_.canGoBack(), forward_,
                    cursor_.canGoForward(), firstBox_);
}

void RecordForm::lockStoring()
{
    locked_ = true;
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setEnabled(false);
}

void RecordForm::step(qint64 n)
{
    // A record that cannot be read is not shown: the window stays on the one just stored.
    if (!storeShown() || !showAt(n))
        return;
    showNumber();
    updateStepping();
    stepped();
}

void RecordForm::Forward_Click()
{
    if (cursor_.canGoForward())
        step(cursor_.number() + 1);
}

void RecordForm::Previous_Click()
{
    if (cursor_.canGoBack())
        step(cursor_.number() - 1);
}

void RecordForm::New_Click()
{
    if (!storeShown())
        return;
    cursor_.goToNew();
    showNumber();
    clearForNew();
    markShown();
    updateStepping();
    firstBox_->setFocus();
}

void RecordForm::Delete_Click()
{
    // The shown record is not stored first. The record that follows takes its number; when
    // the last one went, the new last one is shown, so that no store writes the deleted one
    // back. Deleting a new record not yet stored only leaves it. The focus goes to the first
    // box, away from Delete, where one more key press would delete the next record too.
    firstBox_->setFocus();
    if (!cursor_.atNew() && !mayDelete())
        return;
    QByteArray record;
    QString error;
    const bool stored = !cursor_.atNew();
    if (cursor_.remove(&record, &error)) {
        changedFile_ = changedFile_ || stored;
        showRecord(record);
        markShown();
        showNumber();
    } else {
        Messages::error(this, error);
        if (!cursor_.canStore())
            lockStoring(); // the boxes still show the deleted record
    }
    updateStepping();
}

} // namespace velmora
