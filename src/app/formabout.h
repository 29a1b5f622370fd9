#pragma once
#include <QDialog>
#include <QLabel>

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget *parent = nullptr);
    QLabel *Image1 = nullptr;
    QLabel *Labelversie = nullptr;
    QLabel *LabelVersion = nullptr;
    QLabel *LabelNotice = nullptr;
    void FormShow();
protected:
    void showEvent(QShowEvent *e) override;
};
