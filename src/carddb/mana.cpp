#include "carddb/mana.h"

#include <QHash>

namespace Mana {

namespace {
const char *const kSymbols[SymbolCount] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
    "RP", "UP", "2/G", "2/W", "15", "16", "2/U", "2/B", "2/R",
    "X", "B", "G", "R", "U", "W", "B/R", "R/G", "U/B", "G/W",
    "W/U", "G/U", "W/B", "B/G", "U/R", "R/W", "BP", "WP", "GP",
};

const QHash<QString, int> &symbolIndex()
{
    static const QHash<QString, int> h = [] {
        QHash<QString, int> m;
        for (int i = 0; i < SymbolCount; ++i)
            m.insert(QString::fromLatin1(kSymbols[i]), i);
        return m;
    }();
    return h;
}
} // namespace

QStringList splitCost(const QString &cost)
{
    QStringList out;
    qsizetype pos = 0;                      // start of what is left of the cost
    const qsizetype n = cost.size();
    do {
        const qsizetype close = cost.indexOf(QLatin1Char('}'), pos);
        if (close < 0) {
            // Unclosed "{": the rest after its first character is the last symbol.
            out << cost.mid(pos + 1);
            break;
        }
        // A "}" right at the start gives an empty symbol.
        out << (close > pos ? cost.mid(pos + 1, close - pos - 1) : QString());
        pos = close + 1;
    } while (pos < n && cost.indexOf(QLatin1Char('{'), pos) >= 0);
    return out;
}

int Convert(const QString &symbol)
{
    return symbolIndex().value(symbol, NoPicture);
}

QString pictureCode(const QString &symbol)
{
    QString s = symbol;
    s.remove(QLatin1Char('/'));
    return s;
}

QString symbolOfIndex(int index)
{
    return QString::fromLatin1(kSymbols[index]);
}

QString codeOfIndex(int index)
{
    return pictureCode(symbolOfIndex(index));
}

QString bitmapFileOfIndex(int index)
{
    return codeOfIndex(index) + QStringLiteral(".bmp");
}

const QStringList &downloadedCodes()
{
    static const QStringList codes = {"GU", "WB", "BG", "UR", "RW", "UP", "RP", "BP", "WP", "GP"};
    return codes;
}

QString deriveColor(const QString &cost)
{
    static const struct { QChar letter; const char *name; } order[] = {
        {QLatin1Char('W'), "White"}, {QLatin1Char('B'), "Black"}, {QLatin1Char('R'), "Red"},
        {QLatin1Char('G'), "Green"}, {QLatin1Char('U'), "Blue"},
    };
    QString out;
    for (const auto &o : order) {
        if (cost.contains(o.letter)) {
            if (!out.isEmpty())
                out += QLatin1Char('/');
            out += QLatin1String(o.name);
        }
    }
    return out;
}

} // namespace Mana
