#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/state.h"
#include "rules/cooking.h"
#include "support/test_support.h"

namespace {

// Fills the pot from place 0 and matches; the rest of the pot is empty.
int Match(const std::vector<int>& kinds) {
    for (int i = 0; i < PotSlots; ++i)
        PotKind[i] = i < static_cast<int>(kinds.size()) ? kinds[static_cast<size_t>(i)] : 0;
    return MatchRecipe();
}

struct PotCase {
    std::vector<int> kinds;
    int dish;
};

TEST(CookingRecipe, PotsAndTheirDishesInAnyOrder) {
    ClearAllTables();
    const PotCase cases[] = {
        {{122, 122, 122}, 144},       // Omelette
        {{122, 114, 122, 122}, 0},    // a potato is not a green for an omelette
        {{122, 113, 122, 122}, 145},  // a carrot is
        {{111, 111, 110}, 0},         // a salad needs three different vegetables
        {{111, 110, 113}, 182},
        {{102, 123, 124, 125}, 142},  // Fruit Cupcake
        {{125, 124, 123, 101}, 173},  // the apple makes it a dumpling: later rules win
        {{106, 123, 124, 125}, 173},  // and so does the Jolt Apple
        {{101, 101, 106}, 184},       // Cider
        {{106, 106, 106}, 0},
        {{106, 106, 101}, 0},
        {{101, 101, 106, 123, 124}, 175},  // Apple Crumble's Jolt form
        {{101, 106, 102}, 181},            // three different fruits
        {{114, 114, 110, 114}, 164},       // soup takes repeats
        {{110, 114, 127}, 185},
        {{110, 110, 127}, 0},
        {{130, 110, 114}, 191},
        {{130, 110, 110}, 0},
        {{133, 131, 130, 122, 105}, 160},  // Baked Bads
        {{126, 103, 104, 111, 112}, 183},
        {{123}, 126},  // Flour alone bakes Bread
        {{}, 0},
        {{122, 0, 0, 0, 0}, 146},
        {{101, 9}, 0},
    };
    for (const PotCase& c : cases) {
        std::vector<int> kinds = c.kinds;
        std::sort(kinds.begin(), kinds.end());
        do {
            EXPECT_EQ(Match(kinds), c.dish) << "first kind " << (kinds.empty() ? 0 : kinds[0]) << ", " << kinds.size();
        } while (std::next_permutation(kinds.begin(), kinds.end()));
    }
    // Gaps in the pot do not matter either.
    PotKind[0] = 0;
    PotKind[1] = 124;
    PotKind[2] = 0;
    PotKind[3] = 101;
    PotKind[4] = 124;
    EXPECT_EQ(MatchRecipe(), 170);
}

TEST(CookingRecipe, MatchingLearnsTheDishButNotBread) {
    ClearAllTables();
    Match({123, 124, 125});
    EXPECT_EQ(RecipeBook[0], 1);  // the cupcake, learnt without cooking
    Match({123});
    Match({101, 9});
    int known = 0;
    for (int r = 0; r < RecipeBookCount; ++r) known += RecipeBook[r];
    EXPECT_EQ(known, 1);
    Match({122, 121, 123, 125, 128});
    EXPECT_EQ(RecipeBook[153 - 140], 1);
    ClearAllTables();
}

TEST(CookingRecipe, ProbePrintsTheDish) {
    RunResult r = RunBinary("hoofprobe", {"recipe", "125", "124", "123", "101"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "173\n");
    r = RunBinary("hoofprobe", {"recipe", "122"});
    EXPECT_EQ(r.out, "146\n");
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"recipe"}, {"recipe", "1", "2", "3", "4", "5", "6"}, {"recipe", "egg"}}) {
        r = RunBinary("hoofprobe", bad);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

}  // namespace
