#pragma once
#include <QDialog>

class TFormNewCollection : public QDialog {
    Q_OBJECT
public:
    explicit TFormNewCollection(QWidget *parent = nullptr);
};
