// The interpreter of the conversation tables; the opening of a conversation with a
// character (who is talked to, and the friendship bonus); and the pieces every
// conversation is built from: its menus, the friendship it earns, the gifts it leaves on
// the ground and the characters who leave.
#include "rules/conversation.h"

#include <algorithm>
#include <iterator>

#include "core/messagelog.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "rules/characters.h"
#include "rules/forest_folk.h"
#include "rules/interaction_panel.h"
#include "rules/interactions.h"
#include "rules/trading.h"
#include "worldgen/creatures.h"
#include "worldgen/placement.h"

namespace {

constexpr int FriendshipMax = 100;
constexpr int TalkedRecently = 100;  // a talk flag right after the bonus
constexpr char FillMark[] = "{}";

bool IsTrading(const TalkScreen& s) { return s.kind == TalkScreenKind::Buying || s.kind == TalkScreenKind::Selling; }

// The action, then the screen it leads to: entering a trading screen readies its keys.
void Follow(const Conversation& talk, const Next& next) {
    if (next.action != nullptr) next.action();
    if (next.step == Stays) return;
    if (next.step == Ended) {
        EndConversation();
        return;
    }
    DialogueStep = next.step;
    const TalkScreen* to = ScreenAt(talk, next.step);
    if (to != nullptr && IsTrading(*to)) EnterTradingScreen();
}

// The table's lines from panel line `row` on; returns the row below the last.
int DrawLines(const TalkScreen& s, int row) {
    for (const TalkLine& line : s.lines) PanelLine(row++, line.Text());
    return row;
}

void RunMenu(const Conversation& talk, const TalkScreen& s, int firstRow) {
    const int row = DrawLines(s, firstRow);
    std::vector<std::string> texts;
    std::vector<const Option*> offered;
    for (const Option& o : s.options) {
        if (o.offered != nullptr && !o.offered()) continue;
        texts.push_back(o.text.Text());
        offered.push_back(&o);
    }
    const int pick = PanelMenu(row + 1, texts);
    if (pick < 0) return;
    const Next& next = offered[pick]->next;
    if (next.step != Stays) MenuCursor = 0;
    Follow(talk, next);
}

void RunAnswer(const Conversation& talk, const TalkScreen& s, int firstRow) {
    int row = DrawLines(s, firstRow);
    if (s.drawBelow != nullptr) row = s.drawBelow(row);
    const Closed closed = PanelContinueKey(row, s.prompt, s.cancelCloses);
    if (closed == Closed::Confirm) Follow(talk, s.closed);
    if (closed == Closed::Cancel) Follow(talk, s.cancelled.value_or(s.closed));
}

}  // namespace

// ---- Lines and screens ----------------------------------------------------------------

std::string TalkLine::Text() const {
    const int quest = GameVars[VarScenario];
    std::string text = byQuest_[quest >= ScenarioForest && quest <= ScenarioCastle ? quest : ScenarioForest];
    const std::size_t at = text.find(FillMark);
    if (fill_ != nullptr && at != std::string::npos) text.replace(at, std::size(FillMark) - 1, fill_());
    return text;
}

TalkScreen TalkScreen::When(Condition c) const {
    TalkScreen s = *this;
    s.when = c;
    return s;
}

TalkScreen TalkScreen::Before(Action a) const {
    TalkScreen s = *this;
    s.before = a;
    return s;
}

TalkScreen TalkScreen::Prompt(const char* text) const {
    TalkScreen s = *this;
    s.prompt = text;
    return s;
}

TalkScreen TalkScreen::OnCancel(Next next) const {
    TalkScreen s = *this;
    s.cancelled = next;
    return s;
}

TalkScreen TalkScreen::DrawBelow(int (*draw)(int row)) const {
    TalkScreen s = *this;
    s.drawBelow = draw;
    return s;
}

TalkScreen Menu(int step, std::vector<TalkLine> lines, std::vector<Option> options) {
    TalkScreen s;
    s.step = step;
    s.kind = TalkScreenKind::Menu;
    s.lines = std::move(lines);
    s.options = std::move(options);
    return s;
}

TalkScreen Answer(int step, std::vector<TalkLine> lines, Next closed) {
    TalkScreen s;
    s.step = step;
    s.lines = std::move(lines);
    s.closed = closed;
    return s;
}

TalkScreen Tell(int step, std::vector<TalkLine> lines, Next closed) {
    TalkScreen s = Answer(step, std::move(lines), closed);
    s.cancelCloses = false;
    return s;
}

TalkScreen Buying(int step, const char* header) {
    TalkScreen s;
    s.step = step;
    s.kind = TalkScreenKind::Buying;
    s.header = header;
    return s;
}

TalkScreen Selling(int step, const char* header, const char* keys) {
    TalkScreen s = Buying(step, header);
    s.kind = TalkScreenKind::Selling;
    s.keys = keys;
    return s;
}

TalkScreen ByCode(int step, Action run) {
    TalkScreen s;
    s.step = step;
    s.kind = TalkScreenKind::Code;
    s.run = run;
    return s;
}

// ---- The interpreter -------------------------------------------------------------------

const TalkScreen* ScreenAt(const Conversation& talk, int step) {
    for (const TalkScreen& s : talk) {
        if (s.step != AnyStep && s.step != step) continue;
        if (s.when == nullptr || s.when()) return &s;
    }
    return nullptr;
}

namespace {

// The screen that fits DialogueStep, with its lines from panel line `firstRow` on.
void RunScreen(const Conversation& talk, const TalkScreen& s, int firstRow) {
    if (s.before != nullptr) s.before();
    switch (s.kind) {
        case TalkScreenKind::Menu: RunMenu(talk, s, firstRow); break;
        case TalkScreenKind::Answer: RunAnswer(talk, s, firstRow); break;
        case TalkScreenKind::Buying:
            if (RunBuyingScreen(s.header)) Follow(talk, Back);
            break;
        case TalkScreenKind::Selling:
            if (RunSellingScreen(s.header, s.keys)) Follow(talk, Back);
            break;
        case TalkScreenKind::Code: s.run(); break;
    }
}

}  // namespace

void Converse(const Conversation& talk, const std::string& header) {
    const TalkScreen* s = ScreenAt(talk, DialogueStep);
    if (s == nullptr || !IsTrading(*s)) PanelLine(0, header);
    if (s == nullptr) {
        DialogueStep = 0;
        return;
    }
    RunScreen(talk, *s, 1);
}

void Converse(const Conversation& panel) {
    const TalkScreen* s = ScreenAt(panel, DialogueStep);
    if (s == nullptr) {
        DialogueStep = 0;
        return;
    }
    RunScreen(panel, *s, 0);
}

// ---- The conversation with a character --------------------------------------------------

namespace {

// The bonus for talking, on the first frame of a conversation: a flag at 0 has not been
// talked to (lately), and the flag right after keeps every later frame from paying again.
void FriendshipBonus(int talkFlag, int bonus) {
    // Below 0 only a damaged save could put it; it counts as not talked to.
    if (talkFlag <= 0 || GameVars[talkFlag] > 0) return;
    GameVars[talkFlag] = TalkedRecently;
    GainFriendship(bonus);
}

}  // namespace

void RunConversation() {
    const int m = DialogueCreature;
    const int kind = DialogueState - DialogueCharacter;
    const Character* who = FindCharacter(kind);
    // The one talked to must still stand there: a damaged save or a slot freed since
    // the bump ends the talk rather than speak for a creature that is gone.
    if (who == nullptr || m < 1 || m >= MonSlots || MonKind[m] != kind) {
        EndConversation();
        return;
    }
    int talkFlag = who->talkFlag;
    const Conversation* talk = who->talk;
    if (talk == nullptr) {  // one of the forest folk, who talks by its role
        const int individual = FolkIndividual(m);
        talk = individual < 0 ? nullptr : FolkConversation(individual);
        // One with no role to play (a damaged save) has nothing to say, nor a bonus.
        if (talk == nullptr) {
            EndConversation();
            return;
        }
        talkFlag = FolkTalkFlag(individual);
    }
    FriendshipBonus(talkFlag, who->bonus);
    Converse(*talk, who->header);
}

// ---- What conversations do ---------------------------------------------------------------

void EndConversation() { DialogueState = DialogueNone; }

int PickOption(int firstRow, const std::vector<std::string>& options) {
    const int picked = PanelMenu(firstRow, options);
    if (picked < 0) return 0;
    MenuCursor = 0;
    return picked + 1;
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
