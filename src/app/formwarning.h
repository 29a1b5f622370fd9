#pragma once
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <optional>

// The shared two-button message window.
class TFormWarning : public QDialog {
    Q_OBJECT
public:
    explicit TFormWarning(QWidget *parent = nullptr);
    QFrame *Shape1 = nullptr;
    QLabel *ImageBackDrop = nullptr;
    QLabel *LabelInfo = nullptr;
    QLabel *LabelWarning = nullptr;
    QPushButton *ButtonYes = nullptr;
    QPushButton *ButtonNo = nullptr;

    void ButtonYesClick();
    void ButtonNoClick();

    // Test seam: when a next answer is set, the window is filled but not
    // shown; the answer is taken as if that button had been pressed (nullopt
    // for a close without any button) and the message is recorded.
    struct Shown {
        QString title, text, caption1, caption2;
        bool visible1 = false, visible2 = false;
    };
    static void setNextAnswers(const QList<std::optional<bool>> &answers);
    static void setAutoAnswer(bool enabled, std::optional<bool> answer = false);
    static QList<Shown> &shownMessages();
    // Returns true when the seam answered instead of a real showing.
    bool answerFromSeam();
};
