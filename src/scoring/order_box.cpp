#include "scoring/order_box.h"

#include "data/text.h"
#include "toolkit/dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int kNone = -2; // an answer not given, a fastest lap not picked

} // namespace

OrderBox::OrderBox(const QString& race, const PointsRules& rules,
                   const std::vector<TeamRecord>& teams, const LearntNames& learnt,
                   const QString& text, int fastestPicked, const OrderAnswers& answers,
                   const QString& problem, QWidget* parent)
    : QDialog(parent), rules_(rules), teams_(teams), learnt_(learnt), drivers_(orderDrivers(teams)),
      answers_(answers), given_(answers)
{
    setObjectName(QStringLiteral("Finishing_Order"));
    setWindowTitle(tr("Finishing Order \u2014 %1").arg(race));
    order_ = new QPlainTextEdit(this);
    order_->setObjectName(QStringLiteral("Order"));
    order_->setLineWrapMode(QPlainTextEdit::NoWrap);
    order_->setTabStopDistance(order_->fontMetrics().horizontalAdvance(u'x') * 10);
    order_->setMinimumSize(order_->fontMetrics().horizontalAdvance(u'x') * 100,
                           order_->fontMetrics().lineSpacing() * 14);
    auto* orderLabel = new QLabel(tr("The race's classification as a results page or a "
                                     "spreadsheet copies it, a car a line: its place (or DNF, "
                                     "DNS, DSQ, NC, Ret), its driver, anything else. An FL line "
                                     "names the fastest lap. &Order:"),
                                  this);
    orderLabel->setObjectName(QStringLiteral("OrderLabel"));
    orderLabel->setWordWrap(true);
    orderLabel->setBuddy(order_);

    fastest_ = new QComboBox(this);
    fastest_->setObjectName(QStringLiteral("FastestLap"));
    fastest_->addItem(tr("(none)"), -1);
    for (qsizetype d = 0; d < drivers_.size(); ++d)
        if (!drivers_[d].isEmpty())
            fastest_->addItem(
                tr("%1 (%2)").arg(drivers_[d], displayText(teams[std::size_t(d / 2)].Team.Name)),
                int(d));
    fastest_->setCurrentIndex(std::max(fastest_->findData(fastestPicked), 0));
    auto* fastestLabel = new QLabel(tr("Fastest &lap:"), this);
    fastestLabel->setObjectName(QStringLiteral("FastestLapLabel"));
    fastestLabel->setBuddy(fastest_);

    questions_ = new QWidget;
    questions_->setObjectName(QStringLiteral("Questions"));
    questionRows_ = new QGridLayout(questions_);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(questions_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    questionArea_ = scroll;

    report_ = new QLabel(this);
    report_->setObjectName(QStringLiteral("Report"));
    report_->setWordWrap(true);
    report_->setTextFormat(Qt::PlainText);
    report_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* problemLabel = new QLabel(problem, this);
    problemLabel->setObjectName(QStringLiteral("Problem"));
    problemLabel->setWordWrap(true);
    problemLabel->setTextFormat(Qt::PlainText);
    problemLabel->setVisible(!problem.isEmpty());

    auto* buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    apply_->setObjectName(QStringLiteral("Apply"));
    QPushButton* cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(apply_, &QPushButton::clicked, this, &OrderBox::onApplyClicked);
    connect(cancel, &QPushButton::clicked, this, &OrderBox::reject);

    auto* fastestRow = new QHBoxLayout;
    fastestRow->addWidget(fastestLabel);
    fastestRow->addWidget(fastest_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(problemLabel);
    layout->addWidget(orderLabel);
    layout->addWidget(order_, 1);
    layout->addLayout(fastestRow);
    layout->addWidget(scroll);
    layout->addWidget(report_);
    layout->addWidget(buttons);

    order_->setPlainText(text);
    connect(order_, &QPlainTextEdit::textChanged, this, &OrderBox::rescore);
    connect(fastest_, &QComboBox::activated, this, &OrderBox::rescore);
    rescore();
    questionArea_->setVisible(!asked_.isEmpty());
    shown_ = {this->text(), QString::number(this->fastestPicked())};
    order_->setFocus();
}

QString OrderBox::text() const
{
    return order_->toPlainText();
}

int OrderBox::fastestPicked() const
{
    return fastest_->currentData().toInt();
}

void OrderBox::rescore()
{
    const std::vector<OrderLine> order = readOrder(text());
    // The questions shown: every name the order leaves to the organiser, answered or not.
    const ScoredOrder unanswered =
        scoreOrder(order, fastestPicked(), rules_, teams_, learnt_, OrderAnswers());
    scored_ = scoreOrder(order, fastestPicked(), rules_, teams_, learnt_, answers_);
    std::vector<ScoredOrder::Question> questions = unanswered.questions;
    QStringList asked;
    for (const ScoredOrder::Question& q : questions)
        asked << foldedName(q.typed);
    for (const ScoredOrder::Question& q : scored_.questions)
        if (!asked.contains(foldedName(q.typed)))
            asked << foldedName(q.typed), questions.push_back(q);
    if (asked != asked_)
        showQuestions(questions);
    asked_ = asked;

    // An FL line names the fastest lap: the list shows whom, and is picked from without one.
    const bool byLine = std::any_of(order.begin(), order.end(), [](const OrderLine& l) {
        return l.kind == OrderLine::Kind::FastestLap;
    });
    fastest_->setEnabled(!byLine);
    if (byLine)
        fastest_->setCurrentIndex(std::max(fastest_->findData(scored_.fastest), 0));

    QStringList said = scored_.refused;
    if (!scored_.questions.empty())
        said << tr("Answer for the names above which of the race's drivers each is, or that it "
                   "is a car the league does not follow.");
    if (!scored_.notInOrder.isEmpty())
        said << tr("Not in the order, so scoring 0: %1.").arg(scored_.notInOrder.join(u", "));
    if (scored_.complete())
        said << tr("Ready: Apply fills the team rows of the table by the league's rules.");
    report_->setText(said.join(u'\n'));
    apply_->setEnabled(scored_.complete());
}

void OrderBox::showQuestions(const std::vector<ScoredOrder::Question>& questions)
{
    // A list answered may be what asked for this (an answer can leave another name asked).
    while (QLayoutItem* item = questionRows_->takeAt(0)) {
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    int row = 0;
    for (const ScoredOrder::Question& q : questions) {
        QStringList lines;
        for (const int n : q.lines)
            lines << QString::number(n);
        const bool several = q.match.kind == NameMatch::Kind::Several;
        auto* label = new QLabel(
            (several ? tr("Line %1: \u201c%2\u201d is more than one driver:")
                     : tr("Line %1: \u201c%2\u201d is no driver of the race:"))
                .arg(lines.join(QStringLiteral(", ")),
                     QString(q.typed).replace(QStringLiteral("&"), QStringLiteral("&&"))),
            questions_);
        label->setTextFormat(Qt::PlainText);
        auto* answer = new QComboBox(questions_);
        answer->setObjectName(QStringLiteral("Answer%1").arg(row + 1));
        label->setObjectName(QStringLiteral("Question%1").arg(row + 1));
        label->setBuddy(answer);
        answer->addItem(tr("(choose)"), kNone);
        answer->addItem(tr("a car the league does not follow"), -1);
        const auto driver = [&](int d) {
            answer->addItem(
                tr("%1 (%2)").arg(drivers_[d], displayText(teams_[std::size_t(d / 2)].Team.Name)),
                d);
        };
        answer->insertSeparator(answer->count());
        for (const int d : several ? q.match.at : q.closest)
            driver(d);
        answer->insertSeparator(answer->count());
        for (qsizetype d = 0; d < drivers_.size(); ++d)
            if (!drivers_[d].isEmpty())
                driver(int(d));
        const QString folded = foldedName(q.typed);
        answer->setCurrentIndex(std::max(answer->findData(answers_.value(folded, kNone)), 0));
        connect(answer, &QComboBox::activated, this, [this, answer, folded] {
            if (const int d = answer->currentData().toInt(); d == kNone)
                answers_.remove(folded);
            else
                answers_[folded] = d;
            rescore();
        });
        questionRows_->addWidget(label, row, 0);
        questionRows_->addWidget(answer, row, 1);
        ++row;
    }
    questionRows_->setColumnStretch(1, 1);
    questionRows_->setContentsMargins(0, 0, 0, 0);
    // As high as its questions, up to six of them; more scroll.
    questionArea_->setMaximumHeight(
        std::min(questions_->sizeHint().height(), 6 * (fontMetrics().lineSpacing() + 12)));
    questionArea_->setVisible(row > 0);
}

void OrderBox::onApplyClicked()
{
    if (!scored_.complete())
        return Messages::error(this, report_->text());
    accept();
}

void OrderBox::reject()
{
    if (QStringList{text(), QString::number(fastestPicked())} != shown_ || answers_ != given_) {
        switch (Messages::ask(this,
                              tr("Apply the finishing order before the box closes? Otherwise "
                                 "what was typed and answered in it is lost."),
                              tr("&Apply"), tr("&Discard"), scored_.complete())) {
        case Messages::Answer::GoBack:
            return;
        case Messages::Answer::Store:
            return onApplyClicked();
        case Messages::Answer::Discard:
            break;
        }
    }
    QDialog::reject();
}

} // namespace velmora
