#include "app/widgettoolwindow.h"

#include <QResizeEvent>

TToolWindow::TToolWindow(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1e, 0x1f, 0x24));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    m_backdrop = new QLabel(this);
    m_backdrop->setScaledContents(true);
    m_backdrop->lower();
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
    *white = w;
    *shadow = s;
}

void TToolWindow::resizeEvent(QResizeEvent *e)
{
    m_backdrop->setGeometry(0, 0, e->size().width(), e->size().height());
    QWidget::resizeEvent(e);
}
