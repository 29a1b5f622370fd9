#pragma once
#include <QDialog>

class TFormEditCard : public QDialog {
    Q_OBJECT
public:
    explicit TFormEditCard(QWidget *parent = nullptr);
};
