#pragma once
#include "app/widgettoolwindow.h"

class TFormFoto : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormFoto(QWidget *parent = nullptr);
    QLabel *LabelDetails = nullptr;
    QLabel *LabelDetails1 = nullptr;
};
