// Speed of the card catalogue and the database list: reading the set files,
// listing, searching, filtering, sorting, and painting cost cells.

#include "app/stringgridmodel.h"
#include "app/widgetstringgrid.h"
#include "carddb/card.h"
#include "carddb/cardlist.h"
#include "carddb/mana.h"
#include "carddb/manaimages.h"
#include "carddb/setfile.h"
#include "carddb/setlist.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString g_magicDb;                  // folder of the set files benchmarked
std::unique_ptr<QTemporaryDir> g_tmp;
CardTable g_cards;

// A catalogue of about 20,000 invented cards over the 102 sets, written in
// the set file format; used when no demo data root is built.
void writeSyntheticCatalogue(const QString &dir)
{
    static const char *const costs[] = {"{2}{W}{W}", "{1}{U}", "{B/R}{B/R}", "{X}{R}{R}", "{3}{G}", "",
                                        "{1}{WP}", "{2/G}{2/G}", "{10}{U}{B}", "{4}", "{U/R}{G}", "{16}"};
    static const char *const types[] = {"Creature - Elf Warrior", "Artifact Creature - Golem", "Instant",
                                        "Sorcery", "Legendary Creature - Angel", "Enchantment - Aura",
                                        "Basic Land - Forest", "Artifact", "Creature - Human Wizard", "Land"};
    static const char *const words[] = {"Sample", "Ember", "Glade", "Angel", "Vault", "Tide", "Shade", "Thorn",
                                        "Spire", "Rune", "Mire", "Gale", "Ash", "Frost", "Bloom", "Wraith"};
    static const char *const rarities[] = {"Common", "Uncommon", "Rare", "Mythic Rare"};
    const QStringList &display = SetList::displayForms();
    const QStringList &files = SetList::fileForms();
    QDir().mkpath(dir);
    int id = 100000;
    for (int s = 0; s < display.size(); ++s) {
        const int n = 196 + (s % 3);
        QByteArray b = "<?xml version=\"1.0\"?>\n<cards>\n";
        for (int i = 0; i < n; ++i, ++id) {
            const int k = id * 7 + i;
            const QByteArray name = QByteArray("Sample ") + words[k % 16] + ' ' + words[(k / 16) % 16] + ' '
                                    + QByteArray::number(id % 997);
            b += "  <mc>\n    <id>" + QByteArray::number(id) + "</id>\n";
            b += "    <name>" + name + "</name>\n";
            b += QByteArray("    <cost>") + costs[k % 12] + "</cost>\n";
            b += QByteArray("    <type>") + types[k % 10] + "</type>\n";
            b += "    <power>" + QByteArray::number(k % 7) + "</power>\n";
            b += "    <toughness>" + QByteArray::number((k / 7) % 7) + "</toughness>\n";
            b += "    <edition>" + display[s].toUtf8().replace("'", "&apos;") + "</edition>\n";
            b += QByteArray("    <rarity>") + rarities[k % 4] + "</rarity>\n";
            b += "    <oracleText>When this enters, draw a card.&lt;br&gt;Sample rules text number "
                 + QByteArray::number(k % 113) + ".</oracleText>\n";
            if (k % 5)
                b += QByteArray("    <artist>Artist ") + words[(k / 3) % 16] + "</artist>\n";
            b += "    <dbprice>0." + QByteArray::number(k % 90 + 10) + "</dbprice>\n  </mc>\n";
        }
        b += "</cards>\n";
        QFile f(dir + QLatin1Char('/') + files[s] + QStringLiteral(".xml"));
        if (f.open(QIODevice::WriteOnly))
            f.write(b);
    }
}

void makeManaImages()
{
    QVector<QImage> &imgs = Images();
    imgs.resize(Mana::SymbolCount);
    for (int i = 0; i < Mana::SymbolCount; ++i) {
        QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor::fromHsv((i * 37) % 360, 150, 220));
        p.drawEllipse(1, 1, 30, 30);
        imgs[i] = img;
    }
}

void setUp()
{
    const QString demo = QStringLiteral(VT_BIN_DIR "/MagicDB");
    if (QDir(demo).exists() && !QDir(demo).entryList({QStringLiteral("*.xml")}).isEmpty()) {
        g_magicDb = demo;
    } else {
        g_tmp = std::make_unique<QTemporaryDir>();
        g_magicDb = g_tmp->path() + QStringLiteral("/MagicDB");
        writeSyntheticCatalogue(g_magicDb);
    }
    TKaart cur;
    SetFile::readCatalogue(g_magicDb, g_cards, cur);
    makeManaImages();
}

std::vector<int> allSets()
{
    std::vector<int> rows;
    for (const QString &s : SetList::displayForms())
        CardList::appendSet(g_cards, s, rows);
    return rows;
}

} // namespace

static void BM_ReadAllSetFiles(benchmark::State &state)
{
    for (auto _ : state) {
        CardTable t;
        TKaart cur;
        SetFile::readCatalogue(g_magicDb, t, cur);
        benchmark::DoNotOptimize(t.count());
    }
    state.counters["cards"] = g_cards.count();
}
BENCHMARK(BM_ReadAllSetFiles)->Unit(benchmark::kMillisecond);

// The floor for reading: the same files' bytes, split into lines.
static void BM_ReadBytesAndSplitLines(benchmark::State &state)
{
    const QStringList files = QDir(g_magicDb).entryList({QStringLiteral("*.xml")}, QDir::Files);
    for (auto _ : state) {
        qsizetype lines = 0;
        for (const QString &f : files) {
            QFile file(g_magicDb + QLatin1Char('/') + f);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray data = file.readAll();
            const QList<QByteArray> split = data.split('\n');
            lines += split.size();
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadBytesAndSplitLines)->Unit(benchmark::kMillisecond);

// Every set checked: the scans of the listing and the filling of the grid.
static void BM_ListAllSets(benchmark::State &state)
{
    StringGridModel grid;
    grid.setColCount(12);
    for (auto _ : state) {
        grid.beginUpdate();
        grid.setRowCount(CardList::capacityRows(g_cards));
        int row = 0;
        for (const QString &s : SetList::displayForms()) {
            std::vector<int> rows;
            CardList::appendSet(g_cards, s, rows);
            for (int i : rows)
                CardList::writeRow(grid, ++row, g_cards.at(i), true);
        }
        grid.setRowCount(row + 1);
        grid.endUpdate();
        benchmark::DoNotOptimize(grid.RowCount());
    }
    state.counters["rows"] = grid.RowCount() - 1;
}
BENCHMARK(BM_ListAllSets)->Unit(benchmark::kMillisecond);

static void BM_Search(benchmark::State &state)
{
    StringGridModel grid;
    grid.setColCount(12);
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<int> rows = CardList::search(g_cards, QStringLiteral("angel"));
        CardList::fillGrid(grid, g_cards, rows, true);
        found = rows.size();
    }
    state.counters["matches"] = double(found);
}
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond);

static void BM_Filter(benchmark::State &state)
{
    const auto f = CardList::Filter(state.range(0));
    // The key of a creature with a subtype, as the selected card.
    const TKaart *selected = &g_cards.at(1);
    for (const TKaart &k : g_cards)
        if (k.CardType.contains(QLatin1String(" - ")) && !k.Artist.isEmpty()) {
            selected = &k;
            break;
        }
    const QString key = CardList::filterKey(f, *selected);
    StringGridModel grid;
    grid.setColCount(12);
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<int> rows = CardList::filter(g_cards, f, key);
        CardList::fillGrid(grid, g_cards, rows, true);
        found = rows.size();
    }
    static const char *const names[] = {"Color", "Name", "Set", "Type - Subtype", "Type", "Subtype",
                                        "Illustrator"};
    state.SetLabel(names[state.range(0)]);
    state.counters["matches"] = double(found);
}
BENCHMARK(BM_Filter)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

static void BM_SortByName(benchmark::State &state)
{
    StringGridModel grid;
    grid.setColCount(12);
    const std::vector<int> rows = allSets();
    for (auto _ : state) {
        state.PauseTiming();
        CardList::fillGrid(grid, g_cards, rows, true);
        state.ResumeTiming();
        grid.sortByColumn(CardList::ColName, Qt::AscendingOrder);
    }
    state.counters["rows"] = double(rows.size());
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

// One screen of the database grid (about 40 rows) painted into an image,
// cost symbols included.
static void BM_PaintGridScreen(benchmark::State &state)
{
    StringGrid grid;
    grid.setColCount(12);
    grid.setColWidths({24, 190, 80, 179, 64, 64, 64, 184, 104, 64, 64, 111});
    grid.setRowHeight(22);
    grid.setCostColumn(CardList::ColCost, [](int row) {
        return g_cards.at(row).Cost;   // rows are listed in catalogue order here
    });
    CardList::fillGrid(*grid.model(), g_cards, allSets(), true);
    grid.resize(1200, 22 * 40 + 30);
    QImage img(grid.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        grid.render(&img);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintGridScreen)->Unit(benchmark::kMillisecond);

// Only the cost cells of that screen: 40 cells of 80 x 22 pixels.
static void BM_PaintCostCells(benchmark::State &state)
{
    QImage img(80, 22 * 40, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&img);
        for (int r = 0; r < 40; ++r)
            CostCellDelegate::paintCost(&p, QRect(0, r * 22, 80, 22), g_cards.at(r + 1).Cost);
    }
}
BENCHMARK(BM_PaintCostCells)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
