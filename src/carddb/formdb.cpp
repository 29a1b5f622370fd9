#include "carddb/formdb.h"

#include "carddb/mana.h"

#include <QResizeEvent>

static TToolWindow::Traits dbTraits()
{
    TToolWindow::Traits t;
    t.backdropName = QStringLiteral("ImageBackDrop");
    t.minimizeName = QStringLiteral("ImageMinimizeDB");
    t.iconName = QStringLiteral("Icoondb");
    t.moving = &AppState::MovingDB;
    t.resizing = &AppState::ResizingDB;
    t.visibleFlag = &AppState::FormDBVisible;
    t.resize = TToolWindow::Resize::FromSurfaceAndTitle;
    return t;
}

TFormDB::TFormDB(QWidget *parent) : TToolWindow(dbTraits(), parent)
{
    setObjectName(QStringLiteral("FormDB"));
    setWindowTitle(QStringLiteral("Card Database"));
    resize(919, 597);
    makeTitle(QStringLiteral("Label8"), QStringLiteral("Label11"), QStringLiteral("Database:"), &Label8, &Label11);
    auto silver = [this](const QString &name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(name);
        l->setStyleSheet(QStringLiteral("color: silver; background: transparent;"));
        return l;
    };
    Label9 = silver(QStringLiteral("Label9"), QStringLiteral("Cards:"));
    LabelCardsInDB = silver(QStringLiteral("LabelCardsInDB"), QStringLiteral("0"));
    Label10 = silver(QStringLiteral("Label10"), QStringLiteral("/ Shown:"));
    LabelCardsShown = silver(QStringLiteral("LabelCardsShown"), QStringLiteral("0"));
    CB_SetSearch = new QComboBox(this);
    CB_SetSearch->setObjectName(QStringLiteral("CB_SetSearch"));
    CB_SetSearch->setEnabled(false);
    CB_SetSearch->hide();
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
}

int TFormDB::Convert(const QString &symbol) const
{
    return Mana::Convert(symbol);
}

void TFormDB::resizeEvent(QResizeEvent *e)
{
    TToolWindow::resizeEvent(e);
    const int w = e->size().width();
    LabelCardsShown->setGeometry(w - 90, 8, 60, 18);
    Label10->setGeometry(w - 150, 8, 58, 18);
    LabelCardsInDB->setGeometry(w - 210, 8, 58, 18);
    Label9->setGeometry(w - 252, 8, 40, 18);
}
