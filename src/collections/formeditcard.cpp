#include "collections/formeditcard.h"

TFormEditCard::TFormEditCard(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormEditCard"));
    setWindowTitle(QStringLiteral("Edit Card"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(668, 215);
}
