// The database window on a small catalogue: listing the selected sets, the
// quick search, sorting by the titles and the "Show All as selected card"
// filters, and the command-line search on the same data.

#include "app/form1.h"
#include "app/forms.h"
#include "app/widgetstringgrid.h"
#include "carddb/cardlist.h"
#include "carddb/formdb.h"
#include "carddb/setlist.h"
#include "config/formprefs.h"
#include "support/appfixture.h"

#include <QAction>
#include <QHeaderView>
#include <QProcess>
#include <QtTest>

using namespace CardList;

namespace {
const QString Alpha = QStringLiteral("Limited Edition Alpha");
const QString Beta = QStringLiteral("Limited Edition Beta");
const QString Unlimited = QStringLiteral("Unlimited Edition");

// id, name, cost, type, power, toughness, edition, rarity, text, artist, price
const QList<QStringList> alphaCards = {
    {"1001", "Sample Elf", "{G}", "Creature - Elf", "1", "1", Alpha, "Common", "Taps for mana.", "Ann Ash", "0.10"},
    {"1002", "Sample Golem", "{4}", "Artifact Creature - Golem", "3", "3", Alpha, "Uncommon", "", "Angela Ray", "0.20"},
    {"1003", "Sample Wall", "{1}{W}", "Creature", "0", "4", Alpha, "Common", "Defender", "", "0.05"},
    {"1004", "sample bolt", "{R}", "Instant", "", "", Alpha, "Common", "Deal 3 damage.", "Cy Cole", "0.50"},
};
const QList<QStringList> betaCards = {
    {"2001", "Sample Elf Warrior", "{1}{G}", "Creature - Elf Warrior", "2", "2", Beta, "Common", "", "Ann Ash", "0.1"},
    {"2002", "Sample Trick", "{U}", "Tribal Instant - Elf Warrior", "", "", Beta, "Rare", "Blessed by an angel.",
     "Bo Berg", "1.0"},
    {"2003", "Sample Elf", "{G}", "Creature - Elf", "1", "1", Beta, "Rare", "", "Ann Ash", "0.3"},
    {"2004", "Ælfwine Guard", "{2}{W}", "Creature - Human Soldier", "2", "3", Beta, "Common", "", "Di Dahl", "0.2"},
};
const QList<QStringList> unlimitedCards = {
    {"3001", "Sample Angel", "{3}{W}{W}", "Creature - Angel", "4", "4", Unlimited, "Rare", "Flying", "Ed Eng", "2"},
    {"3002", "Sample Mire", "", "Land", "", "", Unlimited, "Common", "", "Ann Ash", "0.1"},
};

StringGrid *grid() { return FormDB->StringGrid1; }

QStringList ids()
{
    QStringList out;
    for (int r = 1; r < grid()->RowCount(); ++r)
        out << grid()->cell(ColId, r);
    return out;
}

QStringList names()
{
    QStringList out;
    for (int r = 1; r < grid()->RowCount(); ++r)
        out << grid()->cell(ColName, r);
    return out;
}

void selectId(const QString &id)
{
    const int r = int(ids().indexOf(id)) + 1;
    QVERIFY2(r > 0, qPrintable(id));
    grid()->setRow(r);
}

// Checks exactly the sets given, then lists them.
void listSets(const QStringList &displayForms)
{
    for (int i = 0; i < SetList::count(); ++i)
        FormPrefs->setCheckBox(i)->setChecked(displayForms.contains(SetList::displayForms().at(i)));
    Form1->Ladensets();
}

void runSearch(const QString &text)
{
    FormDB->EditSearch->setText(text);
    QTest::keyClick(FormDB->EditSearch, Qt::Key_Return);
}
} // namespace

class TestDatabaseWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsCheckedSetsInOrder();
    void artistColumn_data();
    void artistColumn();
    void noSetAndShorterList();
    void rowClickShowsCard();
    void search_data();
    void search();
    void sortAlternatesAcrossColumns();
    void filters_data();
    void filters();
    void cliSearchAgrees_data();
    void cliSearchAgrees();

private:
    TestDataRoot m_root;
    std::unique_ptr<AppFixture> m_app;
};

void TestDatabaseWindow::initTestCase()
{
    m_root.addManaPictures();
    m_root.addSet(SetList::fileFormOf(Alpha), alphaCards);
    m_root.addSet(SetList::fileFormOf(Beta), betaCards);
    m_root.addSet(SetList::fileFormOf(Unlimited), unlimitedCards);
}

void TestDatabaseWindow::init()
{
    m_app = std::make_unique<AppFixture>(m_root);
    FormPrefs->CB_artist->setChecked(true);
    listSets({Alpha, Beta});
}

void TestDatabaseWindow::cleanup()
{
    m_app.reset();
}

void TestDatabaseWindow::listsCheckedSetsInOrder()
{
    QCOMPARE(ids(), (QStringList{"1001", "1002", "1003", "1004", "2001", "2002", "2003", "2004"}));
    QCOMPARE(grid()->RowCount(), 9);
    QCOMPARE(FormDB->LabelCardsInDB->text(), QStringLiteral("10"));
    QCOMPARE(FormDB->LabelCardsShown->text(), QStringLiteral("8"));
    // A full row; the cost column holds no text but draws the card's cost.
    const QStringList row2 = {"", "Sample Golem", "", "Artifact Creature - Golem", "3", "3", "", Alpha,
                              "Uncommon", "0.20", "1002", "Angela Ray"};
    for (int c = 0; c < 12; ++c)
        if (c != ColColor)
            QCOMPARE(grid()->cell(c, 2), row2[c]);
    QCOMPARE(FormDB->costOfRow(2), QStringLiteral("{4}"));
}

void TestDatabaseWindow::artistColumn_data()
{
    QTest::addColumn<bool>("artist");
    QTest::newRow("Illustrator checked") << true;
    QTest::newRow("Illustrator unchecked") << false;
}

void TestDatabaseWindow::artistColumn()
{
    QFETCH(bool, artist);
    // Start from the other state so the change itself is seen.
    FormPrefs->CB_artist->setChecked(!artist);
    Form1->Ladensets();
    FormPrefs->CB_artist->setChecked(artist);
    Form1->Ladensets();
    QCOMPARE(grid()->ColCount(), artist ? 12 : 11);
    QCOMPARE(grid()->cell(ColArtist, 0), artist ? QStringLiteral("Illustrator") : QString());
    QCOMPARE(grid()->cell(ColArtist, 1), artist ? QStringLiteral("Ann Ash") : QString());
    QVERIFY(grid()->columnWidth(ColName) > 0);

    // The search and the filters write the artist under the same rule.
    runSearch(QStringLiteral("ash"));
    QCOMPARE(ids(), (QStringList{"1001", "2001", "2003", "3002"}));
    QCOMPARE(grid()->cell(ColArtist, 4), artist ? QStringLiteral("Ann Ash") : QString());
    selectId(QStringLiteral("2001"));
    Form1->MenuItem9Click();
    QCOMPARE(grid()->cell(ColArtist, 4), artist ? QStringLiteral("Ann Ash") : QString());
    QCOMPARE(grid()->ColCount(), artist ? 12 : 11);
}

void TestDatabaseWindow::noSetAndShorterList()
{
    listSets({Beta});
    QCOMPARE(ids(), (QStringList{"2001", "2002", "2003", "2004"}));
    QCOMPARE(FormDB->LabelCardsShown->text(), QStringLiteral("4"));
    listSets({});
    QCOMPARE(grid()->RowCount(), 1);
    QCOMPARE(grid()->Row(), 0);
    QCOMPARE(FormDB->LabelCardsShown->text(), QStringLiteral("0"));
    QCOMPARE(FormDB->LabelCardsInDB->text(), QStringLiteral("10"));
    // A checked set without a set file lists nothing.
    listSets({QStringLiteral("Revised Edition"), Unlimited});
    QCOMPARE(ids(), (QStringList{"3001", "3002"}));
}

void TestDatabaseWindow::rowClickShowsCard()
{
    FormDB->show();
    QVERIFY(QTest::qWaitForWindowExposed(FormDB));
    const QRect r = grid()->visualRect(grid()->model()->index(2, ColName));   // grid row 3
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(grid()->Row(), 3);
    QCOMPARE(Cards().Kaart.Id, QStringLiteral("1003"));
}

void TestDatabaseWindow::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");   // empty: the list stays as it was
    // Name, artist, rules text, type, from every set read (Unlimited is not listed).
    QTest::newRow("lower case") << "angel" << QStringList{"1002", "2002", "3001"};
    QTest::newRow("upper case") << "ANGEL" << QStringList{"1002", "2002", "3001"};
    QTest::newRow("mixed case") << "aNgEl" << QStringList{"1002", "2002", "3001"};
    QTest::newRow("set and rarity") << "unlimited" << QStringList{"3001", "3002"};
    QTest::newRow("colour") << "blue" << QStringList{"2002"};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("no match") << "zzzz" << QStringList{};
}

void TestDatabaseWindow::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    listSets({Beta});
    const QStringList before = ids();
    runSearch(text);
    QCOMPARE(ids(), expected.isEmpty() ? before : expected);
    QCOMPARE(FormDB->LabelCardsShown->text(), QString::number(ids().size()));
    // The details show the card of the current row.
    QCOMPARE(Cards().Kaart.Id, ids().value(grid()->Row() - 1));
}

void TestDatabaseWindow::sortAlternatesAcrossColumns()
{
    QHeaderView *h = grid()->horizontalHeader();
    auto click = [&](int col) {
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(col) + 5, 5));
    };
    click(ColRarity);   // ascending
    QCOMPARE(grid()->cell(ColRarity, 1), QStringLiteral("Common"));
    QCOMPARE(grid()->cell(ColRarity, 8), QStringLiteral("Uncommon"));
    click(ColName);     // descending, compared without case
    QCOMPARE(names(), (QStringList{"Ælfwine Guard", "Sample Wall", "Sample Trick", "Sample Golem",
                                   "Sample Elf Warrior", "Sample Elf", "Sample Elf", "sample bolt"}));
    click(ColName);     // ascending again
    QCOMPARE(names().first(), QStringLiteral("sample bolt"));
    QCOMPARE(names().last(), QStringLiteral("Ælfwine Guard"));
}

void TestDatabaseWindow::filters_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Color") << "MenuItem20" << "1001" << QStringList{"1001", "2001", "2003"};
    QTest::newRow("Name") << "MenuItem47" << "2003" << QStringList{"1001", "2003"};
    QTest::newRow("Set") << "MenuItem22" << "1004" << QStringList{"1001", "1002", "1003", "1004"};
    QTest::newRow("Type - Subtype") << "MenuItem46" << "1001" << QStringList{"1001", "2003"};
    // "Creature " occurs in Artifact Creature - Golem, not in a bare "Creature".
    QTest::newRow("Type of Creature - Elf")
        << "MenuItem16" << "1001" << QStringList{"1001", "1002", "2001", "2003", "2004", "3001"};
    QTest::newRow("Type of Instant") << "MenuItem16" << "1004" << QStringList{"1004", "2002"};
    QTest::newRow("Subtype of Creature - Elf Warrior") << "MenuItem17" << "2001" << QStringList{"2001", "2002"};
    QTest::newRow("Subtype of Instant") << "MenuItem17" << "1004" << QStringList{"1004", "2002"};
    QTest::newRow("Illustrator") << "MenuItem9" << "1001" << QStringList{"1001", "2001", "2003", "3002"};
}

void TestDatabaseWindow::filters()
{
    QFETCH(QString, item);
    QFETCH(QString, selected);
    QFETCH(QStringList, expected);
    selectId(selected);
    QAction *a = Form1->PopupMenu1->findChild<QAction *>(item);
    QVERIFY(a);
    a->trigger();
    QCOMPARE(ids(), expected);
    QCOMPARE(FormDB->LabelCardsShown->text(), QString::number(expected.size()));
}

void TestDatabaseWindow::cliSearchAgrees_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("angel") << "angel";
    QTest::newRow("Elf") << "Elf";
    QTest::newRow("utf-8 name") << "Ælfwine";
    QTest::newRow("no match") << "zzzz";
}

void TestDatabaseWindow::cliSearchAgrees()
{
    QFETCH(QString, text);
    QProcess cli;
    cli.start(QStringLiteral(VT_CLI_PATH), {QStringLiteral("search"), m_root.path(), text});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    const int count = lines.takeLast().toInt();
    QCOMPARE(count, lines.size());

    listSets({});   // an empty list, so any match shows
    runSearch(text);
    QStringList window;
    for (int r = 1; r < grid()->RowCount(); ++r)
        window << grid()->cell(ColId, r) + QLatin1Char('\t') + grid()->cell(ColName, r) + QLatin1Char('\t')
                      + grid()->cell(ColSet, r);
    QCOMPARE(lines, window);
}

QTEST_MAIN(TestDatabaseWindow)
#include "tst_databasewindow.moc"
