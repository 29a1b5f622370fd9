#include "carddb/setfile.h"

#include "carddb/mana.h"
#include "carddb/setlist.h"

#include <QFile>
#include <QFileInfo>

namespace SetFile {

QByteArray valueRule(const QByteArray &line, const QByteArray &tag)
{
    QByteArray s = line;
    const qsizetype p = s.indexOf(tag);     // 0-based, -1 when absent
    const qsizetype L = tag.size();
    if (p >= 0)
        s.remove(0, p + L);
    else
        s.remove(0, L - 1);                 // an absent tag still eats L - 1 characters
    const qsizetype a = s.indexOf('<');
    const qsizetype b = s.indexOf('>');
    if (a >= 0 && b >= 0)
        s.remove(a, b + 1);                 // b + 1 characters from the first "<"
    return s;
}

QByteArray oracleRule(const QByteArray &line)
{
    static const QByteArray open("<oracleText>");
    static const QByteArray close("</oracleText>");
    QByteArray s = line;
    const qsizetype p = s.indexOf(open);
    if (p >= 0)
        s.remove(0, p + open.size());
    else
        s.remove(0, open.size() - 1);
    const qsizetype d = s.indexOf(close);
    if (d >= 0) {
        const qsizetype t = s.indexOf("Text>");
        const qsizetype c = (t >= 0 ? t + 1 : 0) + 5;   // 1-based position of "Text>" plus 5
        s.remove(d, c);
    }
    return s;
}

QByteArray RemoveXMLtags(const QByteArray &text)
{
    if (!text.contains('&'))
        return text;
    QByteArray s = text;
    s.replace("&lt;br&gt;", "\r");
    s.replace("&apos;", "'");
    s.replace("&quot;", "\"");
    s.replace("&lt;i&gt;", " ");
    s.replace("&lt;/i&gt;", " ");
    return s;
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
    LineReader in(data);
    int added = 0;
    while (!in.atEnd()) {
        bool block = false;
        while (!in.atEnd()) {
            if (in.next().contains("<mc>")) {
                block = true;
                break;
            }
        }
        if (!block)
            break;
        TKaart &k = current;
        k.Id = text(valueRule(in.next(), "<id>"));
        k.Name = text(RemoveXMLtags(valueRule(in.next(), "<name>")));
        k.Cost = text(valueRule(in.next(), "<cost>"));
        k.CardType = text(valueRule(in.next(), "<type>"));
        k.Power = text(valueRule(in.next(), "<power>"));
        k.Toughness = text(valueRule(in.next(), "<toughness>"));
        k.Edition = text(RemoveXMLtags(valueRule(in.next(), "<edition>")));
        k.Rarity = text(valueRule(in.next(), "<rarity>"));
        k.OracleText = text(RemoveXMLtags(oracleRule(in.next())));
        if (k.OracleText.size() < 2)
            k.OracleText.clear();
        QByteArray line = in.next();
        if (line.contains("<artist>")) {
            k.Artist = text(valueRule(line, "<artist>"));
            line = in.next();
        } else {
            k.Artist.clear();
        }
        k.DbPrice = text(valueRule(line, "<dbprice>"));
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
