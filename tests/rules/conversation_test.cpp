// The conversation tables read without running a frame: every choice leads to a screen
// its own table has, and every menu is numbered the way its keys pick, in every quest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/run_vars.h"
#include "core/state.h"
#include "rules/characters.h"
#include "rules/conversation.h"
#include "rules/forest_folk.h"
#include "rules/interactions.h"
#include "support/test_support.h"
#include "worldgen/creatures.h"

namespace {

struct Table {
    std::string who;
    const Conversation* talk;
};

// Every character's conversation, every role of the forest folk and every feature panel.
std::vector<Table> AllTables() {
    ClearAllTables();
    std::vector<Table> tables;
    for (int kind = 0; kind <= KindLast; ++kind) {
        const Character* who = FindCharacter(kind);
        if (who != nullptr && who->talk != nullptr) tables.push_back({"kind " + std::to_string(kind), who->talk});
    }
    for (int role = 0; role <= RoleLoreLast + 5; ++role) {
        GameVars[VarFolkRoleFirst] = role;
        if (const Conversation* talk = FolkConversation(VarFolkRoleFirst))
            tables.push_back({"role " + std::to_string(role), talk});
    }
    for (int state = DialogueNone; state < DialogueCharacter; ++state)
        if (const Conversation* panel = FeaturePanel(state))
            tables.push_back({"panel " + std::to_string(state), panel});
    return tables;
}

bool HasScreenAt(const Conversation& talk, int step) {
    for (const TalkScreen& s : talk)
        if (s.step == AnyStep || s.step == step) return true;
    return false;
}

TEST(ConversationTables, EveryChoiceLeadsToAScreenOfItsOwnTable) {
    const std::vector<Table> tables = AllTables();
    // A table for each of the 13 kinds of character who talk for themselves, the 24
    // roles of the forest folk (merchant, quest giver, 11 hints, 11 lore) and the 13
    // feature panels.
    ASSERT_GE(tables.size(), 13u + 24u + 13u);
    for (const Table& t : tables) {
        for (const TalkScreen& s : *t.talk) {
            std::vector<Next> leads;
            for (const Option& o : s.options) leads.push_back(o.next);
            if (s.kind == TalkScreenKind::Answer) leads.push_back(s.closed);
            if (s.cancelled) leads.push_back(*s.cancelled);
            for (const Next& next : leads) {
                if (next.step == Ended || next.step == Stays) continue;
                EXPECT_TRUE(HasScreenAt(*t.talk, next.step)) << t.who << ": step " << next.step << " has no screen";
            }
            if (s.kind == TalkScreenKind::Menu) {
                EXPECT_FALSE(s.options.empty()) << t.who;
            }
            if (s.kind == TalkScreenKind::Code) {
                EXPECT_NE(s.run, nullptr) << t.who;
            }
        }
    }
}

// The digits pick an option by its place among those shown, so the number written in
// front of each must be its place: one more than the last, or the same where an option
// offered in the other's stead stands under one number.
TEST(ConversationTables, MenusAreNumberedAsTheirKeysPick) {
    const std::vector<Table> tables = AllTables();
    for (int quest = ScenarioForest; quest <= ScenarioCastle; ++quest) {
        GameVars[VarScenario] = quest;
        for (const Table& t : tables) {
            for (const TalkScreen& s : *t.talk) {
                EXPECT_LE(s.options.size(), 9u) << t.who << ": only 1..9 have keys";
                int last = 0;
                for (const Option& o : s.options) {
                    const std::string text = o.text.Text();
                    ASSERT_GE(text.size(), 3u) << t.who;
                    const int number = text[0] - '0';
                    EXPECT_EQ(text.substr(1, 2), ") ") << t.who << ": " << text;
                    const bool next = number == last + 1;
                    const bool standsIn = number == last && o.offered != nullptr;
                    EXPECT_TRUE(next || standsIn) << t.who << " in quest " << quest << ": " << text;
                    last = number;
                }
            }
        }
    }
}

}  // namespace
