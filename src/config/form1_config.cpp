// Writing and reading the settings file: the values are taken from the
// windows and controls that hold them, and put straight back.

#include "app/appstate.h"
#include "app/form1.h"
#include "app/forms.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "config/configfile.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "details/formfoto.h"

#include <QCheckBox>
#include <QVariant>
#include <QHeaderView>
#include <QTableView>

namespace {

struct GridRef {
    QWidget *window;
    QString name;
};

// Column widths read from the file are also kept on the grid's window, for
// grids that do not exist yet (or have fewer columns than the file holds):
// they are applied when the grid is there, and written back unchanged
// meanwhile. They go away with the window.
QString propertyOf(const GridRef &g) { return QStringLiteral("vt_columnWidths_") + g.name; }

QVector<int> storedWidths(const GridRef &g, const QVector<int> &fallback)
{
    const QVariant v = g.window ? g.window->property(propertyOf(g).toLatin1().constData()) : QVariant();
    return v.isValid() ? v.value<QVector<int>>() : fallback;
}

QTableView *findGrid(const GridRef &g)
{
    return g.window ? g.window->findChild<QTableView *>(g.name) : nullptr;
}

// The widths of a grid's columns as they are now: from the grid where it has
// the column, else what was read for it, else the designed width.
QVector<int> gridWidths(const GridRef &g, const QVector<int> &designed)
{
    QVector<int> w = storedWidths(g, designed);
    w.resize(designed.size());
    if (QTableView *grid = findGrid(g)) {
        const int count = grid->horizontalHeader()->count();
        for (int i = 0; i < designed.size() && i < count; ++i)
            w[i] = grid->horizontalHeader()->sectionSize(i);
    }
    return w;
}

void applyGridWidths(const GridRef &g)
{
    QTableView *grid = findGrid(g);
    if (!grid)
        return;
    const QVector<int> w = storedWidths(g, {});
    QHeaderView *h = grid->horizontalHeader();
    for (int i = 0; i < w.size() && i < h->count(); ++i)
        h->resizeSection(i, w[i]);
}

void setGridWidths(const GridRef &g, const QVector<int> &widths)
{
    if (g.window)
        g.window->setProperty(propertyOf(g).toLatin1().constData(), QVariant::fromValue(widths));
    applyGridWidths(g);
}

GridRef dbGrid() { return {FormDB, QStringLiteral("StringGrid1")}; }
GridRef collectieGrid() { return {FormCollectie, QStringLiteral("StringGrid1")}; }
GridRef deckGrid() { return {FormDecks, QStringLiteral("StringGridDeck")}; }
GridRef sideBoardGrid() { return {FormDecks, QStringLiteral("StringGridSideBoard")}; }

QString configFile() { return App().ConfigDir + QStringLiteral("/vellumtrove.ini"); }

// Every value the file holds, as the windows and controls show it now.
// Window places are those of the client area (the part inside any frame),
// so that they mean the same before and after a window is first shown.
ConfigFile::Settings currentSettings()
{
    const AppState &a = App();
    ConfigFile::Settings s;
    s.Thema = FormPrefs->Combo_Themes->currentText();
    s.UseDialog = FormPrefs->CB_UseDialog->isChecked();
    s.FormFotoVisible = a.FormFotoVisible;
    s.FormDBVisible = a.FormDBVisible;
    s.FormCollectieVisible = a.FormCollectieVisible;
    s.FormDecksVisible = a.FormDecksVisible;
    s.FontSize = a.FontSize;
    s.FotoTop = FormFoto->geometry().y();
    s.FotoLeft = FormFoto->geometry().x();
    s.DBHeight = FormDB->height();
    s.DBWidth = FormDB->width();
    s.DBTop = FormDB->geometry().y();
    s.DBLeft = FormDB->geometry().x();
    s.DBColumns = gridWidths(dbGrid(), ConfigFile::designedDBColumns());
    s.Illustrator = FormPrefs->CB_artist->isChecked();
    s.CollectieHeight = FormCollectie->height();
    s.CollectieWidth = FormCollectie->width();
    s.CollectieTop = FormCollectie->geometry().y();
    s.CollectieLeft = FormCollectie->geometry().x();
    s.CollectieColumns = gridWidths(collectieGrid(), ConfigFile::designedCollectieColumns());
    s.DecksHeight = FormDecks->height();
    s.DecksWidth = FormDecks->width();
    s.DecksTop = FormDecks->geometry().y();
    s.DecksLeft = FormDecks->geometry().x();
    s.DeckColumns = gridWidths(deckGrid(), ConfigFile::designedDeckColumns());
    s.SideBoardColumns = gridWidths(sideBoardGrid(), ConfigFile::designedSideBoardColumns());
    const QStringList &boxes = ConfigFile::setLineBoxNames();
    s.Sets.resize(boxes.size());
    for (int i = 0; i < boxes.size(); ++i) {
        const QCheckBox *cb = FormPrefs->findChild<QCheckBox *>(boxes[i]);
        s.Sets[i] = cb && cb->isChecked();
    }
    return s;
}

void applySettings(const ConfigFile::Settings &s)
{
    AppState &a = App();
    a.Thema = s.Thema;
    FormPrefs->CB_UseDialog->setChecked(s.UseDialog);
    a.FormFotoVisible = s.FormFotoVisible;
    a.FormDBVisible = s.FormDBVisible;
    a.FormCollectieVisible = s.FormCollectieVisible;
    a.FormDecksVisible = s.FormDecksVisible;
    a.FontSize = s.FontSize;
    FormFoto->setGeometry(s.FotoLeft, s.FotoTop, FormFoto->width(), FormFoto->height());
    FormDB->setGeometry(s.DBLeft, s.DBTop, s.DBWidth, s.DBHeight);
    setGridWidths(dbGrid(), s.DBColumns);
    FormCollectie->setGeometry(s.CollectieLeft, s.CollectieTop, s.CollectieWidth, s.CollectieHeight);
    setGridWidths(collectieGrid(), s.CollectieColumns);
    FormDecks->setGeometry(s.DecksLeft, s.DecksTop, s.DecksWidth, s.DecksHeight);
    setGridWidths(deckGrid(), s.DeckColumns);
    setGridWidths(sideBoardGrid(), s.SideBoardColumns);
    const QStringList &boxes = ConfigFile::setLineBoxNames();
    for (int i = 0; i < boxes.size() && i < s.Sets.size(); ++i)
        if (QCheckBox *cb = FormPrefs->findChild<QCheckBox *>(boxes[i]))
            cb->setChecked(s.Sets[i]);
}

} // namespace

void TForm1::SaveConfig()
{
    const QString path = configFile();
    ConfigFile::Settings s = currentSettings();
    // Whether each tool window is open is taken from the window itself: one
    // the start-up had to show because none was open, or one minimised in
    // dialog mode, is open and comes back open at the next start.
    s.FormFotoVisible = !FormFoto->isHidden();
    s.FormDBVisible = !FormDB->isHidden();
    s.FormCollectieVisible = !FormCollectie->isHidden();
    s.FormDecksVisible = !FormDecks->isHidden();
    const QString error = ConfigFile::write(path, s);
    if (!error.isEmpty())
        ShowMeWarning(QStringLiteral("Your settings could not be saved"),
                      path + QStringLiteral(":\r") + error + QStringLiteral("\rThe previous settings file was kept."),
                      QString(), QStringLiteral("OK"), false, true);
}

void TForm1::ReadConfig()
{
    const QString path = configFile();
    const ConfigFile::ReadResult r = ConfigFile::read(path, currentSettings());
    if (r.oldVersion) {
        ShowMeWarning(QStringLiteral("Your configuration file is for an older version of Vellum Trove"),
                      QStringLiteral("Default values will get loaded"), QString(), QStringLiteral("OK"), false, true);
        return;
    }
    applySettings(r.settings);
    if (r.damaged) {
        QStringList shown = r.problems.mid(0, 2);
        if (r.problems.size() > shown.size())
            shown << QStringLiteral("and %1 more").arg(r.problems.size() - shown.size());
        ShowMeWarning(QStringLiteral("Your configuration file is damaged"),
                      QStringLiteral("Settings in %1 that could not be read keep their default values (%2).")
                          .arg(path, shown.join(QStringLiteral("; "))),
                      QString(), QStringLiteral("OK"), false, true);
    }
}

void TForm1::ApplyColumnWidths()
{
    for (const GridRef &g : {dbGrid(), collectieGrid(), deckGrid(), sideBoardGrid()})
        applyGridWidths(g);
}
