// Ground items of a sector: scattered food and equipment, and the store offers.
#pragma once

// What PlaceGroundItem returns when all 501 ground slots are taken.
constexpr int NoGroundSlot = -1;

// Puts one item on the ground at (x, y) in the lowest free slot 0..500 without
// testing the cell, and returns the slot; NoGroundSlot when the table is full
// (callers then skip their own follow-up writes, such as a pile's amount).
int PlaceGroundItem(int x, int y, int kind, int tier);

// Frees ground slot g: kind, count, tier and seed become 0 (the cell is left as it was).
void ClearGroundSlot(int g);

// The item pass of a new forest sector: food, equipment and a fresh store offer.
// Always succeeds: an item without a cell is skipped.
bool PlaceSectorItems();
