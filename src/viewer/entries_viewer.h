#pragma once

#include "toolkit/fixed_window.h"

#include <vector>

class QPushButton;

namespace velmora {

class FlexGrid;
class LookupLists;
struct EntryRecord;

// "Team Entries": every entry on two rows (names, then scores). The main window keeps it,
// hidden until asked for, and fills it whenever the files it shows have changed.
class EntriesViewer : public FixedWindow {
    Q_OBJECT
public:
    explicit EntriesViewer(QWidget* parent = nullptr);

    // Shows the entries in their file order, their positions looked up in the lists.
    void fill(const LookupLists& lists, const std::vector<EntryRecord>& entries);

public slots:
    void onCloseClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    FlexGrid* grid_;
    QPushButton* close_;
};

} // namespace velmora
