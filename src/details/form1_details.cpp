// Showing a card in the card details window, and opening card pages.

#include "app/appstate.h"
#include "app/form1.h"
#include "app/forms.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "details/carddetails.h"
#include "details/formfoto.h"
#include "update/download.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

namespace {

// The card grids of the database, collection and decks windows, as far as
// they exist.
QList<QWidget *> cardGrids()
{
    QList<QWidget *> grids;
    auto add = [&grids](QWidget *window, const char *name) {
        if (!window)
            return;
        if (auto *g = window->findChild<QWidget *>(QString::fromLatin1(name)))
            grids << g;
    };
    add(FormDB, "StringGrid1");
    add(FormCollectie, "StringGrid1");
    add(FormDecks, "StringGridDeck");
    add(FormDecks, "StringGridSideBoard");
    return grids;
}

// The hourglass over the card grids while a picture is fetched. Nested
// showings (a click handled while a fetch waits) keep it until the outermost
// one is done.
int g_waitDepth = 0;

void beginGridWait()
{
    if (g_waitDepth++ == 0)
        for (QWidget *g : cardGrids())
            g->setCursor(Qt::WaitCursor);
}

void endGridWait()
{
    if (g_waitDepth > 0 && --g_waitDepth == 0)
        for (QWidget *g : cardGrids())
            g->unsetCursor();
}

// Counts the showings started; a showing that finds a later one has begun
// while it waited leaves the window to that later one.
int g_showing = 0;

bool loadPicture(const QString &path, QPixmap &picture)
{
    return QFileInfo::exists(path) && picture.load(path) && !picture.isNull();
}

// The four tool windows stop being kept above other windows, so that the
// browser can come to the front.
void dropStayOnTop()
{
    for (QWidget *w : {static_cast<QWidget *>(FormFoto), static_cast<QWidget *>(FormDB),
                       static_cast<QWidget *>(FormCollectie), static_cast<QWidget *>(FormDecks)}) {
        if (!w || !(w->windowFlags() & Qt::WindowStaysOnTopHint))
            continue;
        const bool visible = w->isVisible();
        w->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        if (visible)
            w->show();
    }
}

void openCardPage(const QString &address)
{
    Form1->BrowseTo(address);
    ProcessMessages();
    dropStayOnTop();
}

} // namespace

void TForm1::ToonKaartDetails(const QString &id)
{
    const int showing = ++g_showing;
    LaadKaart(id);
    // An Id the catalogue does not hold leaves the current card in place, and
    // the window shows that card again, picture included.
    const TKaart card = Cards().Kaart;
    const QString &start = App().StartDir;
    TFormFoto *f = FormFoto;

    for (int k = 1; k <= TFormFoto::ManaCount; ++k)
        f->imageMana(k)->clear();

    f->LabelNameCard->setText(card.Name);
    f->LabelTypeCard->setText(card.CardType);
    f->LabelPower2->setText(card.Power);
    f->LabelThough2->setText(card.Toughness);
    // Rules texts break their lines with carriage returns.
    QString rules = card.OracleText;
    rules.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    f->LabelText->setText(rules);
    f->LabelIllus2->setText(card.Artist);
    f->layoutDetails();

    const bool stretched = card.Edition == QLatin1String("Vanguard");
    QPixmap picture;
    // Only an all-digit Id is ever put into a file name or an address.
    const bool safeId = isSafeCardId(card.Id);
    const QString installed = safeId ? CardDetails::installedPicture(start, card.Id) : QString();
    const QString cached = safeId ? CardDetails::cachedPicture(start, card.Id) : QString();
    bool shown = false;

    if (safeId && loadPicture(installed, picture)) {
        f->setCardPicture(picture, stretched);
        IcoonFoto->setPixmap(picture);
        shown = true;
    } else if (safeId && QFileInfo::exists(cached)) {
        if (loadPicture(cached, picture)) {
            f->setCardPicture(picture, stretched);
            IcoonFoto->setPixmap(picture);
            shown = true;
        } else {
            // Not a picture (a damaged download): fetch it again below.
            QFile::remove(cached);
        }
    }

    if (!shown) {
        beginGridWait();
        f->clearCardPicture();
        ProcessMessages();
        if (showing != g_showing) {
            // Another card was chosen meanwhile and is already shown.
            endGridWait();
            return;
        }
        if (safeId && FormPrefs->CB_LoadImageFromNet->isChecked()) {
            const bool inCache = FormPrefs->CB_StoreImageInCache->isChecked();
            const QString folder = inCache ? start + QStringLiteral("/Images/Cache") : App().TempDir;
            QDir().mkpath(folder);
            const QString target = folder + QStringLiteral("/Card") + card.Id + QStringLiteral(".jpg");
            if (!inCache)
                QFile::remove(target);   // an earlier fetch's copy; fetched again every time
            const bool fetched = FormPrefs->DownloadFile(Urls::gathererImage(card.Id), target);
            if (showing != g_showing) {
                if (fetched && !CardDetails::isReadablePicture(target))
                    QFile::remove(target);
                endGridWait();
                return;
            }
            if (fetched) {
                if (loadPicture(target, picture)) {
                    f->setCardPicture(picture, stretched);
                    shown = true;
                } else {
                    // Whatever the server sent is no picture: never keep it.
                    QFile::remove(target);
                }
            }
        }
        if (!shown) {
            if (loadPicture(CardDetails::placeholderPicture(start), picture))
                f->setCardPicture(picture, stretched);
            else
                f->clearCardPicture();
        }
        endGridWait();
    }
    f->setStretched(stretched);

    const QStringList symbols = CardDetails::manaPictureFiles(start, card.Cost, TFormFoto::ManaCount);
    for (int k = 0; k < symbols.size(); ++k)
        if (!symbols.at(k).isEmpty())
            f->imageMana(k + 1)->setPixmap(QPixmap(symbols.at(k)));

    f->ListBox1->clear();
    f->ListBox1->addItems(CardDetails::editionsOfName(Cards().Kaarten, card.Name));
    f->layoutDetails();
    ProcessMessages();
}

void TForm1::BrowseTo(const QString &url)
{
    Browser::open(url);
}

QString TForm1::currentDbGridId() const
{
    // The database grid's column 10 holds the card's Id.
    auto *grid = FormDB ? FormDB->findChild<QAbstractItemView *>(QStringLiteral("StringGrid1")) : nullptr;
    if (!grid || !grid->model())
        return QString();
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid())
        return QString();
    return grid->model()->index(current.row(), 10).data().toString();
}

void TForm1::MenuItem4Click()
{
    const QString id = currentDbGridId();
    if (isSafeCardId(id))
        openCardPage(Urls::gathererPage(id));
}

void TForm1::MenuItem3Click()
{
    const QString id = currentDbGridId();
    if (isSafeCardId(id))
        openCardPage(Urls::nederMagicPage(id));
}

void TForm1::connectCardPageItems()
{
    if (!PopupMenu1)
        return;
    for (QAction *a : PopupMenu1->actions()) {
        if (a->objectName() == QLatin1String("MenuItem4"))
            connect(a, &QAction::triggered, this, &TForm1::MenuItem4Click, Qt::UniqueConnection);
        else if (a->objectName() == QLatin1String("MenuItem3"))
            connect(a, &QAction::triggered, this, &TForm1::MenuItem3Click, Qt::UniqueConnection);
    }
}
