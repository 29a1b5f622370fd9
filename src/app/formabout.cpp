#include "app/formabout.h"

#include "app/appstate.h"
#include "app/form1.h"
#include "app/forms.h"
#include "app/formsplash.h"

#include <QFile>

TFormAbout::TFormAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About Vellum Trove"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(566, 342);
    setModal(false);
    // Closing the About window brings back the tool windows that were open.
    connect(this, &QDialog::finished, this, [] {
        if (Form1)
            Form1->ShowOpenToolWindows();
    });
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 566, 174);
    Image1->setScaledContents(true);
    const QString pic = App().StartDir + QStringLiteral("/Images/about.png");
    if (QFile::exists(pic))
        Image1->setPixmap(QPixmap(pic));
    LabelVersion = new QLabel(this);
    LabelVersion->setObjectName(QStringLiteral("LabelVersion"));
    LabelVersion->setStyleSheet(QStringLiteral("color: grey; background: transparent;"));
    LabelVersion->setGeometry(40, 88, 300, 18);
    Labelversie = new QLabel(this);
    Labelversie->setObjectName(QStringLiteral("Labelversie"));
    Labelversie->setAlignment(Qt::AlignHCenter);
    Labelversie->setGeometry(0, 184, 566, 24);
    QFont f = Labelversie->font();
    f.setBold(true);
    f.setPointSize(13);
    Labelversie->setFont(f);
    LabelNotice = new QLabel(QStringLiteral(
        "Magic: The Gathering, its logos and the mana symbols are trademarks and property of "
        "Wizards of the Coast LLC. Vellum Trove is not affiliated with, endorsed or sponsored by "
        "Wizards of the Coast."), this);
    LabelNotice->setObjectName(QStringLiteral("LabelNotice"));
    LabelNotice->setWordWrap(true);
    LabelNotice->setAlignment(Qt::AlignCenter);
    LabelNotice->setGeometry(30, 220, 506, 100);
}

void TFormAbout::FormShow()
{
    LabelVersion->setText(FormSplash->LabelVersion->text());
    Labelversie->setText(QStringLiteral("VELLUM TROVE ") + ProgramVersion);
}

void TFormAbout::showEvent(QShowEvent *e)
{
    FormShow();
    QDialog::showEvent(e);
}
