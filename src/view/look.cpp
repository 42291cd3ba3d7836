#include "view/look.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/category.h"
#include "platform/platform.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

// Help lines of the statistics, index HoverTopic 1..15; the statuses' come from their
// catalogue (topics 100 + id).
constexpr const char* TopicHelp[16] = {
    "",
    "Skill points can be used to purchase new abilities.  Press X to purchase skills.",
    "As you level up you gain more health and skill points.",
    "Bits are the currency of Veldora, you can purchase things in stores.",
    "Health Points. If your health is at zero, you die.",
    "Magic Points. Use MP to use your abilities.",
    "Friendship Score. Talk to creatures to keep your friendship high for stat bonus!",
    "Experience Points. When this meter is full, your level increases!",
    "This shows how far into the forest you currently are.",
    "How many rounds you have been playing for.",
    "Your Attack stat determines your damage and to-hit chance",
    "Your Defence stat helps block incoming damage",
    "Your Strength stat determines your damage and tree bucking ability",
    "Your Speed stat increases your to-hit chance and dodge ability",
    "Your Magic stat increases your to-hit/dodge/damage when using magic",
    "Constitution stat determines your ability to avoid poisons etc.",
};

bool FoodOnCell(int x, int y) {
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] > 0 && GroundItemX[g] == x && GroundItemY[g] == y &&
            ItemCategory(GroundItemKind[g]) == CategoryFood)
            return true;
    }
    return false;
}

bool GroundItem(int slot) { return slot >= 0 && slot < GroundSlots && GroundItemKind[slot] > 0; }

}  // namespace

std::string HoverTopicText(int topic) {
    if (topic >= 1 && topic <= 15) return TopicHelp[topic];
    if (topic >= 100) return StatusHelp(topic - 100);
    return "";
}

std::string HealthWords(int slot) {
    const int max = MonMaxHp[slot] > 0 ? MonMaxHp[slot] : 1;
    const int p = static_cast<int>(100LL * MonHp[slot] / max);
    if (p >= 90) return "This creature is hostile.  It looks healthy.";
    if (p >= 60) return "This creature is hostile.  It looks a little hurt.";
    if (p >= 20) return "This creature is hostile.  It looks injured.";
    return "This creature is hostile.  It looks badly injured!";
}

std::string ListItemsOnCell(int x, int y, const char* lead, const char* tail) {
    std::string line;
    int listed = 0;
    for (int g = 0; g < GroundSlots && listed < 4; ++g) {
        if (GroundItemKind[g] <= 0 || GroundItemX[g] != x || GroundItemY[g] != y) continue;
        const std::string name = DescribeItem(GroundItemKind[g], GroundItemTier[g], GroundItemSeed[g]).name;
        ++listed;
        if (listed == 1) {
            line = lead + name;
        } else if (listed <= 3) {
            line += " and a " + name;
        } else {
            line += " and other things";
        }
    }
    return listed == 0 ? std::string() : line + tail;
}

void DrawMapLookTexts(int x, int& y) {
    if (HoverTerrain > 0) {
        Say(Terrain(HoverTerrain).lookText, x, y);
        y += 10;
    }
    if (HoverMonster >= 0 && HoverMonster < MonSlots && MonKind[HoverMonster] > 0) {
        const int m = HoverMonster;
        if (m == 0) {
            Say("You are " + MonName[0], x, y);
        } else {
            Say("You see a " + MonName[m] + " here", x, y);
            y += 10;
            switch (MonAttitude[m]) {
                case AttitudeAlly:
                    Say("This creature is on your side. HP:" + IntToText(MonHp[m]) + "/" + IntToText(MonMaxHp[m]), x,
                        y);
                    break;
                case AttitudeHostile: Say(HealthWords(m), x, y); break;
                case AttitudeFriendly: Say("This creature is friendly.", x, y); break;
                default: Say("This creature is neutral.", x, y); break;
            }
        }
        y += 10;
    }
    if (HoverItemSource == -1 && GroundItem(HoverItem)) {
        Say(ListItemsOnCell(GroundItemX[HoverItem], GroundItemY[HoverItem], "There is a ", " there"), x, y);
        y += 10;
    }
    if (GroundItem(ItemUnderHero)) {
        const int hx = GroundItemX[ItemUnderHero];
        const int hy = GroundItemY[ItemUnderHero];
        Say(ListItemsOnCell(hx, hy, "There is a ", " here"), x, y);
        y += 10;
        Say(FoodOnCell(hx, hy) ? "Press (g) to pick up    (e) to eat the food" : "press (g) To pick up", x, y);
        y += 10;
    }
}
