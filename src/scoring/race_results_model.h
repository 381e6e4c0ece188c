#pragma once

#include "scoring/race_results.h"

#include <QAbstractTableModel>
#include <QItemSelection>

#include <set>
#include <utility>
#include <vector>

namespace velmora {

// One race's table for a view, and the owner of its points: every change goes through here (a
// typed cell by setData, a paste, cells set to 0, many cells set at once by setPoints), each as
// one change the view is told of. A row of RaceResults a row here; columns are each of a team's
// four components by name and points, then the row's total; a test driver's row has its name
// and points in the first two.
class RaceResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Columns = 9, TotalColumn = 8;

    explicit RaceResultsModel(QObject* parent = nullptr);

    // Shows a race's table as its files hold it (no race: no table). False, with the file and the
    // reason in *error, when a file cannot be read: the table is then empty.
    bool load(const League& league, const QString& race, QString* error);
    const RaceResults& table() const { return table_; }
    // Whether any points differ from those the race was shown or last stored with.
    bool changed() const;
    // The points shown are those the race's files now hold.
    void markStored() { stored_ = table_; }

    // The point cell a table cell shows, or -1 (a name, a total, or nothing); and the table cell
    // of a row's point cell.
    int cellAt(const QModelIndex& at) const;
    QModelIndex indexOf(int row, int cell) const { return index(row, 2 * cell + 1); }

    // Who sets points: the organiser by hand (typing, pasting, Delete), or the program from what
    // the organiser chose.
    enum class By { Hand, Program };
    // What a change did: the cells whose points it changed, each with the points it held, and of
    // those the ones whose points had been set by hand since the race was shown.
    struct Change {
        std::vector<CellPoints> changed, overHand;
    };
    // Sets many cells at once, as one change.
    Change setPoints(const std::vector<CellPoints>& points, By by);
    // A block copied from a spreadsheet pasted from a point cell on (RaceResults::pasted), by
    // hand: the rectangle of table cells it covers in *covered. False, with the reason in *error
    // and nothing changed, when it does not fit.
    bool paste(const QString& text, const QModelIndex& at, QItemSelection* covered, QString* error);
    // The point cells among `at` set to 0, by hand.
    void clear(const QModelIndexList& at);
    // The points of the point cells among `at` as a spreadsheet copies a block (copiedText).
    QString text(const QModelIndexList& at) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& at, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& at) const override;
    // A typed cell: its text taken by the paste's rule (cellPoints); refused (false, the points
    // kept) when it is no whole number a score holds.
    bool setData(const QModelIndex& at, const QVariant& value, int role = Qt::EditRole) override;

private:
    // The point cells among `at`, by row and then by cell.
    std::vector<CellPoints> pointCells(const QModelIndexList& at) const;

    RaceResults table_;
    RaceResults stored_;                   // as the race was shown or last stored
    std::set<std::pair<int, int>> byHand_; // row and cell of points set by hand since shown
};

} // namespace velmora
