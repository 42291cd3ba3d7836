#include "core/turnloop.h"

#include "persist/ending.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/pictures.h"
#include "core/random.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "items/skill_use.h"
#include "platform/platform.h"
#include "rules/commands.h"
#include "rules/interactions.h"
#include "rules/statuses.h"
#include "view/fieldofview.h"
#include "view/hud.h"
#include "view/mapview.h"
#include "view/messagelog.h"
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

bool AccessoryWorn(int firstKind, int lastKind) {
    for (int e = 3; e <= 4; ++e) {
        const int slot = Equip[e];
        if (slot >= 0 && slot < InvSlots && InvKind[slot] >= firstKind && InvKind[slot] <= lastKind) return true;
    }
    return false;
}

// The item a fallen creature may leave behind.
void DropLoot(int k) {
    const int d = Rand(0, 100) + (AccessoryWorn(22, 22) ? 15 : 0);
    if (d <= 70) return;
    const int t = Rand(100, 1);
    int kind = 100;  // a few bits
    if (t >= 80 && t <= 84) {
        kind = Rand(101, 105);
    } else if (t >= 85 && t <= 89) {
        kind = Rand(110, 114);
    } else if (t >= 90 && t <= 94) {
        kind = Rand(120, 134);
    } else if (t >= 95 && t <= 99) {
        kind = Rand(1, 9);
        if (kind == 6) kind = Rand(1, 5);
    }
    if (InGrid(MonX[k], MonY[k])) PlaceGroundItem(MonX[k], MonY[k], kind, 0);
}

void DrawLevelUpEffect() {
    if (LevelUpAnim <= 0) return;
    double scale = (LevelUpAnim - 10) / 30.0;
    if (scale < 0) scale = 0;
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(scale, scale);
    DrawImage(PictureRainbow, MonX[0] * 16 + 308 - CameraX, MonY[0] * 16 + 98 - CameraY, 0);
    LevelUpAnim += 1;
    if (LevelUpAnim > 40) LevelUpAnim = 0;
    SetScale(1, 1);
}

}  // namespace

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
            if (HeroId == 4) {
                MonDefBonus[i] -= 4;
                MonSpdBonus[i] -= 4;
            } else if (HeroId == 5) {
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
            ApplyItemMods = 1;
            DescribeItem(InvKind[slot], InvTier[slot], InvSeed[slot]);
            ApplyItemMods = 0;
        }
    }
}

void ResolveDeaths() {
    for (int k = 0; k < MonSlots; ++k) {
        if (MonHp[k] > 0) continue;
        if (MonKind[k] == 1) {
            GameOver = 1;
            GameWon = 0;
        } else if (MonKind[k] > 1) {
            const int kind = MonKind[k];
            if (GameVars[45] == 1 && GameVars[46] > 0 && kind == 16) GameVars[46] += 1;
            if (GameVars[45] == 4 && GameVars[46] > 0 && kind == 6) GameVars[46] += 1;
            if (kind == 41) {
                GameVars[50] = 10;
                SkillPoints += 1;
                PushMessage("You defeated Thinwraith! 1 skillpoint awarded!");
            }
            DropLoot(k);
            // The scenario's villain falls: the run is won, even if the hero fell too.
            if ((kind == 45 && GameVars[49] == 1) || (kind == 46 && GameVars[49] == 2)) {
                GameOver = 1;
                GameWon = 1;
            }
            MonHp[k] = 0;
            MonKind[k] = 0;
            MonXp[0] += MonXp[k];
            ComputeView();
        }
    }
}

void LevelUpHero() {
    if (MonXp[0] < XpNext) return;
    // 20, 32, 51, 81, 129...; a damaged threshold of 0 or 1 would never grow by the
    // factor alone and level the hero up every frame, so it always grows by at least 1.
    const int grown = ToInt(XpNext * 1.6);
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
    GameVars[53] += 1;
    if (GameVars[53] >= 9 || GameVars[53] < 1) GameVars[53] = 1;
    switch (GameVars[53]) {
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

void TurnLoopFrame() {
    HoverMonster = HoverItem = ItemUnderHero = HoverItemSource = HoverSkill = HoverTopic = -1;
    HoverTerrain = 0;
    RecomputeBonuses();
    if (ScreenWidth > 800) {
        CameraX = CameraY = 0;
    } else {
        // At 800 x 600 the map scrolls to keep the hero in sight.
        CameraX = Clamp(MonX[0] * 16 - 250, 0, 220);
        CameraY = Clamp(MonY[0] * 16 - 250, 0, 65);
    }
    DrawMapView();
    DrawLevelUpEffect();
    DrawPanels();
    // Exactly one handler has the keys; one that opens another's mode in this frame
    // hands over at once (a bump that opens an interaction, for instance).
    if (GameOver == 0 && InputDelay == 0 && DialogueState == 0 && UiMode == 0) PlayerCommand();
    if (UiMode == 3) UseSkill();
    if (DialogueState != 0) RunInteraction();
    if (TurnTaken == 1) EndOfTurn();
    ResolveDeaths();
    LevelUpHero();
    MouseTileX = (PointerX() + CameraX - 300) / 16;
    MouseTileY = (PointerY() + CameraY - 90) / 16;
    EndFrame();
}

void RunTurnLoop() {
    TargetX = -1;
    TargetY = -1;
    GameInProgress = 1;
    InGame = 1;
    do {
        TurnLoopFrame();
    } while (GameOver != 1);
    RunEnding();
    GameInProgress = 0;
}
