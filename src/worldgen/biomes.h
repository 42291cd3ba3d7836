// The codes of a sector's biome and layout (SectorBiome, SectorLayout), chosen by the
// forest generator and read wherever a rule depends on the kind of sector.
#pragma once

// SectorBiome: the trees and grass a forest sector grows, or the castle's style.
enum Biome : int {
    BiomeForest = 1,
    BiomeWetland = 2,
    BiomeHighland = 3,
    BiomeDarkForest = 4,
    BiomeCastleGrounds = 5,
    BiomeJungle = 6,
    BiomeCastle = 7,  // 7..10: the castle's four styles, deepest last
    BiomeUpperCastle = 8,
    BiomeTempleCastle = 9,
    BiomeDarkCastle = 10,
};
// The inside of the castle, built by the castle generator; not the grounds before it.
constexpr bool IsCastleBiome(int biome) { return biome >= BiomeCastle && biome <= BiomeDarkCastle; }
// The biomes of the open forest, whose trees and grass take their own sprites.
constexpr bool IsForestBiome(int biome) { return biome >= BiomeForest && biome <= BiomeJungle; }

// SectorLayout: a biome's sub-biome (each biome draws one of its own range), or the
// fixed layout of a story sector. The codes without a carving change only what other
// steps do (trail wander, path loops, the lake, the swamp fringe, hazards, sight).
enum LayoutCode : int {
    LayoutNone = 0,
    LayoutForestFirst = 1,  // forest 1..5
    LayoutWanderingTrails = 2,
    LayoutManyLoops = 3,
    LayoutRiver = 4,
    LayoutLake = 5,
    LayoutForestLast = 5,
    LayoutWetlandFirst = 12,  // wetland 12..16
    LayoutSwampFringe = 12,
    LayoutDocks = 13,
    LayoutPondChain = 14,
    LayoutPond = 15,
    LayoutWetlandLast = 16,
    LayoutHighlandFirst = 21,  // highland 21..26
    LayoutMountainPath = 21,   // the wind blows on the path
    LayoutMountain = 22,
    LayoutRavine = 23,
    LayoutRockfall = 24,
    LayoutRushingRiver = 25,
    LayoutHighlandLast = 26,
    LayoutDarkForestFirst = 31,  // dark forest 31..36
    LayoutDarkGrove = 31,        // short sight and a short memory
    LayoutGraveyard = 32,
    LayoutBoneField = 33,
    LayoutOddGrove = 34,
    LayoutLongPath = 35,
    LayoutDarkForestLast = 36,
    LayoutJungleFirst = 41,  // jungle 41..46
    LayoutJungleRiver = 42,
    LayoutVolcano = 43,
    LayoutSinkhole = 44,
    LayoutStandingStones = 45,
    LayoutJungleLast = 46,
    LayoutHealersHut = 120,  // the story sectors
    LayoutFairyGarden = 121,
    LayoutCrypt = 122,
    LayoutQuestFlower = 123,
    LayoutTemple = 124,
    LayoutChaosLair = 125,
    LayoutCastleGate = 126,  // the dark forest before the castle quest's grounds
};
