#include "decks/formexportdeck.h"

TFormExportDeck::TFormExportDeck(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormExportDeck"));
    setWindowTitle(QStringLiteral("Export Deck"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(500, 200);
}
