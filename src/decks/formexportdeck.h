#pragma once
#include <QDialog>

class TFormExportDeck : public QDialog {
    Q_OBJECT
public:
    explicit TFormExportDeck(QWidget *parent = nullptr);
};
