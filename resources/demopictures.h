#pragma once
// The program's own pictures: mana symbols, card faces and the card back,
// the theme pictures, the splash and About banners. All drawn with QPainter.

#include <QRectF>
#include <QString>

class QPainter;
struct DemoCatalogue;

// Draws one cost symbol ("W", "2/G", "BP", "15" ...) as a disc filling `r`.
void drawManaSymbol(QPainter &p, const QRectF &r, const QString &symbol);

bool writeManaPictures(const QString &root, QString *error);
bool writeCardPictures(const DemoCatalogue &cat, const QString &root, QString *error);
bool writeThemes(const QString &root, QString *error);
bool writeBanners(const QString &root, QString *error);
