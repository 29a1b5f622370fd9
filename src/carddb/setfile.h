#pragma once
// Reader of the card set files (MagicDB/<file form>.xml).
//
// The files look like XML but are read by line position: a line holding
// "<mc>" starts a card block and the next lines hold id, name, cost, type,
// power, toughness, edition, rarity, rules text, an optional artist line and
// the price, one value per line.

#include "carddb/card.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace SetFile {

// Cuts the value out of a line holding `tag` (e.g. "<name>").
QByteArray valueRule(const QByteArray &line, const QByteArray &tag);
// Cuts the rules text out of its line; the closing tag may be missing.
QByteArray oracleRule(const QByteArray &line);
// Replaces the entity sequences used in names, editions and rules texts.
QByteArray RemoveXMLtags(const QByteArray &text);
QString RemoveXMLtags(const QString &text);

struct ReadResult {
    bool found = false;      // the file exists
    bool ok = true;          // the file could be read
    QString error;           // why it could not, for the user
    int cards = 0;           // cards appended
    QString lastEdition;     // Edition of the last card read, empty without cards
};

// Appends the cards of the set file `path` to `table`. `current` receives the
// card being assembled and keeps the last one read.
ReadResult readFile(const QString &path, CardTable &table, TKaart &current);
// Same, on bytes already in memory.
int readBytes(const QByteArray &data, CardTable &table, TKaart &current);

struct CatalogueEntry {
    QString displayForm;
    QString fileForm;
    ReadResult result;
};

// Reads every set file present below `magicDbDir`, in set-list order.
// `progress` is told the file form of each set file found before it is read.
std::vector<CatalogueEntry> readCatalogue(const QString &magicDbDir, CardTable &table, TKaart &current,
                                          const std::function<void(const QString &fileForm)> &progress = {});

} // namespace SetFile
