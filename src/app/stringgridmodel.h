#pragma once
// The cells of a string grid: text only, stored in one contiguous block,
// row 0 being the header row. Shared by every card grid of the program.
//
// Rows are counted the way the windows count them: row 0 holds the column
// titles, card rows are 1 .. RowCount() - 1. Qt's own row numbers (used by
// the view) are one lower: Qt row r is grid row r + 1.

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(QObject *parent = nullptr);

    // Grid rows including the header row (never below 1).
    int RowCount() const { return m_rows; }
    // Rows past the new count are dropped; new rows are empty.
    void setRowCount(int rows);
    int ColCount() const { return m_cols; }
    // Keeps the text of the columns that remain.
    void setColCount(int cols);

    // Text of a cell; empty outside the grid.
    QString cell(int col, int row) const;
    const QString &cellRef(int col, int row) const { return m_cells[size_t(row) * size_t(m_cols) + size_t(col)]; }
    // Writes a cell; writes outside the grid are ignored.
    void setCell(int col, int row, const QString &text);

    // Removes card row `row` (1 .. RowCount() - 1).
    void deleteRow(int row);

    // Sorts the card rows by the text of `col`, compared case-insensitively
    // (Unicode case folding). Rows with equal keys keep their order.
    void sortByColumn(int col, Qt::SortOrder order);

    // Bulk filling: between beginUpdate() and endUpdate() cell and size
    // changes send no signals; endUpdate() tells the views once.
    void beginUpdate();
    void endUpdate();
    bool updating() const { return m_updating > 0; }

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void beginChange();
    void endChange();

    int m_rows = 1;
    int m_cols = 0;
    QVector<QString> m_cells;   // row-major, m_rows * m_cols
    int m_updating = 0;
};
