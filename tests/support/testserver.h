#pragma once
// A small HTTP server on 127.0.0.1 for tests: answers from a table of paths
// (path plus query), counts the requests and remembers what was asked.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QHttpServer;

class TestServer {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/octet-stream";
    };

    TestServer();
    ~TestServer();

    bool start();                 // listens on a free port of 127.0.0.1
    QString base() const;         // "http://127.0.0.1:<port>"
    quint16 port() const { return m_port; }

    // Answer for a request target such as "/update/vellumtrove/mana/GU.png" or
    // "/Handlers/Image.ashx?multiverseid=12&type=card". Unknown targets get 404.
    void set(const QString &target, const Answer &a);
    void set(const QString &target, int status, const QByteArray &body) { set(target, Answer{status, body, "application/octet-stream"}); }

    int requestCount() const { return int(m_requests.size()); }
    int requestCount(const QString &target) const { return int(m_requests.count(target)); }
    const QStringList &requests() const { return m_requests; }

    // A base address on which nothing listens: connections are refused.
    static QString refusedBase();

private:
    std::unique_ptr<QHttpServer> m_server;
    quint16 m_port = 0;
    QHash<QString, Answer> m_answers;
    QStringList m_requests;
};
