// The shared string grid: sizes, sorting, and the drawing of cost cells.

#include "app/widgetstringgrid.h"
#include "carddb/manaimages.h"
#include "carddb/mana.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QtTest>

class TestStringGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sizesKeepText();
    void sortIsCaseInsensitiveAndStable_data();
    void sortIsCaseInsensitiveAndStable();
    void oneDirectionForAllColumns();
    void iconPlaces_data();
    void iconPlaces();
    void paintedCostCell();
    void currentRowSurvivesNewList();

private:
    static QStringList column(const StringGrid &g, int col)
    {
        QStringList out;
        for (int r = 1; r < g.RowCount(); ++r)
            out << g.cell(col, r);
        return out;
    }
};

// Solid symbol bitmaps, one distinct colour per picture index.
static QRgb symbolColor(int i) { return QColor::fromHsv((i * 37) % 360, 255, 200).rgb(); }

void TestStringGrid::initTestCase()
{
    QVector<QImage> &imgs = Images();
    imgs.resize(Mana::SymbolCount);
    for (int i = 0; i < Mana::SymbolCount; ++i) {
        QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
        img.fill(symbolColor(i));
        imgs[i] = img;
    }
}

void TestStringGrid::sizesKeepText()
{
    StringGrid g;
    g.setColCount(3);
    g.setRowCount(4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            g.setCell(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    QCOMPARE(g.model()->rowCount(), 3);               // the view sees card rows only
    QCOMPARE(g.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("1,0"));

    g.deleteRow(2);
    QCOMPARE(column(g, 1), (QStringList{QStringLiteral("1,1"), QStringLiteral("1,3")}));
    g.setColCount(2);
    g.setColCount(3);                                 // a column that comes back is empty
    QCOMPARE(g.cell(1, 2), QStringLiteral("1,3"));
    QCOMPARE(g.cell(2, 2), QString());
    g.setRowCount(2);
    g.setRowCount(3);                                 // so is a row
    QCOMPARE(g.cell(1, 2), QString());
    g.setRowCount(0);                                 // the header row always stays
    QCOMPARE(g.RowCount(), 1);
    QCOMPARE(g.Row(), 0);
    QCOMPARE(g.cell(1, 0), QStringLiteral("1,0"));
    g.setCell(5, 5, QStringLiteral("x"));             // outside: ignored
    QCOMPARE(g.cell(5, 5), QString());
}

void TestStringGrid::sortIsCaseInsensitiveAndStable_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ascending");
    QTest::newRow("ascii case") << QStringList{"beta", "Alpha", "alpha2", "Gamma"}
                                << QStringList{"Alpha", "alpha2", "beta", "Gamma"};
    // "Æ" and "æ" are one letter in two cases: the second word decides.
    QTest::newRow("utf-8 case") << QStringList{"Ærie b", "ærie a", "Éclair", "zeta"}
                                << QStringList{"zeta", "ærie a", "Ærie b", "Éclair"};
    QTest::newRow("text, not numbers") << QStringList{"9", "10", "2"} << QStringList{"10", "2", "9"};
    QTest::newRow("equal keys keep their order")
        << QStringList{"elf#1", "ELF#2", "Elf#3", "elf#4"} << QStringList{"elf#1", "ELF#2", "Elf#3", "elf#4"};
}

void TestStringGrid::sortIsCaseInsensitiveAndStable()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, ascending);
    // The "#n" tails only tag rows with equal keys; the key is the part before.
    StringGrid g;
    g.setColCount(2);
    g.setRowCount(names.size() + 1);
    for (int i = 0; i < names.size(); ++i) {
        g.setCell(0, i + 1, names[i].section(QLatin1Char('#'), 0, 0));
        g.setCell(1, i + 1, names[i]);
    }
    g.sortColumn(0);
    QCOMPARE(column(g, 1), ascending);
}

void TestStringGrid::oneDirectionForAllColumns()
{
    StringGrid g;
    g.setColCount(3);
    const QList<QStringList> rows = {{"b", "Beta", "2"}, {"a", "gamma", "1"}, {"c", "alpha", "3"}};
    g.setRowCount(rows.size() + 1);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 3; ++c)
            g.setCell(c, r + 1, rows[r][c]);
    QCOMPARE(g.sortOrder(), Qt::AscendingOrder);

    // A click on a title sorts; the direction turns for the next click,
    // whichever column that is.
    QHeaderView *h = g.horizontalHeader();
    g.resize(400, 200);
    QObject::connect(&g, &StringGrid::headerClicked, &g, &StringGrid::sortColumn);
    auto click = [&](int col) {
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(col) + 5, 5));
    };
    click(0);
    QCOMPARE(column(g, 0), (QStringList{"a", "b", "c"}));
    click(1);
    QCOMPARE(column(g, 1), (QStringList{"gamma", "Beta", "alpha"}));
    click(1);
    QCOMPARE(column(g, 1), (QStringList{"alpha", "Beta", "gamma"}));
    click(2);
    QCOMPARE(column(g, 2), (QStringList{"3", "2", "1"}));
}

void TestStringGrid::iconPlaces_data()
{
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<QList<int>>("places");   // 1-based place of each drawn symbol
    QTest::newRow("2WW") << "{2}{W}{W}" << QList<int>{2, 25, 25} << QList<int>{1, 2, 3};
    QTest::newRow("unknown symbol leaves a gap") << "{11}{G}" << QList<int>{22} << QList<int>{2};
    QTest::newRow("hybrid") << "{B/R}" << QList<int>{26} << QList<int>{1};
    QTest::newRow("empty") << "" << QList<int>{} << QList<int>{};
    QTest::newRow("unclosed brace ends") << "{2}{G" << QList<int>{2, 22} << QList<int>{1, 2};
    QTest::newRow("twelve symbols, none wrapped")
        << "{1}{2}{3}{4}{5}{6}{7}{8}{9}{10}{W}{U}" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 25, 24}
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
}

void TestStringGrid::iconPlaces()
{
    QFETCH(QString, cost);
    QFETCH(QList<int>, indexes);
    QFETCH(QList<int>, places);
    const QRect cell(100, 40, 80, 22);
    const int h = 22 - 4;
    const auto rects = CostCellDelegate::iconRects(cell, cost);
    QCOMPARE(rects.size(), indexes.size());
    for (int i = 0; i < rects.size(); ++i) {
        QCOMPARE(rects[i].first, indexes[i]);
        QCOMPARE(rects[i].second, QRect(100 + 2 + h * (places[i] - 1), 42, h, h));
    }
}

void TestStringGrid::paintedCostCell()
{
    // One row: cost column 1 between two text columns; the cost has an
    // unknown symbol in place 2 and more symbols than the 80 pixels hold.
    StringGrid g;
    g.setColCount(3);
    g.setColWidths({40, 80, 60});
    g.setRowCount(2);
    g.setRowHeight(22);
    g.setCostColumn(1, [](int row) { return row == 1 ? QStringLiteral("{G}{11}{R}{U}{W}{B}") : QString(); });
    g.resize(200, 80);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.clearSelection();
    g.setCurrentIndex(QModelIndex());
    const QImage img = g.viewport()->grab().toImage();
    const QRect cell = g.visualRect(g.model()->index(0, 1));
    const int h = cell.height() - 4;
    auto at = [&](int slot) {   // centre of the n-th symbol's square
        return img.pixel(cell.left() + 2 + h * (slot - 1) + h / 2, cell.top() + 2 + h / 2);
    };
    QCOMPARE(at(1), symbolColor(22));
    QVERIFY(at(2) != symbolColor(22) && at(2) != symbolColor(23));   // the gap
    QCOMPARE(at(3), symbolColor(23));
    QCOMPARE(at(4), symbolColor(24));
    // The fifth square starts inside the cell and is cut at its right edge;
    // nothing spills into the next column.
    QCOMPARE(img.pixel(cell.right() - 1, cell.top() + 2 + h / 2), symbolColor(25));
    const QRgb next = img.pixel(cell.right() + 6, cell.top() + 2 + h / 2);
    for (int i : {25, 21})
        QVERIFY(next != symbolColor(i));
}

void TestStringGrid::currentRowSurvivesNewList()
{
    StringGrid g;
    g.setColCount(1);
    g.setRowCount(11);
    QCOMPARE(g.Row(), 1);
    g.setRow(7);
    g.beginUpdate();
    g.setRowCount(20001);
    g.setRowCount(5);
    g.endUpdate();
    QCOMPARE(g.Row(), 4);   // as far as the shorter list reaches
    g.setRowCount(1);
    QCOMPARE(g.Row(), 0);
}

QTEST_MAIN(TestStringGrid)
#include "tst_stringgrid.moc"
