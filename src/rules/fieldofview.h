// The hero's field of view, kept in MapSeen.
#pragma once

// Sight radius: 9, or 4 / 12 by the night statue's favour, shrunk by blindness, the
// dark of layout 31 and the Jestbloom of Corvanne; never below 2.
int SightRadius();
// Remembers what was in view, then casts 181 rays from the hero's cell; every cell a
// ray reaches is in view now, and a ray ends after the first cell that blocks sight.
void ComputeView();
// 1 when (x, y) stops a ray: sight-blocking terrain (unless the hero wears the X Ray
// Specs on the head), a bush the hero is not standing in, or a shade.
bool CellBlocksView(int x, int y);
