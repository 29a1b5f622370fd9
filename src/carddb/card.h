#pragma once
// The card record and the card tables shared by every window.

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct TKaart {
    QString Id;
    QString Name;
    QString Power;
    QString Toughness;
    QString Cost;
    QString CardType;
    QString Edition;
    QString Rarity;
    QString DbPrice;
    QString Color;
    qint32 Count = 0;
    QString OracleText;
    QString Artist;
};

bool operator==(const TKaart &a, const TKaart &b);
inline bool operator!=(const TKaart &a, const TKaart &b) { return !(a == b); }

// A growing table of cards, indexed from 1 like the rest of the program.
// Lookups by Id (first entry wins) and by Name (last entry wins) go through
// hash indexes kept beside the rows, so they cost the same for any table size.
class CardTable {
public:
    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    const TKaart &at(int index) const { return m_rows[size_t(index - 1)]; }
    const TKaart &operator[](int index) const { return at(index); }

    void append(const TKaart &card);
    void append(TKaart &&card);
    // Replaces entry `index`; keeps the indexes right when Id or Name change.
    void set(int index, const TKaart &card);
    // Only the copy count changes: no index work needed.
    void setCount(int index, qint32 count) { m_rows[size_t(index - 1)].Count = count; }
    void removeAt(int index);
    void clear();
    void reserve(int n) { m_rows.reserve(size_t(n)); }

    // 1-based index of the first entry with this Id, 0 when there is none.
    int firstWithId(const QString &id) const { return m_firstById.value(id, 0); }
    // 1-based index of the last entry with this Name, 0 when there is none.
    int lastWithName(const QString &name) const { return m_lastByName.value(name, 0); }

    std::vector<TKaart>::const_iterator begin() const { return m_rows.begin(); }
    std::vector<TKaart>::const_iterator end() const { return m_rows.end(); }

private:
    void indexAppended(int index);
    void rebuildIndexes();

    std::vector<TKaart> m_rows;
    QHash<QString, int> m_firstById;
    QHash<QString, int> m_lastByName;
};

// Program-wide card state, under the names the rest of the program uses.
struct CardState {
    TKaart Kaart;                 // the current card
    CardTable Kaarten;            // the catalogue, filled once at start
    CardTable VerzamelKaart;      // the loaded collection
    int IndexKaart = 0;           // index found by the last successful lookup
    int TotaalKaartenInVerzameling = 0;
    int AantalGetoondeKaarten = 0;
    QStringList GeladenSets;      // distinct sets in the loaded collection

    int AantalKaarten() const { return Kaarten.count(); }
    int AantalKaartenInVerzameling() const { return VerzamelKaart.count(); }
    int GevondenSets() const { return int(GeladenSets.size()); }

    // Make the catalogue card with this Id the current card (Count := 1).
    // Nothing changes when no card has this Id.
    void LaadKaart(const QString &id);
    // Make the loaded collection's entry with this Id the current card.
    void LaadVerzamelKaart(const QString &id);
    // Make the last-read catalogue card of this name the current card,
    // through LaadKaart with its Id.
    void GetKaartFromName(const QString &name);

    void reset();
};

CardState &Cards();

// True when `id` is a non-empty run of ASCII digits: only such ids are ever
// put into file names and web addresses.
bool isSafeCardId(const QString &id);
