// How creatures grow stronger: one level of growth, applied at spawning, for deeper
// sectors, when Nibblits breed and when skills or interactions call creatures up.
#pragma once

// One level of growth for creature slot s (1..50): hit and magic points, the six
// statistics, the kind's own extras, the hard-mode bonus, a full heal and 5 more
// experience. Slots outside 1..50 are left alone.
void LevelUpCreature(int s);
