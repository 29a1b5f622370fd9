#include "update/download.h"

#include "buildsettings.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

namespace Download {

namespace {
int g_requests = 0;

QNetworkAccessManager &manager()
{
    static QNetworkAccessManager *m = new QNetworkAccessManager;
    return *m;
}
} // namespace

int requestCount() { return g_requests; }

Result get(const QString &url, const QString &fileName)
{
    Result r;
    const QUrl u(url);
    if (!u.isValid() || (u.scheme() != QLatin1String("http") && u.scheme() != QLatin1String("https"))) {
        r.error = QStringLiteral("not an http address: %1").arg(url);
        return r;
    }
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly)) {
        r.error = QStringLiteral("cannot write %1: %2").arg(fileName, out.errorString());
        return r;
    }

    QNetworkRequest req(u);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    req.setTransferTimeout(60000);
    req.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("VellumTrove/0.16"));
    ++g_requests;
    QNetworkReply *reply = manager().get(req);
    bool writeFailed = false;
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        const QByteArray chunk = reply->readAll();
        r.bytes += chunk.size();
        if (out.write(chunk) != chunk.size())
            writeFailed = true;
    });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    const QByteArray rest = reply->readAll();
    r.bytes += rest.size();
    if (out.write(rest) != rest.size())
        writeFailed = true;

    r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (reply->error() != QNetworkReply::NoError)
        r.error = reply->errorString();
    else if (r.status < 200 || r.status > 299)
        r.error = QStringLiteral("server answered %1").arg(r.status);
    else if (r.bytes == 0)
        r.error = QStringLiteral("empty answer");
    else if (announced > 0 && announced != r.bytes)
        r.error = QStringLiteral("answer cut short");
    else if (writeFailed)
        r.error = QStringLiteral("cannot write %1: %2").arg(fileName, out.errorString());
    reply->deleteLater();

    if (!r.error.isEmpty()) {
        out.cancelWriting();
        return r;
    }
    if (!out.commit()) {
        r.error = QStringLiteral("cannot write %1: %2").arg(fileName, out.errorString());
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace Download

namespace Urls {
namespace {
QString &updateB() { static QString s = QStringLiteral(VT_UPDATE_BASE); return s; }
QString &gathererB() { static QString s = QStringLiteral(VT_GATHERER_BASE); return s; }
QString &nederB() { static QString s = QStringLiteral(VT_NEDERMAGIC_BASE); return s; }
QString trimmed(QString s)
{
    while (s.endsWith(QLatin1Char('/')))
        s.chop(1);
    return s;
}
} // namespace

QString updateBase() { return updateB(); }
QString gathererBase() { return gathererB(); }
QString nederMagicBase() { return nederB(); }
void setUpdateBase(const QString &base) { updateB() = trimmed(base); }
void setGathererBase(const QString &base) { gathererB() = trimmed(base); }
void setNederMagicBase(const QString &base) { nederB() = trimmed(base); }

QString updateFile(const QString &path) { return updateBase() + QStringLiteral("/update/vellumtrove/") + path; }
QString gathererImage(const QString &id)
{
    return gathererBase() + QStringLiteral("/Handlers/Image.ashx?multiverseid=") + id + QStringLiteral("&type=card");
}
QString gathererPage(const QString &id)
{
    return gathererBase() + QStringLiteral("/Pages/Card/Details.aspx?multiverseid=") + id;
}
QString nederMagicPage(const QString &id) { return nederMagicBase() + QStringLiteral("/meerinfo.asp?cardid=") + id; }
} // namespace Urls
