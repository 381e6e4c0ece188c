#pragma once

#include "data/types.h"
#include "databases/record_editor.h"

class QLabel;

namespace velmora {

// "Test Driver Database": test.tro one test driver at a time, name and price in whole
// millions. The score belongs to the championship calculation and is written back exactly
// as it was read.
class Test_Driver : public RecordEditor {
    Q_OBJECT
public:
    Test_Driver(const DataDir& dataDir, Team_Viewer* viewer, QWidget* parent = nullptr);

    QLineEdit* Driver;
    QLineEdit* Price;
    QLabel* Label6;
    QLabel* Label5;
    QLabel* Label3;

protected:
    void showRecord(const QByteArray& record) override;
    QByteArray takeShown() override;
    void clearBoxes() override;
    QWidget* firstBox() const override;

private:
    TestDriverRecord record_;
};

} // namespace velmora
