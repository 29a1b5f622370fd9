#pragma once
#include <QDialog>

class TFormNewDeck : public QDialog {
    Q_OBJECT
public:
    explicit TFormNewDeck(QWidget *parent = nullptr);
};
