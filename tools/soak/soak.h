// The soak: a bot that plays the real program headless, in this process, from the
// title through the wizard, the turn loop and the endings, feeding keys frame by frame
// and reading the game's tables to decide. Every thousand turns it saves the run,
// reloads it as a fresh start of the program would, and compares the state dumps.
#pragma once
#include <map>
#include <string>
#include <vector>

struct SoakOptions {
    unsigned seed = 1;        // the bot's own choices and the fake clock's start
    long long turns = 10000;  // turns to play before the bot closes the window
    int checkEvery = 1000;    // turns between two save/reload checks
    int frameBound = 2000;    // frames a turn may take before it counts as not ending
    bool waitDelay = false;   // wait the input delay out frame by frame instead of skipping it
    bool verbose = false;     // one line on stderr per game and per check
    bool trace = false;       // and one per turn of the winning player: the hero, the foes near him
    bool wander = false;      // the old wandering player alone, instead of the one that plays to win
    int wanderShare = 4;      // percent of the winning player's commands left to the wandering keys
    int deepShare = 0;        // percent of new games begun as deep starts (a soak-only test set-up)
    int deepDepth = -1;       // the depth of every deep start; -1: a depth drawn from 1..29
    bool deepInTurn = false;  // without deepDepth: each quest's deep starts take depths 1..29 in turn
    int easyDeathsPerRun = 30;  // on easy, deaths after which a run is given up
    int quest = -1;           // every new game on this quest; -1: the quests in turn
    int difficulty = -1;      // every new game on this difficulty; -1: the difficulties in turn
    int hero = -1;            // every new game with this hero (1..6); -1: the heroes in turn
    double maxSeconds = 0;    // above 0: the soak ends after this much wall time, whatever the turns
    bool loadFirst = false;   // the first start of the program loads the save already in the root
    bool stopAfterDeep = false;  // close the window (the run is saved) once a deep start is made
    bool stopAfterWin = false;   // close the window once a won game's score table shows
    std::string recordPath;   // write every key held, frame by frame, as a headless script
};

// One run from its new game to its end: a win, a death that ends it, or the soak's end.
struct SoakRun {
    int quest = 0, difficulty = 0, hero = 0;
    bool deep = false;     // begun as a deep start
    int startDepth = 0;
    int maxDepth = 0;
    int deaths = 0;        // deaths on the way (on easy the run goes on through Load Game)
    int deathsAtDeepest = 0;  // deaths since the run last went deeper than ever before
    bool won = false;
    bool ended = false;    // false: the soak ended first, or an easy run was given up
    std::string cause;     // how the last death came
};

struct SoakReport {
    long long turns = 0;
    long long frames = 0;
    int games = 0;           // games started from the title (new or loaded)
    int restarts = 0;        // times the program was started again after it ended
    int sectorsVisited = 0;  // sector changes the hero went through
    int deaths = 0;
    int wins = 0;
    int checks = 0;  // save/reload checks done
    int checksFailed = 0;
    int stuckTurns = 0;  // turns that did not end within the frame bound
    // What the bot got up to, to see that the soak reaches the game's corners.
    int talks = 0;        // conversations opened with characters and traders
    int features = 0;     // chests, books, wells, bells and the like opened
    int pots = 0;         // cooking pots opened
    int purchases = 0;    // bits paid while talking to a trader
    int sales = 0;        // bits received while talking to a trader
    int skillsAimed = 0;  // skills chosen (the target shown or the item asked for)
    int inventoryOpened = 0;
    double seconds = 0;
    std::vector<SoakRun> runs;
    // What the soak reached, `name count`: sectors by quest and depth, special sectors,
    // biomes and layouts, endings, talks, features, skills and dishes.
    std::map<std::string, long long> coverage;
    std::vector<std::string> findings;  // one line each, the first few of a kind
};

// Plays until `turns` turns have passed in `root` (made when missing); the data root is
// the program's for the whole soak.
SoakReport RunSoak(const SoakOptions& options, const std::string& root);
std::string SoakReportText(const SoakReport& report);
