#pragma once
#include <QDialog>

class TFormPrintDetails : public QDialog {
    Q_OBJECT
public:
    explicit TFormPrintDetails(QWidget *parent = nullptr);
};
