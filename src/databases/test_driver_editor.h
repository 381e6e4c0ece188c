#pragma once

#include "data/types.h"
#include "databases/database_editor.h"

class QLineEdit;

namespace velmora {

// "Test Driver Database": test.tro one test driver at a time, name and price in whole
// millions.
class TestDriverEditor : public DatabaseEditor<TestDriverRecord> {
    Q_OBJECT
public:
    explicit TestDriverEditor(League& league, QWidget* parent = nullptr);

protected:
    void showRecord(const std::optional<TestDriverRecord>& record) override;
    TestDriverRecord shownRecord() override;
    void showEmpty() override;

private:
    QLineEdit *nameBox_, *priceBox_;
};

} // namespace velmora
