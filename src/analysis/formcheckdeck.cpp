#include "analysis/formcheckdeck.h"

TFormCheckDeck::TFormCheckDeck(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCheckDeck"));
    setWindowTitle(QStringLiteral("Check Deck"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(900, 600);
}
