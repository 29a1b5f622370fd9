#pragma once
// The card details window: picture, name, type line, cost symbols, power and
// toughness, rules text, illustrator and the sets holding the card's name.

#include "app/widgettoolwindow.h"

#include <QFrame>
#include <QListWidget>
#include <QPixmap>

class TFormFoto : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormFoto(QWidget *parent = nullptr);

    static constexpr int ManaCount = 10;

    QLabel *LabelDetails = nullptr;
    QLabel *LabelDetails1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *ImagePrinter = nullptr;
    QLabel *ImageSubMenu = nullptr;
    QLabel *ImageMinimizeDetails = nullptr;
    QLabel *Panel1 = nullptr;             // white, lowered bevel; its caption shows through an empty picture
    QLabel *ImageCard = nullptr;
    QLabel *LabelNameCard = nullptr;
    QLabel *LabelTypeCard = nullptr;
    QLabel *LabelMana = nullptr;
    QLabel *ImageMana1 = nullptr, *ImageMana2 = nullptr, *ImageMana3 = nullptr, *ImageMana4 = nullptr;
    QLabel *ImageMana5 = nullptr, *ImageMana6 = nullptr, *ImageMana7 = nullptr, *ImageMana8 = nullptr;
    QLabel *ImageMana9 = nullptr, *ImageMana10 = nullptr;
    // ImageMana1 .. ImageMana10 by number (1-based).
    QLabel *imageMana(int k) const { return m_mana[k - 1]; }
    QLabel *LabelPower1 = nullptr;
    QLabel *LabelPower2 = nullptr;
    QLabel *LabelThough1 = nullptr;
    QLabel *LabelThough2 = nullptr;
    QLabel *LabelText = nullptr;
    QLabel *LabelIllus1 = nullptr;
    QLabel *LabelIllus2 = nullptr;
    QLabel *LabelAvailable = nullptr;
    QListWidget *ListBox1 = nullptr;

    // The card picture: `stretched` fills the picture area, otherwise the
    // picture keeps its own size and is centred. A null pixmap clears it.
    void setCardPicture(const QPixmap &picture, bool stretched);
    void clearCardPicture() { setCardPicture(QPixmap(), false); }
    bool hasCardPicture() const { return !m_picture.isNull(); }
    bool cardPictureStretched() const { return m_stretched; }
    void setStretched(bool stretched);

    // Places the text block below the picture, each element below the one
    // before it, then fits the window's height.
    void layoutDetails();
    // The window ends 8 pixels below the set list.
    void ImageCardPictureChanged();
    void ImageCardClick() {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QLabel *m_mana[ManaCount] = {};
    QPixmap m_picture;
    bool m_stretched = false;
    bool m_layingOut = false;
    bool m_ready = false;   // all components made
};
