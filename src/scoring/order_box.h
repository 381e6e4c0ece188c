#pragma once

#include "scoring/finishing_order.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

// "Finishing Order": a race's classification pasted or typed as a results page or a spreadsheet
// copies it, read and matched to the race's drivers as it changes. Names found no way or more
// than one way are asked about all at once (the league's driver, or a car it does not follow);
// what keeps the order from scoring is said, as are the drivers it does not hold. Apply closes
// the box with the order scored; closed with something typed or answered, it asks first.
class OrderBox : public QDialog {
    Q_OBJECT
public:
    // The order shown first: `text` with the fastest lap picked (a driver's position or -1) and
    // the answers given before; `problem` says what could not be read of the stored order or the
    // learnt names.
    OrderBox(const QString& race, const PointsRules& rules, const std::vector<TeamRecord>& teams,
             const LearntNames& learnt, const QString& text, int fastestPicked,
             const OrderAnswers& answers, const QString& problem, QWidget* parent = nullptr);

    // The order as applied, its points included (when the box was closed by Apply).
    const ScoredOrder& scored() const { return scored_; }
    QString text() const;
    int fastestPicked() const;
    const OrderAnswers& answers() const { return answers_; }

protected:
    void reject() override;

private:
    void rescore();
    void showQuestions(const std::vector<ScoredOrder::Question>& questions);
    void onApplyClicked();

    const PointsRules rules_;
    const std::vector<TeamRecord> teams_;
    const LearntNames learnt_;
    const QStringList drivers_;
    OrderAnswers answers_;
    const OrderAnswers given_; // the answers as the box opened
    ScoredOrder scored_;
    QStringList asked_; // the folded names the questions shown ask about
    QStringList shown_; // the text and the fastest lap as the box opened
    QPlainTextEdit* order_;
    QComboBox* fastest_;
    QWidget* questionArea_;
    QWidget* questions_;
    QGridLayout* questionRows_;
    QLabel* report_;
    QPushButton* apply_;
};

} // namespace velmora
