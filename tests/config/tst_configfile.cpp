// The settings file on its own: layout, the three Boolean encodings, the
// line 8 and line 28 rules, the marker search, old and damaged files, and
// writes that fail.

#include "config/configfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using ConfigFile::Settings;

namespace {

// A settings record in which every value differs from the defaults.
Settings changed()
{
    Settings s;
    s.Thema = QStringLiteral("Blue Velvet");
    s.UseDialog = true;
    s.FormFotoVisible = false;
    s.FormDBVisible = false;
    s.FormCollectieVisible = true;
    s.FormDecksVisible = true;
    s.FontSize = 23;
    s.FotoTop = -40;
    s.FotoLeft = -1200;
    s.DBHeight = 333;
    s.DBWidth = 777;
    s.DBTop = -5;
    s.DBLeft = 1930;
    for (int i = 0; i < 12; ++i)
        s.DBColumns[i] = 200 + i;
    s.CollectieHeight = 211;
    s.CollectieWidth = 612;
    s.CollectieTop = -77;
    s.CollectieLeft = 3;
    for (int i = 0; i < 11; ++i)
        s.CollectieColumns[i] = 300 + i;
    s.DecksHeight = 401;
    s.DecksWidth = 901;
    s.DecksTop = -1;
    s.DecksLeft = -2;
    for (int i = 0; i < 5; ++i) {
        s.DeckColumns[i] = 400 + i;
        s.SideBoardColumns[i] = 500 + i;
    }
    for (int i = 0; i < ConfigFile::SetLineCount; ++i)
        s.Sets[i] = (i % 3 == 1);
    return s;
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> l = bytes.split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray b;
    for (const QByteArray &l : lines)
        b += l + '\n';
    return b;
}

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void roundTrip();
    void line28_data();
    void line28();
    void fontSizeLine_data();
    void fontSizeLine();
    void flagLines_data();
    void flagLines();
    void setLines_data();
    void setLines();
    void extraLinesBeforeMarker();
    void oldVersion_data();
    void oldVersion();
    void damaged_data();
    void damaged();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
};

void TestConfigFile::layout()
{
    const QList<QByteArray> l = linesOf(ConfigFile::format(changed()));
    QCOMPARE(l.size(), 161);
    QCOMPARE(l[0], QByteArray("0.07"));
    QCOMPARE(l[1], QByteArray("Blue Velvet"));
    QCOMPARE(l.mid(2, 5), (QList<QByteArray>{"1", "0", "0", "1", "1"}));
    QCOMPARE(l[7], QByteArray("23"));
    QCOMPARE(l[8], QByteArray("0"));
    QCOMPARE(l[9], QByteArray("0"));
    QCOMPARE(l.mid(10, 6), (QList<QByteArray>{"-40", "-1200", "333", "777", "-5", "1930"}));
    QCOMPARE(l[16], QByteArray("200"));    // line 17: column 0
    QCOMPARE(l[27], QByteArray("211"));    // line 28: column 11
    QCOMPARE(l[28], QByteArray("0"));      // line 29
    QCOMPARE(l[29], QByteArray("211"));    // line 30: collection height
    QCOMPARE(l[33], QByteArray("300"));    // line 34
    QCOMPARE(l[44], QByteArray("401"));    // line 45: decks height
    QCOMPARE(l[48], QByteArray("400"));    // line 49
    QCOMPARE(l[53], QByteArray("500"));    // line 54
    QCOMPARE(l[57], QByteArray("504"));    // line 58
    QCOMPARE(l[58], QByteArray(""));
    QCOMPARE(l[59], QByteArray("[Sets]"));
    QCOMPARE(l[60], QByteArray("0"));
    QCOMPARE(l[61], QByteArray("-1"));
    // The set lines follow the file's own order, with Vanguard last.
    QCOMPARE(ConfigFile::setLineBoxNames().size(), 101);
    QCOMPARE(ConfigFile::setLineBoxNames().last(), QStringLiteral("CB_Vanguard"));
    QVERIFY(!ConfigFile::setLineBoxNames().contains(QStringLiteral("CB_Magic__The_Gathering_Commander")));
}

void TestConfigFile::roundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vellumtrove.ini"));
    const Settings s = changed();
    QCOMPARE(ConfigFile::write(path, s), QString());
    const ConfigFile::ReadResult r = ConfigFile::read(path, Settings());
    QVERIFY(!r.oldVersion);
    QVERIFY2(!r.damaged, qPrintable(r.problems.join(QLatin1Char('\n'))));
    QVERIFY(r.settings == s);
    // Writing what was read gives the same bytes.
    QCOMPARE(ConfigFile::format(r.settings), ConfigFile::format(s));
}

void TestConfigFile::line28_data()
{
    QTest::addColumn<bool>("illustrator");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<int>("readBack");
    QTest::newRow("box checked") << true << 150 << QByteArray("150") << 150;
    QTest::newRow("box unchecked") << false << 150 << QByteArray("20") << 20;
    QTest::newRow("checked, column at 0") << true << 0 << QByteArray("0") << 20;
}

void TestConfigFile::line28()
{
    QFETCH(bool, illustrator);
    QFETCH(int, width);
    QFETCH(QByteArray, written);
    QFETCH(int, readBack);
    Settings s = changed();
    s.Illustrator = illustrator;
    s.DBColumns[11] = width;
    s.DBColumns[10] = 0;   // a "0" on any other width line stays 0
    const QByteArray bytes = ConfigFile::format(s);
    QCOMPARE(linesOf(bytes)[27], written);
    const ConfigFile::ReadResult r = ConfigFile::parse(bytes, Settings());
    QVERIFY(!r.damaged);
    QCOMPARE(r.settings.DBColumns[11], readBack);
    QCOMPARE(r.settings.DBColumns[10], 0);
}

void TestConfigFile::fontSizeLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("value") << QByteArray("12") << 12 << false;
    QTest::newRow("0 keeps the current size") << QByteArray("0") << 21 << false;
    QTest::newRow("garbage keeps it") << QByteArray("big") << 21 << true;
    QTest::newRow("negative keeps it") << QByteArray("-3") << 21 << true;
}

void TestConfigFile::fontSizeLine()
{
    QFETCH(QByteArray, line);
    QFETCH(int, fontSize);
    QFETCH(bool, damaged);
    QList<QByteArray> l = linesOf(ConfigFile::format(changed()));
    l[7] = line;
    Settings current;
    current.FontSize = 21;
    const ConfigFile::ReadResult r = ConfigFile::parse(joined(l), current);
    QCOMPARE(r.settings.FontSize, fontSize);
    QCOMPARE(r.damaged, damaged);
    if (damaged)
        QVERIFY(r.problems.join(QString()).contains(QStringLiteral("line 8")));
    // The lines around it are not disturbed.
    QCOMPARE(r.settings.FormDecksVisible, true);
    QCOMPARE(r.settings.FotoTop, -40);
}

void TestConfigFile::flagLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("value");
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("yes") << QByteArray("yes") << true;
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("-1") << QByteArray("-1") << true;
}

void TestConfigFile::flagLines()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, value);
    QList<QByteArray> l = linesOf(ConfigFile::format(Settings()));
    for (int i = 2; i <= 6; ++i)   // lines 3 to 7
        l[i] = line;
    const ConfigFile::ReadResult r = ConfigFile::parse(joined(l), Settings());
    QVERIFY(!r.damaged);
    QCOMPARE(r.settings.UseDialog, value);
    QCOMPARE(r.settings.FormFotoVisible, value);
    QCOMPARE(r.settings.FormDBVisible, value);
    QCOMPARE(r.settings.FormCollectieVisible, value);
    QCOMPARE(r.settings.FormDecksVisible, value);
}

void TestConfigFile::setLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("value");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("TRUE") << QByteArray("TRUE") << false << true << false;
    QTest::newRow("true") << QByteArray("true") << false << true << false;
    QTest::newRow("TrUe") << QByteArray("TrUe") << false << true << false;
    QTest::newRow("1") << QByteArray("1") << false << true << false;
    QTest::newRow("-1") << QByteArray("-1") << false << true << false;
    QTest::newRow("2") << QByteArray("2") << false << true << false;
    QTest::newRow("0") << QByteArray("0") << true << false << false;
    QTest::newRow("false") << QByteArray("false") << true << false << false;
    QTest::newRow("FALSE") << QByteArray("FALSE") << true << false << false;
    QTest::newRow("garbage keeps checked") << QByteArray("maybe") << true << true << true;
    QTest::newRow("garbage keeps unchecked") << QByteArray("maybe") << false << false << true;
    QTest::newRow("empty keeps") << QByteArray("") << true << true << true;
}

void TestConfigFile::setLines()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, start);
    QFETCH(bool, value);
    QFETCH(bool, damaged);
    QList<QByteArray> l = linesOf(ConfigFile::format(Settings()));
    // Lines 61, 100 and 161: the first, a middle and the last set line.
    for (int i : {60, 99, 160})
        l[i] = line;
    Settings current;
    for (int i : {0, 39, 100})
        current.Sets[i] = start;
    const ConfigFile::ReadResult r = ConfigFile::parse(joined(l), current);
    QCOMPARE(r.damaged, damaged);
    for (int i : {0, 39, 100})
        QCOMPARE(r.settings.Sets[i], value);
    // The other set lines are read as written.
    QCOMPARE(r.settings.Sets[1], true);
    QCOMPARE(r.settings.Sets[14], false);
    if (damaged) {
        QCOMPARE(r.problems.size(), 3);
        QVERIFY(r.problems[0].contains(QStringLiteral("line 61")));
        QVERIFY(r.problems[2].contains(QStringLiteral("line 161")));
    }
}

void TestConfigFile::extraLinesBeforeMarker()
{
    const Settings s = changed();
    QList<QByteArray> l = linesOf(ConfigFile::format(s));
    // Extra lines after line 58, including a "[Sets] " look-alike and a
    // line that would be a set value.
    l.insert(58, "something new");
    l.insert(58, "[Sets] ");
    l.insert(58, "-1");
    const ConfigFile::ReadResult r = ConfigFile::parse(joined(l), Settings());
    QVERIFY2(!r.damaged, qPrintable(r.problems.join(QLatin1Char('\n'))));
    QVERIFY(r.settings == s);
}

void TestConfigFile::oldVersion_data()
{
    QTest::addColumn<QByteArray>("firstLine");
    QTest::newRow("older version") << QByteArray("0.06");
    QTest::newRow("trailing space") << QByteArray("0.07 ");
    QTest::newRow("empty first line") << QByteArray("");
    QTest::newRow("empty file") << QByteArray();
}

void TestConfigFile::oldVersion()
{
    QFETCH(QByteArray, firstLine);
    QByteArray bytes;
    if (!firstLine.isNull()) {
        QList<QByteArray> l = linesOf(ConfigFile::format(changed()));
        l[0] = firstLine;
        bytes = joined(l);
    }
    const Settings current;
    const ConfigFile::ReadResult r = ConfigFile::parse(bytes, current);
    QVERIFY(r.oldVersion);
    QVERIFY(r.settings == current);
    QCOMPARE(r.settings.Sets, ConfigFile::designedSets());
}

void TestConfigFile::damaged_data()
{
    QTest::addColumn<int>("keepLines");          // lines kept of the written file (0: all)
    QTest::addColumn<QList<int>>("garbageLines"); // 1-based lines replaced by garbage
    QTest::addColumn<bool>("dropMarker");
    QTest::addColumn<QString>("problem");
    QTest::newRow("ends after line 20") << 20 << QList<int>{} << false << QStringLiteral("ends after line 20");
    QTest::newRow("ends after line 1") << 1 << QList<int>{} << false << QStringLiteral("ends after line 1");
    QTest::newRow("ends in the sets") << 100 << QList<int>{} << false << QStringLiteral("ends after line 100");
    QTest::newRow("no marker") << 0 << QList<int>{} << true << QStringLiteral("[Sets]");
    QTest::newRow("garbage lines") << 0 << QList<int>{12, 14, 40, 50} << false << QStringLiteral("line 14");
}

void TestConfigFile::damaged()
{
    QFETCH(int, keepLines);
    QFETCH(QList<int>, garbageLines);
    QFETCH(bool, dropMarker);
    QFETCH(QString, problem);
    const Settings written = changed();
    QList<QByteArray> l = linesOf(ConfigFile::format(written));
    for (int n : garbageLines)
        l[n - 1] = QByteArray("x\x01\xff garbage");
    if (dropMarker)
        l[59] = "Sets";
    if (keepLines > 0)
        l = l.mid(0, keepLines);
    const Settings current;
    const ConfigFile::ReadResult r = ConfigFile::parse(joined(l), current);
    QVERIFY(!r.oldVersion);
    QVERIFY(r.damaged);
    QVERIFY2(r.problems.join(QLatin1Char('\n')).contains(problem), qPrintable(r.problems.join(QLatin1Char('\n'))));

    // Every usable line is applied, the others keep what was in force.
    auto expect = [&](int line, auto got, auto fromFile, auto kept) {
        const bool usable = (keepLines == 0 || line <= keepLines) && !garbageLines.contains(line)
            && !(dropMarker && line > 60);
        if (usable)
            QCOMPARE(got, fromFile);
        else
            QCOMPARE(got, kept);
    };
    expect(2, r.settings.Thema, written.Thema, current.Thema);
    expect(7, r.settings.FormDecksVisible, written.FormDecksVisible, current.FormDecksVisible);
    expect(12, r.settings.FotoLeft, written.FotoLeft, current.FotoLeft);
    expect(14, r.settings.DBWidth, written.DBWidth, current.DBWidth);
    expect(15, r.settings.DBTop, written.DBTop, current.DBTop);
    expect(40, r.settings.CollectieColumns[6], written.CollectieColumns[6], current.CollectieColumns[6]);
    expect(50, r.settings.DeckColumns[1], written.DeckColumns[1], current.DeckColumns[1]);
    expect(58, r.settings.SideBoardColumns[4], written.SideBoardColumns[4], current.SideBoardColumns[4]);
    expect(61, r.settings.Sets[0], written.Sets[0], current.Sets[0]);
    expect(62, r.settings.Sets[1], written.Sets[1], current.Sets[1]);
    expect(100, r.settings.Sets[39], written.Sets[39], current.Sets[39]);
    expect(101, r.settings.Sets[40], written.Sets[40], current.Sets[40]);
    expect(161, r.settings.Sets[100], written.Sets[100], current.Sets[100]);
}

void TestConfigFile::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("parent is a file") << QStringLiteral("parent-file");
    QTest::newRow("target is a folder") << QStringLiteral("target-folder");
}

void TestConfigFile::failedWriteKeepsOldFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path;
    QByteArray before;
    if (kind == QLatin1String("parent-file")) {
        const QString parent = dir.filePath(QStringLiteral("notafolder"));
        QFile f(parent);
        QVERIFY(f.open(QIODevice::WriteOnly));
        before = "an old file in the way\n";
        f.write(before);
        f.close();
        path = parent + QStringLiteral("/vellumtrove.ini");
    } else {
        path = dir.filePath(QStringLiteral("vellumtrove.ini"));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    }
    const QString error = ConfigFile::write(path, changed());
    QVERIFY(!error.isEmpty());
    if (kind == QLatin1String("parent-file")) {
        QFile f(dir.filePath(QStringLiteral("notafolder")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    } else {
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QFileInfo::exists(path + QStringLiteral("/inside")));
    }
    // Nothing was left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
    // Reading a folder is a damaged file, not a crash.
    if (kind == QLatin1String("target-folder")) {
        const ConfigFile::ReadResult r = ConfigFile::read(path, Settings());
        QVERIFY(r.damaged || r.oldVersion);
    }
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
