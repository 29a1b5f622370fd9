// The main window and the four floating tool windows: moving, resizing,
// reducing to icons, the quit question, window modes, F7, the window menu,
// the About window and the message window.

#include "app/appstate.h"
#include "app/form1.h"
#include "app/formabout.h"
#include "app/forms.h"
#include "app/formwarning.h"
#include "app/windowdrag.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "details/formfoto.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

QPoint g_mouse;   // the screen position of the mouse, as the windows see it

void setMouse(const QPoint &p) { g_mouse = p; }

void send(QWidget *target, QEvent::Type type, const QPoint &local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}
void press(QWidget *w, const QPoint &p = {2, 2}) { send(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
void drag(QWidget *w, const QPoint &p = {2, 2}) { send(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
void release(QWidget *w, const QPoint &p = {2, 2}) { send(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }
void click(QWidget *w) { press(w); release(w); }

QList<TToolWindow *> toolWindows() { return {FormCollectie, FormFoto, FormDB, FormDecks}; }

} // namespace

class TestToolWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDataRoot> root;
    std::unique_ptr<AppFixture> fx;

private slots:
    void initTestCase() { WindowDrag::setScreenMousePosSource([] { return g_mouse; }); }
    void cleanupTestCase() { WindowDrag::setScreenMousePosSource({}); }
    void init()
    {
        root = std::make_unique<TestDataRoot>();
        root->addManaPictures();
        fx = std::make_unique<AppFixture>(*root);
        TFormWarning::shownMessages().clear();
    }
    void cleanup()
    {
        fx.reset();
        root.reset();
    }

    void startShowsDatabaseAndDetailsWithTheOtherIconsOnTheBar()
    {
        QVERIFY(Form1->isVisible());
        QVERIFY(FormDB->isVisible() && FormFoto->isVisible());
        QVERIFY(!FormCollectie->isVisible() && !FormDecks->isVisible());
        QVERIFY(!FormCollectie->icon()->isHidden() && !FormDecks->icon()->isHidden());
        QVERIFY(FormDB->icon()->isHidden() && FormFoto->icon()->isHidden());
        for (TToolWindow *w : toolWindows()) {
            QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
            QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(!w->minimizePicture()->isHidden());
        }
        // Icon bar along the bottom, close button in the top-right corner.
        const int h = Form1->height();
        QCOMPARE(Form1->CloseButton->geometry(), QRect(Form1->width() - 6 - 28, 4, 28, 28));
        QCOMPARE(Form1->IcoonPrefs->geometry(), QRect(43, h - 4 - 46, 46, 46));
        QCOMPARE(Form1->IcoonCollectie->x(), 43 + 50);
        QCOMPARE(Form1->Icoondb->x(), 43 + 100);
        QCOMPARE(Form1->IcoonDecks->x(), 43 + 150);
        QCOMPARE(Form1->IcoonFoto->geometry(), QRect(43 + 200, h - 4 - 58, 46, 58));
    }

    void titleDragMovesByTheMouseAndKeepsTheFirstGrabPoint_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("database") << "FormDB" << "Label8";
        QTest::newRow("database shadow") << "FormDB" << "Label11";
        QTest::newRow("details") << "FormFoto" << "LabelDetails";
        QTest::newRow("collection") << "FormCollectie" << "Label1";
        QTest::newRow("decks") << "FormDecks" << "Label1";
    }
    void titleDragMovesByTheMouseAndKeepsTheFirstGrabPoint()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        TToolWindow *w = nullptr;
        for (TToolWindow *t : toolWindows())
            if (t->objectName() == window)
                w = t;
        QVERIFY(w);
        w->show();
        auto *label = w->findChild<QLabel *>(title);
        QVERIFY(label);
        w->move(100, 100);
        const QSize size = w->size();

        setMouse({150, 110});
        press(label);
        setMouse({190, 160});
        drag(label);
        QCOMPARE(w->pos(), QPoint(140, 150));
        QCOMPARE(w->size(), size);

        // A second press while the move goes on (its release was lost) keeps
        // the grab point of the first one.
        setMouse({400, 300});
        press(label);
        setMouse({410, 320});
        drag(label);
        QCOMPARE(w->pos(), QPoint(360, 310));

        release(label);
        const AppState &a = App();
        QVERIFY(!a.MovingDB && !a.MovingFoto && !a.MovingCollectie && !a.MovingDecks);
        // Without a press, mouse moves leave the window where it is.
        setMouse({600, 600});
        drag(label);
        QCOMPARE(w->pos(), QPoint(360, 310));
    }

    void resizeOnlyFromInsideTheCorner_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("dx");   // press point relative to the bottom-right pixel
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("resizes");
        for (const char *w : {"FormDB", "FormCollectie", "FormDecks"}) {
            QTest::addRow("%s inner corner pixel", w) << w << -6 << -6 << true;
            QTest::addRow("%s bottom-right pixel", w) << w << 0 << 0 << true;
            QTest::addRow("%s one left of the zone", w) << w << -7 << 0 << false;
            QTest::addRow("%s one above the zone", w) << w << 0 << -7 << false;
        }
    }
    void resizeOnlyFromInsideTheCorner()
    {
        QFETCH(QString, window);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, resizes);
        TToolWindow *w = window == "FormDB" ? static_cast<TToolWindow *>(FormDB)
                         : window == "FormCollectie" ? static_cast<TToolWindow *>(FormCollectie)
                                                     : static_cast<TToolWindow *>(FormDecks);
        w->show();
        w->setGeometry(50, 60, 500, 300);
        const QPoint at(w->width() - 1 + dx, w->height() - 1 + dy);
        setMouse(w->pos() + at);
        press(w, at);
        // Drag outward: the pointer passes through the corner zone either way.
        setMouse(w->pos() + at + QPoint(70, 40));
        drag(w, at + QPoint(70, 40));
        release(w, at + QPoint(70, 40));
        if (resizes)
            QCOMPARE(w->geometry(), QRect(50, 60, at.x() + 70, at.y() + 40));
        else
            QCOMPARE(w->geometry(), QRect(50, 60, 500, 300));
        const AppState &a = App();
        QVERIFY(!a.ResizingDB && !a.ResizingCollectie && !a.ResizingDecks);
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    }

    void cardDetailsWindowIsNeverResized()
    {
        FormFoto->setGeometry(30, 40, 260, 500);
        const QPoint corner(259, 499);
        setMouse(FormFoto->pos() + corner);
        press(FormFoto, corner);
        setMouse(FormFoto->pos() + corner + QPoint(80, 60));
        drag(FormFoto, corner + QPoint(80, 60));
        release(FormFoto, corner + QPoint(80, 60));
        // A press anywhere on this window moves it instead.
        QCOMPARE(FormFoto->geometry(), QRect(110, 100, 260, 500));
        FormFoto->resize(400, 500);
        QCOMPARE(FormFoto->width(), 260);
    }

    void reduceAllFourAndBringEachBack()
    {
        FormCollectie->RestoreFromIcon();
        Form1->IcoonDecksClick();
        QMap<QString, QRect> places;
        for (TToolWindow *w : toolWindows()) {
            QVERIFY(w->isVisible());
            w->setGeometry(w->x() + 13, w->y() + 7, w->width(), w->height() - 5);
            places[w->objectName()] = w->geometry();
        }
        for (TToolWindow *w : toolWindows())
            click(w->minimizePicture());
        for (TToolWindow *w : toolWindows()) {
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
            QVERIFY(w->icon()->isVisible());
        }
        QVERIFY(Form1->IcoonPrefs->isVisible());
        QVERIFY(Form1->CloseButton->isVisible());
        const AppState &a = App();
        QVERIFY(!a.FormDBVisible && !a.FormFotoVisible && !a.FormCollectieVisible && !a.FormDecksVisible);

        for (QLabel *icon : {Form1->Icoondb, Form1->IcoonFoto, Form1->IcoonCollectie, Form1->IcoonDecks})
            click(icon);
        for (TToolWindow *w : toolWindows()) {
            QVERIFY(w->isVisible());
            QVERIFY(w->icon()->isHidden());
            QCOMPARE(w->geometry(), places[w->objectName()]);
            QCOMPARE(w->windowState(), Qt::WindowNoState);
        }
        QVERIFY(a.FormDBVisible && a.FormFotoVisible && a.FormCollectieVisible && a.FormDecksVisible);
    }

    void closingTheLastWindowAsksWhetherToQuit_data()
    {
        QTest::addColumn<std::optional<bool>>("answer");
        QTest::addColumn<bool>("quits");
        QTest::newRow("YES") << std::optional<bool>(true) << true;
        QTest::newRow("NO") << std::optional<bool>(false) << false;
        // Closing the question itself must not quit, even when an earlier
        // question was answered YES.
        QTest::newRow("question closed") << std::optional<bool>() << false;
    }
    void closingTheLastWindowAsksWhetherToQuit()
    {
        QFETCH(std::optional<bool>, answer);
        QFETCH(bool, quits);
        FormFoto->ReduceToIcon();
        QVERIFY(!FormFoto->isVisible() && FormDB->isVisible());
        App().Answer = true;
        TFormWarning::setNextAnswers({answer});
        FormDB->close();
        QCOMPARE(TFormWarning::shownMessages().size(), 1);
        const TFormWarning::Shown s = TFormWarning::shownMessages().first();
        QCOMPARE(s.title,
                 QStringLiteral("You are closing the last dialog.\rClosing the last dialog exits Hobbelrin's VellumTrove"));
        QCOMPARE(s.text, QStringLiteral("Are you sure you want to quit VELLUMTROVE?"));
        QCOMPARE(s.caption1, QStringLiteral("YES"));
        QCOMPARE(s.caption2, QStringLiteral("NO"));
        QVERIFY(s.visible1 && s.visible2);
        QCOMPARE(Form1->isVisible(), !quits);
        QCOMPARE(Form1->saveConfigCount(), quits ? 1 : 0);
        if (!quits) {
            QVERIFY(FormDB->isVisible());
            QVERIFY(Form1->Icoondb->isHidden());
        }
    }

    void closingWithAnotherWindowOpenAsksNothing()
    {
        FormDecks->RestoreFromIcon();
        FormDB->close();
        QVERIFY(!FormDB->isVisible());
        QVERIFY(Form1->Icoondb->isVisible());
        FormFoto->close();
        QVERIFY(Form1->IcoonFoto->isVisible());
        QVERIFY(TFormWarning::shownMessages().isEmpty());
        // The decks window is the last one: now the question comes (NO).
        FormDecks->close();
        QCOMPARE(TFormWarning::shownMessages().size(), 1);
        QVERIFY(FormDecks->isVisible());
        // Closed while another window is open, the decks window shows no icon.
        FormFoto->RestoreFromIcon();
        FormDecks->close();
        QVERIFY(!FormDecks->isVisible());
        QVERIFY(Form1->IcoonDecks->isHidden());
        QVERIFY(Form1->isVisible());
    }

    void dialogModeFramesTheWindowsAndHidesTheBackdrop()
    {
        FormPrefs->CB_UseDialog->setChecked(true);
        Form1->LaadThema();
        QVERIFY(!Form1->isVisible());
        for (TToolWindow *w : toolWindows()) {
            QVERIFY(!w->windowFlags().testFlag(Qt::FramelessWindowHint));
            QVERIFY(!w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(w->minimizePicture()->isHidden());
        }
        QVERIFY(FormDB->isVisible() && FormFoto->isVisible());
        // A click where the backdrop would be changes nothing.
        Form1->FormClick();
        for (TToolWindow *w : toolWindows())
            QVERIFY(!w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // Reducing minimises in the platform's way and still shows the icon.
        FormDB->ReduceToIcon();
        QVERIFY(FormDB->isMinimized());
        QVERIFY(!Form1->Icoondb->isHidden());
        Form1->IcoondbClick();
        QVERIFY(!FormDB->isMinimized() && FormDB->isVisible());

        // With every window closed, dialog mode still opens the database window.
        for (TToolWindow *w : toolWindows())
            w->hide();
        Form1->LaadThema();
        QVERIFY(FormDB->isVisible());

        FormPrefs->CB_UseDialog->setChecked(false);
        Form1->LaadThema();
        QVERIFY(Form1->isVisible());
        for (TToolWindow *w : toolWindows()) {
            QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
            QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(!w->minimizePicture()->isHidden());
        }
        QVERIFY(FormDB->isVisible());
    }

    void backdropClickPutsTheToolWindowsOnTopAgain()
    {
        FormDB->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        FormDB->show();
        QTest::mouseClick(Form1, Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
        QVERIFY(FormDB->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(FormDB->isVisible());
    }

    void f7CoversTheMonitor()
    {
        Form1->setWindowState(Qt::WindowNoState);
        Form1->setGeometry(37, 21, 300, 200);
        QTest::keyClick(Form1, Qt::Key_F7);
        QCOMPARE(Form1->geometry(), QGuiApplication::primaryScreen()->geometry());
    }

    void windowMenuItemsInOrder()
    {
        QMenu *m = Form1->WindowMenu();
        QCOMPARE(m, FormDB->PopupMenu1);
        QStringList texts;
        for (QAction *a : m->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts, (QStringList{"Card Database", "Collection Database", "Card Details", "Deck Database", "-",
                                     "Preferences", "-", "About Vellum Trove", "Exit Vellum Trove"}));
        QCOMPARE(Form1->WindowMenu()->actions().size(), 9);   // filled once

        m->actions().at(1)->trigger();   // Collection Database
        QVERIFY(FormCollectie->isVisible() && Form1->IcoonCollectie->isHidden());
        m->actions().at(3)->trigger();   // Deck Database
        QVERIFY(FormDecks->isVisible() && Form1->IcoonDecks->isHidden());

        // Preferences: modal; afterwards the open windows are shown again.
        FormDB->hide();   // hidden without its icon: it counts as open
        QTimer::singleShot(0, FormPrefs, [] { FormPrefs->reject(); });
        m->actions().at(5)->trigger();
        QVERIFY(FormDB->isVisible());

        m->actions().last()->trigger();   // Exit
        QVERIFY(!Form1->isVisible());
        QCOMPARE(Form1->saveConfigCount(), 1);
    }

    void aboutWindowShowsTheVersionAndBringsWindowsBack()
    {
        FormFoto->hide();   // hidden, icon hidden: counts as open
        FormDecks->ReduceToIcon();
        Form1->WindowMenu()->actions().at(7)->trigger();
        QVERIFY(FormAbout->isVisible());
        QVERIFY(!FormAbout->isModal());
        QCOMPARE(FormAbout->windowTitle(), QStringLiteral("About Vellum Trove"));
        QCOMPARE(FormAbout->Labelversie->text(), QStringLiteral("VELLUM TROVE 0.16_alpha_release"));
        QCOMPARE(FormAbout->LabelVersion->text(), QStringLiteral("0.16_alpha_release"));
        FormAbout->close();
        QVERIFY(!FormAbout->isVisible());
        QVERIFY(FormFoto->isVisible());
        QVERIFY(!FormDecks->isVisible());
    }

    void showMeWarningFillsTheWindow()
    {
        TFormWarning::setNextAnswers({true});
        Form1->ShowMeWarning(QStringLiteral("Title"), QStringLiteral("Line one\rLine two"), QStringLiteral(" "),
                             QStringLiteral("OK"), false, true);
        const TFormWarning::Shown s = TFormWarning::shownMessages().last();
        QCOMPARE(s.title, QStringLiteral("Title"));
        QCOMPARE(s.text, QStringLiteral("Line one\rLine two"));
        QCOMPARE(s.caption2, QStringLiteral("OK"));
        QVERIFY(!s.visible1 && s.visible2);
        QVERIFY(FormWarning->ButtonYes->isHidden());
        QVERIFY(!FormWarning->ButtonNo->isHidden());
    }

    void realMessageWindowAnswers_data()
    {
        QTest::addColumn<int>("how");   // 0 YES button, 1 NO button, 2 closed
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("YES") << 0 << false << true;
        QTest::newRow("NO") << 1 << true << false;
        QTest::newRow("closed keeps true") << 2 << true << true;
        QTest::newRow("closed keeps false") << 2 << false << false;
    }
    void realMessageWindowAnswers()
    {
        QFETCH(int, how);
        QFETCH(bool, before);
        QFETCH(bool, after);
        TFormWarning::setAutoAnswer(false);
        App().Answer = before;
        QTimer::singleShot(0, FormWarning, [how] {
            QVERIFY(FormWarning->isVisible());
            QCOMPARE(FormWarning->LabelInfo->text(), QStringLiteral("Remove?"));
            QCOMPARE(FormWarning->LabelWarning->text(), QStringLiteral("Really\nremove it?"));
            if (how == 0)
                FormWarning->ButtonYes->click();
            else if (how == 1)
                FormWarning->ButtonNo->click();
            else
                FormWarning->close();
        });
        Form1->ShowMeWarning(QStringLiteral("Remove?"), QStringLiteral("Really\rremove it?"), QStringLiteral("YES"),
                             QStringLiteral("NO"), true, true);
        QVERIFY(!FormWarning->isVisible());
        QCOMPARE(App().Answer, after);
        TFormWarning::setAutoAnswer(true, false);
    }
};

QTEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
