#include "collections/formnewcollection.h"

TFormNewCollection::TFormNewCollection(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormNewCollection"));
    setWindowTitle(QStringLiteral("Vellum Trove"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(549, 154);
}
