// The headless target's script: one step per line, driving keys, pointer, close
// button, screenshots and state dumps frame by frame.
#pragma once
#include <string>
#include <vector>

struct ScriptStep {
    enum Kind { Wait, Hold, Release, Tap, Pointer, Shot, Dump, Close };
    Kind kind = Wait;
    int line = 0;           // line number in the script, for messages
    std::vector<int> keys;  // Hold, Release, Tap
    int frames = 0;         // Wait, Tap
    int x = 0;              // Pointer
    int y = 0;
    std::string file;  // Shot, Dump
};

// Parses a whole script; on the first line that cannot be read, false with
// "script line N: reason" in `error`.
bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error);
// The game's key code for a key name (case-insensitive), or -1.
int KeyCodeFromName(const std::string& name);

// Plays a parsed script against the shared input state. BeginScriptFrame is called
// once before every frame; it applies the steps that take effect at the start of that
// frame and says which captures the frame owes once it is drawn.
struct ScriptRunner {
    std::vector<ScriptStep> steps;
    size_t next = 0;
    int framesLeft = 0;             // frames still owed to the current wait or tap
    std::vector<int> releaseAfter;  // keys a tap lets go of when its frames are over
    bool closeSent = false;
    std::vector<std::string> shots;  // captures for the frame about to run
    std::vector<std::string> dumps;
};
void BeginScriptFrame(ScriptRunner& runner);
