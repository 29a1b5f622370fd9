#include "app/windowdrag.h"

#include <QCursor>

namespace WindowDrag {

namespace {
std::function<QPoint()> &source()
{
    static std::function<QPoint()> s;
    return s;
}
} // namespace

bool inResizeZone(const QPoint &pos, const QSize &size)
{
    return pos.x() > size.width() - ResizeZone && pos.y() > size.height() - ResizeZone;
}

QPoint screenMousePos()
{
    if (source())
        return source()();
    return QCursor::pos();
}

void setScreenMousePosSource(std::function<QPoint()> s) { source() = std::move(s); }

int screenShowingMost(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return -1;
    int best = 0;
    qint64 bestArea = -1;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect r = window.intersected(screens.at(i));
        const qint64 area = r.isEmpty() ? 0 : qint64(r.width()) * r.height();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    return best;
}

} // namespace WindowDrag
