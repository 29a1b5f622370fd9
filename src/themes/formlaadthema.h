#pragma once
#include <QDialog>

class TFormLaadThema : public QDialog {
    Q_OBJECT
public:
    explicit TFormLaadThema(QWidget *parent = nullptr);
};
