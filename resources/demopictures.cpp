#include "demopictures.h"

#include "democards.h"
#include "demorng.h"

#include "carddb/mana.h"
#include "carddb/setlist.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextDocument>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

const QString kSans = QStringLiteral("DejaVu Sans");
const QString kSerif = QStringLiteral("P052");      // a Palatino-like face; falls back to any serif

struct SymbolColours
{
    QColor fill;
    QColor glyph;
};

SymbolColours coloursOf(QChar c)
{
    switch (c.unicode()) {
    case 'W': return {QColor(0xF4, 0xEC, 0xCB), QColor(0x2B, 0x26, 0x20)};
    case 'U': return {QColor(0x2C, 0x7B, 0xCC), QColor(0xFF, 0xFF, 0xFF)};
    case 'B': return {QColor(0x3A, 0x34, 0x32), QColor(0xF1, 0xE8, 0xDC)};
    case 'R': return {QColor(0xD2, 0x42, 0x2A), QColor(0xFF, 0xFF, 0xFF)};
    case 'G': return {QColor(0x2B, 0x88, 0x4C), QColor(0xFF, 0xFF, 0xFF)};
    default: return {QColor(0xC8, 0xC1, 0xBB), QColor(0x22, 0x1E, 0x1B)};
    }
}

QFont font(const QString &family, qreal pixelSize, int weight = QFont::Normal, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    f.setStyleHint(family == kSerif ? QFont::Serif : QFont::SansSerif);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Text as an outline centred on `c`, its cap height about `height`.
void drawCentredGlyph(QPainter &p, const QPointF &c, qreal height, const QString &text, const QColor &colour)
{
    QFont f = font(kSans, height * 1.38, QFont::Bold);
    if (text.size() > 1)
        f.setStretch(QFont::Condensed);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    qreal sx = 1.0;
    const qreal maxW = height * (text.size() > 1 ? 1.5 : 1.15);
    if (b.width() > maxW)
        sx = maxW / b.width();
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(sx, 1.0);
    t.translate(-b.center().x(), -b.center().y());
    p.fillPath(t.map(path), colour);
}

void fillDisc(QPainter &p, const QRectF &r, const QColor &fill)
{
    QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.75);
    g.setColorAt(0.0, fill.lighter(118));
    g.setColorAt(0.65, fill);
    g.setColorAt(1.0, fill.darker(118));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(r);
}

void drawPhyrexianMark(QPainter &p, const QRectF &r, const QColor &colour)
{
    const qreal d = r.width();
    const QPointF c = r.center();
    QPen pen(colour, d * 0.085, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, d * 0.2, d * 0.17);
    p.drawLine(QPointF(c.x(), c.y() - d * 0.33), QPointF(c.x(), c.y() + d * 0.33));
}

} // namespace

void drawManaSymbol(QPainter &p, const QRectF &rect, const QString &symbol)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal rim = std::max<qreal>(0.8, rect.width() * 0.045);
    const QRectF r = rect.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    const qreal d = r.width();
    const QPointF c = r.center();
    const QString sym = symbol;

    if (sym.contains(QLatin1Char('/'))) {
        // Split disc: first half upper left, second half lower right.
        const QString a = sym.section(QLatin1Char('/'), 0, 0);
        const QString b = sym.section(QLatin1Char('/'), 1, 1);
        const SymbolColours ca = coloursOf(a == QLatin1String("2") ? QChar('2') : a.at(0));
        const SymbolColours cb = coloursOf(b.at(0));
        QPainterPath disc;
        disc.addEllipse(r);
        QPainterPath upper;
        upper.moveTo(r.topLeft());
        upper.lineTo(r.topRight());
        upper.lineTo(r.bottomLeft());
        upper.closeSubpath();
        p.setClipPath(disc);
        fillDisc(p, r, cb.fill);
        p.setClipPath(disc.intersected(upper));
        fillDisc(p, r, ca.fill);
        p.setClipping(false);
        p.setPen(QPen(QColor(0, 0, 0, 110), std::max<qreal>(0.6, d * 0.03)));
        p.drawLine(QPointF(r.right() - d * 0.15, r.top() + d * 0.15), QPointF(r.left() + d * 0.15, r.bottom() - d * 0.15));
        drawCentredGlyph(p, c + QPointF(-d * 0.18, -d * 0.18), d * 0.33, a, ca.glyph);
        drawCentredGlyph(p, c + QPointF(d * 0.18, d * 0.18), d * 0.33, b, cb.glyph);
    } else if (sym.size() == 2 && sym.endsWith(QLatin1Char('P')) && !sym.at(0).isDigit()) {
        const SymbolColours col = coloursOf(sym.at(0));
        fillDisc(p, r, col.fill);
        drawPhyrexianMark(p, r, col.glyph);
    } else {
        const bool generic = sym.isEmpty() || sym.at(0).isDigit() || sym == QLatin1String("X");
        const SymbolColours col = coloursOf(generic ? QChar('0') : sym.at(0));
        fillDisc(p, r, col.fill);
        drawCentredGlyph(p, c, d * (sym.size() > 1 ? 0.46 : 0.5), sym, col.glyph);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 150), rim));
    p.drawEllipse(r);
    p.restore();
}

namespace {

bool saveImage(const QImage &img, const QString &path, const char *format, int quality, QString *error)
{
    if (!img.save(path, format, quality)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool makeDir(const QString &path, QString *error)
{
    if (!QDir().mkpath(path)) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(path);
        return false;
    }
    return true;
}

// Draws at four times the size and scales down: cleaner edges on small icons.
template <typename Paint>
QImage supersampled(int w, int h, Paint paint)
{
    const int k = 4;
    QImage big(w * k, h * k, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(k, k);
        paint(p);
    }
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Soft per-pixel grain so the large gradients do not band.
void addGrain(QImage &img, std::uint64_t seed, int amount)
{
    DemoRng rng(seed);
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = int(rng.next() % std::uint64_t(2 * amount + 1)) - amount;
            const QRgb c = line[x];
            line[x] = qRgba(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                            std::clamp(qBlue(c) + n, 0, 255), qAlpha(c));
        }
    }
}

// ---------------------------------------------------------------------------
// Card pictures

QColor frameColour(const DemoDesign &d)
{
    if (d.type == QLatin1String("Vanguard"))
        return QColor(0x6B, 0x5A, 0x8A);
    if (d.type.contains(QLatin1String("Land")))
        return QColor(0xA6, 0x8B, 0x63);
    if (d.colors.size() > 1)
        return QColor(0xC9, 0xA6, 0x46);
    if (d.colors.isEmpty())
        return QColor(0x9A, 0xA3, 0xA8);
    switch (d.colors.at(0).unicode()) {
    case 'W': return QColor(0xE9, 0xE1, 0xC4);
    case 'U': return QColor(0x3D, 0x7F, 0xC0);
    case 'B': return QColor(0x4A, 0x43, 0x40);
    case 'R': return QColor(0xC4, 0x4A, 0x32);
    default: return QColor(0x3E, 0x8A, 0x55);
    }
}

void drawArt(QPainter &p, const QRectF &r, std::uint64_t seed, const QColor &tint)
{
    DemoRng rng(seed * 2654435761ull + 17);
    p.save();
    p.setClipRect(r);
    const int hue = (tint.hue() < 0 ? 200 : tint.hue()) + rng.range(-40, 40);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor::fromHsv((hue + 360) % 360, 90 + rng.below(60), 120 + rng.below(80)));
    sky.setColorAt(1, QColor::fromHsv((hue + 400) % 360, 60, 230));
    p.fillRect(r, sky);
    // a sun or moon
    const QPointF sun(r.left() + r.width() * (0.2 + 0.6 * rng.unit()), r.top() + r.height() * (0.15 + 0.25 * rng.unit()));
    QRadialGradient glow(sun, r.width() * 0.35);
    glow.setColorAt(0, QColor(255, 250, 220, 230));
    glow.setColorAt(0.15, QColor(255, 240, 200, 200));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, r.width() * 0.35, r.width() * 0.35);
    // layered hills, darker toward the front; rounded or jagged
    const bool jagged = rng.chance(40);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        const qreal base = r.top() + r.height() * (0.5 + 0.16 * layer);
        hill.moveTo(r.left(), r.bottom());
        hill.lineTo(r.left(), base);
        const int steps = 3 + rng.below(4);
        for (int i = 1; i <= steps; ++i) {
            const qreal x = r.left() + r.width() * i / steps;
            const qreal peak = base - r.height() * (0.04 + 0.2 * rng.unit()) * (layer == 0 ? 1.3 : 1.0);
            const QPointF top(x - r.width() / steps / 2, peak);
            const QPointF next(x, base - r.height() * 0.03 * rng.unit());
            if (jagged) {
                hill.lineTo(top);
                hill.lineTo(next);
            } else {
                hill.quadTo(top + QPointF(0, -(base - peak) * 0.6), next);
            }
        }
        hill.lineTo(r.right(), r.bottom());
        hill.closeSubpath();
        p.setBrush(QColor::fromHsv((hue + 180 + 30 * layer) % 360, 70 + 30 * layer, 150 - 40 * layer));
        p.drawPath(hill);
    }
    // a subject in front: a spire, a tree, a floating crystal or a keep
    const QColor shade(20, 18, 24, 220);
    p.setBrush(shade);
    const qreal fx = r.left() + r.width() * (0.25 + 0.5 * rng.unit());
    const qreal u = r.width() / 100.0;
    switch (rng.below(4)) {
    case 0: {
        QPainterPath spire;
        spire.moveTo(fx, r.top() + r.height() * (0.25 + 0.2 * rng.unit()));
        spire.lineTo(fx + 7 * u, r.bottom());
        spire.lineTo(fx - 7 * u, r.bottom());
        spire.closeSubpath();
        p.drawPath(spire);
        break;
    }
    case 1: {
        p.drawRect(QRectF(fx - 2.5 * u, r.top() + r.height() * 0.55, 5 * u, r.height() * 0.45));
        const qreal cy = r.top() + r.height() * 0.45;
        for (int k = 0; k < 5; ++k)
            p.drawEllipse(QPointF(fx + (rng.unit() - 0.5) * 22 * u, cy + (rng.unit() - 0.5) * 16 * u), 9 * u + 5 * u * rng.unit(), 8 * u + 4 * u * rng.unit());
        break;
    }
    case 2: {
        const QPointF c(fx, r.top() + r.height() * 0.42);
        QRadialGradient g(c, 26 * u);
        QColor glow = QColor::fromHsv((hue + 150) % 360, 120, 255, 180);
        g.setColorAt(0, glow);
        glow.setAlpha(0);
        g.setColorAt(1, glow);
        p.setBrush(g);
        p.drawEllipse(c, 26 * u, 26 * u);
        QPolygonF crystal;
        crystal << c + QPointF(0, -16 * u) << c + QPointF(7 * u, 0) << c + QPointF(0, 16 * u) << c + QPointF(-7 * u, 0);
        p.setBrush(QColor::fromHsv((hue + 150) % 360, 90, 250));
        p.setPen(QPen(shade, 1));
        p.drawPolygon(crystal);
        p.setPen(Qt::NoPen);
        break;
    }
    default: {
        const qreal base = r.bottom();
        const qreal w = 36 * u;
        QPainterPath keep;
        keep.addRect(QRectF(fx - w / 2, base - r.height() * 0.32, w, r.height() * 0.32));
        keep.addRect(QRectF(fx - w / 2 - 6 * u, base - r.height() * 0.45, 10 * u, r.height() * 0.45));
        keep.addRect(QRectF(fx + w / 2 - 4 * u, base - r.height() * 0.5, 10 * u, r.height() * 0.5));
        p.drawPath(keep.simplified());
        p.setBrush(QColor(255, 220, 140, 200));
        p.drawRect(QRectF(fx - 2 * u, base - r.height() * 0.22, 4 * u, 6 * u));
        break;
    }
    }
    p.restore();
}

// Rules text in the text box, shrinking the font until it fits. The set
// file text is nearly HTML already: its escaped <br> and <i> become markup.
void drawRulesText(QPainter &p, const QRectF &box, const QString &fileText)
{
    QString html = fileText.toHtmlEscaped();   // "&" of the entities becomes "&amp;"
    html.replace(QStringLiteral("&amp;lt;br&amp;gt;"), QStringLiteral("<br>"));
    html.replace(QStringLiteral("&amp;lt;i&amp;gt;"), QStringLiteral("<i>"));
    html.replace(QStringLiteral("&amp;lt;/i&amp;gt;"), QStringLiteral("</i>"));
    html.replace(QStringLiteral("&amp;apos;"), QStringLiteral("'"));
    html.replace(QStringLiteral("&amp;quot;"), QStringLiteral("&quot;"));
    html.replace(QStringLiteral("&amp;amp;"), QStringLiteral("&amp;"));
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setTextWidth(box.width());
    doc.setDefaultStyleSheet(QStringLiteral("body { color: #1e1a16; }"));
    for (qreal size = 9.0; size >= 5.0; size -= 0.5) {
        doc.setDefaultFont(font(kSerif, size));
        doc.setHtml(QStringLiteral("<body>") + html + QStringLiteral("</body>"));
        if (doc.size().height() <= box.height() || size <= 5.0)
            break;
    }
    p.save();
    p.translate(box.topLeft());
    doc.drawContents(&p, QRectF(0, 0, box.width(), box.height()));
    p.restore();
}

QImage cardFace(const DemoDesign &d, const DemoPrinting &pr)
{
    const int W = 223, H = 310;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x12, 0x11, 0x10));
    p.drawRoundedRect(QRectF(0, 0, W, H), 11, 11);

    const QColor fc = frameColour(d);
    QLinearGradient frame(0, 10, W, H - 10);
    frame.setColorAt(0, fc.lighter(115));
    frame.setColorAt(1, fc.darker(125));
    p.setBrush(frame);
    p.drawRoundedRect(QRectF(9, 9, W - 18, H - 30), 6, 6);

    const QColor bar = fc.lighter(150);
    auto drawBar = [&](const QRectF &r) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, bar.lighter(110));
        g.setColorAt(1, bar.darker(108));
        p.setBrush(g);
        p.setPen(QPen(fc.darker(180), 1));
        p.drawRoundedRect(r, 4, 4);
    };

    // name bar with the cost
    const QRectF nameBar(14, 14, W - 28, 21);
    drawBar(nameBar);
    const QStringList symbols = d.cost.isEmpty() ? QStringList() : Mana::splitCost(d.cost);
    const qreal sym = 12.5;
    qreal x = nameBar.right() - 4 - sym * symbols.size();
    const qreal costLeft = x;
    for (const QString &s : symbols) {
        drawManaSymbol(p, QRectF(x, nameBar.top() + (nameBar.height() - sym) / 2, sym, sym), s);
        x += sym;
    }
    p.setPen(QColor(0x14, 0x12, 0x10));
    QFont nf = font(kSerif, 11.5, QFont::Bold);
    const QString name = demoPlainText(d.name);
    const qreal room = costLeft - nameBar.left() - 10;
    while (QFontMetricsF(nf).horizontalAdvance(name) > room && nf.pixelSize() > 7)
        nf.setPixelSize(nf.pixelSize() - 1);
    p.setFont(nf);
    p.drawText(QRectF(nameBar.left() + 6, nameBar.top(), room + 4, nameBar.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QFontMetricsF(nf).elidedText(name, Qt::ElideRight, room));

    // art
    const QRectF art(19, 38, W - 38, 134);
    p.setPen(Qt::NoPen);
    p.setBrush(fc.darker(200));
    p.drawRect(art.adjusted(-1.5, -1.5, 1.5, 1.5));
    drawArt(p, art, pr.id.toULongLong(), fc);

    // type bar with a rarity gem
    const QRectF typeBar(14, 175, W - 28, 19);
    drawBar(typeBar);
    QColor gem = QColor(0x20, 0x20, 0x20);
    if (pr.rarity == QLatin1String("Uncommon"))
        gem = QColor(0xB8, 0xC4, 0xCC);
    else if (pr.rarity == QLatin1String("Rare") || pr.rarity == QLatin1String("Special"))
        gem = QColor(0xD8, 0xB0, 0x4A);
    else if (pr.rarity == QLatin1String("Mythic Rare"))
        gem = QColor(0xE0, 0x6A, 0x22);
    p.setBrush(gem);
    p.setPen(QPen(QColor(0, 0, 0, 170), 0.8));
    QPolygonF diamond;
    const QPointF gc(typeBar.right() - 10, typeBar.center().y());
    diamond << gc + QPointF(0, -5.5) << gc + QPointF(5.5, 0) << gc + QPointF(0, 5.5) << gc + QPointF(-5.5, 0);
    p.drawPolygon(diamond);
    QFont tf = font(kSerif, 10, QFont::Bold);
    const qreal troom = typeBar.width() - 28;
    while (QFontMetricsF(tf).horizontalAdvance(d.type) > troom && tf.pixelSize() > 7)
        tf.setPixelSize(tf.pixelSize() - 1);
    p.setFont(tf);
    p.setPen(QColor(0x14, 0x12, 0x10));
    p.drawText(QRectF(typeBar.left() + 6, typeBar.top(), troom, typeBar.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QFontMetricsF(tf).elidedText(d.type, Qt::ElideRight, troom));

    // rules text box
    const QRectF textBox(19, 198, W - 38, 80);
    QLinearGradient parchment(textBox.topLeft(), textBox.bottomRight());
    parchment.setColorAt(0, QColor(0xF3, 0xEA, 0xD3));
    parchment.setColorAt(1, QColor(0xE2, 0xD5, 0xB6));
    p.setBrush(parchment);
    p.setPen(QPen(fc.darker(170), 1));
    p.drawRect(textBox);
    const bool hasPT = !d.power.isEmpty() || !d.toughness.isEmpty();
    drawRulesText(p, textBox.adjusted(5, 4, -5, hasPT ? -10 : -3), d.text);

    // power and toughness
    if (hasPT) {
        const QRectF pt(W - 62, 269, 46, 17);
        drawBar(pt);
        p.setFont(font(kSerif, 11, QFont::Bold));
        p.setPen(QColor(0x14, 0x12, 0x10));
        p.drawText(pt, Qt::AlignCenter, d.power + QLatin1Char('/') + d.toughness);
    }
    // illustrator and number
    p.setFont(font(kSans, 7.5));
    p.setPen(QColor(0xEE, 0xEA, 0xE4));
    const QString illus = pr.artist.isEmpty() ? QStringLiteral("Vellum Trove sample card") : QStringLiteral("Illus. ") + demoPlainText(pr.artist);
    p.drawText(QRectF(16, H - 20, W - 80, 14), Qt::AlignVCenter | Qt::AlignLeft, illus);
    p.setPen(QColor(0xB0, 0xAA, 0xA2));
    p.drawText(QRectF(W - 70, H - 20, 54, 14), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("#") + pr.id);
    return img;
}

// The emblem of the program: a rolled sheet of vellum inside a ring.
void drawEmblem(QPainter &p, const QPointF &c, qreal radius, const QColor &metal)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(c - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    g.setColorAt(0, QColor(0x3C, 0x4F, 0x7A));
    g.setColorAt(1, QColor(0x0E, 0x13, 0x22));
    p.setBrush(g);
    p.setPen(QPen(metal, radius * 0.07));
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(metal.darker(140), radius * 0.025));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius * 0.86, radius * 0.86);
    // five small gems around the ring, one per colour
    const char *letters = "WUBRG";
    for (int i = 0; i < 5; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / 5;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * radius * 0.86;
        p.setBrush(coloursOf(QChar::fromLatin1(letters[i])).fill);
        p.setPen(QPen(metal.darker(150), radius * 0.02));
        p.drawEllipse(q, radius * 0.09, radius * 0.09);
    }
    // the sheet: a curved page with a rolled edge
    const qreal s = radius * 0.52;
    QPainterPath page;
    page.moveTo(c + QPointF(-s, -s * 0.75));
    page.cubicTo(c + QPointF(-s * 0.3, -s * 0.95), c + QPointF(s * 0.3, -s * 0.55), c + QPointF(s, -s * 0.75));
    page.lineTo(c + QPointF(s, s * 0.7));
    page.cubicTo(c + QPointF(s * 0.3, s * 0.5), c + QPointF(-s * 0.3, s * 0.9), c + QPointF(-s, s * 0.7));
    page.closeSubpath();
    QLinearGradient vellum(c + QPointF(-s, -s), c + QPointF(s, s));
    vellum.setColorAt(0, QColor(0xF6, 0xEB, 0xCF));
    vellum.setColorAt(1, QColor(0xD9, 0xC4, 0x95));
    p.setBrush(vellum);
    p.setPen(QPen(QColor(0x5A, 0x44, 0x22), radius * 0.03));
    p.drawPath(page);
    p.setPen(QPen(QColor(0x8A, 0x70, 0x48), radius * 0.025, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = -s * 0.35 + i * s * 0.3;
        p.drawLine(c + QPointF(-s * 0.65, y), c + QPointF(s * (i == 3 ? 0.2 : 0.65), y));
    }
    p.setBrush(QColor(0xC8, 0xB0, 0x7A));
    p.setPen(QPen(QColor(0x5A, 0x44, 0x22), radius * 0.03));
    p.drawEllipse(QRectF(c.x() - s * 1.12, c.y() - s * 0.92, s * 0.3, s * 1.75));
    p.restore();
}

void drawTitle(QPainter &p, const QRectF &r, const QString &text, qreal size, int flags)
{
    QFont f = font(kSerif, size, QFont::Bold);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    qreal x = r.left() - b.left();
    if (flags & Qt::AlignHCenter)
        x = r.center().x() - b.center().x();
    const qreal y = r.center().y() - b.center().y();
    path.translate(x, y);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path.translated(1.5, 2), QColor(0, 0, 0, 160));
    QLinearGradient gold(0, r.top(), 0, r.bottom());
    gold.setColorAt(0, QColor(0xFF, 0xEA, 0xB0));
    gold.setColorAt(0.55, QColor(0xE2, 0xB8, 0x5C));
    gold.setColorAt(1, QColor(0xA9, 0x7C, 0x2E));
    p.setPen(QPen(QColor(0x3A, 0x28, 0x10), std::max<qreal>(0.8, size / 36)));
    p.setBrush(gold);
    p.drawPath(path);
    p.restore();
}

QImage cardBack()
{
    const int W = 223, H = 310;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x0C, 0x08));
    p.drawRoundedRect(QRectF(0, 0, W, H), 11, 11);
    QLinearGradient frame(0, 0, W, H);
    frame.setColorAt(0, QColor(0x5A, 0x3B, 0x22));
    frame.setColorAt(0.5, QColor(0x3A, 0x24, 0x14));
    frame.setColorAt(1, QColor(0x58, 0x38, 0x1E));
    p.setBrush(frame);
    p.drawRoundedRect(QRectF(10, 10, W - 20, H - 20), 7, 7);
    QRadialGradient inner(W / 2.0, H / 2.0, H * 0.6);
    inner.setColorAt(0, QColor(0x2C, 0x3A, 0x5E));
    inner.setColorAt(1, QColor(0x0A, 0x0D, 0x18));
    p.setBrush(inner);
    p.setPen(QPen(QColor(0xC9, 0xA2, 0x5A), 1.5));
    p.drawEllipse(QRectF(22, 24, W - 44, H - 48));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xC9, 0xA2, 0x5A, 110), 1));
    p.drawEllipse(QRectF(28, 30, W - 56, H - 60));
    drawEmblem(p, QPointF(W / 2.0, H * 0.42), 52, QColor(0xD8, 0xB2, 0x62));
    drawTitle(p, QRectF(20, H * 0.64, W - 40, 36), QStringLiteral("Vellum Trove"), 27, Qt::AlignHCenter);
    p.setFont(font(kSerif, 9.5, QFont::Normal, true));
    p.setPen(QColor(0xD8, 0xC8, 0xA4));
    p.drawText(QRectF(20, H * 0.64 + 34, W - 40, 16), Qt::AlignCenter, QStringLiteral("card collection keeper"));
    return img;
}

// ---------------------------------------------------------------------------
// Themes

struct ThemeLook
{
    QString name;
    QColor centre;      // backdrop centre
    QColor edge;        // backdrop edge
    QColor pattern;     // faint lattice lines
    QColor plate;       // icon plates
    QColor glyph;       // icon drawings
    QColor panelTop;    // tool window backdrop
    QColor panelBottom;
};

void iconPlate(QPainter &p, const QRectF &r, const ThemeLook &t)
{
    QRadialGradient g(r.center() - QPointF(r.width() * 0.15, r.height() * 0.2), r.width() * 0.75);
    g.setColorAt(0, t.plate.lighter(160));
    g.setColorAt(1, t.plate);
    p.setBrush(g);
    p.setPen(QPen(t.glyph.darker(130), r.width() * 0.035));
    p.drawEllipse(r);
    p.setPen(QPen(QColor(255, 255, 255, 40), r.width() * 0.02));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(r.width() * 0.06, r.width() * 0.06, -r.width() * 0.06, -r.width() * 0.06));
}

QPainterPath gearPath(const QPointF &c, qreal outer, qreal inner, int teeth)
{
    QPainterPath path;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = 2 * M_PI * i / (teeth * 4) - M_PI / 2;
        const qreal rad = (i % 4 == 1 || i % 4 == 2) ? outer : inner;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rad;
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

void miniCard(QPainter &p, const QRectF &r, qreal angle, const QColor &fill, const QColor &line)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    p.setBrush(fill);
    p.setPen(QPen(line, r.width() * 0.07));
    p.drawRoundedRect(local, r.width() * 0.12, r.width() * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.setOpacity(0.55);
    p.drawRect(QRectF(local.left() + local.width() * 0.18, local.top() + local.height() * 0.16, local.width() * 0.64, local.height() * 0.36));
    p.setOpacity(1.0);
    p.restore();
}

QImage themeIcon(const QString &which, const ThemeLook &t)
{
    return supersampled(46, 46, [&](QPainter &p) {
        iconPlate(p, QRectF(2, 2, 42, 42), t);
        const QPointF c(23, 23);
        const QColor g = t.glyph;
        if (which == QLatin1String("preferences")) {
            QPainterPath gear = gearPath(c, 14, 10.5, 8);
            QPainterPath hole;
            hole.addEllipse(c, 4.5, 4.5);
            p.setPen(QPen(t.plate.darker(150), 0.8));
            p.setBrush(g);
            p.drawPath(gear.subtracted(hole));
        } else if (which == QLatin1String("collection")) {
            // a box with cards standing in it
            miniCard(p, QRectF(14, 9, 11, 16), -8, g.darker(115), t.plate);
            miniCard(p, QRectF(20, 8, 11, 16), 6, g, t.plate);
            QPainterPath box;
            box.addRoundedRect(QRectF(11, 21, 24, 14), 2, 2);
            p.setBrush(g);
            p.setPen(QPen(t.plate.darker(150), 0.8));
            p.drawPath(box);
            p.setPen(QPen(t.plate, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(19, 27), QPointF(27, 27));
        } else if (which == QLatin1String("database")) {
            // a drum of three discs
            p.setPen(QPen(t.plate.darker(150), 0.8));
            for (int i = 2; i >= 0; --i) {
                const qreal y = 13 + i * 7;
                QPainterPath band;
                band.moveTo(12, y);
                band.lineTo(12, y + 5);
                band.arcTo(QRectF(12, y + 1, 22, 8), 180, 180);
                band.lineTo(34, y);
                band.closeSubpath();
                p.setBrush(g.darker(112));
                p.drawPath(band);
                p.setBrush(g);
                p.drawEllipse(QRectF(12, y - 4, 22, 8));
            }
        } else {
            // a fan of three cards
            p.save();
            for (int i = 0; i < 3; ++i) {
                p.save();
                p.translate(23, 34);
                p.rotate(-22 + 22 * i);
                p.setBrush(i == 1 ? g : g.darker(112));
                p.setPen(QPen(t.plate.darker(150), 0.9));
                p.drawRoundedRect(QRectF(-6.5, -22, 13, 19), 1.8, 1.8);
                p.setPen(Qt::NoPen);
                p.setBrush(t.plate);
                p.setOpacity(0.5);
                p.drawEllipse(QPointF(0, -12.5), 3, 3);
                p.setOpacity(1);
                p.restore();
            }
            p.restore();
        }
    });
}

QImage roundButton(int size, const QColor &plate, const QColor &glyph, bool cross)
{
    return supersampled(size, size, [&](QPainter &p) {
        const qreal s = size;
        QRectF r(1, 1, s - 2, s - 2);
        QRadialGradient g(r.center() - QPointF(s * 0.15, s * 0.2), s * 0.7);
        g.setColorAt(0, plate.lighter(150));
        g.setColorAt(1, plate);
        p.setBrush(g);
        p.setPen(QPen(QColor(0, 0, 0, 170), s * 0.05));
        p.drawEllipse(r);
        p.setPen(QPen(glyph, s * 0.12, Qt::SolidLine, Qt::RoundCap));
        const qreal a = s * 0.32, b = s * 0.68;
        if (cross) {
            p.drawLine(QPointF(a, a), QPointF(b, b));
            p.drawLine(QPointF(b, a), QPointF(a, b));
        } else {
            p.drawLine(QPointF(a, s * 0.5), QPointF(b, s * 0.5));
        }
    });
}

QImage menuIcon(const ThemeLook &t)
{
    return supersampled(18, 18, [&](QPainter &p) {
        p.setPen(QPen(t.glyph, 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(3.5, 4.5 + 4.5 * i), QPointF(14.5, 4.5 + 4.5 * i));
    });
}

QImage printerIcon(const ThemeLook &t)
{
    return supersampled(18, 18, [&](QPainter &p) {
        p.setPen(QPen(t.glyph.darker(160), 0.7));
        p.setBrush(QColor(0xF4, 0xF1, 0xEA));
        p.drawRect(QRectF(5, 1.5, 8, 5.5));           // paper in
        p.setBrush(t.glyph);
        p.drawRoundedRect(QRectF(1.5, 6, 15, 7), 1.6, 1.6);
        p.setBrush(QColor(0xF4, 0xF1, 0xEA));
        p.drawRect(QRectF(4.5, 10.5, 9, 6));          // paper out
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.8));
        p.drawLine(QPointF(6, 13), QPointF(12, 13));
        p.drawLine(QPointF(6, 14.8), QPointF(11, 14.8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4C, 0xD0, 0x6A));
        p.drawEllipse(QPointF(14, 8.3), 0.9, 0.9);
    });
}

QImage themeBackground(const ThemeLook &t, std::uint64_t seed)
{
    const int W = 1920, H = 1080;
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient base(W * 0.5, H * 0.38, W * 0.75);
    base.setColorAt(0, t.centre);
    base.setColorAt(1, t.edge);
    p.fillRect(img.rect(), base);

    // a faint diamond lattice
    p.setPen(QPen(t.pattern, 1));
    const int step = 48;
    for (int k = -H; k < W + H; k += step) {
        p.drawLine(QPointF(k, 0), QPointF(k + H, H));
        p.drawLine(QPointF(k, H), QPointF(k + H, 0));
    }
    // soft light blooms
    DemoRng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF c(rng.range(0, W), rng.range(0, H));
        const qreal rad = rng.range(60, 260);
        QRadialGradient b(c, rad);
        QColor lc = t.centre.lighter(180);
        lc.setAlpha(rng.range(10, 28));
        b.setColorAt(0, lc);
        lc.setAlpha(0);
        b.setColorAt(1, lc);
        p.setBrush(b);
        p.drawEllipse(c, rad, rad);
    }
    // a broad arc of light across the top
    QRadialGradient halo(W * 0.5, -H * 0.9, H * 1.6);
    QColor hc = t.centre.lighter(200);
    hc.setAlpha(0);
    halo.setColorAt(0.80, hc);
    hc.setAlpha(26);
    halo.setColorAt(0.86, hc);
    hc.setAlpha(0);
    halo.setColorAt(0.93, hc);
    p.setBrush(halo);
    p.drawRect(img.rect());
    // vignette
    QRadialGradient v(W * 0.5, H * 0.5, W * 0.62);
    v.setColorAt(0.55, QColor(0, 0, 0, 0));
    v.setColorAt(1, QColor(0, 0, 0, 190));
    p.setBrush(v);
    p.drawRect(img.rect());
    // the emblem as a faint watermark in the lower right
    p.setOpacity(0.07);
    drawEmblem(p, QPointF(W - 230, H - 220), 150, QColor(0xE0, 0xE0, 0xE0));
    p.setOpacity(1);
    p.end();
    addGrain(img, seed ^ 0xABCDEF, 3);
    return img;
}

QImage toolBackdrop(const ThemeLook &t, std::uint64_t seed)
{
    const int W = 1000, H = 700;
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, W * 0.3, H);
    g.setColorAt(0, t.panelTop);
    g.setColorAt(1, t.panelBottom);
    p.fillRect(img.rect(), g);
    // brushed streaks
    DemoRng rng(seed);
    for (int i = 0; i < 900; ++i) {
        const int y = rng.below(H);
        const int x = rng.range(-200, W);
        QColor c = rng.chance(50) ? QColor(255, 255, 255) : QColor(0, 0, 0);
        c.setAlpha(rng.range(4, 10));
        p.setPen(QPen(c, 1));
        p.drawLine(x, y, x + rng.range(80, 400), y);
    }
    QRadialGradient v(W * 0.5, H * 0.4, W * 0.8);
    v.setColorAt(0.5, QColor(0, 0, 0, 0));
    v.setColorAt(1, QColor(0, 0, 0, 120));
    p.fillRect(img.rect(), v);
    p.end();
    addGrain(img, seed + 7, 3);
    return img;
}

// The splash and About pictures share this backdrop.
void bannerBackdrop(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0x1C, 0x22, 0x38));
    g.setColorAt(0.6, QColor(0x10, 0x12, 0x1E));
    g.setColorAt(1, QColor(0x07, 0x08, 0x0E));
    p.fillRect(r, g);
    QRadialGradient glow(r.left() + r.width() * 0.78, r.top() + r.height() * 0.45, r.height() * 0.9);
    glow.setColorAt(0, QColor(0xE8, 0xB8, 0x5C, 70));
    glow.setColorAt(1, QColor(0xE8, 0xB8, 0x5C, 0));
    p.fillRect(r, glow);
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (qreal k = r.left() - r.height(); k < r.right(); k += 14)
        p.drawLine(QPointF(k, r.bottom()), QPointF(k + r.height(), r.top()));
}

void fannedCards(QPainter &p, const QPointF &pivot, qreal h, const QStringList &colours)
{
    const qreal w = h * 0.72;
    const int n = int(colours.size());
    for (int i = 0; i < n; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-24 + 48.0 * i / std::max(1, n - 1));
        const QRectF card(-w / 2, -h, w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(card.translated(3, 4), 6, 6);
        p.setBrush(QColor(0x14, 0x12, 0x10));
        p.drawRoundedRect(card, 6, 6);
        const QColor fc = coloursOf(colours.at(i).at(0)).fill;
        QLinearGradient g(card.topLeft(), card.bottomRight());
        g.setColorAt(0, fc.lighter(120));
        g.setColorAt(1, fc.darker(130));
        p.setBrush(g);
        p.drawRoundedRect(card.adjusted(4, 4, -4, -4), 4, 4);
        p.setBrush(QColor(0xF0, 0xE6, 0xCC));
        p.drawRect(QRectF(card.left() + 8, card.top() + 9, w - 16, h * 0.08));
        drawArt(p, QRectF(card.left() + 8, card.top() + 9 + h * 0.11, w - 16, h * 0.42), 40 + i * 7, fc);
        p.setBrush(QColor(0xF0, 0xE6, 0xCC));
        p.drawRect(QRectF(card.left() + 8, card.top() + h * 0.66, w - 16, h * 0.26));
        drawManaSymbol(p, QRectF(card.right() - 8 - h * 0.07, card.top() + 9 + h * 0.005, h * 0.07, h * 0.07), colours.at(i));
        p.restore();
    }
}

} // namespace

bool writeManaPictures(const QString &root, QString *error)
{
    const QString dir = root + QStringLiteral("/Images/mana/");
    if (!makeDir(dir, error))
        return false;
    for (int i = 0; i < Mana::SymbolCount; ++i) {
        const QString sym = Mana::symbolOfIndex(i);
        const QImage png = supersampled(32, 32, [&](QPainter &p) { drawManaSymbol(p, QRectF(0.5, 0.5, 31, 31), sym); });
        QImage bmp(32, 32, QImage::Format_RGB32);
        bmp.fill(Qt::white);
        {
            QPainter p(&bmp);
            p.drawImage(0, 0, png);
        }
        if (!saveImage(png, dir + Mana::codeOfIndex(i) + QStringLiteral(".png"), "PNG", -1, error)
            || !saveImage(bmp, dir + Mana::bitmapFileOfIndex(i), "BMP", -1, error))
            return false;
    }
    return true;
}

bool writeCardPictures(const DemoCatalogue &cat, const QString &root, QString *error)
{
    const QString dir = root + QStringLiteral("/Images/Cards/");
    if (!makeDir(dir, error) || !makeDir(root + QStringLiteral("/Images/Cache"), error))
        return false;
    if (!saveImage(cardBack(), dir + QStringLiteral("Card0.jpg"), "JPG", 92, error))
        return false;
    // The first cards of the first set and a few of the vanguard set.
    QVector<int> chosen;
    const QVector<int> &alpha = cat.printingsOfSet.at(0);
    for (int i = 0; i < std::min<int>(40, alpha.size()); ++i)
        chosen << alpha.at(i);
    const int vanguard = SetList::indexOfDisplayForm(QStringLiteral("Vanguard"));
    if (vanguard >= 0) {
        const QVector<int> &v = cat.printingsOfSet.at(vanguard);
        for (int i = 0; i < std::min<int>(6, v.size()); ++i)
            chosen << v.at(i);
    }
    for (int pi : chosen) {
        const DemoPrinting &pr = cat.printings.at(pi);
        if (!saveImage(cardFace(cat.designOf(pr), pr), dir + QStringLiteral("Card") + pr.id + QStringLiteral(".jpg"), "JPG", 90, error))
            return false;
    }
    return true;
}

bool writeThemes(const QString &root, QString *error)
{
    const ThemeLook looks[] = {
        {QStringLiteral("Black"), QColor(0x2E, 0x32, 0x3A), QColor(0x05, 0x06, 0x08), QColor(255, 255, 255, 7),
         QColor(0x2A, 0x2D, 0x33), QColor(0xD8, 0xDC, 0xE2), QColor(0x2C, 0x2F, 0x35), QColor(0x12, 0x13, 0x16)},
        {QStringLiteral("Emerald"), QColor(0x11, 0x4A, 0x3A), QColor(0x01, 0x0B, 0x08), QColor(0xE8, 0xC8, 0x70, 9),
         QColor(0x0E, 0x3A, 0x2D), QColor(0xEE, 0xD9, 0x9C), QColor(0x15, 0x3C, 0x31), QColor(0x06, 0x16, 0x11)},
    };
    const QString themeDir = root + QStringLiteral("/Theme/");
    if (!makeDir(themeDir, error))
        return false;
    QByteArray list;
    std::uint64_t seed = 0x7E3E;
    for (const ThemeLook &t : looks) {
        list += t.name.toUtf8() + '\n';
        const QString d = themeDir + t.name + QLatin1Char('/');
        if (!makeDir(d, error))
            return false;
        ++seed;
        const QColor closePlate = t.name == QLatin1String("Black") ? QColor(0x8E, 0x1E, 0x1E) : QColor(0x7A, 0x24, 0x1A);
        if (!saveImage(themeBackground(t, seed), d + QStringLiteral("background.jpg"), "JPG", 90, error)
            || !saveImage(toolBackdrop(t, seed * 31), d + QStringLiteral("backdrop.jpg"), "JPG", 90, error)
            || !saveImage(roundButton(28, closePlate, QColor(0xF6, 0xF0, 0xE8), true), d + QStringLiteral("close.png"), "PNG", -1, error)
            || !saveImage(roundButton(24, t.plate.lighter(130), t.glyph, false), d + QStringLiteral("minimize.png"), "PNG", -1, error)
            || !saveImage(menuIcon(t), d + QStringLiteral("popupmenu.png"), "PNG", -1, error)
            || !saveImage(printerIcon(t), d + QStringLiteral("printer.png"), "PNG", -1, error))
            return false;
        for (const char *icon : {"preferences", "collection", "database", "deck"}) {
            if (!saveImage(themeIcon(QLatin1String(icon), t), d + QLatin1String(icon) + QStringLiteral(".png"), "PNG", -1, error))
                return false;
        }
    }
    QFile f(themeDir + QStringLiteral("themes"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(list) != list.size()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(f.fileName());
        return false;
    }
    return true;
}

bool writeBanners(const QString &root, QString *error)
{
    const QString dir = root + QStringLiteral("/Images/");
    if (!makeDir(dir, error))
        return false;
    {
        QImage img(602, 229, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        bannerBackdrop(p, img.rect());
        fannedCards(p, QPointF(528, 236), 136, {"G", "U", "W", "B", "R"});
        // keep the bottom strip calm: the progress text is written there
        QLinearGradient strip(0, 186, 0, 229);
        strip.setColorAt(0, QColor(0x07, 0x08, 0x0E, 0));
        strip.setColorAt(0.6, QColor(0x07, 0x08, 0x0E, 235));
        strip.setColorAt(1, QColor(0x07, 0x08, 0x0E, 255));
        p.fillRect(QRectF(0, 186, 602, 43), strip);
        // The progress window writes the version at (40, 110): keep that band clear.
        drawEmblem(p, QPointF(62, 58), 34, QColor(0xD8, 0xB2, 0x62));
        drawTitle(p, QRectF(116, 26, 300, 66), QStringLiteral("Vellum Trove"), 45, Qt::AlignLeft);
        p.setFont(font(kSerif, 15, QFont::Normal, true));
        p.setPen(QColor(0xD9, 0xD2, 0xC4));
        p.drawText(QRectF(40, 136, 360, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Your cards, collections and decks in one place"));
        p.setPen(QPen(QColor(0xC9, 0xA2, 0x5A, 150), 1));
        p.drawLine(QPointF(40, 166), QPointF(360, 166));
        p.setPen(QPen(QColor(0xC9, 0xA2, 0x5A, 200), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, 1, 600, 227));
        p.end();
        if (!saveImage(img, dir + QStringLiteral("splash.png"), "PNG", -1, error))
            return false;
    }
    {
        QImage img(566, 174, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        bannerBackdrop(p, img.rect());
        fannedCards(p, QPointF(500, 180), 110, {"B", "R", "G"});
        // The About window writes the version at (40, 88): keep that band clear.
        drawEmblem(p, QPointF(64, 46), 30, QColor(0xD8, 0xB2, 0x62));
        drawTitle(p, QRectF(110, 14, 290, 60), QStringLiteral("Vellum Trove"), 41, Qt::AlignLeft);
        p.setFont(font(kSerif, 14, QFont::Normal, true));
        p.setPen(QColor(0xD9, 0xD2, 0xC4));
        p.drawText(QRectF(40, 118, 320, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("A keeper for Magic card collectors"));
        p.end();
        if (!saveImage(img, dir + QStringLiteral("about.png"), "PNG", -1, error))
            return false;
    }
    {
        // The program's window icon: the emblem on a dark disc.
        QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x12, 0x16, 0x2A));
        p.drawEllipse(QPointF(128, 128), 124, 124);
        drawEmblem(p, QPointF(128, 128), 112, QColor(0xD8, 0xB2, 0x62));
        p.end();
        if (!saveImage(img, dir + QStringLiteral("vellumtrove.png"), "PNG", -1, error))
            return false;
    }
    return true;
}
