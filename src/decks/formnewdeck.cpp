#include "decks/formnewdeck.h"

TFormNewDeck::TFormNewDeck(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormNewDeck"));
    setWindowTitle(QStringLiteral("Vellum Trove"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(550, 150);
}
