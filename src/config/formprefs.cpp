#include "config/formprefs.h"

#include "app/appstate.h"
#include "app/form1.h"
#include "app/formmessages.h"
#include "app/forms.h"
#include "app/formsplash.h"
#include "config/picturecache.h"
#include "carddb/setlist.h"
#include "update/download.h"

#include <QGridLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QShowEvent>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
struct SetGroup {
    QString name;
    QString title;
    QList<QPair<QString, QString>> boxes;   // object name, caption
};

// The set check boxes as they are grouped on the two set pages.
const QList<SetGroup> &setGroups()
{
    static const QList<SetGroup> groups = {
#include "config/prefs_setgroups.inc"
    };
    return groups;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, bool checked)
{
    auto *cb = new QCheckBox(caption, parent);
    cb->setObjectName(name);
    cb->setChecked(checked);
    return cb;
}
} // namespace

TFormPrefs::TFormPrefs(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPrefs"));
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(933, 540);

    ImageBackDrop = new QLabel(this);
    ImageBackDrop->setObjectName(QStringLiteral("ImageBackDrop"));
    ImageBackDrop->setScaledContents(true);
    ImageBackDrop->setGeometry(0, 0, 933, 540);

    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(8, 8, 8, 8);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    lay->addWidget(PageControl1);

    auto page = [this](QWidget **sheet, const char *name, const char *caption) {
        *sheet = new QWidget;
        (*sheet)->setObjectName(QString::fromLatin1(name));
        PageControl1->addTab(*sheet, QString::fromLatin1(caption));
        return *sheet;
    };

    // The two set pages.
    const QList<SetGroup> &groups = setGroups();
    auto buildSetPage = [&](QWidget *sheet, QPushButton **all, const char *allName, QPushButton **none,
                            const char *noneName, const QStringList &groupNames, QList<QCheckBox *> &boxes) {
        auto *v = new QVBoxLayout(sheet);
        v->setContentsMargins(6, 6, 6, 6);
        v->setSpacing(4);
        auto *buttons = new QHBoxLayout;
        *all = new QPushButton(QStringLiteral("Select All"), sheet);
        (*all)->setObjectName(QString::fromLatin1(allName));
        *none = new QPushButton(QStringLiteral("Select None"), sheet);
        (*none)->setObjectName(QString::fromLatin1(noneName));
        for (QPushButton *b : {*all, *none}) {
            b->setAutoDefault(false);
            b->setMinimumWidth(100);
        }
        buttons->addWidget(*all);
        buttons->addWidget(*none);
        buttons->addStretch();
        v->addLayout(buttons);
        for (const SetGroup &g : groups) {
            if (!groupNames.contains(g.name))
                continue;
            auto *box = new QGroupBox(g.title, sheet);
            box->setObjectName(g.name);
            auto *grid = new QGridLayout(box);
            grid->setContentsMargins(6, 4, 6, 4);
            grid->setHorizontalSpacing(4);
            grid->setVerticalSpacing(0);
            // Columns per group, chosen so that the first page fits without
            // scrolling and no caption is cut.
            static const QHash<QString, int> columnsOf = {
                {QStringLiteral("GroupBox1"), 6}, {QStringLiteral("GroupBox3"), 5},
                {QStringLiteral("GroupBox2"), 6}, {QStringLiteral("GroupBox5"), 3},
                {QStringLiteral("GroupBox4"), 3}};
            const int columns = columnsOf.value(g.name, 4);
            const int rows = (int(g.boxes.size()) + columns - 1) / columns;
            for (int i = 0; i < g.boxes.size(); ++i) {
                // Columns are filled top to bottom.
                QCheckBox *cb = checkBox(box, g.boxes[i].first, g.boxes[i].second, g.name == QLatin1String("GroupBox3"));
                grid->addWidget(cb, i % rows, i / rows);
                boxes << cb;
            }
            // Spare width is shared out between the columns.
            for (int c = 0; c < columns; ++c)
                grid->setColumnStretch(c, 1);
            v->addWidget(box);
            if (g.name == QLatin1String("GroupBox1")) GroupBox1 = box;
            if (g.name == QLatin1String("GroupBox2")) GroupBox2 = box;
            if (g.name == QLatin1String("GroupBox3")) GroupBox3 = box;
            if (g.name == QLatin1String("GroupBox4")) GroupBox4 = box;
            if (g.name == QLatin1String("GroupBox5")) GroupBox5 = box;
        }
        v->addStretch();
    };
    buildSetPage(page(&TabSheet1, "TabSheet1", "Sets 1"), &Button1, "Button1", &Button2, "Button2",
                 {QStringLiteral("GroupBox1"), QStringLiteral("GroupBox3"), QStringLiteral("GroupBox2")}, m_sets1);
    buildSetPage(page(&TabSheet6, "TabSheet6", "Sets 2"), &Button5, "Button5", &Button4, "Button4",
                 {QStringLiteral("GroupBox5"), QStringLiteral("GroupBox4")}, m_sets2);

    // Gui Settings
    {
        QWidget *sheet = page(&TabSheet2, "TabSheet2", "Gui Settings");
        auto *g = new QGridLayout(sheet);
        g->setContentsMargins(16, 14, 16, 14);
        g->setHorizontalSpacing(12);
        g->setVerticalSpacing(10);
        g->setColumnMinimumWidth(0, 130);
        auto row = [&](int r, const QString &label, const QList<QWidget *> &widgets) {
            if (!label.isEmpty())
                g->addWidget(new QLabel(label, sheet), r, 0);
            auto *h = new QHBoxLayout;
            h->setSpacing(12);
            for (QWidget *w : widgets)
                h->addWidget(w);
            h->addStretch();
            g->addLayout(h, r, 1);
        };
        Combo_Themes = new QComboBox(sheet);
        Combo_Themes->setObjectName(QStringLiteral("Combo_Themes"));
        Combo_Themes->addItem(QStringLiteral("Black"));
        Combo_Themes->setMinimumWidth(220);
        BitBtn2 = new QPushButton(QStringLiteral("Get new themes"), sheet);
        BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
        BitBtn2->setAutoDefault(false);
        row(0, QStringLiteral("Choose a theme:"), {Combo_Themes, BitBtn2});
        FontSizeSpin = new QSpinBox(sheet);
        FontSizeSpin->setObjectName(QStringLiteral("FontSizeSpin"));
        FontSizeSpin->setRange(8, 26);
        FontSizeSpin->setValue(16);
        FontSizeSpin->setMinimumWidth(70);
        row(1, QStringLiteral("Row Height:"), {FontSizeSpin});
        CB_artist = checkBox(sheet, QStringLiteral("CB_artist"), QStringLiteral("Illustrator"), true);
        CB_Value = checkBox(sheet, QStringLiteral("CB_Value"), QStringLiteral("Value"), true);
        CB_Value->setEnabled(false);
        row(2, QStringLiteral("Show in database:"), {CB_artist, CB_Value});
        CB_UseDialog = checkBox(sheet, QStringLiteral("CB_UseDialog"),
                                QStringLiteral("Use Dialog boxes (This also hides the background)"), false);
        g->addWidget(CB_UseDialog, 3, 0, 1, 2);
        GroupBox6 = new QGroupBox(QStringLiteral("Pictures"), sheet);
        GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
        auto *pv = new QVBoxLayout(GroupBox6);
        pv->setSpacing(8);
        CB_LoadImageFromNet = checkBox(GroupBox6, QStringLiteral("CB_LoadImageFromNet"),
                                       QStringLiteral("If locale picture not found, try to load picture online"), true);
        CB_StoreImageInCache = checkBox(
            GroupBox6, QStringLiteral("CB_StoreImageInCache"),
            QStringLiteral("Store picture in cache (if not checked, each time a card is not found localy, it gets "
                           "loaded from the internet (SLOW))"),
            true);
        Button6 = new QPushButton(QStringLiteral("Clear cache"), GroupBox6);
        Button6->setObjectName(QStringLiteral("Button6"));
        Button6->setAutoDefault(false);
        Button6->setMinimumWidth(100);
        pv->addWidget(CB_LoadImageFromNet);
        pv->addWidget(CB_StoreImageInCache);
        pv->addWidget(Button6, 0, Qt::AlignLeft);
        g->addWidget(GroupBox6, 4, 0, 1, 2);
        g->setRowStretch(5, 1);
        g->setColumnStretch(1, 1);
        connect(CB_LoadImageFromNet, &QCheckBox::toggled, CB_StoreImageInCache, &QWidget::setEnabled);
    }

    // Deck Building
    {
        QWidget *sheet = page(&TabSheet3, "TabSheet3", "Deck Building");
        auto *v = new QHBoxLayout(sheet);
        Image1 = new QLabel(sheet);
        Image1->setObjectName(QStringLiteral("Image1"));
        Image1->setFixedSize(160, 220);
        Image1->setScaledContents(true);
        v->addWidget(Image1, 0, Qt::AlignTop);
        auto *col = new QVBoxLayout;
        GroupBox7 = new QGroupBox(QStringLiteral("Check Deck Options:"), sheet);
        GroupBox7->setObjectName(QStringLiteral("GroupBox7"));
        auto *gv = new QVBoxLayout(GroupBox7);
        Check1 = checkBox(GroupBox7, QStringLiteral("Check1"), QStringLiteral("Check Constructed Format Decks"), true);
        Check2 = checkBox(GroupBox7, QStringLiteral("Check2"), QStringLiteral("Check Eternal Format Decks"), true);
        Check3 = checkBox(GroupBox7, QStringLiteral("Check3"), QStringLiteral("Check Online Format Decks"), false);
        gv->addWidget(Check1);
        gv->addWidget(Check2);
        gv->addWidget(Check3);
        col->addWidget(GroupBox7);
        RadioGroup1 = new QGroupBox(QStringLiteral("Options:"), sheet);
        RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
        auto *rv = new QVBoxLayout(RadioGroup1);
        auto *basic = new QRadioButton(QStringLiteral("Add basic lands as needed"), RadioGroup1);
        rv->addWidget(basic);
        RadioGroup1->setEnabled(false);
        col->addWidget(RadioGroup1);
        col->addStretch();
        v->addLayout(col, 1);
    }

    // Collection
    {
        QWidget *sheet = page(&TabSheet4, "TabSheet4", "Collection");
        auto *v = new QVBoxLayout(sheet);
        CheckBox1 = checkBox(sheet, QStringLiteral("CheckBox1"),
                             QStringLiteral("Show Multi-Colored Cards containing selected color"), true);
        CheckBox1->setEnabled(false);
        v->addWidget(CheckBox1);
        v->addStretch();
    }

    // Update
    {
        QWidget *sheet = page(&TabSheet5, "TabSheet5", "Update");
        auto *v = new QVBoxLayout(sheet);
        LB_App = new QLabel(sheet);
        LB_App->setObjectName(QStringLiteral("LB_App"));
        v->addWidget(LB_App);
        BitBtn1 = new QPushButton(QStringLiteral("Check for Updates"), sheet);
        BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
        v->addWidget(BitBtn1, 0, Qt::AlignLeft);
        v->addStretch();
    }

    auto *bottom = new QHBoxLayout;
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(30, 30);
    Image2->setScaledContents(true);
    bottom->addWidget(Image2);
    bottom->addStretch();
    Button3 = new QPushButton(QStringLiteral("Cancel"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    ButtonSave = new QPushButton(QStringLiteral("Save"), this);
    ButtonSave->setObjectName(QStringLiteral("ButtonSave"));
    for (QPushButton *b : {Button3, ButtonSave})
        b->setMinimumWidth(90);
    Button3->setAutoDefault(false);
    ButtonSave->setDefault(true);
    bottom->addWidget(Button3);
    bottom->addWidget(ButtonSave);
    lay->addLayout(bottom);

    connect(Button1, &QPushButton::clicked, this, &TFormPrefs::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormPrefs::Button2Click);
    connect(Button5, &QPushButton::clicked, this, &TFormPrefs::Button5Click);
    connect(Button4, &QPushButton::clicked, this, &TFormPrefs::Button4Click);
    connect(ButtonSave, &QPushButton::clicked, this, &TFormPrefs::ButtonSaveClick);
    connect(Button3, &QPushButton::clicked, this, &TFormPrefs::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TFormPrefs::Button6Click);
}

int TFormPrefs::exec()
{
    m_modal = true;
    const int result = QDialog::exec();
    m_modal = false;
    FormCloseQuery();
    return result;
}

void TFormPrefs::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFormPrefs::hideEvent(QHideEvent *e)
{
    QDialog::hideEvent(e);
    // A modal showing runs the close query when it ends (exec); a window
    // shown without a modal loop runs it when it is hidden.
    if (!m_modal && !e->spontaneous())
        FormCloseQuery();
}

void TFormPrefs::FormShow()
{
    PageControl1->setCurrentIndex(0);
    OudThema = App().Thema;
    FontSizeSpin->setValue(App().FontSize);
    LB_App->setText(ProgramVersion);
    BitBtn1->setText(QStringLiteral("Check for Updates"));
    BitBtn1->setEnabled(true);
}

void TFormPrefs::FormCloseQuery()
{
    if (Combo_Themes->currentText() == OudThema)
        return;
    App().Thema = Combo_Themes->currentText();
    Form1->LaadThema();
    ProcessMessages();
}

static void checkAll(const QList<QCheckBox *> &boxes, bool on)
{
    for (QCheckBox *cb : boxes)
        cb->setChecked(on);
}

void TFormPrefs::Button1Click() { checkAll(m_sets1, true); }
void TFormPrefs::Button2Click() { checkAll(m_sets1, false); }
void TFormPrefs::Button5Click() { checkAll(m_sets2, true); }
void TFormPrefs::Button4Click() { checkAll(m_sets2, false); }

void TFormPrefs::ButtonSaveClick()
{
    hide();
    ProcessMessages();
    FormSplash->LabelSplash->setText(QStringLiteral("Applying settings ..."));
    FormSplash->centreOnScreen();
    FormSplash->show();
    ProcessMessages();
    GuiChanged = true;
    // The database list is rebuilt from the current set selection; the
    // rebuild starts from an empty list and drops the rows of the old one.
    Form1->Ladensets();
    if (GuiChanged) {
        App().FontSize = FontSizeSpin->value();
        App().Thema = Combo_Themes->currentText();
        Form1->LaadThema();
    }
    FormSplash->hide();
}

void TFormPrefs::Button3Click()
{
    App().Thema = OudThema;
    Combo_Themes->setCurrentText(OudThema);
    close();
}

void TFormPrefs::Button6Click()
{
    // Only an explicit YES deletes: closing the question counts as NO.
    App().Answer = false;
    Form1->ShowMeWarning(QStringLiteral("Clear the picture cache?"),
                         QStringLiteral("All card pictures kept in the cache will be deleted. Cards without an "
                                        "installed picture are loaded from the internet again when shown."),
                         QStringLiteral("YES"), QStringLiteral("NO"), true, true);
    if (!App().Answer)
        return;
    const QStringList failed = PictureCache::clear(App().StartDir + QStringLiteral("/Images/Cache"));
    if (!failed.isEmpty()) {
        QStringList shown = failed.mid(0, 3);
        if (failed.size() > shown.size())
            shown << QStringLiteral("and %1 more").arg(failed.size() - shown.size());
        Form1->ShowMeWarning(QStringLiteral("Some cached pictures could not be deleted"), shown.join(QStringLiteral("; ")),
                             QString(), QStringLiteral("OK"), false, true);
    }
}

QCheckBox *TFormPrefs::setCheckBox(int index0) const
{
    return findChild<QCheckBox *>(SetList::checkBoxName(index0));
}

QList<QCheckBox *> TFormPrefs::setCheckBoxesOfPage(int page) const
{
    return page == 1 ? m_sets1 : m_sets2;
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
