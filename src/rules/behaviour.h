// What the creatures do after each turn of the hero: the walking-distance fields they
// follow, their own turn, and the fields the skills build on demand.
#pragma once

// Values of the walking-distance fields: 0 at a source, 1..FieldReach walking steps.
constexpr int FieldReach = 20;       // steps a field reaches
constexpr int FieldFar = 1000;       // farther than FieldReach, or no way there
constexpr int FieldObstacle = 5000;  // a cell the field may not enter

// Rebuilds MapDistHero (from the hero unless Disguised), MapDistHeroFree (from the hero
// always, water, pits and lava passable) and MapDistHostile (from every hostile
// creature), with the values above.
void ComputeDistanceFields();
// Every creature acts once, in slot order, on the fields built just before.
void CreaturesAct();

// Obstacle modes of BuildField.
constexpr int FieldWalking = 0;         // what blocks a step when creatures are ignored
constexpr int FieldOpen = 1;            // nothing blocks
constexpr int FieldTreesMountains = 2;  // only trees and mountains block

// Steps from (x, y) into MapMask in one of the modes above, with the walking fields'
// values (0, 1..20, 1000, 5000). Any other mode blocks nothing; a source off the map
// leaves every cell far or an obstacle.
void BuildField(int x, int y, int mode);
// The Covet field MapDistSkill: steps from the enchanted item at (x, y), nothing blocks.
void BuildCovetField(int x, int y);
