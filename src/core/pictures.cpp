#include "core/pictures.h"

Image SheetAnimals = 0;
Image SheetHooflings = 0;
Image SheetTiles = 0;
Image SheetItems = 0;
Image PictureRainbow = 0;
Image PictureIntroScene = 0;
Image PictureLogo = 0;
Image PicturePortrait[HeroCount] = {};
Image PictureEnding = 0;

void LoadSheets() {
    SheetAnimals = LoadSheet("images/animals.png", 16, 16, 51);
    SheetHooflings = LoadSheet("images/hooflings.png", 16, 16, 6);
    SheetTiles = LoadSheet("images/tiles.png", 16, 16, 152);
    SheetItems = LoadSheet("images/items.png", 16, 16, 11);
    PictureRainbow = LoadImage("images/rainbow.png", true);
}

void LoadIntroPictures() {
    static const char* const Portraits[HeroCount] = {
        "images/intro_quenby.png",   "images/intro_dabblemoss.png", "images/intro_skeltervane.png",
        "images/intro_corvanne.png", "images/intro_tansybrook.png", "images/intro_mellowen.png",
    };
    PictureIntroScene = LoadImage("images/introscene.png");
    PictureLogo = LoadImage("images/hfblogo.png");
    for (int h = 0; h < HeroCount; ++h) PicturePortrait[h] = LoadImage(Portraits[h]);
    PictureEnding = LoadImage("images/ending.png");
}
