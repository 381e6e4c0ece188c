#pragma once

#include "data/data_dir.h"
#include "viewer/lookups.h"

#include <QDialog>

class QPushButton;

namespace velmora {

class FlexGrid;

// "Team Entries": every entry on two rows (names, then scores), loaded hidden at start-up
// and refreshed through Update() by the windows that change the data.
class Team_Viewer : public QDialog {
    Q_OBJECT
public:
    explicit Team_Viewer(const DataDir& dataDir, QWidget* parent = nullptr);

    FlexGrid* Spread;
    QPushButton* Close;

    // Rebuilds the lookup lists from the databases and rewrites the entry rows. Returns
    // false, with the reason in *error, when a data file cannot be opened or read.
    bool Update(QString* error = nullptr);

    const QString& loadError() const { return loadError_; }

public slots:
    void Close_Click();
    // Esc presses Close.
    void reject() override;

private:
    bool Form_Load(QString* error);
    bool fill(QString* error);

    DataDir dataDir_;
    LookupLists lists_;
    QString loadError_;
};

}  // namespace velmora
