#pragma once

#include "data/data_dir.h"
#include "toolkit/form.h"

namespace velmora {

class FlexGrid;

// "Team Entries": every entry on two rows (names, then scores), loaded hidden at start-up
// and refreshed through Update() when the data has changed.
class Team_Viewer : public Form {
    Q_OBJECT
public:
    explicit Team_Viewer(const DataDir& dataDir, QWidget* parent = nullptr);

    // The entries grid, which the score report reads.
    FlexGrid* grid() const { return Spread; }

    // Rebuilds the lookup lists from the databases and rewrites the entry rows. Returns
    // false, with the reason in *error, when a data file cannot be opened or read.
    bool Update(QString* error);

    const QString& loadError() const { return loadError_; }

public slots:
    void Close_Click();

private:
    DataDir dataDir_;
    QString loadError_;
    FlexGrid* Spread;
};

} // namespace velmora
