#pragma once
#include <QLabel>
#include <QWidget>

// The progress window shown while the program starts and while settings are applied.
class TFormSplash : public QWidget {
    Q_OBJECT
public:
    explicit TFormSplash(QWidget *parent = nullptr);
    QLabel *Image1 = nullptr;
    QLabel *LabelSplash = nullptr;
    QLabel *LabelVersion = nullptr;
    // Sets the progress text and lets it be painted at once.
    void setProgress(const QString &text);
    void centreOnScreen();
};
