#pragma once
#include "app/widgettoolwindow.h"

#include <QTreeWidget>

class TFormCollectie : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormCollectie(QWidget *parent = nullptr);
    QLabel *Label1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *ImageBackdrop = nullptr;   // theme backdrop
    QLabel *ImageClose = nullptr;      // reduces the window to its icon
    QLabel *ImagePrinter = nullptr;    // printer picture beside the window menu; no action
    QTreeWidget *TreeView1 = nullptr;

protected:
    void layoutChrome() override;
};
