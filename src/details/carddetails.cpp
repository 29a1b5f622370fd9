#include "details/carddetails.h"

#include "carddb/mana.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QUrl>

namespace CardDetails {

QString installedPicture(const QString &startDir, const QString &id)
{
    return startDir + QStringLiteral("/Images/Cards/Card") + id + QStringLiteral(".jpg");
}

QString cachedPicture(const QString &startDir, const QString &id)
{
    return startDir + QStringLiteral("/Images/Cache/Card") + id + QStringLiteral(".jpg");
}

QString placeholderPicture(const QString &startDir)
{
    return startDir + QStringLiteral("/Images/Cards/Card0.jpg");
}

bool isReadablePicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead() && !reader.read().isNull();
}

static bool isPlainCode(const QString &code)
{
    if (code.isEmpty())
        return false;
    for (QChar c : code) {
        const ushort u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')))
            return false;
    }
    return true;
}

QStringList manaPictureFiles(const QString &startDir, const QString &cost, int max)
{
    QStringList files;
    const QStringList symbols = Mana::splitCost(cost);
    for (int k = 0; k < symbols.size() && k < max; ++k) {
        const QString code = Mana::pictureCode(symbols.at(k));
        const QString path = startDir + QStringLiteral("/Images/mana/") + code + QStringLiteral(".png");
        files << ((isPlainCode(code) && QFileInfo::exists(path)) ? path : QString());
    }
    return files;
}

QStringList editionsOfName(const CardTable &table, const QString &name)
{
    QStringList editions;
    QSet<QString> seen;
    for (const TKaart &card : table) {
        if (card.Name != name || seen.contains(card.Edition))
            continue;
        seen.insert(card.Edition);
        editions << card.Edition;
    }
    return editions;
}

} // namespace CardDetails

namespace Browser {

namespace {
bool g_recording = false;
QStringList g_recorded;
} // namespace

bool open(const QString &url)
{
    const QUrl u(url, QUrl::StrictMode);
    if (!u.isValid() || (u.scheme() != QLatin1String("http") && u.scheme() != QLatin1String("https")))
        return false;
    if (g_recording) {
        g_recorded << url;
        return true;
    }
    // Goes through the desktop's URL handler (xdg-open on Linux), which
    // starts the browser on its own and does not wait for it.
    return QDesktopServices::openUrl(u);
}

void setRecording(bool on) { g_recording = on; }
QStringList &recorded() { return g_recorded; }

} // namespace Browser
