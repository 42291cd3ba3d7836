// The skill list panel: the listed skills two to a row, and the open list's cursor.
#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/skill_choice.h"
#include "items/skills.h"
#include "platform/platform.h"
#include "view/hud_parts.h"

namespace {

int EntryX(int entry) { return entry % 2 == 0 ? 10 : 160; }
int EntryY(int y0, int entry) { return y0 + 20 + 12 * (entry / 2); }

}  // namespace

void DrawSkillsPanel(int x0, int y0) {
    SetPanelColour();
    DrawRect(x0 - 5, y0, 290, 90);
    SetColor(255, 255, 255);
    Say("SKILLS:", x0, y0 + 5);
    int entry = 0;
    for (int slot = 0; slot < SkillSlots; ++slot) {
        if (!SkillListed(slot)) continue;
        const int x = EntryX(entry);
        const int y = EntryY(y0, entry);
        if (UiMode == UiSkillList && InvCursor == entry) {
            SetHighlightColour();
            DrawRect(x - 2, y, 120, 12);
            SetColor(255, 255, 255);
            HelpSkillSlot = slot;
            HoverSkill = 1;
        }
        DescribeSkill(SkillId[slot]);
        Say(IntToText(entry + 1) + ")" + LookupName, x, y);
        if (MapModes(UiMode) && PointerIn(x, x + 100, y, y + 15)) {
            HelpSkillSlot = slot;
            HoverSkill = 1;
        }
        ++entry;
    }
}
