// The game's one random generator: Park and Miller's minimal standard generator
// (multiplier 48271, modulus 2^31 - 1). Every random decision of the game, including
// some made while drawing, comes from this stream in a fixed order, so a world seed
// and a script replay bit for bit.
#pragma once

constexpr int RandomUnseededState = 4660;  // the state before any seeding, and after a bad seed

// Seeds with n's low 31 bits; 0 and 2147483647 (no valid state) become 4660.
void SeedRandom(int n);
// A double in [0, 1) built from two steps of the generator.
double RandomUnit();
// An integer uniformly drawn from the closed range between a and b, in either order.
// Always two steps of the generator, even when a == b.
int Rand(int a, int b);
// A double uniformly in [min(a, b), max(a, b)).
double RandFloat(double a, double b);
// The generator's state, for the state dump and for tests.
int RandomState();
