#pragma once
// The settings file "vellumtrove.ini": a positional text file of 161 lines,
// one value per line, no keys. Lines 1 to 58 hold the theme, the display
// options, the tool windows' places and the grids' column widths; after an
// empty line and the marker "[Sets]" follow 101 set lines.

#include <QString>
#include <QStringList>
#include <QVector>

namespace ConfigFile {

inline const QString FormatVersion = QStringLiteral("0.07");
inline const QString SetsMarker = QStringLiteral("[Sets]");
constexpr int SetLineCount = 101;
// Width written on line 28 while the illustrator column is switched off,
// and given to that column when the file holds "0" there.
constexpr int IllustratorFallbackWidth = 20;

// Object names of the set check boxes, in the order of the set lines.
// (The Commander box has no line.)
const QStringList &setLineBoxNames();

// Designed column widths of the five grids. The database grid has 12
// entries: column 11 is the illustrator column of line 28.
const QVector<int> &designedDBColumns();
const QVector<int> &designedCollectieColumns();
const QVector<int> &designedDeckColumns();
const QVector<int> &designedSideBoardColumns();
// Designed state of the 101 set boxes: the 14 classic sets checked.
QVector<bool> designedSets();

// Every value the file holds, in file order.
struct Settings {
    QString Thema = QStringLiteral("Black");                  // 2
    bool UseDialog = false;                                    // 3
    bool FormFotoVisible = true;                               // 4
    bool FormDBVisible = true;                                 // 5
    bool FormCollectieVisible = false;                         // 6
    bool FormDecksVisible = false;                             // 7
    int FontSize = 18;                                         // 8
    int FotoTop = 10, FotoLeft = 10;                           // 11, 12
    int DBHeight = 500, DBWidth = 1000, DBTop = 10, DBLeft = 285;  // 13 to 16
    QVector<int> DBColumns = designedDBColumns();              // 17 to 28 (12 entries)
    bool Illustrator = true;   // the illustrator box; decides what line 28 holds
    int CollectieHeight = 480, CollectieWidth = 1000;          // 30, 31
    int CollectieTop = 530, CollectieLeft = 285;               // 32, 33
    QVector<int> CollectieColumns = designedCollectieColumns();  // 34 to 44
    int DecksHeight = 427, DecksWidth = 982, DecksTop = 26, DecksLeft = 364;  // 45 to 48
    QVector<int> DeckColumns = designedDeckColumns();          // 49 to 53
    QVector<int> SideBoardColumns = designedSideBoardColumns();  // 54 to 58
    QVector<bool> Sets = designedSets();                       // 61 to 161

    bool operator==(const Settings &o) const;
    bool operator!=(const Settings &o) const { return !(*this == o); }
};

// The whole file as it is written.
QByteArray format(const Settings &s);

// Writes the file through a temporary file that replaces it only when
// everything was written: on failure the old file stays whole. Returns an
// empty string on success, else what went wrong.
QString write(const QString &path, const Settings &s);

struct ReadResult {
    // `current` with every usable line of the file applied.
    Settings settings;
    // The first line was not the format version: nothing was applied.
    bool oldVersion = false;
    // Some lines could not be used (or the file ended early, or had no
    // "[Sets]" line); those values keep what was in force.
    bool damaged = false;
    QStringList problems;   // one text per problem, naming the line
};

// Reads the file over `current` (the values in force before reading).
ReadResult read(const QString &path, const Settings &current);
ReadResult parse(const QByteArray &bytes, const Settings &current);

} // namespace ConfigFile
