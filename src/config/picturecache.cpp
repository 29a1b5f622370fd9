#include "config/picturecache.h"

#include <QDir>
#include <QFile>

namespace PictureCache {

QStringList clear(const QString &folder)
{
    QStringList failed;
    const QDir dir(folder);
    if (!dir.exists())
        return failed;
    // Links are removed as links; what they point to is left alone.
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &fi : files) {
        if (fi.isDir() && !fi.isSymLink())
            continue;
        QFile f(fi.absoluteFilePath());
        if (!f.remove())
            failed << fi.fileName() + QStringLiteral(": ") + f.errorString();
    }
    return failed;
}

} // namespace PictureCache
