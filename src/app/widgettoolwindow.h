#pragma once
// Common base of the four floating tool windows (database, collection, decks,
// card details): a backdrop picture, a title drawn with a shadow copy, a
// minimize picture and the window-menu picture.

#include <QLabel>
#include <QWidget>

class TToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit TToolWindow(QWidget *parent = nullptr);

    QLabel *backdrop() const { return m_backdrop; }

protected:
    // A picture label with an object name; scaled pictures fill it.
    QLabel *makeImage(const QString &name, int w, int h, bool scaled = true);
    // The white title over its black shadow copy, one pixel lower and right.
    void makeTitle(const QString &whiteName, const QString &shadowName, const QString &caption,
                   QLabel **white, QLabel **shadow);
    void resizeEvent(QResizeEvent *e) override;

    QLabel *m_backdrop = nullptr;
};
