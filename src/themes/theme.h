#pragma once
// What a theme folder holds and where each of its pictures goes.

#include <QString>
#include <QStringList>
#include <QList>

namespace Theme {

inline const QString Fallback = QStringLiteral("Black");

// The ten files every theme folder needs, in loading order.
QStringList requiredFiles();

// Folder of theme `name` below the data root, with a trailing "/".
QString folder(const QString &startDir, const QString &name);

// The files of requiredFiles() that are missing from theme `name`.
QStringList missingFiles(const QString &startDir, const QString &name);

// Which theme to apply when `wanted` is asked for. A folder without
// "background.jpg" (or no folder) silently gives "Black"; a folder that has
// it but lacks any of the other nine pictures also gives "Black", and the
// missing pictures are named so that the user can be told.
struct Choice {
    QString theme;                 // the theme to load
    QStringList missingInWanted;   // pictures missing from `wanted` (empty when it is usable or silently replaced)
    QStringList missingInChosen;   // pictures missing from the theme to load (a damaged "Black")
};
Choice choose(const QString &startDir, const QString &wanted);

// Font size of the card grids for a row height setting: FontSize / 2
// rounded to the nearest integer (a half going to the even neighbour) + 2.
int gridFontSize(int fontSize);

// One picture target: the component `labelNames` (the first name found is
// used) of the window named `window` takes the picture `file`.
struct Target {
    QString file;
    QString window;
    QStringList labelNames;
};
// All targets in loading order.
QList<Target> pictureTargets();

// The four card grids (window object name, grid object name), in the order
// database, collection, main deck, sideboard.
QList<QPair<QString, QString>> gridTargets();

} // namespace Theme
