#pragma once
// The string grid shared by every card grid of the program: a table view over
// a StringGridModel, a fixed header row, whole-row selection, columns the user
// can resize, header clicks that sort, and a cost column whose cells show the
// card's mana cost as symbol pictures.

#include "app/stringgridmodel.h"

#include <QRect>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <utility>

// Paints cost cells: first the cell's normal painting, then one symbol picture
// of Images() per symbol of the row's cost.
class CostCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Gives the cost text of a grid row (1-based); each window finds the
    // row's card its own way.
    using CostOfRow = std::function<QString(int row)>;

    explicit CostCellDelegate(QObject *parent = nullptr) : QStyledItemDelegate(parent) {}

    void setCostColumn(int col, CostOfRow costOf)
    {
        m_col = col;
        m_costOf = std::move(costOf);
    }
    int costColumn() const { return m_col; }

    // Where the symbols of `cost` go in a cell: (picture index, square) for
    // every symbol that has a picture. The n-th symbol (from 1) sits at
    // left + 2 + h * (n - 1), top + 2, with h = cell height - 4; symbols
    // without a picture leave their place empty. Nothing wraps.
    static QVector<std::pair<int, QRect>> iconRects(const QRect &cell, const QString &cost);
    // Draws those symbols, clipped to the cell.
    static void paintCost(QPainter *p, const QRect &cell, const QString &cost);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_col = -1;
    CostOfRow m_costOf;
};

class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(QWidget *parent = nullptr);

    StringGridModel *model() const { return m_model; }

    // Grid rows including the header row 0; card rows are 1 .. RowCount() - 1.
    int RowCount() const { return m_model->RowCount(); }
    void setRowCount(int rows) { m_model->setRowCount(rows); }
    int ColCount() const { return m_model->ColCount(); }
    void setColCount(int cols);
    QString cell(int col, int row) const { return m_model->cell(col, row); }
    void setCell(int col, int row, const QString &text) { m_model->setCell(col, row, text); }
    void deleteRow(int row) { m_model->deleteRow(row); }
    void beginUpdate() { m_model->beginUpdate(); }
    void endUpdate() { m_model->endUpdate(); }

    // The current row: 1 .. RowCount() - 1, or 0 when the grid has no card rows.
    int Row() const;
    void setRow(int row);

    // Column widths in pixels (also for columns not there yet) and header
    // texts (row 0).
    void setColWidths(const QList<int> &widths);
    void setHeaders(const QStringList &titles);

    // One sort direction for the whole grid: it starts ascending, and
    // sortColumn() sorts with it and then reverses it for the next sort.
    Qt::SortOrder sortOrder() const { return m_order; }
    void setSortOrder(Qt::SortOrder o) { m_order = o; }
    void sortColumn(int col);

    void setRowHeight(int px);
    int rowHeight() const;
    void setGridFont(const QFont &f);

    // The cost column and how a row's cost is found.
    void setCostColumn(int col, CostCellDelegate::CostOfRow costOf);
    CostCellDelegate *costDelegate() const { return m_delegate; }

signals:
    // A click on the title of column `col`.
    void headerClicked(int col);
    // The current row changed by the user (mouse or keyboard).
    void rowClicked(int row);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;

private:
    StringGridModel *m_model;
    CostCellDelegate *m_delegate;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    void rememberWidths();

    int m_savedRow = 1;
    int m_colsBefore = 0;
    QVector<int> m_widths;   // last known width of every column ever shown
};
