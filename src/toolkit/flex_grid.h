#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include <functional>
#include <vector>

namespace velmora {

// The cells of a FlexGrid: rows × columns of texts, the first fixedRows rows and fixedCols
// columns shaded as headings.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // A column's heading: its text in the first fixed row.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    void setRows(int rows) { reshape(rows, cols_); }
    void setCols(int cols) { reshape(rows_, cols); }
    int fixedRows() const { return fixedRows_; }
    void setFixed(int rows, int cols);
    void setAlignment(int col, Qt::Alignment alignment);

    void setText(int row, int col, const QString& text);
    // Where the texts of cells never set come from, asked as the grid draws them: a table of
    // a hundred thousand rows is shown without making its texts first.
    using Source = std::function<QString(int row, int col)>;
    void setSource(Source source);

    // While updates are held, changes are made silently and announced in one reset.
    void holdUpdates(bool hold);

private:
    void reshape(int rows, int cols);
    void resize(int rows, int cols);

    // The text of a cell: as set, else the source's.
    QString text(int row, int col) const;

    std::vector<QString> cells_;
    Source source_;
    std::vector<Qt::Alignment> alignment_;
    int rows_ = 0, cols_ = 0, fixedRows_ = 0, fixedCols_ = 0;
    bool held_ = false, changedWhileHeld_ = false;
};

// A grid of texts addressed by row and column, as the league table and the entries viewer
// use it. Backed by FlexGridModel, so that a table of tens of thousands of rows fills in
// milliseconds.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int rows() const { return model_->rows(); }
    void setRows(int rows) { model_->setRows(rows); }
    int cols() const { return model_->cols(); }
    void setCols(int cols);
    // The first `rows` rows are headings (only one is drawn: as the heading row, which stays
    // in view while the others scroll) and the first `cols` columns are shaded alike.
    void setFixed(int rows, int cols);

    void setTextMatrix(int row, int col, const QString& text) { model_->setText(row, col, text); }
    void setSource(FlexGridModel::Source source) { model_->setSource(std::move(source)); }

    // "^Heading|Other": one part per column; '^' centres the column, the rest is its heading
    // (written into the first fixed row) and sets the column's width.
    void setFormatString(const QString& format);

    // Column widths in pixels, kept when the rows change.
    void setColumnWidths(const std::vector<int>& widths);
    // The columns fill the view exactly, whether or not the vertical scroll bar shows, so the
    // grid never scrolls sideways: columns first..last share the room beyond the set widths in
    // proportion to theirs (a wider window gives the names the room), and less room is taken
    // from the last column, or shared by them when they are the last.
    void setFillColumns(int first, int last);

    void setRedraw(bool on);
    bool redraw() const { return redraw_; }

protected:
    void updateGeometries() override;

private:
    void applyColumnWidths();

    FlexGridModel* model_;
    std::vector<int> columnWidths_; // set by the format string, kept across resets
    bool redraw_ = true;
    int fillFirst_ = -1, fillLast_ = -1;
};

// The grid's redrawing held for the length of a fill, and given back however it ends.
class HeldRedraw {
public:
    explicit HeldRedraw(FlexGrid* grid) : grid_(grid), was_(grid->redraw())
    {
        grid_->setRedraw(false);
    }
    ~HeldRedraw() { grid_->setRedraw(was_); }

private:
    FlexGrid* grid_;
    bool was_;
};

} // namespace velmora
