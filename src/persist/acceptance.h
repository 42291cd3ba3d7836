// The test a newly generated sector must pass before the hero may enter it: the way
// onward must be reachable from where he comes in.
#pragma once

// 1 when every cell of the scenario's onward code lies on the traced path from the
// way in (and when the sector has no such cell); 0 otherwise. Leaves the walking
// distances in MapMask and the traced path in MapHighlight.
int SectorPassesAcceptance();
