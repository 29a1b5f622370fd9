#pragma once
// Geometry rules of the floating tool windows: the resize corner, the screen
// position of the mouse and the monitor a window belongs to.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

namespace WindowDrag {

// Size of the square in the bottom-right corner from which a window is resized.
constexpr int ResizeZone = 8;

// True when `pos` (window coordinates) lies in the resize corner of a window
// of `size`: x > width - 8 and y > height - 8.
bool inResizeZone(const QPoint &pos, const QSize &size);

// The mouse position in screen coordinates. Tests replace the source.
QPoint screenMousePos();
void setScreenMousePosSource(std::function<QPoint()> source);   // empty: the real cursor

// Index of the rectangle in `screens` that shares the largest area with
// `window`; the first one on a tie, 0 when none overlaps, -1 for no screens.
int screenShowingMost(const QRect &window, const QList<QRect> &screens);

} // namespace WindowDrag
