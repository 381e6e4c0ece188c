#pragma once

#include "data/decisions.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace velmora {

// "Penalty_Bonus": a penalty or bonus to add, asked of the decisions window: the owner (one of
// `owners`, those known by a name of their own), penalty or bonus, its points, the race it
// counts in (`calendar`'s, or the next race) and the reason, one line. Add takes it once an
// owner is picked and a reason given (a tip at the box says what is missing); closed with
// anything chosen or typed, it asks first.
class PenaltyDialog : public QDialog {
    Q_OBJECT
public:
    PenaltyDialog(const QStringList& owners, const QStringList& calendar, QWidget* parent);

    // What was asked for: its kind, owner, points, race and reason (the race's name not set).
    Decision decision() const;

protected:
    void reject() override;

private:
    void onAddClicked();

    QComboBox *owner_, *kind_, *race_;
    QLineEdit *points_, *reason_;
    QStringList shown_; // what the boxes showed when the dialog opened
};

} // namespace velmora
