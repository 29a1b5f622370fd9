// Applying the theme to all windows: the pictures of the theme folder, the
// row height and font of the card grids, then the window mode.

#include "app/form1.h"

#include "app/appstate.h"
#include "app/forms.h"
#include "themes/theme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPixmap>

namespace {

QWidget *topLevelByName(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

} // namespace

void TForm1::LaadThema()
{
    AppState &a = App();
    const Theme::Choice choice = Theme::choose(a.StartDir, a.Thema);
    const QString wanted = a.Thema;
    a.Thema = choice.theme;

    // Grid metrics.
    const int rowHeight = a.FontSize;
    const int fontSize = Theme::gridFontSize(a.FontSize);
    for (const auto &g : Theme::gridTargets()) {
        QWidget *w = topLevelByName(g.first);
        auto *grid = w ? w->findChild<QAbstractItemView *>(g.second) : nullptr;
        auto *view = qobject_cast<QTableView *>(grid);
        if (!view)
            continue;
        QHeaderView *rows = view->verticalHeader();
        if (rowHeight > 0) {
            rows->setMinimumSectionSize(qMin(rows->minimumSectionSize(), rowHeight));
            rows->setDefaultSectionSize(rowHeight);
        }
        if (fontSize > 0) {
            QFont f = view->font();
            f.setPointSize(fontSize);
            view->setFont(f);
        }
    }

    // Pictures, in the order of the file table. Each file is read once.
    const QString dir = Theme::folder(a.StartDir, a.Thema);
    QHash<QString, QPixmap> loaded;
    for (const Theme::Target &t : Theme::pictureTargets()) {
        QWidget *w = topLevelByName(t.window);
        if (!w)
            continue;
        QLabel *label = nullptr;
        for (const QString &name : t.labelNames)
            if ((label = w->findChild<QLabel *>(name)))
                break;
        if (!label)
            continue;
        auto it = loaded.find(t.file);
        if (it == loaded.end())
            it = loaded.insert(t.file, QPixmap(dir + t.file));
        label->setPixmap(it.value());
    }

    if (!choice.missingInWanted.isEmpty() || !choice.missingInChosen.isEmpty()) {
        QString text;
        if (!choice.missingInWanted.isEmpty())
            text += QStringLiteral("The theme \"%1\" is incomplete; these pictures are missing: %2.\r"
                                   "The theme \"%3\" is used instead.")
                        .arg(wanted, choice.missingInWanted.join(QStringLiteral(", ")), choice.theme);
        if (!choice.missingInChosen.isEmpty()) {
            if (!text.isEmpty())
                text += QLatin1Char('\r');
            text += QStringLiteral("The theme \"%1\" is missing these pictures: %2.\rReinstall Vellum Trove to "
                                   "get them back.")
                        .arg(choice.theme, choice.missingInChosen.join(QStringLiteral(", ")));
        }
        ShowMeWarning(QStringLiteral("Theme pictures missing"), text, QStringLiteral(" "), QStringLiteral("OK"),
                      false, true);
    }

    ApplyWindowMode();
}
