#include "decks/formdecks.h"

static TToolWindow::Traits decksTraits()
{
    TToolWindow::Traits t;
    t.backdropName = QStringLiteral("ImageBackDrop");
    t.minimizeName = QStringLiteral("ImageMinimize");
    t.iconName = QStringLiteral("IcoonDecks");
    t.moving = &AppState::MovingDecks;
    t.resizing = &AppState::ResizingDecks;
    t.visibleFlag = &AppState::FormDecksVisible;
    t.resize = TToolWindow::Resize::FromSurface;   // the title only moves this window
    t.iconAfterClose = false;
    t.beepOnReduce = true;
    return t;
}

TFormDecks::TFormDecks(QWidget *parent) : TToolWindow(decksTraits(), parent)
{
    setObjectName(QStringLiteral("FormDecks"));
    setWindowTitle(QStringLiteral("Deck Database"));
    ImageBackDrop = backdrop();
    ImageMinimize = minimizePicture();
    makeTitle(QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Decks:"), &Label1, &Label2);
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setGeometry(8, 32, 200, 380);
    for (const char *group : {"My Decks", "Boxed Decks", "Pre Constructed Decks"})
        TreeView1->addTopLevelItem(new QTreeWidgetItem(QStringList(QString::fromLatin1(group))));
    setGeometry(364, 26, 982, 427);   // designed place and size
}

void TFormDecks::layoutChrome()
{
    TToolWindow::layoutChrome();
    if (TreeView1)
        TreeView1->setGeometry(8, 32, 200, qMax(40, height() - 32 - 34));
}
