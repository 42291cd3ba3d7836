// The test a newly generated sector must pass before the hero may enter it: the way
// onward must be reachable from where he comes in.
#pragma once

// 1 when every cell of the scenario's onward code (forest 5, chaos 78, castle 81)
// lies on the traced path from the way in (also when the sector has no such cell),
// and, before depth 29, the sector has some way on (5, 41, 78 or 81); 0 otherwise.
// The distances are spread from the scenario's code when the sector holds it (from
// every way on otherwise), so the traced path heads for the cells being tested.
// Leaves the walking distances in MapMask and the traced path in MapHighlight.
int SectorPassesAcceptance();
