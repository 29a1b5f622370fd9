#pragma once
#include "app/widgettoolwindow.h"

#include <QTreeWidget>

class TFormDecks : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormDecks(QWidget *parent = nullptr);
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *ImageBackDrop = nullptr;   // theme backdrop
    QLabel *ImageMinimize = nullptr;   // reduces the window to its icon
    QTreeWidget *TreeView1 = nullptr;

protected:
    void layoutChrome() override;
};
