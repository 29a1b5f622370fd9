// Start-up: folders, the command line, mana pictures, card tables and trees.

#include "app/appstate.h"
#include "app/form1.h"
#include "app/formmessages.h"
#include "app/forms.h"
#include "app/formwarning.h"
#include "carddb/formdb.h"
#include "carddb/manaimages.h"
#include "collections/formcollectie.h"
#include "decks/formdecks.h"
#include "details/formfoto.h"
#include "support/appfixture.h"
#include "support/testserver.h"
#include "update/download.h"

#include <QtTest>

namespace {
const QString kHelp = QStringLiteral(
    "Parameters:\r\r'-?' or '-help': This message\r'-eraseconfig': Erases the configuration file.  This can "
    "help when the application doesn't run properly.");

QStringList card(const QString &id, const QString &name, const QString &edition)
{
    return {id, name, QStringLiteral("{1}{G}"), QStringLiteral("Creature - Elf"), QStringLiteral("1"),
            QStringLiteral("1"), edition, QStringLiteral("Common"), QStringLiteral("Text"), QString(),
            QStringLiteral("0.10")};
}

void basicRoot(const TestDataRoot &root)
{
    root.addManaPictures();
    root.addSet(QStringLiteral("Mirage"), {card("1", "Sample Elf", "Mirage"), card("2", "Sample Wolf", "Mirage")});
    root.addSet(QStringLiteral("Alliances"), {card("3", "Sample Owl", "Alliances")});
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutSettingsFile();
    void commandLine_data();
    void commandLine();
    void eraseConfig();
    void homeUnsetOrMissing_data();
    void homeUnsetOrMissing();
    void presentIconsAreNotFetched();
    void missingIconsAreFetched();
    void missingBitmapEndsStartInOrder();
    void collectionAndDeckTrees();
    void setSearchList();
    void collectionWindowBroughtBack();
};

void TestStartup::defaultsWithoutSettingsFile()
{
    TestDataRoot root;
    basicRoot(root);
    AppFixture app(root);
    const AppState &a = App();
    QVERIFY(!Form1->startupFailed());
    QVERIFY(!a.FirstStart);
    QCOMPARE(a.StartDir, root.path());
    QCOMPARE(a.ConfigDir, app.home() + QStringLiteral("/.Tallyrun"));
    QVERIFY(QFileInfo(a.ConfigDir).isDir());
    QVERIFY(QFileInfo(root.file(QStringLiteral("Images/Cache"))).isDir());
    QCOMPARE(a.Thema, QStringLiteral("Black"));
    QCOMPARE(a.FontSize, 18);
    QVERIFY(a.FormDBVisible && a.FormFotoVisible && !a.FormCollectieVisible && !a.FormDecksVisible);
    QVERIFY(FormDB->isVisible() && FormFoto->isVisible());
    QVERIFY(!FormCollectie->isVisible() && !FormDecks->isVisible());
    QVERIFY(Form1->IcoonCollectie->isVisibleTo(Form1) && Form1->IcoonDecks->isVisibleTo(Form1));
    QVERIFY(!Form1->Icoondb->isVisibleTo(Form1));
    QCOMPARE(Cards().AantalKaarten(), 3);
    // Catalogue order follows the set list: Alliances (16) before Mirage (40).
    QCOMPARE(Cards().Kaarten.at(1).Name, QStringLiteral("Sample Owl"));
    QCOMPARE(Images().size(), 39);
    QVERIFY(!Images().at(38).isNull());
    QVERIFY(TFormWarning::shownMessages().isEmpty());
    QVERIFY(Messages::recorded().isEmpty());
}

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("leftoversRemoved");
    QTest::newRow("help") << QStringList{"-help"} << QStringList{kHelp} << false;
    QTest::newRow("question mark") << QStringList{"-?"} << QStringList{kHelp} << false;
    QTest::newRow("help in capitals") << QStringList{"-HELP"} << QStringList{} << false;
    QTest::newRow("help as second argument") << QStringList{"x", "-help"} << QStringList{} << false;
    QTest::newRow("updated right version") << QStringList{"-updated", "0.16_alpha_release"}
                                           << QStringList{"NEW VERSION INSTALLED"} << true;
    QTest::newRow("updated wrong version") << QStringList{"-updated", "0.15"} << QStringList{"UPDATE FAILED"}
                                           << false;
    QTest::newRow("updated no version") << QStringList{"-updated"} << QStringList{"UPDATE FAILED"} << false;
    QTest::newRow("updated as second argument") << QStringList{"x", "-updated", "0.16_alpha_release"}
                                                << QStringList{} << false;
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, messages);
    QFETCH(bool, leftoversRemoved);
    TestDataRoot root;
    basicRoot(root);
    root.write(QStringLiteral("tmp/vellumtrove"), "old program");
    root.write(QStringLiteral("tmp/update.sh"), "#!/bin/sh");
    AppFixture app(root, args);
    QCOMPARE(Messages::recorded(), messages);
    QCOMPARE(QFile::exists(root.file(QStringLiteral("tmp/vellumtrove"))), !leftoversRemoved);
    QCOMPARE(QFile::exists(root.file(QStringLiteral("tmp/update.sh"))), !leftoversRemoved);
    QVERIFY(!Form1->startupFailed());
    QCOMPARE(Cards().AantalKaarten(), 3);   // start-up goes on in every case
}

void TestStartup::eraseConfig()
{
    TestDataRoot root;
    basicRoot(root);
    root.write(QStringLiteral("home/.Tallyrun/vellumtrove.ini"), "0.07\nBlack\n");
    root.write(QStringLiteral("home/.Tallyrun/other.txt"), "kept");
    AppFixture app(root, {QStringLiteral("-eraseconfig")});
    QVERIFY(!QFile::exists(root.file(QStringLiteral("home/.Tallyrun/vellumtrove.ini"))));
    QVERIFY(QFile::exists(root.file(QStringLiteral("home/.Tallyrun/other.txt"))));
    QVERIFY(Messages::recorded().isEmpty());
}

void TestStartup::homeUnsetOrMissing_data()
{
    QTest::addColumn<bool>("unset");
    QTest::newRow("unset") << true;
    QTest::newRow("not a folder") << false;
}

void TestStartup::homeUnsetOrMissing()
{
    QFETCH(bool, unset);
    TestDataRoot root;
    basicRoot(root);
    AppFixture app(root, {}, false);
    if (unset)
        qunsetenv("HOME");
    else
        qputenv("HOME", root.file(QStringLiteral("no/such/folder")).toUtf8());
    Form1->FormShow();
    QCOMPARE(App().ConfigDir, root.path());
    QVERIFY(!Form1->startupFailed());
}

void TestStartup::presentIconsAreNotFetched()
{
    TestDataRoot root;
    basicRoot(root);
    QFile::remove(root.file(QStringLiteral("Images/mana/WB.png")));   // GU.png alone decides
    TestServer server;
    QVERIFY(server.start());
    Urls::setUpdateBase(server.base());
    AppFixture app(root);
    QCOMPARE(server.requestCount(), 0);
    QVERIFY(TFormWarning::shownMessages().isEmpty());
}

void TestStartup::missingIconsAreFetched()
{
    TestDataRoot root;
    basicRoot(root);
    QFile::remove(root.file(QStringLiteral("Images/mana/GU.png")));
    QFile::remove(root.file(QStringLiteral("Images/mana/GU.bmp")));
    TestServer server;
    QVERIFY(server.start());
    QBuffer buf;
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::green);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    for (const QString &c : {"GU", "WB", "BG", "UR", "RW", "UP", "RP", "BP", "WP", "GP"}) {
        server.set(QStringLiteral("/update/vellumtrove/mana/") + c + QStringLiteral(".bmp"), 200, buf.data());
        server.set(QStringLiteral("/update/vellumtrove/mana/") + c + QStringLiteral(".png"), 200, buf.data());
    }
    server.set(QStringLiteral("/update/vellumtrove/mana/GP.png"), 404, "<html>Not here</html>");
    Urls::setUpdateBase(server.base());
    AppFixture app(root);
    QCOMPARE(TFormWarning::shownMessages().size(), 1);
    const auto &w = TFormWarning::shownMessages().first();
    QCOMPARE(w.title, QStringLiteral("Installing new ICONS"));
    QVERIFY(!w.visible1 && w.visible2);
    QCOMPARE(w.caption2, QStringLiteral("OK"));
    QCOMPARE(server.requestCount(), 20);
    QCOMPARE(server.requests().at(0), QStringLiteral("/update/vellumtrove/mana/GU.bmp"));
    QCOMPARE(server.requests().at(1), QStringLiteral("/update/vellumtrove/mana/GU.png"));
    QVERIFY(QFile::exists(root.file(QStringLiteral("Images/mana/GU.png"))));
    // The error page is not kept as a picture; one failure message for it.
    QVERIFY(QFile::exists(root.file(QStringLiteral("Images/mana/GP.png"))));   // the old one stays
    QCOMPARE(Messages::recorded().size(), 1);
    QVERIFY(!Form1->startupFailed());
}

void TestStartup::missingBitmapEndsStartInOrder()
{
    TestDataRoot root;
    basicRoot(root);
    QFile::remove(root.file(QStringLiteral("Images/mana/2W.bmp")));
    root.write(QStringLiteral("Images/mana/X.bmp"), "not a picture");
    AppFixture app(root);
    QVERIFY(Form1->startupFailed());
    QCOMPARE(TFormWarning::shownMessages().size(), 1);
    const QString text = TFormWarning::shownMessages().first().text;
    QVERIFY2(text.contains(QLatin1String("2W.bmp")) && text.contains(QLatin1String("X.bmp")), qPrintable(text));
    QCOMPARE(Cards().AantalKaarten(), 0);   // nothing more was loaded
}

void TestStartup::collectionAndDeckTrees()
{
    TestDataRoot root;
    basicRoot(root);
    root.write(QStringLiteral("Collections/Main.mgc"), "VellumTrove\n#Fileversion 0.02\n");
    root.write(QStringLiteral("Collections/Odd.mgc.mgc"), "VellumTrove\n#Fileversion 0.02\n");
    root.write(QStringLiteral("Collections/notes.txt"), "");
    root.write(QStringLiteral("Decks/Added/Elves.dec"), "");
    root.write(QStringLiteral("Decks/Boxed/Starter.dec"), "");
    root.write(QStringLiteral("Decks/Pre/Theme One.dec"), "");
    AppFixture app(root);
    QTreeWidget *t = FormCollectie->TreeView1;
    QCOMPARE(App().AantalVerzamelingen, 2);
    QCOMPARE(t->topLevelItemCount(), 2);
    QCOMPARE(t->topLevelItem(0)->text(0), QStringLiteral("Main"));
    QCOMPARE(t->topLevelItem(1)->text(0), QStringLiteral("Odd.mgc"));
    QTreeWidgetItem *color = t->topLevelItem(0)->child(0);
    QCOMPARE(color->text(0), QStringLiteral("Color"));
    QStringList colours;
    for (int i = 0; i < color->childCount(); ++i)
        colours << color->child(i)->text(0);
    QCOMPARE(colours, QStringList({"Black", "Blue", "Green", "Red", "White", "Multi Color", "Colorless"}));
    QTreeWidget *d = FormDecks->TreeView1;
    QCOMPARE(d->topLevelItem(0)->child(0)->text(0), QStringLiteral("Elves"));
    QCOMPARE(d->topLevelItem(1)->child(0)->text(0), QStringLiteral("Starter"));
    QCOMPARE(d->topLevelItem(2)->child(0)->text(0), QStringLiteral("Theme One"));
}

void TestStartup::setSearchList()
{
    TestDataRoot root;
    basicRoot(root);
    root.addSet(QStringLiteral("Coldsnap"), {});   // a file without cards adds no entry
    AppFixture app(root);
    QStringList items;
    for (int i = 0; i < FormDB->CB_SetSearch->count(); ++i)
        items << FormDB->CB_SetSearch->itemText(i);
    QCOMPARE(items, QStringList({"Selected", "All", "Alliances", "Mirage"}));
    QCOMPARE(FormDB->CB_SetSearch->currentIndex(), 0);
}

void TestStartup::collectionWindowBroughtBack()
{
    TestDataRoot root;
    basicRoot(root);
    AppFixture app(root);
    FormCollectie->setGeometry(Form1->width() + 50, Form1->height() + 50, 30, 20);
    Form1->FormShow();
    QCOMPARE(FormCollectie->x(), 10);
    QCOMPARE(FormCollectie->y(), 10);
    QCOMPARE(FormCollectie->width(), 60);
    QCOMPARE(FormCollectie->height(), 60);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
