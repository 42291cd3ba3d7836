// The forest scene behind the title menu, the new-game pages and the options.
#pragma once

constexpr int TitleScrollEnd = -458;  // where the pan from the treetops stops

// Draws the intro scene at the given scroll with the six heroes standing in it, the
// logo at `logoAlpha` (nothing when 0 or less) and the lavender bands that frame it.
// With `litHero` 0..5 every other portrait is drawn darkened; -1 draws all as they are.
void DrawTitleScene(int scroll, double logoAlpha, int litHero);
