#pragma once
// The folder of downloaded card pictures.

#include <QString>
#include <QStringList>

namespace PictureCache {

// Deletes the files directly in `folder` (never sub-folders or what they
// hold). Returns a line per file that could not be deleted, with the reason.
QStringList clear(const QString &folder);

} // namespace PictureCache
