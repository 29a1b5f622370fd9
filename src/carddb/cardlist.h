#pragma once
// The card lists of the database window: the selected sets, the quick search
// and the "Show All as selected card" filters. Each gives the 1-based
// catalogue indexes of the cards to list, in catalogue order; writeRow puts
// one card into a grid row.

#include "carddb/card.h"

#include <QString>
#include <vector>

class StringGridModel;

namespace CardList {

// Columns of the database grid.
enum Column {
    ColName = 1, ColCost = 2, ColType = 3, ColPower = 4, ColToughness = 5, ColColor = 6,
    ColSet = 7, ColRarity = 8, ColValue = 9, ColId = 10, ColArtist = 11,
};

// Rows the grid is sized to before it is filled: room for every catalogue
// card plus the header row, and never less than the classic 20000.
int capacityRows(const CardTable &cards);

// The cards of one set: the first run of entries whose Edition equals
// `displayForm` (a set's cards are read together, so they form one run).
void appendSet(const CardTable &cards, const QString &displayForm, std::vector<int> &out);

// Upper case of the ASCII letters a..z only; every other character stays.
QString upperAscii(const QString &text);
// True when `upperNeedle` (already upper-cased with upperAscii) occurs in
// `haystack` once haystack's ASCII letters are upper-cased.
bool containsUpperAscii(const QString &haystack, const QString &upperNeedle);

// Quick search over every catalogue card: `text` occurs, ignoring the case of
// ASCII letters, in the name, rules text, colour, set, rarity, type or artist.
// An empty text matches nothing.
std::vector<int> search(const CardTable &cards, const QString &text);

enum class Filter { Color, Name, Set, TypeSubtype, Type, Subtype, Illustrator };

// The key a filter takes from the selected card.
// Type: the type line up to and including the blank before its first " -";
// Subtype: the part after its first " - ". Both take the whole line when it
// has no such dash.
QString filterKey(Filter f, const TKaart &selected);
// Every catalogue card that matches `key` under filter `f`: equality for
// Color, Name, Set, TypeSubtype and Illustrator; occurrence in the type line
// for Type and Subtype. Exact, case-sensitive comparisons.
std::vector<int> filter(const CardTable &cards, Filter f, const QString &key);

// Writes card `k` into grid row `row`: columns 1 and 3..10, and column 11
// (the artist) when `withArtist`. Columns 0 and 2 are left alone.
void writeRow(StringGridModel &grid, int row, const TKaart &k, bool withArtist);

// Writes the cards `indexes` of `cards` into rows 1.. of the grid, and sizes
// the grid to those rows plus the header. One model reset for the views.
void fillGrid(StringGridModel &grid, const CardTable &cards, const std::vector<int> &indexes, bool withArtist);

} // namespace CardList
