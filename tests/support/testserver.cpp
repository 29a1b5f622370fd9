#include "support/testserver.h"

#ifdef VT_HAVE_HTTPSERVER
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#endif
#include <QTcpServer>
#include <QUrl>

TestServer::TestServer() = default;
TestServer::~TestServer() = default;

bool TestServer::start()
{
#ifdef VT_HAVE_HTTPSERVER
    m_server = std::make_unique<QHttpServer>();
    m_server->setMissingHandler([this](const QHttpServerRequest &req, QHttpServerResponder &&resp) {
        const QUrl u = req.url();
        QString target = u.path();
        if (u.hasQuery())
            target += QLatin1Char('?') + u.query(QUrl::FullyEncoded);
        m_requests << target;
        const auto it = m_answers.constFind(target);
        if (it == m_answers.constEnd()) {
            resp.write(QByteArray("<html><body>404 Not Found</body></html>"), "text/html",
                       QHttpServerResponder::StatusCode::NotFound);
            return;
        }
        resp.write(it->body, it->contentType, QHttpServerResponder::StatusCode(it->status));
    });
    m_port = m_server->listen(QHostAddress::LocalHost, 0);
    return m_port != 0;
#else
    return false;
#endif
}

QString TestServer::base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

void TestServer::set(const QString &target, const Answer &a) { m_answers.insert(target, a); }

QString TestServer::refusedBase()
{
    // Take a free port and let it go again: nothing listens there now.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}
