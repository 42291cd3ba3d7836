// Conversations as tables, and the one interpreter that runs them. A character's
// conversation is a list of screens: each is shown at one DialogueStep, has its lines
// under the character's name, and either a menu whose options lead somewhere or a
// "Press space to continue" that leads somewhere when closed. Leading somewhere is an
// action (or none) followed by another screen or the end of the conversation. The
// trading screens are screens of their own, entered like any other.
#pragma once
#include <optional>
#include <string>
#include <vector>

// ---- Lines ------------------------------------------------------------------------------

// A line as a character says it: the same in every quest, or one for each quest; or a
// line with a part filled in as it is drawn (a name), written where "{}" stands.
class TalkLine {
public:
    TalkLine(const char* everyQuest) : byQuest_{everyQuest, everyQuest, everyQuest} {}
    // The line as it reads in the forest quest, the chaos quest and the castle quest.
    TalkLine(const char* forest, const char* chaos, const char* castle) : byQuest_{forest, chaos, castle} {}
    TalkLine(const char* text, std::string (*fill)()) : byQuest_{text, text, text}, fill_(fill) {}
    // The line in the quest of this game (a damaged save reads as the forest quest),
    // filled in.
    std::string Text() const;

private:
    const char* byQuest_[3];
    std::string (*fill_)() = nullptr;
};

// One line for each quest, in the order forest, chaos, castle.
inline TalkLine ByQuest(const char* forest, const char* chaos, const char* castle) { return {forest, chaos, castle}; }
// `text` with its "{}" filled by `fill` each time the line is drawn.
inline TalkLine Filled(const char* text, std::string (*fill)()) { return {text, fill}; }

// ---- Where a choice leads ---------------------------------------------------------------

using Action = void (*)();
using Condition = bool (*)();

// An action (none when null), then the screen at DialogueStep `step`, or the end. A
// pick that leads to a screen (even the same) or to the end puts the menu's cursor back
// on its first option; one that stays leaves the menu as it was, for the action to
// move on or not.
struct Next {
    int step;
    Action action;
};
constexpr int Ended = -2;
constexpr int Stays = -3;
constexpr Next EndTalk{Ended, nullptr};
constexpr Next Stay{Stays, nullptr};
constexpr Next Back{0, nullptr};  // the first menu again
constexpr Next GoTo(int step) { return {step, nullptr}; }
// `action` first, then where `then` leads.
constexpr Next Do(Action action, Next then) { return {then.step, action}; }

// An option of a menu: its text (numbered as the game shows it), where it leads, and
// the condition under which it is offered (always when null). The options a condition
// hides are the last of their menu, or stand in for one another under one number, so
// the numbers of the others never move.
struct Option {
    TalkLine text;
    Next next;
    Condition offered = nullptr;
};

// ---- Screens ----------------------------------------------------------------------------

constexpr int AnyStep = -1;  // a screen shown whatever DialogueStep holds

enum class TalkScreenKind { Menu, Answer, Buying, Selling, Code };

struct TalkScreen {
    int step = AnyStep;
    TalkScreenKind kind = TalkScreenKind::Answer;
    std::vector<TalkLine> lines;  // from panel line 1, under the name (a feature's: from line 0)
    std::vector<Option> options;  // Menu: the menu, a blank line below the lines
    Next closed = Back;           // Answer: where confirm leads, and C unless `cancelled`
    std::optional<Next> cancelled;
    bool cancelCloses = true;  // false: only confirm closes the screen
    const char* prompt = "Press space to continue";
    Condition when = nullptr;             // shown only while it holds (the first screen that fits wins)
    Action before = nullptr;              // done on every frame the screen is shown, before it is drawn
    int (*drawBelow)(int row) = nullptr;  // lines drawn by code below the table's; returns the next free row
    Action run = nullptr;                 // Code: the whole screen is drawn and read by code
    const char* header = nullptr;         // Buying and Selling: the screen's own header line
    const char* keys = nullptr;           // Selling: its second header line

    // Modifiers, for tables that read in one breath.
    TalkScreen When(Condition c) const;
    TalkScreen Before(Action a) const;
    TalkScreen Prompt(const char* text) const;
    TalkScreen OnCancel(Next next) const;
    TalkScreen DrawBelow(int (*draw)(int row)) const;
};

// A menu: the lines, then the options from the row after a blank one.
TalkScreen Menu(int step, std::vector<TalkLine> lines, std::vector<Option> options);
// An answer: the lines and "Press space to continue" right below; confirm or C leads on.
TalkScreen Answer(int step, std::vector<TalkLine> lines, Next closed);
// As Answer, but only confirm closes it.
TalkScreen Tell(int step, std::vector<TalkLine> lines, Next closed);
// The trading screens (see trading.h); leaving them goes back to the first menu.
TalkScreen Buying(int step, const char* header);
TalkScreen Selling(int step, const char* header, const char* keys);
// A screen drawn and read by its own code.
TalkScreen ByCode(int step, Action run);

// A conversation: its screens, in the order of the game's text. A feature's panel is
// one too, with no one's name over it.
using Conversation = std::vector<TalkScreen>;

// One frame of `talk`: the screen that fits DialogueStep drawn under `header` (a
// trading screen shows its own header instead), its keys read and their outcome
// followed. A DialogueStep that fits no screen (a damaged save) goes back to 0.
void Converse(const Conversation& talk, const std::string& header);
// The same for a feature's panel, whose lines start at the panel's top.
void Converse(const Conversation& panel);
// The screen of `talk` shown at DialogueStep `step`: the first whose step is `step` or
// AnyStep and whose condition holds; null when none fits.
const TalkScreen* ScreenAt(const Conversation& talk, int step);

// One frame of the open conversation with a character: the friendship bonus on its
// first frame, then the character's table (FindCharacter, characters.h, or by the role
// of one of the forest folk) under the character's name.
void RunConversation();
// A feature's panel by its DialogueState (interaction_features.cpp); null for the
// characters' states.
const Conversation* FeaturePanel(int dialogueState);

// ---- What conversations do ---------------------------------------------------------------

// Ends the conversation.
void EndConversation();
// Draws `options` as the menu from panel line `firstRow` on and reads its keys. Returns
// the option picked in this frame as its number (1 for the first), or 0. A pick puts
// the cursor back on the first option, for whatever menu or screen comes next.
int PickOption(int firstRow, const std::vector<std::string>& options);
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
