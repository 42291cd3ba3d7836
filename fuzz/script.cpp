// A headless script: parsed as --script reads it, then played for a bounded number of
// frames against the input state, as the headless target does.
#include <cstdint>
#include <string>

#include "platform/input.h"
#include "platform/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ScriptRunner runner;
    std::string error;
    if (!ParseScript(text, runner.steps, error)) return 0;
    InputReset();
    // A wait or tap may owe millions of frames; a few hundred show how the steps chain.
    for (int frame = 0; frame < 512 && !runner.closeSent; ++frame) BeginScriptFrame(runner);
    return 0;
}
