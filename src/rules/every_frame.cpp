// The rules the turn loop runs every frame, whether or not a turn passed: the bonuses
// at the start of the frame, the deaths with their loot and the level-up at its end.
#include <climits>

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/food.h"
#include "persist/datafile.h"
#include "rules/end_of_turn.h"
#include "rules/fieldofview.h"
#include "rules/inventory.h"
#include "worldgen/creatures.h"
#include "worldgen/placement.h"
#include "worldgen/terrain.h"

namespace {

void AddToAll(int slot, int amount) {
    MonAtkBonus[slot] += amount;
    MonDefBonus[slot] += amount;
    MonStrBonus[slot] += amount;
    MonSpdBonus[slot] += amount;
    MonMagBonus[slot] += amount;
    MonConBonus[slot] += amount;
}

// The item a fallen creature may leave behind.
void DropLoot(int k) {
    const int d = Rand(0, 100) + (AccessoryWorn(ItemLuckyCoin, ItemLuckyCoin) ? 15 : 0);
    if (d <= 70) return;
    const int t = Rand(100, 1);
    int kind = ItemBits;  // a few bits
    if (t >= 80 && t <= 84) {
        kind = Rand(ItemApple, ItemLemon);
    } else if (t >= 85 && t <= 89) {
        kind = Rand(ItemTomato, ItemPotato);
    } else if (t >= 90 && t <= 94) {
        kind = Rand(ItemNuts, ItemWheatgerm);
    } else if (t >= 95 && t <= 99) {
        kind = Rand(ItemHeadgear, ItemLetter);
        if (kind == ItemUnused) kind = Rand(ItemHeadgear, ItemWeapon);
    }
    if (InGrid(MonX[k], MonY[k])) PlaceGroundItem(MonX[k], MonY[k], kind, 0);
}

}  // namespace

void AddWornBonuses(const ItemDescription& item) {
    MonAtkBonus[0] += item.mods[StatAtk];
    MonDefBonus[0] += item.mods[StatDef];
    MonStrBonus[0] += item.mods[StatStr];
    MonSpdBonus[0] += item.mods[StatSpd];
    MonMagBonus[0] += item.mods[StatMag];
    MonConBonus[0] += item.mods[StatCon];
}

void RecomputeBonuses() {
    for (int i = 0; i < MonSlots; ++i) {
        MonAtkBonus[i] = MonDefBonus[i] = MonStrBonus[i] = 0;
        MonSpdBonus[i] = MonMagBonus[i] = MonConBonus[i] = 0;
        // The hero's mood lifts or weighs on every creature alike.
        if (Friendship < 10) AddToAll(i, -3);
        if (Friendship > 95) AddToAll(i, 3);
        const int* status = MonStatus[i];
        if (status[StatusShield] > 0) MonDefBonus[i] += 5;
        if (status[StatusHaste] > 0) MonSpdBonus[i] += 5;
        if (status[StatusStrengthened] > 0) MonStrBonus[i] += 5;
        if (status[StatusMagicBoost] > 0) MonMagBonus[i] += 5;
        if (status[StatusBlinded] > 0) {
            MonAtkBonus[i] -= 2;
            MonDefBonus[i] -= 2;
            MonSpdBonus[i] -= 2;
            MonMagBonus[i] -= 2;
        }
        if (status[StatusJestbloom] > 0) {
            // The curse takes the shape of the hero's own weakness, on whoever carries it.
            if (HeroId == HeroCorvanne) {
                MonDefBonus[i] -= 4;
                MonSpdBonus[i] -= 4;
            } else if (HeroId == HeroTansyBrook) {
                MonAtkBonus[i] -= 4;
                MonDefBonus[i] -= 4;
                MonStrBonus[i] -= 4;
            }
        }
        if (status[StatusSoggy] > 0) {
            MonAtkBonus[i] -= 2;
            MonDefBonus[i] -= 2;
            MonStrBonus[i] -= 2;
            MonSpdBonus[i] -= 2;
            MonMagBonus[i] -= 2;
            MonConBonus[i] -= 5;
        }
        if (i != 0) continue;
        // A worn item gives exactly the points its "Mods:" line shows.
        for (int e = 0; e < EquipSlots; ++e) {
            const int slot = Equip[e];
            if (slot < 0 || slot >= InvSlots) continue;
            AddWornBonuses(DescribeItem(InvKind[slot], InvTier[slot], InvSeed[slot]));
        }
    }
}

void ResolveDeaths() {
    for (int k = 0; k < MonSlots; ++k) {
        if (MonHp[k] > 0) continue;
        if (MonKind[k] == KindHero) {
            GameOver = 1;
            GameWon = 0;
        } else if (MonKind[k] > KindHero) {
            const int kind = MonKind[k];
            if (GameVars[VarQuestType] == QuestSixWolves && GameVars[VarQuestProgress] > 0 && kind == KindWolf)
                GameVars[VarQuestProgress] += 1;
            if (GameVars[VarQuestType] == QuestSixSnakes && GameVars[VarQuestProgress] > 0 && kind == KindSnake)
                GameVars[VarQuestProgress] += 1;
            if (kind == KindThinwraith) {
                GameVars[VarStalkerNotes] = StalkerDefeated;
                SkillPoints += 1;
                PushMessage("You defeated Thinwraith! 1 skillpoint awarded!");
            }
            DropLoot(k);
            // The scenario's villain falls: the run is won, even if the hero fell too.
            if ((kind == KindSkarnix && GameVars[VarScenario] == ScenarioChaos) ||
                (kind == KindVorgath && GameVars[VarScenario] == ScenarioCastle)) {
                GameOver = 1;
                GameWon = 1;
            }
            MonHp[k] = 0;
            MonKind[k] = 0;
            // Experience saturates: a hero who has all there is gains no more.
            MonXp[0] = MonXp[k] > 0 && MonXp[0] > INT_MAX - MonXp[k] ? INT_MAX : MonXp[0] + MonXp[k];
            ComputeView();
        }
    }
}

void LevelUpHero() {
    // Past the last level, or once the next level's mark is more experience than there
    // can be, the hero levels up no more.
    if (MonXp[0] < XpNext || XpNext == INT_MAX || MonLevel[0] >= HighestHeroLevel) return;
    // 20, 32, 51, 81, 129...; a damaged threshold of 0 or 1 would never grow by the
    // factor alone and level the hero up every frame, so it always grows by at least 1.
    const double factor = XpNext * 1.6;
    const int grown = factor >= INT_MAX ? INT_MAX : ToInt(factor);
    XpNext = grown > XpNext ? grown : XpNext + 1;
    MonMaxHp[0] += 2;
    MonHp[0] += 12;
    MonMaxMp[0] += 1;
    MonMp[0] += 6;
    SkillPoints += 1;
    MonLevel[0] += 1;
    PushMessage("Levelled up! " + MonName[0] + " reached level " + IntToText(MonLevel[0]) + "!");
    PushMessage("1 Skill point awarded!  Press (x) to upgrade!");
    LevelUpAnim = 1;
    GameVars[VarLevelUpCycle] += 1;
    if (GameVars[VarLevelUpCycle] >= 9 || GameVars[VarLevelUpCycle] < 1) GameVars[VarLevelUpCycle] = 1;
    switch (GameVars[VarLevelUpCycle]) {
        case 1: MonAtk[0] += 1; break;
        case 2: MonDef[0] += 1; break;
        case 3: MonStr[0] += 1; break;
        case 4: MonSpd[0] += 1; break;
        case 5: MonMag[0] += 1; break;
        case 6: MonCon[0] += 1; break;
        case 7: SkillPoints += 1; break;
        case 8:
            MonMaxHp[0] += 2;
            MonMaxMp[0] += 1;
            break;
        default: break;
    }
    if (MonHp[0] > MonMaxHp[0]) MonHp[0] = MonMaxHp[0];
    if (MonMp[0] > MonMaxMp[0]) MonMp[0] = MonMaxMp[0];
}
