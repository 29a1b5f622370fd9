// Listing the selected sets in the database window, and the database grid's
// context menu with its filters.

#include "app/form1.h"

#include "app/forms.h"
#include "app/formsplash.h"
#include "app/widgetstringgrid.h"
#include "carddb/cardlist.h"
#include "carddb/formdb.h"
#include "carddb/setlist.h"
#include "config/formprefs.h"

#include <QAction>

namespace {

// The artist column is written only while "Illustrator" is checked and the
// grid has that column.
bool writeArtist()
{
    return FormPrefs->CB_artist->isChecked() && FormDB->StringGrid1->ColCount() > CardList::ColArtist;
}

} // namespace

void TForm1::Ladensets()
{
    CardState &c = Cards();
    StringGrid *grid = FormDB->StringGrid1;
    grid->beginUpdate();
    grid->setRowCount(CardList::capacityRows(c.Kaarten));
    c.AantalGetoondeKaarten = 0;
    const QStringList &sets = SetList::displayForms();
    for (int i = 0; i < sets.size(); ++i) {
        QCheckBox *box = FormPrefs->setCheckBox(i);
        if (box && box->isChecked())
            AddToGrid(sets[i]);
    }
    FormDB->LabelCardsInDB->setNum(c.AantalKaarten());
    FormDB->LabelCardsShown->setNum(c.AantalGetoondeKaarten);
    grid->setRowCount(c.AantalGetoondeKaarten + 1);
    grid->endUpdate();
    FormDB->StringGrid1Click();
}

void TForm1::AddToGrid(const QString &displayName)
{
    CardState &c = Cards();
    StringGrid *grid = FormDB->StringGrid1;
    const bool artist = FormPrefs->CB_artist->isChecked();
    if (artist) {
        grid->setColCount(12);
        grid->setCell(CardList::ColArtist, 0, QStringLiteral("Illustrator"));
    } else {
        grid->setColCount(11);
    }
    FormSplash->setProgress(QStringLiteral("Adding ") + displayName);

    std::vector<int> rows;
    CardList::appendSet(c.Kaarten, displayName, rows);
    StringGridModel &model = *grid->model();
    // The grid was sized to the catalogue before the first set; a caller that
    // did not do so still gets every row.
    if (c.AantalGetoondeKaarten + int(rows.size()) >= model.RowCount())
        model.setRowCount(c.AantalGetoondeKaarten + int(rows.size()) + 1);
    for (int i : rows)
        CardList::writeRow(model, ++c.AantalGetoondeKaarten, c.Kaarten.at(i), artist);
}

void TForm1::MenuItemReloadCardsClick()
{
    Ladensets();
}

// "Show All as selected card": every catalogue card sharing a property with
// the card of the grid's current row.
static void showAllAsSelected(CardList::Filter f)
{
    StringGrid *grid = FormDB->StringGrid1;
    const int row = grid->Row();
    const QString id = row > 0 ? grid->cell(CardList::ColId, row) : QString();
    CardState &c = Cards();
    // Without a card in the current row there is nothing to compare with.
    if (c.Kaarten.firstWithId(id) == 0)
        return;
    c.LaadKaart(id);
    const QString key = CardList::filterKey(f, c.Kaart);
    const std::vector<int> found = CardList::filter(c.Kaarten, f, key);
    CardList::fillGrid(*grid->model(), c.Kaarten, found, writeArtist());
    FormDB->LabelCardsShown->setNum(int(found.size()));
}

void TForm1::MenuItem20Click() { showAllAsSelected(CardList::Filter::Color); }
void TForm1::MenuItem47Click() { showAllAsSelected(CardList::Filter::Name); }
void TForm1::MenuItem22Click() { showAllAsSelected(CardList::Filter::Set); }
void TForm1::MenuItem46Click() { showAllAsSelected(CardList::Filter::TypeSubtype); }
void TForm1::MenuItem16Click() { showAllAsSelected(CardList::Filter::Type); }
void TForm1::MenuItem17Click() { showAllAsSelected(CardList::Filter::Subtype); }
void TForm1::MenuItem9Click() { showAllAsSelected(CardList::Filter::Illustrator); }

void TForm1::MakeDatabaseMenu()
{
    QMenu *m = PopupMenu1;
    m->clear();
    auto item = [](QMenu *menu, const char *name, const QString &text) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto sub = [](QMenu *menu, const char *name, const QString &text) {
        QMenu *s = menu->addMenu(text);
        s->setObjectName(QString::fromLatin1(name));
        s->menuAction()->setObjectName(QString::fromLatin1(name));
        return s;
    };

    QMenu *showAll = sub(m, "MenuItem19", QStringLiteral("Show All as selected card"));
    connect(item(showAll, "MenuItem20", QStringLiteral("Color")), &QAction::triggered, this, &TForm1::MenuItem20Click);
    connect(item(showAll, "MenuItem47", QStringLiteral("Name")), &QAction::triggered, this, &TForm1::MenuItem47Click);
    connect(item(showAll, "MenuItem22", QStringLiteral("Set")), &QAction::triggered, this, &TForm1::MenuItem22Click);
    showAll->addSeparator();
    connect(item(showAll, "MenuItem46", QStringLiteral("Type - Subtype")), &QAction::triggered, this,
            &TForm1::MenuItem46Click);
    connect(item(showAll, "MenuItem16", QStringLiteral("Type")), &QAction::triggered, this, &TForm1::MenuItem16Click);
    connect(item(showAll, "MenuItem17", QStringLiteral("Subtype")), &QAction::triggered, this,
            &TForm1::MenuItem17Click);
    showAll->addSeparator();
    connect(item(showAll, "MenuItem9", QStringLiteral("Illustrator")), &QAction::triggered, this,
            &TForm1::MenuItem9Click);

    // Always disabled; its items are shown checked and do nothing.
    QMenu *fromSets = sub(m, "MenuItemShowFromSets", QStringLiteral("Show from sets selected"));
    auto checked = [](QMenu *menu, const QString &text) {
        QAction *a = menu->addAction(text);
        a->setCheckable(true);
        a->setChecked(true);
    };
    QMenu *color = fromSets->addMenu(QStringLiteral("Color"));
    for (const char *t : {"All", "Black", "Blue", "Green", "Red", "White"})
        checked(color, QString::fromLatin1(t));
    QMenu *multi = color->addMenu(QStringLiteral("Multicolor"));
    for (const char *t : {"Black", "Blue", "Green", "Red", "White"})
        checked(multi, QString::fromLatin1(t));
    checked(color, QStringLiteral("Colorless"));
    QMenu *type = fromSets->addMenu(QStringLiteral("Type"));
    for (const char *t : {"All", "Artifact", "Creature", "Enchantment", "Instant", "Land", "Sorcery"})
        checked(type, QString::fromLatin1(t));
    fromSets->menuAction()->setEnabled(false);

    MenuItemReloadCards = item(m, "MenuItemReloadCards", QStringLiteral("Reload Cards"));
    connect(MenuItemReloadCards, &QAction::triggered, this, &TForm1::MenuItemReloadCardsClick);
    m->addSeparator();
    // Disabled until the loaded collection can take cards.
    MenuItemAddToCollection = item(m, "MenuItemAddToCollection", QStringLiteral("Add to Collection"));
    MenuItemAddToCollection->setEnabled(false);
    m->addSeparator();
    MenuItem4 = item(m, "MenuItem4", QStringLiteral("Search Card at the Gatherer"));
    MenuItem3 = item(m, "MenuItem3", QStringLiteral("Search Card at NederMagic"));
    m->addSeparator();
    QMenu *deck = sub(m, "MenuItemDeck", QStringLiteral("Place Card in Deck"));
    MenuItemDeck = deck->menuAction();
    MenuItemMain = item(deck, "MenuItemMain", QStringLiteral("Main Deck"));
    MenuItemSB = item(deck, "MenuItemSB", QStringLiteral("Sideboard"));
    MenuItemDeck->setEnabled(false);
}
