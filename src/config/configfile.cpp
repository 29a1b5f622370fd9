#include "config/configfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace ConfigFile {

const QStringList &setLineBoxNames()
{
    static const QStringList names = {
        QStringLiteral("CB_Alpha"), QStringLiteral("CB_Beta"), QStringLiteral("CB_Unlimited"),
        QStringLiteral("CB_Revised"), QStringLiteral("CB_Fourth"), QStringLiteral("CB_Fifth"),
        QStringLiteral("CB_Sixth"), QStringLiteral("CB_Seventh"), QStringLiteral("CB_Eighth"),
        QStringLiteral("CB_Ninth"), QStringLiteral("CB_Tenth"), QStringLiteral("CB_2010"),
        QStringLiteral("CB_2011"), QStringLiteral("CB_2012"), QStringLiteral("CB_AlaraReborn"),
        QStringLiteral("CB_Alliances"), QStringLiteral("CB_Antiquities"), QStringLiteral("CB_Apocalypse"),
        QStringLiteral("CB_ArabianNights"), QStringLiteral("CB_BetrayersOfKamigawa"),
        QStringLiteral("CB_ChampionsOfKamigawa"), QStringLiteral("CB_Coldsnap"), QStringLiteral("CB_Conflux"),
        QStringLiteral("CB_Darksteel"), QStringLiteral("CB_Dissension"), QStringLiteral("CB_Eventide"),
        QStringLiteral("CB_Exodus"), QStringLiteral("CB_Fallen_Empires"), QStringLiteral("CB_Fifth_Dawn"),
        QStringLiteral("CB_Future_Sight"), QStringLiteral("CB_Guildpact"), QStringLiteral("CB_Homelands"),
        QStringLiteral("CB_Ice_Age"), QStringLiteral("CB_Invasion"), QStringLiteral("CB_Judgment"),
        QStringLiteral("CB_Legends"), QStringLiteral("CB_Legions"), QStringLiteral("CB_Lorwyn"),
        QStringLiteral("CB_Mercadian_Masques"), QStringLiteral("CB_Mirage"), QStringLiteral("CB_Mirrodin"),
        QStringLiteral("CB_Mirrodin_Besieged"), QStringLiteral("CB_Morningtide"), QStringLiteral("CB_Nemesis"),
        QStringLiteral("CB_New_Phyrexia"), QStringLiteral("CB_Odyssey"), QStringLiteral("CB_Onslaught"),
        QStringLiteral("CB_Planar_Chaos"), QStringLiteral("CB_Planeshift"), QStringLiteral("CB_Prophecy"),
        QStringLiteral("CB_Ravnica__City_of_Guilds"), QStringLiteral("CB_Rise_of_the_Eldrazi"),
        QStringLiteral("CB_Saviors_of_Kamigawa"), QStringLiteral("CB_Scars_of_Mirrodin"),
        QStringLiteral("CB_Scourge"), QStringLiteral("CB_Shadowmoor"), QStringLiteral("CB_Shards_of_Alara"),
        QStringLiteral("CB_Stronghold"), QStringLiteral("CB_Tempest"), QStringLiteral("CB_The_Dark"),
        QStringLiteral("CB_Time_Spiral"), QStringLiteral("CB_Time_Spiral__Timeshifted"),
        QStringLiteral("CB_Torment"), QStringLiteral("CB_Urza_s_Destiny"), QStringLiteral("CB_Urza_s_Legacy"),
        QStringLiteral("CB_Urza_s_Saga"), QStringLiteral("CB_Visions"), QStringLiteral("CB_Weatherlight"),
        QStringLiteral("CB_Worldwake"), QStringLiteral("CB_Zendikar"), QStringLiteral("CB_Archenemy"),
        QStringLiteral("CB_Chronicles"), QStringLiteral("CB_From_the_Vault__Dragons"),
        QStringLiteral("CB_From_the_Vault__Exiled"), QStringLiteral("CB_From_the_Vault__Relics"),
        QStringLiteral("CB_Planechase"), QStringLiteral("CB_Portal"), QStringLiteral("CB_Portal_Second_Age"),
        QStringLiteral("CB_Portal_Three_Kingdoms"), QStringLiteral("CB_Starter_1999"),
        QStringLiteral("CB_Starter_2000"), QStringLiteral("CB_Unglued"), QStringLiteral("CB_Unhinged"),
        QStringLiteral("CB_Magic_Online_Promo_Cards"), QStringLiteral("CB_Promo_set_for_Gatherer"),
        QStringLiteral("CB_Battle_Royale_Box_Set"), QStringLiteral("CB_Beatdown_Box_Set"),
        QStringLiteral("CB_Masters_Edition"), QStringLiteral("CB_Masters_Edition_II"),
        QStringLiteral("CB_Masters_Edition_III"), QStringLiteral("CB_Masters_Edition_IV"),
        QStringLiteral("CB_Duel_Decks__Divine_vs__Demonic"), QStringLiteral("CB_Duel_Decks__Elves_vs__Goblins"),
        QStringLiteral("CB_Duel_Decks__Garruk_vs__Liliana"), QStringLiteral("CB_Duel_Decks__Jace_vs__Chandra"),
        QStringLiteral("CB_Duel_Decks__Phyrexia_vs__the_Coalition"),
        QStringLiteral("CB_Duel_Decks__Elspeth_vs__Tezzeret"), QStringLiteral("CB_Duel_Decks__Knights_vs__Dragons"),
        QStringLiteral("CB_Premium_Deck_Series__Slivers"),
        QStringLiteral("CB_Premium_Deck_Series__Fire_and_Lightning"), QStringLiteral("CB_Vanguard"),
    };
    return names;
}

const QVector<int> &designedDBColumns()
{
    static const QVector<int> w = {24, 190, 80, 179, 64, 64, 64, 184, 104, 64, 64, 111};
    return w;
}

const QVector<int> &designedCollectieColumns()
{
    static const QVector<int> w = {26, 42, 139, 95, 147, 46, 64, 157, 86, 64, 64};
    return w;
}

const QVector<int> &designedDeckColumns()
{
    static const QVector<int> w = {30, 313, 101, 117, 132};
    return w;
}

const QVector<int> &designedSideBoardColumns()
{
    static const QVector<int> w = {33, 325, 92, 79, 145};
    return w;
}

QVector<bool> designedSets()
{
    QVector<bool> s(SetLineCount, false);
    for (int i = 0; i < 14; ++i)
        s[i] = true;
    return s;
}

bool Settings::operator==(const Settings &o) const
{
    return Thema == o.Thema && UseDialog == o.UseDialog && FormFotoVisible == o.FormFotoVisible
        && FormDBVisible == o.FormDBVisible && FormCollectieVisible == o.FormCollectieVisible
        && FormDecksVisible == o.FormDecksVisible && FontSize == o.FontSize && FotoTop == o.FotoTop
        && FotoLeft == o.FotoLeft && DBHeight == o.DBHeight && DBWidth == o.DBWidth && DBTop == o.DBTop
        && DBLeft == o.DBLeft && DBColumns == o.DBColumns && Illustrator == o.Illustrator
        && CollectieHeight == o.CollectieHeight && CollectieWidth == o.CollectieWidth
        && CollectieTop == o.CollectieTop && CollectieLeft == o.CollectieLeft
        && CollectieColumns == o.CollectieColumns && DecksHeight == o.DecksHeight && DecksWidth == o.DecksWidth
        && DecksTop == o.DecksTop && DecksLeft == o.DecksLeft && DeckColumns == o.DeckColumns
        && SideBoardColumns == o.SideBoardColumns && Sets == o.Sets;
}

namespace {

QByteArray num(int v) { return QByteArray::number(v); }
QByteArray flag(bool v) { return v ? QByteArrayLiteral("1") : QByteArrayLiteral("0"); }

// The widths of `count` columns; columns the list lacks get their designed width.
QList<QByteArray> widths(const QVector<int> &w, const QVector<int> &designed, int count)
{
    QList<QByteArray> out;
    for (int i = 0; i < count; ++i)
        out << num(i < w.size() ? w[i] : designed.value(i));
    return out;
}

} // namespace

QByteArray format(const Settings &s)
{
    QList<QByteArray> l;
    l << FormatVersion.toLatin1();
    // A theme name never holds a line break; one would shift every later line.
    QString theme = s.Thema;
    theme.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    l << theme.toUtf8();
    l << flag(s.UseDialog) << flag(s.FormFotoVisible) << flag(s.FormDBVisible) << flag(s.FormCollectieVisible)
      << flag(s.FormDecksVisible);
    l << num(s.FontSize) << "0" << "0";
    l << num(s.FotoTop) << num(s.FotoLeft);
    l << num(s.DBHeight) << num(s.DBWidth) << num(s.DBTop) << num(s.DBLeft);
    l << widths(s.DBColumns, designedDBColumns(), 11);
    l << (s.Illustrator ? num(s.DBColumns.value(11, designedDBColumns()[11])) : num(IllustratorFallbackWidth));
    l << "0";
    l << num(s.CollectieHeight) << num(s.CollectieWidth) << num(s.CollectieTop) << num(s.CollectieLeft);
    l << widths(s.CollectieColumns, designedCollectieColumns(), 11);
    l << num(s.DecksHeight) << num(s.DecksWidth) << num(s.DecksTop) << num(s.DecksLeft);
    l << widths(s.DeckColumns, designedDeckColumns(), 5);
    l << widths(s.SideBoardColumns, designedSideBoardColumns(), 5);
    l << QByteArray() << SetsMarker.toLatin1();
    for (int i = 0; i < SetLineCount; ++i)
        l << (s.Sets.value(i) ? QByteArrayLiteral("-1") : QByteArrayLiteral("0"));
    QByteArray out;
    for (const QByteArray &line : l)
        out += line + '\n';
    return out;
}

QString write(const QString &path, const Settings &s)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    const QByteArray bytes = format(s);
    if (f.write(bytes) != bytes.size()) {
        const QString e = f.errorString();
        f.cancelWriting();
        return e;
    }
    if (!f.commit())
        return f.errorString();
    return QString();
}

namespace {

// Walks the lines of the file, counting them from 1.
class Lines {
public:
    explicit Lines(const QByteArray &b) : m_bytes(b) {}
    bool next(QString *line)
    {
        if (m_pos >= m_bytes.size())
            return false;
        qsizetype end = m_bytes.indexOf('\n', m_pos);
        if (end < 0)
            end = m_bytes.size();
        QByteArray raw = m_bytes.mid(m_pos, end - m_pos);
        m_pos = end + 1;
        if (raw.endsWith('\r'))
            raw.chop(1);
        // Written as UTF-8; older single-byte files are taken as Latin-1.
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8.decode(raw);
        if (utf8.hasError())
            text = QString::fromLatin1(raw);
        *line = text;
        ++m_number;
        return true;
    }
    int number() const { return m_number; }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
    int m_number = 0;
};

QString shown(const QString &text)
{
    QString t = text.left(40);
    for (QChar &c : t)
        if (c.unicode() < 0x20)
            c = QLatin1Char('?');
    if (text.size() > 40)
        t += QStringLiteral("...");
    return t;
}

struct Reader {
    Lines lines;
    ReadResult &r;
    bool ended = false;

    // The next line, or false once the file has ended (reported once).
    bool take(QString *line)
    {
        if (ended)
            return false;
        if (lines.next(line))
            return true;
        ended = true;
        r.damaged = true;
        r.problems << QStringLiteral("the file ends after line %1").arg(lines.number());
        return false;
    }
    void bad(const QString &text, const QString &what)
    {
        r.damaged = true;
        r.problems << QStringLiteral("line %1: \"%2\" is not %3").arg(lines.number()).arg(shown(text), what);
    }
    void skip()
    {
        QString l;
        take(&l);
    }
    void flagLine(bool *v)
    {
        QString l;
        if (take(&l))
            *v = l != QLatin1String("0");
    }
    // An integer; `minimum` keeps sizes and widths from going negative.
    void intLine(int *v, int minimum = INT_MIN)
    {
        QString l;
        if (!take(&l))
            return;
        bool ok = false;
        const int n = l.toInt(&ok);
        if (ok && n >= minimum)
            *v = n;
        else
            bad(l, minimum == INT_MIN ? QStringLiteral("a whole number") : QStringLiteral("a size or width"));
    }
    void widthLines(QVector<int> *w, int count)
    {
        for (int i = 0; i < count; ++i)
            intLine(&(*w)[i], 0);
    }
};

// A set line: a number (non-zero is true) or the words true and false in
// any letter case.
bool setValue(const QString &text, bool *ok)
{
    *ok = true;
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const double d = text.toDouble(ok);
    return *ok && d != 0.0;
}

} // namespace

ReadResult parse(const QByteArray &bytes, const Settings &current)
{
    ReadResult r;
    r.settings = current;
    Settings s = current;
    Reader in{Lines(bytes), r};

    QString version;
    if (!in.lines.next(&version) || version != FormatVersion) {
        // An older (or foreign) file: nothing of it is used.
        r.oldVersion = true;
        return r;
    }

    QString theme;
    if (in.take(&theme))
        s.Thema = theme;
    in.flagLine(&s.UseDialog);
    in.flagLine(&s.FormFotoVisible);
    in.flagLine(&s.FormDBVisible);
    in.flagLine(&s.FormCollectieVisible);
    in.flagLine(&s.FormDecksVisible);
    {
        // "0" keeps the font size in force.
        QString l;
        if (in.take(&l) && l != QLatin1String("0")) {
            bool ok = false;
            const int n = l.toInt(&ok);
            if (ok && n > 0)
                s.FontSize = n;
            else
                in.bad(l, QStringLiteral("a font size"));
        }
    }
    in.skip();
    in.skip();
    in.intLine(&s.FotoTop);
    in.intLine(&s.FotoLeft);
    in.intLine(&s.DBHeight, 0);
    in.intLine(&s.DBWidth, 0);
    in.intLine(&s.DBTop);
    in.intLine(&s.DBLeft);
    s.DBColumns.resize(12);
    in.widthLines(&s.DBColumns, 11);
    {
        // The illustrator column: a stored "0" gives it a usable width again.
        QString l;
        if (in.take(&l)) {
            bool ok = false;
            const int n = l.toInt(&ok);
            if (l == QLatin1String("0"))
                s.DBColumns[11] = IllustratorFallbackWidth;
            else if (ok && n >= 0)
                s.DBColumns[11] = n;
            else
                in.bad(l, QStringLiteral("a size or width"));
        }
    }
    in.skip();
    in.intLine(&s.CollectieHeight, 0);
    in.intLine(&s.CollectieWidth, 0);
    in.intLine(&s.CollectieTop);
    in.intLine(&s.CollectieLeft);
    s.CollectieColumns.resize(11);
    in.widthLines(&s.CollectieColumns, 11);
    in.intLine(&s.DecksHeight, 0);
    in.intLine(&s.DecksWidth, 0);
    in.intLine(&s.DecksTop);
    in.intLine(&s.DecksLeft);
    s.DeckColumns.resize(5);
    in.widthLines(&s.DeckColumns, 5);
    s.SideBoardColumns.resize(5);
    in.widthLines(&s.SideBoardColumns, 5);

    // Lines up to and including the marker are skipped, so extra lines
    // before it do no harm.
    bool marker = false;
    if (!in.ended) {
        QString l;
        while (in.lines.next(&l)) {
            if (l == SetsMarker) {
                marker = true;
                break;
            }
        }
        if (!marker) {
            in.ended = true;
            r.damaged = true;
            r.problems << QStringLiteral("no \"%1\" line was found; the set selection keeps its defaults")
                              .arg(SetsMarker);
        }
    }
    if (marker) {
        s.Sets.resize(SetLineCount);
        for (int i = 0; i < SetLineCount; ++i) {
            QString l;
            if (!in.take(&l))
                break;
            bool ok = false;
            const bool v = setValue(l, &ok);
            if (ok)
                s.Sets[i] = v;
            else
                in.bad(l, QStringLiteral("a set choice (a number, true or false)"));
        }
    }
    r.settings = s;
    return r;
}

ReadResult read(const QString &path, const Settings &current)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ReadResult r;
        r.settings = current;
        r.damaged = true;
        r.problems << QStringLiteral("the file cannot be opened: %1").arg(f.errorString());
        return r;
    }
    // The file is a few kilobytes; anything far beyond that is not ours, and
    // what lies past this limit is never looked at.
    const QByteArray bytes = f.read(4 * 1024 * 1024);
    return parse(bytes, current);
}

} // namespace ConfigFile
