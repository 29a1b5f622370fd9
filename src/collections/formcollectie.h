#pragma once
#include "app/widgettoolwindow.h"

#include <QTreeWidget>

class TFormCollectie : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormCollectie(QWidget *parent = nullptr);
    QLabel *Label1 = nullptr;
    QLabel *Label4 = nullptr;
    QTreeWidget *TreeView1 = nullptr;
};
