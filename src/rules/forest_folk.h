// The forest folk's part of a conversation: the grubbins, seahooflings and deer, each
// playing the role drawn for it at a new game.
#pragma once
#include "rules/conversation.h"

// The conversation of the forest folk individual (VarFolkRoleFirst..VarFolkRoleLast) by
// its role: merchant, quest giver, recipe hint or creature lore; null for a role the
// forest folk do not know how to play.
const Conversation* FolkConversation(int individual);

// The forest folk individual (VarFolkRoleFirst..VarFolkRoleLast) of the grubbin,
// seahoofling, doe or buck in creature slot `m`, told apart by its MonMode 1..3; -1
// for any other creature or a MonMode out of range.
int FolkIndividual(int m);
// The talk flag of an individual: one each, counted down like the characters' own.
int FolkTalkFlag(int individual);
