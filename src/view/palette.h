// The colours the player may change: the panels' theme and the dimming of remembered
// cells. With every comfort off each one is the colour the game has always drawn.
#pragma once

// The panels' background: lavender (150, 150, 205), or a deep blue with high contrast.
void SetPanelColour();
// The cursor bar of the lists: (20, 20, 40), or a clear blue with high contrast.
void SetHighlightColour();
// A coloured text on a panel or its cursor bar. With high contrast a colour that would
// stand out less than 4.5:1 against either is lifted towards white until it does.
void SetPanelTextColour(int r, int g, int b);
// The alpha of a remembered cell (seen before, out of sight now): 0.75, or 0.4 when the
// player asked for a stronger dimming.
double RememberedAlpha();

// The contrast ratio of two colours, 1 to 21, by their relative luminance.
double ContrastRatio(int r1, int g1, int b1, int r2, int g2, int b2);
