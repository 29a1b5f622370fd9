#pragma once
// The 39 symbol bitmaps drawn by the card grids, loaded once at start.

#include <QImage>
#include <QStringList>
#include <QVector>

QVector<QImage> &Images();

// Loads Images from `manaDir` (ending in "/"). Returns the file names that
// were missing or could not be read; Images is complete only when empty.
QStringList LoadManaImages(const QString &manaDir);
