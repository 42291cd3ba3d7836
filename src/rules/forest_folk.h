// The forest folk's part of a conversation: the grubbins, seahooflings and deer, each
// playing the role drawn for it at a new game.
#pragma once
#include "rules/conversation.h"

// The conversation of the forest folk individual (VarFolkRoleFirst..VarFolkRoleLast) by
// its role: merchant, quest giver, recipe hint or creature lore; null for a role the
// forest folk do not know how to play.
const Conversation* FolkConversation(int individual);
