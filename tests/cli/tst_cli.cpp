// The command-line companion, run as a separate program.

#include "support/appfixture.h"

#include <QProcess>
#include <QtTest>

namespace {
struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VT_CLI_PATH), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QStringList card(const QString &id, const QString &name, const QString &edition)
{
    return {id, name, QStringLiteral("{W}"), QStringLiteral("Instant"), QString(), QString(), edition,
            QStringLiteral("Common"), QStringLiteral("Text"), QString(), QStringLiteral("0.10")};
}
} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void catalogue();
    void badInput_data();
    void badInput();
};

void TestCli::catalogue()
{
    TestDataRoot root;
    root.addSet(QStringLiteral("Mirage"), {card("1", "A", "Mirage"), card("2", "B", "Mirage")});
    root.addSet(QStringLiteral("Urza_s_Saga"), {card("3", "C", "Urza&apos;s Saga")});
    root.addSet(QStringLiteral("Coldsnap"), {});
    const Run r = cli({QStringLiteral("catalogue"), root.path()});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("Coldsnap\tColdsnap\t0\n"
                                   "Mirage\tMirage\t2\n"
                                   "Urza's Saga\tUrza_s_Saga\t1\n"
                                   "total\t3\n"));
}

void TestCli::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << QStringList{"catalogue", "/no/such/root"} << "no card data folder";
    QTest::newRow("no command") << QStringList{} << "usage";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "usage";
}

void TestCli::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run r = cli(args);
    QVERIFY(r.code != 0);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
