// The download helper against a local HTTP server.

#include "app/appstate.h"
#include "app/formmessages.h"
#include "app/forms.h"
#include "config/formprefs.h"
#include "support/appfixture.h"
#include "support/testserver.h"

#include <QtTest>

namespace {
const QString kFailed = QStringLiteral(
    "collecting DOWNLOAD information FAILED.\rPlease check your internet connection and try again");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestDownload : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void answers_data();
    void answers();
    void sameTargetTwice();
    void largeBody();

private:
    TestDataRoot *m_root = nullptr;
    AppFixture *m_app = nullptr;
    TestServer m_server;
};

void TestDownload::initTestCase()
{
    QVERIFY(m_server.start());
    m_server.set(QStringLiteral("/ok.txt"), 200, "hello");
    m_server.set(QStringLiteral("/empty"), 200, "");
    m_server.set(QStringLiteral("/error"), 500, "<html>Internal error</html>");
    m_server.set(QStringLiteral("/v1"), 200, "first version of the file");
    m_server.set(QStringLiteral("/v2"), 200, "second");
    m_root = new TestDataRoot;
    m_root->addManaPictures();
    m_app = new AppFixture(*m_root);
}

void TestDownload::cleanupTestCase()
{
    delete m_app;
    delete m_root;
}

void TestDownload::init()
{
    Messages::recorded().clear();
}

void TestDownload::answers_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("ok");
    QTest::newRow("success") << QStringLiteral("/ok.txt") << true;
    QTest::newRow("404 page") << QStringLiteral("/missing") << false;
    QTest::newRow("500 page") << QStringLiteral("/error") << false;
    QTest::newRow("empty body") << QStringLiteral("/empty") << false;
    QTest::newRow("refused") << QStringLiteral("refused") << false;
    QTest::newRow("not http") << QStringLiteral("file:///etc/passwd") << false;
}

void TestDownload::answers()
{
    QFETCH(QString, url);
    QFETCH(bool, ok);
    if (url == QLatin1String("refused"))
        url = TestServer::refusedBase() + QStringLiteral("/x");
    else if (url.startsWith(QLatin1Char('/')))
        url = m_server.base() + url;
    const QString target = m_root->file(QStringLiteral("tmp/target.bin"));
    const QString existing = m_root->file(QStringLiteral("tmp/existing.bin"));
    QFile::remove(target);
    m_root->write(QStringLiteral("tmp/existing.bin"), "precious");
    FormPrefs->show();

    QCOMPARE(FormPrefs->DownloadFile(url, target), ok);
    QCOMPARE(QFile::exists(target), ok);
    if (ok) {
        QCOMPARE(readAll(target), QByteArray("hello"));
        QVERIFY(Messages::recorded().isEmpty());
        QVERIFY(FormPrefs->isVisible());
    } else {
        QCOMPARE(Messages::recorded(), QStringList{kFailed});
        QVERIFY(!FormPrefs->isVisible());   // hidden before the message
        // A failed fetch over an existing file leaves that file as it was.
        QVERIFY(!FormPrefs->DownloadFile(url, existing));
        QCOMPARE(readAll(existing), QByteArray("precious"));
    }
    FormPrefs->hide();
}

void TestDownload::sameTargetTwice()
{
    const QString target = m_root->file(QStringLiteral("tmp/twice.txt"));
    QVERIFY(FormPrefs->DownloadFile(m_server.base() + QStringLiteral("/v1"), target));
    QVERIFY(FormPrefs->DownloadFile(m_server.base() + QStringLiteral("/v2"), target));
    QCOMPARE(readAll(target), QByteArray("second"));   // replaced whole, no tail of the first
}

void TestDownload::largeBody()
{
    QByteArray big(3 * 1024 * 1024, 'x');
    for (int i = 0; i < big.size(); i += 4096)
        big[i] = char('a' + (i / 4096) % 26);
    m_server.set(QStringLiteral("/big"), 200, big);
    const QString target = m_root->file(QStringLiteral("tmp/big.bin"));
    QVERIFY(FormPrefs->DownloadFile(m_server.base() + QStringLiteral("/big"), target));
    QCOMPARE(readAll(target), big);
}

QTEST_MAIN(TestDownload)
#include "tst_download.moc"
