#include "rules/fieldofview.h"
#include "core/statuses.h"

#include "core/convert.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "worldgen/biomes.h"
#include "worldgen/creatures.h"
#include "worldgen/terrain.h"

namespace {

bool WearsSeeThroughHeadgear() {
    const int slot = Equip[EquipHeadgear];
    return slot >= 0 && slot < InvSlots && InvKind[slot] == ItemXRaySpecs;
}

// The cells of the live shades, which nothing is seen through. A view asks about
// thousands of cells and the creatures stand still meanwhile, so they are gathered
// once rather than every slot being looked at for every cell.
struct Shades {
    int count = 0;
    int x[MonSlots];
    int y[MonSlots];
    bool At(int cx, int cy) const {
        for (int k = 0; k < count; ++k)
            if (x[k] == cx && y[k] == cy) return true;
        return false;
    }
};

Shades LiveShades() {
    Shades shades;
    for (int m = 0; m < MonSlots; ++m)
        if (MonKind[m] == KindShade && MonHp[m] > 0) {
            shades.x[shades.count] = MonX[m];
            shades.y[shades.count++] = MonY[m];
        }
    return shades;
}

bool BlocksView(int x, int y, const Shades& shades, bool seeThrough) {
    if (shades.At(x, y)) return true;
    if (seeThrough) return false;
    return TerrainBlocksSight(x, y);
}

}  // namespace

int SightRadius() {
    int radius = 9;
    if (GameVars[VarStatueFavour] == StatueFavourMin) radius = 4;
    if (GameVars[VarStatueFavour] == StatueFavourMax) radius = 12;
    if (MonStatus[0][StatusBlinded] > 0) radius -= 4;
    if (SectorLayout == LayoutDarkGrove) radius -= 4;
    if (MonStatus[0][StatusJestbloom] > 0 && HeroId == HeroCorvanne) radius -= 6;
    return radius < 2 ? 2 : radius;
}

bool CellBlocksView(int x, int y) { return BlocksView(x, y, LiveShades(), WearsSeeThroughHeadgear()); }

void ComputeView() {
    const int px = MonX[0];
    const int py = MonY[0];
    if (InGrid(px, py)) MapSeen[px][py] = 2;
    const int radius = SightRadius();
    for (int x = 0; x <= MapMaxX; ++x) {
        for (int y = 0; y <= MapMaxY; ++y) {
            if (SectorLayout == LayoutDarkGrove && MapSeen[x][y] == 1) {
                const double dx = x - px;
                const double dy = y - py;
                if (Sqrt(dx * dx + dy * dy) > 9.0) MapSeen[x][y] = 0;
            }
            if (MapSeen[x][y] == 2) MapSeen[x][y] = 1;
        }
    }
    // Rays walk a grid of 32 units per cell from the centre of the hero's cell; 0 and
    // 360 degrees are both cast. Truncation toward zero folds a point just left of or
    // above the grid onto column or row 0, as the game always has.
    const Shades shades = LiveShades();
    const bool seeThrough = WearsSeeThroughHeadgear();
    const double sx = 32.0 * px + 16.0;
    const double sy = 32.0 * py + 16.0;
    for (int angle = 0; angle <= 360; angle += 2) {
        const double c = CosDeg(angle);
        const double s = SinDeg(angle);
        for (int j = 0; j <= radius; ++j) {
            const int cx = ToInt((sx + 32.0 * j * c) / 32.0);
            const int cy = ToInt((sy + 32.0 * j * s) / 32.0);
            if (!InGrid(cx, cy)) continue;
            MapSeen[cx][cy] = 2;
            if (BlocksView(cx, cy, shades, seeThrough)) break;
        }
    }
}
