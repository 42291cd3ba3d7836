#include "probe_items.h"

#include <cstdio>
#include <map>

#include "core/convert.h"
#include "core/random.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "items/skills.h"
#include "rules/cooking.h"

namespace {

// The highest item id `items` describes: every food id and a little beyond.
constexpr int ItemsLastKind = FoodLastId + 1;

// Splits the arguments into whole-number positionals and "--name VALUE" options, which
// may come in any order; only the options named in `allowed` are accepted.
bool ParseArgs(const std::vector<std::string>& args, size_t positionals, const std::vector<std::string>& allowed,
               std::vector<int>& values, std::map<std::string, int>& options, std::string& reason) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) == 0) {
            bool known = false;
            for (const std::string& name : allowed) known = known || a == "--" + name;
            if (!known) {
                reason = "unknown option '" + a + "'";
                return false;
            }
            if (options.count(a.substr(2)) != 0) {
                reason = "option '" + a + "' given twice";
                return false;
            }
            if (i + 1 >= args.size()) {
                reason = "option '" + a + "' needs a value";
                return false;
            }
            int v = 0;
            if (!TextToInt(args[i + 1], v)) {
                reason = "'" + args[i + 1] + "' is not a whole number in the int range";
                return false;
            }
            options[a.substr(2)] = v;
            ++i;
            continue;
        }
        int v = 0;
        if (!TextToInt(a, v)) {
            reason = "'" + a + "' is not a whole number in the int range";
            return false;
        }
        values.push_back(v);
    }
    if (values.size() != positionals) {
        reason = "expected " + std::to_string(positionals) + " numbers, got " + std::to_string(values.size());
        return false;
    }
    return true;
}

bool InRange(const std::map<std::string, int>& options, const std::string& name, int low, int high, int& out,
             std::string& reason) {
    const auto it = options.find(name);
    if (it == options.end()) return true;
    if (it->second < low || it->second > high) {
        reason = "--" + name + " must be " + std::to_string(low) + ".." + std::to_string(high);
        return false;
    }
    out = it->second;
    return true;
}

}  // namespace

namespace {

// Sets up the hero whose bonuses item descriptions and prices take into account.
void SetUpShopper(int hero, int fashion, int sales) {
    ClearAllTables();
    HeroId = hero;
    if (fashion > 0) {
        SkillId[0] = SkillFashionSense;
        SkillLevel[0] = fashion;
    }
    if (sales > 0) {
        SkillId[1] = SkillSalesBonus;
        SkillLevel[1] = sales;
    }
}

// One item as `item` prints it, from the unseeded generator.
void PrintItem(int kind, int tier, int seed) {
    SeedRandom(0);  // a bad seed: the generator's unseeded state, 4660
    const ItemDescription item = DescribeItem(kind, tier, seed);
    std::printf("%s\n%s\n%s\nmods %d %d %d %d %d %d\n", item.name.c_str(), item.line1.c_str(), item.line2.c_str(),
                item.mods[StatAtk], item.mods[StatDef], item.mods[StatStr], item.mods[StatSpd], item.mods[StatMag],
                item.mods[StatCon]);
}

}  // namespace

int ProbeItem(const std::vector<std::string>& args, std::string& reason) {
    std::vector<int> n;
    std::map<std::string, int> options;
    if (!ParseArgs(args, 3, {"hero", "fashion"}, n, options, reason)) {
        reason = "item takes KIND TIER SEED [--hero H] [--fashion L]: " + reason;
        return 2;
    }
    int hero = 1;
    int fashion = 0;
    if (!InRange(options, "hero", 1, 6, hero, reason) || !InRange(options, "fashion", 0, 3, fashion, reason)) return 2;

    SetUpShopper(hero, fashion, 0);
    PrintItem(n[0], n[1], n[2]);
    return 0;
}

int ProbeItems(const std::vector<std::string>& args, std::string& reason) {
    std::vector<int> n;
    std::map<std::string, int> options;
    if (!ParseArgs(args, 0, {"hero", "fashion", "sales"}, n, options, reason)) {
        reason = "items takes [--hero H] [--fashion L] [--sales L]: " + reason;
        return 2;
    }
    int hero = 1;
    int fashion = 0;
    int sales = 0;
    if (!InRange(options, "hero", 1, 6, hero, reason) || !InRange(options, "fashion", 0, 3, fashion, reason) ||
        !InRange(options, "sales", 0, 3, sales, reason))
        return 2;
    SetUpShopper(hero, fashion, sales);
    for (int kind = 0; kind <= ItemsLastKind; ++kind) {
        for (int tier = 0; tier <= 5; ++tier) {
            const int seed = kind * 1000 + tier * 37 + 1;
            std::printf("item %d %d %d\n", kind, tier, seed);
            PrintItem(kind, tier, seed);
            std::printf("price %d asked %d\n", ItemPrice(kind, tier, 1), ItemPrice(kind, tier, 0));
        }
    }
    return 0;
}

int ProbePrice(const std::vector<std::string>& args, std::string& reason) {
    std::vector<int> n;
    std::map<std::string, int> options;
    if (!ParseArgs(args, 3, {"sales"}, n, options, reason)) {
        reason = "price takes KIND TIER RAW [--sales L]: " + reason;
        return 2;
    }
    int sales = 0;
    if (!InRange(options, "sales", 0, 3, sales, reason)) return 2;

    SetUpShopper(1, 0, sales);
    std::printf("%d\n", ItemPrice(n[0], n[1], n[2]));
    return 0;
}

int ProbeRecipe(const std::vector<std::string>& args, std::string& reason) {
    std::vector<int> n;
    std::map<std::string, int> options;
    if (args.empty() || args.size() > 5 || !ParseArgs(args, args.size(), {}, n, options, reason)) {
        if (reason.empty()) reason = "takes one to five kinds";
        reason = "recipe takes K1 [K2 .. K5]: " + reason;
        return 2;
    }
    ClearAllTables();
    for (size_t i = 0; i < n.size(); ++i) PotKind[i] = n[i];
    std::printf("%d\n", MatchRecipe());
    return 0;
}

int ProbeRecipes(const std::vector<std::string>& args, std::string& reason) {
    if (!args.empty()) {
        reason = "recipes takes no arguments";
        return 2;
    }
    // Every pot of one to three foods, and every pot of four or five of the ingredients
    // the longer recipes use; only the pots that make something are printed.
    ClearAllTables();
    std::vector<int> foods;
    for (int kind = FoodFirstId; kind <= FoodLastId; ++kind) foods.push_back(kind);
    const std::vector<int> baking = {
        ItemApple,  ItemCherry, ItemOranges,   ItemLemon, ItemJoltApple, ItemTomato,     ItemLettuce, ItemAsparagus,
        ItemPotato, ItemNuts,   ItemChocolate, ItemEgg,   ItemFlour,     ItemSugar,      ItemVanilla, ItemBread,
        ItemTofu,   ItemMilk,   ItemOats,      ItemChips, ItemSoda,      ItemBakingSoda, ItemWorm,    ItemWheatgerm};
    int pot[5] = {};
    auto walk = [&](auto& self, const std::vector<int>& kinds, int place, int places, size_t from) -> void {
        if (place == places) {
            for (int i = 0; i < 5; ++i) PotKind[i] = i < places ? pot[i] : 0;
            const int dish = MatchRecipe();
            if (dish == 0) return;
            for (int i = 0; i < places; ++i) std::printf("%d ", pot[i]);
            std::printf("-> %d\n", dish);
            return;
        }
        for (size_t k = from; k < kinds.size(); ++k) {
            pot[place] = kinds[k];
            self(self, kinds, place + 1, places, k);
        }
    };
    for (int places = 1; places <= 3; ++places) walk(walk, foods, 0, places, 0);
    for (int places = 4; places <= 5; ++places) walk(walk, baking, 0, places, 0);
    return 0;
}
