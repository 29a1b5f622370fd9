#pragma once
// Shared fixture of the window tests: a small data root in a temporary
// folder, and the program's windows created on it.

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestDataRoot {
public:
    TestDataRoot();
    QString path() const { return m_dir.path(); }
    QString file(const QString &rel) const { return m_dir.path() + QLatin1Char('/') + rel; }

    void write(const QString &rel, const QByteArray &bytes) const;
    // MagicDB/<fileForm>.xml with the given cards, each a list of values
    // id, name, cost, type, power, toughness, edition, rarity, text, artist
    // (an empty artist writes no artist line), price.
    void addSet(const QString &fileForm, const QList<QStringList> &cards) const;
    // The 39 symbol bitmaps and the PNG pictures of Images/mana, except `skip`.
    void addManaPictures(const QStringList &skip = {}) const;
    // Theme/<name>/ with its ten pictures, each filled with themeColor(file,
    // variant), except the files in `skip`; the name is added to Theme/themes.
    // Every data root starts with a complete "Black" theme (variant 0).
    void addTheme(const QString &name, int variant, const QStringList &skip = {}) const;
    static QColor themeColor(const QString &file, int variant);
    // A card picture (JPEG) of the given size and colour.
    void addPicture(const QString &rel, int w, int h, Qt::GlobalColor color) const;

    static QByteArray cardBlock(const QStringList &values);

private:
    QTemporaryDir m_dir;
};

// Creates all windows on `root` and runs the first showing of the main
// window. Messages are recorded, not shown; the message window answers NO.
class AppFixture {
public:
    explicit AppFixture(const TestDataRoot &root, const QStringList &args = {}, bool start = true);
    ~AppFixture();
    QString home() const { return m_home; }
    QString temp() const { return m_temp; }

private:
    QString m_home;
    QString m_temp;
    QByteArray m_oldHome;
    bool m_hadHome = false;
};
