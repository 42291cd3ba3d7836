// The world's turn after the hero's, in the order the game has always run it: the
// sector's hazards, the hero's surroundings, hunger and timers, the creatures, and the
// status countdown. The order matters: it fixes which random draws happen when.
#include "rules/end_of_turn.h"

#include "core/convert.h"
#include "core/messagelog.h"
#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "items/catalogue.h"
#include "items/skills.h"
#include "rules/behaviour.h"
#include "rules/combat.h"
#include "rules/fieldofview.h"
#include "rules/inventory.h"
#include "worldgen/biomes.h"
#include "worldgen/creatures.h"
#include "worldgen/primitives.h"
#include "worldgen/terrain.h"

namespace {

int HeroTerrain() { return TerrainAt(MonX[0], MonY[0]); }
bool HeroFlying() { return MonStatus[0][StatusFlying] > 0; }

// Rocks are marked two turns before they land, so a watchful hero can step aside.
void Rockfall() {
    GameVars[VarRockfallPhase] += 1;
    if (GameVars[VarRockfallPhase] == 1) {
        for (int mark = 0; mark < 7; ++mark) {
            for (int tries = 0; tries < SearchLimit; ++tries) {
                const int x = Rand(1, MapMaxX - 1);
                const int y = Rand(1, MapMaxY - 1);
                if (IsOpenGround(x, y) == 1 && MapRockfall[x][y] == 0) {
                    MapRockfall[x][y] = 1;
                    break;
                }
            }
        }
    } else if (GameVars[VarRockfallPhase] == 3) {
        for (int x = 0; x <= MapMaxX; ++x) {
            for (int y = 0; y <= MapMaxY; ++y) {
                if (MapRockfall[x][y] == 0) continue;
                MapRockfall[x][y] = 0;
                for (int m = 0; m < MonSlots; ++m) {
                    if (MonKind[m] <= 0 || MonHp[m] <= 0 || MonX[m] != x || MonY[m] != y) continue;
                    // Thick skin beyond 50 DEF even heals: no floor on the damage.
                    const int damage = 50 - (MonDef[m] + MonDefBonus[m]);
                    MonHp[m] -= damage;
                    if (m != 0) continue;
                    PushMessage("An avalanche hit your head for " + IntToText(damage) + " damage!");
                    // Named here, or the ending would enter an earlier game's cause.
                    if (MonHp[0] <= 0) DeathMessage = MonName[0] + " was killed by an avalanche!";
                }
            }
        }
    } else if (GameVars[VarRockfallPhase] == 5) {
        GameVars[VarRockfallPhase] = 0;
    }
}

// Near the sector's heart every odd tree wakes as a treemonster; there are none left
// afterwards, so it happens once.
void Chill() {
    if (Distance(MonX[0], MonY[0], MapMaxX / 2, MapMaxY / 2) >= 3.0) return;
    bool changed = false;
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (MapTerrain[x][y] != OddTree) continue;
            MapTerrain[x][y] = Grass;
            SpawnCreature(x, y, KindTreemonster);
            changed = true;
        }
    }
    if (!changed) return;
    RefreshFrames();
    PushMessage("A chill runs down your spine!");
}

// One random lava cell spills onto its four neighbours (left, right, up, down) unless
// they are `keep`; tries until a spill changed something.
void SpillLava(bool (*keep)(int code)) {
    static const int StepX[4] = {-1, 1, 0, 0};
    static const int StepY[4] = {0, 0, -1, 1};
    for (int attempt = 0; attempt <= 10000; ++attempt) {
        const int x = Rand(1, MapMaxX - 1);
        const int y = Rand(1, MapMaxY - 1);
        if (MapTerrain[x][y] != Lava) continue;
        bool changed = false;
        for (int d = 0; d < 4; ++d) {
            int& cell = MapTerrain[x + StepX[d]][y + StepY[d]];
            if (keep(cell) || cell == Lava) continue;
            cell = Lava;
            changed = true;
        }
        if (changed) return;
    }
}

bool KeptFromForestLava(int code) {
    return code == LogTunnel || code == Entrance || code == Temple || code == TempleEntrance;
}
bool KeptFromTempleLava(int code) { return code == TempleWall || code == StairsToForest; }

void TempleLava() {
    SpillLava(KeptFromTempleLava);
    for (int attempt = 0; attempt <= 5000; ++attempt) {
        const int x = Rand(1, MapMaxX - 1);
        const int y = Rand(1, MapMaxY - 1);
        if (IsTempleTile(MapTerrain[x][y])) {
            MapTerrain[x][y] = Lava;
            break;
        }
    }
    RefreshFrames();
}

// Standing still in a swamp: poison from the second turn, stuck at the fourth, gone at the ninth.
void SwampSinking() {
    if (MonX[0] == LastPlayerX && MonY[0] == LastPlayerY && !HeroFlying()) {
        GameVars[VarTurnsOnCell] += 1;
        const bool swamp = HeroTerrain() == Swamp;
        if (GameVars[VarTurnsOnCell] > 1 && swamp && Rand(0, 100) > 75) {
            int& poison = MonStatus[0][StatusPoisoned];
            if (poison == 0) PushMessage("You are poisoned!");
            poison += 3;
            if (poison > 10) poison = 10;
        }
        if (GameVars[VarTurnsOnCell] == 4 && swamp) {
            MonStatus[0][StatusFrozen] = 5;
            PushMessage("You're sinking into the swamp!");
        }
        if (GameVars[VarTurnsOnCell] == 9 && swamp) {
            MonHp[0] = 0;
            DeathMessage = MonName[0] + " sank into a swamp!";
        }
    } else {
        GameVars[VarTurnsOnCell] = 0;
    }
    LastPlayerX = MonX[0];
    LastPlayerY = MonY[0];
}

// Counted per terrain, not per cell: swimming on through deep water does not reset it.
void Drowning() {
    const int terrain = HeroTerrain();
    if (terrain == LastPlayerTerrain && !HeroFlying()) {
        GameVars[VarTurnsOnTerrain] += 1;
        if (terrain == DeepWater) {
            if (GameVars[VarTurnsOnTerrain] >= 4) PushMessage("You're probably going to drown soon btw");
            if (GameVars[VarTurnsOnTerrain] >= 8) PushMessage("Seriously, get out of the water dude!");
            if (GameVars[VarTurnsOnTerrain] >= 10) {
                MonHp[0] = 0;
                DeathMessage = MonName[0] + " drowned!";
            }
        }
    } else {
        GameVars[VarTurnsOnTerrain] = 0;
    }
    LastPlayerTerrain = terrain;
}

void FriendshipTick() {
    if (FriendshipTimer > 0) FriendshipTimer -= 1;
    if (FriendshipTimer != 0) return;
    FriendshipTimer = 20;
    for (int e = EquipAccessory1; e <= EquipAccessory2; ++e) {
        const int slot = Equip[e];
        if (slot < 0 || slot >= InvSlots || InvKind[slot] != ItemWingthornAmulet) continue;
        FriendshipTimer = 5;
        PushMessage("Shazam! The amulet tingles");
        if (MonMp[0] < MonMaxMp[0]) MonMp[0] += 1;
    }
    if (!AccessoryWorn(ItemRelicFirst, ItemRelicLast) && Friendship > 0) Friendship -= 1;
}

void DabbleSense() {
    for (int s = 0; s < SkillSlots; ++s) {
        if (SkillId[s] != SkillDabbleSense || SkillLevel[s] <= 0) continue;
        const int r = Rand(150, 1) + 2 * SkillLevel[s];
        if (r >= 146 && r <= 149) {
            PushMessage("Twitchie tail!");
            MonStatus[0][StatusHaste] += 5;
        } else if (r > 149) {
            PushMessage("Twitchie hoof!");
            for (int x = 0; x <= MapMaxX; ++x)
                for (int y = 0; y <= MapMaxY; ++y)
                    if (Distance(x, y, MonX[0], MonY[0]) < 5.0) MapSeen[x][y] = 2;
        }
    }
}

void CountDownStatuses() {
    for (int m = 0; m < MonSlots; ++m) {
        for (int id = 0; id <= StatusLastCounted; ++id) {
            int& timer = MonStatus[m][id];
            if (timer < 1 || timer >= StatusPermanent) continue;
            timer -= 1;
            if (m == 0 && id == StatusFrozen && timer == 0) PushMessage("You are unstuck!");
        }
    }
}

// Every slot, empty ones too, has its chance to be pushed one row south.
void Wind() {
    if (Rand(0, 100) <= 75) return;
    PushMessage("A strong wind blows");
    for (int m = 0; m < MonSlots; ++m) {
        if (Rand(0, 100) - (MonStr[m] + MonStrBonus[m]) > 50 && CellBlocked(MonX[m], MonY[m] + 1) == 0) {
            MonY[m] += 1;
            if (m == 0) PushMessage("You were blown south.");
        }
    }
}

}  // namespace

void EndOfTurn() {
    QuitArmed = 0;
    if (Friendship > 100) Friendship = 100;
    for (int k = VarTalkFlagFirst; k <= VarTalkFlagLast; ++k)
        if (GameVars[k] > 0) GameVars[k] -= 1;
    if (SectorLayout == LayoutRockfall) Rockfall();
    if (SectorLayout == LayoutOddGrove) Chill();
    if (SectorLayout == LayoutVolcano && Rand(0, 100) > 96) {
        SpillLava(KeptFromForestLava);
        RefreshFrames();
    }
    if (GameVars[VarTempleTrap] > TempleTrapSprung) {
        GameVars[VarTempleTrap] -= 1;
        if (GameVars[VarTempleTrap] == TempleTrapSprung)
            PushMessage("You hear a rumbling sound... a trap has been triggered by taking the treasure!");
    }
    if (GameVars[VarTempleTrap] == TempleTrapSprung && Depth == DepthTemple) TempleLava();
    SwampSinking();
    Drowning();
    if (Depth != DepthFairyGarden) {
        for (int k = 0; k < GardenPlots; ++k)
            if (GlobalData[GlobalGardenPlotFirst + k] > 0) GlobalData[GlobalGardenGrowthFirst + k] += 1;
    }
    FriendshipTick();
    TurnCount += 1;
    ComputeDistanceFields();
    if (FullStomachTimer > 0) {
        FullStomachTimer -= 1;
        if (FullStomachTimer == 0) PushMessage("YOUR STOMACH IS SETTLED");
    }
    if (MonStatus[0][StatusPoisoned] > 0) {
        MonHp[0] -= 4;
        if (MonHp[0] <= 0) DeathMessage = MonName[0] + " died from poison damage!";
    }
    DabbleSense();
    CreaturesAct();
    ComputeView();
    CountDownStatuses();
    TurnTaken = 0;
    if (SectorLayout == LayoutMountainPath) Wind();
}
