// The forest sector generator: builds the current sector for Depth in place.
#pragma once

// Builds the whole sector (terrain, regions, biome and layout, the ways in and out,
// the hero's cell, creatures and items, frames). Seeds from the sector seed, or from
// the clock while RegenerateSector is 1. False when a search ran out of tries; then
// SectorGenFailure names it and the sector must be generated again.
bool GenerateSector();

// Turns every cell a generator marked "keep out" back into its own terrain; a finished
// sector holds no such mark.
void LiftReservedMarks();

// The ways in and out: exits, entrances and their tunnels, the castle-grounds gates,
// the chaos portals and the arrival in a special sector; also places the hero.
bool PlaceWaysInAndOut();
