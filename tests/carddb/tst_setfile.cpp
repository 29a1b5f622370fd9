// The set file reader: value cutting, rules text, entities, colours, layout.

#include "carddb/card.h"
#include "carddb/setfile.h"
#include "carddb/setlist.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSetFile : public QObject {
    Q_OBJECT
private slots:
    void valueRule_data();
    void valueRule();
    void oracleRule_data();
    void oracleRule();
    void entities_data();
    void entities();
    void color_data();
    void color();
    void artistLineOptional();
    void lineEnds_data();
    void lineEnds();
    void noCardBlock();
    void cardCutShortByEndOfFile();
    void entitiesOnlyInNameEditionText();
    void setListForms();
    void missingFilesAreSkipped();
    void damagedInput_data();
    void damagedInput();
};

void TestSetFile::valueRule_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("plain id") << QByteArray("<id>12345</id>") << QByteArray("<id>") << QByteArray("12345");
    QTest::newRow("blanks around tags") << QByteArray("    <name>Sample Drake</name>   ") << QByteArray("<name>")
                                        << QByteArray("Sample Drake");
    QTest::newRow("text before tag dropped") << QByteArray("xx<cost>{1}{U}</cost>") << QByteArray("<cost>")
                                             << QByteArray("{1}{U}");
    QTest::newRow("empty value") << QByteArray("<power></power>") << QByteArray("<power>") << QByteArray("");
    // A missing tag still eats tag length - 1 characters.
    QTest::newRow("tag missing") << QByteArray("abcdefgh") << QByteArray("<id>") << QByteArray("defgh");
    QTest::newRow("closing tag elsewhere") << QByteArray("<type>Creature - Elf") << QByteArray("<type>")
                                           << QByteArray("Creature - Elf");
    QTest::newRow("one character") << QByteArray("<power>*</power>") << QByteArray("<power>") << QByteArray("*");
    QTest::newRow("utf8 kept") << QByteArray("<name>S\xc3\xa9" "ance</name>") << QByteArray("<name>")
                               << QByteArray("S\xc3\xa9" "ance");
}

void TestSetFile::valueRule()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, tag);
    QFETCH(QByteArray, value);
    QCOMPARE(SetFile::valueRule(line, tag), value);
}

void TestSetFile::oracleRule_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("two lines") << QByteArray("  <oracleText>Flying&lt;br&gt;Vigilance</oracleText>")
                               << QStringLiteral("Flying\rVigilance");
    QTest::newRow("closing tag on another line") << QByteArray("<oracleText>Draw a card.")
                                                 << QStringLiteral("Draw a card.");
    QTest::newRow("one character becomes empty") << QByteArray("<oracleText>.</oracleText>") << QString();
    QTest::newRow("two characters kept") << QByteArray("<oracleText>Hi</oracleText>") << QStringLiteral("Hi");
    QTest::newRow("empty") << QByteArray("<oracleText></oracleText>") << QString();
    QTest::newRow("italic reminder") << QByteArray("<oracleText>&lt;i&gt;Shh&lt;/i&gt;</oracleText>")
                                     << QStringLiteral(" Shh ");
}

void TestSetFile::oracleRule()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QByteArray file = "<mc>\n<id>1</id>\n<name>N</name>\n<cost></cost>\n<type>Instant</type>\n<power></power>\n"
                      "<toughness></toughness>\n<edition>Alliances</edition>\n<rarity>Common</rarity>\n";
    file += line + "\n<dbprice>0.10</dbprice>\n</mc>\n";
    CardTable t;
    TKaart k;
    QCOMPARE(SetFile::readBytes(file, t, k), 1);
    QCOMPARE(t.at(1).OracleText, text);
    QCOMPARE(t.at(1).DbPrice, QStringLiteral("0.10"));
}

void TestSetFile::entities_data()
{
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("apostrophe") << QByteArray("Urza&apos;s Saga") << QByteArray("Urza's Saga");
    QTest::newRow("quote") << QByteArray("Time Spiral &quot;Timeshifted&quot;")
                           << QByteArray("Time Spiral \"Timeshifted\"");
    QTest::newRow("break") << QByteArray("a&lt;br&gt;b") << QByteArray("a\rb");
    QTest::newRow("amp stays") << QByteArray("R&amp;D") << QByteArray("R&amp;D");
    // Replacements run one after the other, in a fixed order: a break is
    // replaced before the italics, so "&lt;br&gt;" inside does not survive.
    QTest::newRow("order") << QByteArray("&lt;i&gt;x&lt;br&gt;y&lt;/i&gt;") << QByteArray(" x\ry ");
    QTest::newRow("nested leftovers not rescanned") << QByteArray("&amp;apos;") << QByteArray("&amp;apos;");
}

void TestSetFile::entities()
{
    QFETCH(QByteArray, in);
    QFETCH(QByteArray, out);
    QCOMPARE(SetFile::RemoveXMLtags(in), out);
}

void TestSetFile::color_data()
{
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("color");
    QTest::newRow("white blue") << "{2}{W}{U}" << "White/Blue";
    QTest::newRow("hybrid") << "{B/R}" << "Black/Red";
    QTest::newRow("generic") << "{1}" << "";
    QTest::newRow("x") << "{X}" << "";
    QTest::newRow("two-generic hybrid") << "{2/W}" << "White";
    QTest::newRow("phyrexian") << "{WP}" << "White";
    QTest::newRow("all five in fixed order") << "{U}{G}{R}{B}{W}" << "White/Black/Red/Green/Blue";
    QTest::newRow("lower case ignored") << "{w}" << "";
    QTest::newRow("empty") << "" << "";
}

void TestSetFile::color()
{
    QFETCH(QString, cost);
    QFETCH(QString, color);
    QByteArray file = "<mc>\n<id>7</id>\n<name>N</name>\n<cost>" + cost.toUtf8()
        + "</cost>\n<type>T</type>\n\n\n<edition>E</edition>\n\n<oracleText></oracleText>\n<dbprice>1</dbprice>\n";
    CardTable t;
    TKaart k;
    SetFile::readBytes(file, t, k);
    QCOMPARE(t.at(1).Color, color);
}

void TestSetFile::artistLineOptional()
{
    const QByteArray file =
        "<set>\n"
        "<mc>\n<id>1</id>\n<name>A</name>\n<cost>{G}</cost>\n<type>Creature - Elf</type>\n<power>1</power>\n"
        "<toughness>1</toughness>\n<edition>Alliances</edition>\n<rarity>Common</rarity>\n"
        "<oracleText>Text one</oracleText>\n<artist>Ann O&apos;Ray</artist>\n<dbprice>0.50</dbprice>\n</mc>\n"
        "<mc>\n<id>2</id>\n<name>B</name>\n<cost>{R}</cost>\n<type>Instant</type>\n<power></power>\n"
        "<toughness></toughness>\n<edition>Alliances</edition>\n<rarity>Rare</rarity>\n"
        "<oracleText>Text two</oracleText>\n<dbprice>2.00</dbprice>\n</mc>\n</set>\n";
    CardTable t;
    TKaart k;
    QCOMPARE(SetFile::readBytes(file, t, k), 2);
    QCOMPARE(t.at(1).Artist, QStringLiteral("Ann O&apos;Ray"));   // no entity replacement for artists
    QCOMPARE(t.at(1).DbPrice, QStringLiteral("0.50"));
    QCOMPARE(t.at(2).Artist, QString());
    QCOMPARE(t.at(2).DbPrice, QStringLiteral("2.00"));
    QCOMPARE(t.at(2).Rarity, QStringLiteral("Rare"));
    QCOMPARE(t.at(1).Count, 0);
    QCOMPARE(k.Id, QStringLiteral("2"));   // the current card keeps the last one read
}

void TestSetFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("eol");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
    QTest::newRow("CRLF") << QByteArray("\r\n");
}

void TestSetFile::lineEnds()
{
    QFETCH(QByteArray, eol);
    QList<QByteArray> lines = {"<?xml?>", "<mc>", "<id>10</id>", "<name>N</name>", "<cost>{1}</cost>",
                               "<type>Artifact</type>", "<power></power>", "<toughness></toughness>",
                               "<edition>Mirage</edition>", "<rarity>Common</rarity>",
                               "<oracleText>Tap: add one.</oracleText>", "<dbprice>0.1</dbprice>", "</mc>",
                               "<mc>", "<id>11</id>", "<name>M</name>"};
    CardTable t;
    TKaart k;
    QCOMPARE(SetFile::readBytes(lines.join(eol), t, k), 2);
    QCOMPARE(t.at(1).Edition, QStringLiteral("Mirage"));
    QCOMPARE(t.at(1).OracleText, QStringLiteral("Tap: add one."));
    QCOMPARE(t.at(2).Id, QStringLiteral("11"));
}

void TestSetFile::noCardBlock()
{
    CardTable t;
    TKaart k;
    k.Id = QStringLiteral("keep");
    QCOMPARE(SetFile::readBytes("<?xml version=\"1.0\"?>\n<cards>\n</cards>\n", t, k), 0);
    QCOMPARE(t.count(), 0);
    QCOMPARE(k.Id, QStringLiteral("keep"));
}

void TestSetFile::cardCutShortByEndOfFile()
{
    CardTable t;
    TKaart k;
    QCOMPARE(SetFile::readBytes("<mc>\n<id>5</id>\n<name>Half Card</name>\n<cost>{B}", t, k), 1);
    QCOMPARE(t.at(1).Name, QStringLiteral("Half Card"));
    QCOMPARE(t.at(1).Cost, QStringLiteral("{B}"));
    QCOMPARE(t.at(1).Color, QStringLiteral("Black"));
    QCOMPARE(t.at(1).CardType, QString());
    QCOMPARE(t.at(1).DbPrice, QString());
}

void TestSetFile::entitiesOnlyInNameEditionText()
{
    const QByteArray file = "<mc>\n<id>3</id>\n<name>Sage&apos;s Ward</name>\n<cost>{W}</cost>\n"
                            "<type>Enchantment&apos;</type>\n<power></power>\n<toughness></toughness>\n"
                            "<edition>Urza&apos;s Saga</edition>\n<rarity>Common</rarity>\n"
                            "<oracleText>It&apos;s fine.</oracleText>\n<dbprice>0.1</dbprice>\n";
    CardTable t;
    TKaart k;
    SetFile::readBytes(file, t, k);
    QCOMPARE(t.at(1).Name, QStringLiteral("Sage's Ward"));
    QCOMPARE(t.at(1).Edition, QStringLiteral("Urza's Saga"));
    QCOMPARE(SetList::indexOfDisplayForm(t.at(1).Edition), 65);
    QCOMPARE(t.at(1).OracleText, QStringLiteral("It's fine."));
    QCOMPARE(t.at(1).CardType, QStringLiteral("Enchantment&apos;"));
}

void TestSetFile::setListForms()
{
    QCOMPARE(SetList::count(), 102);
    const QStringList &f = SetList::fileForms();
    QCOMPARE(f.at(0), QStringLiteral("Limited_Edition_Alpha"));
    QCOMPARE(f.at(50), QStringLiteral("Ravnica__City_of_Guilds"));
    QCOMPARE(f.at(61), QStringLiteral("Time_Spiral__Timeshifted_"));
    QCOMPARE(f.at(65), QStringLiteral("Urza_s_Saga"));
    QCOMPARE(f.at(96), QStringLiteral("Duel_Decks__Phyrexia_vs__the_Coalition"));
    QCOMPARE(f.at(101), QStringLiteral("Magic__The_Gathering_Commander"));
    QCOMPARE(SetList::checkBoxName(61), QStringLiteral("CB_Time_Spiral__Timeshifted"));
    QCOMPARE(SetList::checkBoxName(27), QStringLiteral("CB_Fallen_Empires"));
    QCOMPARE(SetList::checkBoxName(0), QStringLiteral("CB_Alpha"));
    QCOMPARE(QSet<QString>(f.begin(), f.end()).size(), 102);
}

void TestSetFile::missingFilesAreSkipped()
{
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QByteArray &b) {
        QFile out(dir.path() + QLatin1Char('/') + name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(b);
    };
    // Written out of order: the reader still follows the set list.
    write(QStringLiteral("Mirage.xml"), "<mc>\n<id>2</id>\n<name>B</name>\n\n\n\n\n<edition>Mirage</edition>\n");
    write(QStringLiteral("Limited_Edition_Alpha.xml"),
          "<mc>\n<id>1</id>\n<name>A</name>\n\n\n\n\n<edition>Limited Edition Alpha</edition>\n");
    write(QStringLiteral("Alliances.xml"), "<cards></cards>\n");
    CardTable t;
    TKaart k;
    QStringList progress;
    const auto entries = SetFile::readCatalogue(dir.path(), t, k, [&](const QString &f) { progress << f; });
    QCOMPARE(progress, QStringList({"Limited_Edition_Alpha", "Alliances", "Mirage"}));
    QCOMPARE(t.count(), 2);
    QCOMPARE(t.at(1).Id, QStringLiteral("1"));
    QCOMPARE(t.at(2).Id, QStringLiteral("2"));
    QCOMPARE(entries.size(), size_t(3));
    QCOMPARE(entries[1].result.lastEdition, QString());   // a file without cards names no set
}

void TestSetFile::damagedInput_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("firstName");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256);
    QTest::newRow("binary garbage") << garbage << int(garbage.count("<mc>")) << QString();
    QTest::newRow("block marker on the last line") << QByteArray("<x>\n<mc>") << 1 << QString();
    QTest::newRow("huge name line") << (QByteArray("<mc>\n<id>1</id>\n<name>") + QByteArray(1 << 20, 'a')
                                        + "</name>\n")
                                    << 1 << QString(1 << 20, QLatin1Char('a'));
    QTest::newRow("nul bytes inside") << QByteArray("<mc>\n<id>1</id>\n<name>A\0B</name>\n", 33) << 1
                                      << QString::fromLatin1("A\0B", 3);
    QTest::newRow("invalid utf-8") << QByteArray("<mc>\n<id>1</id>\n<name>\xff\xfe</name>\n") << 1
                                   << QString(2, QChar::ReplacementCharacter);
    QTest::newRow("tags only, no values") << QByteArray("<mc>\n<\n>\n<<\n>>\n&\n&lt;\n") << 1 << QString();
}

void TestSetFile::damagedInput()
{
    QFETCH(QByteArray, data);
    QFETCH(int, cards);
    QFETCH(QString, firstName);
    CardTable t;
    TKaart k;
    QCOMPARE(SetFile::readBytes(data, t, k), cards);
    QCOMPARE(t.count(), cards);
    if (cards > 0 && !firstName.isNull())
        QCOMPARE(t.at(1).Name, firstName);
}

QTEST_GUILESS_MAIN(TestSetFile)
#include "tst_setfile.moc"
