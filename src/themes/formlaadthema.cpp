#include "themes/formlaadthema.h"

TFormLaadThema::TFormLaadThema(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormLaadThema"));
    setWindowTitle(QStringLiteral("Themes"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(500, 350);
}
