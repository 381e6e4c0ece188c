#pragma once

#include "data/data_dir.h"
#include "data/record_file.h"
#include "data/types.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

// "Team Score Card": one race's points for each team's four components, record by record,
// in the race's copy of the team database.
class Race_Score : public QDialog {
    Q_OBJECT
public:
    Race_Score(const DataDir& dataDir, const QString& race, QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit* Number;
    QLineEdit *Team, *Engine, *Driver1, *Driver2;
    QLineEdit *Team_Price, *Engine_Price, *Driver1_Price, *Driver2_Price;
    QPushButton *Previous, *Forward, *Close;

public slots:
    void Forward_Click();
    void Previous_Click();
    void Close_Click();

    // Esc does nothing; the close box leaves without storing.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload();
    qint64 number() const;
    void showRecord(qint64 n, bool blankBeforeNumber);
    bool storeShownRecord();
    // Moves from the shown record to record n, storing the shown one first.
    void step(qint64 n);

    DataDir dataDir_;
    QString race_;
    RecordFile teams_, raceTeams_;
    TeamRecord record_;
};

}  // namespace velmora
