#include "collections/formcollectie.h"

static TToolWindow::Traits collectieTraits()
{
    TToolWindow::Traits t;
    t.backdropName = QStringLiteral("ImageBackdrop");
    t.minimizeName = QStringLiteral("ImageClose");
    t.iconName = QStringLiteral("IcoonCollectie");
    t.moving = &AppState::MovingCollectie;
    t.resizing = &AppState::ResizingCollectie;
    t.visibleFlag = &AppState::FormCollectieVisible;
    t.resize = TToolWindow::Resize::FromSurfaceAndTitle;
    return t;
}

TFormCollectie::TFormCollectie(QWidget *parent) : TToolWindow(collectieTraits(), parent)
{
    setObjectName(QStringLiteral("FormCollectie"));
    setWindowTitle(QStringLiteral("Collection Database"));
    ImageBackdrop = backdrop();
    ImageClose = minimizePicture();
    ImagePrinter = makeImage(QStringLiteral("ImagePrinter"), 18, 18);
    makeTitle(QStringLiteral("Label1"), QStringLiteral("Label4"), QStringLiteral("Collection:"), &Label1, &Label4);
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setGeometry(8, 32, 200, 270);
    resize(1181, 318);
}

void TFormCollectie::layoutChrome()
{
    TToolWindow::layoutChrome();
    if (ImagePrinter)
        ImagePrinter->move(ImageSubMenu->x() - 18 - 4, ImageSubMenu->y());
    if (TreeView1)
        TreeView1->setGeometry(8, 32, 200, qMax(40, height() - 32 - 34));
}
