// The preferences window: showing, the set page buttons, Save, Cancel, the
// close query and clearing the picture cache.

#include "app/appstate.h"
#include "app/form1.h"
#include "app/forms.h"
#include "app/formsplash.h"
#include "app/formwarning.h"
#include "config/formprefs.h"
#include "support/appfixture.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

void prepare(TestDataRoot &root)
{
    root.addManaPictures();
    root.addTheme(QStringLiteral("Blue"), 1);
    root.addTheme(QStringLiteral("Green"), 2);
}

// Shows the window modally and runs `during` once it is up; returns when
// the showing has ended.
void showModal(const std::function<void()> &during)
{
    bool ran = false;
    QTimer::singleShot(0, FormPrefs, [&] {
        ran = true;
        during();
        // A step that did not end the showing: end it with the close box.
        if (FormPrefs->isVisible())
            FormPrefs->close();
    });
    FormPrefs->exec();
    QVERIFY(ran);
    QVERIFY(!FormPrefs->isVisible());
}

QList<bool> states(const QList<QCheckBox *> &boxes)
{
    QList<bool> s;
    for (QCheckBox *cb : boxes)
        s << cb->isChecked();
    return s;
}

QList<QCheckBox *> otherBoxes()
{
    QList<QCheckBox *> l;
    for (QCheckBox *cb : {FormPrefs->CB_UseDialog, FormPrefs->CB_artist, FormPrefs->CB_LoadImageFromNet,
                          FormPrefs->CB_StoreImageInCache, FormPrefs->Check1, FormPrefs->Check2, FormPrefs->Check3,
                          FormPrefs->CheckBox1, FormPrefs->CB_Value})
        l << cb;
    return l;
}

} // namespace

class TestFormPrefs : public QObject {
    Q_OBJECT
private slots:
    void showingFillsTheWindow();
    void cacheBoxFollowsOnlineBox();
    void selectAllNone_data();
    void selectAllNone();
    void endOfShowing_data();
    void endOfShowing();
    void saveAppliesSettings();
    void clearCache_data();
    void clearCache();
};

void TestFormPrefs::showingFillsTheWindow()
{
    TestDataRoot root;
    prepare(root);
    AppFixture app(root);
    App().Thema = QStringLiteral("Green");
    App().FontSize = 11;
    FormPrefs->PageControl1->setCurrentIndex(3);
    FormPrefs->FontSizeSpin->setValue(25);
    FormPrefs->LB_App->setText(QStringLiteral("x"));
    FormPrefs->BitBtn1->setText(QStringLiteral("Checking ..."));
    FormPrefs->BitBtn1->setEnabled(false);
    showModal([] {
        QCOMPARE(FormPrefs->PageControl1->currentWidget(), FormPrefs->TabSheet1);
        QCOMPARE(FormPrefs->OudThema, QStringLiteral("Green"));
        QCOMPARE(FormPrefs->FontSizeSpin->value(), 11);
        QCOMPARE(FormPrefs->LB_App->text(), QStringLiteral("0.16_alpha_release"));
        QCOMPARE(FormPrefs->BitBtn1->text(), QStringLiteral("Check for Updates"));
        QVERIFY(FormPrefs->BitBtn1->isEnabled());
    });
}

void TestFormPrefs::cacheBoxFollowsOnlineBox()
{
    TestDataRoot root;
    prepare(root);
    AppFixture app(root);
    QVERIFY(FormPrefs->CB_StoreImageInCache->isEnabled());
    FormPrefs->CB_LoadImageFromNet->click();
    QVERIFY(!FormPrefs->CB_StoreImageInCache->isEnabled());
    FormPrefs->CB_LoadImageFromNet->click();
    QVERIFY(FormPrefs->CB_StoreImageInCache->isEnabled());
}

void TestFormPrefs::selectAllNone_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("checked");
    QTest::newRow("Sets 1: Select All") << QStringLiteral("Button1") << 1 << true;
    QTest::newRow("Sets 1: Select None") << QStringLiteral("Button2") << 1 << false;
    QTest::newRow("Sets 2: Select All") << QStringLiteral("Button5") << 2 << true;
    QTest::newRow("Sets 2: Select None") << QStringLiteral("Button4") << 2 << false;
}

void TestFormPrefs::selectAllNone()
{
    QFETCH(QString, button);
    QFETCH(int, page);
    QFETCH(bool, checked);
    TestDataRoot root;
    prepare(root);
    AppFixture app(root);
    const QList<QCheckBox *> own = FormPrefs->setCheckBoxesOfPage(page);
    const QList<QCheckBox *> other = FormPrefs->setCheckBoxesOfPage(page == 1 ? 2 : 1);
    QCOMPARE(own.size(), page == 1 ? 83 : 19);
    // A mixed start, so that every box could change.
    for (int i = 0; i < own.size(); ++i)
        own[i]->setChecked(i % 2 == 0);
    for (int i = 0; i < other.size(); ++i)
        other[i]->setChecked(i % 3 == 0);
    const QList<bool> otherBefore = states(other);
    const QList<bool> restBefore = states(otherBoxes());

    auto *b = FormPrefs->findChild<QPushButton *>(button);
    QVERIFY(b);
    QCOMPARE(b->text(), checked ? QStringLiteral("Select All") : QStringLiteral("Select None"));
    b->click();
    QCOMPARE(states(own), QList<bool>(own.size(), checked));
    QCOMPARE(states(other), otherBefore);
    QCOMPARE(states(otherBoxes()), restBefore);
}

void TestFormPrefs::endOfShowing_data()
{
    // How the showing ends, and the theme name in force afterwards when the
    // user picked "Blue" while "Black" was in force.
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("thema");
    QTest::newRow("Cancel restores the theme") << QStringLiteral("cancel") << QStringLiteral("Black");
    QTest::newRow("close box applies it") << QStringLiteral("close") << QStringLiteral("Blue");
    QTest::newRow("hidden (failed download) applies it") << QStringLiteral("hide") << QStringLiteral("Blue");
    QTest::newRow("Escape applies it") << QStringLiteral("escape") << QStringLiteral("Blue");
}

void TestFormPrefs::endOfShowing()
{
    QFETCH(QString, how);
    QFETCH(QString, thema);
    TestDataRoot root;
    prepare(root);
    AppFixture app(root);
    QCOMPARE(App().Thema, QStringLiteral("Black"));
    const int fontSize = App().FontSize;
    FormPrefs->setCheckBox(0)->setChecked(true);
    showModal([&] {
        FormPrefs->Combo_Themes->setCurrentText(QStringLiteral("Blue"));
        FormPrefs->FontSizeSpin->setValue(fontSize + 3);
        FormPrefs->setCheckBox(0)->setChecked(false);
        if (how == QLatin1String("cancel"))
            FormPrefs->Button3->click();
        else if (how == QLatin1String("close"))
            FormPrefs->close();
        else if (how == QLatin1String("hide"))
            FormPrefs->hide();
        else
            QTest::keyClick(FormPrefs, Qt::Key_Escape);
    });
    QCOMPARE(App().Thema, thema);
    QCOMPARE(FormPrefs->Combo_Themes->currentText(), thema);
    // Only Save applies the font size; set choices are never undone.
    QCOMPARE(App().FontSize, fontSize);
    QVERIFY(!FormPrefs->setCheckBox(0)->isChecked());

    // The next showing starts from the theme now in force: closing
    // without a change applies nothing new.
    App().Thema = QStringLiteral("Green");
    FormPrefs->Combo_Themes->setCurrentText(QStringLiteral("Green"));
    showModal([] { FormPrefs->close(); });
    QCOMPARE(App().Thema, QStringLiteral("Green"));
}

void TestFormPrefs::saveAppliesSettings()
{
    TestDataRoot root;
    prepare(root);
    AppFixture app(root);
    App().FontSize = 18;
    showModal([] {
        FormPrefs->Combo_Themes->setCurrentText(QStringLiteral("Green"));
        FormPrefs->FontSizeSpin->setValue(22);
        FormPrefs->ButtonSave->click();
        // Save ends the showing at once, and leaves no progress window.
        QVERIFY(!FormPrefs->isVisible());
        QVERIFY(!FormSplash->isVisible());
    });
    QVERIFY(FormPrefs->GuiChanged);
    QCOMPARE(App().FontSize, 22);
    QCOMPARE(App().Thema, QStringLiteral("Green"));
    QCOMPARE(FormSplash->LabelSplash->text().isEmpty(), false);
    // Nothing is written before the program closes.
    QVERIFY(!QFile::exists(app.home() + QStringLiteral("/.Tallyrun/vellumtrove.ini")));
}

void TestFormPrefs::clearCache_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("closed");   // the question is closed without a button
    QTest::newRow("YES") << true << false;
    QTest::newRow("NO") << false << false;
    // An earlier question answered YES must not count for this one.
    QTest::newRow("closed after an earlier YES") << false << true;
}

void TestFormPrefs::clearCache()
{
    QFETCH(bool, answer);
    QFETCH(bool, closed);
    TestDataRoot root;
    prepare(root);
    AppFixture app(root);
    root.write(QStringLiteral("Images/Cache/Card101.jpg"), "jpeg");
    root.write(QStringLiteral("Images/Cache/Card102.jpg"), "jpeg");
    root.write(QStringLiteral("Images/Cache/.hidden"), "x");
    root.write(QStringLiteral("Images/Cache/sub/Card103.jpg"), "jpeg");
    root.write(QStringLiteral("Images/Cards/Card104.jpg"), "jpeg");
    root.write(QStringLiteral("Images/CacheOther/Card105.jpg"), "jpeg");
    TFormWarning::shownMessages().clear();
    App().Answer = true;
    TFormWarning::setNextAnswers({closed ? std::optional<bool>() : std::optional<bool>(answer)});
    FormPrefs->Button6->click();

    QCOMPARE(TFormWarning::shownMessages().size(), 1);
    const TFormWarning::Shown &asked = TFormWarning::shownMessages().first();
    QCOMPARE(asked.caption1, QStringLiteral("YES"));
    QCOMPARE(asked.caption2, QStringLiteral("NO"));
    QVERIFY(asked.visible1 && asked.visible2);

    const QStringList left = QDir(root.file(QStringLiteral("Images/Cache")))
                                 .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left.size(), answer ? 0 : 3);
    // Never below or beside the cache folder.
    QVERIFY(QFile::exists(root.file(QStringLiteral("Images/Cache/sub/Card103.jpg"))));
    QVERIFY(QFile::exists(root.file(QStringLiteral("Images/Cards/Card104.jpg"))));
    QVERIFY(QFile::exists(root.file(QStringLiteral("Images/CacheOther/Card105.jpg"))));
}

QTEST_MAIN(TestFormPrefs)
#include "tst_formprefs.moc"
