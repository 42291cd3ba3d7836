// The game's state: every global table, declared once with what its values mean.
// Tables are created zeroed at program start and never resized; a new game clears
// the run's tables (ResetGame), loading overwrites them. One thread reads and writes
// them directly.
#ifndef HOOF_CORE_STATE_H
#define HOOF_CORE_STATE_H
#include <string>

// ---- Size constants --------------------------------------------------------
constexpr int MapMaxX = 44;  // last column; a sector has 45 columns
constexpr int MapMaxY = 35;  // last row; a sector has 36 rows
constexpr int MapWidth = MapMaxX + 1;
constexpr int MapHeight = MapMaxY + 1;
constexpr int MonCapacity = 50;  // highest creature slot; slot 0 is always the hero
constexpr int MonSlots = MonCapacity + 1;
constexpr int MonStatusCount = 21;   // status ids 0..20
constexpr int GroundCapacity = 500;  // highest ground-item slot
constexpr int GroundSlots = GroundCapacity + 1;
constexpr int InvSlots = 57;   // inventory slots 0..56; InvCapacity of them usable
constexpr int EquipSlots = 6;  // 0 Headgear, 1 Dress, 2 Boots, 3 Acc. 1, 4 Acc. 2, 5 Weapon
// The places of Equip, in the order the equipment panel lists them.
constexpr int EquipHeadgear = 0;
constexpr int EquipDress = 1;
constexpr int EquipBoots = 2;
constexpr int EquipAccessory1 = 3;
constexpr int EquipAccessory2 = 4;
constexpr int EquipWeapon = 5;
constexpr int SkillSlots = 10;
constexpr int StoreSlots = 9;
constexpr int PotSlots = 5;
constexpr int GameVarCount = 101;
constexpr int GlobalDataCount = 21;
constexpr int RecipeBookCount = 100;
constexpr int HighScoreRanks = 10;
constexpr int HighScoreTables = 3;  // one per scenario
constexpr int MessageLogCount = 9;  // entries 0..7 used, 7 the newest
constexpr int MessageLogNewest = 7;
constexpr int SiteCooldownCount = 99;
// SiteCooldown entries 0..90 count down and are saved; the others stay 0.
constexpr int SiteCooldownKept = 91;

// ---- How the state dump writes a table (core/loop/dump.cpp) -------------------
// The dump writes the kinds in the order below, each kind's tables in the order of the
// list; the lines that are no table (the map size, the title's scroll and fade,
// TerrainHash, RandomState) sit between them, where dump.cpp writes them.
namespace DumpAs {
enum class Kind {
    Omitted,     // left out (the sector's terrain shows only as TerrainHash)
    Value,       // "Name value": the ints, then the texts, then the real number
    Vars,        // "Name[i] value" for every entry, ahead of the List tables
    List,        // "Name[i] value" for the leading entries in use
    HeroSlot,    // the hero's slot 0: "Name[0] value", texts first, then "Name[0,s] value" per column
    Ranked,      // "Name[rank,table] value", table by table and rank by rank, the kind's tables interleaved
    Countdowns,  // "Name[i] value" for the leading entries in use, after the sector's TerrainHash
    Slots,       // only in the line of each occupied slot ("Inv[i] ...", "Ground[g] ...") beside its other columns
    // "Name value" right after the Value lines, but only while what the table describes
    // is open, so a dump taken on the map in play reads as it always has:
    WhileLooking,     // while UiMode is UiLook
    WhileScreenOpen,  // while ActiveScreen names a screen
};
struct Rule {
    Kind kind;
    int entries;  // how many leading entries a list writes; 0 all of them
};
constexpr Rule Omitted{Kind::Omitted, 0};
constexpr Rule Value{Kind::Value, 0};
constexpr Rule Vars{Kind::Vars, 0};
constexpr Rule List{Kind::List, 0};
constexpr Rule ListFirst(int entries) { return {Kind::List, entries}; }
constexpr Rule HeroSlot{Kind::HeroSlot, 0};
constexpr Rule Ranked{Kind::Ranked, 0};
constexpr Rule Countdowns(int entries) { return {Kind::Countdowns, entries}; }
constexpr Rule Slots{Kind::Slots, 0};
constexpr Rule WhileLooking{Kind::WhileLooking, 0};
constexpr Rule WhileScreenOpen{Kind::WhileScreenOpen, 0};
}  // namespace DumpAs

// Zeroes every table of the list below (texts emptied), as at program start.
void ClearAllTables();
#endif  // HOOF_CORE_STATE_H

// ---- The tables ---------------------------------------------------------------------
// One HOOF_TABLE(type, name, dimensions, how the state dump writes it) line per table.
// Included as usual, the list declares the tables. state.cpp (the definitions and
// ClearAllTables) and dump.cpp define HOOF_TABLE to what they need and include this
// header again, so a table added here is also defined, cleared and dumped. Keep
// #include lines above the list: it may be read inside a function.
#ifndef HOOF_STATE_LISTING  // an include from inside the list skips it
#define HOOF_STATE_LISTING
#ifndef HOOF_TABLE
#define HOOF_TABLE(type, name, dims, dump) extern type name dims;
#endif
// The list is a table, each line with its meaning beside it: the formatter leaves it be.
// clang-format off

// ---- Sector layers, indexed [x][y]; walked x outer, y inner ----------------
HOOF_TABLE(int, MapTerrain, [MapWidth][MapHeight], Omitted)       // terrain code of the cell (1..90)
HOOF_TABLE(int, MapFrame, [MapWidth][MapHeight], Omitted)         // 0 nothing; 1..999 tile frame + 1; above 1000 animated (frame - 1001 + phase)
HOOF_TABLE(int, MapSeen, [MapWidth][MapHeight], Omitted)          // 0 never seen, 1 remembered (drawn dimmed), 2 in view now
HOOF_TABLE(int, MapRegion, [MapWidth][MapHeight], Omitted)        // ground-style region, picks the floor frame (1..4, 11..16)
HOOF_TABLE(int, MapRockfall, [MapWidth][MapHeight], Omitted)      // 1 where falling rocks will land (warning mark drawn)
HOOF_TABLE(int, MapHighlight, [MapWidth][MapHeight], Omitted)     // 1 draws a translucent red square; also the acceptance test's path marks
HOOF_TABLE(int, MapDistHero, [MapWidth][MapHeight], Omitted)      // walking distance to the hero, recomputed every turn
HOOF_TABLE(int, MapDistHostile, [MapWidth][MapHeight], Omitted)   // walking distance to the nearest hostile, recomputed every turn
HOOF_TABLE(int, MapDistHeroFree, [MapWidth][MapHeight], Omitted)  // walking distance to the hero ignoring creatures, every turn
HOOF_TABLE(int, MapDistSkill, [MapWidth][MapHeight], Omitted)     // distance field of a skill effect (kept in the sector file)
HOOF_TABLE(int, MapMask, [MapWidth][MapHeight], Omitted)          // scratch layer of generators, on-demand fields, acceptance test

// ---- Creature table: slot 0 the hero, 1..50 creatures -----------------------
// A slot counts only while MonKind >= 1 and MonHp > 0.
HOOF_TABLE(int, MonKind, [MonSlots], HeroSlot)                    // 0 free; 1 the hero; 2.. creature kind
HOOF_TABLE(std::string, MonName, [MonSlots], HeroSlot)            // hero's name in capitals, or the kind's display name
HOOF_TABLE(int, MonX, [MonSlots], HeroSlot)                       // column of the slot's cell
HOOF_TABLE(int, MonY, [MonSlots], HeroSlot)                       // row of the slot's cell
HOOF_TABLE(int, MonHp, [MonSlots], HeroSlot)                      // hit points; the slot counts only while above 0
HOOF_TABLE(int, MonMaxHp, [MonSlots], HeroSlot)                   // most hit points
HOOF_TABLE(int, MonMp, [MonSlots], HeroSlot)                      // magic points
HOOF_TABLE(int, MonMaxMp, [MonSlots], HeroSlot)                   // most magic points
HOOF_TABLE(int, MonXp, [MonSlots], HeroSlot)                      // hero: experience collected; creature: experience it is worth
HOOF_TABLE(int, MonLevel, [MonSlots], HeroSlot)                   // creatures: number of level-ups applied
HOOF_TABLE(int, MonAtk, [MonSlots], HeroSlot)                     // the six base statistics, shown as ATK, DEF, STR, SPD, MAG, CON
HOOF_TABLE(int, MonDef, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonStr, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonSpd, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonMag, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonCon, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonAtkBonus, [MonSlots], HeroSlot)                // the six bonuses are recomputed every frame
HOOF_TABLE(int, MonDefBonus, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonStrBonus, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonSpdBonus, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonMagBonus, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonConBonus, [MonSlots], HeroSlot)
HOOF_TABLE(int, MonStatus, [MonSlots][MonStatusCount], HeroSlot)  // turns left per status id (core/statuses.h); 1000 and above permanent
HOOF_TABLE(int, MonAttitude, [MonSlots], HeroSlot)                // 0 hostile, 1 friendly, 2 neutral, 3 ally
HOOF_TABLE(int, MonMode, [MonSlots], HeroSlot)                    // per-kind behaviour state
HOOF_TABLE(int, MonDamageTaken, [MonSlots], HeroSlot)             // damage of the last attack resolved against the slot

// ---- Ground items, slots 0..500 (kind 0 = free slot) -------------------------
HOOF_TABLE(int, GroundItemKind, [GroundSlots], Slots)
HOOF_TABLE(int, GroundItemTier, [GroundSlots], Slots)
HOOF_TABLE(int, GroundItemX, [GroundSlots], Slots)
HOOF_TABLE(int, GroundItemY, [GroundSlots], Slots)
HOOF_TABLE(int, GroundItemSeed, [GroundSlots], Slots)
HOOF_TABLE(int, GroundItemCount, [GroundSlots], Slots)

// ---- Inventory, slots 0..56 (kind 0 = empty) --------------------------------
HOOF_TABLE(int, InvKind, [InvSlots], Slots)
HOOF_TABLE(int, InvTier, [InvSlots], Slots)
HOOF_TABLE(int, InvSeed, [InvSlots], Slots)
HOOF_TABLE(int, InvCount, [InvSlots], Slots)

// ---- Equipment: the inventory slot worn in each place, -1 none ---------------
HOOF_TABLE(int, Equip, [EquipSlots], List)
HOOF_TABLE(int, EquipReservedA, [EquipSlots], Omitted)  // kept only for the save game's layout; always 0
HOOF_TABLE(int, EquipReservedB, [EquipSlots], Omitted)  // kept only for the save game's layout; always 0

// ---- Skills ------------------------------------------------------------------
HOOF_TABLE(int, SkillId, [SkillSlots], List)     // skill id, 0 none
HOOF_TABLE(int, SkillLevel, [SkillSlots], List)  // 0..3

// ---- Store offers and the cooking pot -----------------------------------------
HOOF_TABLE(int, StoreItemKind, [StoreSlots], Omitted)
HOOF_TABLE(int, StoreItemTier, [StoreSlots], Omitted)
HOOF_TABLE(int, StoreItemSeed, [StoreSlots], Omitted)
HOOF_TABLE(int, PotKind, [PotSlots], Omitted)
HOOF_TABLE(int, PotTier, [PotSlots], Omitted)
HOOF_TABLE(int, PotSeed, [PotSlots], Omitted)

// ---- Hero and run scalars kept in the save game -------------------------------
HOOF_TABLE(int, HeroId, , Value)             // chosen hero 1..6
HOOF_TABLE(int, Bits, , Value)               // money
HOOF_TABLE(int, Friendship, , Value)         // 0..100, shown as fs
HOOF_TABLE(int, FriendshipTimer, , Value)    // turns until the next friendship tick
HOOF_TABLE(int, XpNext, , Value)             // experience needed for the next level
HOOF_TABLE(int, SkillPoints, , Value)        // unspent skill points
HOOF_TABLE(int, InvCapacity, , Value)        // usable inventory slots: 48, or 56 for earth hooflings
HOOF_TABLE(int, FullStomachTimer, , Value)   // turns until eating is possible again
HOOF_TABLE(int, TurnCount, , Value)          // turns played
HOOF_TABLE(int, WorldSeed, , Value)          // seed of the game; sectors derive their seeds from it
HOOF_TABLE(int, Depth, , Value)              // number of the current sector; names its sector file
HOOF_TABLE(int, LastPlayerX, , Value)        // hero position at the end of the previous turn
HOOF_TABLE(int, LastPlayerY, , Value)
HOOF_TABLE(int, LastPlayerTerrain, , Value)  // terrain under the hero at the end of the previous turn

// ---- Sector scalars kept in the sector file -----------------------------------
HOOF_TABLE(int, SectorBiome, , Value)
HOOF_TABLE(int, SectorLayout, , Value)

// ---- Working scalars, never saved ----------------------------------------------
HOOF_TABLE(std::string, DeathMessage, , Value)  // how the run ended, entered into the high-score table
HOOF_TABLE(int, GameOver, , Value)              // 1 ends the turn loop
HOOF_TABLE(int, GameWon, , Value)               // 0 the hero died, 1 the scenario was won
HOOF_TABLE(int, GameInProgress, , Value)        // 1 while a game is played
HOOF_TABLE(int, InGame, , Value)                // 1 while the turn loop runs
HOOF_TABLE(int, QuitArmed, , Value)             // 1 after the first Esc inside a game
HOOF_TABLE(int, QuitRequest, , Omitted)         // 0 playing on; 1 every loop returns and the program ends; 2 the same, saving the run first
HOOF_TABLE(int, TurnTaken, , Value)             // 1 when the player's action used up the turn
HOOF_TABLE(int, UiMode, , Value)                // 0 map, 1 inventory, 2 skill list, 3 aiming, 4 look cursor (core/ui_mode.h); wizard page number
HOOF_TABLE(int, LookCursorX, , WhileLooking)    // the look cursor's cell, kept on the map
HOOF_TABLE(int, LookCursorY, , WhileLooking)
HOOF_TABLE(int, ActiveScreen, , WhileScreenOpen)  // the screen running frames of its own (core/open_screen.h), 0 none
HOOF_TABLE(int, DialogueState, , Value)         // the active interaction and its progress
HOOF_TABLE(int, DialogueStep, , Value)
HOOF_TABLE(int, DialogueCreature, , Value)
HOOF_TABLE(int, DialogueCellX, , Value)
HOOF_TABLE(int, DialogueCellY, , Value)
HOOF_TABLE(int, AttackerSlot, , Value)          // working values of combat and movement
HOOF_TABLE(int, DefenderSlot, , Value)
HOOF_TABLE(int, FlyerMoveTest, , Value)
HOOF_TABLE(int, ActiveSkillSlot, , Value)       // the skill slot being used
HOOF_TABLE(int, HelpSkillSlot, , Value)         // the skill slot shown by the help text
HOOF_TABLE(int, AimPhase, , Value)              // progress of aiming the active skill
HOOF_TABLE(int, IgnoreCreaturesOnce, , Value)   // 1: the next occupancy test treats creatures as absent
HOOF_TABLE(int, InputDelay, , Value)            // frames for which keys are ignored
HOOF_TABLE(int, MenuCursor, , Value)            // list cursor of menus and dialogues
HOOF_TABLE(int, TradeKeysWaiting, , Omitted)    // bits of G, S, Space, Enter still down from the press that opened a trading screen
HOOF_TABLE(int, InvCursor, , Value)             // inventory panel cursor
HOOF_TABLE(int, TargetX, , Value)               // skill target cell, -1 when none
HOOF_TABLE(int, TargetY, , Value)
HOOF_TABLE(int, CameraX, , Value)               // scroll offset of the map view in pixels
HOOF_TABLE(int, CameraY, , Value)
HOOF_TABLE(int, MouseTileX, , Value)            // cell under the mouse pointer
HOOF_TABLE(int, MouseTileY, , Value)
HOOF_TABLE(int, HoverMonster, , Value)          // look-mode inputs, reset every frame
HOOF_TABLE(int, HoverTerrain, , Value)
HOOF_TABLE(int, HoverItem, , Value)
HOOF_TABLE(int, HoverItemSource, , Value)
HOOF_TABLE(int, ItemUnderHero, , Value)
HOOF_TABLE(int, HoverSkill, , Value)
HOOF_TABLE(int, HoverTopic, , Value)
HOOF_TABLE(int, PanelSwap, , Value)             // 800 x 600: 1 while the inventory replaces the other left panels
HOOF_TABLE(int, LevelUpAnim, , Value)           // frame counter of the level-up effect, 0 idle
HOOF_TABLE(int, WaterFrame, , Value)            // animation phase of animated tiles
HOOF_TABLE(int, WaterTick, , Value)
HOOF_TABLE(int, RegenerateSector, , Value)      // 1 while a generated sector must be generated again
HOOF_TABLE(std::string, LookupName, , Value)    // texts returned by the name and description lookups
HOOF_TABLE(std::string, LookupText, , Value)
HOOF_TABLE(std::string, LookupText2, , Value)
HOOF_TABLE(int, ApplyItemMods, , Value)         // always 0 now that a description adds nothing to the hero; the dump keeps its line
HOOF_TABLE(double, DistanceResult, , Value)     // result of the distance routine
HOOF_TABLE(int, ScreenWidth, , Value)           // 1024 x 768 or 800 x 600
HOOF_TABLE(int, ScreenHeight, , Value)
HOOF_TABLE(int, DebugText, , Value)             // 1 shows generation progress texts

// ---- Run variables, tables kept across games, scores and the log ------------------
// GameVars: the run's variables; every index is named in core/run_vars.h.
HOOF_TABLE(int, GameVars, [GameVarCount], Vars)
// GlobalData: garden plots, screen mode, debug text; indices named in core/run_vars.h.
HOOF_TABLE(int, GlobalData, [GlobalDataCount], Vars)
HOOF_TABLE(int, RecipeBook, [RecipeBookCount], Omitted)                                  // entry r is 1 once the recipe of food 140 + r is known
HOOF_TABLE(int, HighScoreValue, [HighScoreRanks][HighScoreTables], Ranked)               // [rank][table], rank 0 best
HOOF_TABLE(std::string, HighScoreName, [HighScoreRanks][HighScoreTables], Ranked)        // how the run ended; empty = no score yet
HOOF_TABLE(int, HighScoreDepth, [HighScoreRanks][HighScoreTables], Ranked)               // Depth + 1 at the end of the run
HOOF_TABLE(std::string, MessageLog, [MessageLogCount], ListFirst(MessageLogNewest + 1))  // 0..7 used, 7 the newest
HOOF_TABLE(int, SiteCooldown, [SiteCooldownCount], Countdowns(SiteCooldownKept))         // sectors before a special site may appear again (9999 never)

// ---- World generation working values --------------------------------------------------
HOOF_TABLE(std::string, SectorGenFailure, , Omitted)  // short name of the search that ran out; empty when the last generation succeeded
HOOF_TABLE(int, SiteFloorCode, , Omitted)             // floor that special sites clear to in a castle sector (35, 67 or 82)
HOOF_TABLE(int, MessagePushCount, , Omitted)          // messages pushed into the log since program start (for the probe)
HOOF_TABLE(int, MessageSeenCount, , Omitted)          // MessagePushCount when the log last showed in the top box at 800 x 600
// clang-format on

#undef HOOF_TABLE
#undef HOOF_STATE_LISTING
#endif  // HOOF_STATE_LISTING
