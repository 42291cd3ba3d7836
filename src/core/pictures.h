// Every picture the game draws, loaded from images/ beside the program.
#pragma once
#include "platform/platform.h"

constexpr int HeroCount = 6;

extern Image SheetAnimals;    // creatures: cell k is creature kind k + 2
extern Image SheetHooflings;  // heroes: cell HeroId - 1
extern Image SheetTiles;      // terrain, decorations and effects
extern Image SheetItems;      // item category icons: cell category - 1
extern Image PictureRainbow;  // level-up effect, handle at its centre
extern Image PictureIntroScene;
extern Image PictureLogo;
extern Image PicturePortrait[HeroCount];  // index HeroId - 1
extern Image PictureEnding;

// The sprite sheets and the rainbow, once at start-up.
void LoadSheets();
// The title scene, the logo and the six portraits, each time the title is shown.
void LoadIntroPictures();
