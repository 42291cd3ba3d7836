// Choosing a skill from the list or by its number, the phases of its use and the end of
// every use; the item choice, the aiming and the effects themselves are in rules/skills.
#pragma once

// AimPhase: how far the use of the active skill has come.
constexpr int AimStart = 0;      // just chosen; Covet Charm, Disguise and Buck an item wait here for their item
constexpr int AimTargeting = 1;  // the target cursor moves over the highlighted cells
constexpr int AimResolving = 2;  // the effect applies in this frame
constexpr int AimBowShot = 3;    // the Bow's own resolving phase

// A skill slot is listed when it holds a skill bought to level 1 or more; entry n
// (0-based) of the list is shown with the number n + 1.
bool SkillListed(int slot);
int ListedSkillCount();
int ListedSkillSlot(int entry);  // -1 when there is no such entry

// The keys of the open skill list (UiMode UiSkillList), each while InputDelay is 0: the
// arrows move InvCursor over the listed entries (delay 5), S or C closes the list
// (delay 20), Space chooses the entry under the cursor.
void RunSkillList();
// On the map: the digit keys 1..9 choose the listed skill with that number. Only while
// InputDelay is 0.
void RunSkillHotkeys();

// True while the active skill waits for its item from the satchel: a skill that takes
// one, whose use has not gone past its start. The test does not look at UiMode, except
// for slot 0, which every end of a use leaves active: it counts only while a skill is
// in use.
bool SkillChoosingItem();

// The end of every use of a skill, after resolving, cancelling or a refused start: no
// active skill, back to the map, no target cursor, no highlighted cell.
void EndSkillUse();
