// The skill list: its panel, its cursor keys and the number keys that choose a skill.
#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "items/skills.h"
#include "platform/platform.h"
#include "view/hud_parts.h"
#include "core/messagelog.h"

namespace {

bool Listed(int slot) { return SkillId[slot] > 0 && SkillLevel[slot] > 0; }

int EntryX(int entry) { return entry % 2 == 0 ? 10 : 160; }
int EntryY(int y0, int entry) { return y0 + 20 + 12 * (entry / 2); }

// The chosen slot becomes the active skill and the skill handler takes over; without
// the magic points for it the list comes back instead.
void ChooseSkill(int slot) {
    ActiveSkillSlot = slot;
    UiMode = 3;
    InputDelay = 10;
    if (MonMp[0] < SkillMpCost(SkillId[slot])) {
        // A refused start ends the use: without this, a refused item-choosing skill
        // would keep the inventory on screen in place of the skill list.
        UiMode = 2;
        ActiveSkillSlot = 0;
        PushMessage("Not enough MP");
    }
}

void RunListKeys() {
    const int count = ListedSkillCount();
    if (InputDelay == 0 && Held(1) && InvCursor > 1) {
        InvCursor -= 2;
        InputDelay = 5;
    }
    if (InputDelay == 0 && Held(2) && InvCursor < count - 2) {
        InvCursor += 2;
        InputDelay = 5;
    }
    if (InputDelay == 0 && Held(3) && InvCursor > 0) {
        InvCursor -= 1;
        InputDelay = 5;
    }
    if (InputDelay == 0 && Held(4) && InvCursor < count - 1) {
        InvCursor += 1;
        InputDelay = 5;
    }
    if (InputDelay == 0 && (KeyHeld(LetterKey('S')) || KeyHeld(LetterKey('C')))) {
        UiMode = 0;
        InputDelay = 20;
        return;
    }
    if (InputDelay == 0 && KeyHeld(KeySpace)) {
        const int slot = ListedSkillSlot(InvCursor);
        if (slot >= 0) ChooseSkill(slot);
    }
}

void RunNumberKeys() {
    for (int n = 1; n <= 9; ++n) {
        if (!KeyHeld(KeyDigit1 + n - 1)) continue;
        const int slot = ListedSkillSlot(n - 1);
        if (slot < 0) continue;
        ChooseSkill(slot);
        return;
    }
}

}  // namespace

int ListedSkillCount() {
    int count = 0;
    for (int slot = 0; slot < SkillSlots; ++slot)
        if (Listed(slot)) ++count;
    return count;
}

int ListedSkillSlot(int entry) {
    if (entry < 0) return -1;
    for (int slot = 0; slot < SkillSlots; ++slot) {
        if (!Listed(slot)) continue;
        if (entry == 0) return slot;
        --entry;
    }
    return -1;
}

void DrawSkillsPanel(int x0, int y0) {
    SetPanelColour();
    DrawRect(x0 - 5, y0, 290, 90);
    SetColor(255, 255, 255);
    Say("SKILLS:", x0, y0 + 5);
    int entry = 0;
    for (int slot = 0; slot < SkillSlots; ++slot) {
        if (!Listed(slot)) continue;
        const int x = EntryX(entry);
        const int y = EntryY(y0, entry);
        if (UiMode == 2 && InvCursor == entry) {
            SetHighlightColour();
            DrawRect(x - 2, y, 120, 12);
            SetColor(255, 255, 255);
            HelpSkillSlot = slot;
        }
        DescribeSkill(SkillId[slot]);
        Say(IntToText(entry + 1) + ")" + LookupName, x, y);
        if (UiMode == 0 && PointerIn(x, x + 100, y, y + 15)) {
            HelpSkillSlot = slot;
            HoverSkill = 1;
        }
        ++entry;
    }
}

void RunSkillKeys() {
    if (UiMode == 2) {
        RunListKeys();
    } else if (UiMode == 0 && InputDelay == 0 && DialogueState == 0) {
        RunNumberKeys();
    }
}
