// The text box at the top: help for what the pointer rests on in the panels, the skill
// or item picked out in an open list, and then the message log.
#include <string>
#include <vector>

#include "core/convert.h"
#include "core/frame.h"
#include "core/state.h"
#include "core/statuses.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/skill_choice.h"
#include "items/skills.h"
#include "platform/platform.h"
#include "rules/interactions.h"
#include "rules/inventory.h"
#include "rules/skills/skill_effects.h"
#include "view/hud_parts.h"
#include "view/look.h"

namespace {

// Characters that fit on a line of the text box from x to its right edge.
int BoxChars(int x) { return (ScreenWidth - 5 - x) / 8; }

// Splits a line at blanks into rows of at most `width` characters; a word longer than
// a row is cut.
std::vector<std::string> Wrap(const std::string& text, int width) {
    std::vector<std::string> rows;
    std::string rest = text;
    while (static_cast<int>(rest.size()) > width && width > 0) {
        size_t cut = rest.rfind(' ', width);
        if (cut == std::string::npos || cut == 0) cut = width;
        rows.push_back(rest.substr(0, cut));
        const size_t next = rest.find_first_not_of(' ', cut);
        rest = next == std::string::npos ? "" : rest.substr(next);
    }
    rows.push_back(rest);
    return rows;
}

const char* CategoryLine(int category, int tier) {
    switch (category) {
        case CategoryHeadgear: return "You can wear this on your head";
        case CategoryDress: return "You can wear this on your body";
        case CategoryBoots: return "You can wear this on your feet";
        case CategoryAccessory: return "You can wear this accessory";
        case CategoryWeapon: return "This is a weapon";
        case CategoryFood:
            switch (tier) {
                case 0: return "You can eat this.  It is found food.";
                case 1: return "You can eat this.  It looks home made.";
                case 2: return "You can eat this.  It looks very well made!";
                case 3: return "You can eat this.  It looks amazing!";
                case 4: return "You can eat this.  It looks beyond delicious!!!";
                default: return "";
            }
        case CategoryBow: return "This is a bow";
        case CategoryArrows: return "Ammunition for a bow";
        case CategoryLetter: return "It's a blank letter";
        default: return "";
    }
}

// Name, the two help lines, cost and level of the skill in the help slot. The lines
// keep their rows; one too long for the box wraps into the empty row above the cost.
void DrawSkillHelp(int x, int& y) {
    const int slot = HelpSkillSlot;
    if (slot < 0 || slot >= SkillSlots || SkillLevel[slot] <= 0) return;
    const int id = SkillId[slot];
    DescribeSkill(id);
    Say(LookupName, x, y);
    std::vector<std::string> rows = Wrap(LookupText, BoxChars(x));
    for (const std::string& row : Wrap(LookupText2, BoxChars(x))) rows.push_back(row);
    for (size_t r = 0; r < rows.size() && r < 3; ++r) Say(rows[r], x, y + 10 + 10 * static_cast<int>(r));
    Say("Costs:" + IntToText(SkillMpCost(id)), x, y + 40);
    // A skill bought to its top level reads as the skill upgrade screen shows it.
    const int level = SkillLevel[slot];
    Say(level >= SkillMaxLevel ? std::string("Level: MAX") : "Level:" + IntToText(level), x + 100, y + 40);
    y += 10;
}

void DrawItemHelp(int x, int& y) {
    const int slot = HoverItem;
    if (slot < 0 || slot >= InvSlots) return;
    const ItemDescription item = DescribeItem(InvKind[slot], InvTier[slot], InvSeed[slot]);
    Say("You have a " + item.name + " in your inventory", x, y);
    y += 10;
    Say(CategoryLine(ItemCategory(InvKind[slot]), InvTier[slot]), x, y);
    y += 10;
    Say(item.line1, x, y);
    y += 10;
    Say(item.line2, x, y);
    if (HoverItemSource == 1) {
        y += 10;
        Say("(d) to drop     (space) eat/equip    (i) to cancel", x, y);
    }
}

// At 800 x 600, whether the log gave the top box up in this frame.
bool LogGaveWay = false;

void DrawMessageLog() {
    const bool small = ScreenWidth == 800;
    if (small) MessageSeenCount = MessagePushCount;
    for (int k = 0; k < MessageLogNewest; ++k) {
        const std::string& line = MessageLog[k + 1];
        if (line.empty()) continue;  // an empty entry keeps its line
        if (small) {
            Say(line, 15, 10 + 10 * k);
        } else {
            Say(line, 315, ScreenHeight - 90 + 10 * k);
        }
    }
}

// While a skill is in use, one line says which keys it waits for, so a first-time
// player is never left guessing at a red field or an open satchel.
void DrawSkillUseHelp(int x, int& y) {
    if (UiMode != UiAiming || ActiveSkillSlot < 0 || ActiveSkillSlot >= SkillSlots) return;
    const int id = SkillId[ActiveSkillSlot];
    std::string line;
    if (SkillChoosingItem()) {
        line = id == SkillDisguise ? ": choose a dress from your satchel with the arrows and (space),  (c) cancel"
                                   : ": choose an item from your satchel with the arrows and (space),  (c) cancel";
    } else if (AimPhase == AimTargeting) {
        // A skill merely confirmed on the hero's own cell has no target to move.
        const SkillEffect* effect = FindSkillEffect(id);
        line = effect && effect->mode == OwnCell
                   ? ": (space) to use it here, (c) cancel"
                   : ": move the target with the arrows, (space) on a red square,  (c) cancel";
    } else {
        return;
    }
    DescribeSkill(id);
    Say(LookupName + line, x, y);
    y += 10;
}

// The satchel item under the pointer while an interaction is open. The interaction
// writes its lines into the top box after the panels, so the description takes a dark
// box of its own where no panel line lies: under the top box over the map at 1024 x 768;
// at 800 x 600, where the satchel fills the left column below the top box, across the
// foot of the screen.
void DrawItemHelpBesidePanel() {
    if (HoverItemSource <= 0) return;
    constexpr int Height = 50;  // four lines and a margin
    const bool small = ScreenWidth == 800;
    const int left = small ? 0 : 300;
    const int top = small ? ScreenHeight - Height - 10 : 90;  // the dark part's top
    SetAlpha(1);
    SetColor(200, 200, 255);
    DrawRect(left, small ? top - 5 : top, ScreenWidth - left, Height + (small ? 15 : 5));
    SetColor(0, 0, 10);
    DrawRect(left + 5, top, ScreenWidth - left - 10, Height);
    SetColor(255, 255, 255);
    int y = top + 3;
    DrawItemHelp(left + 10, y);
}

}  // namespace

void DrawAnswerLine() {
    if (ScreenWidth != 800 || !LogGaveWay || MessagePushCount == MessageSeenCount) return;
    // The lowest line of the box that nothing else uses; the last line stays free of it,
    // as the log keeps it free.
    const int used = TopBoxLinesUsed();
    for (int line = TopBoxLines - 2; line >= 0; --line) {
        if (used & (1 << line)) continue;
        SetColor(255, 255, 120);
        SetAlpha(1);
        Say(MessageLog[MessageLogNewest], 10, 10 + 10 * line);
        SetColor(255, 255, 255);
        return;
    }
}

void DrawLookTextsAndLog() {
    const int x = ScreenWidth == 800 ? 10 : 310;
    const int top = 10;
    int y = top;
    LookupName = "";
    SetColor(255, 255, 255);
    LogGaveWay = false;
    // An open interaction writes its lines into the top box after the panels; only the
    // satchel item under the pointer is described, beside them. At 800 x 600 the log
    // shares that box and gives way; its newest line comes back as the answer line.
    if (DialogueState != DialogueNone) {
        DrawItemHelpBesidePanel();
        if (ScreenWidth != 800) DrawMessageLog();
        LogGaveWay = ScreenWidth == 800;
        return;
    }
    if (MapModes(UiMode)) {
        if (HoverTopic > 0) {
            Say(HoverTopicText(HoverTopic), x, y);
            y += 10;
        }
        DrawMapLookTexts(x, y);
    }
    // The open inventory describes the slot under its own cursor, never whatever slot
    // number the map left in HoverItem (a ground slot would index the satchel).
    if (UiMode == UiInventory && InvCursor >= 0 && InvCursor < UsableInvSlots() && InvKind[InvCursor] > 0) {
        HoverItem = InvCursor;
        HoverItemSource = 1;
    }
    // HoverSkill is set by the skill list in the frame its entry is drawn under the
    // pointer or the list's cursor, so no help outlives the hover.
    if (HoverSkill > 0) DrawSkillHelp(x, y);
    DrawSkillUseHelp(x, y);
    if (HoverItemSource > 0) DrawItemHelp(x, y);
    // At 800 x 600 the log shares the top box and gives way to any look text.
    if (ScreenWidth != 800 || y == top) {
        DrawMessageLog();
    } else {
        LogGaveWay = true;
    }
}
