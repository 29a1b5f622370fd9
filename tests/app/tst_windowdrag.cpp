// Geometry rules of the tool windows, as plain functions.

#include "app/windowdrag.h"

#include <QTest>

class TestWindowDrag : public QObject {
    Q_OBJECT
private slots:
    void resizeZone_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<bool>("inside");
        // Window of 300 x 200: the zone is x > 292 and y > 192.
        QTest::newRow("first pixel of the zone") << QPoint(293, 193) << true;
        QTest::newRow("last pixel") << QPoint(299, 199) << true;
        QTest::newRow("beyond the window while dragging") << QPoint(400, 260) << true;
        QTest::newRow("one left") << QPoint(292, 199) << false;
        QTest::newRow("one up") << QPoint(299, 192) << false;
        QTest::newRow("top left") << QPoint(0, 0) << false;
    }
    void resizeZone()
    {
        QFETCH(QPoint, pos);
        QFETCH(bool, inside);
        QCOMPARE(WindowDrag::inResizeZone(pos, QSize(300, 200)), inside);
    }

    void screenShowingMost_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<int>("screen");
        QTest::newRow("all on the first") << QRect(10, 10, 500, 400) << 0;
        QTest::newRow("mostly on the second") << QRect(1700, 0, 1000, 500) << 1;
        QTest::newRow("mostly on the first") << QRect(1000, 0, 1000, 500) << 0;
        QTest::newRow("on the third, below") << QRect(100, 1200, 300, 300) << 2;
        QTest::newRow("on none") << QRect(-5000, -5000, 10, 10) << 0;
    }
    void screenShowingMost()
    {
        QFETCH(QRect, window);
        QFETCH(int, screen);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024), QRect(0, 1080, 1920, 1080)};
        QCOMPARE(WindowDrag::screenShowingMost(window, screens), screen);
        QCOMPARE(WindowDrag::screenShowingMost(window, {}), -1);
    }
};

QTEST_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
