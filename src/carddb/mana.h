#pragma once
// Mana cost notation: {2}{W}{W}, {B/R}, {WP} ... and the 39 symbol pictures.

#include <QString>
#include <QStringList>

namespace Mana {

constexpr int SymbolCount = 39;
constexpr int NoPicture = 254;

// The symbols of a cost, in order, without braces. An empty cost gives one
// empty symbol. A "{" that is never closed ends the cost: the text after it
// is taken as the last symbol.
QStringList splitCost(const QString &cost);

// Index of a symbol in the picture table (0..38), or NoPicture.
int Convert(const QString &symbol);

// Picture code of a symbol: the symbol with its "/" removed ("B/R" -> "BR").
QString pictureCode(const QString &symbol);

// Picture code of entry `index` of the table, e.g. 0 -> "0", 26 -> "BR".
QString codeOfIndex(int index);
// File name of the bitmap loaded as entry `index` ("0.bmp" .. "GP.bmp").
QString bitmapFileOfIndex(int index);
// The symbol text of entry `index` ("B/R" for 26).
QString symbolOfIndex(int index);

// The ten codes fetched from the update server when missing at start.
const QStringList &downloadedCodes();

// Colour names of a cost, joined by "/", in the order White, Black, Red,
// Green, Blue; empty for a colourless cost.
QString deriveColor(const QString &cost);

} // namespace Mana
