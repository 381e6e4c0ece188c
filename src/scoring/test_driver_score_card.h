#pragma once

#include "data/record_cursor.h"
#include "toolkit/fixed_window.h"

class QComboBox;
class QLineEdit;

namespace velmora {

// "Test Driver Score Card": one race's test-driver points. Record n of the race file stands
// for test driver n, so an entry is stored as the record of the driver picked; with none
// picked, nothing is stored.
class TestDriverScoreCard : public FixedWindow {
    Q_OBJECT
public:
    TestDriverScoreCard(League& league, const QString& race, QWidget* parent = nullptr);

public slots:
    void onDriverChosen(int position);
    void onNewClicked();
    void onFinishClicked();

protected:
    void closeFiles() override { cursor_.close(); }
    bool canStoreShown() const override;
    void storeAndClose() override { onFinishClicked(); }

private:
    bool load(const League& league);
    bool storeEntry();
    void showNumber();

    RecordCursor cursor_;
    QLineEdit *numberBox_, *scoreBox_;
    QComboBox* driverBox_;
};

} // namespace velmora
