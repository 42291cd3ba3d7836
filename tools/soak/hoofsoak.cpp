// hoofsoak: plays the game headless with a bot for a number of turns and reports what
// happened; status 1 when a save/reload check failed or a turn never ended.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "soak/soak.h"

namespace {

const char* const Usage =
    "usage: hoofsoak [--seed N] [--turns N] [--root DIR] [--check-every N] [--frame-bound N]\n"
    "                [--wait-delay] [--verbose] [--trace] [--wander] [--wander-share PCT] [--quest Q]\n"
    "                [--difficulty D] [--hero H] [--deep-share PCT] [--deep-depth D] [--deep-in-turn] [--easy-deaths N] [--load-first]\n"
    "                [--stop-after-deep] [--stop-after-win] [--record SCRIPT] [--max-seconds S]\n";

bool NumberArg(const std::string& text, long long low, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && value >= low;
}

}  // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    std::string root = "soak-root";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long long n = 0;
        if (arg == "--seed" && hasValue && NumberArg(argv[i + 1], 0, n)) {
            options.seed = static_cast<unsigned>(n);
            ++i;
        } else if (arg == "--turns" && hasValue && NumberArg(argv[i + 1], 1, n)) {
            options.turns = n;
            ++i;
        } else if (arg == "--check-every" && hasValue && NumberArg(argv[i + 1], 1, n)) {
            options.checkEvery = static_cast<int>(n);
            ++i;
        } else if (arg == "--frame-bound" && hasValue && NumberArg(argv[i + 1], 10, n)) {
            options.frameBound = static_cast<int>(n);
            ++i;
        } else if (arg == "--wander-share" && hasValue && NumberArg(argv[i + 1], 0, n) && n <= 100) {
            options.wanderShare = static_cast<int>(n);
            ++i;
        } else if (arg == "--deep-share" && hasValue && NumberArg(argv[i + 1], 0, n) && n <= 100) {
            options.deepShare = static_cast<int>(n);
            ++i;
        } else if (arg == "--deep-depth" && hasValue && NumberArg(argv[i + 1], 1, n) && n <= 29) {
            options.deepDepth = static_cast<int>(n);
            ++i;
        } else if (arg == "--deep-in-turn") {
            options.deepInTurn = true;
        } else if (arg == "--quest" && hasValue && NumberArg(argv[i + 1], 0, n) && n <= 2) {
            options.quest = static_cast<int>(n);
            ++i;
        } else if (arg == "--difficulty" && hasValue && NumberArg(argv[i + 1], 0, n) && n <= 2) {
            options.difficulty = static_cast<int>(n);
            ++i;
        } else if (arg == "--hero" && hasValue && NumberArg(argv[i + 1], 1, n) && n <= 6) {
            options.hero = static_cast<int>(n);
            ++i;
        } else if (arg == "--easy-deaths" && hasValue && NumberArg(argv[i + 1], 1, n) && n <= 100000) {
            options.easyDeathsPerRun = static_cast<int>(n);
            ++i;
        } else if (arg == "--record" && hasValue) {
            options.recordPath = argv[++i];
        } else if (arg == "--max-seconds" && hasValue && NumberArg(argv[i + 1], 1, n)) {
            options.maxSeconds = static_cast<double>(n);
            ++i;
        } else if (arg == "--load-first") {
            options.loadFirst = true;
        } else if (arg == "--stop-after-deep") {
            options.stopAfterDeep = true;
        } else if (arg == "--stop-after-win") {
            options.stopAfterWin = true;
        } else if (arg == "--wander") {
            options.wander = true;
        } else if (arg == "--root" && hasValue) {
            root = argv[++i];
        } else if (arg == "--wait-delay") {
            options.waitDelay = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else {
            std::fprintf(stderr, "hoofsoak: bad option %s\n%s", arg.c_str(), Usage);
            return 2;
        }
    }
    const SoakReport report = RunSoak(options, root);
    std::fputs(SoakReportText(report).c_str(), stdout);
    const bool failed = report.checksFailed > 0 || report.stuckTurns > 0 ||
                        (report.turns < options.turns && options.maxSeconds <= 0);
    return failed ? 1 : 0;
}
