// Named entries of the run variables (GameVars) and of the tables kept across games
// (GlobalData), and names for the values that are codes. Every rule reads and writes
// these tables through the names here, never through a bare index.
//
// When adding an entry: take the next index of the range marked "always 0", give it a
// one-line meaning here, and remember that both tables are stored whole (GameVars in
// the save game, GlobalData in GlobalData.dat), so an index never changes its meaning.
#pragma once

// ---- GameVars: one run; saved with the game, cleared for a new game -------------------
// clang-format off
enum GameVar : int {
    VarStatueOfferingDone = 0,  // 1 once an offering at the night statue has had its result
    VarStatueFavour = 1,        // favour of the night statue, StatueFavourMin..StatueFavourMax
    VarSweetOfferings = 2,      // fine sweet offerings; Princess Noctessa comes at NoctessaOfferings
    VarAteAnimalFood = 3,       // 1 once the hero has eaten food that is not a plant
    VarReturnDepth = 4,         // the sector to return to from a special sector
    VarBandBiomeFirst = 5,      // 5..7: the three band biomes, distinct codes from {2, 3, 4, 6}
    VarBandBiomeSecond = 6,
    VarBandBiomeThird = 7,
    VarTurnsOnCell = 8,         // turns the hero has stood on the same cell
    VarTurnsOnTerrain = 9,      // turns the hero has stood on the same terrain
    VarPrizeFirst = 10,         // 10..19: the run's prize list, item ids drawn at a new game:
    VarPrizeNoctessa = 10,      //   Princess Noctessa's gift
    VarPrizeVineChest = 11,     //   the vine chest's treasure
    VarPrizeStoneTable = 12,    //   the stone table's treasure
    VarPrizeTreasureChest = 13, //   the treasure chest's treasure
    VarPrizeQuest = 14,         //   the quest's reward
    VarPrizeBravaVenn = 15,     //   Brava Venn's trinket
    VarPrizeTreasury = 16,      //   the castle treasury's item
    VarPrizeBurlo = 17,         //   Burlo's gift
    VarPrizeLast = 19,
    VarRockfallPhase = 20,      // rockfall phase 0..4 of the rockfall layout
    VarFolkRoleFirst = 21,      // 21..29: role (FolkRole) of each of the nine forest folk
    VarFolkRoleLast = 29,
    VarTalkFlagFirst = 30,      // 30..44: talk flags counted down by one every turn:
    VarTalkFolkFirst = 30,      //   30..38 the forest folk
    VarTalkFolkLast = 38,
    VarTalkWobbin = 39,
    VarTalkOmbasi = 40,
    VarTalkGriffon = 41,
    VarTalkNoctessa = 42,
    VarTalkTroll = 43,
    VarTalkFairy = 44,
    VarTalkFlagLast = 44,
    VarQuestType = 45,          // QuestType
    VarQuestProgress = 46,      // 0 not yet offered, 1 offered, +1 per wolf or snake knocked out
    VarDifficulty = 47,         // DifficultyCode
    VarTalkClockwick = 48,      // talk flag, never counted down
    VarScenario = 49,           // ScenarioCode
    VarStalkerNotes = 50,       // notes about the Thinwraith read; StalkerDefeated once it fell
    VarTempleTrap = 51,         // 0 untouched; above 1 counting down; TempleTrapSprung: lava spreads
    VarTalkBravaVenn = 52,      // talk flag, never counted down
    VarLevelUpCycle = 53,       // position in the level-up bonus cycle 1..8
    VarTalkVillagerFirst = 54,  // 54..58: talk flags of Nougette, Harpella, Marnella, Pearlwick
    VarTalkVillagerLast = 58,   //   and Burlo, never counted down
    // 59..100 always 0
};
// clang-format on

// ---- GlobalData: kept across games in GlobalData.dat ------------------------------
// clang-format off
enum GlobalDatum : int {
    GlobalGardenPlotFirst = 0,    // 0..5: the fruit (item id) planted in each fairy garden tree, 0 none
    GlobalGardenPlotLast = 5,
    GlobalGardenGrowthFirst = 6,  // 6..11: turns the plot of the same place has grown
    GlobalGardenGrowthLast = 11,
    GlobalScreenMode = 12,        // ScreenModeCode
    GlobalDebugText = 13,         // 1 shows generation progress texts
    // 14..20 always 0
};
// clang-format on
constexpr int GardenPlots = GlobalGardenPlotLast - GlobalGardenPlotFirst + 1;

// ---- Values that are codes ------------------------------------------------------------

// HeroId.
enum HeroCode : int {
    HeroQuenbyArlo = 1,
    HeroDabbleMoss = 2,
    HeroSkelterVane = 3,
    HeroCorvanne = 4,
    HeroTansyBrook = 5,
    HeroMellowen = 6,
};

// GameVars[VarScenario]; also the number of its high-score table.
enum ScenarioCode : int {
    ScenarioForest = 0,  // the quest for the flower
    ScenarioChaos = 1,   // Skarnix's chaos
    ScenarioCastle = 2,  // Vorgath's castle
};

// Depth of the side sectors a door or a stair leads to, off the chain of depths 0 and
// deeper; the way back is GameVars[VarReturnDepth]. The temple lies lowest.
enum SpecialDepth : int {
    DepthFairyGarden = -1,
    DepthCrypt = -2,
    DepthTemple = -3,
};

// GameVars[VarDifficulty].
enum DifficultyCode : int {
    DifficultyEasy = 0,
    DifficultyNormal = 1,
    DifficultyHard = 2,
};

// GameVars[VarQuestType].
enum QuestType : int {
    QuestDone = 0,
    QuestSixWolves = 1,
    QuestEightApples = 2,
    QuestChocolatePancakes = 3,
    QuestSixSnakes = 4,
};

// GameVars[VarFolkRoleFirst..VarFolkRoleLast].
// clang-format off
enum FolkRole : int {
    RoleMerchant = 1,
    RoleQuestGiver = 2,
    RoleRecipeHintFirst = 3,  // 3..13: a recipe hint
    RoleRecipeHintLast = 13,
    RoleLoreFirst = 21,       // 21..30: creature lore
    RoleLoreLast = 30,
};
// clang-format on

// GlobalData[GlobalScreenMode].
enum ScreenModeCode : int {
    ScreenMode1024x768 = 0,
    ScreenMode800x600 = 1,
};

constexpr int StatueFavourMin = -10;  // darkness: the hero's sight shrinks
constexpr int StatueFavourMax = 10;   // brightness: the hero's sight grows
constexpr int NoctessaOfferings = 4;  // fine sweet offerings that bring Princess Noctessa
constexpr int StalkerDefeated = 10;   // GameVars[VarStalkerNotes] once the Thinwraith has fallen
constexpr int TempleTrapSprung = 1;   // GameVars[VarTempleTrap] while the temple fills with lava
