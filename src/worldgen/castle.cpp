#include "worldgen/castle.h"

#include "core/random.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "items/catalogue.h"
#include "worldgen/creatures.h"
#include "worldgen/layouts.h"
#include "worldgen/placement.h"
#include "worldgen/primitives.h"
#include "worldgen/sites.h"
#include "worldgen/terrain.h"

namespace {

// Kept out of shortcuts and decor until the generator finishes.
constexpr int ReservedFloor = ReservedOffset + StoneFloor;
constexpr int ReservedWall = ReservedOffset + StoneWall;
constexpr int ReservedDoor = ReservedOffset + Door;

// Room attempts allowed to one castle. A castle takes a few hundred at most; a castle
// that has boxed itself into a corner can never fit its next room (the keep's throne
// room always has the same size), and would otherwise try for ever.
constexpr int RoomAttemptLimit = 100000;

bool Is(int x, int y, int code) { return TerrainAt(x, y) == code; }

void Fill(int x0, int x1, int y0, int y1, int code) {
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) SetTerrain(x, y, code);
}

// A rectangle of floor whose edge cells are wall.
void WalledRect(int x0, int x1, int y0, int y1) {
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            SetTerrain(x, y, (x == x0 || x == x1 || y == y0 || y == y1) ? StoneWall : StoneFloor);
}

// A random cell of x 1..43, y 1..34 holding `code`; false when the search ran out.
// A random inner cell holding `code`; `where`, when given, marks the cells that may.
bool FindCell(int code, int& x, int& y, const DrawnCellMap* where = nullptr) {
    auto holds = [code](int cx, int cy) { return MapTerrain[cx][cy] == code; };
    return SearchDrawnCells(1, 43, 1, 34, SearchLimit, holds, x, y, where) < SearchLimit;
}

// The inner cells (those FindCell draws from) holding `code`.
DrawnCellMap CellsHolding(int code) {
    DrawnCellMap map;
    for (int x = 1; x <= 43; ++x)
        for (int y = 1; y <= 34; ++y)
            if (MapTerrain[x][y] == code) map.Add(x - 1, y - 1);
    return map;
}

// A floor cell with its back to a wall and open floor in front and to both sides.
bool AgainstWall(int x, int y) {
    auto f = [](int cx, int cy) { return Is(cx, cy, StoneFloor); };
    auto w = [](int cx, int cy) { return Is(cx, cy, StoneWall); };
    return (w(x - 1, y) && f(x, y - 1) && f(x + 1, y - 1) && f(x + 1, y) && f(x + 1, y + 1) && f(x, y + 1)) ||
           (w(x + 1, y) && f(x, y - 1) && f(x - 1, y - 1) && f(x - 1, y) && f(x - 1, y + 1) && f(x, y + 1)) ||
           (w(x, y - 1) && f(x - 1, y) && f(x - 1, y + 1) && f(x, y + 1) && f(x + 1, y + 1) && f(x + 1, y)) ||
           (w(x, y + 1) && f(x - 1, y) && f(x - 1, y - 1) && f(x, y - 1) && f(x + 1, y - 1) && f(x + 1, y));
}

// A castle-level decor cell: against a wall, in the open, or beside bookshelves.
bool DecorSpot(int x, int y) {
    if (AgainstWall(x, y)) return true;
    const bool left = Is(x - 1, y, Bookshelves);
    const bool right = Is(x + 1, y, Bookshelves);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            if (dy == 0 && dx == -1 && left) continue;
            if (dy == 0 && dx == 1 && right) continue;
            if (!Is(x + dx, y + dy, StoneFloor)) return false;
        }
    }
    return true;
}

// ---- Castle grounds -------------------------------------------------------------------

void FurnishRelicHall(int ax, int ay) {
    for (const auto& p : {std::pair{1, 1}, {1, 6}, {4, 1}, {4, 6}}) SetTerrain(ax + p.first, ay + p.second, Pillar);
    Fill(ax + 2, ax + 3, ay + 3, ay + 4, RelicDisplay);
}

void FurnishThroneRoom(int ax, int ay) {
    Fill(ax + 1, ax + 2, ay + 1, ay + 2, Throne);
    if (Is(ax - 1, ay + 5, StoneWall)) SetTerrain(ax, ay + 5, Pillar);
    if (Is(ax + 4, ay + 5, StoneWall)) SetTerrain(ax + 3, ay + 5, Pillar);
}

bool PlaceGroundsGate(int& gx, int& gy) {
    const bool top = Depth != 13;  // the castle touches the top edge, its gate faces south
    gy = top ? -1 : MapHeight;
    for (int x = 0; x <= MapMaxX; ++x)
        for (int y = 0; y <= MapMaxY; ++y)
            if (MapTerrain[x][y] == StoneWall) gy = top ? (y > gy ? y : gy) : (y < gy ? y : gy);
    const int inside = top ? gy - 1 : gy + 1;
    for (int t = 0; t < SearchLimit; ++t) {
        gx = Rand(1, 43);
        if (Is(gx, gy, StoneWall) && Is(gx, inside, StoneFloor)) {
            MapTerrain[gx][gy] = Door;
            return true;
        }
    }
    return GenerationFails("castle gate door");
}

bool PlaceGroundsBookshelves() {
    ShowProgress("Placing decore (bookshelfs)");
    const int n = Rand(1, 5);
    for (int k = 0; k < n + 11; ++k) {
        int x = 0;
        int y = 0;
        auto shelfAt = [](int cx, int cy) { return Is(cx, cy, StoneFloor) && AgainstWall(cx, cy); };
        auto attempt = [&] {
            x = Rand(1, 43);
            y = Rand(1, 34);
            return shelfAt(x, y);
        };
        auto possible = [&] {
            for (int cx = 1; cx <= 43; ++cx)
                for (int cy = 1; cy <= 34; ++cy)
                    if (shelfAt(cx, cy)) return true;
            return false;
        };
        if (!SearchOrGiveUp(SearchLimit, 4, attempt, possible)) return GenerationFails("castle bookshelves");
        MapTerrain[x][y] = Bookshelves;
        // The one chest of the game's castles and crypts.
        if (SiteCooldown[SiteCryptEntrance] == 0 && Rand(0, 100) > 80) {
            MapTerrain[x][y] = TreasureChest;
            SiteCooldown[SiteCryptEntrance] = SiteNever;
        }
    }
    return true;
}

bool ErodeGrounds() {
    ShowProgress("Eroding the castle");
    for (int k = 0; k < 3; ++k) {
        int bx = 0;
        int by = 0;
        if (!FindCell(StoneWall, bx, by)) return GenerationFails("castle breach");
        MapTerrain[bx][by] = Grass;
        for (int x = 1; x <= 43; ++x) {
            for (int y = 1; y <= 34; ++y) {
                if (Distance(x, y, bx, by) >= 6) continue;
                int& cell = MapTerrain[x][y];
                if (cell == Tree) cell = Grass;
                if (Rand(0, 100) >= 81 && Rand(0, 100) < 90) {
                    if (cell == StoneFloor)
                        cell = GrassyStoneFloor;
                    else if (cell == StoneWall)
                        cell = WeedyStoneWall;
                }
                if (Rand(0, 100) > 90 && (cell == StoneFloor || cell == StoneWall)) cell = Grass;
            }
        }
    }
    return true;
}

// ---- Castle level ------------------------------------------------------------------------

enum class Room { Plain, Garden, Library, Prison, LavaPool, LavaBridge, Treasury };

void FurnishGarden(int ax, int ay) {
    Fill(ax + 1, ax + 7, ay + 1, ay + 7, DeepWater);
    // Four beds of the same planting, with a cross of water between them.
    for (int x = ax + 1; x <= ax + 3; ++x) {
        for (int y = ay + 1; y <= ay + 3; ++y) {
            const int v = Rand(0, 10);
            const int code = v == 10 ? Plant : (v == 9 ? Bush : Grass);
            SetTerrain(x, y, code);
            SetTerrain(x + 4, y, code);
            SetTerrain(x, y + 4, code);
            SetTerrain(x + 4, y + 4, code);
        }
    }
    for (const auto& p : {std::pair{2, 2}, {6, 2}, {2, 6}, {6, 6}})
        SetTerrain(ax + p.first, ay + p.second, FruitTreeForRoll(Rand(0, 100)));
    SiteCooldown[SiteCastleGarden] = 3;
}

void FurnishLibrary(int ax, int ay) {
    for (int i = 1; i <= 9; ++i) {
        if (i == 5) continue;
        for (int row : {1, 3, 5, 7}) SetTerrain(ax + i, ay + row, Bookshelves);
    }
    SiteCooldown[SiteCastleLibrary] = 3;
}

void FurnishPrison(int ax, int ay) {
    for (int x = ax + 1; x <= ax + 9; ++x) {
        for (int y = ay + 1; y <= ay + 7; ++y) {
            const bool wall = x == ax + 1 || x == ax + 4 || x == ax + 6 || x == ax + 9 || y == ay + 1 || y == ay + 7;
            SetTerrain(x, y, wall ? ReservedWall : ReservedFloor);
        }
    }
    SetTerrain(ax + 5, ay + 7, StoneFloor);
    SetTerrain(ax + 5, ay + 5, ReservedDoor);
    for (const auto& p : {std::pair{4, 2}, {4, 4}, {6, 2}, {6, 4}}) SetTerrain(ax + p.first, ay + p.second, IronBars);
    SetTerrain(ax + 4, ay + 3, IronLock);
    SetTerrain(ax + 6, ay + 3, IronLock);
    SiteCooldown[SitePrison] = 1;
    // One of the five friends, each found once per game; the chaos quest has none.
    const int r = Rand(1, 8);
    if (GameVars[VarScenario] != ScenarioChaos && r <= 5 && SiteCooldown[SitePrisonerFirst - 1 + r] == 0) {
        const int x = Rand(1, 2) == 1 ? ax + 3 : ax + 8;
        const int y = ay + Rand(2, 4);
        SpawnCreature(x, y, KindNougette - 1 + r);
        SiteCooldown[SitePrisonerFirst - 1 + r] = 1000;
    }
}

void FurnishTreasury(int ax, int ay) {
    for (int x = ax + 1; x <= ax + 7; ++x)
        for (int y = ay + 1; y <= ay + 5; ++y)
            SetTerrain(x, y, (x == ax + 1 || x == ax + 7 || y == ay + 1 || y == ay + 5) ? ReservedWall : ReservedFloor);
    SetTerrain(ax + 4, ay + 5, ReservedDoor);
    SiteCooldown[SiteTreasury] = 1000;
    PlaceGroundItem(ax + 4, ay + 2, GameVars[VarPrizeTreasury], 0);
    for (const auto& p : {std::pair{2, 2}, {6, 2}, {2, 4}, {6, 4}, {3, 3}, {5, 3}}) {
        const int slot = PlaceGroundItem(ax + p.first, ay + p.second, ItemBits, 0);
        if (slot != NoGroundSlot) GroundItemCount[slot] = Rand(8, 16);
    }
}

void Furnish(Room room, int ax, int ay) {
    switch (room) {
        case Room::Garden: FurnishGarden(ax, ay); break;
        case Room::Library: FurnishLibrary(ax, ay); break;
        case Room::Prison: FurnishPrison(ax, ay); break;
        case Room::LavaPool: Fill(ax + 1, ax + 3, ay + 1, ay + 3, Lava); break;
        case Room::LavaBridge:
            Fill(ax + 1, ax + 2, ay, ay + 8, Lava);
            SetTerrain(ax + 1, ay + 4, Bridge);
            SetTerrain(ax + 2, ay + 4, Bridge);
            SiteCooldown[SiteLavaBridge] = 1;
            break;
        case Room::Treasury: FurnishTreasury(ax, ay); break;
        case Room::Plain: break;
    }
}

// Rolls the size of the next room of a castle level, and what it is for.
Room RollRoom(int& w, int& h) {
    const int r = Rand(1, 14);
    if (r <= 8) {
        w = Rand(1, 7);
        h = Rand(1, 7);
        return Room::Plain;
    }
    if (r == 9) {
        w = Rand(1, 14);
        h = 0;
        return Room::Plain;
    }
    if (r == 10) {
        w = 0;
        h = Rand(1, 14);
        return Room::Plain;
    }
    // A special room; by default one too wide to ever fit, so the attempt is lost.
    Room room = Room::Plain;
    h = 8;
    w = 500;
    if (Rand(0, 100) > 60 && SiteCooldown[SiteCastleGarden] == 0) {
        room = Room::Garden;
        w = 8;
    }
    if (Rand(0, 100) > 60 && SiteCooldown[SiteCastleLibrary] == 0) {
        room = Room::Library;
        w = 10;
    }
    if (Rand(0, 100) > 60 && SiteCooldown[SitePrison] == 0) {
        room = Room::Prison;
        w = 10;
    }
    h = 8;
    if (Rand(0, 100) > 80 && SiteCooldown[SiteTreasury] == 0) {
        room = Room::Treasury;
        w = 8;
        h = 6;
    }
    if (SectorBiome == BiomeDarkCastle && room == Room::Plain) {
        if (Rand(0, 100) > 20) {
            room = Room::LavaPool;
            w = 4;
            h = 4;
        }
        if (Rand(0, 100) > 20) {
            room = Room::LavaBridge;
            w = 3;
            h = 8;
        }
    }
    return room;
}

void BuildThroneHall() {
    const int x0 = Rand(16, 28);
    const int y0 = Rand(16, 19);
    WalledRect(x0, x0 + 12, y0, y0 + 12);
    Fill(x0 + 2, x0 + 2, y0 + 2, y0 + 10, Lava);
    Fill(x0 + 10, x0 + 10, y0 + 2, y0 + 10, Lava);
    Fill(x0 + 3, x0 + 9, y0 + 2, y0 + 2, Lava);
    Fill(x0 + 3, x0 + 9, y0 + 10, y0 + 10, Lava);
    SetTerrain(x0 + 2, y0 + 8, Bridge);
    SetTerrain(x0 + 10, y0 + 8, Bridge);
    SpawnCreature(x0 + 4, y0 + 4, KindVorgath);
}

// A walk of straight runs from A toward B; pits on it become floor edged with wall,
// and walls on it doors, so distant rooms get a quicker way between them.
bool CutShortcut() {
    int ax = 0;
    int ay = 0;
    if (!FindCell(StoneFloor, ax, ay)) return GenerationFails("shortcut start");
    int bx = 0;
    int by = 0;
    bool found = false;
    for (int t = 0; t < SearchLimit && !found; ++t) {
        bx = Rand(1, 43);
        by = Rand(1, 34);
        if (MapTerrain[bx][by] != StoneFloor) continue;
        const double d = Distance(ax, ay, bx, by);
        found = d > 5 && d < 20;
    }
    if (!found) return GenerationFails("shortcut end");
    ClearMask();
    int x = ax;
    int y = ay;
    int run = 0;
    // The walker remembers one direction. A run picked on an axis where it is already
    // level with B keeps the old direction, which may lie on the other axis.
    int dx = 0;
    int dy = 0;
    for (int steps = 0; x != bx || y != by; ++steps) {
        if (steps >= SearchLimit) return GenerationFails("shortcut walk");
        if (run == 0) {
            const bool horizontal = Rand(1, 2) == 1;
            if (horizontal && bx != x) {
                dx = bx > x ? 1 : -1;
                dy = 0;
            }
            if (!horizontal && by != y) {
                dx = 0;
                dy = by > y ? 1 : -1;
            }
            run = Rand(4, 6);
        }
        const bool inside = x >= 1 && x <= 43 && y >= 1 && y <= 34;
        if (inside && dx != 0 && (bx - x) * dx > 0) x += dx;
        if (inside && dy != 0 && (by - y) * dy > 0) y += dy;
        MapMask[x][y] = 1;
        --run;
    }
    for (int cx = 0; cx <= MapMaxX; ++cx) {
        for (int cy = 0; cy <= MapMaxY; ++cy) {
            if (MapMask[cx][cy] != 1) continue;
            if (MapTerrain[cx][cy] == Pit) {
                MapTerrain[cx][cy] = StoneFloor;
                MapMask[cx][cy] = 2;
            } else if (MapTerrain[cx][cy] == StoneWall) {
                MapTerrain[cx][cy] = Door;
                MapMask[cx][cy] = 2;
            }
        }
    }
    for (int cx = 0; cx <= MapMaxX; ++cx)
        for (int cy = 0; cy <= MapMaxY; ++cy)
            if (MapMask[cx][cy] == 2)
                for (int nx = cx - 1; nx <= cx + 1; ++nx)
                    for (int ny = cy - 1; ny <= cy + 1; ++ny)
                        if (Is(nx, ny, Pit)) MapTerrain[nx][ny] = StoneWall;
    // Doors side by side, or standing free of any wall line, are only floor.
    for (int cx = 1; cx <= 43; ++cx) {
        for (int cy = 1; cy <= 34; ++cy) {
            if (MapTerrain[cx][cy] != Door) continue;
            if (Is(cx - 1, cy, Door) || Is(cx + 1, cy, Door) || Is(cx, cy - 1, Door) || Is(cx, cy + 1, Door)) {
                MapTerrain[cx][cy] = StoneFloor;
                continue;
            }
            const bool acrossX = Is(cx - 1, cy, StoneWall) && Is(cx + 1, cy, StoneWall);
            const bool acrossY = Is(cx, cy - 1, StoneWall) && Is(cx, cy + 1, StoneWall);
            if (!acrossX && !acrossY) MapTerrain[cx][cy] = StoneFloor;
        }
    }
    return true;
}

void PlaceCastleDecor() {
    const int n = Rand(4, 12);
    for (int k = 0; k < n + 11; ++k) {
        for (int t = 0; t < 9001; ++t) {
            const int x = Rand(1, 43);
            const int y = Rand(1, 34);
            if (MapTerrain[x][y] != StoneFloor || !DecorSpot(x, y)) continue;
            const int pick = Rand(1, 3);
            MapTerrain[x][y] = pick == 1 ? Bookshelves : (pick == 2 ? Table : Candle);
            break;
        }
    }
}

// Open, dry ground clear of buildings, graves, odd trees and stones all around.
bool StairsSpot(int x, int y) {
    if (!IsOpenGround(x, y) || MapTerrain[x][y] == DeepWater || MapTerrain[x][y] == Bridge) return false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (IsLandmark(MapTerrain[x + dx][y + dy])) return false;
    return true;
}

bool PlaceStairs(int code, int& x, int& y) {
    for (int t = 0; t < SearchLimit; ++t) {
        x = Rand(2, 42);
        y = Rand(2, 33);
        if (!StairsSpot(x, y)) continue;
        MapTerrain[x][y] = code;
        return true;
    }
    return GenerationFails(code == StairsDown ? "castle stairs down" : "castle stairs up");
}

}  // namespace

namespace {

// The side a room grows to off the wall at (x, y), away from the floor beside it:
// 4 right, 3 left, 2 down, 1 up; 0 when no floor touches the wall.
int GrowthSide(int x, int y) {
    int s = 0;
    if (Is(x - 1, y, StoneFloor)) s = 4;
    if (Is(x + 1, y, StoneFloor)) s = 3;
    if (Is(x, y - 1, StoneFloor)) s = 2;
    if (Is(x, y + 1, StoneFloor)) s = 1;
    return s;
}

// The interior of a room of w x h grown off the wall at (x, y) to side s: its top-left
// cell (x0, y0). False when there is no side or the room would come near the edge.
bool RoomCorner(int x, int y, int s, int w, int h, int& x0, int& y0) {
    if (s == 0 || (s == 4 && x + w >= 42) || (s == 3 && x - w < 3) || (s == 1 && y - h < 3) || (s == 2 && y + h >= 33))
        return false;
    if (s == 4) ++x;
    if (s == 3) --x;
    if (s == 2) ++y;
    if (s == 1) --y;
    x0 = s == 3 ? x - w : x;
    y0 = s == 1 ? y - h : y;
    return true;
}

// Whether a room of at least w x h can still grow off any wall a search may find. A
// room that fits leaves room for every smaller one grown off the same wall, so when
// the smallest room an attempt can draw fits nowhere, every attempt is lost until the
// walls change.
bool AnyRoomCanGrow(int w, int h, int background) {
    for (int x = 1; x <= 43; ++x)
        for (int y = 1; y <= 34; ++y) {
            int x0 = 0;
            int y0 = 0;
            if (MapTerrain[x][y] != StoneWall || !RoomCorner(x, y, GrowthSide(x, y), w, h, x0, y0)) continue;
            bool fits = true;
            for (int cx = x0; cx <= x0 + w; ++cx)
                for (int cy = y0; cy <= y0 + h; ++cy)
                    fits = fits && cx >= 1 && cx <= 43 && cy >= 1 && cy <= 34 && MapTerrain[cx][cy] == background;
            if (fits) return true;
        }
    return false;
}

}  // namespace

bool TryGrowRoom(int w, int h, int background, int& ax, int& ay, bool& searchFailed, const DrawnCellMap* walls) {
    searchFailed = false;
    ClearMask();
    int x = 0;
    int y = 0;
    if (!FindCell(StoneWall, x, y, walls)) {
        searchFailed = true;
        return false;
    }
    int x0 = 0;
    int y0 = 0;
    if (!RoomCorner(x, y, GrowthSide(x, y), w, h, x0, y0)) return false;
    const int doorX = x;
    const int doorY = y;
    const int x1 = x0 + w;
    const int y1 = y0 + h;
    bool fits = true;
    for (int cx = x0 - 1; cx <= x1 + 1; ++cx) {
        for (int cy = y0 - 1; cy <= y1 + 1; ++cy) {
            const bool interior = cx >= x0 && cx <= x1 && cy >= y0 && cy <= y1;
            if (InGrid(cx, cy)) MapMask[cx][cy] = interior ? 1 : 2;
            if (interior && (cx < 1 || cx > 43 || cy < 1 || cy > 34 || MapTerrain[cx][cy] != background)) fits = false;
        }
    }
    if (!fits) return false;
    for (int cx = x0 - 1; cx <= x1 + 1; ++cx)
        for (int cy = y0 - 1; cy <= y1 + 1; ++cy)
            if (InGrid(cx, cy)) MapTerrain[cx][cy] = MapMask[cx][cy] == 1 ? StoneFloor : StoneWall;
    MapTerrain[doorX][doorY] = Door;
    ax = x0;
    ay = y0;
    return true;
}

bool GenerateCastleGrounds() {
    const int x0 = Rand(7, 37);
    const int w0 = Rand(3, 7);
    const int h0 = Rand(3, 7);
    const int y0 = Depth == 13 ? MapMaxY - h0 : 0;
    WalledRect(x0, x0 + w0, y0, y0 + h0);
    const int wanted = Depth == 4 ? 12 : 9;
    int built = 0;
    // The third room is the relic hall at depth 12 and the throne room at depth 13, of
    // fixed sizes; every other room is drawn from 1 x 1 to 7 x 7.
    auto roomSize = [](int room, int& w, int& h) {
        if (room == 2 && Depth == 12) {
            w = 5;
            h = 8;
        } else if (room == 2 && Depth == 13) {
            w = 3;
            h = 6;
        }
    };
    auto canGrowNext = [&] {
        int w = 1;
        int h = 1;
        roomSize(built, w, h);
        return AnyRoomCanGrow(w, h, Tree);
    };
    // Most attempts find a wall to grow from by a long search; only a built room adds walls.
    DrawnCellMap walls = CellsHolding(StoneWall);
    // A castle with no room left to grow loses all its remaining attempts: each then
    // only draws its size and searches for its wall (the draws a game makes), and the
    // last is made whole, so it leaves the mask as it would.
    bool canGrow = canGrowNext();
    bool maskCleared = false;
    for (int attempt = 0; built < wanted; ++attempt) {
        if (attempt >= RoomAttemptLimit) return GenerationFails("castle grounds rooms");
        int w = Rand(1, 7);
        int h = Rand(1, 7);
        roomSize(built, w, h);
        const bool relicHall = built == 2 && Depth == 12;
        const bool throneRoom = built == 2 && Depth == 13;
        int ax = 0;
        int ay = 0;
        if (!canGrow && attempt + 1 < RoomAttemptLimit) {
            // Each attempt starts by clearing the mask; these write nothing to it, so one
            // clearing serves them all.
            if (!maskCleared) ClearMask();
            maskCleared = true;
            if (!FindCell(StoneWall, ax, ay, &walls)) return GenerationFails("castle grounds wall");
            continue;
        }
        maskCleared = false;
        bool searchFailed = false;
        if (!TryGrowRoom(w, h, Tree, ax, ay, searchFailed, &walls)) {
            if (searchFailed) return GenerationFails("castle grounds wall");
            continue;
        }
        if (relicHall) FurnishRelicHall(ax, ay);
        if (throneRoom) FurnishThroneRoom(ax, ay);
        walls = CellsHolding(StoneWall);
        ++built;
        canGrow = canGrowNext();
        ShowProgress("Generating castle (may take a few seconds, please wait a few seconds before assuming bug)");
    }
    int gx = 0;
    int gy = 0;
    if (!PlaceGroundsGate(gx, gy)) return false;
    PaintDisc(gx, gy, 5, false, Tree, Grass);
    ShowProgress("Generating paths through forest");
    CarveTrail(gx, Depth == 13 ? 4 : 31, 1);
    int sx = 0;
    int sy = 0;
    if (!FindCell(StoneFloor, sx, sy)) return GenerationFails("castle grounds stairs");
    MapTerrain[sx][sy] = StairsUp;
    if (!PlaceGroundsBookshelves()) return false;
    if (!ErodeGrounds()) return false;
    ShowProgress("Castle is finished");
    return true;
}

bool GenerateCastleLevel() {
    Fill(0, MapMaxX, 0, MapMaxY, Pit);
    if (Depth == 29) {
        BuildThroneHall();
    } else {
        const int x0 = Rand(7, 37);
        const int y0 = Rand(7, 28);
        const int w = Rand(3, 7);
        const int h = Rand(3, 7);
        WalledRect(x0, x0 + w, y0, y0 + h);
    }
    int built = 0;
    DrawnCellMap walls = CellsHolding(StoneWall);
    for (int attempt = 0; built < 19; ++attempt) {
        if (attempt >= RoomAttemptLimit) return GenerationFails("castle rooms");
        int w = 0;
        int h = 0;
        const Room room = RollRoom(w, h);
        int ax = 0;
        int ay = 0;
        bool searchFailed = false;
        if (!TryGrowRoom(w, h, Pit, ax, ay, searchFailed, &walls)) {
            if (searchFailed) return GenerationFails("castle wall");
            continue;
        }
        Furnish(room, ax, ay);
        walls = CellsHolding(StoneWall);
        ++built;
    }
    for (int n = 1; n <= 2; ++n) {
        ShowProgress(n == 1 ? "Gen Shortcut 1" : "Gen Shortcut 2");
        if (!CutShortcut()) return false;
    }
    if (SiteCooldown[SitePrison] == 1) {
        int kx = 0;
        int ky = 0;
        if (!FindCell(StoneFloor, kx, ky)) return GenerationFails("prison key");
        MapTerrain[kx][ky] = PrisonKey;
    }
    PlaceCastleDecor();
    if (GameVars[VarScenario] == ScenarioCastle) {
        ShowProgress("Entrance");
        int x = 0;
        int y = 0;
        if (!PlaceStairs(StairsDown, x, y)) return false;
        MonX[0] = x;
        MonY[0] = y;
        if (Depth < 29) {
            ShowProgress("Stairs Up");
            if (!PlaceStairs(StairsUp, x, y)) return false;
        }
    }
    return true;
}
