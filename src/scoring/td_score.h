#pragma once

#include "data/data_dir.h"
#include "data/record_cursor.h"
#include "data/types.h"
#include "toolkit/form.h"

class QComboBox;
class QLineEdit;

namespace velmora {

// "Test Driver Score Card": one race's test-driver points. Record n of the race file stands
// for test driver n, so an entry is stored as the record of the driver picked; with none
// picked, at the number shown, which New moves on by one.
class TD_Score : public Form {
    Q_OBJECT
public:
    TD_Score(const DataDir& dataDir, const QString& race, QWidget* parent = nullptr);

public slots:
    void Driver_Click(int position);
    void New_Click();
    void Close_Click();

protected:
    void Form_QueryUnload() override { cursor_.close(); }
    bool canStoreShown() const override;

private:
    bool Form_Load(const DataDir& dataDir);
    bool storeEntry();
    void showNumber();

    RecordCursor cursor_;
    TestDriverRecord record_;
    QLineEdit *Number, *Price;
    QComboBox* Driver;
};

} // namespace velmora
