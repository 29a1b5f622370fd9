#pragma once
#include <QDialog>

class TFormCheckDeck : public QDialog {
    Q_OBJECT
public:
    explicit TFormCheckDeck(QWidget *parent = nullptr);
};
