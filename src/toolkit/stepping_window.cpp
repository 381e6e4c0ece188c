#include "toolkit/stepping_window.h"

#include "data/text.h"
#include "toolkit/dialogs.h"

#include <QLineEdit>
#include <QPushButton>

namespace velmora {

SteppingWindow::SteppingWindow(QWidget* parent, const char* name, const QString& caption, int width,
                               int height, League& league, LeagueFile file)
    : FixedWindow(parent, name, caption, width, height), cursor_(league, std::move(file))
{
}

SteppingWindow::Buttons SteppingWindow::addButtons(int top, std::array<int, 5> lefts,
                                                   const QString& closeCaption)
{
    const char* const names[5] = {"New", "Previous", "Forward", "Delete", "Close"};
    const QString captions[5] = {tr("&New"), tr("&Previous"), tr("Ne&xt"), tr("&Delete"),
                                 closeCaption.isEmpty() ? tr("&Close") : closeCaption};
    const int widths[5] = {720, 840, 840, 840, 765};
    void (SteppingWindow::*const handlers[5])() = {
        &SteppingWindow::onNewClicked, &SteppingWindow::onPreviousClicked,
        &SteppingWindow::onNextClicked, &SteppingWindow::onDeleteClicked,
        &SteppingWindow::onCloseClicked};
    QPushButton* made[5] = {};
    for (std::size_t b = 0; b < 5; ++b) {
        if (lefts[b] < 0)
            continue;
        made[b] = addButton(this, names[b], captions[b], {lefts[b], top, widths[b], 345});
        connect(made[b], &QPushButton::clicked, this, handlers[b]);
    }
    previous_ = made[1];
    next_ = made[2];
    previous_->setEnabled(false);
    next_->setEnabled(false);
    return {made[0], made[1], made[2], made[3], made[4]};
}

void SteppingWindow::setSteppingControls(QLineEdit* number, QWidget* firstBox)
{
    number_ = number;
    firstBox_ = firstBox;
    setReadOnly(cursor_.league());
}

bool SteppingWindow::openFile()
{
    QString error;
    if (cursor_.open(&error))
        return true;
    Messages::error(this, error);
    return false;
}

bool SteppingWindow::showAt(qint64 n)
{
    QByteArray record;
    QString error;
    if (!cursor_.go(n, &record, &error)) {
        Messages::error(this, error);
        return false;
    }
    showBytes(record);
    markShown();
    return true;
}

bool SteppingWindow::storeShown()
{
    if (cursor_.atNew() && (!appends_ || !changedSinceShown()))
        return true; // nothing to store into, or nothing typed into a record to be
    completeShown();
    QString error;
    if (storeRecord(shownBytes(), &error)) {
        markShown();
        return true;
    }
    // The boxes keep what was typed; the command that wanted to store goes no further.
    if (!error.isEmpty())
        Messages::error(this, error);
    return false;
}

void SteppingWindow::showNumber()
{
    if (recordNumber(number_->text()) != cursor_.number())
        number_->setText(recordNumberText(cursor_.number()));
}

// A focused stepping button that goes off hands the focus to the other one, or when that is
// off too to the first box: left to itself, the focus would move on along the tab order, to
// Delete, and the next key press would delete a record.
void SteppingWindow::updateStepping(bool previousAllowed)
{
    if (!cursor_.canStore())
        return;
    const bool back = previousAllowed && cursor_.canGoBack(), forward = cursor_.canGoForward();
    if (!back && previous_->hasFocus())
        (forward ? next_ : firstBox_)->setFocus();
    if (!forward && next_->hasFocus())
        (back ? previous_ : firstBox_)->setFocus();
    previous_->setEnabled(back);
    next_->setEnabled(forward);
}

void SteppingWindow::refuseStoring()
{
    cursor_.distrustShown();
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setEnabled(false);
}

void SteppingWindow::step(qint64 n)
{
    // A record that cannot be read is not shown: the window stays on the one just stored.
    if (!storeShown() || !showAt(n))
        return;
    showNumber();
    updateStepping();
    stepped();
}

void SteppingWindow::onNextClicked()
{
    if (cursor_.canGoForward())
        step(cursor_.number() + 1);
}

void SteppingWindow::onPreviousClicked()
{
    if (cursor_.canGoBack())
        step(cursor_.number() - 1);
}

void SteppingWindow::onNewClicked()
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

void SteppingWindow::onDeleteClicked()
{
    // The shown record is not stored first. The record that follows takes its number; when
    // the last one went, the new last one is shown, so that no store writes the deleted one
    // back. Deleting a new record not yet stored only leaves it. The focus goes to the first
    // box, away from Delete, where one more key press would delete the next record too.
    firstBox_->setFocus();
    if (!cursor_.atNew() && !mayDelete())
        return;
    QString error;
    if (!removeRecord(&error))
        Messages::error(this, error);
    else if (showAt(cursor_.number()))
        showNumber();
    if (!cursor_.canStore())
        refuseStoring(); // the boxes still show the deleted record
    updateStepping();
}

void SteppingWindow::onCloseClicked()
{
    // A store that fails keeps the window open, with what was typed.
    if (storesOnClose() && !storeShown())
        return;
    closeStored();
    closed();
}

} // namespace velmora
