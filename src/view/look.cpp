#include "view/look.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/category.h"
#include "items/skills.h"
#include "platform/platform.h"
#include "worldgen/terrain.h"

namespace {

struct TopicText {
    int topic;
    const char* text;
};

const TopicText Topics[] = {
    {1, "Skill points can be used to purchase new abilities.  Press X to purchase skills."},
    {2, "As you level up you gain more health and skill points."},
    {3, "Bits are the currency of Veldora, you can purchase things in stores."},
    {4, "Health Points. If your health is at zero, you die."},
    {5, "Magic Points. Use MP to use your abilities."},
    {6, "Friendship Score. Talk to creatures to keep your friendship high for stat bonus!"},
    {7, "Experience Points. When this meter is full, your level increases!"},
    {8, "This shows how far into the forest you currently are."},
    {9, "How many rounds you have been playing for."},
    {10, "Your Attack stat determines your damage and to-hit chance"},
    {11, "Your Defence stat helps block incoming damage"},
    {12, "Your Strength stat determines your damage and tree bucking ability"},
    {13, "Your Speed stat increases your to-hit chance and dodge ability"},
    {14, "Your Magic stat increases your to-hit/dodge/damage when using magic"},
    {15, "Constitution stat determines your ability to avoid poisons etc."},
    {100, "You are stuck in place, but you can still attack. Press space or arrow keys to wait."},
    {101, "Your defence is increased!"},
    {102, "You are casting Covet Charm, creatures will flock to the enchanted item."},
    {103, "You are hiccupping! It will cause you to miss sometimes!"},
    {104, "You are throwing a party! Creatures will be distracted!"},
    {105, "Your speed is increased!"},
    {106, "Your wet, your stats are lowered"},
    {107, "Your strength is increased!"},
    {108, "Your magic power is increased!"},
    {109, "You are flying!"},
    {110, "Your blinded! You can't see as far, and your stats are lowered!"},
    {111, "You are poisoned! Your health will lower untilit heals!"},
    {112, "You have been partially turned to stone, you won't be able to move for a few turns."},
    {113, "This disguise will last a few turns, or until you attack anything"},
    {114, "Kapow! You shouldn't be able to read this really..."},
};

// Topic 115, the Jestbloom curse, reads differently for each hero.
const char* const CurseTexts[6] = {
    "Your horn is weird, you can't cast magic until it heals.",
    "Your tongue is weird, you can't talk to any friendly creatures!",
    "You can't stop flying, and you might go in weird directions.",
    "Your fur is all weird, lowering your sight and stats",
    "Your decreased size makes you a lot weaker!",
    "Your voice is weird, you are too shy to talk now!",
};

const char* const FoodTierLines[5] = {
    "You can eat this.  It is found food.",
    "You can eat this.  It looks home made.",
    "You can eat this.  It looks very well made!",
    "You can eat this.  It looks amazing!",
    "You can eat this.  It looks beyond delicious!!!",
};

std::string CategoryLine(int kind, int tier) {
    switch (ItemCategory(kind)) {
        case CategoryHeadgear: return "You can wear this on your head";
        case CategoryDress: return "You can wear this on your body";
        case CategoryBoots: return "You can wear this on your feet";
        case CategoryAccessory: return "You can wear this accessory";
        case CategoryWeapon: return "This is a weapon";
        case CategoryFood: return (tier >= 0 && tier <= 4) ? FoodTierLines[tier] : "";
        case CategoryBow: return "This is a bow";
        case CategoryArrows: return "Ammunition for a bow";
        case CategoryLetter: return "It's a blank letter";
        default: return "";
    }
}

}  // namespace

std::string HealthWords(int slot) {
    const int max = MonMaxHp[slot] > 0 ? MonMaxHp[slot] : 1;
    const int p = static_cast<int>(100LL * MonHp[slot] / max);
    if (p >= 90) return "This creature is hostile.  It looks healthy.";
    if (p >= 60) return "This creature is hostile.  It looks a little hurt.";
    if (p >= 20) return "This creature is hostile.  It looks injured.";
    return "This creature is hostile.  It looks badly injured!";
}

namespace {

bool FoodOnCell(int x, int y) {
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] > 0 && GroundItemX[g] == x && GroundItemY[g] == y &&
            ItemCategory(GroundItemKind[g]) == CategoryFood)
            return true;
    }
    return false;
}

bool HeldItem(int slot) { return slot >= 0 && slot < InvSlots && InvKind[slot] > 0; }
bool GroundItem(int slot) { return slot >= 0 && slot < GroundSlots && GroundItemKind[slot] > 0; }

}  // namespace

int LookTextX() { return ScreenWidth > 800 ? 310 : 10; }

const char* HoverTopicText(int topic) {
    if (topic == 115) return (HeroId >= 1 && HeroId <= 6) ? CurseTexts[HeroId - 1] : "";
    for (const TopicText& t : Topics) {
        if (t.topic == topic) return t.text;
    }
    return "";
}

std::string ListItemsOnCell(int x, int y, const char* lead, const char* tail) {
    std::string line;
    int listed = 0;
    for (int g = 0; g < GroundSlots && listed < 4; ++g) {
        if (GroundItemKind[g] <= 0 || GroundItemX[g] != x || GroundItemY[g] != y) continue;
        DescribeItem(GroundItemKind[g], GroundItemTier[g], GroundItemSeed[g]);
        ++listed;
        if (listed == 1) {
            line = lead + LookupName;
        } else if (listed <= 3) {
            line += " and a " + LookupName;
        } else {
            line += " and other things";
        }
    }
    return listed == 0 ? std::string() : line + tail;
}

int DrawLookTexts() {
    const int x = LookTextX();
    int y = LookTextTop;
    LookupName.clear();
    SetColor(255, 255, 255);
    if (DialogueState == 0) {
        if (UiMode == 0) {
            if (HoverTopic > 0) {
                Say(HoverTopicText(HoverTopic), x, y);
                y += 10;
            }
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
                        case 3: Say("This creature is on your side. HP:" + IntToText(MonHp[m]) + "/" + IntToText(MonMaxHp[m]), x, y); break;
                        case 0: Say(HealthWords(m), x, y); break;
                        case 1: Say("This creature is friendly.", x, y); break;
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
        if (UiMode == 1 && HeldItem(HoverItem)) HoverItemSource = 1;
        if (UiMode == 2 && HelpSkillSlot >= 0 && HelpSkillSlot < SkillSlots && SkillId[HelpSkillSlot] > 0) HoverSkill = 1;
        if (HoverSkill > 0 && HelpSkillSlot >= 0 && HelpSkillSlot < SkillSlots && SkillLevel[HelpSkillSlot] > 0) {
            const int id = SkillId[HelpSkillSlot];
            DescribeSkill(id);
            Say(LookupName, x, y);
            Say(LookupText, x, y + 10);
            Say(LookupText2, x, y + 20);
            Say("Costs:" + IntToText(SkillMpCost(id)), x, y + 40);
            Say("Level:" + IntToText(SkillLevel[HelpSkillSlot]), x + 100, y + 40);
            y += 10;
        }
    }
    if (HoverItemSource > 0 && HeldItem(HoverItem)) {
        const int s = HoverItem;
        DescribeItem(InvKind[s], InvTier[s], InvSeed[s]);
        const std::string first = LookupText;
        const std::string second = LookupText2;
        Say("You have a " + LookupName + " in your inventory", x, y);
        y += 10;
        Say(CategoryLine(InvKind[s], InvTier[s]), x, y);
        y += 10;
        Say(first, x, y);
        y += 10;
        Say(second, x, y);
        if (HoverItemSource == 1) {
            y += 10;
            Say("(d) to drop     (space) eat/equip    (i) to cancel", x, y);
        }
    }
    return y;
}
