#pragma once
#include "app/widgettoolwindow.h"

#include <QComboBox>
#include <QMenu>

class TFormDB : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormDB(QWidget *parent = nullptr);

    int Convert(const QString &symbol) const;

    QLabel *Label8 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *LabelCardsInDB = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *LabelCardsShown = nullptr;
    QComboBox *CB_SetSearch = nullptr;
    QMenu *PopupMenu1 = nullptr;   // the window menu shown by all tool windows

protected:
    void resizeEvent(QResizeEvent *e) override;
};
