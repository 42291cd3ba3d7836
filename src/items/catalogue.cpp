#include "items/catalogue.h"
#include "items/skills.h"

#include <climits>
#include <iterator>
#include <utility>

#include "core/convert.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/equipment_names.h"
#include "items/food.h"

namespace {

// The items with fixed texts other than food. Ids 10..24 keep their generated "Mods:"
// line as the second line, so their second column stays empty.
struct FixedItem {
    int id;
    const char* name;
    const char* line1;
    const char* line2;
};

// clang-format off
constexpr FixedItem FixedItems[] = {
    {ItemArrows, "Arrows", "Ammunition for your bow.", ""},
    {ItemLetter, "Letter", "You could write a letter to Princess Auralis.", "But would you find anyone to deliver it in here?"},
    {ItemRelicInsight, "Rel. Insight", "The relic of insight! It will keep you connected to your friends!", ""},
    {ItemRelicMirth, "Rel. Mirth", "The relic of mirth? It will keep you connected to your friends!", ""},
    {ItemRelicFealty, "Rel. Fealty", "The relic of fealty? It will keep you connected to your friends!", ""},
    {ItemRelicBounty, "Rel. Bounty", "The relic of bounty? It will keep you connected to your friends!", ""},
    {ItemRelicCandor, "Rel. Candor", "The relic of candor? It will keep you connected to your friends!", ""},
    {ItemRelicMercy, "Rel. Mercy", "The relic of mercy? It will keep you connected to your friends!", ""},
    {ItemXRaySpecs, "X Ray Specs", "These glasses somehow allow you to see through solid objects!", ""},
    {ItemOrrindelStaff, "Orrindel St.", "Orrindel the Bearded's staff will make spell casting easier!", ""},
    {ItemMjolna, "Mjolna", "This powerful hammer of legend will reduce the defence of those it strikes down.", ""},
    {ItemSoulReaver, "Soul Reaver", "This magical blade will consume your mp in order to deal devastating damage!", ""},
    {ItemInfinityBow, "Infinity Bow", "This bow is enchanted to have unlimited arrows!", ""},
    {ItemChefsHat, "Chef's Hat", "Wearing this hat improves the quality of anything you cook!", ""},
    {ItemLuckyCoin, "Lucky coin", "Holding this will increase the drop rate of items", ""},
    {ItemBusinessSuit, "Business Suit", "Wearing this dress will increase the number of bits you acquire.", ""},
    {ItemWingthornAmulet, "Wingthorn Amulet", "This will increase your magical power... but it might not be a good thing", ""},
    {ItemLazuliHeart, "L.Heart", "The Lazuli Heart! Two anubis figures crafted with a giant sapphire",
     "stone in the centre! Wait... this was real!?!"},
    {ItemBits, "bits", "", ""},
};
// clang-format on
static_assert(std::size(FixedItems) == 17 + 2, "ids 8..24, 30 and 100");

const FixedItem* FindFixedItem(int kind) {
    for (const FixedItem& item : FixedItems) {
        if (item.id == kind) return &item;
    }
    return nullptr;
}

bool IsUniqueEquipment(int kind) { return kind >= ItemUniqueFirst && kind <= ItemUniqueLast; }

// Tansy Brook knows her apples better than anyone, and tells the oranges apart from them.
constexpr FixedItem TansyFoodTexts[] = {
    {ItemApple, "Apple", "The apple is the pomaceous fruit of the apple tree, species Malus domestica in the",
     "rose family (Rosaceae). It is one of the most widely cultivated tree fruits."},
    {ItemOranges, "Oranges", "They aren't apples!", ""},
};

// The fixed items' and the foods' own texts over whatever the generator gave.
void TakeFixedTexts(int kind, ItemDescription& item) {
    if (const FixedItem* fixed = FindFixedItem(kind)) {
        item.name = fixed->name;
        item.line1 = fixed->line1;
        // The relics and unique equipment show their "Mods:" line instead; the Lazuli
        // Heart's description runs on into its second line over its (unused) points.
        if (!IsUniqueEquipment(kind)) item.line2 = fixed->line2;
    } else if (const FoodEntry* food = FindFood(kind)) {
        item.name = food->name;
        item.line1 = food->line1;
        item.line2 = food->line2;
        if (HeroId != HeroTansyBrook) return;
        for (const FixedItem& text : TansyFoodTexts) {
            if (text.id != kind) continue;
            item.line1 = text.line1;
            item.line2 = text.line2;
        }
    }
}

// Sales Bonus discount per level. They are single-precision constants used in double
// arithmetic: 0.1f, 0.2f and 0.3f are a hair above their decimals, so a discount that
// should land on a whole number lands one bit below it (100 at level 1 costs 89), and
// shoppers have always paid that.
constexpr float SalesDiscount[4] = {0.0f, 0.1f, 0.2f, 0.3f};

int ClampLevel(int level) { return level < 0 ? 0 : (level > 3 ? 3 : level); }

int ClampToInt(long long v) {
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

}  // namespace

int ItemPrice(int kind, int tier, int raw) {
    // Later rules override earlier ones. Wide arithmetic: a tier from a damaged file
    // must not overflow.
    long long base = kind == 0 ? 0 : 2000;
    if (const FoodEntry* food = FindFood(kind)) base = food->basePrice;
    const int category = ItemCategory(kind);
    if (category == CategoryHeadgear || category == CategoryDress || category == CategoryBoots ||
        category == CategoryAccessory || category == CategoryWeapon || category == CategoryBow) {
        base = static_cast<long long>(tier) * 10 + 10;
    }
    if (kind == ItemArrows) base = 2;
    if (kind == ItemLetter) base = 14;
    if (IsUniqueEquipment(kind)) base = 100;
    if (kind == ItemLazuliHeart) base = 200;
    int price = ClampToInt(base + static_cast<long long>(tier) * (base / 3));

    if (raw == 0) {
        for (int k = 0; k < SkillSlots; ++k) {
            if (SkillId[k] != SkillSalesBonus) continue;
            const double f = SalesDiscount[ClampLevel(SkillLevel[k])];
            price = ToInt(static_cast<double>(price) - static_cast<double>(price) * f);
        }
    }
    return price;
}

ItemDescription DescribeItem(int kind, int tier, int seed) {
    ItemDescription item;
    item.name.assign(1, '?');  // not `= "?"`: GCC 12 warns falsely (-Wrestrict) on that assignment

    // The item's own draws come from its seed, so a piece never changes; the game's
    // stream moves by this one draw and then carries on from it.
    const int resume = Rand(1, 1000000);
    SeedRandom(seed);

    if (IsGeneratedEquipment(kind)) {
        EquipmentWords words = NameGeneratedEquipment(kind, tier);
        item.name = std::move(words.name);
        item.line1 = std::move(words.line);
    }
    if (kind < ItemBits && kind != ItemArrows && kind != ItemLetter) {
        item.mods = DrawItemMods(kind, tier);
        item.line2 = ModsLine(item.mods);
    }

    TakeFixedTexts(kind, item);

    SeedRandom(resume);
    if (kind == 0) item.name = "";
    LookupName = item.name;
    LookupText = item.line1;
    LookupText2 = item.line2;
    return item;
}
