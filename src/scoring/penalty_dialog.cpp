#include "scoring/penalty_dialog.h"

#include "data/text.h"
#include "toolkit/dialogs.h"
#include "toolkit/fixed_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

PenaltyDialog::PenaltyDialog(const QStringList& owners, const QStringList& calendar,
                             QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Penalty_Bonus"));
    setWindowTitle(tr("Penalty or Bonus"));
    // The toolkit's boxes, which take no key pressed with Alt, Ctrl or Meta as typing, placed by
    // the form.
    auto* form = new QFormLayout;
    const auto row = [&](QWidget* box, const char* name, const QString& caption) {
        form->addRow(addLabel(this, (QByteArray(name) + "Label").constData(), caption, {}, box,
                              Qt::AlignLeft),
                     box);
    };
    owner_ = addComboBox(this, "Owner", {});
    owner_->addItems(owners);
    owner_->setCurrentIndex(-1);
    owner_->setPlaceholderText(tr("Choose the owner"));
    row(owner_, "Owner", tr("&Owner:"));
    kind_ = addComboBox(this, "Kind", {});
    kind_->addItems({tr("Penalty: points taken"), tr("Bonus: points given")});
    row(kind_, "Kind", tr("&Kind:"));
    points_ = addTextBox(this, "Points", {});
    holdsNumber(points_, NumberField::Whole);
    row(points_, "Points", tr("&Points:"));
    race_ = addComboBox(this, "Race", {});
    for (qsizetype r = 0; r < calendar.size(); ++r)
        race_->addItem(tr("Race %1, %2").arg(r + 1).arg(calendar[r]));
    race_->addItem(tr("The next race (race %1)").arg(calendar.size() + 1));
    race_->setCurrentIndex(race_->count() - 1);
    row(race_, "Race", tr("Counts in &race:"));
    reason_ = addTextBox(this, "Reason", {});
    reason_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    holdsLine(reason_);
    row(reason_, "Reason", tr("Rea&son:"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* add = buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("Ok"));
    add->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(add, &QPushButton::clicked, this, &PenaltyDialog::onAddClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    shown_ = shownState(this);
    owner_->setFocus();
}

Decision PenaltyDialog::decision() const
{
    Decision d;
    d.kind = kind_->currentIndex() == 0 ? QStringLiteral("penalty") : QStringLiteral("bonus");
    d.owner = owner_->currentText();
    d.points = int(roundHalfEven(readNumber(points_->text())));
    d.race = race_->currentIndex();
    d.reason = reason_->text().trimmed();
    return d;
}

void PenaltyDialog::onAddClicked()
{
    if (owner_->currentIndex() < 0) {
        owner_->setFocus();
        return showTip(owner_, tr("Choose the owner the points are for."));
    }
    if (roundHalfEven(readNumber(points_->text())) < 1) {
        points_->setFocus();
        return showTip(points_, tr("The points are a whole number from 1 to 32767: a penalty "
                                   "takes them, a bonus gives them."));
    }
    if (reason_->text().trimmed().isEmpty()) {
        reason_->setFocus();
        return showTip(reason_, tr("Give the reason: owners see it beside the points."));
    }
    accept();
}

void PenaltyDialog::reject()
{
    if (shownState(this) != shown_ && !closeAfterAsking(this, [this] { onAddClicked(); }))
        return;
    QDialog::reject();
}

} // namespace velmora
