#include "app/formwarning.h"

#include "app/appstate.h"

namespace {
QList<std::optional<bool>> g_next;
bool g_auto = false;
std::optional<bool> g_autoAnswer;
QList<TFormWarning::Shown> g_shown;
} // namespace

TFormWarning::TFormWarning(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormWarning"));
    setWindowTitle(QStringLiteral("Vellum Trove"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(579, 125);
    setModal(true);
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, 579, 48);
    Shape1->setStyleSheet(QStringLiteral("background: navy;"));
    ImageBackDrop = new QLabel(this);
    ImageBackDrop->setObjectName(QStringLiteral("ImageBackDrop"));
    ImageBackDrop->setGeometry(0, 0, 580, 48);
    ImageBackDrop->setScaledContents(true);
    LabelInfo = new QLabel(this);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelInfo->setGeometry(4, 4, 571, 40);
    LabelInfo->setWordWrap(true);
    LabelInfo->setAlignment(Qt::AlignCenter);
    LabelInfo->setStyleSheet(QStringLiteral("color: white; background: transparent; font-weight: bold;"));
    LabelWarning = new QLabel(this);
    LabelWarning->setObjectName(QStringLiteral("LabelWarning"));
    LabelWarning->setGeometry(6, 56, 567, 40);
    LabelWarning->setWordWrap(true);
    LabelWarning->setAlignment(Qt::AlignCenter);
    ButtonYes = new QPushButton(QStringLiteral("YES"), this);
    ButtonYes->setObjectName(QStringLiteral("ButtonYes"));
    ButtonYes->setGeometry(416, 95, 75, 25);
    ButtonNo = new QPushButton(QStringLiteral("NO"), this);
    ButtonNo->setObjectName(QStringLiteral("ButtonNo"));
    ButtonNo->setGeometry(496, 95, 75, 25);
    ButtonYes->setDefault(true);
    ButtonYes->setFocus();
    connect(ButtonYes, &QPushButton::clicked, this, &TFormWarning::ButtonYesClick);
    connect(ButtonNo, &QPushButton::clicked, this, &TFormWarning::ButtonNoClick);
}

void TFormWarning::ButtonYesClick()
{
    App().Answer = true;
    accept();
}

void TFormWarning::ButtonNoClick()
{
    App().Answer = false;
    reject();
}

void TFormWarning::setNextAnswers(const QList<std::optional<bool>> &answers) { g_next = answers; }

void TFormWarning::setAutoAnswer(bool enabled, std::optional<bool> answer)
{
    g_auto = enabled;
    g_autoAnswer = answer;
}

QList<TFormWarning::Shown> &TFormWarning::shownMessages() { return g_shown; }

bool TFormWarning::answerFromSeam()
{
    if (g_next.isEmpty() && !g_auto)
        return false;
    Shown s{LabelInfo->text(), LabelWarning->text(), ButtonYes->text(), ButtonNo->text(),
            !ButtonYes->isHidden(), !ButtonNo->isHidden()};
    g_shown << s;
    const std::optional<bool> a = g_next.isEmpty() ? g_autoAnswer : g_next.takeFirst();
    if (a.has_value())
        App().Answer = *a;   // closing without a button leaves Answer as it was
    return true;
}
