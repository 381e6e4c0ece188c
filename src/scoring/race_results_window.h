#pragma once

#include "data/league.h"
#include "scoring/finishing_order.h"
#include "toolkit/fixed_window.h"

#include <optional>

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
// it here, its files kept. A league with points rules fills a race's table from its finishing
// order, which Store keeps with the race. Unlike the windows of fixed size it can be made larger.
class RaceResultsWindow : public FixedWindow {
    Q_OBJECT
public:
    explicit RaceResultsWindow(League& league, QWidget* parent = nullptr);

public slots:
    void onStoreClicked();
    void onTakeOutClicked();
    void onFromOrderClicked();

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
    // Whether a race is shown; if not, the organiser is told to name one.
    bool raceShown();
    // Points typed, or an order applied, that the race's files do not hold yet.
    bool unstored() const;
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
    QPushButton* fromOrderButton_;
    QPushButton* storeButton_;
    QPushButton* takeOutButton_;
    QLabel* said_;
    // The order applied to the race shown and not yet stored, the box's text and fastest lap it
    // came from, and the names the organiser answered in the box for this race.
    std::optional<ScoredOrder> applied_;
    QString orderText_;
    int fastestPicked_ = -1;
    OrderAnswers answers_;
};

} // namespace velmora
