// The game's state: every global table, declared once with what its values mean.
// Tables are created zeroed at program start and never resized; a new game clears
// the run's tables (ResetGame), loading overwrites them. One thread reads and writes
// them directly.
#pragma once
#include <string>

// ---- Size constants --------------------------------------------------------
constexpr int MapMaxX = 44;          // last column; a sector has 45 columns
constexpr int MapMaxY = 35;          // last row; a sector has 36 rows
constexpr int MapWidth = MapMaxX + 1;
constexpr int MapHeight = MapMaxY + 1;
constexpr int MonCapacity = 50;      // highest creature slot; slot 0 is always the hero
constexpr int MonSlots = MonCapacity + 1;
constexpr int MonStatusCount = 21;   // status ids 0..20
constexpr int GroundCapacity = 500;  // highest ground-item slot
constexpr int GroundSlots = GroundCapacity + 1;
constexpr int InvSlots = 57;         // inventory slots 0..56; InvCapacity of them usable
constexpr int EquipSlots = 6;        // 0 Headgear, 1 Dress, 2 Boots, 3 Acc. 1, 4 Acc. 2, 5 Weapon
constexpr int SkillSlots = 10;
constexpr int StoreSlots = 9;
constexpr int PotSlots = 5;
constexpr int GameVarCount = 101;
constexpr int GlobalDataCount = 21;
constexpr int RecipeBookCount = 100;
constexpr int HighScoreRanks = 10;
constexpr int HighScoreTables = 3;   // one per scenario
constexpr int MessageLogCount = 9;   // entries 0..7 used, 7 the newest
constexpr int MessageLogNewest = 7;
constexpr int SiteCooldownCount = 99;

// ---- Sector layers, indexed [x][y]; walked x outer, y inner ----------------
extern int MapTerrain[MapWidth][MapHeight];      // terrain code of the cell (1..90)
extern int MapFrame[MapWidth][MapHeight];        // 0 nothing; 1..999 tile frame + 1; above 1000 animated (frame - 1001 + phase)
extern int MapSeen[MapWidth][MapHeight];         // 0 never seen, 1 remembered (drawn dimmed), 2 in view now
extern int MapRegion[MapWidth][MapHeight];       // ground-style region, picks the floor frame (1..4, 11..16)
extern int MapRockfall[MapWidth][MapHeight];     // 1 where falling rocks will land (warning mark drawn)
extern int MapHighlight[MapWidth][MapHeight];    // 1 draws a translucent red square; also the acceptance test's path marks
extern int MapDistHero[MapWidth][MapHeight];     // walking distance to the hero, recomputed every turn
extern int MapDistHostile[MapWidth][MapHeight];  // walking distance to the nearest hostile, recomputed every turn
extern int MapDistHeroFree[MapWidth][MapHeight]; // walking distance to the hero ignoring creatures, every turn
extern int MapDistSkill[MapWidth][MapHeight];    // distance field of a skill effect (kept in the sector file)
extern int MapMask[MapWidth][MapHeight];         // scratch layer of generators, on-demand fields, acceptance test

// ---- Creature table: slot 0 the hero, 1..50 creatures -----------------------
// A slot counts only while MonKind >= 1 and MonHp > 0.
extern int MonKind[MonSlots];          // 0 free; 1 the hero; 2.. creature kind
extern std::string MonName[MonSlots];  // hero's name in capitals, or the kind's display name
extern int MonX[MonSlots];
extern int MonY[MonSlots];
extern int MonHp[MonSlots];
extern int MonMaxHp[MonSlots];
extern int MonMp[MonSlots];
extern int MonMaxMp[MonSlots];
extern int MonXp[MonSlots];            // hero: experience collected; creature: experience it is worth
extern int MonLevel[MonSlots];         // creatures: number of level-ups applied
extern int MonAtk[MonSlots];
extern int MonDef[MonSlots];
extern int MonStr[MonSlots];
extern int MonSpd[MonSlots];
extern int MonMag[MonSlots];
extern int MonCon[MonSlots];
extern int MonAtkBonus[MonSlots];      // the six bonuses are recomputed every frame
extern int MonDefBonus[MonSlots];
extern int MonStrBonus[MonSlots];
extern int MonSpdBonus[MonSlots];
extern int MonMagBonus[MonSlots];
extern int MonConBonus[MonSlots];
extern int MonStatus[MonSlots][MonStatusCount];  // turns left per status id (rules/statuses.h); 1000 and above permanent
extern int MonAttitude[MonSlots];      // 0 hostile, 1 friendly, 2 neutral, 3 ally
extern int MonMode[MonSlots];          // per-kind behaviour state
extern int MonDamageTaken[MonSlots];   // damage of the last attack resolved against the slot

// ---- Ground items, slots 0..500 (kind 0 = free slot) -------------------------
extern int GroundItemKind[GroundSlots];
extern int GroundItemTier[GroundSlots];
extern int GroundItemX[GroundSlots];
extern int GroundItemY[GroundSlots];
extern int GroundItemSeed[GroundSlots];
extern int GroundItemCount[GroundSlots];

// ---- Inventory, slots 0..56 (kind 0 = empty) --------------------------------
extern int InvKind[InvSlots];
extern int InvTier[InvSlots];
extern int InvSeed[InvSlots];
extern int InvCount[InvSlots];

// ---- Equipment: the inventory slot worn in each place, -1 none ---------------
extern int Equip[EquipSlots];
extern int EquipReservedA[EquipSlots];  // kept only for the save game's layout; always 0
extern int EquipReservedB[EquipSlots];  // kept only for the save game's layout; always 0

// ---- Skills ------------------------------------------------------------------
extern int SkillId[SkillSlots];     // skill id, 0 none
extern int SkillLevel[SkillSlots];  // 0..3

// ---- Store offers and the cooking pot -----------------------------------------
extern int StoreItemKind[StoreSlots];
extern int StoreItemTier[StoreSlots];
extern int StoreItemSeed[StoreSlots];
extern int PotKind[PotSlots];
extern int PotTier[PotSlots];
extern int PotSeed[PotSlots];

// ---- Hero and run scalars kept in the save game -------------------------------
extern int HeroId;             // chosen hero 1..6
extern int Bits;               // money
extern int Friendship;         // 0..100, shown as fs
extern int FriendshipTimer;    // turns until the next friendship tick
extern int XpNext;             // experience needed for the next level
extern int SkillPoints;        // unspent skill points
extern int InvCapacity;        // usable inventory slots: 48, or 56 for earth hooflings
extern int FullStomachTimer;   // turns until eating is possible again
extern int TurnCount;          // turns played
extern int WorldSeed;          // seed of the game; sectors derive their seeds from it
extern int Depth;              // number of the current sector; names its sector file
extern int LastPlayerX;        // hero position at the end of the previous turn
extern int LastPlayerY;
extern int LastPlayerTerrain;  // terrain under the hero at the end of the previous turn

// ---- Sector scalars kept in the sector file -----------------------------------
extern int SectorBiome;
extern int SectorLayout;

// ---- Working scalars, never saved ----------------------------------------------
extern std::string DeathMessage;  // how the run ended, entered into the high-score table
extern int GameOver;              // 1 ends the turn loop
extern int GameWon;               // 0 the hero died, 1 the scenario was won
extern int GameInProgress;        // 1 while a game is played
extern int InGame;                // 1 while the turn loop runs
extern int QuitArmed;             // 1 after the first Esc inside a game
extern int QuitRequest;           // 0 playing on; 1 every loop returns and the program ends; 2 the same, saving the run first
extern int TurnTaken;             // 1 when the player's action used up the turn
extern int UiMode;                // 0 map, 1 inventory, 2 skill list, 3 aiming; wizard page number
extern int DialogueState;         // the active interaction and its progress
extern int DialogueStep;
extern int DialogueCreature;
extern int DialogueCellX;
extern int DialogueCellY;
extern int AttackerSlot;          // working values of combat and movement
extern int DefenderSlot;
extern int FlyerMoveTest;
extern int ActiveSkillSlot;       // the skill slot being used
extern int HelpSkillSlot;         // the skill slot shown by the help text
extern int AimPhase;              // progress of aiming the active skill
extern int IgnoreCreaturesOnce;   // 1: the next occupancy test treats creatures as absent
extern int InputDelay;            // frames for which keys are ignored
extern int MenuCursor;            // list cursor of menus and dialogues
extern int InvCursor;             // inventory panel cursor
extern int TargetX;               // skill target cell, -1 when none
extern int TargetY;
extern int CameraX;               // scroll offset of the map view in pixels
extern int CameraY;
extern int MouseTileX;            // cell under the mouse pointer
extern int MouseTileY;
extern int HoverMonster;          // look-mode inputs, reset every frame
extern int HoverTerrain;
extern int HoverItem;
extern int HoverItemSource;
extern int ItemUnderHero;
extern int HoverSkill;
extern int HoverTopic;
extern int PanelSwap;             // 800 x 600: 1 while the inventory replaces the other left panels
extern int LevelUpAnim;           // frame counter of the level-up effect, 0 idle
extern int WaterFrame;            // animation phase of animated tiles
extern int WaterTick;
extern int RegenerateSector;      // 1 while a generated sector must be generated again
extern std::string LookupName;    // texts returned by the name and description lookups
extern std::string LookupText;
extern std::string LookupText2;
extern int ApplyItemMods;         // 1 while describing an item also adds its bonuses to the hero
extern double DistanceResult;     // result of the distance routine
extern int ScreenWidth;           // 1024 x 768 or 800 x 600
extern int ScreenHeight;
extern int DebugText;             // 1 shows generation progress texts

// ---- Run variables, tables kept across games, scores and the log ------------------
// GameVars: the run's variables; every index is named in core/run_vars.h.
extern int GameVars[GameVarCount];
// GlobalData: garden plots, screen mode, debug text; indices named in core/run_vars.h.
extern int GlobalData[GlobalDataCount];
extern int RecipeBook[RecipeBookCount];  // entry r is 1 once the recipe of food 140 + r is known
extern int HighScoreValue[HighScoreRanks][HighScoreTables];          // [rank][table], rank 0 best
extern std::string HighScoreName[HighScoreRanks][HighScoreTables];   // how the run ended; empty = no score yet
extern int HighScoreDepth[HighScoreRanks][HighScoreTables];          // Depth + 1 at the end of the run
extern std::string MessageLog[MessageLogCount];  // 0..7 used, 7 the newest
extern int SiteCooldown[SiteCooldownCount];      // sectors before a special site may appear again (9999 never)

// ---- World generation working values --------------------------------------------------
extern std::string SectorGenFailure;  // short name of the search that ran out; empty when the last generation succeeded
extern int SiteFloorCode;             // floor that special sites clear to in a castle sector (35, 67 or 82)
extern int MessagePushCount;          // messages pushed into the log since program start (for the probe)

// Zeroes every table above (texts emptied), as at program start.
void ClearAllTables();
