// The settings file between the windows: what one run writes when the main
// window closes, the next start puts back; old, damaged and unwritable files.

#include "app/appstate.h"
#include "app/form1.h"
#include "app/forms.h"
#include "app/formwarning.h"
#include "app/widgettoolwindow.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "config/configfile.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "details/formfoto.h"
#include "support/appfixture.h"

#include <QFile>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

namespace {

void prepare(TestDataRoot &root)
{
    root.addManaPictures();
    root.addTheme(QStringLiteral("Blue"), 1);
    root.addTheme(QStringLiteral("Green"), 2);
}

QString iniOf(const TestDataRoot &root) { return root.file(QStringLiteral("home/.Tallyrun/vellumtrove.ini")); }

// A stand-in for a grid that is built by its own window: a table view with
// the given object name and column count.
// The window's own grid when it has one, else a stand-in of that name.
QTableView *addGrid(QWidget *window, const QString &name, int columns)
{
    if (auto *existing = window->findChild<QTableView *>(name))
        return existing;
    auto *view = new QTableView(window);
    view->setObjectName(name);
    view->setModel(new QStandardItemModel(1, columns, view));
    return view;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<int> setIndexes() { return {0, 5, 14, 40, 66, 100}; }

} // namespace

class TestConfigRestart : public QObject {
    Q_OBJECT
private slots:
    void settingsSurviveARestart();
    void openWindowsComeBackOpen();
    void oldVersionKeepsDefaults();
    void damagedFileIsReportedOnce();
    void failedWriteIsReported();
};

void TestConfigRestart::settingsSurviveARestart()
{
    TestDataRoot root;
    prepare(root);
    QByteArray firstFile;
    {
        AppFixture app(root);
        QVERIFY(!Form1->startupFailed());
        QTableView *db = addGrid(FormDB, QStringLiteral("StringGrid1"), 12);
        for (int i = 0; i < 12; ++i)
            db->horizontalHeader()->resizeSection(i, 30 + i);
        FormPrefs->Combo_Themes->setCurrentText(QStringLiteral("Blue"));
        FormPrefs->CB_UseDialog->setChecked(true);
        FormFoto->hide();
        FormCollectie->show();
        FormDecks->hide();
        App().FontSize = 24;
        // Negative places on windows that stay hidden: a shown window may be
        // pulled back onto the screen by the window system.
        FormFoto->setGeometry(-30, -12, FormFoto->width(), FormFoto->height());
        FormDB->setGeometry(100, 50, 500, 300);
        FormCollectie->setGeometry(40, 120, 450, 260);
        FormDecks->setGeometry(-60, -8, 640, 410);
        for (int i : setIndexes())
            FormPrefs->setCheckBox(i)->setChecked(!FormPrefs->setCheckBox(i)->isChecked());
        Form1->close();
        QVERIFY(QFile::exists(iniOf(root)));
        firstFile = contents(iniOf(root));
    }
    {
        AppFixture app(root);
        QVERIFY(TFormWarning::shownMessages().isEmpty());
        QCOMPARE(App().Thema, QStringLiteral("Blue"));
        QCOMPARE(FormPrefs->Combo_Themes->currentText(), QStringLiteral("Blue"));
        QVERIFY(FormPrefs->CB_UseDialog->isChecked());
        QCOMPARE(App().FormFotoVisible, false);
        QCOMPARE(App().FormDBVisible, true);
        QCOMPARE(App().FormCollectieVisible, true);
        QCOMPARE(App().FormDecksVisible, false);
        QCOMPARE(App().FontSize, 24);
        QCOMPARE(FormFoto->geometry().topLeft(), QPoint(-30, -12));
        QCOMPARE(FormDB->geometry(), QRect(100, 50, 500, 300));
        QCOMPARE(FormCollectie->geometry(), QRect(40, 120, 450, 260));
        QCOMPARE(FormDecks->geometry(), QRect(-60, -8, 640, 410));
        for (int i : setIndexes())
            QCOMPARE(FormPrefs->setCheckBox(i)->isChecked(), !(i < 14));
        // The Commander box has no line and takes its designed state.
        QVERIFY(!FormPrefs->findChild<QCheckBox *>(QStringLiteral("CB_Magic__The_Gathering_Commander"))->isChecked());

        // A grid that appears after the file was read gets its widths.
        QTableView *db = addGrid(FormDB, QStringLiteral("StringGrid1"), 12);
        Form1->ApplyColumnWidths();
        for (int i = 0; i < 12; ++i)
            QCOMPARE(db->horizontalHeader()->sectionSize(i), 30 + i);
        // Grids that never appeared in this run keep what was read: the
        // file comes out the same.
        Form1->close();
        QCOMPARE(contents(iniOf(root)), firstFile);
    }
}

void TestConfigRestart::openWindowsComeBackOpen()
{
    TestDataRoot root;
    prepare(root);
    {
        AppFixture app(root);
        for (TToolWindow *w : TToolWindow::all())
            w->ReduceToIcon();
        Form1->close();
    }
    {
        AppFixture app(root);
        // None was open, so the database window is shown anyway; the user
        // then opens the collection window as well.
        QVERIFY(FormDB->isVisible());
        FormCollectie->RestoreFromIcon();
        Form1->close();
    }
    AppFixture app(root);
    QVERIFY(FormDB->isVisible());
    QVERIFY(FormCollectie->isVisible());
    QVERIFY(!FormFoto->isVisible());
    QVERIFY(!FormDecks->isVisible());
}

void TestConfigRestart::oldVersionKeepsDefaults()
{
    TestDataRoot root;
    prepare(root);
    ConfigFile::Settings s;
    s.Thema = QStringLiteral("Green");
    s.FontSize = 9;
    s.DBLeft = 7;
    s.Sets = QVector<bool>(ConfigFile::SetLineCount, true);
    QByteArray bytes = ConfigFile::format(s);
    bytes.replace(0, 4, "0.06");
    root.write(QStringLiteral("home/.Tallyrun/vellumtrove.ini"), bytes);

    AppFixture app(root);
    QCOMPARE(TFormWarning::shownMessages().size(), 1);
    const TFormWarning::Shown &w = TFormWarning::shownMessages().first();
    QCOMPARE(w.title, QStringLiteral("Your configuration file is for an older version of Vellum Trove"));
    QCOMPARE(w.text, QStringLiteral("Default values will get loaded"));
    QCOMPARE(w.caption1, QString());
    QCOMPARE(w.caption2, QStringLiteral("OK"));
    QVERIFY(!w.visible1);
    QVERIFY(w.visible2);
    QCOMPARE(App().Thema, QStringLiteral("Black"));
    QCOMPARE(App().FontSize, 18);
    QCOMPARE(FormDB->geometry().x(), 285);
    const QStringList &boxes = ConfigFile::setLineBoxNames();
    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(FormPrefs->findChild<QCheckBox *>(boxes[i])->isChecked(), i < 14);
    // The old file stays until the program closes.
    QCOMPARE(contents(iniOf(root)), bytes);
}

void TestConfigRestart::damagedFileIsReportedOnce()
{
    TestDataRoot root;
    prepare(root);
    ConfigFile::Settings s;
    s.Thema = QStringLiteral("Green");
    s.FontSize = 20;
    s.DBTop = 33;
    s.DBLeft = 44;
    QList<QByteArray> lines = ConfigFile::format(s).split('\n');
    lines[13] = "wide";   // line 14: FormDB width
    lines[14] = "";       // line 15: FormDB top
    // The file ends after the first ten set lines.
    lines = lines.mid(0, 70);
    root.write(QStringLiteral("home/.Tallyrun/vellumtrove.ini"), lines.join('\n'));

    AppFixture app(root);
    QVERIFY(!Form1->startupFailed());
    QCOMPARE(TFormWarning::shownMessages().size(), 1);
    const TFormWarning::Shown &w = TFormWarning::shownMessages().first();
    QVERIFY(w.title.contains(QStringLiteral("damaged")));
    QVERIFY(w.text.contains(QStringLiteral("vellumtrove.ini")));
    QVERIFY(w.text.contains(QStringLiteral("line 14")));
    // Usable lines are applied, the others keep their defaults.
    QCOMPARE(App().Thema, QStringLiteral("Green"));
    QCOMPARE(App().FontSize, 20);
    QCOMPARE(FormDB->geometry().x(), 44);
    QCOMPARE(FormDB->geometry().y(), 10);
    QVERIFY(FormPrefs->setCheckBox(0)->isChecked());
    // Set line 71 ("Magic 2011") is missing: its box keeps its designed state.
    QVERIFY(FormPrefs->findChild<QCheckBox *>(QStringLiteral("CB_2011"))->isChecked());
}

void TestConfigRestart::failedWriteIsReported()
{
    TestDataRoot root;
    prepare(root);
    AppFixture app(root);
    Form1->SaveConfig();
    const QByteArray good = contents(iniOf(root));
    QVERIFY(!good.isEmpty());
    TFormWarning::shownMessages().clear();

    // The settings folder turned into something that is not a folder.
    root.write(QStringLiteral("blocker"), "a file");
    const QString kept = App().ConfigDir;
    App().ConfigDir = root.file(QStringLiteral("blocker"));
    Form1->SaveConfig();
    QCOMPARE(TFormWarning::shownMessages().size(), 1);
    QCOMPARE(TFormWarning::shownMessages().first().title, QStringLiteral("Your settings could not be saved"));
    QCOMPARE(contents(root.file(QStringLiteral("blocker"))), QByteArray("a file"));
    App().ConfigDir = kept;
    QCOMPARE(contents(iniOf(root)), good);
}

QTEST_MAIN(TestConfigRestart)
#include "tst_configrestart.moc"
