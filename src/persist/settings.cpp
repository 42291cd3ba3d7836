#include "persist/settings.h"

#include <cstdio>
#include <vector>

#include "platform/files.h"

int Settings[SettingCount] = {};

namespace {

const char* const SettingsFile = "Settings.txt";

// clang-format off
const char* const Names[SettingCount] = {
    "death-moment",
    "high-contrast",
    "dim-remembered",
    "map-zoom",
};
// clang-format on

// A sound file is a few dozen bytes; anything far larger is not read at all.
constexpr size_t LargestFile = 4096;

}  // namespace

bool SettingOn(SettingId id) { return id >= 0 && id < SettingCount && Settings[id] == 1; }

const char* SettingName(SettingId id) { return id >= 0 && id < SettingCount ? Names[id] : ""; }

void ResetSettings() {
    for (int& s : Settings) s = 0;
}

std::string SettingsText() {
    std::string text;
    for (int id = 0; id < SettingCount; ++id) {
        text += Names[id];
        text += Settings[id] == 1 ? " 1\n" : " 0\n";
    }
    return text;
}

bool ParseSettings(const std::string& text) {
    ResetSettings();
    if (text.size() > LargestFile) return false;
    int read[SettingCount] = {};
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const size_t space = line.find(' ');
        if (space == std::string::npos || space + 2 != line.size()) return false;
        const char value = line[space + 1];
        if (value != '0' && value != '1') return false;
        const std::string name = line.substr(0, space);
        int id = 0;
        while (id < SettingCount && name != Names[id]) ++id;
        if (id == SettingCount) return false;
        read[id] = value - '0';
    }
    for (int id = 0; id < SettingCount; ++id) Settings[id] = read[id];
    return true;
}

void ReadSettings() {
    ResetSettings();
    if (FileKind(SettingsFile) == 0) return;
    std::vector<uint8_t> bytes;
    std::string why;
    if (ReadWholeFile(SettingsFile, bytes, LargestFile, why)) {
        if (ParseSettings(std::string(bytes.begin(), bytes.end()))) return;
        why = "a line that is not a comfort";
    }
    ResetSettings();
    const std::string aside = SetFileAside(SettingsFile, why);
    std::fprintf(stderr, "hoofbound: %s is damaged (%s); every comfort is off%s%s\n", SettingsFile, why.c_str(),
                 aside.empty() ? "" : " and the file is kept as ", aside.c_str());
}

bool WriteSettings() {
    const std::string text = SettingsText();
    return WriteWholeFile(SettingsFile, std::vector<uint8_t>(text.begin(), text.end()));
}
