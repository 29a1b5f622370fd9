// vt-makedemo: lays out the demo data root beside the program.
//
//   vt-makedemo <root>
//
// Writes the sample set files, the mana symbols, card pictures, the themes
// and the splash and About pictures (these are rewritten on every run), and
// the sample collection and decks (created only when missing: once the
// program runs, those folders hold the user's own data).

#include "democards.h"
#include "demopictures.h"

#include "carddb/setlist.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Draws into images only; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);

    const QStringList args = app.arguments();
    if (args.size() != 2 || args.at(1).isEmpty() || args.at(1).startsWith(QLatin1Char('-'))) {
        err << "usage: vt-makedemo <data root folder>\n";
        return 2;
    }
    const QString root = QDir(args.at(1)).absolutePath();
    if (!QDir().mkpath(root)) {
        err << "vt-makedemo: cannot create " << root << "\n";
        return 1;
    }

    const DemoCatalogue cat = buildDemoCatalogue();
    const QStringList uncovered = demoUncoveredSymbols(cat);
    if (!uncovered.isEmpty()) {
        err << "vt-makedemo: no sample cost uses " << uncovered.join(QStringLiteral(", ")) << "\n";
        return 1;
    }

    QString error;
    const bool ok = writeDemoSetFiles(cat, root, &error)
                    && writeManaPictures(root, &error)
                    && writeCardPictures(cat, root, &error)
                    && writeThemes(root, &error)
                    && writeBanners(root, &error)
                    && writeDemoUserData(cat, root, &error);
    if (!ok) {
        err << "vt-makedemo: " << error << "\n";
        return 1;
    }
    out << "vt-makedemo: " << SetList::count() << " sets, " << cat.printings.size() << " cards ("
        << cat.designs.size() << " distinct) in " << root << "\n";
    return 0;
}
