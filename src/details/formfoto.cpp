#include "details/formfoto.h"

TFormFoto::TFormFoto(QWidget *parent) : TToolWindow(parent)
{
    setObjectName(QStringLiteral("FormFoto"));
    setWindowTitle(QStringLiteral("Card Details"));
    setFixedWidth(260);
    resize(260, 600);
    makeTitle(QStringLiteral("LabelDetails"), QStringLiteral("LabelDetails1"), QStringLiteral("Card Details:"),
              &LabelDetails, &LabelDetails1);
}
