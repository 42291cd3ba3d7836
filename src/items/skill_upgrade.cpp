#include "items/skill_upgrade.h"

#include "core/convert.h"
#include "core/frame.h"
#include "core/open_screen.h"
#include "core/state.h"
#include "items/skills.h"
#include "platform/platform.h"

namespace {

// The slots listed: those holding a skill, in slot order (a hero's are filled from
// slot 0 without gaps).
int ListedSlots(int (&slots)[SkillSlots]) {
    int n = 0;
    for (int k = 0; k < SkillSlots; ++k) {
        if (SkillId[k] > 0) slots[n++] = k;
    }
    return n;
}

}  // namespace

void ShowSkillUpgrades() {
    const ScreenOpen open(ScreenSkillUpgrades);
    const int v = -40;
    int slots[SkillSlots] = {};
    int c = ListedSlots(slots);  // the cursor starts on "Done"
    for (bool done = false; !done;) {
        const int n = ListedSlots(slots);
        if (c > n) c = n;
        SetColor(20, 20, 40);
        DrawRect(100, v + 210, 500, (n + 1) * 30 + 5);
        DrawRect(100, v + 110, 200, 60);
        DrawRect(10, v + 250 + (n + 1) * 30, 760, 80);
        SetColor(255, 255, 255);
        if (c < n) {
            const int y0 = v + 260 + (n + 1) * 30;
            DescribeSkill(SkillId[slots[c]]);
            Say(LookupName, 20, y0);
            Say(LookupText, 20, y0 + 20);
            Say(LookupText2, 20, y0 + 40);
        }
        Say("ABILITIES", 110, v + 130);
        Say("Skill points remain:" + IntToText(SkillPoints), 110, v + 150);
        SetColor(150, 150, 205);
        DrawRect(101, v + 221 + 30 * c, 498, 20);
        int y = v + 220;
        for (int row = 0; row < n; ++row, y += 30) {
            const int slot = slots[row];
            const int level = SkillLevel[slot];
            const int price = SkillUpgradeCost(SkillId[slot]);
            if (level >= SkillMaxLevel) {
                SetColor(100, 100, 255);
            } else if (SkillPoints < price) {
                SetColor(255, 0, 0);
            } else {
                SetColor(255, 255, 255);
            }
            DescribeSkill(SkillId[slot]);
            Say(LookupName, 110, y);
            Say(level >= SkillMaxLevel ? std::string("Level: MAX") : "Level: " + IntToText(level), 360, y);
            Say("Cost:" + IntToText(price), 460, y);
        }
        SetColor(255, 255, 255);
        Say("Done", 110, y);

        if (Held(HeldUp) && InputDelay == 0) {
            if (c > 0) c--;
            InputDelay = DelayAfterAction;
        }
        if (Held(HeldDown) && InputDelay == 0) {
            if (c < n) c++;
            InputDelay = DelayAfterAction;
        }
        if (KeyHeld(KeyC)) c = n;
        if (Held(HeldConfirm) && InputDelay == 0) {
            if (c == n) {
                done = true;
            } else {
                const int slot = slots[c];
                const int price = SkillUpgradeCost(SkillId[slot]);
                if (SkillPoints >= price && SkillLevel[slot] < SkillMaxLevel) {
                    SkillPoints -= price;
                    SkillLevel[slot]++;
                    InputDelay = DelayAfterAction;
                }
            }
        }
        EndFrame();
        if (QuitRequested()) return;
    }
}
