// The parts of a creature's turn, shared by the files that make it up: the step rules,
// each attitude's block and the attacks. Only the creatures' turn includes this.
#pragma once

#include "core/state.h"
#include "rules/behaviour.h"
#include "worldgen/creatures.h"

// ---- Shared helpers (creatures_act.cpp) --------------------------------------------
// A slot 1..50 that counts: a kind, and hit points left.
bool IsLiveCreature(int m);
// The slots stand on orthogonal neighbour cells.
bool Adjacent(int a, int b);
// A field's value at the cell of slot s (s is on the map: only such slots act).
int FieldAtSlot(const int (&field)[MapWidth][MapHeight], int s);
// The satchel holds one of the fruits that fruit bats are after.
bool HeroCarriesFruit();
// Euclidean distance from slot s to the hero.
double DistanceToHero(int s);

// ---- Steps (steps.cpp); each returns true when the creature moved ------------------
enum class StepTest {
    Free,      // CellBlocked gives 0
    Walkable,  // walkable ground: IsOpenGround gives 1
};
// First of west, east, north, south whose value is strictly lower than here and that
// passes the test. `flyer` sets FlyerMoveTest around the test, so pits do not block.
bool DownhillStep(int s, const int (&field)[MapWidth][MapHeight], StepTest test, bool flyer = false);
// The same with strictly higher values: running away.
bool UphillStep(int s, const int (&field)[MapWidth][MapHeight], StepTest test);
// One of the four directions at random (west, east, north, south), onto walkable ground.
bool RandomStep(int s);

// ---- The blocks of each attitude; `done` is true once the creature may not step ------
void HostileTurn(int s, bool& done);   // behaviour_hostile.cpp
void FriendlyTurn(int s, bool& done);  // behaviour_friendly.cpp
void NeutralTurn(int s, bool& done);   // behaviour_neutral.cpp
void AllyTurn(int s, bool& done);      // behaviour_allies.cpp

// ---- Attacks (creature_attacks.cpp) ---------------------------------------------------
// A hostile creature's attack at the end of its turn: the hero, or else an adjacent ally.
void HostileAttack(int s, bool done);
// An ally's blow at hostile slot d, with its report.
void AllyAttack(int s, int d);
