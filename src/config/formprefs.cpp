#include "config/formprefs.h"

#include "app/formmessages.h"
#include "app/forms.h"
#include "update/download.h"

#include <QFile>
#include <QVBoxLayout>

TFormPrefs::TFormPrefs(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPrefs"));
    setWindowTitle(QStringLiteral("Preferences"));
    resize(640, 480);
    auto *lay = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    lay->addWidget(PageControl1);
    auto *gui = new QWidget;
    gui->setObjectName(QStringLiteral("TabSheetGui"));
    PageControl1->addTab(gui, QStringLiteral("Gui Settings"));
    auto *guiLay = new QVBoxLayout(gui);
    Combo_Themes = new QComboBox(gui);
    Combo_Themes->setObjectName(QStringLiteral("Combo_Themes"));
    Combo_Themes->setEditable(true);
    Combo_Themes->addItem(QStringLiteral("Black"));
    guiLay->addWidget(Combo_Themes);
    CB_UseDialog = new QCheckBox(QStringLiteral("Use Dialog boxes (This also hides the background)"), gui);
    CB_UseDialog->setObjectName(QStringLiteral("CB_UseDialog"));
    guiLay->addWidget(CB_UseDialog);
    guiLay->addStretch();
}

bool TFormPrefs::DownloadFile(const QString &url, const QString &fileName)
{
    const Download::Result r = Download::get(url, fileName);
    if (r.ok)
        return true;
    hide();
    Messages::information(QStringLiteral("Vellum Trove"),
                          QStringLiteral("collecting DOWNLOAD information FAILED.\rPlease check your internet "
                                         "connection and try again"));
    ProcessMessages();
    return false;
}
