// The main window's own behaviour and the tool windows seen from it: the icon
// bar, the close button, F7, clicks and mouse moves on the backdrop, the
// window menu, the preferences and About windows, and the window modes.

#include "app/form1.h"

#include "app/appstate.h"
#include "app/formabout.h"
#include "app/forms.h"
#include "app/widgettoolwindow.h"
#include "app/windowdrag.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "details/formfoto.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

void TForm1::setupWindowHandling()
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (QLabel *l : {CloseButton, IcoonPrefs, IcoonCollectie, Icoondb, IcoonDecks, IcoonFoto})
        l->installEventFilter(this);
    // Until a card is shown, the card details icon shows the back of a card.
    QPixmap back(46, 58);
    back.fill(Qt::transparent);
    {
        QPainter p(&back);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x1a, 0x12, 0x0c), 1.5));
        p.setBrush(QColor(0x6b, 0x45, 0x22));
        p.drawRoundedRect(QRectF(1, 1, 44, 56), 4, 4);
        p.setPen(QPen(QColor(0xd8, 0xc8, 0x98), 1.2));
        p.setBrush(QColor(0x3a, 0x24, 0x12));
        p.drawRoundedRect(QRectF(5, 5, 36, 48), 3, 3);
        p.setBrush(QColor(0xc8, 0x9a, 0x4a));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(23, 29), 9, 12);
        p.setBrush(QColor(0x3a, 0x24, 0x12));
        p.drawEllipse(QPointF(23, 29), 5, 8);
    }
    IcoonFoto->setPixmap(back);
    CloseButton->setToolTip(tr("Close Vellum Trove"));
    IcoonPrefs->setToolTip(tr("Preferences"));
    IcoonCollectie->setToolTip(tr("Collection"));
    Icoondb->setToolTip(tr("Card Database"));
    IcoonDecks->setToolTip(tr("Decks"));
    IcoonFoto->setToolTip(tr("Card Details"));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        return true;
    if (event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto *me = static_cast<QMouseEvent *>(event);
    auto *label = static_cast<QLabel *>(watched);
    if (me->button() != Qt::LeftButton || !label->rect().contains(me->position().toPoint()))
        return true;
    if (watched == CloseButton)
        CloseButtonClick();
    else if (watched == IcoonPrefs)
        IcoonPrefsClick();
    else if (watched == IcoonCollectie)
        IcoonCollectieClick();
    else if (watched == Icoondb)
        IcoondbClick();
    else if (watched == IcoonDecks)
        IcoonDecksClick();
    else if (watched == IcoonFoto)
        IcoonFotoClick();
    return true;
}

void TForm1::CloseButtonClick() { close(); }

void TForm1::SwitchFullScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QList<QRect> rects;
    for (QScreen *s : screens)
        rects << s->geometry();
    const int i = WindowDrag::screenShowingMost(frameGeometry(), rects);
    if (i < 0)
        return;
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
    setGeometry(rects.at(i));
}

void TForm1::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_F7) {
        SwitchFullScreen();
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TForm1::FormClick()
{
    // The tool windows come back above the full-screen backdrop.
    if (FormPrefs && FormPrefs->CB_UseDialog->isChecked())
        return;
    for (TToolWindow *w : TToolWindow::all())
        w->bringToFront();
}

void TForm1::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        FormClick();
    QWidget::mousePressEvent(e);
}

void TForm1::mouseMoveEvent(QMouseEvent *e)
{
    // A fast drag that leaves a tool window keeps going.
    for (TToolWindow *w : TToolWindow::all())
        if (w->isActiveWindow())
            w->titleMouseMove(e->buttons(), w->mapFromGlobal(e->globalPosition().toPoint()));
    QWidget::mouseMoveEvent(e);
}

// ---- icons -------------------------------------------------------------------

void TForm1::IcoondbClick() { FormDB->RestoreFromIcon(); }
void TForm1::IcoonCollectieClick() { FormCollectie->RestoreFromIcon(); }
void TForm1::IcoonDecksClick() { FormDecks->RestoreFromIcon(); }
void TForm1::IcoonFotoClick() { FormFoto->RestoreFromIcon(); }

void TForm1::IcoonPrefsClick()
{
    FormPrefs->exec();
    ShowOpenToolWindows();
}

void TForm1::ShowOpenToolWindows()
{
    // A window whose icon is hidden was open; the icons may be hidden only
    // because the main window itself is hidden (dialog mode), so ask the
    // icon itself.
    for (TToolWindow *w : TToolWindow::all()) {
        QLabel *i = w->icon();
        if (i && i->isHidden())
            w->show();
    }
}

// ---- the window menu -----------------------------------------------------------

QMenu *TForm1::WindowMenu()
{
    QMenu *m = FormDB->PopupMenu1;
    if (!m->actions().isEmpty())
        return m;
    auto item = [m](const char *name, const QString &text, auto slot) {
        QAction *a = m->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        QObject::connect(a, &QAction::triggered, Form1, slot);
        return a;
    };
    item("MenuItemCardDatabase", QStringLiteral("Card Database"), [] { Form1->IcoondbClick(); });
    item("MenuItemCollectionDatabase", QStringLiteral("Collection Database"), [] { Form1->IcoonCollectieClick(); });
    item("MenuItemCardDetails", QStringLiteral("Card Details"), [] { Form1->IcoonFotoClick(); });
    item("MenuItemDeckDatabase", QStringLiteral("Deck Database"), [] { Form1->IcoonDecksClick(); });
    m->addSeparator();
    item("MenuItemPreferences", QStringLiteral("Preferences"), [] { Form1->IcoonPrefsClick(); });
    m->addSeparator();
    item("MenuItemAbout", QStringLiteral("About Vellum Trove"), [] { Form1->AboutClick(); });
    item("MenuItemExit", QStringLiteral("Exit Vellum Trove"), [] { Form1->close(); });
    return m;
}

void TForm1::ShowWindowMenu(const QPoint &globalPos)
{
    WindowMenu()->popup(globalPos);
}

void TForm1::AboutClick()
{
    FormAbout->show();
    TToolWindow::raiseWindow(FormAbout, true);
}

// ---- window modes ----------------------------------------------------------------

void TForm1::ApplyWindowMode()
{
    const QList<TToolWindow *> order{FormFoto, FormCollectie, FormDB, FormDecks};
    if (FormPrefs->CB_UseDialog->isChecked()) {
        hide();
        ProcessMessages();
        for (TToolWindow *w : order)
            w->setDialogStyle(true);
        ProcessMessages();
        bool anyOpen = false;
        for (TToolWindow *w : order)
            anyOpen = anyOpen || !w->isHidden();
        if (!anyOpen)
            FormDB->show();
    } else {
        setWindowState(Qt::WindowMaximized);
        show();
        for (TToolWindow *w : order)
            w->setDialogStyle(false);
        ProcessMessages();
        for (TToolWindow *w : order)
            w->bringToFront();
        ProcessMessages();
    }
}

// ---- printing ----------------------------------------------------------------------

QPrinter *TForm1::Printer()
{
    if (!m_printer)
        m_printer = new QPrinter(QPrinter::HighResolution);
    return m_printer;
}

QPrintDialog *TForm1::PrintDialog1()
{
    if (!m_printDialog) {
        m_printDialog = new QPrintDialog(Printer(), this);
        m_printDialog->setObjectName(QStringLiteral("PrintDialog1"));
    }
    return m_printDialog;
}
