// vellumtrove-cli: the card data of a data root, without windows.

#include "carddb/card.h"
#include "carddb/cardlist.h"
#include "carddb/setfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

int usage(QTextStream &err)
{
    err << "usage: vellumtrove-cli catalogue DATA_ROOT\n"
           "       vellumtrove-cli search DATA_ROOT TEXT\n"
           "  catalogue   list the set files read from DATA_ROOT/MagicDB and their card counts\n"
           "  search      list the cards whose name, rules text, colour, set, rarity, type or\n"
           "              artist contain TEXT (ASCII letters in any case): id, name, set,\n"
           "              in catalogue order, then the number of matches\n";
    return 2;
}

bool checkRoot(const QString &root, QTextStream &err)
{
    if (!QFileInfo(root + QStringLiteral("/MagicDB")).isDir()) {
        err << "vellumtrove-cli: no card data folder " << root << "/MagicDB\n";
        return false;
    }
    return true;
}

int catalogue(const QString &root, QTextStream &out, QTextStream &err)
{
    if (!checkRoot(root, err))
        return 1;
    CardTable table;
    TKaart current;
    const auto entries = SetFile::readCatalogue(root + QStringLiteral("/MagicDB"), table, current);
    int failed = 0;
    for (const auto &e : entries) {
        if (!e.result.ok) {
            err << "vellumtrove-cli: " << e.result.error << "\n";
            ++failed;
            continue;
        }
        out << e.displayForm << '\t' << e.fileForm << '\t' << e.result.cards << '\n';
    }
    out << "total\t" << table.count() << '\n';
    return failed ? 1 : 0;
}

// The database window's quick search, over every set file read.
int search(const QString &root, const QString &text, QTextStream &out, QTextStream &err)
{
    if (!checkRoot(root, err))
        return 1;
    CardTable table;
    TKaart current;
    const auto entries = SetFile::readCatalogue(root + QStringLiteral("/MagicDB"), table, current);
    int failed = 0;
    for (const auto &e : entries)
        if (!e.result.ok) {
            err << "vellumtrove-cli: " << e.result.error << "\n";
            ++failed;
        }
    const std::vector<int> found = CardList::search(table, text);
    for (int i : found) {
        const TKaart &k = table.at(i);
        out << k.Id << '\t' << k.Name << '\t' << k.Edition << '\n';
    }
    out << found.size() << '\n';
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return usage(err);
    const QString cmd = args.at(1);
    if (cmd == QLatin1String("catalogue") && args.size() == 3)
        return catalogue(args.at(2), out, err);
    if (cmd == QLatin1String("search") && args.size() == 4)
        return search(args.at(2), args.at(3), out, err);
    return usage(err);
}
