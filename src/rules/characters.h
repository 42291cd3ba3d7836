// The friendly characters: who they are in a conversation and their tables of screens
// (run by Converse, conversation.h). A conversation is open while DialogueState is
// DialogueCharacter + the kind of the creature in DialogueCreature; DialogueStep names
// the screen shown, mostly the option last picked from its first menu (0 on that menu),
// so step 2 at a merchant of the forest folk and step 3 at the sales griffon are the
// selling screens, where the satchel picks what is sold.
#pragma once
#include "rules/conversation.h"

// Who a character is in a conversation: the name over every screen, the talk flag that
// says whether talking earns the bonus, the bonus, and the conversation. The forest
// folk's flags and conversations are their individuals' own (FolkTalkFlag and
// FolkConversation, forest_folk.h), so theirs are 0 and null here.
struct Character {
    int kind;
    const char* header;
    int talkFlag;
    int bonus;
    const Conversation* talk;
};

// The character of creature kind `kind`; null for a creature that does not talk.
const Character* FindCharacter(int kind);
