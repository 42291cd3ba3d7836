// The forest folk's part of a conversation: the grubbins, seahooflings and deer, each
// playing the role drawn for it at a new game.
#pragma once

// True when the individual's role is one the forest folk know how to play.
bool FolkRoleKnown(int individual);
// The forest folk's part of RunConversation: merchant, quest giver, recipe hint or
// creature lore, by the individual's role.
void RunForestFolk(int individual);
