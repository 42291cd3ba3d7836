#include "probe_items.h"

#include <cstdio>
#include <map>

#include "core/convert.h"
#include "core/random.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/skills.h"
#include "rules/cooking.h"

namespace {

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

    ClearAllTables();
    HeroId = hero;
    if (fashion > 0) {
        SkillId[0] = SkillFashionSense;
        SkillLevel[0] = fashion;
    }
    SeedRandom(0);  // a bad seed: the generator's unseeded state, 4660
    ApplyItemMods = 1;
    DescribeItem(n[0], n[1], n[2]);
    ApplyItemMods = 0;
    std::printf("%s\n%s\n%s\nmods %d %d %d %d %d %d\n", LookupName.c_str(), LookupText.c_str(), LookupText2.c_str(),
                MonAtkBonus[0], MonDefBonus[0], MonStrBonus[0], MonSpdBonus[0], MonMagBonus[0], MonConBonus[0]);
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

    ClearAllTables();
    if (sales > 0) {
        SkillId[0] = SkillSalesBonus;
        SkillLevel[0] = sales;
    }
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
