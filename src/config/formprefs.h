#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

// The preferences window. Its controls hold most settings while the program
// runs; other windows read them directly. It also owns the download helper.
class TFormPrefs : public QDialog {
    Q_OBJECT
public:
    explicit TFormPrefs(QWidget *parent = nullptr);

    // Fetches `url` into `fileName`. On failure the window is hidden, the
    // user is told, and no file is left under that name.
    bool DownloadFile(const QString &url, const QString &fileName);

    // Check box of set `index0` of the set list (0-based), by its name.
    QCheckBox *setCheckBox(int index0) const;
    // The set check boxes of page "Sets 1" (83) and page "Sets 2" (19).
    QList<QCheckBox *> setCheckBoxesOfPage(int page) const;

    // Shows the window modally; when the showing ends, however it ends,
    // the close query runs.
    int exec() override;

    // Handlers
    void FormShow();
    void FormCloseQuery();
    void Button1Click();       // Sets 1: Select All
    void Button2Click();       // Sets 1: Select None
    void Button5Click();       // Sets 2: Select All
    void Button4Click();       // Sets 2: Select None
    void ButtonSaveClick();
    void Button3Click();       // Cancel
    void Button6Click();       // Clear cache

    // The theme name in force when the window was last shown.
    QString OudThema;
    bool GuiChanged = false;

    QLabel *ImageBackDrop = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet6 = nullptr, *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr, *TabSheet4 = nullptr, *TabSheet5 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;   // Sets 1: Select All / None
    QPushButton *Button5 = nullptr, *Button4 = nullptr;   // Sets 2: Select All / None
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr;
    QGroupBox *GroupBox4 = nullptr, *GroupBox5 = nullptr, *GroupBox6 = nullptr, *GroupBox7 = nullptr;

    // Gui Settings
    QComboBox *Combo_Themes = nullptr;
    QPushButton *BitBtn2 = nullptr;          // Get new themes
    QSpinBox *FontSizeSpin = nullptr;
    QCheckBox *CB_UseDialog = nullptr;
    QCheckBox *CB_artist = nullptr;
    QCheckBox *CB_Value = nullptr;
    QCheckBox *CB_LoadImageFromNet = nullptr;
    QCheckBox *CB_StoreImageInCache = nullptr;
    QPushButton *Button6 = nullptr;          // Clear cache

    // Deck Building
    QLabel *Image1 = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr, *Check3 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;

    // Collection
    QCheckBox *CheckBox1 = nullptr;

    // Update (its behaviour comes with the update check)
    QLabel *LB_App = nullptr;
    QPushButton *BitBtn1 = nullptr;

    QPushButton *Button3 = nullptr;          // Cancel
    QPushButton *ButtonSave = nullptr;
    QLabel *Image2 = nullptr;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    QList<QCheckBox *> m_sets1, m_sets2;
    bool m_modal = false;
};
