#include "app/form1.h"
#include "app/forms.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VellumTrove"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString icon = QApplication::applicationDirPath() + QStringLiteral("/Images/vellumtrove.png");
    if (QFile::exists(icon))
        QApplication::setWindowIcon(QIcon(icon));
    CreateAllForms();
    Form1->show();
    const int rc = QApplication::exec();
    DestroyAllForms();
    return rc;
}
