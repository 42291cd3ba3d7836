#include "core/cmdline.h"

#include "core/convert.h"

const char* UsageText() {
    return "usage: hoofbound [options]\n"
           "  --help           show this help and exit\n"
           "  --version        print the game's name and version and exit\n"
           "  --headless       run without a window, drawing into memory, keys from --script\n"
           "  --script FILE    the steps that play a headless game (see the README)\n"
           "  --root DIR       keep World/ and the global files in DIR instead of beside the program\n"
           "  --seed N         every new game uses world seed N instead of the clock\n"
           "  --clock MS       headless: the fake clock starts at MS milliseconds (default 0)\n";
}

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error) {
    out = CommandLine();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = a + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string text;
        if (a == "--help" || a == "-h") {
            out.help = true;
        } else if (a == "--version") {
            out.version = true;
        } else if (a == "--headless") {
            out.headless = true;
        } else if (a == "--script") {
            if (!value(out.script)) return false;
        } else if (a == "--root") {
            if (!value(out.root)) return false;
        } else if (a == "--seed") {
            if (!value(text)) return false;
            if (!TextToInt(text, out.seed)) {
                error = "--seed needs a whole number from -2147483648 to 2147483647, not '" + text + "'";
                return false;
            }
            out.seedGiven = true;
        } else if (a == "--clock") {
            if (!value(text)) return false;
            if (!TextToInt(text, out.clock) || out.clock < 0) {
                error = "--clock needs a whole number of milliseconds from 0 to 2147483647, not '" + text + "'";
                return false;
            }
            out.clockGiven = true;
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
    }
    if (!out.script.empty() && !out.headless) {
        error = "--script plays a headless game; add --headless";
        return false;
    }
    if (out.clockGiven && !out.headless) {
        error = "--clock sets the headless game's fake clock; add --headless";
        return false;
    }
    return true;
}
