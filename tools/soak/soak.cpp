#include "soak/soak.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

#include "core/frame.h"
#include "core/loop/dump.h"
#include "core/loop/startup.h"
#include "core/loop/turnloop.h"
#include "core/open_screen.h"
#include "core/run_vars.h"
#include "core/state.h"
#include "core/ui_mode.h"
#include "items/catalogue.h"
#include "items/category.h"
#include "items/food.h"
#include "items/skill_choice.h"
#include "items/skills.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "rules/characters.h"
#include "rules/end_of_turn.h"
#include "rules/interactions.h"
#include "rules/look_cursor.h"
#include "rules/sector_change.h"
#include "soak/player.h"
#include "worldgen/creatures.h"
#include "worldgen/placement.h"
#include "worldgen/terrain.h"

namespace {

// ---- What the bot knows between frames ---------------------------------------------

enum class Screen {
    Title,
    WizardHero,
    WizardDifficulty,
    WizardScenario,
    SkillUpgrades,
    Recipes,
    History,
    Scores,
    Game,
    Other
};

// What the player is after on the map for a while.
enum class Goal { Fight, Grab, Deeper, Back, Feature, Friend, Wander };

struct Bot {
    SoakOptions options;
    SoakReport report;
    std::mt19937 rng;
    std::vector<std::string> texts;  // every text drawn since the last frame was shown

    bool stop = false;  // the soak is over: the window is being closed
    // The game in play as the bot last saw it.
    bool inGame = false;
    int lastTurn = -1;
    int lastDepth = 0;
    bool endCounted = false;
    long long framesSinceTurn = 0;
    long long turnsSinceCheck = 0;
    // Choices for the next game and the wizard's hero cursor, which lives in the wizard.
    int nextGame = 0;
    int heroCursor = -1;
    int planHero = 0, planDifficulty = 0, planQuest = 0;
    // The save/reload check: the dump taken just before closing, compared with the first
    // frame of the loaded game.
    bool closingForCheck = false;
    bool loadAfterRestart = false;
    std::string dumpBeforeClose;
    bool closingStuck = false;
    // On the map: the current goal and for how many more turns.
    Goal goal = Goal::Wander;
    int goalTurns = 0;
    int menuActions = 0;  // keys given to the open panel, interaction or screen
    bool talked = false;  // an interaction was open in an earlier frame
    bool hurry = false;   // long without a turn: close what is open and wait a turn
    int lastDialogue = DialogueNone, lastUiMode = UiMap, lastBits = 0;
    Screen lastScreen = Screen::Other;
    bool letGo = false;    // a menu choice was made: no key in the next frame
    int titleChoice = -1;  // the title entry chosen this time on the title
    std::map<std::string, int> findingKinds;
    // The winning player, and the run it plays.
    PlayerMind mind;
    bool choseNew = false;      // the title's last choice was a new game
    bool easyContinue = false;  // an easy run fell: the player loads the save and goes on
    bool runOpen = false;
    SoakRun run;
    int aimedSkill = 0;  // the skill id being aimed
    int lastMp = 0;
    int dishesHeld = 0;  // dishes in the satchel while a pot is open
    // A deep start being made: the depth it goes to (-1 none), and whether the game's own
    // sector change is running from inside the bot's frame.
    int deepTarget = -1;
    int deepNext[3] = {0, 0, 0};  // --deep-in-turn: each quest's next deep start, less one
    bool inSetup = false;
    // The keys held in every frame, as script steps (see RecordFrame).
    std::string script;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    bool outOfTime = false;
    int waiting = 0;  // frames without a key not yet written
    bool victoryDumped = false;
    // The save an easy run was last loaded from (its turn and depth), and the falls
    // from it in a row.
    int loadedTurn = -1, loadedDepth = 0, sameSaveDeaths = 0;
};

// The script of what the bot held: each hook call's keys are held through the next frame
// alone, which is what `tap` does for one key and `hold`, `wait 1`, `release` for several.
void RecordFrame(Bot& b, const std::string& extra) {
    static const int Codes[] = {KeyLeft, KeyRight, KeyUp, KeyDown, KeySpace, KeyEnter, KeyLShift, KeyRShift};
    static const char* const Names[] = {"Left", "Right", "Up", "Down", "Space", "Enter", "LShift", "RShift"};
    std::vector<std::string> held;
    for (size_t i = 0; i < std::size(Codes); ++i)
        if (KeyHeld(Codes[i])) held.push_back(Names[i]);
    for (char c = 'A'; c <= 'Z'; ++c)
        if (KeyHeld(KeyA + (c - 'A'))) held.push_back(std::string(1, c));
    for (char c = '1'; c <= '9'; ++c)
        if (KeyHeld(KeyDigit1 + (c - '1'))) held.push_back(std::string(1, c));
    if (held.empty() && extra.empty()) {
        b.waiting++;
        return;
    }
    if (b.waiting > 0) b.script += "wait " + std::to_string(b.waiting) + "\n";
    b.waiting = 0;
    b.script += extra;
    if (held.empty()) {
        b.waiting = 1;
    } else if (held.size() == 1) {
        b.script += "tap " + held[0] + "\n";
    } else {
        std::string keys;
        for (const std::string& k : held) keys += " " + k;
        b.script += "hold" + keys + "\nwait 1\nrelease" + keys + "\n";
    }
}

Bot* Active = nullptr;

void Finding(Bot& b, const std::string& kind, const std::string& detail) {
    int& seen = b.findingKinds[kind];
    ++seen;
    if (seen <= 3) b.report.findings.push_back(kind + ": " + detail);
    if (b.options.verbose) std::fprintf(stderr, "soak: %s: %s\n", kind.c_str(), detail.c_str());
}

int Roll(Bot& b, int n) { return static_cast<int>(b.rng() % static_cast<unsigned>(n)); }

// The screen a frame showed, as the game names it; the map's frames name none (the
// blank frame of a sector change draws no text at all).
Screen WhichScreen(const Bot& b) {
    switch (ActiveScreen) {
        case ScreenTitle: return Screen::Title;
        case ScreenNewGame:
            return UiMode == WizardPageHero         ? Screen::WizardHero
                   : UiMode == WizardPageDifficulty ? Screen::WizardDifficulty
                                                    : Screen::WizardScenario;
        case ScreenSkillUpgrades: return Screen::SkillUpgrades;
        case ScreenRecipeBook: return Screen::Recipes;
        case ScreenMessageHistory: return Screen::History;
        case ScreenHighScores: return Screen::Scores;
        case ScreenNone: return InGame == 1 && !b.texts.empty() ? Screen::Game : Screen::Other;
        default: return Screen::Other;
    }
}

// The panel's lines of the frame (what a player would read to see why it is stuck).
std::string ScreenWords(const Bot& b) {
    std::string words;
    int n = 0;
    for (const std::string& t : b.texts) {
        if (t.size() < 12 || ++n > 40) continue;
        words += " | " + t;
    }
    return words;
}

void Press(int key) { InputPress(key); }
const int Arrows[4] = {KeyUp, KeyDown, KeyLeft, KeyRight};
const int StepX[4] = {0, 0, -1, 1};
const int StepY[4] = {-1, 1, 0, 0};

// Moves a list cursor to `want` (Up/Down), then confirms.
void MenuTo(int cursor, int want) {
    if (cursor > want) {
        Press(KeyUp);
    } else if (cursor < want) {
        Press(KeyDown);
    } else {
        Press(KeySpace);
    }
}

// ---- The save/reload check --------------------------------------------------------------

// Lines of the dump that a save does not hold on purpose: the working scalars of
// state.h (the screen's and the rules' scratch values, declared there as never saved),
// the message log, and the generator, which drawing draws from every frame and which a
// load seeds from the clock.
const char* const NotSaved[] = {
    "DeathMessage",    "GameOver",       "GameWon",
    "GameInProgress",  "InGame",         "QuitArmed",
    "QuitRequest",     "TurnTaken",      "UiMode",
    "DialogueState",   "DialogueStep",   "DialogueCreature",
    "DialogueCellX",   "DialogueCellY",  "AttackerSlot",
    "DefenderSlot",    "FlyerMoveTest",  "ActiveSkillSlot",
    "HelpSkillSlot",   "AimPhase",       "IgnoreCreaturesOnce",
    "InputDelay",      "MenuCursor",     "InvCursor",
    "TargetX",         "TargetY",        "CameraX",
    "CameraY",         "MouseTileX",     "MouseTileY",
    "HoverMonster",    "HoverTerrain",   "HoverItem",
    "HoverItemSource", "ItemUnderHero",  "HoverSkill",
    "HoverTopic",      "PanelSwap",      "LevelUpAnim",
    "WaterFrame",      "WaterTick",      "RegenerateSector",
    "LookupName",      "LookupText",     "LookupText2",
    "ApplyItemMods",   "DistanceResult", "ScreenWidth",
    "ScreenHeight",    "DebugText",      "MessageLog",
    "RandomState",     "TitleScroll",    "TitleFade",
};

std::string DumpName(const std::string& line) {
    const size_t end = line.find_first_of(" [");
    return end == std::string::npos ? line : line.substr(0, end);
}

std::map<std::string, std::string> DumpLines(const std::string& text) {
    std::set<std::string> skip(std::begin(NotSaved), std::end(NotSaved));
    std::map<std::string, std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (skip.count(DumpName(line))) continue;
        const size_t space = line.find(' ');
        lines[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    return lines;
}

void CompareAfterLoad(Bot& b) {
    const auto before = DumpLines(b.dumpBeforeClose);
    const auto after = DumpLines(StateDumpText());
    std::string diff;
    int differing = 0;
    for (const auto& [name, value] : before) {
        const auto it = after.find(name);
        const std::string now = it == after.end() ? "(missing)" : it->second;
        if (now == value) continue;
        if (++differing <= 6) diff += " " + name + ": " + value + " -> " + now + ";";
    }
    for (const auto& [name, value] : after) {
        if (before.count(name)) continue;
        if (++differing <= 6) diff += " " + name + ": (missing) -> " + value + ";";
    }
    b.report.checks++;
    if (differing > 0) {
        b.report.checksFailed++;
        // Both dumps stay in the data root, to read the whole difference.
        const std::string name = "check-" + std::to_string(b.report.checks);
        const std::string now = StateDumpText();
        WriteWholeFile(name + "-before.txt", std::vector<uint8_t>(b.dumpBeforeClose.begin(), b.dumpBeforeClose.end()));
        WriteWholeFile(name + "-after.txt", std::vector<uint8_t>(now.begin(), now.end()));
        Finding(b, "save/reload difference",
                std::to_string(differing) + " lines at turn " + std::to_string(TurnCount) + ", depth " +
                    std::to_string(Depth) + ":" + diff);
    }
    if (b.options.verbose) {
        std::fprintf(stderr, "soak: check %d at turn %lld: %d lines differ\n", b.report.checks, b.report.turns,
                     differing);
    }
    b.dumpBeforeClose.clear();
}

// ---- Finding the way on the map -----------------------------------------------------

// Sticks, logs and doors give way to a few bucks, so the walk goes through them.
bool Blocks(int x, int y) {
    const int code = MapTerrain[x][y];
    if (code == Sticks || code == Log || code == Door) return false;
    return TerrainBlocksMovement(x, y);
}

// The first step (0..3) of a shortest walk from the hero to a cell for which `wanted`
// holds, creatures ignored (bumping into one is an attack, a talk or a swap); -1 when
// none can be reached.
template <typename Pred>
int StepToward(Pred wanted) {
    static int firstStep[MapWidth][MapHeight];
    static int queueX[MapWidth * MapHeight], queueY[MapWidth * MapHeight];
    for (auto& column : firstStep)
        for (int& v : column) v = -2;
    const int hx = MonX[0], hy = MonY[0];
    if (hx < 0 || hy < 0 || hx >= MapWidth || hy >= MapHeight) return -1;
    int head = 0, tail = 0;
    firstStep[hx][hy] = -1;
    queueX[tail] = hx;
    queueY[tail++] = hy;
    while (head < tail) {
        const int x = queueX[head], y = queueY[head++];
        for (int d = 0; d < 4; ++d) {
            const int nx = x + StepX[d], ny = y + StepY[d];
            if (nx < 0 || ny < 0 || nx >= MapWidth || ny >= MapHeight || firstStep[nx][ny] != -2) continue;
            const int step = firstStep[x][y] == -1 ? d : firstStep[x][y];
            firstStep[nx][ny] = step;
            if (wanted(nx, ny)) return step;
            // A wanted cell may block (a chest, a creature's hut); its neighbours do not.
            if (Blocks(nx, ny)) continue;
            queueX[tail] = nx;
            queueY[tail++] = ny;
        }
    }
    return -1;
}

bool CreatureAt(int x, int y, int attitude) {
    for (int m = 1; m < MonSlots; ++m) {
        if (MonKind[m] > 0 && MonHp[m] > 0 && MonX[m] == x && MonY[m] == y && MonAttitude[m] == attitude) return true;
    }
    return false;
}

bool HostileNear(int reach) {
    for (int m = 1; m < MonSlots; ++m) {
        if (MonKind[m] <= 0 || MonHp[m] <= 0 || MonAttitude[m] != AttitudeHostile) continue;
        if (std::abs(MonX[m] - MonX[0]) <= reach && std::abs(MonY[m] - MonY[0]) <= reach) return true;
    }
    return false;
}

bool GroundItemAt(int x, int y) {
    for (int g = 0; g < GroundSlots; ++g) {
        if (GroundItemKind[g] > 0 && GroundItemX[g] == x && GroundItemY[g] == y) return true;
    }
    return false;
}

bool IsFeature(int code) {
    switch (code) {
        case CookingPot:
        case VineChest:
        case StoneTable:
        case TreasureChest:
        case Well:
        case GemIdol:
        case Book:
        case Note:
        case BellFirst: return true;
        default: return false;
    }
}

bool IsWayOn(int code) { return code == Exit || code == CastlePathOnward || code == StairsUp || code == Portal; }
bool IsWayBack(int code) {
    return code == Entrance || code == CastlePathBack || code == StairsOut || code == StairsToForest ||
           code == FairyDoor || code == CryptEntrance || code == TempleEntrance;
}

int GoalStep(Bot& b) {
    switch (b.goal) {
        case Goal::Fight: return StepToward([](int x, int y) { return CreatureAt(x, y, AttitudeHostile); });
        case Goal::Grab: return StepToward([](int x, int y) { return GroundItemAt(x, y); });
        case Goal::Deeper: return StepToward([](int x, int y) { return IsWayOn(MapTerrain[x][y]); });
        case Goal::Back: return StepToward([](int x, int y) { return IsWayBack(MapTerrain[x][y]); });
        case Goal::Feature: return StepToward([](int x, int y) { return IsFeature(MapTerrain[x][y]); });
        case Goal::Friend:
            return StepToward(
                [](int x, int y) { return CreatureAt(x, y, AttitudeFriendly) || CreatureAt(x, y, AttitudeNeutral); });
        default: return -1;
    }
}

void PickGoal(Bot& b) {
    // Mostly onward, so the soak walks many sectors; the rest of the game in between.
    static const Goal Weighted[] = {Goal::Deeper, Goal::Deeper,  Goal::Deeper, Goal::Fight, Goal::Fight, Goal::Grab,
                                    Goal::Grab,   Goal::Feature, Goal::Friend, Goal::Back,  Goal::Wander};
    b.goal = Weighted[Roll(b, static_cast<int>(std::size(Weighted)))];
    b.goalTurns = 20 + Roll(b, 60);
}

// One command on the map: mostly the goal's step, now and then any other key a player has.
void MapKeys(Bot& b) {
    if (GroundItemAt(MonX[0], MonY[0]) && Roll(b, 3) == 0) {
        Press(LetterKey(Roll(b, 2) ? 'G' : 'E'));
        return;
    }
    // With a foe close by, a skill the hero has bought, now and then.
    const int listed = ListedSkillCount();
    if (listed > 0 && Roll(b, 6) == 0 && HostileNear(5)) {
        Press(KeyDigit1 + Roll(b, listed < 9 ? listed : 9));
        return;
    }
    if (Roll(b, 5) == 0) {
        const int r = Roll(b, 100);
        if (r < 20) {
            Press(Arrows[Roll(b, 4)]);
        } else if (r < 27) {
            Press(KeyLShift);
            Press(Arrows[Roll(b, 4)]);
        } else if (r < 37) {
            Press(LetterKey('I'));
        } else if (r < 45) {
            Press(KeyDigit1 + Roll(b, 9));
        } else if (r < 50) {
            Press(LetterKey('S'));
        } else if (r < 55) {
            Press(LetterKey(Roll(b, 2) ? 'A' : 'Z'));
        } else if (r < 60) {
            Press(LetterKey('L'));
        } else if (r < 63) {
            Press(LetterKey('X'));
        } else if (r < 65) {
            Press(LetterKey('R'));
        } else if (r < 67) {
            Press(LetterKey('H'));
        } else if (r < 75 && b.options.recordPath.empty()) {
            InputPointer(Roll(b, ScreenWidth), Roll(b, ScreenHeight));
        } else {
            Press(KeySpace);
        }
        return;
    }
    // The goal runs out by commands, not turns: talking and trading take no turn.
    if (--b.goalTurns <= 0) PickGoal(b);
    const int step = GoalStep(b);
    if (step < 0) {
        PickGoal(b);
        Press(Roll(b, 4) ? Arrows[Roll(b, 4)] : KeySpace);
        return;
    }
    Press(Arrows[step]);
}

// Panels, interactions and skills in use: a few random keys a player would try there,
// then the keys that close it.
void PanelKeys(Bot& b, const int* keys, int count, const int* closing, int closingCount) {
    b.menuActions++;
    if (b.menuActions > 8 + Roll(b, 10) || b.hurry) {
        // A conversation closes by its own answer ("3) Leave"), when it offers one.
        if (DialogueState != DialogueNone && Roll(b, 2) == 0) {
            for (const std::string& t : b.texts) {
                if (t.size() > 3 && t[0] >= '1' && t[0] <= '9' && t[1] == ')' &&
                    (t.find("Leave") != std::string::npos || t.find("leave") != std::string::npos ||
                     t.find("Bye") != std::string::npos || t.find("bye") != std::string::npos)) {
                    Press(KeyDigit1 + (t[0] - '1'));
                    return;
                }
            }
        }
        Press(closing[Roll(b, closingCount)]);
        return;
    }
    Press(keys[Roll(b, count)]);
}

void GameKeys(Bot& b) {
    static const int InventoryKeys[] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeySpace, KeySpace, 'D'};
    static const int InventoryClose[] = {'I', 'C'};
    static const int ListKeys[] = {KeyUp, KeyDown, KeySpace};
    static const int ListClose[] = {'C'};
    static const int AimKeys[] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeySpace, KeySpace, 'S'};
    static const int AimClose[] = {'C', KeySpace};
    static const int LookKeys[] = {KeyUp, KeyDown, KeyLeft, KeyRight};
    static const int LookClose[] = {'L', 'C'};
    static const int TalkKeys[] = {KeyUp,     KeyDown,       KeyLeft,       KeyRight,      KeySpace, KeySpace,
                                   KeyDigit1, KeyDigit1 + 1, KeyDigit1 + 2, KeyDigit1 + 3, 'G',      'S'};
    static const int TalkClose[] = {'C', KeySpace};
    // Half the frame bound gone without a turn: the player stops browsing and waits a
    // turn, so only a turn the game itself cannot end reaches the bound.
    b.hurry = b.framesSinceTurn > b.options.frameBound / 2;
    if (!b.options.wander && !b.hurry && Roll(b, 100) >= b.options.wanderShare &&
        PlayerGameKeys(b.mind, [](int n) { return Roll(*Active, n); }))
        return;
    if (DialogueState != DialogueNone) {
        b.talked = true;
        // A word said for friendship's sake: the player takes its leave at once.
        if (b.mind.talking) b.hurry = true;
        PanelKeys(b, TalkKeys, std::size(TalkKeys), TalkClose, std::size(TalkClose));
    } else if (UiMode == UiInventory) {
        PanelKeys(b, InventoryKeys, std::size(InventoryKeys), InventoryClose, std::size(InventoryClose));
    } else if (UiMode == UiSkillList) {
        PanelKeys(b, ListKeys, std::size(ListKeys), ListClose, std::size(ListClose));
    } else if (UiMode == UiAiming) {
        PanelKeys(b, AimKeys, std::size(AimKeys), AimClose, std::size(AimClose));
    } else if (LookCursorOpen()) {
        PanelKeys(b, LookKeys, std::size(LookKeys), LookClose, std::size(LookClose));
    } else {
        b.menuActions = 0;
        if (b.talked) {
            // Done talking or trading here: on to the next sector, not the same chat again.
            b.talked = false;
            b.goal = Goal::Deeper;
            b.goalTurns = 20 + Roll(b, 40);
        }
        if (b.hurry) {
            Press(KeySpace);
            return;
        }
        MapKeys(b);
    }
}

// ---- One frame of the bot -----------------------------------------------------------------

const char* const QuestNames[3] = {"forest", "chaos", "castle"};
const char* const DifficultyNames[3] = {"easy", "normal", "hard"};

const char* QuestName(int q) { return q >= 0 && q < 3 ? QuestNames[q] : "unknown"; }
const char* DifficultyName(int d) { return d >= 0 && d < 3 ? DifficultyNames[d] : "unknown"; }

// The features by their DialogueState, from 1.
const char* const Features[] = {"cooking-pot", "vine-chest", "magical-tree", "stone-table", "treasure-chest",
                                "flower",      "book",       "note",         "gem-idol",    "well",
                                "used-well",   "bell",       "used-bell"};

// A name for the coverage table: one word, so a line stays `name count`.
std::string Word(std::string text) {
    for (char& c : text)
        if (c == ' ') c = '-';
    return text.empty() ? "none" : text;
}

void Cover(Bot& b, const std::string& name) { b.report.coverage[name]++; }

// The sector just entered, by quest and depth, and what kind of place it is.
void CoverSector(Bot& b) {
    Cover(b, std::string("visit ") + QuestName(GameVars[VarScenario]) + "-depth-" + std::to_string(Depth));
    static const char* const Special[3] = {"fairy-garden", "crypt", "temple"};
    if (Depth < 0 && Depth >= -3) Cover(b, std::string("special ") + Special[-Depth - 1]);
    if (SectorLayout == 120) Cover(b, "special healers-hut");
    if (SectorLayout == 123) Cover(b, "special flower-island");
    if (SectorLayout == 125) Cover(b, "special chaos-lair");
    if (SectorBiome >= 7 && SectorBiome <= 10) Cover(b, "castle-style " + std::to_string(SectorBiome));
    for (int s = 1; s < MonSlots; ++s) {
        if (MonKind[s] == KindVorgath && MonHp[s] > 0) Cover(b, "special throne-hall");
    }
    Cover(b, "biome " + std::to_string(SectorBiome));
    if (b.runOpen && Depth > b.run.maxDepth) {
        b.run.maxDepth = Depth;
        b.run.deathsAtDeepest = 0;
    }
}

void EndRun(Bot& b, bool ended) {
    if (!b.runOpen) return;
    b.run.ended = ended;
    b.report.runs.push_back(b.run);
    b.runOpen = false;
}

void StartOfGame(Bot& b) {
    if (b.choseNew || !b.runOpen) {
        EndRun(b, false);
        b.run = SoakRun();
        b.run.quest = GameVars[VarScenario];
        b.run.difficulty = GameVars[VarDifficulty];
        b.run.hero = HeroId;
        b.run.startDepth = b.run.maxDepth = Depth;
        b.runOpen = true;
        if (b.choseNew && Roll(b, 100) < b.options.deepShare) {
            if (b.options.deepDepth >= 1) {
                b.deepTarget = std::min(b.options.deepDepth, 29);
            } else if (b.options.deepInTurn) {
                // Each quest's deep starts walk its depths 1..29 in turn, so a run covers them all.
                int& next = b.deepNext[std::clamp(b.run.quest, 0, 2)];
                b.deepTarget = 1 + next;
                next = (next + 1) % 29;
            } else {
                b.deepTarget = 1 + Roll(b, 29);
            }
            b.run.deep = true;
        }
    }
    // A run going on after a fall keeps what its player learnt.
    const PlayerMind learnt = b.mind;
    b.mind = PlayerMind();
    if (!b.choseNew) {
        b.mind.feared = learnt.feared;
        b.mind.healerDepth = learnt.healerDepth;
        b.mind.sidesSeen = learnt.sidesSeen;
        b.mind.foodLeft = learnt.foodLeft;
        b.mind.deepest = learnt.deepest;
        b.mind.deepestTurn = learnt.deepestTurn;
    }
    b.mind.trace = b.options.trace;
    if (b.choseNew) {
        b.sameSaveDeaths = 0;
        b.loadedTurn = -1;
    } else if (TurnCount != b.loadedTurn || Depth != b.loadedDepth) {
        b.sameSaveDeaths = 0;
        b.loadedTurn = TurnCount;
        b.loadedDepth = Depth;
    }
    // Fallen from this very save before: its sector is crossed straight to the way on.
    b.mind.fallsHere = b.choseNew ? 0 : b.sameSaveDeaths;
    b.choseNew = false;
    b.easyContinue = false;
    CoverSector(b);
    b.inGame = true;
    b.endCounted = false;
    b.lastTurn = TurnCount;
    b.lastDepth = Depth;
    b.framesSinceTurn = 0;
    b.report.games++;
    b.loadAfterRestart = false;
    b.report.sectorsVisited++;
    if (b.options.verbose) {
        std::fprintf(stderr, "soak: game %d: hero %d, difficulty %d, quest %d, turn %d, depth %d, hp %d/%d\n",
                     b.report.games, HeroId, GameVars[VarDifficulty], GameVars[VarScenario], TurnCount, Depth, MonHp[0],
                     MonMaxHp[0]);
    }
}

// Every kind the table counts, at 0 until a run meets it, so the table shows what was
// never reached: each quest's depths, the special sectors, the castle styles, the
// endings, the features, the characters by creature kind, the active skills and cooking.
void ListEveryKind(SoakReport& r) {
    const auto zero = [&](const std::string& name) { r.coverage.try_emplace(name, 0); };
    for (const char* quest : QuestNames) {
        for (int depth = 0; depth <= 29; ++depth)
            zero(std::string("visit ") + quest + "-depth-" + std::to_string(depth));
        zero(std::string("ending ") + quest + "-victory");
        zero(std::string("ending ") + quest + "-death");
    }
    for (const char* special :
         {"fairy-garden", "crypt", "temple", "healers-hut", "flower-island", "chaos-lair", "throne-hall"})
        zero(std::string("special ") + special);
    for (int style = 7; style <= 10; ++style) zero("castle-style " + std::to_string(style));
    for (const char* feature : Features) zero(std::string("feature ") + feature);
    for (int kind = KindHero + 1; kind <= KindLast; ++kind)
        if (FindCharacter(kind) != nullptr) zero("talk-kind " + std::to_string(kind));
    // The skills that cost magic are the ones used on purpose; the others act by themselves.
    for (int id = 1; id <= SkillIdCount; ++id)
        if (SkillMpCost(id) > 0) zero("skill-used " + std::to_string(id));
    zero("dishes-cooked");
}

// Counts what the last frame opened or paid, from the tables before and after it.
void CountDoings(Bot& b) {
    SoakReport& r = b.report;
    if (DialogueState != b.lastDialogue && b.lastDialogue == DialogueNone) {
        if (DialogueState == DialogueCookingPot) {
            r.pots++;
        } else if (DialogueState >= DialogueCharacter) {
            r.talks++;
        } else {
            r.features++;
        }
        if (DialogueState >= DialogueCharacter) {
            const int s = DialogueCreature;
            Cover(b,
                  "talk " + Word(s > 0 && s < MonSlots ? MonName[s] : "kind-" + std::to_string(DialogueState - 100)));
            Cover(b, "talk-kind " + std::to_string(DialogueState - DialogueCharacter));
        } else if (DialogueState > 0 && DialogueState <= static_cast<int>(std::size(Features))) {
            Cover(b, std::string("feature ") + Features[DialogueState - 1]);
        }
    }
    // Dishes: one more in the satchel while a pot is open is one cooked.
    int dishes = 0;
    for (int i = 0; i < InvSlots; ++i)
        if (InvKind[i] >= DishFirstId) dishes += InvCount[i];
    if (DialogueState == DialogueCookingPot && b.lastDialogue == DialogueCookingPot && dishes > b.dishesHeld) {
        for (int i = 0; i < InvSlots; ++i)
            if (InvKind[i] >= DishFirstId) Cover(b, "dish-in-satchel " + std::to_string(InvKind[i]));
        Cover(b, "dishes-cooked");
    }
    b.dishesHeld = dishes;
    // Skills: aimed when the target shows, used when the magic is paid.
    if (UiMode == UiAiming && b.lastUiMode != UiAiming && ActiveSkillSlot >= 0 && ActiveSkillSlot < SkillSlots) {
        b.aimedSkill = SkillId[ActiveSkillSlot];
        Cover(b, "skill-aimed " + std::to_string(b.aimedSkill));
    }
    if (b.lastUiMode == UiAiming && MonMp[0] < b.lastMp && b.aimedSkill > 0) {
        Cover(b, "skill-used " + std::to_string(b.aimedSkill));
    }
    b.lastMp = MonMp[0];
    if (UiMode != b.lastUiMode && UiMode == UiAiming) r.skillsAimed++;
    if (UiMode != b.lastUiMode && UiMode == UiInventory) r.inventoryOpened++;
    if (DialogueState >= DialogueCharacter && b.lastDialogue == DialogueState && Bits != b.lastBits) {
        (Bits < b.lastBits ? r.purchases : r.sales)++;
    }
    b.lastDialogue = DialogueState;
    b.lastUiMode = UiMode;
    b.lastBits = Bits;
}

void WatchGame(Bot& b) {
    CountDoings(b);
    if (TurnCount != b.lastTurn) {
        if (TurnCount > b.lastTurn) {
            b.report.turns += TurnCount - b.lastTurn;
            b.turnsSinceCheck += TurnCount - b.lastTurn;
        }
        b.lastTurn = TurnCount;
        b.framesSinceTurn = 0;
    } else {
        b.framesSinceTurn++;
    }
    if (Depth != b.lastDepth) {
        b.lastDepth = Depth;
        b.report.sectorsVisited++;
        CoverSector(b);
    }
    if (GameOver == 1 && !b.endCounted) {
        b.endCounted = true;
        (GameWon == 1 ? b.report.wins : b.report.deaths)++;
        const std::string quest = QuestName(GameVars[VarScenario]);
        if (GameWon == 1) {
            Cover(b, "ending " + quest + "-victory");
            b.run.won = true;
            EndRun(b, true);
        } else {
            // The cause without the hero's name: " was killed by SNAPPER", " drowned!".
            std::string cause = DeathMessage;
            if (cause.rfind(MonName[0], 0) == 0) cause = cause.substr(MonName[0].size());
            Cover(b, "ending " + quest + "-death");
            // "death-was-killed-by-SNAPPER", "death-drowned!": what fells the player most.
            const std::size_t start = cause.find_first_not_of(' ');
            Cover(b, "death-" + Word(start == std::string::npos ? "" : cause.substr(start)));
            b.run.deaths++;
            b.run.deathsAtDeepest++;
            if (b.loadedTurn >= 0) b.sameSaveDeaths++;
            PlayerDied(b.mind);
            b.run.cause = cause;
            if (GameVars[VarDifficulty] > 0) {
                EndRun(b, true);
            } else if (b.run.deaths >= b.options.easyDeathsPerRun || b.sameSaveDeaths >= 10 ||
                       b.run.deathsAtDeepest >= 25) {
                // Ten falls from the same save, or twenty-five without going deeper than
                // before (saves made and lost one after another): a player begins anew.
                EndRun(b, false);
            } else {
                b.easyContinue = !b.options.wander;
            }
        }
        if (b.options.verbose) {
            int food = 0;
            for (int i = 0; i < InvSlots; ++i)
                if (InvKind[i] > 0 && ItemCategory(InvKind[i]) == CategoryFood) food += InvCount[i];
            std::fprintf(stderr, "soak: game %d %s at turn %d, depth %d, level %d, max hp %d, food %d, bits %d:%s\n",
                         b.report.games, GameWon == 1 ? "won" : "lost", TurnCount, Depth, MonLevel[0], MonMaxHp[0],
                         food, Bits, DeathMessage.c_str());
        }
    }
}

// A deep start, made only of the game's own routines on a real new game: level-ups by the
// turn loop (the experience they need is granted, one level a frame), then the game's
// sector change one sector deeper a frame, as the ways on would take the hero, so every
// sector is made from the ones before it as in play; at the chosen depth a kit for it
// is put on the ground under the hero as the generator puts equipment and food, for the
// player to grab and wear by keys. Nothing in the game leads here.
bool DeepStartStep(Bot& b) {
    const int target = b.deepTarget;
    const int level = 6 + target / 2;
    if (MonLevel[0] < level) {
        if (MonXp[0] < XpNext) MonXp[0] = XpNext;
        return true;
    }
    if (Depth < target) {
        b.inSetup = true;
        ChangeSector(ChangeDeeper);
        b.inSetup = false;
        b.lastDepth = Depth;
        Cover(b,
              std::string("deep-start-walk ") + QuestName(GameVars[VarScenario]) + "-depth-" + std::to_string(Depth));
        if (Depth < target) return true;
    }
    const int tier = (Depth + 1) / 5;
    static const int Kit[] = {ItemHeadgear, ItemDress, ItemFootwear, ItemAccessory, ItemAccessory, ItemWeapon};
    for (int kind : Kit) PlaceGroundItem(MonX[0], MonY[0], kind, tier);
    for (int i = 0; i < 6; ++i) PlaceGroundItem(MonX[0], MonY[0], ItemApple, 0);
    b.run.startDepth = b.run.maxDepth = Depth;
    b.report.sectorsVisited++;
    if (b.options.stopAfterDeep) b.stop = true;
    Cover(b, std::string("deep-start ") + QuestName(GameVars[VarScenario]) + "-depth-" + std::to_string(Depth));
    CoverSector(b);
    b.deepTarget = -1;
    return true;
}

void BotKeys(Bot& b);

void BotFrame() {
    Bot& b = *Active;
    if (b.options.recordPath.empty() || b.inSetup) {
        BotKeys(b);
        return;
    }
    // On the victory screen the dump is taken before any key acts on it.
    std::string extra;
    if (!b.victoryDumped && ActiveScreen == ScreenVictory) {
        b.victoryDumped = true;
        extra = "dump $OUT/state.txt\nshot $OUT/victory.png\n";
        InputReset();
        b.texts.clear();
    } else {
        const bool stopping = b.stop;
        BotKeys(b);
        if (stopping || b.stop) return;  // the script's end presses the close button
    }
    RecordFrame(b, extra);
}

void BotKeys(Bot& b) {
    // The blank frame of a sector change the bot itself began: no keys, nothing counted.
    if (b.inSetup) {
        InputReset();
        b.texts.clear();
        return;
    }
    b.report.frames++;
    // A frame that is never shown again is a hang inside a turn: the watchdog ends it.
    alarm(120);
    const Screen screen = WhichScreen(b);
    InputReset();
    if (b.stop || b.closingForCheck || b.closingStuck) {
        InputClose();
        b.texts.clear();
        return;
    }
    if (screen != Screen::Title) b.titleChoice = -1;
    // A screen of its own starts its count of keys afresh.
    if (screen != b.lastScreen && screen != Screen::Game && screen != Screen::Other) b.menuActions = 0;
    b.lastScreen = screen;
    if (InGame == 1 && !b.inGame) StartOfGame(b);
    if (b.options.stopAfterWin && screen == Screen::Scores && b.report.wins > 0) b.stop = true;
    if (InGame != 1 && b.inGame) b.inGame = false;
    if (b.inGame) {
        WatchGame(b);
        if (!b.dumpBeforeClose.empty() && screen == Screen::Game) CompareAfterLoad(b);
        if (b.framesSinceTurn > b.options.frameBound && GameOver == 0) {
            b.report.stuckTurns++;
            Finding(b, "turn did not end",
                    "turn " + std::to_string(TurnCount) + " depth " + std::to_string(Depth) + " ui " +
                        std::to_string(UiMode) + " dialogue " + std::to_string(DialogueState) + " step " +
                        std::to_string(DialogueStep) + " after " + std::to_string(b.framesSinceTurn) +
                        " frames; the screen says:" + ScreenWords(b));
            b.closingStuck = true;
            InputClose();
            b.texts.clear();
            return;
        }
    }
    if (b.options.maxSeconds > 0 && b.report.frames % 256 == 0 &&
        std::chrono::duration<double>(std::chrono::steady_clock::now() - b.started).count() > b.options.maxSeconds)
        b.outOfTime = true;
    if (b.report.turns >= b.options.turns || b.outOfTime) {
        b.stop = true;
        InputClose();
        b.texts.clear();
        return;
    }
    // The player does not wait out the input delay: the frames in between only redraw.
    if (!b.options.waitDelay && InputDelay > 1) InputDelay = 1;
    if (InputDelay > 1) {
        b.texts.clear();
        return;
    }
    // The texts were drawn before the frame's keys acted: after a choice on the title or
    // in the wizard the next page is not drawn yet, so the bot lets go for a frame
    // instead of choosing again on a page it has not seen.
    if (b.letGo) {
        b.letGo = false;
        b.texts.clear();
        return;
    }
    const bool menu = screen == Screen::Title || screen == Screen::WizardHero || screen == Screen::WizardDifficulty ||
                      screen == Screen::WizardScenario;
    switch (screen) {
        case Screen::Title: {
            b.heroCursor = -1;
            if (b.titleChoice < 0) {
                // Load Game after a check; else a saved run (an easy game's fall) is
                // resumed now and then, and mostly a new game is started.
                const bool saved = FileSize("World/savedata.dat") != -1;
                const bool resume = b.options.wander ? Roll(b, 4) == 0 : b.easyContinue;
                b.titleChoice = saved && (b.loadAfterRestart || resume) ? 1 : 0;
            }
            b.choseNew = b.titleChoice == 0;
            MenuTo(MenuCursor, b.titleChoice);
            break;
        }
        case Screen::WizardHero: {
            if (b.heroCursor < 0) {
                // Every hero, difficulty and quest in turn, the hero changing fastest.
                b.heroCursor = 0;
                b.planHero = b.options.hero >= 1 ? b.options.hero - 1 : b.nextGame % 6;
                b.planDifficulty = b.options.difficulty >= 0 ? b.options.difficulty : (b.nextGame / 6) % 3;
                b.planQuest = b.options.quest >= 0 ? b.options.quest : (b.nextGame / 18) % 3;
                b.nextGame++;
            }
            if (b.heroCursor < b.planHero) {
                Press(KeyDown);
                b.heroCursor++;
            } else {
                Press(KeySpace);
            }
            break;
        }
        case Screen::WizardDifficulty: MenuTo(GameVars[VarDifficulty], b.planDifficulty); break;
        case Screen::WizardScenario: MenuTo(GameVars[VarScenario], b.planQuest); break;
        case Screen::SkillUpgrades:
            if (!b.options.wander && Roll(b, 100) >= b.options.wanderShare) {
                PlayerUpgradeKeys(b.mind);
                break;
            }
            b.menuActions++;
            if (b.menuActions > 6 + Roll(b, 6)) {
                Press(LetterKey('C'));
                Press(KeySpace);
                b.menuActions = 0;
            } else {
                // The cursor starts on "Done": up into the list first, then buy levels.
                if (b.menuActions <= 2) {
                    Press(KeyUp);
                } else {
                    Press(Roll(b, 3) ? KeySpace : (Roll(b, 2) ? KeyUp : KeyDown));
                }
            }
            break;
        case Screen::Recipes: Press(Roll(b, 3) ? Arrows[Roll(b, 4)] : LetterKey('C')); break;
        case Screen::History: Press(Roll(b, 3) ? Arrows[Roll(b, 4)] : LetterKey('C')); break;
        case Screen::Scores:
            if (Roll(b, 3) == 0)
                Press(Arrows[2 + Roll(b, 2)]);
            else
                Press(KeySpace);
            break;
        case Screen::Game: {
            // The winning player quits at a calm moment, as a player would: a run
            // saved in the middle of a lost fight is a death on every load after it.
            const bool calm = b.options.wander || PlayerCalm() || b.turnsSinceCheck >= 2 * b.options.checkEvery;
            // A frame shown while a turn is under way (TurnTaken still 1) is not the turn
            // loop's own: a sector change shows a blank frame before it moves the hero,
            // and a close seen only after it would save the sector ahead, not this dump.
            // A recorded game is one run of the program, so the check's close and fresh
            // start, which no headless script can replay, are left out of it.
            if (GameOver == 0 && b.options.recordPath.empty() && b.turnsSinceCheck >= b.options.checkEvery && calm &&
                DialogueState == DialogueNone && UiMode == UiMap && !LookCursorOpen() && TurnTaken == 0) {
                // Quit as a player would (the close button saves the run); the program
                // then starts again and the bot loads the game from the title.
                b.turnsSinceCheck = 0;
                // The bonuses are worked out afresh at the start of every frame, the
                // frame of the close as well; a status caught in this frame's turn (a
                // splash) is not in them yet.
                RecomputeBonuses();
                b.dumpBeforeClose = StateDumpText();
                b.closingForCheck = true;
                InputClose();
                break;
            }
            if (b.deepTarget >= 0 && GameOver == 0 && DialogueState == DialogueNone && UiMode == UiMap &&
                DeepStartStep(b))
                break;
            GameKeys(b);
            break;
        }
        case Screen::Other: Press(KeySpace); break;
    }
    if (menu && KeyHeld(KeySpace)) b.letGo = true;
    b.texts.clear();
}

void HearText(const std::string& text, int, int) {
    if (Active) Active->texts.push_back(text);
}

void Watchdog(int) {
    const char message[] = "hoofsoak: no frame for 120 s: a turn never ended\n";
    if (write(2, message, sizeof message - 1) < 0) _exit(4);
    _exit(4);
}

}  // namespace

SoakReport RunSoak(const SoakOptions& options, const std::string& root) {
    Bot bot;
    bot.options = options;
    bot.rng.seed(options.seed);
    bot.nextGame = static_cast<int>(options.seed % 54);
    Active = &bot;
    ListEveryKind(bot.report);
    const auto start = std::chrono::steady_clock::now();
    std::string error;
    if (!ChooseDataRoot(root, error)) {
        bot.report.findings.push_back("cannot use the data root: " + error);
        Active = nullptr;
        return bot.report;
    }
    signal(SIGALRM, Watchdog);
    for (int run = 0; !bot.stop; ++run) {
        PlatformOptions platform;
        platform.headless = true;
        // Each start of the program reads a new clock, and so new games get new seeds.
        platform.clockStart = static_cast<int>((options.seed * 7919u + static_cast<unsigned>(run) * 104729u) %
                                               100000000u);
        if (!StartPlatform(platform, error)) {
            bot.report.findings.push_back("cannot start headless: " + error);
            break;
        }
        InputReset();  // a script that is empty presses the close button at once
        SetFrameHook(BotFrame);
        SetTextWatcher(HearText);
        SetDumpWriter(WriteStateDump);
        if (run > 0) bot.report.restarts++;
        bot.loadAfterRestart = bot.closingForCheck || (run == 0 && options.loadFirst);
        bot.closingForCheck = bot.closingStuck = false;
        bot.inGame = false;
        bot.texts.clear();
        LaunchOptions launch;
        StartUp(launch);
        FinishProgram();
        SetFrameHook(nullptr);
        SetTextWatcher(nullptr);
    }
    if (!options.recordPath.empty()) {
        const std::string text = "# Recorded by hoofsoak: every key its player held, frame by frame.\nwait 1\n" +
                                 bot.script;
        std::ofstream(options.recordPath, std::ios::binary) << text;
    }
    EndRun(bot, false);
    bot.report.coverage["frames"] = bot.report.frames;
    bot.report.coverage["turns"] = bot.report.turns;
    alarm(0);
    signal(SIGALRM, SIG_DFL);
    bot.report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Active = nullptr;
    return bot.report;
}

std::string SoakReportText(const SoakReport& r) {
    std::ostringstream out;
    out << "turns played        " << r.turns << "\n"
        << "frames              " << r.frames << "\n"
        << "games               " << r.games << "\n"
        << "sectors visited     " << r.sectorsVisited << "\n"
        << "deaths              " << r.deaths << "\n"
        << "wins                " << r.wins << "\n"
        << "restarts            " << r.restarts << "\n"
        << "save/reload checks  " << r.checks << " done, " << r.checksFailed << " failed\n"
        << "turns that never ended " << r.stuckTurns << "\n"
        << "talks " << r.talks << ", features " << r.features << ", pots " << r.pots << ", purchases " << r.purchases
        << ", sales " << r.sales << ", skills aimed " << r.skillsAimed << ", inventory opened " << r.inventoryOpened
        << "\n"
        << "wall time           " << static_cast<long long>(r.seconds * 1000) / 1000.0 << " s\n";
    for (const std::string& f : r.findings) out << "finding: " << f << "\n";
    // One line per quest and difficulty played; the depth is the one the game shows.
    // Deep starts are summed apart: they are not games a player can begin.
    std::map<std::tuple<bool, int, int>, std::vector<const SoakRun*>> played;
    for (const SoakRun& run : r.runs) played[{run.deep, run.quest, run.difficulty}].push_back(&run);
    for (const auto& [key, runs] : played) {
        const auto [deepStarts, quest, difficulty] = key;
        std::vector<int> depths;
        int wins = 0, deaths = 0;
        for (const SoakRun* run : runs) {
            depths.push_back(run->maxDepth + 1);
            wins += run->won;
            deaths += run->deaths;
        }
        std::sort(depths.begin(), depths.end());
        out << (deepStarts ? "deep-start " : "") << "quest " << QuestName(quest) << " difficulty "
            << DifficultyName(difficulty) << ": games " << runs.size() << ", wins " << wins << ", median depth "
            << depths[depths.size() / 2] << "\n";
        out << "  deaths " << deaths << (wins > 0 ? ", deaths per win " + std::to_string(deaths / wins) : std::string())
            << "\n";
    }
    for (const SoakRun& run : r.runs) {
        out << "run quest " << QuestName(run.quest) << " difficulty " << DifficultyName(run.difficulty) << " hero "
            << run.hero << (run.deep ? " deep-start " + std::to_string(run.startDepth + 1) : std::string()) << ": "
            << (run.won     ? "won"
                : run.ended ? "lost"
                            : "unfinished")
            << " at depth " << run.maxDepth + 1 << ", deaths " << run.deaths
            << (run.cause.empty() ? "" : ", last:" + run.cause) << "\n";
    }
    out << "coverage\n";
    for (const auto& [name, count] : r.coverage) out << name << " " << count << "\n";
    return out.str();
}
