#include "app/widgettoolwindow.h"

#include "app/form1.h"
#include "app/forms.h"
#include "app/windowdrag.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "details/formfoto.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace {

// Pictures shown until a theme is applied, so that a window never shows an
// empty hole where its buttons belong.
QPixmap defaultMinimizePicture()
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xd8, 0xc8, 0x98), 1.5));
    p.setBrush(QColor(0x2a, 0x2a, 0x30, 200));
    p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    p.setPen(QPen(QColor(0xf0, 0xe6, 0xc8), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.5, 15.5), QPointF(16.5, 15.5));
    return pm;
}

QPixmap defaultMenuPicture()
{
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xd8, 0xc8, 0x98), 1.2));
    p.setBrush(QColor(0x2a, 0x2a, 0x30, 200));
    p.drawRoundedRect(QRectF(0.6, 0.6, 16.8, 16.8), 3, 3);
    p.setPen(QPen(QColor(0xf0, 0xe6, 0xc8), 1.8, Qt::SolidLine, Qt::RoundCap));
    for (double y : {5.5, 9.0, 12.5})
        p.drawLine(QPointF(4.5, y), QPointF(13.5, y));
    return pm;
}

} // namespace

TToolWindow::TToolWindow(const Traits &traits, QWidget *parent) : QWidget(parent), m_traits(traits)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1e, 0x1f, 0x24));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setMouseTracking(true);

    // The backdrop takes no mouse input: presses and moves over it are the
    // window's own.
    m_backdrop = new QLabel(this);
    m_backdrop->setObjectName(traits.backdropName);
    m_backdrop->setScaledContents(true);
    m_backdrop->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_backdrop->lower();

    m_minimize = makeImage(traits.minimizeName, 24, 24);
    m_minimize->setPixmap(defaultMinimizePicture());
    m_minimize->setCursor(Qt::PointingHandCursor);
    m_minimize->setToolTip(tr("Reduce to its icon"));
    m_minimize->installEventFilter(this);

    ImageSubMenu = makeImage(QStringLiteral("ImageSubMenu"), 18, 18);
    ImageSubMenu->setPixmap(defaultMenuPicture());
    ImageSubMenu->setCursor(Qt::PointingHandCursor);
    ImageSubMenu->setToolTip(tr("Window menu"));
    ImageSubMenu->installEventFilter(this);
}

QLabel *TToolWindow::makeImage(const QString &name, int w, int h, bool scaled)
{
    auto *l = new QLabel(this);
    l->setObjectName(name);
    l->resize(w, h);
    l->setScaledContents(scaled);
    return l;
}

void TToolWindow::makeTitle(const QString &whiteName, const QString &shadowName, const QString &caption,
                            QLabel **white, QLabel **shadow)
{
    QFont f = font();
    f.setBold(true);
    f.setPointSize(12);
    auto *s = new QLabel(caption, this);
    s->setObjectName(shadowName);
    s->setFont(f);
    s->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    s->move(11, 5);
    s->adjustSize();
    s->setCursor(Qt::SizeAllCursor);
    auto *w = new QLabel(caption, this);
    w->setObjectName(whiteName);
    w->setFont(f);
    w->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    w->move(10, 4);
    w->adjustSize();
    w->setCursor(Qt::SizeAllCursor);
    s->installEventFilter(this);
    w->installEventFilter(this);
    m_title = w;
    m_shadow = s;
    *white = w;
    *shadow = s;
}

QLabel *TToolWindow::icon() const
{
    return Form1 ? Form1->findChild<QLabel *>(m_traits.iconName) : nullptr;
}

QList<TToolWindow *> TToolWindow::all()
{
    QList<TToolWindow *> list;
    for (TToolWindow *w : std::initializer_list<TToolWindow *>{FormCollectie, FormFoto, FormDB, FormDecks})
        if (w)
            list << w;
    return list;
}

void TToolWindow::raiseWindow(QWidget *w, bool activate)
{
    // The offscreen platform of the tests has no stacking.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    w->raise();
    if (activate)
        w->activateWindow();
}

void TToolWindow::layoutChrome()
{
    const int w = width(), h = height();
    m_minimize->move(w - 24 - 6, 5);
    if (m_traits.resize == Resize::No)
        ImageSubMenu->move(m_minimize->x() - 18 - 6, 8);   // along the top, beside the minimize picture
    else
        ImageSubMenu->move(w - 18 - 12, h - 18 - 10);      // bottom right, clear of the resize corner
}

void TToolWindow::resizeEvent(QResizeEvent *e)
{
    m_backdrop->setGeometry(0, 0, e->size().width(), e->size().height());
    layoutChrome();
    QWidget::resizeEvent(e);
}

// ---- moving and resizing ------------------------------------------------

void TToolWindow::moveWithMouse()
{
    const QPoint m = WindowDrag::screenMousePos();
    move(m.x() - App().OudX, m.y() - App().OudY);
}

void TToolWindow::showResizeCursor()
{
    setCursor(Qt::SizeFDiagCursor);
    m_resizeCursor = true;
}

void TToolWindow::clearResizeCursor()
{
    unsetCursor();
    m_resizeCursor = false;
}

void TToolWindow::titleMouseDown(Qt::MouseButton button)
{
    Q_UNUSED(button)
    AppState &a = App();
    // A press while a move is still going on keeps the first grab point.
    if (!isMoving()) {
        const QPoint m = WindowDrag::screenMousePos();
        a.OudX = m.x() - x();
        a.OudY = m.y() - y();
    }
    flag(m_traits.moving) = true;
}

void TToolWindow::titleMouseMove(Qt::MouseButtons buttons, const QPoint &pos)
{
    if (isMoving()) {
        if (buttons & Qt::LeftButton)
            moveWithMouse();
        return;
    }
    if (m_traits.resize == Resize::FromSurfaceAndTitle)
        surfaceMouseMove(buttons, pos);
}

void TToolWindow::surfaceMouseDown(Qt::MouseButton button, const QPoint &pos)
{
    if (m_traits.resizing && button == Qt::LeftButton && WindowDrag::inResizeZone(pos, size())) {
        flag(m_traits.resizing) = true;
        showResizeCursor();
        return;
    }
    if (m_traits.moveFromSurface)
        titleMouseDown(button);
}

void TToolWindow::surfaceMouseMove(Qt::MouseButtons buttons, const QPoint &pos)
{
    if (isMoving()) {
        if (buttons & Qt::LeftButton)
            moveWithMouse();
        return;
    }
    if (!m_traits.resizing)
        return;
    const bool resizing = isResizing();
    if (resizing || WindowDrag::inResizeZone(pos, size())) {
        showResizeCursor();
        // Only a drag that began in the corner resizes; passing through the
        // corner with the button already down does not.
        if (resizing && (buttons & Qt::LeftButton)) {
            const QPoint m = WindowDrag::screenMousePos();
            resize(qMax(m.x() - x(), 120), qMax(m.y() - y(), 80));
        }
    } else if (m_resizeCursor && buttons == Qt::NoButton) {
        clearResizeCursor();
    }
}

void TToolWindow::dragMouseUp()
{
    AppState &a = App();
    if (m_traits.resizing) {
        a.MovingDB = a.MovingCollectie = a.MovingDecks = false;
        a.ResizingDB = a.ResizingCollectie = a.ResizingDecks = false;
    } else {
        flag(m_traits.moving) = false;
    }
    clearResizeCursor();
}

void TToolWindow::mousePressEvent(QMouseEvent *e)
{
    surfaceMouseDown(e->button(), e->position().toPoint());
    e->accept();
}

void TToolWindow::mouseMoveEvent(QMouseEvent *e)
{
    surfaceMouseMove(e->buttons(), e->position().toPoint());
    e->accept();
}

void TToolWindow::mouseReleaseEvent(QMouseEvent *e)
{
    dragMouseUp();
    e->accept();
}

bool TToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::MouseMove && t != QEvent::MouseButtonRelease &&
        t != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    auto *me = static_cast<QMouseEvent *>(event);
    auto *w = static_cast<QWidget *>(watched);
    if (watched == m_title || watched == m_shadow) {
        const QPoint pos = w->mapTo(this, me->position().toPoint());
        if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick)
            titleMouseDown(me->button());
        else if (t == QEvent::MouseMove)
            titleMouseMove(me->buttons(), pos);
        else
            dragMouseUp();
        return true;
    }
    if (watched == m_minimize || watched == ImageSubMenu) {
        // A click: released over the picture it was pressed on.
        if (t == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton &&
            w->rect().contains(me->position().toPoint())) {
            if (watched == m_minimize)
                ReduceToIcon();
            else if (Form1)
                Form1->ShowWindowMenu(WindowDrag::screenMousePos());
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- reducing, restoring, closing ----------------------------------------

void TToolWindow::ReduceToIcon()
{
    if (FormPrefs && FormPrefs->CB_UseDialog->isChecked())
        showMinimized();
    else
        hide();
    if (QLabel *i = icon())
        i->show();
    flag(m_traits.visibleFlag) = false;
    if (m_traits.beepOnReduce)
        QApplication::beep();
}

void TToolWindow::RestoreFromIcon()
{
    setWindowState(Qt::WindowNoState);
    show();
    if (QLabel *i = icon())
        i->hide();
    flag(m_traits.visibleFlag) = true;
    raiseWindow(this, true);
}

void TToolWindow::closeEvent(QCloseEvent *e)
{
    bool otherOpen = false;
    for (TToolWindow *w : all())
        if (w != this && w->isVisible())
            otherOpen = true;
    if (!otherOpen && Form1) {
        // Only an explicit YES quits: closing the question itself counts as NO.
        App().Answer = false;
        Form1->ShowMeWarning(
            QStringLiteral("You are closing the last dialog.\rClosing the last dialog exits Hobbelrin's VellumTrove"),
            QStringLiteral("Are you sure you want to quit VELLUMTROVE?"), QStringLiteral("YES"),
            QStringLiteral("NO"), true, true);
        if (!App().Answer) {
            e->ignore();
            return;
        }
        e->accept();
        Form1->close();
        return;
    }
    e->accept();
    if (m_traits.iconAfterClose)
        if (QLabel *i = icon())
            i->show();
    flag(m_traits.visibleFlag) = false;
}

// ---- window modes ----------------------------------------------------------

void TToolWindow::setDialogStyle(bool dialog)
{
    const Qt::WindowFlags wanted =
        dialog ? Qt::WindowFlags(Qt::Window)
               : Qt::WindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (windowFlags() != wanted) {
        const bool wasShown = !isHidden();
        const QRect g = geometry();   // the inside area stays where it was
        setWindowFlags(wanted);       // hides the window
        setGeometry(g);
        if (wasShown)
            show();
    }
    if (dialog)
        setWindowState(Qt::WindowNoState);
    m_minimize->setVisible(!dialog);
}

void TToolWindow::bringToFront()
{
    if (!windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        const bool wasShown = !isHidden();
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (wasShown)
            show();
    }
    if (isVisible())
        raiseWindow(this, false);
}
