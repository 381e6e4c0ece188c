#pragma once

#include "calculator/search.h"
#include "data/data_dir.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

// "Calculate Best/Worst Team" (the result window): searches the team database once, when
// it is created, for the best and the worst team within the budget, and shows them. Not
// modal; closing it discards it.
class Calculator : public QDialog {
    Q_OBJECT
public:
    // budgetText: the budget as typed, read by the number-reading rule.
    Calculator(const DataDir& dataDir, const QString& budgetText, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *Team, *Engine, *Driver1, *Driver2, *Price, *Score;

    QGroupBox* Frame2;
    QLabel *Label13, *Label12, *Label11, *Label10, *Label9, *Label8;
    QLineEdit *Team2, *Engine2, *Driver12, *Driver22, *Price2, *Score2;

    QLabel* Label7;
    QLineEdit* TestDriver;
    QPushButton* Okay;

    // Empty, or the file and the reason when the team database could not be read.
    const QString& loadError() const { return loadError_; }

public slots:
    void Okay_Click();
    // Esc and the close box discard the window as "Ok" does.
    void reject() override;

private:
    void Form_Load(const QString& budgetText);

    DataDir dataDir_;
    QString loadError_;
};

}  // namespace velmora
