#pragma once

#include "data/types.h"
#include "databases/record_editor.h"

class QLineEdit;

namespace velmora {

// "Test Driver Database": test.tro one test driver at a time, name and price in whole
// millions.
class Test_Driver : public RecordEditor {
    Q_OBJECT
public:
    Test_Driver(const DataDir& dataDir, QWidget* parent = nullptr);

protected:
    void showRecord(const QByteArray& record) override;
    QByteArray takeShown() override;
    void showEmpty() override;

private:
    QLineEdit *Driver, *Price, *Number;
    TestDriverRecord record_;
};

} // namespace velmora
