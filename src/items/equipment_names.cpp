#include "items/equipment_names.h"

#include <iterator>
#include <string>

#include "core/convert.h"
#include "core/random.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/skills.h"

namespace {

// ---- Headgear, dress and footwear: base words and adjectives ----------------------

constexpr const char* HeadgearWords[] = {"hat", "cap", "bow", "bandana", "crown", "tiarra", "beanie"};

// Dress word 10 is a costume, which has its own name and line and no adjective.
constexpr int DressWordCount = 10;
constexpr int DressCostumeWord = 10;
constexpr const char* DressWords[] = {"shirt", "sweater", "dress", "gown", "cape", "tuxedo", "tutu", "coat", "robes"};

struct Costume {
    const char* name;
    const char* line;
};
constexpr Costume Costumes[] = {
    {"gorilla costume", "It's a gorilla costume, from Gloamfest I guess?"},
    {"chicken costume", "It's a chicken costume, from Gloamfest I guess?"},
    {"spy costume", "It's a spy costume, from Gloamfest I guess?"},
    {"doctor uniform", "It's a doctor costume, from Gloamfest I guess?"},
};

// Footwear is named with a short word to fit the panels, described with the full one.
struct Footwear {
    const char* shortWord;
    const char* fullWord;
};
constexpr Footwear FootwearWords[] = {
    {"slip.", "slippers"}, {"shoes", "shoes"}, {"boots", "boots"},
    {"sand.", "sandals"},  {"socks", "socks"}, {"galo.", "galoshes"},
};

// A first line is prefix + word + suffix.
struct LineFrame {
    const char* prefix;
    const char* suffix;
};

struct Adjective {
    const char* nameWord;
    const char* footwearNameWord;  // silk boots would not hold up, so footwear says crystal
    LineFrame headgear;
    LineFrame dress;
    LineFrame footwear;
};

// Row a - 1 holds adjective a. The dress line says "a orange": kept as players know it.
// clang-format off
constexpr Adjective Adjectives[] = {
    /*  1 */ {"pink ", "pink ", {"It's a pink coloured ", ""}, {"It's a pink ", ""}, {"It's pink ", ""}},
    /*  2 */ {"blue ", "blue ", {"It's a blue coloured ", ""}, {"It's a blue ", ""}, {"It's blue ", ""}},
    /*  3 */ {"green ", "green ", {"It's a green coloured ", ""}, {"It's a green ", ""}, {"It's green ", ""}},
    /*  4 */ {"yellow ", "yellow ", {"It's a yellow coloured ", ""}, {"It's a yellow ", ""}, {"It's yellow ", ""}},
    /*  5 */ {"purple ", "purple ", {"It's a purple coloured ", ""}, {"It's a purple ", ""}, {"It's purple ", ""}},
    /*  6 */ {"orange ", "orange ", {"It's an orange coloured ", ""}, {"It's a orange ", ""}, {"It's orange ", ""}},
    /*  7 */ {"black ", "black ", {"It's a black coloured ", ""}, {"It's a black ", ""}, {"It's black ", ""}},
    /*  8 */ {"white ", "white ", {"It's a white coloured ", ""}, {"It's a white ", ""}, {"It's white ", ""}},
    /*  9 */ {"silver ", "silver ", {"It's a silver coloured ", ""}, {"It's a silver ", ""}, {"It's silver ", ""}},
    /* 10 */ {"silk ", "crystal ", {"It's a silk ", ""}, {"It's a silk ", ""}, {"It's silk ", ""}},
    /* 11 */ {"stylish ", "stylish ", {"It's a very stylish ", ""}, {"It's a very stylish ", ""}, {"It's very stylish ", ""}},
    /* 12 */ {"glass ", "glass ", {"It's a glass ", ""}, {"It's a glass ", ""}, {"It's glass ", ""}},
    /* 13 */ {"ruby ", "ruby ", {"It's a ruby studded ", ""}, {"It's a ruby studded ", ""}, {"It's ruby studded ", ""}},
    /* 14 */ {"cool ", "cool ", {"It's a very cool looking ", ""}, {"It's a very cool looking ", ""}, {"It's very cool looking ", ""}},
    /* 15 */ {"regal ", "regal ", {"It's a ", " that looks pretty regal"}, {"It's a ", " that looks pretty regal"}, {"It's ", " that looks pretty regal"}},
    /* 16 */ {"magic ", "magic ", {"It's a ", " with some magical enchantment"}, {"It's a ", " with some magical enchantment"}, {"It's ", " with some magical enchantment"}},
    /* 17 */ {"enchanty ", "enchanty ", {"It's a ", " that has been enchanted somehow"}, {"It's a ", " that has been enchanted somehow"}, {"It's ", " that has been enchanted somehow"}},
    /* 18 */ {"sparkly ", "sparkly ", {"It's a ", " with a sparkly texture"}, {"It's a ", " with a sparkly texture"}, {"It's ", " with a sparkly texture"}},
};
// clang-format on

// The adjective numbers each tier draws from; tiers 0 and 1 share the six colours.
struct Range {
    int low;
    int high;
};
constexpr Range AdjectiveRange[] = {{1, 6}, {1, 6}, {7, 9}, {10, 12}, {13, 15}, {16, 18}};

// ---- Accessories, weapons and bows: materials by tier and draw 1..3 ---------------

struct Material {
    const char* word;
    const char* prefix;  // first line before the item word
};

// clang-format off
constexpr Material AccessoryMaterials[][3] = {
    /* 0 */ {{"dirty", "It's a dirty looking "}, {"tacky", "It's a pretty cheap looking "},
             {"odd", "This is a weird looking thing. I think it's supposed to be a "}},
    /* 1 */ {{"plastic", "It's a plastic "}, {"wooden", "It's made of wood.  Odd choice for a "},
             {"glass", "It's a crystal clear glass "}},
    /* 2 */ {{"pretty", "It's a very pretty "}, {"gold", "It's a gold coated "}, {"snazzy", "It's a pretty snazzy looking "}},
    /* 3 */ {{"ruby", "There's a big ruby embedded in this "}, {"emerald", "A shiny emerald is embedded in this "},
             {"sapphire", "A sapphire is embedded in this "}},
    /* 4 */ {{"magic", "There are magic symbols carved in this "}, {"cool", "It's a very cool looking "},
             {"stylish", "You'll look very stylish wearing this "}},
    /* 5 */ {{"precious", "It's a very expensive looking "}, {"enchanted", "It's an enchanted "},
             {"mystic", "It's a mystical looking "}},
};
// clang-format on

// Appended to the accessory's first line. The prefix ends in a space and these begin with
// one, so the line shows two spaces before the word; players know it that way.
constexpr const char* AccessoryKinds[] = {" jewel", " bracelet", " necklace", " hair-clip", " earring", " band"};

// clang-format off
constexpr Material WeaponMaterials[][3] = {
    /* 0 */ {{"toy", "It's a pretty cheap plastic "}, {"wooden", "It's a flimsy wooden "},
             {"rusty", "It's a pretty old and rusty looking "}},
    /* 1 */ {{"oak", "It's a finely crafted oak "}, {"stone", "It's a stone "}, {"fine", "It's a pretty fine looking "}},
    /* 2 */ {{"heavy", "It's a pretty heavy "}, {"strong", "It's a strong looking "},
             {"bone", "It's made of bone! But it's definitely a "}},
    /* 3 */ {{"iron", "It's an iron "}, {"entwood", "It's an entwood crafted "}, {"fine", "It's a pretty fine looking "}},
    /* 4 */ {{"crystal", "It's a crystal "}, {"steel", "It's a steel "}, {"ruby", "It's a ruby studded "}},
    /* 5 */ {{"diamond", "It's a diamond "}, {"enchanted", "It's an enchanted "}, {"legendary", "It's the legendary "}},
};
// clang-format on

// Weapon type draw 1..4; type 3 is the staff, whose stone variant is the quarterstaff.
constexpr const char* WeaponWords[] = {" sword", " hammer", " staff", " axe"};
constexpr int WeaponStaff = 3;

// clang-format off
constexpr Material Bows[][3] = {
    /* 0 */ {{"toy bow", "It's a pretty cheap looking toy bow"}, {"broken bow", "It's a busted bow, but it should still work"},
             {"wooden bow", "It's a basic wooden bow"}},
    /* 1 */ {{"oak wood bow", "A decently crafted oak bow"}, {"short bow", "It's a fine looking short bow"},
             {"fine bow", "It's a very finely crafted bow"}},
    /* 2 */ {{"maplewood bow", "It's a decent bow made of maplewood"}, {"lucky bow", "It's a bow that is said to be lucky"},
             {"harp bow", "It's a bow that doubles as a harp!"}},
    /* 3 */ {{"fine bow", "It's a very finely crafted bow"}, {"crystal bow", "It's a bow with embedded crystals"},
             {"long bow", "A powerful looking long bow"}},
    /* 4 */ {{"gold bow", "It's a golden gilded bow"}, {"magic bow", "It's a bow with magical runes written on it"},
             {"bone bow", "It's a bow made of bone. How does it bend?"}},
    /* 5 */ {{"wingthorn bow", "It's an wingthorn bow.  It's kind of weird to be using this..."},
             {"enchanted bow", "It's a bow that has been enchanted"}, {"elkbone bow", "It's a bow made from elk bone"}},
};
// clang-format on

// Every table has a row for each draw outcome; a short row would name an item "(null)".
static_assert(std::size(HeadgearWords) == 7 && std::size(DressWords) == DressWordCount - 1);
static_assert(std::size(Costumes) == 4 && std::size(FootwearWords) == 6 && std::size(Adjectives) == 18);
static_assert(std::size(AccessoryKinds) == 6 && std::size(WeaponWords) == 4);
static_assert(std::size(AdjectiveRange) == EquipmentWordTierMax + 1);
static_assert(std::size(AccessoryMaterials) == EquipmentWordTierMax + 1 &&
              std::size(WeaponMaterials) == EquipmentWordTierMax + 1 && std::size(Bows) == EquipmentWordTierMax + 1);

constexpr bool MaterialsFilled(const Material (&table)[EquipmentWordTierMax + 1][3]) {
    for (const auto& row : table) {
        for (const Material& m : row) {
            if (m.word == nullptr || m.prefix == nullptr) return false;
        }
    }
    return true;
}
static_assert(MaterialsFilled(AccessoryMaterials) && MaterialsFilled(WeaponMaterials) && MaterialsFilled(Bows));

// Tiers beyond the word tables use the finest words; no rule makes a negative tier, but
// one read from a damaged file must not index outside the tables.
int WordTier(int tier) {
    if (tier < 0) return 0;
    if (tier > EquipmentWordTierMax) return EquipmentWordTierMax;
    return tier;
}

const Adjective& DrawAdjective(int tier) {
    const Range& range = AdjectiveRange[WordTier(tier)];
    return Adjectives[Rand(range.low, range.high) - 1];
}

std::string Framed(const LineFrame& frame, const char* word) { return std::string(frame.prefix) + word + frame.suffix; }

}  // namespace

bool IsGeneratedEquipment(int kind) { return (kind >= ItemHeadgear && kind <= ItemWeapon) || kind == ItemBow; }

EquipmentWords NameGeneratedEquipment(int kind, int tier) {
    const int t = WordTier(tier);
    switch (kind) {
        case ItemHeadgear: {
            const char* word = HeadgearWords[Rand(1, 7) - 1];
            const Adjective& a = DrawAdjective(tier);
            return {std::string(a.nameWord) + word, Framed(a.headgear, word)};
        }
        case ItemDress: {
            const int w = Rand(1, DressWordCount);
            if (w == DressCostumeWord) {
                const Costume& c = Costumes[Rand(1, 4) - 1];
                return {c.name, c.line};
            }
            const char* word = DressWords[w - 1];
            const Adjective& a = DrawAdjective(tier);
            return {std::string(a.nameWord) + word, Framed(a.dress, word)};
        }
        case ItemFootwear: {
            const Footwear& f = FootwearWords[Rand(1, 6) - 1];
            const Adjective& a = DrawAdjective(tier);
            return {std::string(a.footwearNameWord) + f.shortWord, Framed(a.footwear, f.fullWord)};
        }
        case ItemAccessory: {
            const Material& m = AccessoryMaterials[t][Rand(1, 3) - 1];
            return {std::string(m.word) + " acc.", std::string(m.prefix) + AccessoryKinds[Rand(1, 6) - 1]};
        }
        case ItemWeapon: {
            const Material& m = WeaponMaterials[t][Rand(1, 3) - 1];
            const int type = Rand(1, 4);
            std::string word = m.word;
            std::string prefix = m.prefix;
            // A stone staff is a quarterstaff, and is described as a strong one.
            if (type == WeaponStaff && word == "stone") {
                word = "qrtr";
                prefix = "It's a pretty strong looking ";
            }
            const std::string name = word + WeaponWords[type - 1];
            // The prefix already names the material, so it shows twice ("a stone stone sword").
            return {name, prefix + name};
        }
        case ItemBow: {
            const Material& b = Bows[t][Rand(1, 3) - 1];
            return {b.word, b.prefix};
        }
        default: return {};
    }
}

namespace {

// The stat a point of r = 7..9 goes to; some items draw it. 0: the point is lost.
int OwnStat(int kind) {
    switch (kind) {
        case ItemHeadgear: return Rand(2, 4);  // DEF, STR or SPD
        case ItemDress: return StatDef;
        case ItemFootwear: return Rand(3, 4);  // STR or SPD
        case ItemAccessory: {
            const int s = Rand(5, 7);  // 7 folds onto MAG, so MAG is twice as likely as CON
            return s == 7 ? StatMag : s;
        }
        case ItemWeapon: return StatAtk;
        case ItemBow: return StatSpd;
        case ItemRelicInsight:
        case ItemRelicMirth:
        case ItemRelicFealty:
        case ItemRelicBounty:
        case ItemRelicCandor:
        case ItemRelicMercy: return StatMag;
        case ItemXRaySpecs: return Rand(1, 6);
        case ItemOrrindelStaff: return StatMag;
        case ItemMjolna: return StatStr;
        case ItemSoulReaver: return StatAtk;
        case ItemInfinityBow: return StatSpd;
        case ItemChefsHat: return StatCon;
        case ItemLuckyCoin:
        case ItemBusinessSuit: return Rand(1, 6);
        case ItemWingthornAmulet: return StatMag;
        default: return 0;
    }
}

// Dresses, jewellery (and the coin and suit) are what Fashion Sense knows how to wear.
bool FashionCounts(int kind) {
    return kind == ItemDress || kind == ItemAccessory || kind == ItemRelicBounty || kind == ItemLuckyCoin ||
           kind == ItemBusinessSuit;
}

constexpr const char* ModLabels[7] = {"", "   ATK(", "   DEF(", "   STR(", "   SPD(", "   MAG(", "   CON("};

}  // namespace

StatPoints DrawItemMods(int kind, int tier) {
    const bool unique = kind >= ItemUniqueFirst && kind <= ItemUniqueLast;
    // No game makes a tier anywhere near the cap; a damaged file's huge tier would
    // otherwise cost billions of draws each time the item is described (every frame it
    // is on screen).
    constexpr long long TierCap = 99;
    const long long points = tier > TierCap ? TierCap : tier;
    long long n = unique ? 10 : (points + 1) * 2;
    if (FashionCounts(kind)) {
        for (int k = 0; k < SkillSlots; ++k) {
            if (SkillId[k] != SkillFashionSense) continue;
            const int level = SkillLevel[k];
            n += level < 0 ? 0 : (level > 3 ? 3 : level);
        }
    }
    // n + 1 points, each one draw of 1..9 and, for a 7..9 on an item that picks its own
    // stat, that pick right after it.
    StatPoints count{};
    for (long long i = 0; i <= n; ++i) {
        const int r = Rand(1, 9);
        const int stat = r <= 6 ? r : OwnStat(kind);
        if (stat > 0) ++count[stat];
    }
    return count;
}

std::string ModsLine(const StatPoints& points) {
    std::string line = "Mods:";
    for (int s = StatAtk; s <= StatCon; ++s) {
        if (points[s] > 0) line += ModLabels[s] + IntToText(points[s]) + ")";
    }
    return line;
}
