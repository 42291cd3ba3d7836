// hoofprobe: prints what the game computes, in plain text, for people and scripts.
//
//   hoofprobe rand SEED A B N   SeedRandom(SEED), then N lines of Rand(A, B)
//   hoofprobe unit SEED N       SeedRandom(SEED), then N lines of RandomUnit() (%.17g)
//   hoofprobe sector [options]  one generated sector, every table it fills
//   hoofprobe chain [options] --to D   sectors 0..D in turn, one summary line each
//   hoofprobe map [options] --out FILE  the generated sector drawn as the map view draws it
//   hoofprobe contact --out DIR [--seed N] [--tiles FILE]
//                               a sector of every biome, castle style and special sector,
//                               each whole at 1x as NAME.png and in greyscale as NAME-grey.png
//   hoofprobe item KIND TIER SEED [--hero H] [--fashion L]
//                               one DescribeItem from the unseeded generator with the
//                               hero's bonuses applied: name, two lines, "mods A D S P M C"
//   hoofprobe price KIND TIER RAW [--sales L]
//                               ItemPrice(KIND, TIER, RAW), Sales Bonus at level L
//   hoofprobe recipe K1 [K2 .. K5]
//                               the dish MatchRecipe finds with these kinds in the pot
//   hoofprobe items [--hero H] [--fashion L] [--sales L]
//                               every kind 0..200 at tiers 0..5 as `item` prints it, and
//                               its price undiscounted and as a shop asks it
//   hoofprobe recipes           every pot of 1..3 foods, and of 4..5 baking ingredients,
//                               that cooks something, with its dish
#include <cstdio>
#include <string>
#include <vector>

#include "core/convert.h"
#include "core/random.h"
#include "probe_items.h"
#include "probe_sector.h"

int ProbeContact(const std::vector<std::string>& args);  // probe_contact.cpp

namespace {

// Bad arguments give one line with the reason; no command at all gives the usage.
int Usage(const std::string& reason) {
    if (!reason.empty()) {
        std::fprintf(stderr, "hoofprobe: %s\n", reason.c_str());
        return 2;
    }
    std::fputs(
        "usage: hoofprobe rand SEED A B N\n"
        "       hoofprobe unit SEED N\n"
        "       hoofprobe sector [--seed S] [--depth D] [--scenario C] [--bands B5,B6,B7] [--hero H]\n"
        "                        [--difficulty K] [--notes N] [--prize P] [--cooldowns k=v,...]\n"
        "                        [--save FILE]  the run's plan from a save game; options after it win.\n"
        "                        Its cooldowns are those after the player's sector was made: with\n"
        "                        --depth one deeper it is the next new sector he would reach\n"
        "                        (see README, Tools); at the save's own depth it is not his sector\n"
        "       hoofprobe chain [the sector options but --depth] --to D  (--save: the plan, a new\n"
        "                        game's cooldowns; the straight walk from depth 0)\n"
        "       hoofprobe map [the sector options] --out FILE\n"
        "       hoofprobe contact --out DIR [--seed N] [--tiles FILE]\n"
        "       hoofprobe item KIND TIER SEED [--hero H] [--fashion L]\n"
        "       hoofprobe price KIND TIER RAW [--sales L]\n"
        "       hoofprobe recipe K1 [K2 .. K5]\n"
        "       hoofprobe items [--hero H] [--fashion L] [--sales L]\n"
        "       hoofprobe recipes\n",
        stderr);
    return 2;
}

// Reads every argument as a whole number; `what` names them for the message.
bool Numbers(const std::vector<std::string>& args, size_t from, std::vector<int>& out, std::string& reason) {
    for (size_t i = from; i < args.size(); ++i) {
        int v = 0;
        if (!TextToInt(args[i], v)) {
            reason = "'" + args[i] + "' is not a whole number in the int range";
            return false;
        }
        out.push_back(v);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage("");
    const std::string& command = args[0];
    std::vector<int> n;
    std::string reason;
    if (command == "rand") {
        if (args.size() != 5) return Usage("rand takes SEED A B N");
        if (!Numbers(args, 1, n, reason)) return Usage(reason);
        if (n[3] < 0) return Usage("N must not be negative");
        SeedRandom(n[0]);
        for (int i = 0; i < n[3]; ++i) std::printf("%d\n", Rand(n[1], n[2]));
        return 0;
    }
    if (command == "unit") {
        if (args.size() != 3) return Usage("unit takes SEED N");
        if (!Numbers(args, 1, n, reason)) return Usage(reason);
        if (n[1] < 0) return Usage("N must not be negative");
        SeedRandom(n[0]);
        for (int i = 0; i < n[1]; ++i) std::printf("%.17g\n", RandomUnit());
        return 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "item" || command == "price" || command == "recipe" || command == "items" || command == "recipes") {
        const int status = command == "item"     ? ProbeItem(rest, reason)
                           : command == "price"  ? ProbePrice(rest, reason)
                           : command == "items"  ? ProbeItems(rest, reason)
                           : command == "recipe" ? ProbeRecipe(rest, reason)
                                                 : ProbeRecipes(rest, reason);
        return status == 0 ? 0 : Usage(reason);
    }
    if (command == "sector") return ProbeSector(rest);
    if (command == "chain") return ProbeChain(rest);
    if (command == "map") return ProbeMap(rest);
    if (command == "contact") return ProbeContact(rest);
    return Usage("unknown command '" + command + "'");
}
