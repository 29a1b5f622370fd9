#include "details/formfoto.h"

#include "app/form1.h"
#include "app/forms.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int Margin = 10;
constexpr int TextWidth = 240;
constexpr int ManaLefts[TFormFoto::ManaCount] = {49, 69, 89, 109, 129, 150, 171, 192, 213, 234};

// The printer picture shown until a theme gives its own (the tool-window
// base draws the default minimize and menu pictures).
QPixmap printerPicture()
{
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 230, 230), 1.6));
    p.drawRect(QRectF(5.5, 2.5, 7, 4));
    p.drawRoundedRect(QRectF(2.5, 6.5, 13, 6), 1.5, 1.5);
    p.drawRect(QRectF(5.5, 10.5, 7, 5));
    return pm;
}

} // namespace

static TToolWindow::Traits fotoTraits()
{
    TToolWindow::Traits t;
    t.backdropName = QStringLiteral("ImageBackDrop");
    t.minimizeName = QStringLiteral("ImageMinimizeDetails");
    t.iconName = QStringLiteral("IcoonFoto");
    t.moving = &AppState::MovingFoto;
    t.visibleFlag = &AppState::FormFotoVisible;
    t.moveFromSurface = true;
    return t;
}

TFormFoto::TFormFoto(QWidget *parent) : TToolWindow(fotoTraits(), parent)
{
    setObjectName(QStringLiteral("FormFoto"));
    setWindowTitle(QStringLiteral("Card Details"));
    setFixedWidth(260);
    resize(260, 600);
    makeTitle(QStringLiteral("LabelDetails"), QStringLiteral("LabelDetails1"), QStringLiteral("Card Details:"),
              &LabelDetails, &LabelDetails1);

    // Pictures along the top right; the theme replaces their pictures.
    Image1 = makeImage(QStringLiteral("Image1"), 18, 18);
    Image1->move(162, 6);
    ImagePrinter = makeImage(QStringLiteral("ImagePrinter"), 18, 18);
    ImagePrinter->move(186, 6);
    ImagePrinter->setPixmap(printerPicture());
    ImagePrinter->setToolTip(QStringLiteral("Print card details"));
    ImageSubMenu->setToolTip(QStringLiteral("Windows"));
    ImageMinimizeDetails = minimizePicture();   // made by the tool-window base
    ImageMinimizeDetails->setToolTip(QStringLiteral("Minimize"));
    for (QLabel *l : {ImagePrinter, ImageSubMenu, ImageMinimizeDetails})
        l->setCursor(Qt::PointingHandCursor);

    // The picture area: a white sunken panel whose caption shows through
    // while no picture covers it.
    Panel1 = new QLabel(QStringLiteral("Loading ..."), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(Margin, 30, 240, 320);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setAutoFillBackground(true);
    {
        QPalette pal = Panel1->palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, Qt::black);
        Panel1->setPalette(pal);
    }
    ImageCard = new QLabel(Panel1);
    ImageCard->setObjectName(QStringLiteral("ImageCard"));
    ImageCard->setGeometry(Panel1->contentsRect());
    ImageCard->setAlignment(Qt::AlignCenter);
    {
        QPalette pal = ImageCard->palette();
        pal.setColor(QPalette::Window, Qt::white);
        ImageCard->setPalette(pal);
    }

    auto label = [this](const char *name, const QString &text, const char *color, bool bold, bool wrap) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);   // card texts are never markup
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(color)));
        l->setWordWrap(wrap);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (bold) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        l->installEventFilter(this);
        return l;
    };
    LabelNameCard = label("LabelNameCard", QString(), "white", true, true);
    {
        QFont f = LabelNameCard->font();
        f.setPointSizeF(f.pointSizeF() * 1.2);
        LabelNameCard->setFont(f);
    }
    LabelTypeCard = label("LabelTypeCard", QString(), "white", false, true);
    LabelMana = label("LabelMana", QStringLiteral("Mana:"), "white", false, false);
    for (int k = 0; k < ManaCount; ++k) {
        QLabel *m = makeImage(QStringLiteral("ImageMana%1").arg(k + 1), 18, 18);
        m->setAttribute(Qt::WA_TranslucentBackground);
        m->setStyleSheet(QStringLiteral("background: transparent;"));
        m_mana[k] = m;
    }
    QLabel **named[ManaCount] = {&ImageMana1, &ImageMana2, &ImageMana3, &ImageMana4, &ImageMana5,
                                 &ImageMana6, &ImageMana7, &ImageMana8, &ImageMana9, &ImageMana10};
    for (int k = 0; k < ManaCount; ++k)
        *named[k] = m_mana[k];
    LabelPower1 = label("LabelPower1", QStringLiteral("Power:"), "white", true, false);
    LabelPower2 = label("LabelPower2", QString(), "white", false, false);
    LabelThough1 = label("LabelThough1", QStringLiteral("Thoughness:"), "white", false, false);
    LabelThough2 = label("LabelThough2", QString(), "white", false, false);
    LabelText = label("LabelText", QString(), "silver", false, true);
    LabelIllus1 = label("LabelIllus1", QStringLiteral("Illus:"), "white", true, false);
    LabelIllus2 = label("LabelIllus2", QString(), "white", false, true);
    LabelAvailable = label("LabelAvailable", QStringLiteral("Available in these sets:"), "white", true, false);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    ListBox1->setStyleSheet(QStringLiteral(
        "QListWidget { background-color: #141519; color: #e8e8e8; border: 1px solid #4a4d55; }"
        "QScrollBar:vertical { background: #1e1f24; width: 10px; margin: 0; }"
        "QScrollBar::handle:vertical { background: #5a5d66; min-height: 20px; border-radius: 4px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));

    m_ready = true;
    layoutDetails();

    // The card-page items of the database grid's menu are made with the
    // database window, after this one: connect them once all windows exist,
    // and again whenever the menu opens (the connection is made once).
    if (Form1 && Form1->PopupMenu1) {
        TForm1 *main = Form1;
        QTimer::singleShot(0, main, [main] { main->connectCardPageItems(); });
        connect(main->PopupMenu1, &QMenu::aboutToShow, main, &TForm1::connectCardPageItems);
    }
}

void TFormFoto::setCardPicture(const QPixmap &picture, bool stretched)
{
    m_picture = picture;
    m_stretched = stretched;
    ImageCard->setScaledContents(stretched);
    ImageCard->setPixmap(picture);
    if (picture.isNull())
        ImageCard->clear();
    // A shown picture covers the panel's caption; an empty one lets it through.
    ImageCard->setAutoFillBackground(!picture.isNull());
    ImageCardPictureChanged();
}

void TFormFoto::setStretched(bool stretched)
{
    if (stretched == m_stretched)
        return;
    m_stretched = stretched;
    ImageCard->setScaledContents(stretched);
    ImageCard->update();
}

void TFormFoto::layoutDetails()
{
    if (m_layingOut || !m_ready)
        return;
    m_layingOut = true;
    auto place = [](QLabel *l, int x, int y, int w) {
        int h = l->wordWrap() ? l->heightForWidth(w) : l->sizeHint().height();
        h = qMax(h, l->fontMetrics().height());
        l->setGeometry(x, y, w, h);
        return y + h;
    };
    int y = Panel1->y() + Panel1->height() + 6;
    y = place(LabelNameCard, Margin, y, TextWidth) + 1;
    y = place(LabelTypeCard, Margin, y, TextWidth) + 6;

    const int manaRow = qMax(18, LabelMana->sizeHint().height());
    LabelMana->setGeometry(Margin, y + (manaRow - LabelMana->sizeHint().height()) / 2, ManaLefts[0] - Margin - 2,
                           LabelMana->sizeHint().height());
    for (int k = 0; k < ManaCount; ++k)
        m_mana[k]->setGeometry(ManaLefts[k], y + (manaRow - 18) / 2, 18, 18);
    y += manaRow + 6;

    // Power and toughness share one row.
    const int p1 = LabelPower1->sizeHint().width();
    const int t1 = LabelThough1->sizeHint().width();
    const int rowBottom = place(LabelPower1, Margin, y, p1);
    place(LabelPower2, Margin + p1 + 4, y, 120 - (p1 + 8));
    place(LabelThough1, 130, y, t1);
    place(LabelThough2, 130 + t1 + 4, y, 250 - (130 + t1 + 4));
    y = rowBottom + 6;

    // The rules text follows the power row; the rest follows the rules text.
    y = place(LabelText, Margin, y, TextWidth) + 6;
    const int i1 = LabelIllus1->sizeHint().width();
    const int illusBottom = qMax(place(LabelIllus1, Margin, y, i1), place(LabelIllus2, Margin + i1 + 4, y, TextWidth - i1 - 4));
    y = illusBottom + 8;
    y = place(LabelAvailable, Margin, y, TextWidth) + 2;
    const int rowH = ListBox1->fontMetrics().height() + 2;
    ListBox1->setGeometry(Margin, y, TextWidth, 5 * rowH + 6);
    m_layingOut = false;
    ImageCardPictureChanged();
}

void TFormFoto::ImageCardPictureChanged()
{
    resize(width(), ListBox1->y() + ListBox1->height() + 8);
}

bool TFormFoto::eventFilter(QObject *watched, QEvent *event)
{
    // A text label whose font changes takes another height: lay out again.
    if (event->type() == QEvent::FontChange && watched->isWidgetType())
        layoutDetails();
    return TToolWindow::eventFilter(watched, event);
}

void TFormFoto::changeEvent(QEvent *event)
{
    TToolWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layoutDetails();
}
