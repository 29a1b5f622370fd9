#pragma once
// The invented card catalogue of the demo data root: designs (a card's name,
// cost, type line and text) and their printings in the 102 sets.

#include <QString>
#include <QStringList>
#include <QVector>

struct DemoDesign
{
    QString name;       // as written in the set file (entities kept)
    QString cost;       // brace notation, empty for lands
    QString type;
    QString power;
    QString toughness;
    QString text;       // rules text as written in the set file (entities kept)
    QString colors;     // letters of the card's colours, e.g. "WU"; empty when colourless
    bool basicLand = false;
};

struct DemoPrinting
{
    int design = 0;
    int set = 0;        // 0-based position in the set list
    QString id;
    QString rarity;
    QString price;
    QString artist;     // empty: the card has no artist line
};

struct DemoCatalogue
{
    QVector<DemoDesign> designs;
    QVector<DemoPrinting> printings;        // in set-list order, file order inside a set
    QVector<QVector<int>> printingsOfSet;   // indexes into printings, per set

    const DemoDesign &designOf(const DemoPrinting &p) const { return designs.at(p.design); }
};

// Builds the whole catalogue; the same on every run and every machine.
DemoCatalogue buildDemoCatalogue();

// The text as the program shows it: the entity sequences of the set files
// replaced (line breaks become "\n" here, for drawing).
QString demoPlainText(const QString &fileText);

// Writes MagicDB/<file form>.xml for every set. Returns false and sets *error
// when a file cannot be written.
bool writeDemoSetFiles(const DemoCatalogue &cat, const QString &root, QString *error);

// Writes the sample collection and decks, each only when its file is missing:
// these folders belong to the user once the program runs.
bool writeDemoUserData(const DemoCatalogue &cat, const QString &root, QString *error);

// Symbols of the picture table that no card cost uses (should be empty).
QStringList demoUncoveredSymbols(const DemoCatalogue &cat);
