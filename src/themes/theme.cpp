#include "themes/theme.h"

#include <QFileInfo>

namespace Theme {

QStringList requiredFiles()
{
    return {QStringLiteral("background.jpg"), QStringLiteral("close.png"),      QStringLiteral("minimize.png"),
            QStringLiteral("preferences.png"), QStringLiteral("collection.png"), QStringLiteral("database.png"),
            QStringLiteral("deck.png"),        QStringLiteral("popupmenu.png"),  QStringLiteral("printer.png"),
            QStringLiteral("backdrop.jpg")};
}

QString folder(const QString &startDir, const QString &name)
{
    return startDir + QStringLiteral("/Theme/") + name + QLatin1Char('/');
}

QStringList missingFiles(const QString &startDir, const QString &name)
{
    QStringList missing;
    const QString dir = folder(startDir, name);
    for (const QString &f : requiredFiles())
        if (!QFileInfo(dir + f).isFile())
            missing << f;
    return missing;
}

static bool usableName(const QString &name)
{
    // A theme name is one folder below Theme/.
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

Choice choose(const QString &startDir, const QString &wanted)
{
    Choice c;
    c.theme = wanted;
    if (!usableName(wanted) || !QFileInfo(folder(startDir, wanted) + QStringLiteral("background.jpg")).isFile()) {
        c.theme = Fallback;
    } else {
        const QStringList missing = missingFiles(startDir, wanted);
        if (!missing.isEmpty() && wanted != Fallback) {
            c.missingInWanted = missing;
            c.theme = Fallback;
        }
    }
    if (c.theme == Fallback)
        c.missingInChosen = missingFiles(startDir, Fallback);
    return c;
}

int gridFontSize(int fontSize)
{
    // Exact halves only occur for odd sizes; they go to the even neighbour.
    int half = fontSize / 2;   // truncated towards zero
    if (fontSize % 2 != 0) {
        const int other = fontSize > 0 ? half + 1 : half - 1;
        if (half % 2 != 0)
            half = other;
    }
    return half + 2;
}

QList<Target> pictureTargets()
{
    auto t = [](const char *file, const char *window, QStringList names) {
        return Target{QString::fromLatin1(file), QString::fromLatin1(window), std::move(names)};
    };
    const QStringList backdrop{QStringLiteral("ImageBackDrop"), QStringLiteral("ImageBackdrop")};
    return {
        t("background.jpg", "Form1", {QStringLiteral("ImageBackGround")}),
        t("close.png", "Form1", {QStringLiteral("CloseButton")}),
        t("minimize.png", "FormFoto", {QStringLiteral("ImageMinimizeDetails")}),
        t("minimize.png", "FormDB", {QStringLiteral("ImageMinimizeDB")}),
        t("minimize.png", "FormDecks", {QStringLiteral("ImageMinimize")}),
        t("minimize.png", "FormCollectie", {QStringLiteral("ImageClose")}),
        t("preferences.png", "Form1", {QStringLiteral("IcoonPrefs")}),
        t("collection.png", "Form1", {QStringLiteral("IcoonCollectie")}),
        t("database.png", "Form1", {QStringLiteral("Icoondb")}),
        t("deck.png", "Form1", {QStringLiteral("IcoonDecks")}),
        t("popupmenu.png", "FormDB", {QStringLiteral("ImageSubMenu")}),
        t("popupmenu.png", "FormCollectie", {QStringLiteral("ImageSubMenu")}),
        t("popupmenu.png", "FormFoto", {QStringLiteral("ImageSubMenu")}),
        t("printer.png", "FormFoto", {QStringLiteral("ImagePrinter")}),
        t("printer.png", "FormDB", {QStringLiteral("ImagePrinter")}),
        t("printer.png", "FormCollectie", {QStringLiteral("ImagePrinter")}),
        t("backdrop.jpg", "FormDecks", backdrop),
        t("backdrop.jpg", "FormEditCard", backdrop),
        t("backdrop.jpg", "FormNewDeck", backdrop),
        t("backdrop.jpg", "FormCollectie", backdrop),
        t("backdrop.jpg", "FormNewCollection", backdrop),
        t("backdrop.jpg", "FormDB", backdrop),
        t("backdrop.jpg", "FormFoto", backdrop),
        t("backdrop.jpg", "FormWarning", backdrop),
        t("backdrop.jpg", "FormPrefs", backdrop),
    };
}

QList<QPair<QString, QString>> gridTargets()
{
    return {{QStringLiteral("FormDB"), QStringLiteral("StringGrid1")},
            {QStringLiteral("FormCollectie"), QStringLiteral("StringGrid1")},
            {QStringLiteral("FormDecks"), QStringLiteral("StringGridDeck")},
            {QStringLiteral("FormDecks"), QStringLiteral("StringGridSideBoard")}};
}

} // namespace Theme
