// Friendly creatures: the troll who guards his water, and the folk who stroll about.
#include "core/messagelog.h"
#include "rules/creature_turn.h"
#include "worldgen/terrain.h"

void FriendlyTurn(int s, bool& done) {
    // Swimming near the troll costs his friendship at once; he stays put this turn,
    // as every friendly troll does.
    if (MonKind[s] == KindTroll && TerrainAt(MonX[0], MonY[0]) == DeepWater && DistanceToHero(s) < 4.0) {
        PushMessage("The troll growls at you");
        MonAttitude[s] = AttitudeHostile;
    }
    // Friendly creatures that stay put began their turn done, so only wanderers step.
    if (!done && RandomStep(s)) done = true;
}
