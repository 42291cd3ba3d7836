// hoofprobe's item commands: item descriptions, prices and the dish a pot makes, as the
// game computes them.
#pragma once
#include <string>
#include <vector>

// Each takes the arguments after the command word, prints its lines and returns the
// exit status; on bad arguments it sets `reason` and returns 2 without printing.
int ProbeItem(const std::vector<std::string>& args, std::string& reason);
int ProbePrice(const std::vector<std::string>& args, std::string& reason);
int ProbeRecipe(const std::vector<std::string>& args, std::string& reason);
// Batch forms for fixtures: every kind 0..200 at tiers 0..5, and every pot that cooks.
int ProbeItems(const std::vector<std::string>& args, std::string& reason);
int ProbeRecipes(const std::vector<std::string>& args, std::string& reason);
