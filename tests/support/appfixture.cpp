#include "support/appfixture.h"

#include "app/appstate.h"
#include "app/form1.h"
#include "app/formmessages.h"
#include "app/forms.h"
#include "app/formwarning.h"
#include "carddb/mana.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

TestDataRoot::TestDataRoot()
{
    QDir d(m_dir.path());
    for (const char *sub : {"Images/mana", "Images/Cards", "MagicDB", "Collections", "Decks/Added", "Decks/Boxed",
                            "Decks/Pre", "Theme", "home", "tmp"})
        d.mkpath(QString::fromLatin1(sub));
    addTheme(QStringLiteral("Black"), 0);
}

QColor TestDataRoot::themeColor(const QString &file, int variant)
{
    static const QStringList files{"background.jpg", "close.png",    "minimize.png",  "preferences.png", "collection.png",
                                   "database.png",   "deck.png",     "popupmenu.png", "printer.png",     "backdrop.jpg"};
    // Far-apart hues so that a JPEG's small colour shifts never blur two files.
    const int i = files.indexOf(file);
    return QColor::fromHsv((i * 36 + variant * 18) % 360, 255, 120 + 100 * (variant % 2));
}

void TestDataRoot::addTheme(const QString &name, int variant, const QStringList &skip) const
{
    for (const QString &f : {"background.jpg", "close.png", "minimize.png", "preferences.png", "collection.png",
                             "database.png", "deck.png", "popupmenu.png", "printer.png", "backdrop.jpg"}) {
        if (skip.contains(f))
            continue;
        const QString p = file(QStringLiteral("Theme/") + name + QLatin1Char('/') + f);
        QDir().mkpath(p.left(p.lastIndexOf(QLatin1Char('/'))));
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(themeColor(f, variant));
        img.save(p, f.endsWith(QLatin1String(".jpg")) ? "JPG" : "PNG");
    }
    QFile list(file(QStringLiteral("Theme/themes")));
    if (list.open(QIODevice::Append))
        list.write(name.toUtf8() + '\n');
}

void TestDataRoot::write(const QString &rel, const QByteArray &bytes) const
{
    const QString p = file(rel);
    QDir().mkpath(p.left(p.lastIndexOf(QLatin1Char('/'))));
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray TestDataRoot::cardBlock(const QStringList &v)
{
    QByteArray b;
    b += "  <mc>\n";
    b += "    <id>" + v.value(0).toUtf8() + "</id>\n";
    b += "    <name>" + v.value(1).toUtf8() + "</name>\n";
    b += "    <cost>" + v.value(2).toUtf8() + "</cost>\n";
    b += "    <type>" + v.value(3).toUtf8() + "</type>\n";
    b += "    <power>" + v.value(4).toUtf8() + "</power>\n";
    b += "    <toughness>" + v.value(5).toUtf8() + "</toughness>\n";
    b += "    <edition>" + v.value(6).toUtf8() + "</edition>\n";
    b += "    <rarity>" + v.value(7).toUtf8() + "</rarity>\n";
    b += "    <oracleText>" + v.value(8).toUtf8() + "</oracleText>\n";
    if (!v.value(9).isEmpty())
        b += "    <artist>" + v.value(9).toUtf8() + "</artist>\n";
    b += "    <dbprice>" + v.value(10).toUtf8() + "</dbprice>\n";
    b += "  </mc>\n";
    return b;
}

void TestDataRoot::addSet(const QString &fileForm, const QList<QStringList> &cards) const
{
    QByteArray b = "<?xml version=\"1.0\"?>\n<cards>\n";
    for (const QStringList &c : cards)
        b += cardBlock(c);
    b += "</cards>\n";
    write(QStringLiteral("MagicDB/") + fileForm + QStringLiteral(".xml"), b);
}

void TestDataRoot::addManaPictures(const QStringList &skip) const
{
    for (int i = 0; i < Mana::SymbolCount; ++i) {
        const QString code = Mana::codeOfIndex(i);
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(QColor::fromHsv((i * 9) % 360, 160, 220));
        for (const char *ext : {".bmp", ".png"}) {
            const QString name = code + QString::fromLatin1(ext);
            if (!skip.contains(name))
                img.save(file(QStringLiteral("Images/mana/") + name));
        }
    }
}

void TestDataRoot::addPicture(const QString &rel, int w, int h, Qt::GlobalColor color) const
{
    const QString p = file(rel);
    QDir().mkpath(p.left(p.lastIndexOf(QLatin1Char('/'))));
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    img.save(p, "JPG");
}

AppFixture::AppFixture(const TestDataRoot &root, const QStringList &args, bool start)
{
    m_home = root.file(QStringLiteral("home"));
    m_temp = root.file(QStringLiteral("tmp"));
    m_hadHome = qEnvironmentVariableIsSet("HOME");
    m_oldHome = qgetenv("HOME");
    qputenv("HOME", m_home.toUtf8());
    StartupOverrides &o = Overrides();
    o.startDir = root.path();
    o.tempDir = m_temp;
    o.useArguments = true;
    o.arguments = QStringList{root.path() + QStringLiteral("/vellumtrove")} + args;
    Messages::setRecording(true);
    Messages::recorded().clear();
    TFormWarning::setAutoAnswer(true, false);
    TFormWarning::shownMessages().clear();
    CreateAllForms();
    if (start)
        Form1->FormShow();
}

AppFixture::~AppFixture()
{
    DestroyAllForms();
    TFormWarning::setAutoAnswer(false);
    TFormWarning::setNextAnswers({});
    if (m_hadHome)
        qputenv("HOME", m_oldHome);
    else
        qunsetenv("HOME");
    Overrides() = StartupOverrides();
}
