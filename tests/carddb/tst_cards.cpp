// The card tables and their lookups.

#include "carddb/card.h"

#include <QtTest>

namespace {
TKaart card(const QString &id, const QString &name, const QString &edition = QStringLiteral("Mirage"))
{
    TKaart k;
    k.Id = id;
    k.Name = name;
    k.Edition = edition;
    return k;
}
} // namespace

class TestCards : public QObject {
    Q_OBJECT
private slots:
    void init() { Cards().reset(); }
    void emptyCatalogueChangesNothing();
    void duplicateIdTakesFirst();
    void reprintTakesLastRead();
    void exactComparison_data();
    void exactComparison();
    void countRules();
    void tablesGrowPastOldCapacity();
    void indexFollowsChanges();
    void safeIds_data();
    void safeIds();
};

void TestCards::emptyCatalogueChangesNothing()
{
    CardState &c = Cards();
    c.Kaart = card(QStringLiteral("9"), QStringLiteral("Before"));
    c.IndexKaart = 4;
    c.LaadKaart(QStringLiteral("9"));
    c.GetKaartFromName(QStringLiteral("Before"));
    c.LaadVerzamelKaart(QStringLiteral("9"));
    QCOMPARE(c.Kaart.Name, QStringLiteral("Before"));
    QCOMPARE(c.IndexKaart, 4);
}

void TestCards::duplicateIdTakesFirst()
{
    CardState &c = Cards();
    c.Kaarten.append(card(QStringLiteral("1"), QStringLiteral("One")));
    c.Kaarten.append(card(QStringLiteral("5"), QStringLiteral("First five")));
    c.Kaarten.append(card(QStringLiteral("5"), QStringLiteral("Second five")));
    c.LaadKaart(QStringLiteral("5"));
    QCOMPARE(c.Kaart.Name, QStringLiteral("First five"));
    QCOMPARE(c.IndexKaart, 2);
}

void TestCards::reprintTakesLastRead()
{
    CardState &c = Cards();
    c.Kaarten.append(card(QStringLiteral("10"), QStringLiteral("Sample Bear"), QStringLiteral("Fourth Edition")));
    c.Kaarten.append(card(QStringLiteral("20"), QStringLiteral("Sample Bear"), QStringLiteral("Fifth Edition")));
    c.Kaarten.append(card(QStringLiteral("30"), QStringLiteral("Other")));
    c.GetKaartFromName(QStringLiteral("Sample Bear"));
    QCOMPARE(c.Kaart.Id, QStringLiteral("20"));
    QCOMPARE(c.Kaart.Edition, QStringLiteral("Fifth Edition"));
    QCOMPARE(c.IndexKaart, 2);
    // The name resolves to an id, which then loads the first entry with that id.
    c.Kaarten.append(card(QStringLiteral("10"), QStringLiteral("Late Bear"), QStringLiteral("Vanguard")));
    c.GetKaartFromName(QStringLiteral("Late Bear"));
    QCOMPARE(c.Kaart.Name, QStringLiteral("Sample Bear"));
    QCOMPARE(c.IndexKaart, 1);
}

void TestCards::exactComparison_data()
{
    QTest::addColumn<QString>("asked");
    QTest::newRow("case") << QStringLiteral("sample bear");
    QTest::newRow("trailing blank") << QStringLiteral("Sample Bear ");
    QTest::newRow("leading blank") << QStringLiteral(" Sample Bear");
}

void TestCards::exactComparison()
{
    QFETCH(QString, asked);
    CardState &c = Cards();
    c.Kaarten.append(card(QStringLiteral("10"), QStringLiteral("Sample Bear")));
    c.Kaart = card(QStringLiteral("0"), QStringLiteral("Previous"));
    c.GetKaartFromName(asked);
    QCOMPARE(c.Kaart.Name, QStringLiteral("Previous"));
    c.LaadKaart(QStringLiteral("10 "));
    QCOMPARE(c.Kaart.Name, QStringLiteral("Previous"));
}

void TestCards::countRules()
{
    CardState &c = Cards();
    c.Kaarten.append(card(QStringLiteral("1"), QStringLiteral("A")));
    TKaart owned = card(QStringLiteral("1"), QStringLiteral("A"));
    owned.Count = 7;
    c.VerzamelKaart.append(card(QStringLiteral("2"), QStringLiteral("B")));
    c.VerzamelKaart.append(owned);
    c.LaadKaart(QStringLiteral("1"));
    QCOMPARE(c.Kaart.Count, 1);
    c.LaadVerzamelKaart(QStringLiteral("1"));
    QCOMPARE(c.Kaart.Count, 7);
    QCOMPARE(c.IndexKaart, 2);
}

void TestCards::tablesGrowPastOldCapacity()
{
    CardState &c = Cards();
    for (int i = 1; i <= 25000; ++i)
        c.Kaarten.append(card(QString::number(i), QStringLiteral("Card %1").arg(i)));
    QCOMPARE(c.AantalKaarten(), 25000);
    c.LaadKaart(QStringLiteral("24999"));
    QCOMPARE(c.IndexKaart, 24999);
    c.GetKaartFromName(QStringLiteral("Card 25000"));
    QCOMPARE(c.Kaart.Id, QStringLiteral("25000"));
}

void TestCards::indexFollowsChanges()
{
    CardTable t;
    t.append(card(QStringLiteral("1"), QStringLiteral("A")));
    t.append(card(QStringLiteral("2"), QStringLiteral("B")));
    t.append(card(QStringLiteral("3"), QStringLiteral("C")));
    t.removeAt(1);
    QCOMPARE(t.firstWithId(QStringLiteral("1")), 0);
    QCOMPARE(t.firstWithId(QStringLiteral("3")), 2);
    t.set(1, card(QStringLiteral("9"), QStringLiteral("Z")));
    QCOMPARE(t.firstWithId(QStringLiteral("2")), 0);
    QCOMPARE(t.lastWithName(QStringLiteral("Z")), 1);
}

void TestCards::safeIds_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("safe");
    QTest::newRow("digits") << "12345" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("path") << "../../etc/passwd" << false;
    QTest::newRow("query") << "1&type=x" << false;
    QTest::newRow("blank") << "12 " << false;
    QTest::newRow("unicode digit") << QString::fromUtf8("١٢") << false;
}

void TestCards::safeIds()
{
    QFETCH(QString, id);
    QFETCH(bool, safe);
    QCOMPARE(isSafeCardId(id), safe);
}

QTEST_GUILESS_MAIN(TestCards)
#include "tst_cards.moc"
