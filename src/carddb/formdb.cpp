#include "carddb/formdb.h"

#include "app/form1.h"
#include "app/forms.h"
#include "app/widgetstringgrid.h"
#include "carddb/cardlist.h"
#include "carddb/mana.h"
#include "config/formprefs.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

namespace {
constexpr int kPanelHeight = 34;
constexpr int kImageRow = 22;   // height of the row of small images at the bottom
}


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

    ImageBackDrop = backdrop();
    ImageBackDrop->setObjectName(QStringLiteral("ImageBackDrop"));

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
    ImageMinimizeDB = minimizePicture();   // made by the tool-window base

    // The card list.
    StringGrid1 = new StringGrid(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setColCount(12);
    StringGrid1->setHeaders({QString(), QStringLiteral("Card Name"), QStringLiteral("Cost"), QStringLiteral("Type"),
                             QStringLiteral("Power"), QStringLiteral("Strength"), QStringLiteral("Color"),
                             QStringLiteral("Set"), QStringLiteral("Rarity"), QStringLiteral("Value"),
                             QStringLiteral("ID"), QStringLiteral("Illustrator")});
    StringGrid1->setColWidths({24, 190, 80, 179, 64, 64, 64, 184, 104, 64, 64, 111});
    StringGrid1->setRowHeight(22);
    StringGrid1->setCostColumn(CardList::ColCost, [this](int row) { return costOfRow(row); });
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &StringGrid::rowClicked, this, [this] { StringGrid1Click(); });
    connect(StringGrid1, &StringGrid::headerClicked, this, &TFormDB::StringGrid1HeaderClick);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (Form1 && Form1->PopupMenu1)
            Form1->PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(pos));
    });

    // The row of small pictures along the bottom.
    LabelSearchActivate = silver(QStringLiteral("LabelSearchActivate"), QStringLiteral("Search"));
    LabelSearchActivate->setCursor(Qt::PointingHandCursor);
    LabelSearchActivate->installEventFilter(this);
    ImageSearch1 = makeImage(QStringLiteral("ImageSearch1"), 16, 16, false);
    ImageSearch1->setPixmap(searchPicture(false));
    ImageSearch1->setCursor(Qt::PointingHandCursor);
    ImageSearch1->installEventFilter(this);
    ImageSearch2 = makeImage(QStringLiteral("ImageSearch2"), 16, 16, false);
    ImageSearch2->setPixmap(searchPicture(true));
    ImageSearch2->setCursor(Qt::PointingHandCursor);
    ImageSearch2->installEventFilter(this);
    ImageSearch2->hide();
    ImagePrinter = makeImage(QStringLiteral("ImagePrinter"), 18, 18);
    Image1 = makeImage(QStringLiteral("Image1"), 18, 18);

    // The search panel, hidden at start.
    PanelSearch = new QFrame(this);
    PanelSearch->setObjectName(QStringLiteral("PanelSearch"));
    PanelSearch->setFrameShape(QFrame::StyledPanel);
    PanelSearch->setStyleSheet(QStringLiteral(
        "QFrame#PanelSearch { background: rgba(20, 22, 26, 200); border: 1px solid #4a4d55; border-radius: 3px; }"
        "QLabel { color: silver; background: transparent; }"
        "QLabel:disabled, QCheckBox:disabled { color: #70747c; }"
        "QCheckBox { color: silver; background: transparent; }"));
    LabelSearch = new QLabel(QStringLiteral("Quick Search:"), PanelSearch);
    LabelSearch->setObjectName(QStringLiteral("LabelSearch"));
    EditSearch = new QLineEdit(PanelSearch);
    EditSearch->setObjectName(QStringLiteral("EditSearch"));
    EditSearch->setClearButtonEnabled(true);
    connect(EditSearch, &QLineEdit::returnPressed, this, [this] { EditSearchUTF8KeyPress(Qt::Key_Return); });
    CheckBox1 = new QCheckBox(QStringLiteral("Only search visible cards"), PanelSearch);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setEnabled(false);
    Label1 = new QLabel(QStringLiteral("Quick Set Select:"), PanelSearch);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setEnabled(false);
    CB_SetSearch = new QComboBox(PanelSearch);
    CB_SetSearch->setObjectName(QStringLiteral("CB_SetSearch"));
    CB_SetSearch->setEnabled(false);
    SpeedButton2 = new QToolButton(PanelSearch);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setIcon(QIcon(reloadPicture()));
    SpeedButton2->setIconSize(QSize(16, 16));
    SpeedButton2->setToolTip(QStringLiteral("Reload Cards"));
    connect(SpeedButton2, &QToolButton::clicked, this, &TFormDB::SpeedButton2Click);
    PanelSearch->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

    // The grid's context menu belongs to the main window, created before us.
    if (Form1)
        Form1->MakeDatabaseMenu();

    layoutContents();
}

int TFormDB::Convert(const QString &symbol) const
{
    return Mana::Convert(symbol);
}

QString TFormDB::costOfRow(int row) const
{
    const CardTable &cards = Cards().Kaarten;
    const int i = cards.firstWithId(StringGrid1->model()->cell(CardList::ColId, row));
    return i > 0 ? cards.at(i).Cost : QString();
}

void TFormDB::StringGrid1Click()
{
    const int row = StringGrid1->Row();
    if (row < 1)
        return;
    Form1->ToonKaartDetails(StringGrid1->cell(CardList::ColId, row));
}

void TFormDB::StringGrid1HeaderClick(int col)
{
    StringGrid1->sortColumn(col);
}

void TFormDB::EditSearchUTF8KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    const CardTable &cards = Cards().Kaarten;
    const std::vector<int> found = CardList::search(cards, EditSearch->text());
    // Without a match the list stays as it was.
    if (!found.empty()) {
        const bool artist = FormPrefs->CB_artist->isChecked() && StringGrid1->ColCount() > CardList::ColArtist;
        CardList::fillGrid(*StringGrid1->model(), cards, found, artist);
    }
    LabelCardsShown->setNum(StringGrid1->RowCount() - 1);
    StringGrid1Click();
}

void TFormDB::LabelSearchActivateClick()
{
    const bool show = !PanelSearch->isVisible();
    PanelSearch->setVisible(show);
    ImageSearch2->setVisible(show);
    ImageSearch1->setVisible(!show);
    layoutContents();
    if (show)
        EditSearch->setFocus();
}

void TFormDB::SpeedButton2Click()
{
    Form1->MenuItemReloadCardsClick();
}

bool TFormDB::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && (watched == LabelSearchActivate || watched == ImageSearch1 || watched == ImageSearch2)) {
        LabelSearchActivateClick();
        return true;
    }
    return TToolWindow::eventFilter(watched, event);
}

void TFormDB::resizeEvent(QResizeEvent *e)
{
    TToolWindow::resizeEvent(e);
    layoutContents();
}

void TFormDB::layoutContents()
{
    const int w = width(), h = height();
    // Counts and the minimize picture along the top right.
    ImageMinimizeDB->move(w - 30, 4);
    const QFontMetrics fm(LabelCardsShown->font());
    int x = w - 38;
    for (QLabel *l : {LabelCardsShown, Label10, LabelCardsInDB, Label9}) {
        const int lw = fm.horizontalAdvance(l->text()) + 2;
        x -= lw;
        l->setGeometry(x, 8, lw, 18);
        x -= 4;
    }

    // The search panel along the bottom edge; the small pictures sit on the
    // bottom edge, or just above the panel while it is shown.
    const bool panel = PanelSearch->isVisible();
    const int panelTop = h - 4 - kPanelHeight;
    PanelSearch->setGeometry(6, panelTop, w - 12, kPanelHeight);
    const int rowTop = (panel ? panelTop : h) - kImageRow;
    ImageSearch1->move(10, rowTop + 2);
    ImageSearch2->move(10, rowTop + 2);
    LabelSearchActivate->setGeometry(30, rowTop + 1, 60, 18);
    ImageSubMenu->move(w - 26, rowTop + 1);
    Image1->move(w - 48, rowTop + 1);
    ImagePrinter->move(w - 70, rowTop + 1);

    StringGrid1->setGeometry(8, 32, w - 16, std::max(40, rowTop - 34));

    // Inside the panel: search text, the disabled options, reload at the right end.
    const int ph = kPanelHeight, cy = (ph - 24) / 2;
    const int pw = PanelSearch->width();
    LabelSearch->setGeometry(8, cy, 90, 24);
    EditSearch->setGeometry(100, cy + 1, std::max(120, pw / 4), 22);
    int px = EditSearch->geometry().right() + 12;
    CheckBox1->setGeometry(px, cy, 180, 24);
    px += 188;
    Label1->setGeometry(px, cy, 110, 24);
    CB_SetSearch->setGeometry(px + 112, cy + 1, std::max(80, std::min(220, pw - (px + 112) - 40)), 22);
    SpeedButton2->setGeometry(pw - 30, (ph - 26) / 2, 26, 26);
}

QPixmap TFormDB::searchPicture(bool close)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor lens(0xdc, 0xdc, 0xdc);
    p.setPen(QPen(lens, 1.6));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(lens, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    if (close) {
        p.setPen(QPen(QColor(0xff, 0x8a, 0x80), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.8, 6), QPointF(8.2, 6));
    }
    return pm;
}

QPixmap TFormDB::reloadPicture()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c(0x8e, 0xc9, 0x6f);
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(13.8, 1.2);
    head.lineTo(14.2, 7.0);
    head.lineTo(8.8, 5.0);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
    return pm;
}
