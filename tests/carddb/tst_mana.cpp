// Mana cost notation: splitting a cost, the symbol table and picture codes.

#include "carddb/mana.h"

#include <QtTest>

class TestMana : public QObject {
    Q_OBJECT
private slots:
    void split_data();
    void split();
    void convertAll_data();
    void convertAll();
    void convertUnknown_data();
    void convertUnknown();
    void pictureCodes();
};

void TestMana::split_data()
{
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QStringList>("symbols");
    QTest::newRow("two white") << "{2}{W}{W}" << QStringList{"2", "W", "W"};
    QTest::newRow("hybrid") << "{3}{B/R}{B/R}" << QStringList{"3", "B/R", "B/R"};
    QTest::newRow("phyrexian") << "{1}{WP}" << QStringList{"1", "WP"};
    QTest::newRow("empty cost") << "" << QStringList{""};
    QTest::newRow("no picture number") << "{11}{G}" << QStringList{"11", "G"};
    // A "{" that is never closed ends the cost instead of looping forever.
    QTest::newRow("unterminated last") << "{2}{W" << QStringList{"2", "W"};
    QTest::newRow("unterminated only") << "{W" << QStringList{"W"};
    QTest::newRow("lone brace") << "{" << QStringList{""};
    QTest::newRow("brace after symbols") << "{1}{" << QStringList{"1", ""};
    QTest::newRow("closing brace first") << "}{W}" << QStringList{"", "W"};
    QTest::newRow("twelve") << "{1}{2}{3}{4}{5}{6}{7}{8}{9}{10}{W}{U}"
                            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "W", "U"};
}

void TestMana::split()
{
    QFETCH(QString, cost);
    QFETCH(QStringList, symbols);
    QCOMPARE(Mana::splitCost(cost), symbols);
}

void TestMana::convertAll_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");
    const char *const expected[39][2] = {
        {"0", "0.bmp"}, {"1", "1.bmp"}, {"2", "2.bmp"}, {"3", "3.bmp"}, {"4", "4.bmp"}, {"5", "5.bmp"},
        {"6", "6.bmp"}, {"7", "7.bmp"}, {"8", "8.bmp"}, {"9", "9.bmp"}, {"10", "10.bmp"}, {"RP", "RP.bmp"},
        {"UP", "UP.bmp"}, {"2/G", "2G.bmp"}, {"2/W", "2W.bmp"}, {"15", "15.bmp"}, {"16", "16.bmp"},
        {"2/U", "2U.bmp"}, {"2/B", "2B.bmp"}, {"2/R", "2R.bmp"}, {"X", "X.bmp"}, {"B", "B.bmp"},
        {"G", "G.bmp"}, {"R", "R.bmp"}, {"U", "U.bmp"}, {"W", "W.bmp"}, {"B/R", "BR.bmp"}, {"R/G", "RG.bmp"},
        {"U/B", "UB.bmp"}, {"G/W", "GW.bmp"}, {"W/U", "WU.bmp"}, {"G/U", "GU.bmp"}, {"W/B", "WB.bmp"},
        {"B/G", "BG.bmp"}, {"U/R", "UR.bmp"}, {"R/W", "RW.bmp"}, {"BP", "BP.bmp"}, {"WP", "WP.bmp"},
        {"GP", "GP.bmp"},
    };
    for (int i = 0; i < 39; ++i)
        QTest::newRow(expected[i][0]) << QString::fromLatin1(expected[i][0]) << i << QString::fromLatin1(expected[i][1]);
}

void TestMana::convertAll()
{
    QFETCH(QString, symbol);
    QFETCH(int, index);
    QFETCH(QString, file);
    QCOMPARE(Mana::Convert(symbol), index);
    QCOMPARE(Mana::bitmapFileOfIndex(index), file);
}

void TestMana::convertUnknown_data()
{
    QTest::addColumn<QString>("symbol");
    for (const char *s : {"11", "14", "17", "100", "w", "b/r", "", "R/B", "P", "{W}", " W"})
        QTest::newRow(s[0] ? s : "empty") << QString::fromLatin1(s);
}

void TestMana::convertUnknown()
{
    QFETCH(QString, symbol);
    QCOMPARE(Mana::Convert(symbol), Mana::NoPicture);
}

void TestMana::pictureCodes()
{
    QCOMPARE(Mana::pictureCode(QStringLiteral("B/R")), QStringLiteral("BR"));
    QCOMPARE(Mana::pictureCode(QStringLiteral("2/W")), QStringLiteral("2W"));
    QCOMPARE(Mana::pictureCode(QStringLiteral("WP")), QStringLiteral("WP"));
    QCOMPARE(Mana::downloadedCodes(),
             QStringList({"GU", "WB", "BG", "UR", "RW", "UP", "RP", "BP", "WP", "GP"}));
}

QTEST_GUILESS_MAIN(TestMana)
#include "tst_mana.moc"
