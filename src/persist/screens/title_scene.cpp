#include "persist/screens/title_scene.h"

#include "core/frame.h"
#include "core/pictures.h"
#include "core/state.h"
#include "platform/platform.h"

namespace {

// Where each hero stands in the scene, in the order they are drawn (later ones in
// front). Hero numbers are HeroId - 1.
const struct {
    int hero;
    int dx;
    int dy;
} Standing[HeroCount] = {
    {1, 460, 570},  // Dabble Moss
    {3, 410, 590},  // Corvanne
    {5, 140, 570},  // Mellowen
    {4, 190, 585},  // Tansy Brook
    {2, 250, 590},  // Skelter Vane
    {0, 340, 600},  // Quenby Arlo
};

}  // namespace

void DrawTitleScene(int scroll, double logoAlpha, int litHero) {
    const int ox = TitleOffsetX();
    const int oy = TitleOffsetY();
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawImage(PictureIntroScene, ox, 80 + scroll, 0);
    if (logoAlpha > 0) {
        SetAlpha(logoAlpha);
        DrawImage(PictureLogo, ox + 5, oy + 5, 0);
        SetAlpha(1);
    }
    for (const auto& s : Standing) {
        if (litHero >= 0 && s.hero != litHero) {
            SetColor(25, 25, 25);
        } else {
            SetColor(255, 255, 255);
        }
        DrawImage(PicturePortrait[s.hero], ox + s.dx, oy + scroll + s.dy, 0);
    }
    SetColor(150, 150, 205);
    DrawRect(0, 0, ScreenWidth, oy);
    if (ScreenWidth > 800) {
        DrawRect(0, 80, 100, 300);
        DrawRect(900, 80, 124, 300);
    }
    DrawRect(0, oy + 300, ScreenWidth, 400);
    SetColor(255, 255, 255);
}
