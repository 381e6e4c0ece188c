#include "databases/transfer_question.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

TransferQuestion::TransferQuestion(const QString& owner, const QStringList& changes,
                                   const QString& count, const QStringList& calendar, int first,
                                   QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Transfer_Question"));
    setWindowTitle(tr("Transfer or Correction \u2014 %1").arg(owner));
    auto* question = new QLabel(
        tr("%1's entry changes:\n%2\n\nA transfer counts from the race below on: the races "
           "before it keep the picks they were scored with. A correction puts right a mistake: "
           "the pick changes from its last transfer on, or for the whole season when it has "
           "none.\n\n%3")
            .arg(owner, changes.join(u'\n'), count),
        this);
    question->setObjectName(QStringLiteral("Question"));
    question->setWordWrap(true);
    question->setTextFormat(Qt::PlainText);
    race_ = new QComboBox(this);
    race_->setObjectName(QStringLiteral("Transfer_Race"));
    for (int r = std::min<int>(first, int(calendar.size())); r < calendar.size(); ++r)
        race_->addItem(tr("Race %1, %2").arg(r + 1).arg(calendar[r]), r);
    const int next = std::max<int>(first, int(calendar.size()));
    race_->addItem(next == calendar.size() ? tr("The next race (race %1)").arg(next + 1)
                                           : tr("Race %1").arg(next + 1),
                   next);
    race_->setCurrentIndex(race_->count() - 1);
    auto* form = new QFormLayout;
    auto* label = new QLabel(tr("Counts &from:"), this);
    label->setBuddy(race_);
    form->addRow(label, race_);

    auto* buttons = new QDialogButtonBox(this);
    const auto add = [&](const char* name, const QString& caption, Answer answer,
                         QDialogButtonBox::ButtonRole role) {
        QPushButton* button = buttons->addButton(caption, role);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, [this, answer] {
            answer_ = answer;
            answer == Answer::GoBack ? reject() : accept();
        });
        return button;
    };
    add("Transfer", tr("&Transfer"), Answer::Transfer, QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    add("Correction", tr("&Correction"), Answer::Correction, QDialogButtonBox::AcceptRole);
    add("Go_Back", tr("&Go Back"), Answer::GoBack, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(form);
    layout->addWidget(buttons);
    race_->setFocus();
}

TransferQuestion::Answer TransferQuestion::ask(QWidget* parent, const QString& owner,
                                               const QStringList& changes, const QString& count,
                                               const QStringList& calendar, int first, int* race)
{
    TransferQuestion question(owner, changes, count, calendar, first, parent);
    if (question.exec() != QDialog::Accepted)
        return Answer::GoBack;
    *race = question.race_->currentData().toInt();
    return question.answer_;
}

} // namespace velmora
