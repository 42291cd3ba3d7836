// Conversations with the friendly characters: who they are, what talking to them is
// worth, and the pieces every conversation is built from. A conversation is open while
// DialogueState is DialogueCharacter + the kind of the creature in DialogueCreature;
// DialogueStep is the option last picked from its first menu (0 on that menu), so
// step 2 at a merchant of the forest folk and step 3 at the sales griffon are the
// selling screens, where the satchel picks what is sold.
#pragma once
#include <string>
#include <vector>

// One frame of the open conversation: the friendship bonus on its first frame, then the
// character's own screen and keys.
void RunConversation();

// The forest folk individual (VarFolkRoleFirst..VarFolkRoleLast) of the grubbin,
// seahoofling, doe or buck in creature slot `m`, told apart by its MonMode 1..3; -1
// for any other creature or a MonMode out of range.
int FolkIndividual(int m);

// ---- Pieces of a conversation, shared by the characters' files ----------------------

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

// True when the individual's role is one the forest folk know how to play.
bool FolkRoleKnown(int individual);
// The forest folk's part of RunConversation: merchant, quest giver, recipe hint or
// creature lore, by the individual's role.
void RunForestFolk(int individual);
