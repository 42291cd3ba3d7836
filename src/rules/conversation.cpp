// The pieces every conversation is built from: its menus and answers, the friendship
// it earns, the gifts it leaves on the ground and the characters who leave.
#include "rules/conversation.h"

#include <algorithm>

#include "core/messagelog.h"
#include "core/state.h"
#include "rules/interaction_panel.h"
#include "rules/interactions.h"
#include "worldgen/creatures.h"
#include "worldgen/placement.h"

namespace {
constexpr int FriendshipMax = 100;
}  // namespace

void EndConversation() { DialogueState = DialogueNone; }

int PickOption(int firstRow, const std::vector<std::string>& options) {
    const int picked = PanelMenu(firstRow, options);
    if (picked < 0) return 0;
    MenuCursor = 0;
    return picked + 1;
}

bool Answer(const std::vector<std::string>& lines) {
    int row = 1;
    for (const std::string& line : lines) PanelLine(row++, line);
    return PanelContinue(row);
}

void RemoveCreatures(int kind) {
    for (int m = 1; m < MonSlots; ++m)
        if (MonKind[m] == kind) MonKind[m] = KindNone;
}

void RaiseFriendship(int points) { Friendship = std::min(Friendship + points, FriendshipMax); }

void GainFriendship(int points) {
    RaiseFriendship(points);
    FriendshipTimer = 0;
}

bool GroundTakesGifts(int items) {
    if (GroundRoomFor(items)) return true;
    PushMessage("There is no room on the ground here");
    return false;
}

void GiveAtHero(int kind) { PlaceGroundItem(MonX[0], MonY[0], kind, 0); }
