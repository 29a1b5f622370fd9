#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QTabWidget>

// The preferences window. It also owns the one download helper.
class TFormPrefs : public QDialog {
    Q_OBJECT
public:
    explicit TFormPrefs(QWidget *parent = nullptr);

    // Fetches `url` into `fileName`. On failure the window is hidden, the
    // user is told, and no file is left under that name.
    bool DownloadFile(const QString &url, const QString &fileName);

    QTabWidget *PageControl1 = nullptr;
    QComboBox *Combo_Themes = nullptr;
    QCheckBox *CB_UseDialog = nullptr;
};
