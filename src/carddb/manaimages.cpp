#include "carddb/manaimages.h"

#include "carddb/mana.h"

QVector<QImage> &Images()
{
    static QVector<QImage> images;
    return images;
}

QStringList LoadManaImages(const QString &manaDir)
{
    QStringList bad;
    QVector<QImage> &imgs = Images();
    imgs.clear();
    imgs.resize(Mana::SymbolCount);
    for (int i = 0; i < Mana::SymbolCount; ++i) {
        const QString name = Mana::bitmapFileOfIndex(i);
        QImage img;
        if (!img.load(manaDir + name))
            bad << name;
        else
            imgs[i] = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return bad;
}
