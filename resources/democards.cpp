#include "democards.h"

#include "demorng.h"

#include "carddb/mana.h"
#include "carddb/setlist.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>

#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace {

// ---------------------------------------------------------------------------
// Per-set plan: how many printings, what kind of set, which features.

enum SetKind { Core, Expansion, Reprints, DeckSet, Promo, Vanguard, Funny };

enum Feature : unsigned {
    Gold = 1u << 0,         // two-colour cards
    Hybrid = 1u << 1,       // {B/R} style costs
    TwoHybrid = 1u << 2,    // {2/W} style costs
    Phyrexian = 1u << 3,    // {WP} style costs
    Mythic = 1u << 4,       // the "Mythic Rare" rarity exists
    Walkers = 1u << 5,      // planeswalkers
    Tribal = 1u << 6,
    Snow = 1u << 7,
    Equipment = 1u << 8,
    Artifacts = 1u << 9,    // artifact-heavy set
    Interrupts = 1u << 10,  // the old "Interrupt" spell type
    Showcase = 1u << 11,    // home of the odd costs ({12}, {15}, very long costs ...)
};

struct SetPlan
{
    int size;
    SetKind kind;
    unsigned features;
};

// In set-list order; the sizes add up to a little over 20,000 printings.
const SetPlan kPlans[] = {
    {295, Core, Interrupts},                            // Limited Edition Alpha
    {302, Core, Interrupts},                            // Limited Edition Beta
    {302, Core, Interrupts},                            // Unlimited Edition
    {306, Core, Interrupts},                            // Revised Edition
    {378, Core, 0},                                     // Fourth Edition
    {449, Core, 0},                                     // Fifth Edition
    {350, Core, 0},                                     // Classic Sixth Edition
    {350, Core, 0},                                     // Seventh Edition
    {357, Core, Equipment},                             // Eighth Edition
    {359, Core, Equipment},                             // Ninth Edition
    {383, Core, Equipment | Tribal},                    // Tenth Edition
    {249, Core, Mythic | Walkers | Equipment},          // Magic 2010
    {249, Core, Mythic | Walkers | Equipment},          // Magic 2011
    {249, Core, Mythic | Walkers | Equipment},          // Magic 2012
    {145, Expansion, Gold | Hybrid | Mythic | Walkers}, // Alara Reborn
    {199, Expansion, Snow},                             // Alliances
    {100, Expansion, Artifacts},                        // Antiquities
    {143, Expansion, Gold},                             // Apocalypse
    {92, Expansion, 0},                                 // Arabian Nights
    {165, Expansion, 0},                                // Betrayers of Kamigawa
    {306, Expansion, Equipment},                        // Champions of Kamigawa
    {155, Expansion, Snow},                             // Coldsnap
    {145, Expansion, Gold | Mythic | Walkers},          // Conflux
    {165, Expansion, Equipment | Artifacts},            // Darksteel
    {180, Expansion, Gold | Hybrid},                    // Dissension
    {180, Expansion, Hybrid | TwoHybrid},               // Eventide
    {143, Expansion, 0},                                // Exodus
    {187, Expansion, 0},                                // Fallen Empires
    {165, Expansion, Equipment | Artifacts},            // Fifth Dawn
    {180, Expansion, Tribal},                           // Future Sight
    {165, Expansion, Gold | Hybrid},                    // Guildpact
    {140, Expansion, 0},                                // Homelands
    {383, Expansion, Snow},                             // Ice Age
    {350, Expansion, Gold},                             // Invasion
    {143, Expansion, 0},                                // Judgment
    {310, Expansion, Gold},                             // Legends
    {145, Expansion, 0},                                // Legions
    {301, Expansion, Tribal | Walkers},                 // Lorwyn
    {350, Expansion, 0},                                // Mercadian Masques
    {350, Expansion, 0},                                // Mirage
    {306, Expansion, Equipment | Artifacts},            // Mirrodin
    {155, Expansion, Equipment | Mythic | Phyrexian},   // Mirrodin Besieged
    {150, Expansion, Tribal},                           // Morningtide
    {143, Expansion, 0},                                // Nemesis
    {175, Expansion, Phyrexian | Mythic | Walkers | Equipment}, // New Phyrexia
    {350, Expansion, 0},                                // Odyssey
    {350, Expansion, 0},                                // Onslaught
    {165, Expansion, 0},                                // Planar Chaos
    {143, Expansion, Gold},                             // Planeshift
    {143, Expansion, 0},                                // Prophecy
    {306, Expansion, Gold | Hybrid},                    // Ravnica: City of Guilds
    {248, Expansion, Mythic | Walkers | Tribal},        // Rise of the Eldrazi
    {165, Expansion, 0},                                // Saviors of Kamigawa
    {249, Expansion, Equipment | Mythic | Walkers | Artifacts}, // Scars of Mirrodin
    {143, Expansion, 0},                                // Scourge
    {301, Expansion, Hybrid | TwoHybrid},               // Shadowmoor
    {249, Expansion, Gold | Mythic | Walkers},          // Shards of Alara
    {143, Expansion, 0},                                // Stronghold
    {350, Expansion, 0},                                // Tempest
    {119, Expansion, 0},                                // The Dark
    {301, Expansion, 0},                                // Time Spiral
    {121, Reprints, 0},                                 // Time Spiral "Timeshifted"
    {143, Expansion, 0},                                // Torment
    {143, Expansion, 0},                                // Urza's Destiny
    {143, Expansion, 0},                                // Urza's Legacy
    {350, Expansion, 0},                                // Urza's Saga
    {107, Vanguard, 0},                                 // Vanguard
    {167, Expansion, 0},                                // Visions
    {167, Expansion, 0},                                // Weatherlight
    {145, Expansion, Mythic | Walkers},                 // Worldwake
    {269, Expansion, Mythic | Walkers},                 // Zendikar
    {150, DeckSet, Gold},                               // Archenemy
    {125, Reprints, 0},                                 // Chronicles
    {15, Reprints, Mythic},                             // From the Vault: Dragons
    {15, Reprints, Mythic},                             // From the Vault: Exiled
    {15, Reprints, Mythic},                             // From the Vault: Relics
    {168, DeckSet, 0},                                  // Planechase
    {222, Expansion, 0},                                // Portal
    {165, Expansion, 0},                                // Portal Second Age
    {180, Expansion, 0},                                // Portal Three Kingdoms
    {173, DeckSet, 0},                                  // Starter 1999
    {57, DeckSet, 0},                                   // Starter 2000
    {94, Funny, Showcase},                              // Unglued
    {141, Funny, Showcase},                             // Unhinged
    {120, Promo, 0},                                    // Magic Online Promo Cards
    {60, Promo, 0},                                     // Promo set for Gatherer
    {136, DeckSet, 0},                                  // Battle Royale Box Set
    {90, DeckSet, 0},                                   // Beatdown Box Set
    {195, Reprints, 0},                                 // Masters Edition
    {245, Reprints, Snow},                              // Masters Edition II
    {230, Reprints, Gold},                              // Masters Edition III
    {269, Reprints, Artifacts},                         // Masters Edition IV
    {62, DeckSet, 0},                                   // Duel Decks: Divine vs. Demonic
    {62, DeckSet, Tribal},                              // Duel Decks: Elves vs. Goblins
    {64, DeckSet, Walkers},                             // Duel Decks: Garruk vs. Liliana
    {62, DeckSet, Walkers},                             // Duel Decks: Jace vs. Chandra
    {62, DeckSet, Gold | Phyrexian},                    // Duel Decks: Phyrexia vs. the Coalition
    {79, DeckSet, Walkers | Equipment | Artifacts},     // Duel Decks: Elspeth vs. Tezzeret
    {81, DeckSet, 0},                                   // Duel Decks: Knights vs. Dragons
    {41, DeckSet, 0},                                   // Premium Deck Series: Slivers
    {34, DeckSet, 0},                                   // Premium Deck Series: Fire and Lightning
    {318, DeckSet, Gold},                               // Magic: The Gathering-Commander
};
static_assert(sizeof(kPlans) / sizeof(kPlans[0]) == 102, "one plan per set");

const int kCoreSets = 14;

// ---------------------------------------------------------------------------
// Word material. Every name is built around at least one invented word, so no
// name can be a real card's name.

const QStringList kOnsets = {
    "K", "V", "M", "Th", "Z", "Or", "Br", "Esk", "D", "Ir", "Qu", "S", "N", "F", "G", "H", "L",
    "Ulv", "Rh", "T", "W", "Ast", "C", "Jh", "X", "Ob", "P", "Sar", "Vey", "Yth", "Kr", "Dr",
    "Mael", "Gw", "Ith", "Al", "Bel", "Cyr", "Em", "Har",
};
const QStringList kVowels = {"a", "e", "i", "o", "u", "ae", "y", "ia", "ei", "a", "e", "o"};
const QStringList kShortCodas = {"n", "r", "l", "s", "th", "x", "k"};
const QStringList kCodas = {
    "n", "th", "r", "l", "s", "k", "x", "dra", "mir", "vek", "lis", "gar", "wyn", "tos", "rik",
    "ven", "dor", "nia", "sh", "ld", "rn", "mos", "quin", "zar", "lyn", "bek",
};

const QStringList kCreatureNouns = {
    "Warden", "Stalker", "Sentinel", "Herald", "Seer", "Raider", "Stalwart", "Guardian", "Drifter",
    "Reaver", "Mystic", "Hunter", "Tracker", "Caller", "Keeper", "Shade", "Colossus", "Wyrm",
    "Whelp", "Lancer", "Harrier", "Skirmisher", "Acolyte", "Channeler", "Brute", "Outrider",
    "Sage", "Prowler", "Scavenger", "Vanguard Scout", "Tidecaller", "Ashwalker", "Thornback",
};
const QStringList kSpellNouns = {
    "Rebuke", "Insight", "Blessing", "Torrent", "Blaze", "Embrace", "Gambit", "Requiem", "Tithe",
    "Surge", "Lament", "Reverie", "Edict", "Verdict", "Whisper", "Bloom", "Harvest", "Cinders",
    "Downpour", "Reckoning", "Respite", "Undertow", "Kindling", "Outburst", "Renewal",
};
const QStringList kArtifactNouns = {
    "Lantern", "Idol", "Orb", "Engine", "Charm", "Sigil", "Compass", "Crown", "Mirror", "Anvil",
    "Chalice", "Loom", "Totem", "Reliquary", "Hourglass", "Astrolabe", "Censer",
};
const QStringList kEquipmentNouns = {"Blade", "Mantle", "Gauntlet", "Spear", "Aegis", "Helm", "Greaves", "Cloak"};
const QStringList kEnchantNouns = {
    "Pact", "Oath", "Grace", "Shroud", "Binding", "Covenant", "Curse", "Vow", "Ward", "Hymn", "Omen",
};
const QStringList kLandNouns = {
    "Vale", "Spire", "Marsh", "Hollow", "Ruins", "Reach", "Crossing", "Sanctum", "Quarry", "Fen",
    "Grotto", "Citadel", "Steppe", "Archive",
};
const QStringList kAdjectives = {
    "Pale", "Ashen", "Gilded", "Hollow", "Silent", "Verdant", "Sunken", "Restless", "Iron", "Woven",
    "Amber", "Veiled", "Shattered", "Wandering",
};

const char *const kColorLetters = "WUBRG";

// Creature types by colour; index 5 is for colourless artifact creatures.
const QStringList kRaces[6] = {
    {"Human", "Angel", "Kithkin", "Cat", "Bird", "Unicorn"},
    {"Merfolk", "Sphinx", "Faerie", "Serpent", "Bird", "Homunculus"},
    {"Zombie", "Vampire", "Horror", "Spirit", "Insect", "Shade"},
    {"Goblin", "Dragon", "Giant", "Minotaur", "Elemental", "Ogre"},
    {"Elf", "Beast", "Treefolk", "Wurm", "Wolf", "Dryad"},
    {"Golem", "Construct", "Myr", "Thopter", "Juggernaut", "Gargoyle"},
};
const QStringList kClasses = {
    "Warrior", "Wizard", "Cleric", "Rogue", "Shaman", "Soldier", "Knight", "Druid", "Scout",
    "Monk", "Berserker", "Archer",
};
const QStringList kKeywords[5] = {
    {"Flying", "Vigilance", "First strike", "Lifelink"},
    {"Flying", "Flash", "Shroud", "Islandwalk"},
    {"Deathtouch", "Fear", "Swampwalk", "Flying"},
    {"Haste", "First strike", "Trample", "Mountainwalk"},
    {"Trample", "Reach", "Vigilance", "Forestwalk"},
};
const QStringList kBasicTypes = {"Plains", "Island", "Swamp", "Mountain", "Forest"};
const QStringList kBasicNames = {
    "Plains of Orrim", "Isle of Quessa", "Swamp of Durnvek", "Peaks of Kharzal", "Forest of Ilvane",
};

// Invented lines of lore for the italic flavour lines.
const QStringList kLore = {
    "&quot;The vellum remembers what the scribes forget.&quot;",
    "&quot;Every page turned is a gate opened.&quot;",
    "&quot;We don&apos;t count the stars. We catalogue them.&quot;",
    "&quot;Ink dries. Oaths don&apos;t.&quot;",
    "Some tomes are read. Others read you.",
    "&quot;Shelve it with the others, and mind the teeth.&quot;",
    "The archive&apos;s lamps never go out, not even for the dead.",
};

QString capitalized(const QString &s)
{
    return s.isEmpty() ? s : s.left(1).toUpper() + s.mid(1);
}

class NameMaker
{
public:
    explicit NameMaker(DemoRng &rng) : m_rng(rng) {}

    QString word()
    {
        QString w = m_rng.pick(kOnsets) + m_rng.pick(kVowels) + m_rng.pick(kCodas);
        if (m_rng.chance(15))
            w += m_rng.pick(kVowels) + m_rng.pick(kShortCodas);
        return capitalized(w.toLower());
    }

    // A name not used before (compared after entity replacement).
    QString unique(const std::function<QString()> &make)
    {
        for (;;) {
            const QString n = make();
            const QString plain = demoPlainText(n);
            if (!m_used.contains(plain) && !plain.contains(QLatin1Char(';'))) {
                m_used.insert(plain);
                return n;
            }
        }
    }

    void reserve(const QString &plain) { m_used.insert(plain); }

private:
    DemoRng &m_rng;
    QSet<QString> m_used;
};

// ---------------------------------------------------------------------------

class Generator
{
public:
    Generator() : m_rng(0x5EED0F7A11E7ull), m_names(m_rng) {}

    DemoCatalogue run();

private:
    int newDesign(int set);
    int basicDesign(int kind, bool snow);
    QString makeCost(const QString &colors, int cmc, unsigned features, bool allowX);
    QString creatureText(const QString &colors, const QString &name);
    QString spellText(const QString &colors, bool instant);
    QString flavour();
    QString rarityFor(int set, const DemoDesign &d);
    QString priceFor(int set, const QString &rarity);
    QString artist(int set);
    void addShowcase(int set, QVector<int> &designs);

    DemoRng m_rng;
    NameMaker m_names;
    DemoCatalogue m_cat;
    QStringList m_artists;
    QHash<int, int> m_basic;                // kind (+5 for snow) -> design
    QVector<QVector<int>> m_designsOfSet;   // designs of each set, printing order
};

QString Generator::flavour()
{
    return QStringLiteral("&lt;i&gt;") + m_rng.pick(kLore) + QStringLiteral("&lt;/i&gt;");
}

QString Generator::makeCost(const QString &colors, int cmc, unsigned features, bool allowX)
{
    // Symbols in the usual order: X, generic, then coloured ones.
    QStringList coloured;
    if (colors.isEmpty()) {
        // colourless: generic only
    } else if (colors.size() == 2 && (features & Hybrid) && m_rng.chance(45)) {
        // Hybrid pairs are written in their fixed order, e.g. {B/R}, {G/W}.
        static const QStringList pairs = {"B/R", "R/G", "U/B", "G/W", "W/U", "G/U", "W/B", "B/G", "U/R", "R/W"};
        QString pair;
        for (const QString &p : pairs) {
            if (p.contains(colors.at(0)) && p.contains(colors.at(1)))
                pair = p;
        }
        const int n = std::max(1, std::min(cmc, m_rng.range(1, 4)));
        for (int i = 0; i < n; ++i)
            coloured << pair;
    } else {
        const int maxColoured = std::max(int(colors.size()), std::min(cmc, 3));
        const int n = std::max(int(colors.size()), m_rng.range(1, maxColoured));
        for (int i = 0; i < n; ++i)
            coloured << QString(colors.at(i % colors.size()));
        std::sort(coloured.begin(), coloured.end(), [](const QString &a, const QString &b) {
            return QByteArray(kColorLetters).indexOf(a.toLatin1()) < QByteArray(kColorLetters).indexOf(b.toLatin1());
        });
        if (colors.size() == 1 && (features & TwoHybrid) && m_rng.chance(25)) {
            for (QString &c : coloured)
                c = QStringLiteral("2/") + c;
            cmc += int(coloured.size());    // each {2/x} counts as two
        } else if (colors.size() == 1 && (features & Phyrexian) && m_rng.chance(30)) {
            coloured.last() = coloured.last() + QStringLiteral("P");
        }
    }
    QString cost;
    if (allowX && m_rng.chance(6))
        cost += QStringLiteral("{X}");
    const int generic = std::max(0, cmc - int(coloured.size()));
    if (generic > 0 || coloured.isEmpty())
        cost += QLatin1Char('{') + QString::number(generic) + QLatin1Char('}');
    for (const QString &c : coloured)
        cost += QLatin1Char('{') + c + QLatin1Char('}');
    return cost;
}

QString Generator::creatureText(const QString &colors, const QString &name)
{
    QStringList lines;
    const int ci = colors.isEmpty() ? -1 : int(QByteArray(kColorLetters).indexOf(colors.at(0).toLatin1()));
    if (ci >= 0 && m_rng.chance(55)) {
        QString kw = m_rng.pick(kKeywords[ci]);
        if (m_rng.chance(30)) {
            const QString second = m_rng.pick(kKeywords[ci]);
            if (second != kw)
                kw += QStringLiteral(", ") + second.toLower();
        }
        lines << kw;
    }
    const QString self = demoPlainText(name).section(QLatin1Char(','), 0, 0).replace(QLatin1Char('\''), QStringLiteral("&apos;"));
    static const QStringList abilities = {
        "When %1 enters the battlefield, look at the top two cards of your library and put one of them into your hand.",
        "Whenever %1 attacks, each opponent loses 1 life and you gain 1 life.",
        "{T}: %1 deals 1 damage to target creature with a page counter on it.",
        "%1 gets +1/+1 as long as you control three or more lands.",
        "At the beginning of your end step, put a page counter on %1.",
        "Sacrifice %1: Create a colorless artifact token named Ink &amp; Quill.",
        "%1 can&apos;t be blocked by creatures with power 2 or less.",
        "{2}: %1 gets +1/+0 until end of turn.",
        "When %1 dies, return target card from your graveyard to your hand at random.",
        "Other creatures you control that share a type with %1 get +0/+1.",
    };
    if (lines.isEmpty() || m_rng.chance(45))
        lines << m_rng.pick(abilities).arg(self);
    if (m_rng.chance(25))
        lines << flavour();
    if (m_rng.chance(12))
        return QString();   // a plain creature without rules text
    return lines.join(QStringLiteral("&lt;br&gt;"));
}

QString Generator::spellText(const QString &colors, bool instant)
{
    static const QStringList effects[6] = {
        {"You gain 4 life, then scry 1.", "Destroy target enchantment an opponent controls.",
         "Creatures you control get +1/+1 until end of turn. Put a page counter on each of them."},
        {"Counter target spell unless its controller pays {3}.", "Return target creature to its owner&apos;s hand. Draw a card at the beginning of the next upkeep.",
         "Look at the top three cards of target player&apos;s library, then put them back in any order."},
        {"Target opponent discards two cards at random, then loses 1 life.", "Destroy target creature with a page counter on it. Its controller gains 2 life.",
         "Each player sacrifices a creature, then draws a card."},
        {"%N deals 3 damage to target creature and 1 damage to its controller.", "Up to two target creatures can&apos;t block this turn.",
         "%N deals 2 damage divided as you choose among one or two target players."},
        {"Target creature gets +3/+3 and gains reach until end of turn.", "Search your library for a basic land card, reveal it and put it into your hand. Then shuffle.",
         "Destroy target artifact. Its controller may search for a land card &amp; put it onto the battlefield tapped."},
        {"Draw a card, then discard a card.", "Each player gains 2 life.", "Tap target permanent."},
    };
    const int ci = colors.isEmpty() ? 5 : int(QByteArray(kColorLetters).indexOf(colors.at(0).toLatin1()));
    QStringList lines;
    lines << QString(m_rng.pick(effects[ci])).replace(QStringLiteral("%N"), QStringLiteral("This spell"));
    if (instant && m_rng.chance(15))
        lines << QStringLiteral("Cycling {2} &lt;i&gt;({2}, Discard this card: Draw a card.)&lt;/i&gt;");
    if (m_rng.chance(20))
        lines << flavour();
    return lines.join(QStringLiteral("&lt;br&gt;"));
}

int Generator::basicDesign(int kind, bool snow)
{
    const int key = kind + (snow ? 5 : 0);
    const auto it = m_basic.constFind(key);
    if (it != m_basic.constEnd())
        return *it;
    DemoDesign d;
    d.basicLand = true;
    d.name = snow ? QStringLiteral("Frostbound ") + kBasicNames.at(kind) : kBasicNames.at(kind);
    m_names.reserve(d.name);
    d.type = (snow ? QStringLiteral("Basic Snow Land - ") : QStringLiteral("Basic Land - ")) + kBasicTypes.at(kind);
    d.text = QStringLiteral("&lt;i&gt;({T}: Add {%1}.)&lt;/i&gt;").arg(QChar::fromLatin1(kColorLetters[kind]));
    m_cat.designs << d;
    m_basic.insert(key, int(m_cat.designs.size()) - 1);
    return m_basic.value(key);
}

int Generator::newDesign(int set)
{
    const SetPlan &plan = kPlans[set];
    DemoDesign d;
    NameMaker &nm = m_names;

    if (plan.kind == Vanguard) {
        d.name = nm.unique([&] { return nm.word() + QStringLiteral(", ") + m_rng.pick(kAdjectives) + QLatin1Char(' ') + m_rng.pick(kCreatureNouns); });
        d.type = QStringLiteral("Vanguard");
        const int hand = m_rng.range(-2, 2), life = m_rng.range(-6, 8);
        d.power = (hand >= 0 ? QStringLiteral("+") : QString()) + QString::number(hand);
        d.toughness = (life >= 0 ? QStringLiteral("+") : QString()) + QString::number(life);
        static const QStringList powers = {
            "At the beginning of your upkeep, look at the top card of your library. You may put it on the bottom.",
            "Creatures you control get +0/+1.",
            "Whenever you play a land, you gain 1 life.",
            "Spells you cast cost {1} less to cast if they share a colour with a card in your graveyard.",
            "You may play an additional land on each of your turns.",
        };
        d.text = QStringLiteral("Hand %1, life %2.&lt;br&gt;").arg(d.power, d.toughness) + m_rng.pick(powers);
        m_cat.designs << d;
        return int(m_cat.designs.size()) - 1;
    }

    // Colour identity.
    const int roll = m_rng.below(100);
    const int artifactShare = (plan.features & Artifacts) ? 30 : 9;
    const int landShare = 3;
    enum { Coloured, Colourless, NonBasicLand } shape = Coloured;
    if (roll < landShare)
        shape = NonBasicLand;
    else if (roll < landShare + artifactShare)
        shape = Colourless;
    if (shape == Coloured) {
        const int c1 = m_rng.below(5);
        d.colors = QString(QChar::fromLatin1(kColorLetters[c1]));
        if ((plan.features & (Gold | Hybrid)) && m_rng.chance(38)) {
            int c2 = m_rng.below(4);
            if (c2 >= c1)
                ++c2;
            d.colors += QChar::fromLatin1(kColorLetters[c2]);
        }
    }
    const int ci = d.colors.isEmpty() ? 5 : int(QByteArray(kColorLetters).indexOf(d.colors.at(0).toLatin1()));

    // Mana value: mostly 1..5, with a tail up to 10.
    int cmc = m_rng.range(1, 5);
    if (m_rng.chance(12))
        cmc += m_rng.range(1, 4);
    if (m_rng.chance(2))
        cmc = m_rng.range(8, 10);

    if (shape == NonBasicLand) {
        d.name = nm.unique([&] { return nm.word() + QLatin1Char(' ') + m_rng.pick(kLandNouns); });
        if ((plan.features & Snow) && m_rng.chance(30))
            d.type = QStringLiteral("Snow Land");
        else
            d.type = m_rng.chance(8) ? QStringLiteral("Legendary Land") : QStringLiteral("Land");
        const char a = kColorLetters[m_rng.below(5)], b = kColorLetters[m_rng.below(5)];
        d.text = a == b ? QStringLiteral("{T}: Add {%1}.&lt;br&gt;{T}, Pay 1 life: Add {1}{%1}.").arg(QChar::fromLatin1(a))
                        : QStringLiteral("%3 enters the battlefield tapped.&lt;br&gt;{T}: Add {%1} or {%2}.")
                              .arg(QString(QChar::fromLatin1(a)), QString(QChar::fromLatin1(b)), demoPlainText(d.name).replace(QLatin1Char('\''), QStringLiteral("&apos;")));
        m_cat.designs << d;
        return int(m_cat.designs.size()) - 1;
    }

    // Card type.
    int t = m_rng.below(100);
    QString kind;
    if (shape == Colourless) {
        if (t < 40)
            kind = QStringLiteral("artifact creature");
        else if ((plan.features & Equipment) && t < 70)
            kind = QStringLiteral("equipment");
        else
            kind = QStringLiteral("artifact");
    } else {
        if ((plan.features & Walkers) && m_rng.chance(3))
            kind = QStringLiteral("planeswalker");
        else if ((plan.features & Tribal) && m_rng.chance(6))
            kind = QStringLiteral("tribal");
        else if ((plan.features & Interrupts) && m_rng.chance(5))
            kind = QStringLiteral("interrupt");
        else if (t < 52)
            kind = m_rng.chance(7) ? QStringLiteral("legendary creature") : QStringLiteral("creature");
        else if (t < 67)
            kind = QStringLiteral("instant");
        else if (t < 82)
            kind = QStringLiteral("sorcery");
        else if (t < 90)
            kind = QStringLiteral("aura");
        else
            kind = QStringLiteral("enchantment");
    }
    const bool snow = (plan.features & Snow) && m_rng.chance(10);

    if (kind.endsWith(QLatin1String("creature"))) {
        const QString race = m_rng.pick(kRaces[ci]);
        const bool legendary = kind.startsWith(QLatin1String("legendary"));
        if (legendary) {
            d.name = nm.unique([&] { return nm.word() + QStringLiteral(", the ") + m_rng.pick(kAdjectives) + QLatin1Char(' ') + m_rng.pick(kCreatureNouns); });
            d.type = QStringLiteral("Legendary Creature - ") + race;
        } else if (kind.startsWith(QLatin1String("artifact"))) {
            d.name = nm.unique([&] { return nm.word() + QLatin1Char(' ') + race; });
            d.type = QStringLiteral("Artifact Creature - ") + race;
        } else {
            d.name = nm.unique([&] {
                return m_rng.chance(70) ? nm.word() + QLatin1Char(' ') + m_rng.pick(kCreatureNouns)
                                        : m_rng.pick(kCreatureNouns) + QStringLiteral(" of ") + nm.word();
            });
            d.type = (snow ? QStringLiteral("Snow Creature - ") : QStringLiteral("Creature - ")) + race;
            if (ci < 5 && m_rng.chance(45))
                d.type += QLatin1Char(' ') + m_rng.pick(kClasses);
        }
        const int p = std::max(0, cmc + m_rng.range(-2, 1));
        const int q = std::max(1, cmc + m_rng.range(-1, 2));
        d.power = m_rng.chance(3) ? QStringLiteral("*") : QString::number(p);
        d.toughness = QString::number(q);
        d.cost = makeCost(d.colors, cmc, plan.features, false);
        d.text = creatureText(d.colors, d.name);
    } else if (kind == QLatin1String("planeswalker")) {
        const QString who = nm.word();
        d.name = nm.unique([&] { return who + QStringLiteral(", ") + m_rng.pick(kAdjectives) + QLatin1Char(' ') + m_rng.pick(kCreatureNouns); });
        d.type = QStringLiteral("Planeswalker - ") + who;
        d.cost = makeCost(d.colors, std::max(3, std::min(cmc, 6)), plan.features, false);
        d.text = QStringLiteral("+1: Put a page counter on target permanent.&lt;br&gt;"
                                "-2: Draw a card for each page counter among permanents you control.&lt;br&gt;"
                                "-7: You get an emblem with &quot;Spells you cast cost {1} less.&quot;");
    } else if (kind == QLatin1String("tribal")) {
        const QString race = m_rng.pick(kRaces[ci]);
        d.name = nm.unique([&] { return nm.word() + QLatin1Char(' ') + m_rng.pick(kSpellNouns); });
        d.type = QStringLiteral("Tribal Instant - ") + race;
        d.cost = makeCost(d.colors, cmc, plan.features, true);
        d.text = QStringLiteral("Creatures you control of the chosen type get +1/+1 until end of turn.&lt;br&gt;") + spellText(d.colors, true);
    } else if (kind == QLatin1String("instant") || kind == QLatin1String("sorcery") || kind == QLatin1String("interrupt")) {
        d.name = nm.unique([&] {
            switch (m_rng.below(3)) {
            case 0: return nm.word() + QStringLiteral("&apos;s ") + m_rng.pick(kSpellNouns);
            case 1: return m_rng.pick(kSpellNouns) + QStringLiteral(" of ") + nm.word();
            default: return nm.word() + QLatin1Char(' ') + m_rng.pick(kSpellNouns);
            }
        });
        d.type = kind == QLatin1String("instant") ? QStringLiteral("Instant")
               : kind == QLatin1String("sorcery") ? QStringLiteral("Sorcery") : QStringLiteral("Interrupt");
        d.cost = makeCost(d.colors, std::min(cmc, 7), plan.features, true);
        d.text = spellText(d.colors, kind != QLatin1String("sorcery"));
    } else if (kind == QLatin1String("aura") || kind == QLatin1String("enchantment")) {
        d.name = nm.unique([&] {
            return m_rng.chance(50) ? nm.word() + QStringLiteral("&apos;s ") + m_rng.pick(kEnchantNouns)
                                    : m_rng.pick(kEnchantNouns) + QStringLiteral(" of ") + nm.word();
        });
        const bool aura = kind == QLatin1String("aura");
        d.type = QString(snow ? QStringLiteral("Snow Enchantment") : QStringLiteral("Enchantment")) + (aura ? QStringLiteral(" - Aura") : QString());
        d.cost = makeCost(d.colors, std::min(cmc, 6), plan.features, false);
        d.text = aura ? QStringLiteral("Enchant creature&lt;br&gt;Enchanted creature gets +%1/+%1 and can&apos;t be the target of spells your opponents cast.").arg(m_rng.range(1, 3))
                      : QStringLiteral("At the beginning of your upkeep, you may pay {1}. If you do, put a page counter on %1.&lt;br&gt;Remove three page counters from %1: Draw a card.")
                            .arg(demoPlainText(d.name).replace(QLatin1Char('\''), QStringLiteral("&apos;")));
    } else if (kind == QLatin1String("equipment")) {
        d.name = nm.unique([&] { return nm.word() + QStringLiteral("&apos;s ") + m_rng.pick(kEquipmentNouns); });
        d.type = QStringLiteral("Artifact - Equipment");
        d.cost = makeCost(QString(), std::min(cmc, 5), plan.features, false);
        d.text = QStringLiteral("Equipped creature gets +%1/+0.&lt;br&gt;Equip {%2}").arg(m_rng.range(1, 3)).arg(m_rng.range(1, 4));
    } else {
        d.name = nm.unique([&] {
            return m_rng.chance(60) ? nm.word() + QLatin1Char(' ') + m_rng.pick(kArtifactNouns)
                                    : m_rng.pick(kAdjectives) + QLatin1Char(' ') + m_rng.pick(kArtifactNouns) + QStringLiteral(" of ") + nm.word();
        });
        d.type = m_rng.chance(5) ? QStringLiteral("Legendary Artifact") : QStringLiteral("Artifact");
        d.cost = makeCost(QString(), m_rng.chance(4) ? 0 : std::min(cmc, 7), plan.features, true);
        d.text = QStringLiteral("{T}: Add one mana of any colour. Spend it only on spells with a page counter cost.&lt;br&gt;") + spellText(QString(), true);
    }
    m_cat.designs << d;
    return int(m_cat.designs.size()) - 1;
}

// A few deliberately odd costs: numbers without a picture, the big numbers
// that have one, and costs longer than the ten symbols the details show.
void Generator::addShowcase(int set, QVector<int> &designs)
{
    struct Odd { const char *type; const char *cost; const char *power; const char *toughness; const char *colors; };
    static const Odd odd83[] = {
        {"Artifact", "{0}", "", "", ""},
        {"Creature - Giant Wurm", "{11}{G}", "11", "11", "G"},
        {"Sorcery", "{12}", "", "", ""},
        {"Artifact Creature - Juggernaut", "{15}", "15", "15", ""},
        {"Creature - Elemental Horror", "{16}", "16", "16", ""},
        {"Creature - Sphinx Wizard", "{W}{W}{W}{W}{W}{W}{U}{U}{U}{U}{U}{U}", "6", "6", "WU"},
    };
    static const Odd odd84[] = {
        {"Instant", "{10}{B}", "", "", "B"},
        {"Creature - Dragon", "{7}{R}{R}{R}{R}{R}{R}{R}{R}{R}{R}", "10", "10", "R"},
        {"Enchantment", "{2}{W}{U}{B}{R}{G}{W}{U}{B}{R}{G}", "", "", "WUBRG"},
        {"Artifact", "{13}", "", "", ""},
        {"Instant", "{G/W}{W/U}{U/B}{B/R}{R/G}{G/U}{W/B}{B/G}{U/R}{R/W}{2/W}{2/U}{2/B}{2/R}{2/G}", "", "", "WUBRG"},
        {"Sorcery", "{WP}{UP}{BP}{RP}{GP}{X}{9}{8}", "", "", "WUBRG"},
    };
    const bool first = set == 82;   // Unglued; Unhinged gets the other half
    for (int i = 0; i < 6; ++i) {
        const Odd &o = first ? odd83[i] : odd84[i];
        DemoDesign d;
        d.type = QString::fromLatin1(o.type);
        d.cost = QString::fromLatin1(o.cost);
        d.power = QString::fromLatin1(o.power);
        d.toughness = QString::fromLatin1(o.toughness);
        d.colors = QString::fromLatin1(o.colors);
        d.name = m_names.unique([&] { return QStringLiteral("Sample ") + m_names.word() + QLatin1Char(' ') + m_rng.pick(kArtifactNouns); });
        d.text = QStringLiteral("This card&apos;s cost is printed for the sake of the sample.&lt;br&gt;&lt;i&gt;&quot;Count the symbols twice.&quot;&lt;/i&gt;");
        m_cat.designs << d;
        designs << int(m_cat.designs.size()) - 1;
    }
}

QString Generator::rarityFor(int set, const DemoDesign &d)
{
    if (d.basicLand)
        return QStringLiteral("Basic Land");
    const SetPlan &plan = kPlans[set];
    if (plan.kind == Vanguard || plan.kind == Promo)
        return QStringLiteral("Special");
    if (set == 61)
        return QStringLiteral("Special");     // the timeshifted sheet
    if (d.type.startsWith(QLatin1String("Planeswalker")))
        return (plan.features & Mythic) ? QStringLiteral("Mythic Rare") : QStringLiteral("Rare");
    const int r = m_rng.below(100);
    if ((plan.features & Mythic) && r < 5)
        return QStringLiteral("Mythic Rare");
    if (r < 25)
        return QStringLiteral("Rare");
    if (r < 55)
        return QStringLiteral("Uncommon");
    return QStringLiteral("Common");
}

QString Generator::priceFor(int set, const QString &rarity)
{
    int cents;
    if (rarity == QLatin1String("Basic Land") || rarity == QLatin1String("Common"))
        cents = 5 + 5 * m_rng.below(10);
    else if (rarity == QLatin1String("Uncommon"))
        cents = 10 + 5 * m_rng.below(30);
    else if (rarity == QLatin1String("Mythic Rare"))
        cents = 200 + 25 * m_rng.below(150);
    else
        cents = 50 + 25 * m_rng.below(60);
    if (set < 3 || set == 18 || set == 35 || set == 59)   // the old, scarce sets
        cents *= 6;
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

QString Generator::artist(int set)
{
    const SetPlan &plan = kPlans[set];
    const int without = (plan.kind == Promo || plan.kind == Vanguard) ? 45 : 12;
    if (m_rng.chance(without))
        return QString();
    return m_rng.pick(m_artists);
}

DemoCatalogue Generator::run()
{
    // Illustrators: invented names, a few with an apostrophe.
    for (int i = 0; i < 70; ++i) {
        QString a = m_names.word() + QLatin1Char(' ');
        if (i % 11 == 3)
            a += QStringLiteral("O&apos;") + m_names.word();
        else if (i % 9 == 4)
            a += m_names.word() + QStringLiteral("-") + m_names.word();
        else
            a += m_names.word();
        m_artists << a;
    }

    const int sets = SetList::count();
    m_cat.printingsOfSet.resize(sets);
    m_designsOfSet.resize(sets);
    QVector<int> allDesigns;            // every non-basic design made so far
    QVector<int> coreDesigns;           // non-basic designs of the core sets so far
    int nextId = 1;

    for (int s = 0; s < sets; ++s) {
        const SetPlan &plan = kPlans[s];
        QVector<int> list;
        QSet<int> inSet;
        auto add = [&](int design) {
            if (!inSet.contains(design)) {
                inSet.insert(design);
                list << design;
            }
        };

        // Basic lands: several pictures of each in the core sets and decks.
        int basics = 0;
        if (plan.kind == Core)
            basics = s < 3 ? 2 : 3;
        else if (plan.kind == DeckSet && plan.size > 50)
            basics = 1;
        else if (plan.kind == Expansion && plan.size > 250)
            basics = 1;
        QVector<int> basicList;
        for (int k = 0; k < 5; ++k)
            for (int v = 0; v < basics; ++v)
                basicList << basicDesign(k, false);
        if ((plan.features & Snow) && plan.kind == Expansion)
            for (int k = 0; k < 5; ++k)
                basicList << basicDesign(k, true);

        if (plan.features & Showcase)
            addShowcase(s, list);
        for (int d : list)
            inSet.insert(d);

        const int target = plan.size - int(basicList.size());
        // Share of reprints and where they come from.
        int reprintPercent = 4;
        const QVector<int> *source = &allDesigns;
        QVector<int> previousCore;
        if (s == 1 || s == 2) {
            // Beta and Unlimited: the Alpha cards plus a handful of new ones.
            for (int d : m_designsOfSet[s - 1])
                if (!m_cat.designs.at(d).basicLand)
                    add(d);
            reprintPercent = 0;
        } else if (plan.kind == Core && s > 0) {
            for (int d : m_designsOfSet[s - 1])
                if (!m_cat.designs.at(d).basicLand)
                    previousCore << d;
            reprintPercent = s == 3 ? 85 : s <= 5 ? 72 : 55;
            source = &previousCore;
        } else if (plan.kind == Reprints) {
            reprintPercent = s == 61 || s == 72 ? 100 : (plan.size <= 15 ? 100 : 88);
        } else if (plan.kind == DeckSet) {
            reprintPercent = 65;
        } else if (plan.kind == Promo) {
            reprintPercent = 50;
        } else if (s == 0 || plan.kind == Vanguard || plan.kind == Funny) {
            reprintPercent = 0;
        }
        const int reprints = std::min(int(source->size()), (target - int(list.size())) * reprintPercent / 100);
        // In the core sets the reprints follow the previous set's order, so a
        // whole run of cards is shared (the Fourth/Fifth Edition overlap).
        if (plan.kind == Core && s >= 3) {
            int start = m_rng.below(std::max(1, int(source->size()) - reprints + 1));
            for (int i = 0; i < reprints && list.size() < target; ++i)
                add(source->at((start + i) % source->size()));
            // Older core cards come back now and then.
            for (int i = 0; i < target / 20 && list.size() < target; ++i)
                add(coreDesigns.at(m_rng.below(int(coreDesigns.size()))));
        } else if (reprints > 0) {
            const int wanted = int(list.size()) + reprints;
            int guard = 0;
            while (list.size() < wanted && guard++ < 100000) {
                const int d = source->at(m_rng.below(int(source->size())));
                if (s == 73 && !m_cat.designs.at(d).type.contains(QLatin1String("Creature")))
                    continue;   // the dragon vault holds creatures only
                add(d);
            }
        }
        while (list.size() < target)
            add(newDesign(s));

        for (int d : list) {
            // Vanguard cards and the odd-cost samples stay in their own sets.
            if (!m_cat.designs.at(d).basicLand && plan.kind != Vanguard && !(plan.features & Showcase)) {
                if (std::find(allDesigns.begin(), allDesigns.end(), d) == allDesigns.end())
                    allDesigns << d;
                if (plan.kind == Core && std::find(coreDesigns.begin(), coreDesigns.end(), d) == coreDesigns.end())
                    coreDesigns << d;
            }
        }
        list += basicList;
        m_designsOfSet[s] = list;

        // File order: by name, then the printings get their ids in that order.
        QVector<int> order = list;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return demoPlainText(m_cat.designs.at(a).name) < demoPlainText(m_cat.designs.at(b).name);
        });
        for (int d : order) {
            DemoPrinting p;
            p.design = d;
            p.set = s;
            p.id = QString::number(nextId);
            nextId += 1 + m_rng.below(3);
            p.rarity = rarityFor(s, m_cat.designs.at(d));
            p.price = priceFor(s, p.rarity);
            p.artist = artist(s);
            m_cat.printingsOfSet[s] << int(m_cat.printings.size());
            m_cat.printings << p;
        }
        // Keep the Alpha file order as the base of its reprints.
        if (s == 0)
            m_designsOfSet[s] = order;
    }
    return m_cat;
}

QString editionValue(const QString &displayForm)
{
    QString v = displayForm;
    v.replace(QLatin1Char('\''), QStringLiteral("&apos;"));
    v.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return v;
}

bool writeFile(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

// Creates the file only when it does not exist yet.
bool writeIfMissing(const QString &path, const QStringList &lines, QString *error)
{
    if (QFile::exists(path))
        return true;
    QByteArray data;
    for (const QString &l : lines)
        data += l.toUtf8() + '\n';
    return writeFile(path, data, error);
}

} // namespace

DemoCatalogue buildDemoCatalogue()
{
    Generator g;
    return g.run();
}

QString demoPlainText(const QString &fileText)
{
    QString t = fileText;
    t.replace(QStringLiteral("&lt;br&gt;"), QStringLiteral("\n"));
    t.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    t.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    t.replace(QStringLiteral("&lt;i&gt;"), QStringLiteral(" "));
    t.replace(QStringLiteral("&lt;/i&gt;"), QStringLiteral(" "));
    return t;
}

bool writeDemoSetFiles(const DemoCatalogue &cat, const QString &root, QString *error)
{
    const QString dir = root + QStringLiteral("/MagicDB");
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(dir);
        return false;
    }
    for (int s = 0; s < SetList::count(); ++s) {
        const QString display = SetList::displayForms().at(s);
        const QString edition = editionValue(display);
        QString out;
        out.reserve(1 << 20);
        out += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
        out += QStringLiteral("<!-- VellumTrove card data, sample set: %1 -->\n").arg(edition);
        out += QStringLiteral("<magic_cards version=\"0.02\">\n");
        out += QStringLiteral("<set_name>%1</set_name>\n").arg(edition);
        out += QStringLiteral("<card_count>%1</card_count>\n").arg(cat.printingsOfSet.at(s).size());
        out += QStringLiteral("<cards>\n");
        for (int pi : cat.printingsOfSet.at(s)) {
            const DemoPrinting &p = cat.printings.at(pi);
            const DemoDesign &d = cat.designOf(p);
            out += QStringLiteral("<mc>\n");
            out += QStringLiteral("  <id>") + p.id + QStringLiteral("</id>\n");
            out += QStringLiteral("  <name>") + d.name + QStringLiteral("</name>\n");
            out += QStringLiteral("  <cost>") + d.cost + QStringLiteral("</cost>\n");
            out += QStringLiteral("  <type>") + d.type + QStringLiteral("</type>\n");
            out += QStringLiteral("  <power>") + d.power + QStringLiteral("</power>\n");
            out += QStringLiteral("  <toughness>") + d.toughness + QStringLiteral("</toughness>\n");
            out += QStringLiteral("  <edition>") + edition + QStringLiteral("</edition>\n");
            out += QStringLiteral("  <rarity>") + p.rarity + QStringLiteral("</rarity>\n");
            out += QStringLiteral("  <oracleText>") + d.text + QStringLiteral("</oracleText>\n");
            if (!p.artist.isEmpty())
                out += QStringLiteral("  <artist>") + p.artist + QStringLiteral("</artist>\n");
            out += QStringLiteral("  <dbprice>") + p.price + QStringLiteral("</dbprice>\n");
            out += QStringLiteral("</mc>\n");
        }
        out += QStringLiteral("</cards>\n</magic_cards>\n");
        if (!writeFile(dir + QLatin1Char('/') + SetList::fileForms().at(s) + QStringLiteral(".xml"), out.toUtf8(), error))
            return false;
    }
    return true;
}

QStringList demoUncoveredSymbols(const DemoCatalogue &cat)
{
    QSet<QString> used;
    for (const DemoDesign &d : cat.designs) {
        if (d.cost.isEmpty())
            continue;
        for (const QString &sym : Mana::splitCost(d.cost))
            used.insert(sym);
    }
    QStringList missing;
    for (int i = 0; i < Mana::SymbolCount; ++i)
        if (!used.contains(Mana::symbolOfIndex(i)))
            missing << Mana::symbolOfIndex(i);
    return missing;
}

namespace {

// Picks deck cards of the given colours from the printings of the given sets.
QStringList deckLines(const DemoCatalogue &cat, const QVector<int> &sets, const QString &colors, int spells,
                      int basicsEach, int sideboard, std::uint64_t seed)
{
    DemoRng rng(seed);
    QStringList candidates;
    QStringList creatures;
    QSet<QString> seen;
    for (int s : sets) {
        for (int pi : cat.printingsOfSet.at(s)) {
            const DemoDesign &d = cat.designOf(cat.printings.at(pi));
            if (d.basicLand || d.colors.isEmpty() || d.type == QLatin1String("Vanguard"))
                continue;
            bool fits = true;
            for (QChar c : d.colors)
                fits = fits && colors.contains(c);
            const QString name = demoPlainText(d.name);
            if (!fits || seen.contains(name) || d.cost.size() > 20)
                continue;
            seen.insert(name);
            (d.type.contains(QLatin1String("Creature")) ? creatures : candidates) << name;
        }
    }
    QStringList main, side;
    int count = 0;
    auto take = [&](QStringList &from, int copiesMax, QStringList &to, int &counter, int limit) {
        while (counter < limit && !from.isEmpty()) {
            const QString name = from.takeAt(rng.below(int(from.size())));
            const int n = std::min(limit - counter, rng.range(2, copiesMax));
            to << QStringLiteral("%1;%2").arg(n).arg(name);
            counter += n;
        }
    };
    take(creatures, 4, main, count, spells * 3 / 5);
    take(candidates, 4, main, count, spells);
    take(creatures, 4, main, count, spells);
    for (QChar c : colors) {
        const int k = int(QByteArray(kColorLetters).indexOf(c.toLatin1()));
        main << QStringLiteral("%1;%2").arg(basicsEach).arg(kBasicNames.at(k));
    }
    int sb = 0;
    QStringList rest = candidates + creatures;
    take(rest, 3, side, sb, sideboard);
    for (const QString &l : side)
        main << QStringLiteral("SB;") + l;
    return main;
}

} // namespace

bool writeDemoUserData(const DemoCatalogue &cat, const QString &root, QString *error)
{
    for (const char *sub : {"Collections", "Decks/Added", "Decks/Boxed", "Decks/Pre"}) {
        if (!QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub))) {
            if (error)
                *error = QStringLiteral("cannot create %1/%2").arg(root, QLatin1String(sub));
            return false;
        }
    }

    // The sample collection: a mix of cards from many sets.
    {
        DemoRng rng(0xC011EC7ull);
        QStringList lines = {QStringLiteral("VellumTrove"), QStringLiteral("#Fileversion 0.02")};
        QSet<int> taken;
        const int wantedSets[] = {0, 0, 0, 4, 5, 5, 10, 11, 14, 25, 37, 44, 50, 55, 61, 65, 66, 70, 82, 101};
        for (int round = 0; round < 4; ++round) {
            for (int s : wantedSets) {
                const QVector<int> &ps = cat.printingsOfSet.at(s);
                const int pi = ps.at(rng.below(int(ps.size())));
                if (taken.contains(pi))
                    continue;
                taken.insert(pi);
                const DemoPrinting &p = cat.printings.at(pi);
                lines << QString() << QStringLiteral("[") + p.id << QString::number(rng.range(1, 4))
                      << demoPlainText(cat.designOf(p).name);
            }
        }
        if (!writeIfMissing(root + QStringLiteral("/Collections/Sample Collection.mgc"), lines, error))
            return false;
    }

    const QStringList userHeader = {QStringLiteral("VellumTrove Deck"), QStringLiteral("#Fileversion 0.02")};
    struct DeckPlan { const char *file; QVector<int> sets; const char *colors; int spells; int basics; int side; std::uint64_t seed; };
    const DeckPlan decks[] = {
        {"Decks/Added/Thornwood Rush.dec", {4, 5, 6, 7}, "G", 36, 24, 15, 11},
        {"Decks/Added/Ashen Skies.dec", {0, 1, 2, 3, 4}, "WB", 22, 9, 0, 12},
        {"Decks/Added/Tidecaller Tempo.dec", {10, 11, 12, 13}, "U", 26, 14, 0, 13},
        {"Decks/Boxed/Embers of Kharzal.dec", {87, 88}, "R", 36, 24, 0, 21},
        {"Decks/Boxed/Meadow Wardens.dec", {87, 88, 80}, "W", 36, 24, 0, 22},
        {"Decks/Pre/Starter Duel - Sky.dec", {80, 81}, "WU", 24, 8, 0, 31},
        {"Decks/Pre/Starter Duel - Swamp.dec", {80, 81}, "BG", 24, 8, 0, 32},
        {"Decks/Pre/Guild Sampler.dec", {50, 30, 24}, "BR", 36, 12, 15, 33},
    };
    for (const DeckPlan &dp : decks) {
        const QString path = root + QLatin1Char('/') + QLatin1String(dp.file);
        const bool user = QLatin1String(dp.file).startsWith(QLatin1String("Decks/Added"));
        QStringList lines = user ? userHeader
                                 : QStringList{QStringLiteral("#VellumTrove Deck"), QStringLiteral("#NAME: ") + QFileInfo(path).completeBaseName()};
        lines += deckLines(cat, dp.sets, QLatin1String(dp.colors), dp.spells, dp.basics, dp.side, dp.seed);
        if (!writeIfMissing(path, lines, error))
            return false;
    }
    return true;
}
