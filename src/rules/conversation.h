// The pieces every conversation is built from, shared by the characters' files.
#pragma once
#include <string>
#include <vector>

// Ends the conversation.
void EndConversation();
// Draws `options` as the menu from panel line `firstRow` on and reads its keys. Returns
// the option picked in this frame as its number (1 for the first), or 0. A pick puts
// the cursor back on the first option, for whatever menu or screen comes next.
int PickOption(int firstRow, const std::vector<std::string>& options);
// Draws `lines` from panel line 1 on, under the character's name, and a "Press space
// to continue" below them. True when confirm or C closes it in this frame.
bool Answer(const std::vector<std::string>& lines);
// Every creature of `kind` leaves the sector; its slot becomes free.
void RemoveCreatures(int kind);
// Friendship grows by `points`, at most to 100, and its decay starts over.
void GainFriendship(int points);
// Friendship grows by `points`, at most to 100; its decay goes on as it was.
void RaiseFriendship(int points);
// True when the ground table can take `items` more items; otherwise logs why and the
// caller leaves everything as it was, so a gift is never lost to a full ground.
bool GroundTakesGifts(int items);
// Puts a gift on the ground under the hero (tier 0).
void GiveAtHero(int kind);
