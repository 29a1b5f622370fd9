#pragma once
#include "app/widgettoolwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

class StringGrid;

// The card database window: the list of cards, the quick search and sorting.
class TFormDB : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormDB(QWidget *parent = nullptr);

    int Convert(const QString &symbol) const;

    // Handlers
    void StringGrid1Click();
    void StringGrid1HeaderClick(int col);
    void EditSearchUTF8KeyPress(int key);
    void LabelSearchActivateClick();
    void SpeedButton2Click();
    // The cost of the card in grid row `row`, for the cost column's symbols;
    // empty when the row holds no catalogue card.
    QString costOfRow(int row) const;

    QLabel *ImageBackDrop = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *LabelCardsInDB = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *LabelCardsShown = nullptr;
    QLabel *ImageMinimizeDB = nullptr;
    StringGrid *StringGrid1 = nullptr;
    QLabel *LabelSearchActivate = nullptr;
    QLabel *ImageSearch1 = nullptr;
    QLabel *ImageSearch2 = nullptr;
    QLabel *ImagePrinter = nullptr;
    QLabel *Image1 = nullptr;
    QFrame *PanelSearch = nullptr;
    QLabel *LabelSearch = nullptr;
    QLineEdit *EditSearch = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *CB_SetSearch = nullptr;
    QMenu *PopupMenu1 = nullptr;   // the window menu shown by all tool windows

    // The small pictures drawn for the search toggle and the reload button.
    static QPixmap searchPicture(bool close);
    static QPixmap reloadPicture();

protected:
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutContents();
};
