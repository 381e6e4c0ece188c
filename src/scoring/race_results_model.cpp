#include "scoring/race_results_model.h"

#include "data/text.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

namespace velmora {

RaceResultsModel::RaceResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

bool RaceResultsModel::load(const League& league, const QString& race, QString* error)
{
    bool read = true;
    beginResetModel();
    if (race.isEmpty())
        table_ = RaceResults();
    else
        read = table_.load(league, race, error);
    stored_ = table_;
    byHand_.clear();
    endResetModel();
    return read;
}

bool RaceResultsModel::changed() const
{
    for (int r = 0; r < table_.rows(); ++r)
        for (int c = 0; c < table_.cells(r); ++c)
            if (table_.points(r, c) != stored_.points(r, c))
                return true;
    return false;
}

int RaceResultsModel::cellAt(const QModelIndex& at) const
{
    const int c = at.column();
    return at.isValid() && c % 2 == 1 && c < TotalColumn && c / 2 < table_.cells(at.row()) ? c / 2
                                                                                           : -1;
}

RaceResultsModel::Change RaceResultsModel::setPoints(const std::vector<CellPoints>& points, By by)
{
    Change change;
    change.changed = table_.set(points);
    for (const CellPoints& c : change.changed)
        if (byHand_.count({c.row, c.cell}))
            change.overHand.push_back(c);
    if (by == By::Hand)
        for (const CellPoints& c : points)
            byHand_.insert({c.row, c.cell});
    if (!change.changed.empty()) {
        const auto [first, last] = std::minmax_element(
            change.changed.begin(), change.changed.end(),
            [](const CellPoints& a, const CellPoints& b) { return a.row < b.row; });
        emit dataChanged(index(first->row, 0), index(last->row, TotalColumn));
    }
    return change;
}

bool RaceResultsModel::paste(const QString& text, const QModelIndex& at, QItemSelection* covered,
                             QString* error)
{
    const auto cells = table_.pasted(text, at.row(), cellAt(at), error);
    if (!cells)
        return false;
    setPoints(*cells, By::Hand);
    if (covered && !cells->empty()) {
        int lastRow = at.row(), lastCell = cellAt(at);
        for (const CellPoints& c : *cells)
            lastRow = std::max(lastRow, c.row), lastCell = std::max(lastCell, c.cell);
        *covered = QItemSelection(at, indexOf(lastRow, lastCell));
    }
    return true;
}

void RaceResultsModel::clear(const QModelIndexList& at)
{
    std::vector<CellPoints> cells = pointCells(at);
    for (CellPoints& c : cells)
        c.points = 0;
    setPoints(cells, By::Hand);
}

QString RaceResultsModel::text(const QModelIndexList& at) const
{
    return copiedText(pointCells(at));
}

std::vector<CellPoints> RaceResultsModel::pointCells(const QModelIndexList& at) const
{
    std::vector<CellPoints> cells;
    for (const QModelIndex& i : at)
        if (const int cell = cellAt(i); cell >= 0)
            cells.push_back({i.row(), cell, table_.points(i.row(), cell)});
    std::sort(cells.begin(), cells.end(), [](const CellPoints& a, const CellPoints& b) {
        return std::pair(a.row, a.cell) < std::pair(b.row, b.cell);
    });
    return cells;
}

int RaceResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.rows();
}

int RaceResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant RaceResultsModel::data(const QModelIndex& at, int role) const
{
    const int row = at.row(), c = at.column();
    const bool shown = c == TotalColumn || c / 2 < table_.cells(row);
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (!shown)
            return {};
        if (c == TotalColumn)
            return numberText(table_.total(row));
        return c % 2 ? numberText(table_.points(row, c / 2)) : table_.name(row, c / 2);
    }
    if (role == Qt::TextAlignmentRole && (c % 2 || c == TotalColumn))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    // What is only shown is shaded, as the display boxes are.
    if (role == Qt::BackgroundRole && cellAt(at) < 0)
        return QApplication::palette().brush(QPalette::Button);
    return {};
}

QVariant RaceResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section < table_.teamRows()
                   ? tr("Team %1").arg(section + 1)
                   : tr("Test driver %1").arg(section - table_.teamRows() + 1);
    static const char* const headings[Columns] = {
        QT_TR_NOOP("Team"),     QT_TR_NOOP("Points"),   QT_TR_NOOP("Engine Maker"),
        QT_TR_NOOP("Points"),   QT_TR_NOOP("Driver 1"), QT_TR_NOOP("Points"),
        QT_TR_NOOP("Driver 2"), QT_TR_NOOP("Points"),   QT_TR_NOOP("Total")};
    return tr(headings[section]);
}

// Names and totals are neither edited nor reached by the keys.
Qt::ItemFlags RaceResultsModel::flags(const QModelIndex& at) const
{
    return cellAt(at) >= 0 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}

bool RaceResultsModel::setData(const QModelIndex& at, const QVariant& value, int role)
{
    const std::optional<int16_t> points = cellPoints(value.toString());
    if (role != Qt::EditRole || cellAt(at) < 0 || !points)
        return false;
    setPoints({{at.row(), cellAt(at), *points}}, By::Hand);
    return true;
}

} // namespace velmora
