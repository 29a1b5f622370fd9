#include "carddb/cardlist.h"

#include "app/stringgridmodel.h"

#include <algorithm>

namespace CardList {

int capacityRows(const CardTable &cards)
{
    return std::max(20000, cards.count() + 1);
}

void appendSet(const CardTable &cards, const QString &displayForm, std::vector<int> &out)
{
    const int n = cards.count();
    bool inRun = false;
    for (int i = 1; i <= n; ++i) {
        if (cards.at(i).Edition == displayForm) {
            inRun = true;
            out.push_back(i);
        } else if (inRun) {
            break;
        }
    }
}

QString upperAscii(const QString &text)
{
    QString s = text;
    for (QChar &c : s) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(char16_t(u - 32));
    }
    return s;
}

static inline char16_t upA(char16_t u)
{
    return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
}

bool containsUpperAscii(const QString &haystack, const QString &upperNeedle)
{
    const qsizetype m = upperNeedle.size();
    const qsizetype n = haystack.size();
    if (m == 0 || m > n)
        return false;
    const char16_t *h = reinterpret_cast<const char16_t *>(haystack.constData());
    const char16_t *nd = reinterpret_cast<const char16_t *>(upperNeedle.constData());
    const char16_t first = nd[0];
    for (qsizetype i = 0; i + m <= n; ++i) {
        if (upA(h[i]) != first)
            continue;
        qsizetype j = 1;
        while (j < m && upA(h[i + j]) == nd[j])
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

std::vector<int> search(const CardTable &cards, const QString &text)
{
    std::vector<int> out;
    const QString t = upperAscii(text);
    if (t.isEmpty())
        return out;
    const int n = cards.count();
    for (int i = 1; i <= n; ++i) {
        const TKaart &k = cards.at(i);
        if (containsUpperAscii(k.Name, t) || containsUpperAscii(k.OracleText, t) || containsUpperAscii(k.Color, t)
            || containsUpperAscii(k.Edition, t) || containsUpperAscii(k.Rarity, t)
            || containsUpperAscii(k.CardType, t) || containsUpperAscii(k.Artist, t))
            out.push_back(i);
    }
    return out;
}

QString filterKey(Filter f, const TKaart &k)
{
    switch (f) {
    case Filter::Color: return k.Color;
    case Filter::Name: return k.Name;
    case Filter::Set: return k.Edition;
    case Filter::TypeSubtype: return k.CardType;
    case Filter::Illustrator: return k.Artist;
    case Filter::Type: {
        const qsizetype p = k.CardType.indexOf(QLatin1String(" -"));
        return p < 0 ? k.CardType : k.CardType.left(p + 1);
    }
    case Filter::Subtype: {
        const qsizetype p = k.CardType.indexOf(QLatin1String(" - "));
        return p < 0 ? k.CardType : k.CardType.mid(p + 3);
    }
    }
    return QString();
}

std::vector<int> filter(const CardTable &cards, Filter f, const QString &key)
{
    std::vector<int> out;
    const int n = cards.count();
    auto scan = [&](auto match) {
        for (int i = 1; i <= n; ++i)
            if (match(cards.at(i)))
                out.push_back(i);
    };
    switch (f) {
    case Filter::Color: scan([&](const TKaart &k) { return k.Color == key; }); break;
    case Filter::Name: scan([&](const TKaart &k) { return k.Name == key; }); break;
    case Filter::Set: scan([&](const TKaart &k) { return k.Edition == key; }); break;
    case Filter::TypeSubtype: scan([&](const TKaart &k) { return k.CardType == key; }); break;
    case Filter::Illustrator: scan([&](const TKaart &k) { return k.Artist == key; }); break;
    case Filter::Type:
    case Filter::Subtype: scan([&](const TKaart &k) { return k.CardType.contains(key); }); break;
    }
    return out;
}

void writeRow(StringGridModel &g, int row, const TKaart &k, bool withArtist)
{
    g.setCell(ColName, row, k.Name);
    g.setCell(ColType, row, k.CardType);
    g.setCell(ColPower, row, k.Power);
    g.setCell(ColToughness, row, k.Toughness);
    g.setCell(ColColor, row, k.Color);
    g.setCell(ColSet, row, k.Edition);
    g.setCell(ColRarity, row, k.Rarity);
    g.setCell(ColValue, row, k.DbPrice);
    g.setCell(ColId, row, k.Id);
    if (withArtist)
        g.setCell(ColArtist, row, k.Artist);
    else if (g.ColCount() > ColArtist)
        g.setCell(ColArtist, row, QString());   // no artist of an earlier card may stay behind
}

void fillGrid(StringGridModel &g, const CardTable &cards, const std::vector<int> &indexes, bool withArtist)
{
    g.beginUpdate();
    g.setRowCount(int(indexes.size()) + 1);
    int row = 0;
    for (int i : indexes)
        writeRow(g, ++row, cards.at(i), withArtist);
    g.endUpdate();
}

} // namespace CardList
