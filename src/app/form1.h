#pragma once
// The main window: full-screen backdrop with the icon bar, start-up, and the
// operations shared by every other window.

#include "carddb/card.h"

#include <QLabel>
#include <QMenu>
#include <QWidget>

class QAction;
class QPrintDialog;
class QPrinter;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Start-up
    void FormCreate();
    void FormShow();
    bool startupFailed() const { return m_startupFailed; }

    // Card tables
    void LaadKaart(const QString &id) { Cards().LaadKaart(id); }
    void LaadVerzamelKaart(const QString &id) { Cards().LaadVerzamelKaart(id); }
    void GetKaartFromName(const QString &name) { Cards().GetKaartFromName(name); }
    void KaartenLaden();
    void AddToKaarten(const QString &fileForm);
    QString RemoveXMLtags(const QString &text);

    // Database list
    void Ladensets();
    void AddToGrid(const QString &displayName);
    void MenuItemReloadCardsClick();

    // Database list: the database grid's context menu (PopupMenu1) and its
    // "Show All as selected card" filters (src/carddb/form1_list.cpp).
    void MakeDatabaseMenu();
    void MenuItem20Click();   // Color
    void MenuItem47Click();   // Name
    void MenuItem22Click();   // Set
    void MenuItem46Click();   // Type - Subtype
    void MenuItem16Click();   // Type
    void MenuItem17Click();   // Subtype
    void MenuItem9Click();    // Illustrator
    QAction *MenuItemReloadCards = nullptr;
    QAction *MenuItemAddToCollection = nullptr;   // disabled until collections are wired
    QAction *MenuItem4 = nullptr;                 // "Search Card at the Gatherer"
    QAction *MenuItem3 = nullptr;                 // "Search Card at NederMagic"
    QAction *MenuItemDeck = nullptr;              // "Place Card in Deck" (its menu(): the two below)
    QAction *MenuItemMain = nullptr;              // "Main Deck"
    QAction *MenuItemSB = nullptr;                // "Sideboard"

    // Card details
    void ToonKaartDetails(const QString &id);
    void BrowseTo(const QString &url);
    // Card pages of the database grid's current card (its context menu).
    void MenuItem4Click();   // Search Card at the Gatherer
    void MenuItem3Click();   // Search Card at NederMagic
    // The Id in column 10 of the database grid's current row, empty without one.
    QString currentDbGridId() const;
    // Connects the card-page items of PopupMenu1 to their handlers, once each.
    void connectCardPageItems();

    // Messages
    void ShowMeWarning(const QString &title, const QString &text, const QString &caption1,
                       const QString &caption2, bool visible1, bool visible2);

    // Theme and settings
    void LaadThema();
    void SaveConfig();
    void ReadConfig();

    // Settings file (config): column widths read for a grid that was not
    // there yet are kept; a window that builds or rebuilds one of the five
    // saved grids calls this to give it the stored widths.
    void ApplyColumnWidths();

    // Window handling
    void SwitchFullScreen();
    void IcoondbClick();
    void IcoonCollectieClick();
    void IcoonDecksClick();
    void IcoonFotoClick();
    void IcoonPrefsClick();
    // -- window handling (main window, tool windows, window menu) --
    void CloseButtonClick();
    void FormClick();                        // click on the backdrop
    void ShowWindowMenu(const QPoint &globalPos);
    QMenu *WindowMenu();                     // PopupMenu1 of FormDB, filled on first use
    void AboutClick();
    // Shows every tool window whose icon is hidden, in the order collection,
    // card details, database, decks (after the preferences or About close).
    void ShowOpenToolWindows();
    // Dialog mode or backdrop mode, after the check box CB_UseDialog.
    void ApplyWindowMode();
    // The print dialog of the main window and its printer, made on first use.
    QPrintDialog *PrintDialog1();
    QPrinter *Printer();
    // How often closing the main window wrote the settings.
    int saveConfigCount() const { return m_saveConfigCount; }

    // Components
    QLabel *ImageBackGround = nullptr;
    QLabel *CloseButton = nullptr;
    QLabel *IcoonPrefs = nullptr;
    QLabel *IcoonCollectie = nullptr;
    QLabel *Icoondb = nullptr;
    QLabel *IcoonDecks = nullptr;
    QLabel *IcoonFoto = nullptr;
    QMenu *PopupMenu1 = nullptr;   // context menu of the database grid
    QMenu *PopupMenu2 = nullptr;   // context menu of the collection grid

    // Problems met while reading the set files at start, one line each.
    QStringList setFileProblems() const { return m_setFileProblems; }

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    // -- window handling --
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startupFirstShow();
    bool loadManaImages();
    void fillCollectionTree();
    void fillDeckTree();
    void layoutIcons();
    void setupWindowHandling();

    // -- window handling --
    QPrinter *m_printer = nullptr;
    QPrintDialog *m_printDialog = nullptr;
    int m_saveConfigCount = 0;
    bool m_inFirstShow = false;

    bool m_startupFailed = false;
    bool m_closing = false;
    QStringList m_setFileProblems;
};
