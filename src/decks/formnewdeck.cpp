#include "decks/formnewdeck.h"

#include <QLabel>

TFormNewDeck::TFormNewDeck(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormNewDeck"));
    setWindowTitle(QStringLiteral("Vellum Trove"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(550, 150);
    // Theme picture across the top band.
    auto *backdrop = new QLabel(this);
    backdrop->setObjectName(QStringLiteral("ImageBackdrop"));
    backdrop->setScaledContents(true);
    backdrop->setGeometry(0, 0, width(), 74);
    backdrop->lower();
}
