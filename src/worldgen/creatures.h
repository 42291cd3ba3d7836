// The creature catalogue, spawning, the random creature groups of a sector, and how
// creatures grow with depth.
#pragma once

// What SpawnCreature returns when every creature slot 1..50 is taken.
constexpr int NoCreatureSlot = -1;

// One creature kind as it starts out.
struct CreatureKindInfo {
    int kind;
    const char* name;  // display name, copied into MonName
    int attitude;      // starting MonAttitude (kinds 8 and 35 are settled at spawn)
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
