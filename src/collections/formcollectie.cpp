#include "collections/formcollectie.h"

TFormCollectie::TFormCollectie(QWidget *parent) : TToolWindow(parent)
{
    setObjectName(QStringLiteral("FormCollectie"));
    setWindowTitle(QStringLiteral("Collection Database"));
    resize(1181, 318);
    makeTitle(QStringLiteral("Label1"), QStringLiteral("Label4"), QStringLiteral("Collection:"), &Label1, &Label4);
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setGeometry(8, 32, 220, 270);
}
