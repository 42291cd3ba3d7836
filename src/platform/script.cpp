#include "platform/script.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <sstream>

#include "platform/input.h"
#include "platform/platform.h"

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool ParseCount(const std::string& word, int low, int high, int& out) {
    if (word.empty() || word.size() > 10) return false;
    size_t i = word[0] == '-' ? 1 : 0;
    if (i == word.size()) return false;
    for (; i < word.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(word[i]))) return false;
    }
    const long long v = std::strtoll(word.c_str(), nullptr, 10);
    if (v < low || v > high) return false;
    out = static_cast<int>(v);
    return true;
}

bool Fail(std::string& error, int line, const std::string& reason) {
    error = "script line " + std::to_string(line) + ": " + reason;
    return false;
}

// Reads the key names of a hold, release or tap step.
bool ParseKeys(const std::vector<std::string>& words, size_t from, size_t to, ScriptStep& step, std::string& error) {
    for (size_t k = from; k < to; ++k) {
        const int code = KeyCodeFromName(words[k]);
        if (code < 0) return Fail(error, step.line, "unknown key '" + words[k] + "'");
        step.keys.push_back(code);
    }
    return true;
}

}  // namespace

int KeyCodeFromName(const std::string& name) {
    static const struct {
        const char* name;
        int code;
    } Named[] = {
        {"left", KeyLeft},     {"right", KeyRight}, {"up", KeyUp},   {"down", KeyDown},
        {"space", KeySpace},   {"enter", KeyEnter}, {"esc", KeyEsc}, {"lshift", KeyLShift},
        {"rshift", KeyRShift}, {"f11", KeyF11},     {"f12", KeyF12},
    };
    const std::string lower = Lower(name);
    for (const auto& n : Named) {
        if (lower == n.name) return n.code;
    }
    if (lower.size() == 1) {
        const char c = lower[0];
        if (c >= 'a' && c <= 'z') return KeyA + (c - 'a');
        if (c >= '1' && c <= '9') return KeyDigit1 + (c - '1');
    }
    return -1;
}

bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error) {
    steps.clear();
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        const size_t hash = raw.find('#');
        if (hash != std::string::npos) raw.erase(hash);
        std::istringstream words(raw);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;

        ScriptStep step;
        step.line = lineNo;
        const std::string verb = Lower(w[0]);
        if (verb == "wait") {
            step.kind = ScriptStep::Wait;
            if (w.size() != 2 || !ParseCount(w[1], 0, 10000000, step.frames))
                return Fail(error, lineNo, "wait takes one number of frames (0 to 10000000)");
        } else if (verb == "hold" || verb == "release") {
            step.kind = verb == "hold" ? ScriptStep::Hold : ScriptStep::Release;
            if (w.size() < 2) return Fail(error, lineNo, verb + " needs at least one key");
            if (!ParseKeys(w, 1, w.size(), step, error)) return false;
        } else if (verb == "tap") {
            step.kind = ScriptStep::Tap;
            step.frames = 1;
            if (w.size() < 2 || w.size() > 3)
                return Fail(error, lineNo, "tap takes a key and an optional number of frames");
            if (!ParseKeys(w, 1, 2, step, error)) return false;
            if (w.size() == 3 && !ParseCount(w[2], 1, 10000000, step.frames))
                return Fail(error, lineNo, "tap's frame count must be a number from 1 to 10000000");
        } else if (verb == "pointer") {
            step.kind = ScriptStep::Pointer;
            if (w.size() != 3 || !ParseCount(w[1], -100000, 100000, step.x) ||
                !ParseCount(w[2], -100000, 100000, step.y))
                return Fail(error, lineNo, "pointer takes two whole numbers X Y");
        } else if (verb == "shot" || verb == "dump") {
            step.kind = verb == "shot" ? ScriptStep::Shot : ScriptStep::Dump;
            if (w.size() != 2) return Fail(error, lineNo, verb + " takes one file name (without spaces)");
            step.file = w[1];
        } else if (verb == "close") {
            step.kind = ScriptStep::Close;
            if (w.size() != 1) return Fail(error, lineNo, "close takes nothing after it");
        } else {
            return Fail(error, lineNo, "unknown step '" + w[0] + "'");
        }
        steps.push_back(step);
    }
    return true;
}

void BeginScriptFrame(ScriptRunner& runner) {
    runner.shots.clear();
    runner.dumps.clear();
    for (;;) {
        if (runner.framesLeft > 0) {
            runner.framesLeft--;
            return;
        }
        for (int code : runner.releaseAfter) InputRelease(code);
        runner.releaseAfter.clear();
        if (runner.next >= runner.steps.size()) {
            // A finished script presses the close button once.
            if (!runner.closeSent) InputClose();
            runner.closeSent = true;
            return;
        }
        const ScriptStep& step = runner.steps[runner.next++];
        switch (step.kind) {
            case ScriptStep::Wait: runner.framesLeft = step.frames; break;
            case ScriptStep::Hold:
                for (int code : step.keys) InputPress(code);
                break;
            case ScriptStep::Release:
                for (int code : step.keys) InputRelease(code);
                break;
            case ScriptStep::Tap:
                for (int code : step.keys) InputPress(code);
                runner.releaseAfter = step.keys;
                runner.framesLeft = step.frames;
                break;
            case ScriptStep::Pointer: InputPointer(step.x, step.y); break;
            case ScriptStep::Close: InputClose(); break;
            case ScriptStep::Shot:
            case ScriptStep::Dump:
                // Shots and dumps written one after another all capture the same frame.
                (step.kind == ScriptStep::Shot ? runner.shots : runner.dumps).push_back(step.file);
                while (runner.next < runner.steps.size() && (runner.steps[runner.next].kind == ScriptStep::Shot ||
                                                             runner.steps[runner.next].kind == ScriptStep::Dump)) {
                    const ScriptStep& more = runner.steps[runner.next++];
                    (more.kind == ScriptStep::Shot ? runner.shots : runner.dumps).push_back(more.file);
                }
                runner.framesLeft = 1;
                break;
        }
    }
}
