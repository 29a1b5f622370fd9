#pragma once
// What the card details window shows, worked out without widgets: where a
// card's picture comes from, which symbol pictures its cost uses and which
// sets hold a card of its name. Also the hand-over of addresses to the web
// browser.

#include "carddb/card.h"

#include <QString>
#include <QStringList>

namespace CardDetails {

// Picture files below the data root.
QString installedPicture(const QString &startDir, const QString &id);   // /Images/Cards/Card<Id>.jpg
QString cachedPicture(const QString &startDir, const QString &id);      // /Images/Cache/Card<Id>.jpg
QString placeholderPicture(const QString &startDir);                    // /Images/Cards/Card0.jpg

// True when `path` holds a picture that can be decoded.
bool isReadablePicture(const QString &path);

// The symbol picture files of the first `max` symbols of `cost`, one entry
// per symbol: the PNG of the symbol's picture code when that file exists,
// else an empty string. Codes that are not plain letters and digits are
// never turned into a path.
QStringList manaPictureFiles(const QString &startDir, const QString &cost, int max = 10);

// The editions of the catalogue cards named `name`, each once, in catalogue
// order. One pass over the table.
QStringList editionsOfName(const CardTable &table, const QString &name);

} // namespace CardDetails

namespace Browser {

// Opens `url` in the user's default web browser and returns at once. Only
// http and https addresses are handed over; false when nothing was started.
bool open(const QString &url);

// Test seam: while recording, addresses are kept here instead of opened.
void setRecording(bool on);
QStringList &recorded();

} // namespace Browser
