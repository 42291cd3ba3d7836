// Conversations with the friendly characters: who they are, what talking to them is
// worth, and their tables of screens (run by Converse, conversation.h). A conversation
// is open while DialogueState is DialogueCharacter + the kind of the creature in
// DialogueCreature; DialogueStep names the screen shown, mostly the option last picked
// from its first menu (0 on that menu), so step 2 at a merchant of the forest folk and
// step 3 at the sales griffon are the selling screens, where the satchel picks what is
// sold.
#pragma once

// One frame of the open conversation: the friendship bonus on its first frame, then the
// character's own screen and keys.
void RunConversation();

// The forest folk individual (VarFolkRoleFirst..VarFolkRoleLast) of the grubbin,
// seahoofling, doe or buck in creature slot `m`, told apart by its MonMode 1..3; -1
// for any other creature or a MonMode out of range.
int FolkIndividual(int m);
