#include "app/form1.h"
#include "app/forms.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VellumTrove"));
    QApplication::setQuitOnLastWindowClosed(false);
    CreateAllForms();
    Form1->show();
    const int rc = QApplication::exec();
    DestroyAllForms();
    return rc;
}
