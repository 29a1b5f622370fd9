#include "app/form1.h"

#include "app/appstate.h"
#include "app/formmessages.h"
#include "app/forms.h"
#include "app/formsplash.h"
#include "app/formwarning.h"
#include "carddb/formdb.h"
#include "carddb/mana.h"
#include "carddb/manaimages.h"
#include "carddb/setfile.h"
#include "collections/formcollectie.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "details/formfoto.h"
#include "update/download.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vellum Trove"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x10, 0x10, 0x12));
    setPalette(pal);

    ImageBackGround = new QLabel(this);
    ImageBackGround->setObjectName(QStringLiteral("ImageBackGround"));
    ImageBackGround->setScaledContents(true);
    ImageBackGround->setEnabled(false);
    ImageBackGround->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto icon = [this](const QString &name, int w, int h) {
        auto *l = new QLabel(this);
        l->setObjectName(name);
        l->resize(w, h);
        l->setScaledContents(true);
        l->setCursor(Qt::PointingHandCursor);
        l->hide();
        return l;
    };
    CloseButton = icon(QStringLiteral("CloseButton"), 28, 28);
    CloseButton->show();
    IcoonPrefs = icon(QStringLiteral("IcoonPrefs"), 46, 46);
    IcoonPrefs->show();
    IcoonCollectie = icon(QStringLiteral("IcoonCollectie"), 46, 46);
    Icoondb = icon(QStringLiteral("Icoondb"), 46, 46);
    IcoonDecks = icon(QStringLiteral("IcoonDecks"), 46, 46);
    IcoonFoto = icon(QStringLiteral("IcoonFoto"), 46, 58);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));

    setupWindowHandling();
}

TForm1::~TForm1()
{
    delete m_printDialog;
    delete m_printer;
}

void TForm1::FormCreate()
{
    AppState &a = App();
    a = AppState();
    Cards().reset();
    a.FirstStart = true;
    a.Thema = QStringLiteral("Black");
    a.FontSize = 18;

    if (QScreen *s = QGuiApplication::primaryScreen())
        setGeometry(s->geometry());
    setWindowState(Qt::WindowMaximized);

    const StartupOverrides &o = Overrides();
    a.Arguments = o.useArguments ? o.arguments : QCoreApplication::arguments();
    a.StartDir = !o.startDir.isEmpty() ? o.startDir : QCoreApplication::applicationDirPath();
    QString temp = !o.tempDir.isEmpty() ? o.tempDir : QDir::tempPath();
    if (temp.endsWith(QLatin1Char('/')) || temp.endsWith(QLatin1Char('\\')))
        temp.chop(1);
    a.TempDir = temp;
    QDir().mkdir(a.StartDir + QStringLiteral("/Images/Cache"));
}

void TForm1::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        QTimer::singleShot(0, this, [this] {
            // Showing the main window from inside the start-up (backdrop
            // mode) must not start it a second time.
            if (!m_closing && !m_inFirstShow)
                FormShow();
        });
}

void TForm1::FormShow()
{
    if (App().FirstStart) {
        m_inFirstShow = true;
        startupFirstShow();
        m_inFirstShow = false;
        if (m_startupFailed)
            return;
    }
    AppState &a = App();
    ProcessMessages();
    if (!a.FormDBVisible && !a.FormFotoVisible && !a.FormCollectieVisible && !a.FormDecksVisible)
        FormDB->show();
    a.FirstStart = false;
    if (FormCollectie->x() > width())
        FormCollectie->move(10, FormCollectie->y());
    if (FormCollectie->y() > height())
        FormCollectie->move(FormCollectie->x(), 10);
    if (FormCollectie->width() < 60)
        FormCollectie->resize(60, FormCollectie->height());
    if (FormCollectie->height() < 60)
        FormCollectie->resize(FormCollectie->width(), 60);
}

void TForm1::startupFirstShow()
{
    AppState &a = App();
    FormSplash->LabelVersion->setText(ProgramVersion);

    // Default places of the tool windows.
    QRect screen(0, 0, 1920, 1080);
    if (QScreen *s = QGuiApplication::primaryScreen())
        screen = s->geometry();
    const int W = screen.width(), H = screen.height();
    FormFoto->move(10, 10);
    // H / 2 taken to the nearest integer, a half going to the even neighbour.
    const int halfH = (H % 2 == 0) ? H / 2 : ((H / 2) % 2 == 0 ? H / 2 : H / 2 + 1);
    FormDB->setGeometry(FormFoto->width() + 25, 10, W - FormFoto->width() - 100, halfH - 40);
    FormCollectie->setGeometry(FormDB->x(), FormDB->height() + 30, FormDB->width(), FormDB->height() - 20);

    a.FormDecksVisible = false;
    a.FormCollectieVisible = false;
    a.FormDBVisible = true;
    a.FormFotoVisible = true;
    a.Slash = QLatin1Char('/');

    // Per-user folder.
    const QString home = QString::fromLocal8Bit(qgetenv("HOME"));
    if (!home.isEmpty() && QFileInfo(home).isDir())
        a.ConfigDir = home + QStringLiteral("/.Tallyrun");
    else
        a.ConfigDir = a.StartDir;
    if (!QFileInfo(a.ConfigDir).isDir() && !QDir().mkdir(a.ConfigDir)) {
        ShowMeWarning(QStringLiteral("Vellum Trove cannot start"),
                      QStringLiteral("The settings folder %1 cannot be created.").arg(a.ConfigDir),
                      QStringLiteral(" "), QStringLiteral("OK"), false, true);
        m_startupFailed = true;
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }

    // Command line.
    const QString arg1 = a.Arguments.value(1);
    const QString arg2 = a.Arguments.value(2);
    const QString iniFile = a.ConfigDir + QStringLiteral("/vellumtrove.ini");
    if (arg1 == QLatin1String("-updated")) {
        if (arg2 == ProgramVersion) {
            Messages::information(QStringLiteral("Vellum Trove"), QStringLiteral("NEW VERSION INSTALLED"));
            const QString programFile = QFileInfo(a.Arguments.value(0)).fileName();
            if (!programFile.isEmpty())
                QFile::remove(a.TempDir + QLatin1Char('/') + programFile);
            QFile::remove(a.TempDir + QStringLiteral("/update.sh"));
        } else {
            Messages::information(QStringLiteral("Vellum Trove"), QStringLiteral("UPDATE FAILED"));
        }
    }
    if (arg1 == QLatin1String("-eraseconfig") && QFile::exists(iniFile))
        QFile::remove(iniFile);
    if (arg1 == QLatin1String("-help") || arg1 == QLatin1String("-?"))
        Messages::information(
            QStringLiteral("Vellum Trove"),
            QStringLiteral("Parameters:\r\r'-?' or '-help': This message\r'-eraseconfig': Erases the configuration "
                           "file.  This can help when the application doesn't run properly."));

    if (QFile::exists(iniFile))
        ReadConfig();

    // Mana icons.
    const QString M = a.StartDir + QStringLiteral("/Images/mana/");
    if (!QFile::exists(M + QStringLiteral("GU.png")))
        ShowMeWarning(QStringLiteral("Installing new ICONS"),
                      QStringLiteral("Missing Icons found. These Icons will be loaded from the internet.\rIf you "
                                     "have no connecting to the internet, this will fail and you will get errors "
                                     "running this application."),
                      QStringLiteral(" "), QStringLiteral("OK"), false, true);
    FormSplash->centreOnScreen();
    FormSplash->show();
    if (!QFile::exists(M + QStringLiteral("GU.png"))) {
        QDir().mkpath(M);
        for (const QString &c : Mana::downloadedCodes()) {
            FormSplash->setProgress(QStringLiteral("Downloading ") + c + QStringLiteral(" ..."));
            FormPrefs->DownloadFile(Urls::updateFile(QStringLiteral("mana/") + c + QStringLiteral(".bmp")),
                                    M + c + QStringLiteral(".bmp"));
            FormPrefs->DownloadFile(Urls::updateFile(QStringLiteral("mana/") + c + QStringLiteral(".png")),
                                    M + c + QStringLiteral(".png"));
        }
    }

    FormSplash->setProgress(QStringLiteral("Loading icons ..."));
    if (!loadManaImages())
        return;

    // Theme list.
    const QString themes = a.StartDir + QStringLiteral("/Theme/themes");
    QFile tf(themes);
    if (tf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QStringList names;
        for (const QByteArray &line : tf.readAll().split('\n')) {
            const QString n = QString::fromUtf8(line).trimmed();
            if (!n.isEmpty())
                names << n;
        }
        FormPrefs->Combo_Themes->clear();
        FormPrefs->Combo_Themes->addItems(names);
    }
    if (a.Thema.isEmpty())
        a.Thema = QStringLiteral("Black");
    FormPrefs->Combo_Themes->setCurrentText(a.Thema);

    KaartenLaden();

    // Set search list: "Selected", "All", then the sets read.
    FormDB->CB_SetSearch->insertItem(0, QStringLiteral("All"));
    FormDB->CB_SetSearch->insertItem(0, QStringLiteral("Selected"));
    FormDB->CB_SetSearch->setCurrentIndex(0);

    Ladensets();

    fillCollectionTree();
    FormSplash->setProgress(QStringLiteral("Loading Decks ..."));
    fillDeckTree();
    FormSplash->hide();

    LaadThema();

    struct Pair { QWidget *w; QLabel *icon; bool visible; };
    const Pair pairs[] = {{FormFoto, IcoonFoto, a.FormFotoVisible}, {FormDB, Icoondb, a.FormDBVisible},
                          {FormCollectie, IcoonCollectie, a.FormCollectieVisible},
                          {FormDecks, IcoonDecks, a.FormDecksVisible}};
    for (const Pair &p : pairs) {
        p.w->setVisible(p.visible);
        p.icon->setVisible(!p.visible);
    }

    if (QTreeWidgetItem *first = FormDecks->TreeView1->topLevelItem(0))
        FormDecks->TreeView1->setCurrentItem(first);

    if (!m_setFileProblems.isEmpty())
        ShowMeWarning(QStringLiteral("Some card sets could not be read"), m_setFileProblems.join(QLatin1Char('\r')),
                      QStringLiteral(" "), QStringLiteral("OK"), false, true);
}

bool TForm1::loadManaImages()
{
    const QStringList bad = LoadManaImages(App().StartDir + QStringLiteral("/Images/mana/"));
    if (bad.isEmpty())
        return true;
    FormSplash->hide();
    ShowMeWarning(QStringLiteral("Missing mana symbol pictures"),
                  QStringLiteral("These pictures in Images/mana are missing or unreadable: %1.\rVellum Trove "
                                 "cannot draw mana costs without them and will close.")
                      .arg(bad.join(QStringLiteral(", "))),
                  QStringLiteral(" "), QStringLiteral("OK"), false, true);
    m_startupFailed = true;
    QTimer::singleShot(0, this, &QWidget::close);
    return false;
}

// The set search list is kept sorted while the sets are added.
static void addToSetSearch(const QString &edition)
{
    QComboBox *list = FormDB->CB_SetSearch;
    int pos = 0;
    while (pos < list->count() && list->itemText(pos) < edition)
        ++pos;
    list->insertItem(pos, edition);
}

void TForm1::KaartenLaden()
{
    CardState &c = Cards();
    QStringList editions;
    const auto entries = SetFile::readCatalogue(
        App().StartDir + QStringLiteral("/MagicDB"), c.Kaarten, c.Kaart,
        [](const QString &fileForm) { FormSplash->setProgress(QStringLiteral("Loading ") + fileForm + QStringLiteral(" ...")); });
    m_setFileProblems.clear();
    for (const auto &e : entries) {
        if (!e.result.ok)
            m_setFileProblems << e.result.error;
        if (!e.result.lastEdition.isEmpty())
            editions << e.result.lastEdition;
    }
    for (const QString &ed : editions)
        addToSetSearch(ed);
}

void TForm1::AddToKaarten(const QString &fileForm)
{
    CardState &c = Cards();
    const QString path = App().StartDir + QStringLiteral("/MagicDB/") + fileForm + QStringLiteral(".xml");
    if (!QFileInfo::exists(path))
        return;
    FormSplash->setProgress(QStringLiteral("Loading ") + fileForm + QStringLiteral(" ..."));
    const SetFile::ReadResult r = SetFile::readFile(path, c.Kaarten, c.Kaart);
    if (!r.ok)
        m_setFileProblems << r.error;
    if (!r.lastEdition.isEmpty())
        addToSetSearch(r.lastEdition);
}

QString TForm1::RemoveXMLtags(const QString &text)
{
    return SetFile::RemoveXMLtags(text);
}

void TForm1::fillCollectionTree()
{
    AppState &a = App();
    QTreeWidget *tree = FormCollectie->TreeView1;
    tree->clear();
    a.AantalVerzamelingen = 0;
    const QStringList files = QDir(a.StartDir + QStringLiteral("/Collections"))
                                  .entryList({QStringLiteral("*.mgc")}, QDir::Files, QDir::Name);
    for (const QString &f : files) {
        QString name = f;
        name.remove(name.indexOf(QLatin1String(".mgc")), 4);
        ++a.AantalVerzamelingen;
        auto *top = new QTreeWidgetItem(QStringList(name));
        auto *color = new QTreeWidgetItem(top, QStringList(QStringLiteral("Color")));
        for (const char *c : {"Black", "Blue", "Green", "Red", "White", "Multi Color", "Colorless"})
            new QTreeWidgetItem(color, QStringList(QString::fromLatin1(c)));
        tree->addTopLevelItem(top);
    }
    if (a.AantalVerzamelingen > 0)
        tree->setCurrentItem(tree->topLevelItem(0));
}

void TForm1::fillDeckTree()
{
    const QString root = App().StartDir + QStringLiteral("/Decks/");
    QTreeWidget *tree = FormDecks->TreeView1;
    auto add = [&](const QString &folder, QTreeWidgetItem *parent) {
        const QStringList files = QDir(root + folder).entryList({QStringLiteral("*.dec")}, QDir::Files, QDir::Name);
        QTreeWidgetItem *first = nullptr;
        for (const QString &f : files) {
            QString name = f;
            name.remove(name.indexOf(QLatin1String(".dec")), 4);
            auto *item = new QTreeWidgetItem(parent, QStringList(name));
            if (!first)
                first = item;
        }
        return first;
    };
    if (tree->topLevelItemCount() < 3)
        return;
    if (QTreeWidgetItem *first = add(QStringLiteral("Added"), tree->topLevelItem(0))) {
        tree->clearSelection();
        tree->setCurrentItem(first);
    }
    const auto boxed = tree->findItems(QStringLiteral("Boxed Decks"), Qt::MatchExactly | Qt::MatchRecursive);
    if (!boxed.isEmpty())
        add(QStringLiteral("Boxed"), boxed.first());
    add(QStringLiteral("Pre"), tree->topLevelItem(tree->topLevelItemCount() - 1));
}

void TForm1::ShowMeWarning(const QString &title, const QString &text, const QString &caption1,
                           const QString &caption2, bool visible1, bool visible2)
{
    TFormWarning *w = FormWarning;
    w->LabelInfo->setText(title);
    QString shown = text;
    w->LabelWarning->setText(shown);
    w->ButtonYes->setText(caption1);
    w->ButtonNo->setText(caption2);
    w->ButtonYes->setVisible(visible1);
    w->ButtonNo->setVisible(visible2);
    if (w->answerFromSeam())
        return;
    w->LabelInfo->setText(title.trimmed().replace(QLatin1Char('\r'), QLatin1Char('\n')));
    w->LabelWarning->setText(shown.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (QScreen *s = QGuiApplication::primaryScreen())
        w->move(s->geometry().center() - QPoint(w->width() / 2, w->height() / 2));
    w->exec();
}

void TForm1::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    ImageBackGround->setGeometry(rect());
    layoutIcons();
}

void TForm1::layoutIcons()
{
    CloseButton->move(width() - 6 - 28, 4);
    const int bottom = height() - 4;
    IcoonPrefs->move(43, bottom - 46);
    IcoonCollectie->move(IcoonPrefs->x() + 46 + 4, bottom - 46);
    Icoondb->move(IcoonCollectie->x() + 46 + 4, bottom - 46);
    IcoonDecks->move(Icoondb->x() + 46 + 4, bottom - 46);
    IcoonFoto->move(IcoonDecks->x() + 46 + 4, bottom - 58);
}

void TForm1::closeEvent(QCloseEvent *e)
{
    m_closing = true;
    if (!m_startupFailed) {
        ++m_saveConfigCount;
        SaveConfig();
    }
    e->accept();
    QCoreApplication::quit();
}
