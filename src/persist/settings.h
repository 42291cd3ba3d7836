// The player's comforts: choices beyond the game's own options, each off by default and
// kept in their own file, Settings.txt, beside the global files. GlobalData.dat keeps its
// layout; a missing or damaged Settings.txt only means every comfort is off.
#pragma once
#include <string>

enum SettingId {
    SettingDeathMoment,    // 1: the map stays after the hero falls until a key is pressed
    SettingHighContrast,   // 1: dark panels that every text stands out on
    SettingDimRemembered,  // 1: cells out of sight are drawn much darker
    SettingMapZoom,        // 1: the map is drawn at 32 pixels a cell, following the hero
    SettingCount,
};

// 0 off, 1 on; all 0 until ReadSettings finds a sound file.
extern int Settings[SettingCount];

bool SettingOn(SettingId id);
// The name a setting has in the file and on the Options screen.
const char* SettingName(SettingId id);
// Sets every comfort back to off.
void ResetSettings();
// Reads Settings.txt. Missing: the defaults, quietly. Damaged (a line that cannot be
// read, an unknown name, a value other than 0 or 1): reported on stderr, set aside as
// into the Damaged folder and every comfort off.
void ReadSettings();
// Writes Settings.txt whole; false when it could not be written (the old file stays).
bool WriteSettings();
// The file's text for the current settings, one "name value" line each.
std::string SettingsText();
// Reads `text` as the file would be read; false (and every comfort off) when damaged.
bool ParseSettings(const std::string& text);
