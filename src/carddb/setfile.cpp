#include "carddb/setfile.h"

#include "carddb/mana.h"
#include "carddb/setlist.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace SetFile {

namespace {

// Position of `tag` in `line`, or -1. Tags are short and lines hold few
// "<", so a scan for the first character beats a general search.
qsizetype findTag(const QByteArray &line, QByteArrayView tag)
{
    const char *base = line.constData();
    const char *p = base;
    const char *end = base + line.size();
    const qsizetype L = tag.size();
    const char first = tag.front();
    while (end - p >= L) {
        p = static_cast<const char *>(memchr(p, first, size_t(end - p - L + 1)));
        if (!p)
            return -1;
        if (memcmp(p, tag.data(), size_t(L)) == 0)
            return p - base;
        ++p;
    }
    return -1;
}

// The value rule on a line without copying it: returns the value as a
// slice of `line` (only the rare value that keeps text after a ">" is built
// anew). Positions follow the rule exactly: everything up to and including
// the tag goes (tag length - 1 characters when the tag is absent), then the
// first "<" and as many characters as the position of the first ">".
QByteArray cutValue(const QByteArray &line, QByteArrayView tag)
{
    const qsizetype L = tag.size();
    const qsizetype p = findTag(line, tag);
    const qsizetype start = std::min(line.size(), p >= 0 ? p + L : L - 1);
    const char *s = line.constData() + start;
    const qsizetype n = line.size() - start;
    const char *lt = static_cast<const char *>(memchr(s, '<', size_t(n)));
    const char *gt = static_cast<const char *>(memchr(s, '>', size_t(n)));
    if (!lt || !gt)
        return QByteArray::fromRawData(s, n);
    const qsizetype a = lt - s;
    const qsizetype b = gt - s;
    if (a + b + 1 >= n)
        return QByteArray::fromRawData(s, a);
    QByteArray out(s, a);
    out.append(s + a + b + 1, n - (a + b + 1));
    return out;
}

} // namespace

QByteArray valueRule(const QByteArray &line, const QByteArray &tag)
{
    QByteArray v = cutValue(line, tag);
    v.detach();   // callers may keep it beyond the line's life
    return v;
}

QByteArray oracleRule(const QByteArray &line)
{
    constexpr QByteArrayView open("<oracleText>");
    constexpr QByteArrayView close("</oracleText>");
    constexpr QByteArrayView textEnd("Text>");
    const qsizetype p = findTag(line, open);
    const qsizetype start = std::min(line.size(), p >= 0 ? p + open.size() : open.size() - 1);
    const QByteArray s = QByteArray::fromRawData(line.constData() + start, line.size() - start);
    const qsizetype d = findTag(s, close);
    if (d < 0)
        return s;
    // c characters go from the closing tag on, c being the 1-based place of
    // the first "Text>" plus 5: for a plain line that is the closing tag and
    // all after it.
    const qsizetype t = findTag(s, textEnd);
    const qsizetype c = (t >= 0 ? t + 1 : 0) + 5;
    if (d + c >= s.size())
        return QByteArray::fromRawData(s.constData(), d);
    QByteArray out(s.constData(), d);
    out.append(s.constData() + d + c, s.size() - d - c);
    return out;
}

QByteArray RemoveXMLtags(const QByteArray &text)
{
    // The sequences are replaced in the order "&lt;br&gt;", "&apos;",
    // "&quot;", "&lt;i&gt;", "&lt;/i&gt;". No two of them can overlap and no
    // replacement brings in an "&", so one pass from left to right gives
    // the same text as replacing each sequence everywhere in turn.
    static constexpr struct { QByteArrayView from; char to; } table[] = {
        {"&lt;br&gt;", '\r'}, {"&apos;", '\''}, {"&quot;", '"'}, {"&lt;i&gt;", ' '}, {"&lt;/i&gt;", ' '},
    };
    const char *p = text.constData();
    const char *end = p + text.size();
    const char *amp = static_cast<const char *>(memchr(p, '&', size_t(end - p)));
    if (!amp)
        return text;
    QByteArray out;
    out.reserve(text.size());
    while (amp) {
        out.append(p, amp - p);
        p = amp;
        bool replaced = false;
        for (const auto &e : table) {
            if (end - p >= e.from.size() && memcmp(p, e.from.data(), size_t(e.from.size())) == 0) {
                out.append(e.to);
                p += e.from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out.append(*p++);
        amp = static_cast<const char *>(memchr(p, '&', size_t(end - p)));
    }
    out.append(p, end - p);
    return out;
}

QString RemoveXMLtags(const QString &text)
{
    return QString::fromUtf8(RemoveXMLtags(text.toUtf8()));
}

namespace {

// Walks the lines of a buffer; a line ends at LF, CR or CR LF. Past the end
// every read yields an empty line.
class LineReader {
public:
    explicit LineReader(const QByteArray &data) : m_p(data.constData()), m_end(m_p + data.size()) {}
    bool atEnd() const { return m_p >= m_end; }
    QByteArray next()
    {
        const char *start = m_p;
        while (m_p < m_end && *m_p != '\n' && *m_p != '\r')
            ++m_p;
        QByteArray line = QByteArray::fromRawData(start, m_p - start);
        if (m_p < m_end) {
            if (*m_p == '\r' && m_p + 1 < m_end && m_p[1] == '\n')
                m_p += 2;
            else
                ++m_p;
        }
        return line;
    }

private:
    const char *m_p;
    const char *m_end;
};

inline QString text(const QByteArray &b) { return QString::fromUtf8(b); }

} // namespace

int readBytes(const QByteArray &data, CardTable &table, TKaart &current)
{
    constexpr QByteArrayView mcTag("<mc>");
    constexpr QByteArrayView artistTag("<artist>");
    LineReader in(data);
    int added = 0;
    while (!in.atEnd()) {
        bool block = false;
        while (!in.atEnd()) {
            if (findTag(in.next(), mcTag) >= 0) {
                block = true;
                break;
            }
        }
        if (!block)
            break;
        TKaart &k = current;
        k.Id = text(cutValue(in.next(), "<id>"));
        k.Name = text(RemoveXMLtags(cutValue(in.next(), "<name>")));
        k.Cost = text(cutValue(in.next(), "<cost>"));
        k.CardType = text(cutValue(in.next(), "<type>"));
        k.Power = text(cutValue(in.next(), "<power>"));
        k.Toughness = text(cutValue(in.next(), "<toughness>"));
        k.Edition = text(RemoveXMLtags(cutValue(in.next(), "<edition>")));
        k.Rarity = text(cutValue(in.next(), "<rarity>"));
        k.OracleText = text(RemoveXMLtags(oracleRule(in.next())));
        if (k.OracleText.size() < 2)
            k.OracleText.clear();
        QByteArray line = in.next();
        if (findTag(line, artistTag) >= 0) {
            k.Artist = text(cutValue(line, "<artist>"));
            line = in.next();
        } else {
            k.Artist.clear();
        }
        k.DbPrice = text(cutValue(line, "<dbprice>"));
        k.Color = Mana::deriveColor(k.Cost);
        TKaart entry = k;
        entry.Count = 0;
        table.append(std::move(entry));
        ++added;
    }
    return added;
}

ReadResult readFile(const QString &path, CardTable &table, TKaart &current)
{
    ReadResult r;
    QFile f(path);
    if (!f.exists())
        return r;
    r.found = true;
    if (!f.open(QIODevice::ReadOnly)) {
        r.ok = false;
        r.error = QStringLiteral("Cannot read %1: %2").arg(QFileInfo(path).fileName(), f.errorString());
        return r;
    }
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.ok = false;
        r.error = QStringLiteral("Cannot read %1: %2").arg(QFileInfo(path).fileName(), f.errorString());
        return r;
    }
    r.cards = readBytes(data, table, current);
    if (r.cards > 0)
        r.lastEdition = current.Edition;
    return r;
}

std::vector<CatalogueEntry> readCatalogue(const QString &magicDbDir, CardTable &table, TKaart &current,
                                          const std::function<void(const QString &)> &progress)
{
    std::vector<CatalogueEntry> out;
    const QStringList &files = SetList::fileForms();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = magicDbDir + QLatin1Char('/') + files.at(i) + QStringLiteral(".xml");
        if (!QFileInfo::exists(path))
            continue;
        if (progress)
            progress(files.at(i));
        CatalogueEntry e{SetList::displayForms().at(i), files.at(i), readFile(path, table, current)};
        out.push_back(std::move(e));
    }
    return out;
}

} // namespace SetFile
