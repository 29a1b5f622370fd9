#pragma once
// Common base of the four floating tool windows (database, collection, decks,
// card details). It owns everything they share: the backdrop picture, the
// title drawn with a shadow copy, the minimize picture, the window-menu
// picture `ImageSubMenu`, moving by the title, resizing from the bottom-right
// corner, reducing to the icon on the main window, the quit question when the
// last one closes, and the switch between backdrop mode and dialog mode.
// Windows derived from it must not make their own copies of these pictures.

#include "app/appstate.h"

#include <QLabel>
#include <QWidget>

class TToolWindow : public QWidget {
    Q_OBJECT
public:
    enum class Resize { No, FromSurface, FromSurfaceAndTitle };

    struct Traits {
        QString backdropName;                 // "ImageBackDrop" or "ImageBackdrop"
        QString minimizeName;                 // e.g. "ImageMinimizeDB"
        QString iconName;                     // icon on the main window, e.g. "Icoondb"
        bool AppState::*moving = nullptr;     // moving flag in App()
        bool AppState::*resizing = nullptr;   // resizing flag; null when not resizable
        bool AppState::*visibleFlag = nullptr;
        Resize resize = Resize::No;
        bool moveFromSurface = false;         // a press anywhere on the window starts a move
        bool iconAfterClose = true;           // the icon shows after the platform closed the window
        bool beepOnReduce = false;
    };

    explicit TToolWindow(const Traits &traits, QWidget *parent = nullptr);

    QLabel *backdrop() const { return m_backdrop; }
    QLabel *minimizePicture() const { return m_minimize; }
    QLabel *ImageSubMenu = nullptr;
    QLabel *titleLabel() const { return m_title; }
    QLabel *titleShadow() const { return m_shadow; }
    QLabel *icon() const;                     // this window's icon on the main window
    const Traits &traits() const { return m_traits; }

    // Mouse handling; positions are in this window's coordinates, the
    // window itself is placed from the screen position of the mouse.
    void titleMouseDown(Qt::MouseButton button);
    void titleMouseMove(Qt::MouseButtons buttons, const QPoint &pos);
    void surfaceMouseDown(Qt::MouseButton button, const QPoint &pos);
    void surfaceMouseMove(Qt::MouseButtons buttons, const QPoint &pos);
    void dragMouseUp();

    // Minimize picture: reduce to the icon (minimised in dialog mode).
    void ReduceToIcon();
    // Icon click or window menu: visible, icon hidden, normal state.
    void RestoreFromIcon();
    // Window mode: framed ordinary window, or borderless and above everything.
    void setDialogStyle(bool dialog);
    // Gives the window the stay-on-top style again and raises it.
    void bringToFront();

    // Raises and activates a window where the platform can stack windows.
    static void raiseWindow(QWidget *w, bool activate);
    // The four tool windows in the order collection, card details, database, decks.
    static QList<TToolWindow *> all();

protected:
    // The white title over its black shadow copy, one pixel lower and right.
    void makeTitle(const QString &whiteName, const QString &shadowName, const QString &caption,
                   QLabel **white, QLabel **shadow);
    // A picture label with an object name; scaled pictures fill it.
    QLabel *makeImage(const QString &name, int w, int h, bool scaled = true);
    // Where the chrome pictures sit; derived windows may move them.
    virtual void layoutChrome();

    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLabel *m_backdrop = nullptr;
    QLabel *m_minimize = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_shadow = nullptr;

private:
    bool &flag(bool AppState::*member) const { return App().*member; }
    bool isMoving() const { return flag(m_traits.moving); }
    bool isResizing() const { return m_traits.resizing && flag(m_traits.resizing); }
    void moveWithMouse();
    void showResizeCursor();
    void clearResizeCursor();

    Traits m_traits;
    bool m_resizeCursor = false;
};
