#include "app/formsplash.h"

#include "app/appstate.h"
#include "app/forms.h"

#include <QFile>
#include <QScreen>

TFormSplash::TFormSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormSplash"));
    setFixedSize(615, 232);
    setStyleSheet(QStringLiteral("TFormSplash { background: #15161a; border: 2px solid #3a3d46; }"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 611, 228);
    Image1->setScaledContents(true);
    const QString pic = App().StartDir + QStringLiteral("/Images/splash.png");
    if (QFile::exists(pic))
        Image1->setPixmap(QPixmap(pic));
    LabelSplash = new QLabel(QStringLiteral("Loading Vellum Trove ..."), this);
    LabelSplash->setObjectName(QStringLiteral("LabelSplash"));
    LabelSplash->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelSplash->setStyleSheet(QStringLiteral("color: silver; font-weight: bold; background: transparent;"));
    LabelSplash->setGeometry(12, 232 - 4 - 20, 615 - 24, 20);
    LabelVersion = new QLabel(QStringLiteral("Alpha version"), this);
    LabelVersion->setObjectName(QStringLiteral("LabelVersion"));
    LabelVersion->setStyleSheet(QStringLiteral("color: grey; background: transparent;"));
    LabelVersion->move(40, 110);
    LabelVersion->resize(300, 18);
}

void TFormSplash::setProgress(const QString &text)
{
    LabelSplash->setText(text);
    ProcessMessages();
}

void TFormSplash::centreOnScreen()
{
    if (QScreen *s = screen()) {
        const QRect r = s->geometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
}
