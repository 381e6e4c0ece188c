#pragma once

#include "data/data_dir.h"
#include "data/types.h"
#include "toolkit/record_form.h"

#include <array>

class QLineEdit;

namespace velmora {

// "Team Score Card": one race's points for each team's four components, record by record,
// in the race's copy of the team database. It never adds a record to the race file.
class Race_Score : public RecordForm {
    Q_OBJECT
public:
    Race_Score(const DataDir& dataDir, const QString& race, QWidget* parent = nullptr);

public slots:
    void Close_Click();

protected:
    void showRecord(const QByteArray& record) override;
    QByteArray takeShown() override;
    void stepped() override;

private:
    bool Form_Load(const DataDir& dataDir, const QString& race);

    std::array<QLineEdit*, 4> names_;  // Team, Engine, Driver1, Driver2
    std::array<QLineEdit*, 4> scores_; // Team_Price, Engine_Price, Driver1_Price, Driver2_Price
    TeamRecord record_;
    // On opening a score of zero or more shows with a blank before it (' 6'), after a move
    // without ('6').
    bool blankBeforeNumber_ = true;
};

} // namespace velmora
