#include "collections/formeditcard.h"

#include <QLabel>

TFormEditCard::TFormEditCard(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormEditCard"));
    setWindowTitle(QStringLiteral("Edit Card"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(668, 215);
    // Theme picture across the top band.
    auto *backdrop = new QLabel(this);
    backdrop->setObjectName(QStringLiteral("ImageBackdrop"));
    backdrop->setScaledContents(true);
    backdrop->setGeometry(0, 0, width(), 104);
    backdrop->lower();
}
