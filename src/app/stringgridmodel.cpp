#include "app/stringgridmodel.h"

#include <algorithm>
#include <numeric>
#include <vector>

StringGridModel::StringGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void StringGridModel::beginChange()
{
    if (!m_updating)
        beginResetModel();
}

void StringGridModel::endChange()
{
    if (!m_updating)
        endResetModel();
}

void StringGridModel::beginUpdate()
{
    if (m_updating++ == 0)
        beginResetModel();
}

void StringGridModel::endUpdate()
{
    if (m_updating > 0 && --m_updating == 0)
        endResetModel();
}

void StringGridModel::setRowCount(int rows)
{
    rows = std::max(rows, 1);
    if (rows == m_rows)
        return;
    beginChange();
    m_rows = rows;
    m_cells.resize(qsizetype(m_rows) * m_cols);
    endChange();
}

void StringGridModel::setColCount(int cols)
{
    cols = std::max(cols, 0);
    if (cols == m_cols)
        return;
    beginChange();
    QVector<QString> cells(qsizetype(m_rows) * cols);
    const int keep = std::min(cols, m_cols);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < keep; ++c)
            cells[qsizetype(r) * cols + c] = std::move(m_cells[qsizetype(r) * m_cols + c]);
    m_cells = std::move(cells);
    m_cols = cols;
    endChange();
}

QString StringGridModel::cell(int col, int row) const
{
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows)
        return QString();
    return cellRef(col, row);
}

void StringGridModel::setCell(int col, int row, const QString &text)
{
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows)
        return;
    m_cells[qsizetype(row) * m_cols + col] = text;
    if (m_updating)
        return;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex i = index(row - 1, col);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
}

void StringGridModel::deleteRow(int row)
{
    if (row < 1 || row >= m_rows)
        return;
    if (!m_updating)
        beginRemoveRows(QModelIndex(), row - 1, row - 1);
    const auto first = m_cells.begin() + qsizetype(row) * m_cols;
    m_cells.erase(first, first + m_cols);
    --m_rows;
    if (!m_updating)
        endRemoveRows();
}

void StringGridModel::sortByColumn(int col, Qt::SortOrder order)
{
    if (col < 0 || col >= m_cols || m_rows <= 2)
        return;
    const int n = m_rows - 1;
    // Fold the keys once; comparing folded text exactly is the same as a
    // case-insensitive comparison, without folding on every comparison.
    std::vector<QString> keys(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        keys[size_t(i)] = cellRef(col, i + 1).toCaseFolded();
    std::vector<int> perm(static_cast<size_t>(n));
    std::iota(perm.begin(), perm.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(perm.begin(), perm.end(),
                         [&](int a, int b) { return QString::compare(keys[size_t(a)], keys[size_t(b)]) < 0; });
    else
        std::stable_sort(perm.begin(), perm.end(),
                         [&](int a, int b) { return QString::compare(keys[size_t(a)], keys[size_t(b)]) > 0; });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QVector<QString> cells(m_cells.size());
    for (int c = 0; c < m_cols; ++c)
        cells[c] = std::move(m_cells[c]);
    std::vector<int> newPos(static_cast<size_t>(n));
    for (int to = 0; to < n; ++to) {
        const int from = perm[size_t(to)];
        newPos[size_t(from)] = to;
        for (int c = 0; c < m_cols; ++c)
            cells[qsizetype(to + 1) * m_cols + c] = std::move(m_cells[qsizetype(from + 1) * m_cols + c]);
    }
    m_cells = std::move(cells);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after << (i.isValid() ? index(newPos[size_t(i.row())], i.column()) : QModelIndex());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int StringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows - 1;
}

int StringGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant StringGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    const int row = index.row() + 1;
    if (row >= m_rows || index.column() >= m_cols)
        return QVariant();
    return cellRef(index.column(), row);
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_cols)
        return cellRef(section, 0);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}
