#include "details/formprintdetails.h"

TFormPrintDetails::TFormPrintDetails(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPrintDetails"));
    setWindowTitle(QStringLiteral("Print Details"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(269, 148);
}
