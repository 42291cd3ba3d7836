// The statistics block (bars, status labels, depth and round) and the equipment panel.
#include <string>

#include "core/convert.h"
#include "core/frame.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "platform/platform.h"
#include "view/hud_parts.h"

namespace {

struct Rgb {
    int r, g, b;
};

// A framed bar filled in proportion, computed in floating point: 7 of 20 fills 52.5 of
// its 150 pixels. An empty maximum shows an empty bar; the fill never leaves its frame.
void DrawBar(int x0, int y, int value, int maximum, Rgb dark, Rgb bright) {
    SetColor(105, 105, 255);
    DrawRect(x0 + 118, y, 154, 14);
    SetColor(dark.r, dark.g, dark.b);
    DrawRect(x0 + 120, y + 2, 150, 10);
    double width = maximum > 0 ? 150.0 * value / maximum : 0.0;
    if (width < 0) width = 0;
    if (width > 150) width = 150;
    SetColor(bright.r, bright.g, bright.b);
    DrawRect(x0 + 120, y + 2, ToInt(width), 10);
}

void DrawStatusLabels(int y0) {
    int x = 10;
    int y = y0 + 90;
    for (int n = 0; n < StatusLabelCount; ++n) {
        if (MonStatus[0][n] <= 0) continue;
        Say(StatusLabel(n), x, y);
        if (PointerIn(x, x + 100, y, y + 10)) HoverTopic = 100 + n;
        x += 100;
        if (x > 300) {
            x = 10;
            y += 12;
        }
    }
}

std::string DepthText() {
    switch (GameVars[VarScenario]) {
        case ScenarioChaos: return "Chaos Depth:" + IntToText(Depth + 1);
        case ScenarioCastle:
            if (Depth >= 4) return "Castle Level:" + IntToText(Depth - 4);
            return "Forest Depth:" + IntToText(Depth + 1);
        default: return "Forest Depth:" + IntToText(Depth + 1);
    }
}

void DrawDepthBar(int x0, int y0) {
    SetPanelColour();
    DrawRect(x0 - 5, y0 + 135, 290, 20);
    SetColor(255, 255, 255);
    Say(DepthText(), x0, y0 + 140);
    Say("Round:" + IntToText(TurnCount), x0 + 190, y0 + 140);
    if (PointerIn(x0, x0 + 150, y0 + 140, y0 + 155)) HoverTopic = 8;
    if (PointerIn(x0 + 190, x0 + 300, y0 + 140, y0 + 155)) HoverTopic = 9;
}

// The equipment rows in the order the panel lists them, with the slot each shows.
struct EquipRow {
    const char* label;
    int slot;
};
constexpr EquipRow EquipRows[EquipSlots] = {
    {"Weapon  :", 5}, {"Dress   :", 1}, {"Headgear:", 0}, {"Boots   :", 2}, {"Acc. 1  :", 3}, {"Acc. 2  :", 4},
};

// "+3", "-2", or nothing for 0.
std::string BonusText(int bonus) {
    if (bonus > 0) {
        std::string text = "+";
        text += IntToText(bonus);
        return text;
    }
    if (bonus < 0) return IntToText(bonus);
    return "";
}

struct StatCell {
    const char* label;
    int x;
    int row;  // 0 the upper line, 1 the lower
    int topic;
    const int* base;
    const int* bonus;
};

}  // namespace

void DrawStatistics(int x0, int y0) {
    SetPanelColour();
    DrawRect(x0 - 5, y0 - 5, 290, 135);
    DrawBar(x0, y0 + 28, MonHp[0], MonMaxHp[0], {25, 0, 0}, {255, 0, 0});
    DrawBar(x0, y0 + 43, MonMp[0], MonMaxMp[0], {0, 25, 0}, {0, 255, 0});
    DrawBar(x0, y0 + 58, Friendship, 100, {25, 0, 25}, {255, 0, 255});
    DrawBar(x0, y0 + 73, MonXp[0], XpNext, {25, 25, 0}, {255, 255, 0});

    SetColor(255, 255, 255);
    Say(MonName[0], x0, y0);
    Say("Skill Points:" + IntToText(SkillPoints), x0 + 150, y0);
    Say("Level: " + IntToText(MonLevel[0]), x0, y0 + 15);
    Say("Bits:" + IntToText(Bits), x0 + 150, y0 + 15);
    Say("hp: " + IntToText(MonHp[0]) + "/" + IntToText(MonMaxHp[0]), x0, y0 + 30);
    Say("mp: " + IntToText(MonMp[0]) + "/" + IntToText(MonMaxMp[0]), x0, y0 + 45);
    Say("fs: " + IntToText(Friendship) + "%", x0, y0 + 60);
    Say("xp: " + IntToText(MonXp[0]) + "/" + IntToText(XpNext), x0, y0 + 75);

    if (PointerIn(x0 + 150, x0 + 300, y0, y0 + 10)) HoverTopic = 1;
    if (PointerIn(x0, x0 + 150, y0 + 15, y0 + 25)) HoverTopic = 2;
    if (PointerIn(x0 + 150, x0 + 300, y0 + 15, y0 + 25)) HoverTopic = 3;
    for (int row = 0; row < 4; ++row) {
        const int top = y0 + 30 + 15 * row;
        if (PointerIn(x0, x0 + 300, top, top + 15)) HoverTopic = 4 + row;
    }

    DrawStatusLabels(y0);
    DrawDepthBar(x0, y0);
}

void DrawEquipmentPanel(int x0, int y0) {
    SetPanelColour();
    DrawRect(x0 - 5, y0 - 5, 290, 120);
    SetColor(255, 255, 255);
    Say("EQUIPMENT/STATS", x0, y0);
    for (int r = 0; r < EquipSlots; ++r) {
        const int y = y0 + 15 + 12 * r;
        Say(EquipRows[r].label, x0, y);
        const int inv = Equip[EquipRows[r].slot];
        if (inv < 0 || inv >= InvSlots) continue;  // nothing worn, or a pointer outside the inventory
        Say(DescribeItem(InvKind[inv], InvTier[inv], InvSeed[inv]).name, 110, y);
        // As in the inventory, an open list answers to its cursor: a worn item under the
        // pointer would write its lines over the skill help of the open skill list.
        if (MapModes(UiMode) && PointerIn(100, 220, y, y + 10)) {
            HoverItemSource = 2;
            HoverItem = inv;
        }
    }

    const StatCell cells[6] = {
        {"ATK:", 10, 0, 10, &MonAtk[0], &MonAtkBonus[0]},  {"DEF:", 10, 1, 11, &MonDef[0], &MonDefBonus[0]},
        {"STR:", 110, 0, 12, &MonStr[0], &MonStrBonus[0]}, {"SPD:", 110, 1, 13, &MonSpd[0], &MonSpdBonus[0]},
        {"MAG:", 210, 0, 14, &MonMag[0], &MonMagBonus[0]}, {"CON:", 210, 1, 15, &MonCon[0], &MonConBonus[0]},
    };
    for (const StatCell& c : cells) {
        const int y = y0 + 87 + 12 * c.row;
        Say(c.label + IntToText(*c.base), c.x, y);
        Say(BonusText(*c.bonus), c.x + 55, y);
        if (PointerIn(c.x, c.x + 100, y, y + 10)) HoverTopic = c.topic;
    }
}
