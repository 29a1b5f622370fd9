#include "decks/formdecks.h"

TFormDecks::TFormDecks(QWidget *parent) : TToolWindow(parent)
{
    setObjectName(QStringLiteral("FormDecks"));
    setWindowTitle(QStringLiteral("Deck Database"));
    resize(982, 427);
    makeTitle(QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Decks:"), &Label1, &Label2);
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setGeometry(8, 32, 220, 380);
    for (const char *group : {"My Decks", "Boxed Decks", "Pre Constructed Decks"})
        TreeView1->addTopLevelItem(new QTreeWidgetItem(QStringList(QString::fromLatin1(group))));
}
