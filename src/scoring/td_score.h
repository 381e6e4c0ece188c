#pragma once

#include "data/data_dir.h"
#include "data/record_file.h"
#include "data/types.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

// "Test Driver Score Card": one race's test-driver points, written from record 1 on in the
// order the organiser enters them.
class TD_Score : public QDialog {
    Q_OBJECT
public:
    TD_Score(const DataDir& dataDir, const QString& race, QWidget* parent = nullptr);

    QLineEdit* Number;
    QLabel *Label3, *Label5;
    QComboBox* Driver;
    QLineEdit* Price;
    QPushButton *New, *Close;

public slots:
    void New_Click();
    void Close_Click();
    // Esc does nothing; the close box leaves without storing.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload();
    bool storeEntry();

    DataDir dataDir_;
    QString race_;
    RecordFile testDrivers_, raceTestDrivers_;
    TestDriverRecord record_;
};

}  // namespace velmora
