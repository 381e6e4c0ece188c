#include "toolkit/flex_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>

#include <algorithm>

namespace velmora {

int FlexGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const
{
    const int r = index.row(), c = index.column();
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_)
        return {};
    const bool fixed = r < fixedRows_ || c < fixedCols_;
    switch (role) {
    case Qt::DisplayRole: {
        // Trailing blanks (an owner keeps all 80 stored characters) are not drawn, so a
        // name too long for its column ends in an ellipsis and a short one in nothing.
        const QString text = this->text(r, c);
        qsizetype end = text.size();
        while (end > 0 && text[end - 1] == u' ')
            --end;
        return end == text.size() ? text : text.left(end);
    }
    case Qt::ToolTipRole: {
        const QString text = this->text(r, c).trimmed();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignment_[c] | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (fixed)
            return QApplication::palette().button();
        return {};
    case Qt::ForegroundRole:
        if (fixed)
            return QApplication::palette().buttonText();
        return {};
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || fixedRows_ < 1 || section < 0 || section >= cols_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment_[section] | Qt::AlignVCenter);
    return role == Qt::DisplayRole ? data(index(0, section), role) : QVariant();
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.row() < fixedRows_ || index.column() < fixedCols_)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void FlexGridModel::resize(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (cols == cols_) {
        cells_.resize(std::size_t(rows) * cols);
    } else {
        std::vector<QString> cells(std::size_t(rows) * cols);
        for (int r = 0; r < std::min(rows, rows_); ++r)
            for (int c = 0; c < std::min(cols, cols_); ++c)
                cells[std::size_t(r) * cols + c] = std::move(cells_[std::size_t(r) * cols_ + c]);
        cells_ = std::move(cells);
        alignment_.resize(cols, Qt::AlignLeft);
    }
    rows_ = rows;
    cols_ = cols;
}

void FlexGridModel::reshape(int rows, int cols)
{
    if (held_) {
        resize(rows, cols);
        changedWhileHeld_ = true;
        return;
    }
    beginResetModel();
    resize(rows, cols);
    endResetModel();
}

void FlexGridModel::setFixed(int rows, int cols)
{
    fixedRows_ = rows;
    fixedCols_ = cols;
    if (!held_ && rows_ > 0 && cols_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

void FlexGridModel::setAlignment(int col, Qt::Alignment alignment)
{
    if (col >= 0 && col < cols_)
        alignment_[col] = alignment;
}

void FlexGridModel::setText(int row, int col, const QString& text)
{
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        return;
    QString& cell = cells_[std::size_t(row) * cols_ + col];
    if (cell == text)
        return;
    cell = text;
    if (held_) {
        changedWhileHeld_ = true;
        return;
    }
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
    if (row < fixedRows_)
        emit headerDataChanged(Qt::Horizontal, col, col);
}

QString FlexGridModel::text(int row, int col) const
{
    const QString& set = cells_[std::size_t(row) * cols_ + col];
    return set.isNull() && source_ ? source_(row, col) : set;
}

void FlexGridModel::setSource(Source source)
{
    source_ = std::move(source);
    if (held_) {
        changedWhileHeld_ = true;
        return;
    }
    beginResetModel();
    endResetModel();
}

void FlexGridModel::holdUpdates(bool hold)
{
    if (hold == held_)
        return;
    if (hold) {
        // Announced as a reset when released, whatever changes in between.
        held_ = true;
        changedWhileHeld_ = false;
        return;
    }
    held_ = false;
    if (changedWhileHeld_) {
        beginResetModel();
        endResetModel();
    }
}

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), model_(new FlexGridModel(this))
{
    setModel(model_);
    // Names are long and the columns narrow: a condensed face (where the desktop has one)
    // shows more of each name.
    QFont condensed = font();
    condensed.setStretch(QFont::SemiCondensed);
    setFont(condensed);
    horizontalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    horizontalHeader()->setDefaultSectionSize(64);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(model_, &QAbstractItemModel::modelReset, this, &FlexGrid::applyColumnWidths);
}

void FlexGrid::setFixed(int rows, int cols)
{
    model_->setFixed(rows, cols);
    applyColumnWidths();
}

// After every reset too: the view forgets which rows it hid.
void FlexGrid::applyColumnWidths()
{
    const bool heading = model_->fixedRows() > 0;
    horizontalHeader()->setVisible(heading);
    for (int r = 0; r < model_->fixedRows(); ++r)
        setRowHidden(r, true);
    for (int c = 0; c < int(columnWidths_.size()) && c < cols(); ++c)
        if (columnWidths_[c] > 0)
            setColumnWidth(c, columnWidths_[c]);
    updateGeometries();
}

void FlexGrid::setCols(int cols)
{
    model_->setCols(cols);
}

void FlexGrid::setFormatString(const QString& format)
{
    const QStringList parts = format.split(u'|');
    if (parts.size() > cols())
        setCols(int(parts.size()));
    const QFontMetrics metrics(font());
    for (int c = 0; c < parts.size(); ++c) {
        QString heading = parts[c];
        const bool centred = heading.startsWith(u'^');
        if (centred)
            heading.remove(0, 1);
        model_->setAlignment(c, centred ? Qt::AlignHCenter : Qt::AlignLeft);
        if (model_->fixedRows() > 0)
            model_->setText(0, c, heading);
        if (int(columnWidths_.size()) <= c)
            columnWidths_.resize(c + 1);
        columnWidths_[c] = metrics.horizontalAdvance(heading) + 8;
    }
    applyColumnWidths();
}

void FlexGrid::setColumnWidths(const std::vector<int>& widths)
{
    columnWidths_ = widths;
    applyColumnWidths();
}

void FlexGrid::setFillColumns(int first, int last)
{
    fillFirst_ = first;
    fillLast_ = std::min({last, int(columnWidths_.size()) - 1, cols() - 1});
    updateGeometries();
}

void FlexGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (fillFirst_ < 0 || fillLast_ < fillFirst_)
        return;
    std::vector<int> widths(columnWidths_.begin(),
                            columnWidths_.begin()
                                + std::min<qsizetype>(cols(), qsizetype(columnWidths_.size())));
    int extra = viewport()->width(), share = 0;
    for (std::size_t c = 0; c < widths.size(); ++c)
        extra -= widths[c];
    for (int c = fillFirst_; c <= fillLast_; ++c)
        share += widths[std::size_t(c)];
    // Less room than the set widths (the vertical scroll bar shows): a last column that does not
    // fill gives it up; otherwise the filling columns share what there is, in proportion.
    if (extra < 0 && fillLast_ + 1 < int(widths.size()))
        widths.back() += extra;
    else
        for (int c = fillFirst_, given = 0; share > 0 && c <= fillLast_; ++c) {
            const int more =
                c == fillLast_ ? extra - given : widths[std::size_t(c)] * extra / share;
            widths[std::size_t(c)] += more;
            given += more;
        }
    // Setting a width lays the view out again, and comes back here with nothing to change.
    for (std::size_t c = 0; c < widths.size(); ++c)
        if (widths[c] > 0 && columnWidth(int(c)) != widths[c])
            setColumnWidth(int(c), widths[c]);
}

void FlexGrid::setRedraw(bool on)
{
    redraw_ = on;
    model_->holdUpdates(!on);
    setUpdatesEnabled(on);
}

} // namespace velmora
