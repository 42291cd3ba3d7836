// What the creatures do after each turn of the hero: the walking-distance fields they
// follow, and their own turn.
#pragma once

// Rebuilds MapDistHero (from the hero unless Disguised), MapDistHeroFree (from the hero
// always, water, pits and lava passable) and MapDistHostile (from every hostile
// creature). Values: 0 at a source, 1..20 walking steps, 1000 farther or unreachable,
// 5000 an obstacle.
void ComputeDistanceFields();
// Every creature acts once, in slot order, on the fields built just before.
void CreaturesAct();
