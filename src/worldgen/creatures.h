// The creature catalogue, spawning, the random creature groups of a sector, and how
// creatures grow with depth.
//
// When adding a kind: give it the next number in CreatureKindCode, move KindLast to it,
// add its row at the end of the catalogue (creatures.cpp; the build checks the order),
// and draw its frame in the animals sheet, which holds the kinds from the Nibblit on.
// Kinds are stored in the sector files, so a kind never changes its number.
#pragma once

// Every value of MonKind. Names follow the display names of the catalogue.
// clang-format off
enum CreatureKindCode : int {
    KindNone = 0,           // a free slot
    KindHero = 1,           // slot 0 only
    KindNibblit = 2,
    KindNoctessa = 3,       // Princess Noctessa
    KindOmbasi = 4,         // the healer
    KindWasp = 5,
    KindSnake = 6,
    KindBunny = 7,
    KindRat = 8,
    KindShade = 9,
    KindChangeling = 10,
    KindScorpion = 11,
    KindTimberWolf = 12,
    KindTreelephant = 13,
    KindBeaver = 14,
    KindCerberus = 15,
    KindWolf = 16,
    KindSpider = 17,
    KindGiantSpider = 18,
    KindTroll = 19,
    KindFairy = 20,
    KindHydra = 21,
    KindOgre = 22,
    KindBat = 23,
    KindCockatrice = 24,
    KindWobbinPip = 25,
    KindSalesGriffon = 26,
    KindGrubbin = 27,
    KindSeahoofling = 28,
    KindDrybones = 29,
    KindTreemonster = 30,
    KindDoe = 31,
    KindBuck = 32,
    KindZoquiral = 33,
    KindBear = 34,
    KindManticore = 35,
    KindPanther = 36,
    KindFruitBat = 37,
    KindGemHound = 38,      // leads a pack of alpha gem hounds
    KindAlphaGemHound = 39,
    KindClockwick = 40,     // the time traveller
    KindThinwraith = 41,    // the stalker the notes tell of
    KindTeenDragon = 42,
    KindCrocodile = 43,
    KindBravaVenn = 44,
    KindSkarnix = 45,       // the chaos spirit, the chaos quest's villain
    KindVorgath = 46,       // the castle quest's villain
    KindNougette = 47,      // 47..51: the five villagers rescued from the castle prisons
    KindHarpella = 48,
    KindMarnella = 49,
    KindPearlwick = 50,
    KindBurlo = 51,
};
// clang-format on
constexpr int KindFirstCreature = KindNibblit;  // kinds 2..51 have a catalogue row
constexpr int KindLast = KindBurlo;

// MonAttitude values.
enum CreatureAttitude : int {
    AttitudeHostile = 0,
    AttitudeFriendly = 1,
    AttitudeNeutral = 2,
    AttitudeAlly = 3,
};

// MonMode values that name a state. Other kinds count with it (a wolf's turns of
// flight) or number themselves (the forest folk 1, 2, 3 of their site).
enum CreatureMode : int {
    ModeNone = 0,                 // what most kinds start with
    ModeLyingInWait = 1,          // timber wolf, cerberus: no step until the hero comes close
    ModeChangelingDisguised = 0,  // a changeling still in its bunny shape
    ModeChangelingRevealed = 1,   // a changeling that has dropped it
    ModeVillagerThanked = 1,      // a rescued villager that has given its gift (0: not yet)
};

// What SpawnCreature returns when every creature slot 1..50 is taken.
constexpr int NoCreatureSlot = -1;

// One creature kind as it starts out.
struct CreatureKindInfo {
    int kind;
    const char* name;  // display name, copied into MonName
    int attitude;      // starting MonAttitude (rats and manticores are settled at spawn)
    bool flies;        // flying status set for good
    int mode;          // starting MonMode
    int extraLevels;   // level-ups on top of the one every creature gets
};

// The catalogue row of kind 2..51; nullptr for any other kind.
const CreatureKindInfo* CreatureKind(int kind);

// Sets LookupName to the display name of kinds 2..51; other kinds leave it unchanged.
void CreatureKindName(int kind);

// Puts a fresh creature of `kind` at (x, y) in the lowest free slot 1..50 and returns
// the slot, or NoCreatureSlot when the table is full (callers then skip their own
// follow-up writes). Does not test the cell.
int SpawnCreature(int x, int y, int kind);

// The random creature groups of a new forest sector (two rolls of table A, two of
// table B) placed in their styles. Always succeeds: a creature without a cell is skipped.
bool PlaceCreatures();

// Levels every creature of level 2 or less for the depth (and the hard difficulty);
// run at every sector change after the sector is in place.
void ScaleCreaturesForDepth();

// While the hero carries 1 to 9 stalker notes, the Thinwraith may follow him into
// the sector; run at every sector change before the depth scaling.
void StalkerEvent();
