// The card details window: where pictures come from, fetching and caching
// against a local server, cost symbols, the set list, and card pages handed
// to the browser.

#include "app/appstate.h"
#include "app/form1.h"
#include "app/formmessages.h"
#include "app/forms.h"
#include "carddb/card.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "details/carddetails.h"
#include "details/formfoto.h"
#include "support/appfixture.h"
#include "support/testserver.h"
#include "update/download.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

namespace {

const QString kFailed = QStringLiteral(
    "collecting DOWNLOAD information FAILED.\rPlease check your internet connection and try again");

QStringList card(const QString &id, const QString &name, const QString &cost, const QString &edition,
                 const QString &text = QStringLiteral("Sample rules text."))
{
    return {id, name, cost, QStringLiteral("Creature - Sample"), QStringLiteral("2"), QStringLiteral("3"),
            edition, QStringLiteral("C"), text, QStringLiteral("Sample Artist"), QStringLiteral("0.10")};
}

QByteArray jpeg(int w, int h, Qt::GlobalColor color)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG");
    return bytes;
}

bool near(QColor a, Qt::GlobalColor expected)
{
    const QColor b(expected);
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40;
}

// Colour in the middle of a label's picture; invalid without a picture.
QColor pictureColor(const QLabel *label)
{
    const QPixmap pm = label->pixmap();
    if (pm.isNull())
        return QColor();
    const QImage img = pm.toImage();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

QString colorName(const QColor &c) { return c.isValid() ? c.name() : QStringLiteral("<no picture>"); }

// The grid of `window` named `name`; a plain table view stands in for it
// when the window does not have that grid.
QAbstractItemView *grid(QWidget *window, const QString &name)
{
    if (auto *g = window->findChild<QAbstractItemView *>(name))
        return g;
    auto *view = new QTableView(window);
    view->setObjectName(name);
    view->setModel(new QStandardItemModel(0, 12, view));
    return view;
}

QList<QAbstractItemView *> allGrids()
{
    return {grid(FormDB, QStringLiteral("StringGrid1")), grid(FormCollectie, QStringLiteral("StringGrid1")),
            grid(FormDecks, QStringLiteral("StringGridDeck")), grid(FormDecks, QStringLiteral("StringGridSideBoard"))};
}

} // namespace

class TestCardDetails : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void pictureSources_data();
    void pictureSources();
    void fetchedPictureIsCachedOnce();
    void withoutCacheFetchedEveryTime();
    void failedFetch_data();
    void failedFetch();
    void vanguardStretchedOthersCentred_data();
    void vanguardStretchedOthersCentred();
    void costSymbols_data();
    void costSymbols();
    void setListOncePerSetInSetListOrder();
    void unknownIdShowsPreviousCard();
    void laterChoiceWhileFetchingWins();
    void heightFollowsRulesText();
    void pictureBoxesEnableRule();
    void cardPages_data();
    void cardPages();
    void cardPageItemsConnectedOnce();

private:
    void show(const QString &id) { Form1->ToonKaartDetails(id); }
    QString cacheFile(const QString &id) const { return m_root->file(QStringLiteral("Images/Cache/Card%1.jpg").arg(id)); }
    QString tempFile(const QString &id) const { return App().TempDir + QStringLiteral("/Card%1.jpg").arg(id); }

    TestDataRoot *m_root = nullptr;
    AppFixture *m_app = nullptr;
    TestServer m_server;
};

void TestCardDetails::initTestCase()
{
    QVERIFY(m_server.start());
    Urls::setGathererBase(m_server.base());
    auto image = [](const QString &id) { return QStringLiteral("/Handlers/Image.ashx?multiverseid=%1&type=card").arg(id); };
    m_server.set(image(QStringLiteral("112")), {200, jpeg(50, 70, Qt::yellow), "image/jpeg"});
    m_server.set(image(QStringLiteral("113")), {200, jpeg(50, 70, Qt::yellow), "image/jpeg"});
    m_server.set(image(QStringLiteral("115")), {200, "<html><body>Card not found</body></html>", "text/html"});
    // 114 is not in the table: the server answers with its 404 page.

    m_root = new TestDataRoot;
    m_root->addManaPictures({QStringLiteral("X.png")});
    const QString fourth = QStringLiteral("Fourth Edition"), fifth = QStringLiteral("Fifth Edition");
    m_root->addSet(QStringLiteral("Fourth_Edition"),
                   {card("101", "Sample Shared", "{2}{W}", fourth), card("102", "Sample Shared", "{2}{W}", fourth),
                    card("110", "Sample Installed", "{G}", fourth), card("111", "Sample Cached", "{U}", fourth),
                    card("112", "Sample Fetched", "{R}", fourth), card("113", "Sample Temp", "{B}", fourth),
                    card("114", "Sample Missing", "{1}", fourth), card("115", "Sample Html", "{1}", fourth),
                    card("116", "Sample Twelve", "{1}{2}{3}{4}{5}{6}{7}{8}{9}{10}{W}{U}", fourth),
                    card("117", "Sample Hybrid", "{B/R}{11}{X}{2/W}", fourth),
                    card("118", "Sample Land", "", fourth), card("12ab", "Sample Odd Id", "{G}", fourth),
                    card("119", "Sample Wordy", "{G}", fourth,
                         QStringLiteral("Sample rules text that goes on. ").repeated(12)),
                    card("120", "Sample Two Lines", "{G}", fourth, QStringLiteral("First line&lt;br&gt;Second line"))});
    m_root->addSet(QStringLiteral("Fifth_Edition"), {card("201", "Sample Shared", "{2}{W}", fifth)});
    m_root->addSet(QStringLiteral("Vanguard"), {card("301", "Sample Avatar", "", QStringLiteral("Vanguard"))});
    m_root->addPicture(QStringLiteral("Images/Cards/Card110.jpg"), 60, 80, Qt::red);
    m_root->addPicture(QStringLiteral("Images/Cards/Card301.jpg"), 60, 80, Qt::red);
    // A card Id that is not all digits must never reach a file name.
    m_root->addPicture(QStringLiteral("Images/Cards/Card12ab.jpg"), 60, 80, Qt::red);

    Browser::setRecording(true);
    m_app = new AppFixture(*m_root);
    allGrids();
}

void TestCardDetails::cleanupTestCase()
{
    delete m_app;
    delete m_root;
    Browser::setRecording(false);
}

void TestCardDetails::init()
{
    QDir cache(m_root->file(QStringLiteral("Images/Cache")));
    cache.removeRecursively();
    QDir().mkpath(cache.path());
    m_root->addPicture(QStringLiteral("Images/Cache/Card110.jpg"), 60, 80, Qt::blue);
    m_root->addPicture(QStringLiteral("Images/Cache/Card111.jpg"), 60, 80, Qt::green);
    m_root->addPicture(QStringLiteral("Images/Cards/Card0.jpg"), 60, 80, Qt::magenta);
    QFile::remove(tempFile(QStringLiteral("113")));
    Urls::setGathererBase(m_server.base());
    FormPrefs->CB_LoadImageFromNet->setChecked(true);
    FormPrefs->CB_StoreImageInCache->setChecked(true);
    Messages::recorded().clear();
    Browser::recorded().clear();
    Form1->IcoonFoto->clear();
}

void TestCardDetails::pictureSources_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("loadFromNet");
    QTest::addColumn<int>("picture");   // Qt::GlobalColor
    QTest::addColumn<int>("icon");      // Qt::GlobalColor, or -1: the icon keeps its old picture
    QTest::newRow("installed before cached") << "110" << true << int(Qt::red) << int(Qt::red);
    QTest::newRow("cached before fetched") << "111" << true << int(Qt::green) << int(Qt::green);
    QTest::newRow("downloads off: placeholder") << "112" << false << int(Qt::magenta) << -1;
    QTest::newRow("odd id: placeholder only") << "12ab" << true << int(Qt::magenta) << -1;
}

void TestCardDetails::pictureSources()
{
    QFETCH(QString, id);
    QFETCH(bool, loadFromNet);
    QFETCH(int, picture);
    QFETCH(int, icon);
    FormPrefs->CB_LoadImageFromNet->setChecked(loadFromNet);
    const int before = m_server.requestCount();

    show(id);

    QCOMPARE(Cards().Kaart.Id, id);
    QVERIFY(!FormFoto->LabelNameCard->text().isEmpty());
    const QColor shown = pictureColor(FormFoto->ImageCard);
    QVERIFY2(near(shown, Qt::GlobalColor(picture)), qPrintable(colorName(shown)));
    if (icon < 0)
        QVERIFY(Form1->IcoonFoto->pixmap().isNull());
    else
        QVERIFY(near(pictureColor(Form1->IcoonFoto), Qt::GlobalColor(icon)));
    QCOMPARE(m_server.requestCount(), before);
    QVERIFY(Messages::recorded().isEmpty());
    QCOMPARE(QDir(m_root->file(QStringLiteral("Images/Cache"))).entryList(QDir::Files).size(), 2);
}

void TestCardDetails::fetchedPictureIsCachedOnce()
{
    const QString target = QStringLiteral("/Handlers/Image.ashx?multiverseid=112&type=card");
    const int before = m_server.requestCount(target);
    // Record the grids' cursors while the fetch is under way.
    QList<Qt::CursorShape> during;
    QTimer::singleShot(0, FormFoto, [&during] {
        for (QAbstractItemView *g : allGrids())
            during << g->cursor().shape();
    });

    show(QStringLiteral("112"));

    QCOMPARE(m_server.requestCount(target), before + 1);
    QVERIFY(QFile::exists(cacheFile(QStringLiteral("112"))));
    QVERIFY(near(pictureColor(FormFoto->ImageCard), Qt::yellow));
    QVERIFY2(Form1->IcoonFoto->pixmap().isNull(), "a fetched picture does not reach the main window's icon");
    QCOMPARE(during, QList<Qt::CursorShape>(4, Qt::WaitCursor));
    for (QAbstractItemView *g : allGrids())
        QVERIFY(!g->testAttribute(Qt::WA_SetCursor));

    show(QStringLiteral("112"));
    QCOMPARE(m_server.requestCount(target), before + 1);
    QVERIFY(near(pictureColor(FormFoto->ImageCard), Qt::yellow));
    QVERIFY(near(pictureColor(Form1->IcoonFoto), Qt::yellow));
}

void TestCardDetails::withoutCacheFetchedEveryTime()
{
    FormPrefs->CB_StoreImageInCache->setChecked(false);
    const QString target = QStringLiteral("/Handlers/Image.ashx?multiverseid=113&type=card");
    const int before = m_server.requestCount(target);
    for (int i = 1; i <= 2; ++i) {
        show(QStringLiteral("113"));
        QCOMPARE(m_server.requestCount(target), before + i);
        QVERIFY(near(pictureColor(FormFoto->ImageCard), Qt::yellow));
        QVERIFY(QFile::exists(tempFile(QStringLiteral("113"))));
        QVERIFY(!QFile::exists(cacheFile(QStringLiteral("113"))));
    }
}

void TestCardDetails::failedFetch_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("placeholder");
    QTest::addColumn<bool>("message");
    QTest::newRow("404 page") << "114" << false << true << true;
    QTest::newRow("refused connection") << "114" << true << true << true;
    QTest::newRow("200 with a page, not a picture") << "115" << false << true << false;
    QTest::newRow("no placeholder file") << "114" << false << false << true;
}

void TestCardDetails::failedFetch()
{
    QFETCH(QString, id);
    QFETCH(bool, refused);
    QFETCH(bool, placeholder);
    QFETCH(bool, message);
    if (refused)
        Urls::setGathererBase(TestServer::refusedBase());
    if (!placeholder)
        QFile::remove(m_root->file(QStringLiteral("Images/Cards/Card0.jpg")));
    show(QStringLiteral("110"));   // a picture to be replaced

    show(id);

    QCOMPARE(FormFoto->LabelNameCard->text(), Cards().Kaart.Name);
    QVERIFY(!QFile::exists(cacheFile(id)));
    QCOMPARE(Messages::recorded(), message ? QStringList{kFailed} : QStringList());
    if (placeholder) {
        QVERIFY(near(pictureColor(FormFoto->ImageCard), Qt::magenta));
    } else {
        QVERIFY(FormFoto->ImageCard->pixmap().isNull());
        QVERIFY(!FormFoto->ImageCard->autoFillBackground());   // the panel's caption shows through
        QCOMPARE(FormFoto->Panel1->text(), QStringLiteral("Loading ..."));
    }
    // Every later showing tries again.
    const int before = m_server.requestCount();
    show(id);
    if (!refused)
        QCOMPARE(m_server.requestCount(), before + 1);
}

void TestCardDetails::vanguardStretchedOthersCentred_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("stretched");
    QTest::newRow("Vanguard") << "301" << true;
    QTest::newRow("Fourth Edition") << "110" << false;
}

void TestCardDetails::vanguardStretchedOthersCentred()
{
    QFETCH(QString, id);
    QFETCH(bool, stretched);
    show(id);
    FormFoto->ImageCard->resize(FormFoto->Panel1->contentsRect().size());
    const QImage shot = FormFoto->ImageCard->grab().toImage();
    QVERIFY(near(shot.pixelColor(shot.width() / 2, shot.height() / 2), Qt::red));
    const QColor corner = shot.pixelColor(3, 3);
    QVERIFY2(near(corner, stretched ? Qt::red : Qt::white), qPrintable(corner.name()));
}

void TestCardDetails::costSymbols_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("codes");   // expected picture of ImageMana1.., "" for none
    QTest::newRow("twelve symbols show ten") << "116"
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    QTest::newRow("hybrids, no picture, missing file") << "117" << QStringList{"BR", "", "", "2W"};
    QTest::newRow("no cost") << "118" << QStringList{};
}

void TestCardDetails::costSymbols()
{
    QFETCH(QString, id);
    QFETCH(QStringList, codes);
    show(QStringLiteral("116"));   // every symbol image filled before
    show(id);
    for (int k = 1; k <= TFormFoto::ManaCount; ++k) {
        const QString code = codes.value(k - 1);
        const QPixmap pm = FormFoto->imageMana(k)->pixmap();
        if (code.isEmpty()) {
            QVERIFY2(pm.isNull(), qPrintable(QStringLiteral("ImageMana%1 not cleared").arg(k)));
            continue;
        }
        const QImage expected(m_root->file(QStringLiteral("Images/mana/%1.png").arg(code)));
        QCOMPARE(pm.toImage().convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    }
}

void TestCardDetails::setListOncePerSetInSetListOrder()
{
    const QStringList expected{QStringLiteral("Fourth Edition"), QStringLiteral("Fifth Edition")};
    for (const char *id : {"201", "102"}) {
        show(QString::fromLatin1(id));
        QStringList listed;
        for (int i = 0; i < FormFoto->ListBox1->count(); ++i)
            listed << FormFoto->ListBox1->item(i)->text();
        QCOMPARE(listed, expected);
    }
    show(QStringLiteral("110"));
    QCOMPARE(FormFoto->ListBox1->count(), 1);
}

void TestCardDetails::unknownIdShowsPreviousCard()
{
    show(QStringLiteral("110"));
    const int before = m_server.requestCount();
    show(QStringLiteral("99999"));
    QCOMPARE(Cards().Kaart.Id, QStringLiteral("110"));
    QCOMPARE(FormFoto->LabelNameCard->text(), QStringLiteral("Sample Installed"));
    QVERIFY(near(pictureColor(FormFoto->ImageCard), Qt::red));
    QCOMPARE(m_server.requestCount(), before);
}

void TestCardDetails::laterChoiceWhileFetchingWins()
{
    // A click on another card is handled while the window waits for a
    // picture: that card, not the earlier one, is what the window ends with.
    QTimer::singleShot(0, FormFoto, [] { Form1->ToonKaartDetails(QStringLiteral("110")); });
    show(QStringLiteral("112"));
    QCOMPARE(Cards().Kaart.Id, QStringLiteral("110"));
    QCOMPARE(FormFoto->LabelNameCard->text(), QStringLiteral("Sample Installed"));
    QVERIFY(near(pictureColor(FormFoto->ImageCard), Qt::red));
    QCOMPARE(FormFoto->ListBox1->count(), 1);
    for (QAbstractItemView *g : allGrids())
        QVERIFY(!g->testAttribute(Qt::WA_SetCursor));
}

void TestCardDetails::heightFollowsRulesText()
{
    auto bottomOfList = [] { return FormFoto->ListBox1->geometry().bottom() + 1 + 8; };
    show(QStringLiteral("110"));
    const int shortHeight = FormFoto->height();
    QCOMPARE(shortHeight, bottomOfList());
    show(QStringLiteral("119"));
    QVERIFY(FormFoto->height() > shortHeight + 40);
    QCOMPARE(FormFoto->height(), bottomOfList());
    QVERIFY(FormFoto->LabelIllus1->y() >= FormFoto->LabelText->geometry().bottom());
    QVERIFY(FormFoto->LabelAvailable->y() > FormFoto->LabelIllus2->geometry().bottom());
    show(QStringLiteral("110"));
    QCOMPARE(FormFoto->height(), shortHeight);
    QCOMPARE(FormFoto->width(), 260);
    // Line breaks of the rules text (carriage returns) become real breaks.
    show(QStringLiteral("120"));
    QCOMPARE(FormFoto->LabelText->text(), QStringLiteral("First line\nSecond line"));
    QVERIFY(FormFoto->LabelText->height() >= 2 * FormFoto->LabelText->fontMetrics().height());
}

void TestCardDetails::pictureBoxesEnableRule()
{
    TFormPrefs prefs;   // as designed
    QVERIFY(prefs.CB_LoadImageFromNet->isChecked());
    QVERIFY(prefs.CB_StoreImageInCache->isChecked());
    QVERIFY(prefs.CB_StoreImageInCache->isEnabled());
    prefs.CB_LoadImageFromNet->setChecked(false);
    QVERIFY(!prefs.CB_StoreImageInCache->isEnabled());
    prefs.CB_LoadImageFromNet->setChecked(true);
    QVERIFY(prefs.CB_StoreImageInCache->isEnabled());
}

void TestCardDetails::cardPages_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("gatherer");
    QTest::addColumn<QString>("url");
    QTest::newRow("Gatherer") << "101" << true << "http://gatherer.test/Pages/Card/Details.aspx?multiverseid=101";
    QTest::newRow("NederMagic") << "101" << false << "http://nedermagic.test/meerinfo.asp?cardid=101";
    QTest::newRow("odd id, Gatherer") << "12ab" << true << QString();
    QTest::newRow("odd id, NederMagic") << "12ab" << false << QString();
}

void TestCardDetails::cardPages()
{
    QFETCH(QString, id);
    QFETCH(bool, gatherer);
    QFETCH(QString, url);
    Urls::setGathererBase(QStringLiteral("http://gatherer.test"));
    Urls::setNederMagicBase(QStringLiteral("http://nedermagic.test/"));

    // Make the row holding the card the database grid's current row.
    QAbstractItemView *g = grid(FormDB, QStringLiteral("StringGrid1"));
    QAbstractItemModel *model = g->model();
    int row = -1;
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, 10).data().toString() == id)
            row = r;
    if (row < 0) {
        auto *items = qobject_cast<QStandardItemModel *>(model);
        QVERIFY2(items, "the database grid does not list the card");
        row = items->rowCount();
        items->insertRow(row);
        items->setItem(row, 10, new QStandardItem(id));
    }
    g->setCurrentIndex(model->index(row, 0));
    QCOMPARE(Form1->currentDbGridId(), id);

    const QList<QWidget *> tools{FormFoto, FormDB, FormCollectie, FormDecks};
    for (QWidget *w : tools) {
        w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        w->show();
    }
    if (gatherer)
        Form1->MenuItem4Click();
    else
        Form1->MenuItem3Click();

    QCOMPARE(Browser::recorded(), url.isEmpty() ? QStringList() : QStringList{url});
    for (QWidget *w : tools) {
        QCOMPARE(bool(w->windowFlags() & Qt::WindowStaysOnTopHint), url.isEmpty());
        QVERIFY(w->isVisible());
    }
}

void TestCardDetails::cardPageItemsConnectedOnce()
{
    Urls::setGathererBase(QStringLiteral("http://gatherer.test"));
    QAbstractItemView *g = grid(FormDB, QStringLiteral("StringGrid1"));
    if (!Form1->currentDbGridId().size() || !isSafeCardId(Form1->currentDbGridId())) {
        // Make the listed card 101 the current row (the real grid lists it).
        QAbstractItemModel *model = g->model();
        int row = -1;
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->index(r, 10).data().toString() == QLatin1String("101"))
                row = r;
        if (row < 0) {
            auto *items = qobject_cast<QStandardItemModel *>(model);
            QVERIFY(items);
            items->insertRow(0);
            items->setItem(0, 10, new QStandardItem(QStringLiteral("101")));
            row = 0;
        }
        g->setCurrentIndex(model->index(row, 0));
    }
    QAction *item = nullptr;
    for (QAction *a : Form1->PopupMenu1->actions())
        if (a->objectName() == QLatin1String("MenuItem4"))
            item = a;
    if (!item) {
        item = Form1->PopupMenu1->addAction(QStringLiteral("Search Card at the Gatherer"));
        item->setObjectName(QStringLiteral("MenuItem4"));
    }
    Form1->connectCardPageItems();
    Form1->connectCardPageItems();
    item->trigger();
    QCOMPARE(Browser::recorded().size(), 1);
    QVERIFY(Browser::recorded().first().endsWith(QStringLiteral("/Pages/Card/Details.aspx?multiverseid=")
                                                 + Form1->currentDbGridId()));
}

QTEST_MAIN(TestCardDetails)
#include "tst_carddetails.moc"
