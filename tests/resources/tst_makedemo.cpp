// The demo data root generator: what it lays out must be readable by the
// program's own readers, complete, repeatable, and must leave user data alone.

#include "carddb/card.h"
#include "carddb/mana.h"
#include "carddb/setfile.h"
#include "carddb/setlist.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestMakeDemo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogueReadsBack();
    void symbolPictures_data();
    void symbolPictures();
    void themesAreComplete();
    void sampleFilesReferToCatalogue();
    void userDataIsKeptAndOutputRepeats();

private:
    QString generator() const;
    bool run(const QString &root);
    static QByteArray digestOf(const QString &dir);

    QTemporaryDir m_dir;
    QString m_root;
    CardTable m_table;
    QByteArray m_userCollection;   // written before the first run
};

QString TestMakeDemo::generator() const
{
    const QString env = qEnvironmentVariable("VT_MAKEDEMO");
    if (!env.isEmpty())
        return env;
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString &p : {here + "/vt-makedemo", here + "/../bin/vt-makedemo"}) {
        if (QFileInfo(p).isExecutable())
            return p;
    }
    return QString();
}

bool TestMakeDemo::run(const QString &root)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(generator(), {root});
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray TestMakeDemo::digestOf(const QString &dir)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    QStringList files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    for (const QString &f : files) {
        QFile file(f);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        h.addData(QDir(dir).relativeFilePath(f).toUtf8());
        h.addData(file.readAll());
    }
    return h.result();
}

void TestMakeDemo::initTestCase()
{
    if (generator().isEmpty())
        QSKIP("vt-makedemo is not built (set VT_MAKEDEMO to its path)");
    QVERIFY(m_dir.isValid());
    m_root = m_dir.filePath("root");

    // A collection the user already has under the sample's name.
    QVERIFY(QDir().mkpath(m_root + "/Collections"));
    m_userCollection = "VellumTrove\n#Fileversion 0.02\n\n[999999999\n7\nMy own card\n";
    QFile f(m_root + "/Collections/Sample Collection.mgc");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(m_userCollection);
    f.close();

    QVERIFY(run(m_root));
    TKaart current;
    SetFile::readCatalogue(m_root + "/MagicDB", m_table, current);
}

void TestMakeDemo::catalogueReadsBack()
{
    TKaart current;
    CardTable table;
    const auto entries = SetFile::readCatalogue(m_root + "/MagicDB", table, current);
    QCOMPARE(int(entries.size()), SetList::count());

    QHash<QString, int> cardsPerEdition;
    QSet<QString> ids;
    QSet<QString> names;
    int reprinted = 0;
    for (const TKaart &k : table) {
        cardsPerEdition[k.Edition]++;
        QVERIFY2(!k.Id.isEmpty() && QRegularExpression("^[0-9]+$").match(k.Id).hasMatch(), qPrintable(k.Id));
        QVERIFY2(!ids.contains(k.Id), qPrintable("duplicate id " + k.Id));
        ids.insert(k.Id);
        if (names.contains(k.Name))
            ++reprinted;
        names.insert(k.Name);
    }
    // Every set file is found and every card in it carries the set's display
    // form (after the entity replacement), so listing by set finds them all.
    for (const auto &e : entries) {
        QVERIFY2(e.result.found && e.result.ok, qPrintable(e.fileForm));
        QVERIFY2(e.result.cards > 0, qPrintable(e.fileForm));
        QCOMPARE(cardsPerEdition.value(e.displayForm), e.result.cards);
    }
    // More cards than the old fixed tables held, and real reprints.
    QVERIFY(table.count() > 20000);
    QVERIFY(reprinted > 1000);
}

void TestMakeDemo::symbolPictures_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < Mana::SymbolCount; ++i)
        QTest::newRow(qPrintable(Mana::symbolOfIndex(i))) << i;
}

void TestMakeDemo::symbolPictures()
{
    QFETCH(int, index);
    const QString dir = m_root + "/Images/mana/";
    const QImage bmp(dir + Mana::bitmapFileOfIndex(index));
    const QImage png(dir + Mana::codeOfIndex(index) + ".png");
    QVERIFY(!bmp.isNull());
    QVERIFY(!png.isNull());
    QCOMPARE(png.size(), bmp.size());
    // round symbols: clear corners in the PNG, a drawn centre
    QCOMPARE(qAlpha(png.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(png.pixel(png.width() / 2, png.height() / 2)), 255);

    // and some sample card shows it
    bool used = false;
    const QString symbol = Mana::symbolOfIndex(index);
    for (const TKaart &k : m_table) {
        if (!k.Cost.isEmpty() && Mana::splitCost(k.Cost).contains(symbol)) {
            used = true;
            break;
        }
    }
    QVERIFY(used);
}

void TestMakeDemo::themesAreComplete()
{
    QFile list(m_root + "/Theme/themes");
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QStringList themes = QString::fromUtf8(list.readAll()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(themes.contains("Black"));
    QVERIFY(themes.size() >= 2);
    const char *files[] = {"background.jpg", "close.png", "minimize.png", "preferences.png", "collection.png",
                           "database.png", "deck.png", "popupmenu.png", "printer.png", "backdrop.jpg"};
    for (const QString &t : themes) {
        for (const char *f : files)
            QVERIFY2(!QImage(m_root + "/Theme/" + t + "/" + f).isNull(), qPrintable(t + "/" + f));
    }
    QVERIFY(!QImage(m_root + "/Images/Cards/Card0.jpg").isNull());
    QVERIFY(QFileInfo(m_root + "/Images/Cache").isDir());
}

void TestMakeDemo::sampleFilesReferToCatalogue()
{
    // Sample decks name catalogue cards; the supplied decks take every line
    // as a card line, so they hold no empty lines.
    int decks = 0;
    for (const QString &group : {QString("Added"), QString("Boxed"), QString("Pre")}) {
        const QDir dir(m_root + "/Decks/" + group);
        const QStringList files = dir.entryList({"*.dec"}, QDir::Files);
        QVERIFY2(!files.isEmpty(), qPrintable(group));
        for (const QString &name : files) {
            ++decks;
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
            QCOMPARE(lines.takeLast(), QString());   // the last line ends with a line feed
            for (int i = 2; i < lines.size(); ++i) {
                QString l = lines.at(i);
                if (l.startsWith("SB;"))
                    l = l.mid(3);
                const int semi = l.indexOf(';');
                QVERIFY2(semi > 0, qPrintable(name + ": " + lines.at(i)));
                bool ok = false;
                QVERIFY(l.left(semi).toInt(&ok) > 0 && ok);
                QVERIFY2(m_table.lastWithName(l.mid(semi + 1)) > 0, qPrintable(name + ": " + lines.at(i)));
            }
        }
    }
    QVERIFY(decks >= 3);
}

void TestMakeDemo::userDataIsKeptAndOutputRepeats()
{
    QFile f(m_root + "/Collections/Sample Collection.mgc");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), m_userCollection);
    f.close();

    // A second run into a fresh folder writes the very same files, and
    // a rerun over an existing root keeps decks the user changed.
    const QString other = m_dir.filePath("other");
    QVERIFY(run(other));
    QCOMPARE(digestOf(other + "/MagicDB"), digestOf(m_root + "/MagicDB"));
    QCOMPARE(digestOf(other + "/Decks"), digestOf(m_root + "/Decks"));

    QFile collection(other + "/Collections/Sample Collection.mgc");
    QVERIFY(collection.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(collection.readAll()).split('\n');
    int records = 0;
    for (const QString &l : lines) {
        if (l.startsWith('[')) {
            ++records;
            QVERIFY2(m_table.firstWithId(l.mid(1)) > 0, qPrintable(l));
        }
    }
    QVERIFY(records > 0);

    const QString deck = other + "/Decks/Added/Thornwood Rush.dec";
    QFile d(deck);
    QVERIFY(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
    d.write("VellumTrove Deck\n#Fileversion 0.02\n1;changed\n");
    d.close();
    QVERIFY(run(other));
    QVERIFY(d.open(QIODevice::ReadOnly));
    QCOMPARE(d.readAll(), QByteArray("VellumTrove Deck\n#Fileversion 0.02\n1;changed\n"));
}

QTEST_GUILESS_MAIN(TestMakeDemo)
#include "tst_makedemo.moc"
