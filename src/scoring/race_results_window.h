#pragma once

#include "data/league.h"
#include "toolkit/fixed_window.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace velmora {

class RaceResultsModel;

// "Race Results": one race's points in one table, typed or pasted from a spreadsheet like a
// sheet's cells, and stored with the championship counted again in one step. A race picked from
// the calendar or typed (the scoring window's rules); a race of the calendar can be taken out of
// it here, its files kept. Unlike the windows of fixed size it can be made larger.
class RaceResultsWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit RaceResultsWindow(League& league, QWidget* parent = nullptr);

public slots:
    void onStoreClicked();
    void onTakeOutClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Leaving the race box after typing in it names the race typed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool readCalendar();
    void showCalendar();
    // The race the box names is shown, once the points changed for the one shown are stored or
    // let go. False when the organiser goes back to the race shown (or its store fails).
    bool nameRace();
    void showRace(const QString& race);
    bool store();
    void updateButtons();
    void updateActions();

    void onCopy();
    void onPaste();
    void onDelete();

    League& league_;
    QStringList calendar_;
    RaceResultsModel* model_;
    QComboBox* raceBox_;
    QTableView* view_;
    QAction* copy_;
    QAction* paste_;
    QAction* delete_;
    QAction* selectAll_;
    QPushButton* storeButton_;
    QPushButton* takeOutButton_;
    QLabel* said_;
};

} // namespace velmora
