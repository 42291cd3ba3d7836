// The six heroes: their names and how each starts a new game.
#pragma once
#include <string>

// The hero's name in capitals ("QUENBY ARLO"...), or "" for an id outside 1..6.
std::string HeroName(int heroId);
// Gives the hero chosen in HeroId the starting statistics, skills and inventory.
void SetUpHero();
