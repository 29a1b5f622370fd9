// Theme application: which picture goes where, the fallback to "Black", the
// grid metrics and the window mode at the end.

#include "app/appstate.h"
#include "app/form1.h"
#include "app/forms.h"
#include "app/formwarning.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "themes/theme.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <memory>

namespace {

QWidget *window(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QLabel *target(const Theme::Target &t)
{
    QWidget *w = window(t.window);
    for (const QString &n : t.labelNames)
        if (QLabel *l = w ? w->findChild<QLabel *>(n) : nullptr)
            return l;
    return nullptr;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

QColor colourOf(const QLabel *l) { return l->pixmap().toImage().pixelColor(8, 8); }

} // namespace

class TestTheme : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDataRoot> root;
    std::unique_ptr<AppFixture> fx;

    void start()
    {
        fx = std::make_unique<AppFixture>(*root);
    }

private slots:
    void init()
    {
        root = std::make_unique<TestDataRoot>();
        root->addManaPictures();
    }
    void cleanup()
    {
        fx.reset();
        root.reset();
    }

    void gridFontSize_data()
    {
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("points");
        QTest::newRow("9: 4.5 goes down to 4") << 9 << 6;
        QTest::newRow("11: 5.5 goes up to 6") << 11 << 8;
        QTest::newRow("13: 6.5 goes down to 6") << 13 << 8;
        QTest::newRow("18") << 18 << 11;
        QTest::newRow("26") << 26 << 15;
        QTest::newRow("1: 0.5 goes to 0") << 1 << 2;
        QTest::newRow("3: 1.5 goes to 2") << 3 << 4;
    }
    void gridFontSize()
    {
        QFETCH(int, fontSize);
        QFETCH(int, points);
        QCOMPARE(Theme::gridFontSize(fontSize), points);
    }

    void everyPictureReachesItsComponent()
    {
        root->addTheme(QStringLiteral("Ocean"), 1);
        start();
        App().Thema = QStringLiteral("Ocean");
        Form1->LaadThema();
        QCOMPARE(App().Thema, QStringLiteral("Ocean"));
        QVERIFY(TFormWarning::shownMessages().isEmpty());
        int found = 0;
        for (const Theme::Target &t : Theme::pictureTargets()) {
            QLabel *l = target(t);
            // The printer pictures of the database and details windows come with their contents.
            if (!l && t.file == QLatin1String("printer.png") && t.window != QLatin1String("FormCollectie"))
                continue;
            QVERIFY2(l, qPrintable(t.window + QLatin1Char('/') + t.labelNames.join(QLatin1Char('|'))));
            QVERIFY2(!l->pixmap().isNull(), qPrintable(t.window + QLatin1Char('/') + t.file));
            QVERIFY2(near(colourOf(l), TestDataRoot::themeColor(t.file, 1)), qPrintable(t.window + "/" + t.file));
            ++found;
        }
        QVERIFY(found >= 23);
    }

    void unusableThemeFallsBackToBlack_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<bool>("warned");
        QTest::newRow("folder removed") << "Gone" << QStringList() << false;
        QTest::newRow("no background") << "Ocean" << QStringList{"background.jpg"} << false;
        QTest::newRow("one picture missing") << "Ocean" << QStringList{"printer.png"} << true;
        QTest::newRow("two pictures missing") << "Ocean" << QStringList{"deck.png", "backdrop.jpg"} << true;
        QTest::newRow("path outside Theme") << "../Theme/Ocean" << QStringList() << false;
    }
    void unusableThemeFallsBackToBlack()
    {
        QFETCH(QString, theme);
        QFETCH(QStringList, missing);
        QFETCH(bool, warned);
        root->addTheme(QStringLiteral("Ocean"), 1, missing);
        start();
        TFormWarning::shownMessages().clear();
        App().Thema = theme;
        const QString comboText = FormPrefs->Combo_Themes->currentText();
        Form1->LaadThema();
        QCOMPARE(App().Thema, QStringLiteral("Black"));
        QCOMPARE(FormPrefs->Combo_Themes->currentText(), comboText);
        QVERIFY(near(colourOf(Form1->ImageBackGround), TestDataRoot::themeColor("background.jpg", 0)));
        QVERIFY(near(colourOf(Form1->IcoonDecks), TestDataRoot::themeColor("deck.png", 0)));
        QVERIFY(near(colourOf(FormDB->backdrop()), TestDataRoot::themeColor("backdrop.jpg", 0)));
        QCOMPARE(TFormWarning::shownMessages().size(), warned ? 1 : 0);
        if (warned) {
            const QString text = TFormWarning::shownMessages().first().text;
            QVERIFY(text.contains(QStringLiteral("\"Ocean\"")));
            for (const QString &f : missing)
                QVERIFY2(text.contains(f), qPrintable(text));
            QVERIFY(!TFormWarning::shownMessages().first().visible1);
        }
        QVERIFY(Form1->isVisible());
    }

    void damagedBlackIsReported()
    {
        QFile::remove(root->file(QStringLiteral("Theme/Black/close.png")));
        start();
        QCOMPARE(TFormWarning::shownMessages().size(), 1);
        const QString text = TFormWarning::shownMessages().first().text;
        QVERIFY(text.contains(QStringLiteral("\"Black\"")) && text.contains(QStringLiteral("close.png")));
        QCOMPARE(text.count(QStringLiteral("close.png")), 1);
        // What is there is still used.
        QVERIFY(near(colourOf(Form1->ImageBackGround), TestDataRoot::themeColor("background.jpg", 0)));
    }

    void gridMetrics_data()
    {
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("points");
        QTest::newRow("9") << 9 << 6;
        QTest::newRow("11") << 11 << 8;
        QTest::newRow("18") << 18 << 11;
        QTest::newRow("26") << 26 << 15;
    }
    void gridMetrics()
    {
        QFETCH(int, fontSize);
        QFETCH(int, points);
        start();
        // The card grids are looked up by name; make any that this build lacks.
        QList<QTableView *> grids;
        for (const auto &g : Theme::gridTargets()) {
            QWidget *w = window(g.first);
            auto *grid = w->findChild<QTableView *>(g.second);
            if (!grid) {
                grid = new QTableView(w);
                grid->setObjectName(g.second);
            }
            grids << grid;
        }
        App().FontSize = fontSize;
        Form1->LaadThema();
        for (QTableView *g : grids) {
            QCOMPARE(g->verticalHeader()->defaultSectionSize(), fontSize);
            QCOMPARE(g->font().pointSize(), points);
        }
        // Applying twice gives the same result.
        Form1->LaadThema();
        QCOMPARE(grids.first()->verticalHeader()->defaultSectionSize(), fontSize);
        QCOMPARE(grids.last()->font().pointSize(), points);
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
