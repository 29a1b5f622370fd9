#include "carddb/card.h"

bool operator==(const TKaart &a, const TKaart &b)
{
    return a.Id == b.Id && a.Name == b.Name && a.Power == b.Power && a.Toughness == b.Toughness
        && a.Cost == b.Cost && a.CardType == b.CardType && a.Edition == b.Edition
        && a.Rarity == b.Rarity && a.DbPrice == b.DbPrice && a.Color == b.Color
        && a.Count == b.Count && a.OracleText == b.OracleText && a.Artist == b.Artist;
}

void CardTable::append(const TKaart &card)
{
    m_rows.push_back(card);
    indexAppended(count());
}

void CardTable::append(TKaart &&card)
{
    m_rows.push_back(std::move(card));
    indexAppended(count());
}

void CardTable::indexAppended(int index)
{
    const TKaart &c = m_rows[size_t(index - 1)];
    if (!m_firstById.contains(c.Id))
        m_firstById.insert(c.Id, index);
    m_lastByName.insert(c.Name, index);
}

void CardTable::set(int index, const TKaart &card)
{
    TKaart &row = m_rows[size_t(index - 1)];
    const bool keysChange = row.Id != card.Id || row.Name != card.Name;
    row = card;
    if (keysChange)
        rebuildIndexes();
}

void CardTable::removeAt(int index)
{
    m_rows.erase(m_rows.begin() + (index - 1));
    rebuildIndexes();
}

void CardTable::clear()
{
    m_rows.clear();
    m_firstById.clear();
    m_lastByName.clear();
}

void CardTable::rebuildIndexes()
{
    m_firstById.clear();
    m_lastByName.clear();
    for (int i = 1; i <= count(); ++i)
        indexAppended(i);
}

void CardState::LaadKaart(const QString &id)
{
    const int i = Kaarten.firstWithId(id);
    if (i == 0)
        return;
    Kaart = Kaarten.at(i);
    Kaart.Count = 1;
    IndexKaart = i;
}

void CardState::LaadVerzamelKaart(const QString &id)
{
    const int i = VerzamelKaart.firstWithId(id);
    if (i == 0)
        return;
    Kaart = VerzamelKaart.at(i);
    IndexKaart = i;
}

void CardState::GetKaartFromName(const QString &name)
{
    const int i = Kaarten.lastWithName(name);
    if (i == 0)
        return;
    LaadKaart(Kaarten.at(i).Id);
}

void CardState::reset()
{
    *this = CardState();
}

CardState &Cards()
{
    static CardState state;
    return state;
}

bool isSafeCardId(const QString &id)
{
    if (id.isEmpty() || id.size() > 18)
        return false;
    for (QChar c : id)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}
