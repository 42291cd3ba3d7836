// The program's command line.
#pragma once
#include <string>
#include <vector>

struct CommandLine {
    bool help = false;
    bool version = false;
    bool headless = false;
    std::string script;
    std::string root;
    bool seedGiven = false;
    int seed = 0;
    bool clockGiven = false;
    int clock = 0;
};

// Reads the arguments after the program's name; false with a one-line reason.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error);
// The usage text printed by --help and after a bad argument.
const char* UsageText();
