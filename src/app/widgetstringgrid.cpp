#include "app/widgetstringgrid.h"

#include "carddb/mana.h"
#include "carddb/manaimages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

QVector<std::pair<int, QRect>> CostCellDelegate::iconRects(const QRect &cell, const QString &cost)
{
    QVector<std::pair<int, QRect>> out;
    const int h = cell.height() - 4;
    if (h <= 0)
        return out;
    int n = 0;
    for (const QString &symbol : Mana::splitCost(cost)) {
        ++n;
        const int index = Mana::Convert(symbol);
        if (index < Mana::NoPicture)
            out.append({index, QRect(cell.left() + 2 + h * (n - 1), cell.top() + 2, h, h)});
    }
    return out;
}

void CostCellDelegate::paintCost(QPainter *p, const QRect &cell, const QString &cost)
{
    if (cost.isEmpty())
        return;
    const QVector<QImage> &images = Images();
    p->save();
    p->setClipRect(cell, Qt::IntersectClip);
    p->setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const auto &[index, r] : iconRects(cell, cost)) {
        if (r.left() > cell.right())
            break;
        if (index < images.size() && !images[index].isNull())
            p->drawImage(r, images[index]);
    }
    p->restore();
}

void CostCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() != m_col || !m_costOf)
        return;
    paintCost(painter, option.rect, m_costOf(index.row() + 1));
}

StringGrid::StringGrid(QWidget *parent)
    : QTableView(parent), m_model(new StringGridModel(this)), m_delegate(new CostCellDelegate(this))
{
    QTableView::setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    QHeaderView *vh = verticalHeader();
    vh->hide();
    vh->setSectionResizeMode(QHeaderView::Fixed);
    vh->setMinimumSectionSize(4);
    vh->setDefaultSectionSize(22);

    QHeaderView *hh = horizontalHeader();
    hh->setSectionResizeMode(QHeaderView::Interactive);
    hh->setSectionsClickable(true);
    hh->setHighlightSections(false);
    hh->setStretchLastSection(false);
    hh->setMinimumSectionSize(0);
    hh->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A double click on a column border fits the column to its contents
    // (QTableView does that for interactive sections).
    connect(hh, &QHeaderView::sectionClicked, this, [this](int col) { emit headerClicked(col); });

    // Resets (new lists, new sizes) keep the current row number, as far as
    // the new list reaches.
    // Columns that come back get the width they had (or were designed with).
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex cur = currentIndex();
        m_savedRow = cur.isValid() ? cur.row() + 1 : 1;
        m_colsBefore = horizontalHeader()->count();
        rememberWidths();
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        for (int c = m_colsBefore; c < ColCount(); ++c)
            setColumnWidth(c, m_widths.value(c, 64));
        setRow(m_savedRow);
    });

    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::AlternateBase, QColor(0xf3, 0xf5, 0xf8));
    pal.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
    pal.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0xb5));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(pal);
    setAlternatingRowColors(true);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setStyleSheet(QStringLiteral(
        "QTableView { gridline-color: #d9dde3; border: 1px solid #3a3d44; }"
        "QHeaderView::section { background: #e9ecf0; color: #202124; padding: 2px 4px;"
        " border: none; border-right: 1px solid #c9ced6; border-bottom: 1px solid #b8bec8; }"));
}

void StringGrid::setColCount(int cols)
{
    m_model->setColCount(cols);
}

void StringGrid::rememberWidths()
{
    const int n = horizontalHeader()->count();
    if (m_widths.size() < n)
        m_widths.resize(n);
    for (int c = 0; c < n; ++c)
        m_widths[c] = columnWidth(c);
}

int StringGrid::Row() const
{
    if (RowCount() <= 1)
        return 0;
    const QModelIndex cur = currentIndex();
    return cur.isValid() ? cur.row() + 1 : 1;
}

void StringGrid::setRow(int row)
{
    if (RowCount() <= 1)
        return;
    row = std::clamp(row, 1, RowCount() - 1);
    const QModelIndex i = m_model->index(row - 1, 0);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void StringGrid::setColWidths(const QList<int> &widths)
{
    if (m_widths.size() < widths.size())
        m_widths.resize(widths.size());
    for (int c = 0; c < widths.size(); ++c) {
        m_widths[c] = widths[c];
        if (c < horizontalHeader()->count())
            setColumnWidth(c, widths[c]);
    }
}

void StringGrid::setHeaders(const QStringList &titles)
{
    for (int c = 0; c < titles.size() && c < ColCount(); ++c)
        setCell(c, 0, titles[c]);
}

void StringGrid::sortColumn(int col)
{
    m_model->sortByColumn(col, m_order);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(col, m_order);
    m_order = (m_order == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
}

void StringGrid::setRowHeight(int px)
{
    verticalHeader()->setDefaultSectionSize(std::max(px, 4));
}

int StringGrid::rowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void StringGrid::setGridFont(const QFont &f)
{
    setFont(f);
    horizontalHeader()->setFont(f);
}

void StringGrid::setCostColumn(int col, CostCellDelegate::CostOfRow costOf)
{
    m_delegate->setCostColumn(col, std::move(costOf));
    viewport()->update();
}

void StringGrid::mousePressEvent(QMouseEvent *e)
{
    QTableView::mousePressEvent(e);
    if ((e->button() == Qt::LeftButton || e->button() == Qt::RightButton) && indexAt(e->position().toPoint()).isValid())
        emit rowClicked(Row());
}

void StringGrid::keyReleaseEvent(QKeyEvent *e)
{
    QTableView::keyReleaseEvent(e);
    switch (e->key()) {
    case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Home: case Qt::Key_End:
        if (!e->isAutoRepeat())
            emit rowClicked(Row());
        break;
    default:
        break;
    }
}
