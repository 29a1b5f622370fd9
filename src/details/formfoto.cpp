#include "details/formfoto.h"

static TToolWindow::Traits fotoTraits()
{
    TToolWindow::Traits t;
    t.backdropName = QStringLiteral("ImageBackDrop");
    t.minimizeName = QStringLiteral("ImageMinimizeDetails");
    t.iconName = QStringLiteral("IcoonFoto");
    t.moving = &AppState::MovingFoto;
    t.visibleFlag = &AppState::FormFotoVisible;
    t.moveFromSurface = true;
    return t;
}

TFormFoto::TFormFoto(QWidget *parent) : TToolWindow(fotoTraits(), parent)
{
    setObjectName(QStringLiteral("FormFoto"));
    setWindowTitle(QStringLiteral("Card Details"));
    setFixedWidth(260);
    resize(260, 600);
    makeTitle(QStringLiteral("LabelDetails"), QStringLiteral("LabelDetails1"), QStringLiteral("Card Details:"),
              &LabelDetails, &LabelDetails1);
}
