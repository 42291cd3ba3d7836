#include "view/palette.h"

#include <cmath>

#include "persist/settings.h"
#include "platform/platform.h"

namespace {

struct Rgb {
    int r, g, b;
};

constexpr Rgb Lavender = {150, 150, 205};
constexpr Rgb DarkBar = {20, 20, 40};
// White on the deep blue stands at 16:1, on the bar at 7:1.
constexpr Rgb DeepBlue = {16, 16, 48};
constexpr Rgb ClearBlue = {0, 72, 160};

bool HighContrast() { return SettingOn(SettingHighContrast); }

double Channel(int c) {
    const double v = c / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(int r, int g, int b) { return 0.2126 * Channel(r) + 0.7152 * Channel(g) + 0.0722 * Channel(b); }

}  // namespace

double ContrastRatio(int r1, int g1, int b1, int r2, int g2, int b2) {
    const double a = Luminance(r1, g1, b1) + 0.05;
    const double b = Luminance(r2, g2, b2) + 0.05;
    return a > b ? a / b : b / a;
}

void SetPanelColour() {
    const Rgb c = HighContrast() ? DeepBlue : Lavender;
    SetColor(c.r, c.g, c.b);
}

void SetHighlightColour() {
    const Rgb c = HighContrast() ? ClearBlue : DarkBar;
    SetColor(c.r, c.g, c.b);
}

void SetPanelTextColour(int r, int g, int b) {
    if (HighContrast()) {
        // Both backgrounds are dark, so white always reads; step towards it no further
        // than needed, keeping each category's hue recognisable.
        for (int step = 0; step < 16; ++step) {
            if (ContrastRatio(r, g, b, DeepBlue.r, DeepBlue.g, DeepBlue.b) >= 4.5 &&
                ContrastRatio(r, g, b, ClearBlue.r, ClearBlue.g, ClearBlue.b) >= 4.5)
                break;
            r += (255 - r + 3) / 4;
            g += (255 - g + 3) / 4;
            b += (255 - b + 3) / 4;
        }
    }
    SetColor(r, g, b);
}

double RememberedAlpha() { return SettingOn(SettingDimRemembered) ? 0.4 : 0.75; }
