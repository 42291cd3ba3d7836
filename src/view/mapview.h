// The map view: the sector's terrain, ground items and creatures, 16 x 16 pixels a
// cell (32 x 32 with the map zoom), with the hover results of look mode.
#pragma once

// Terrain, then ground items, then creatures, as every frame of the turn loop draws them,
// and the look cursor while it is open.
void DrawMapView();
// The side of a cell on screen in pixels: 16, or 32 with the map zoom.
int MapCell();
// With the map zoom: the camera that keeps the hero in the middle of the map's view,
// held at the sector's edges.
void FollowHeroZoomed();
// The screen pixel of a cell's centre, through the camera.
int CellCentreX(int x);
int CellCentreY(int y);
// Floors, decorations and animated tiles of every remembered cell, the rockfall
// warnings, the highlights and the target square; advances the animation phase.
void DrawMapTerrain();
// Ground items on cells in view; marks the hovered item and the item under the hero.
void DrawGroundItems();
// Creatures on cells in view; flying ones bob by a random pixel count each frame.
void DrawCreatures();
// The ground tile drawn under an object on (x, y), by biome and region.
int FloorFrame(int x, int y);
// The tiles.png frames that show the terrain of (x, y), drawn in this order; -1 where
// nothing is drawn: the floor beneath (none under a full tile), the terrain's own
// picture (animated ones at `phase`, 0..3), the falling-rock warning.
struct TerrainCellFrames {
    int floor = -1;
    int tile = -1;
    int warning = -1;
};
TerrainCellFrames TerrainCellTiles(int x, int y, int phase);
