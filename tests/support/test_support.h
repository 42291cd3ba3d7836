// Shared helpers of the test suites: temporary folders and running the game binary.
#pragma once
#include <map>
#include <string>
#include <tuple>
#include <vector>

// A fresh empty folder under /tmp, removed when the object goes away.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path;
};

struct RunResult {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Starts the headless target for an in-process test: keys from the script file
// `scriptPath` (none when empty), the fake clock from `clockStart` ms. Returns the
// reason when it cannot start, else an empty text.
std::string StartHeadless(const std::string& scriptPath, int clockStart = 0);

// Runs a binary of the build folder with the arguments; an empty `stdinText` gives none.
RunResult RunBinary(const std::string& name, const std::vector<std::string>& args);
// Runs the game headless in `root` with the script text; `extra` adds options.
RunResult RunHeadless(const std::string& root, const std::string& script, const std::vector<std::string>& extra = {});

std::string ReadTextFile(const std::string& path);
// Writes a file whole, making its folder when missing.
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// Where the game kept aside its file `gamePath` of the data root `root`: the same path
// inside the one dated folder under Damaged/; empty when nothing was kept aside.
std::string Aside(const std::string& root, const std::string& gamePath);
// A state dump as Name -> value.
std::map<std::string, std::string> ReadDump(const std::string& path);
// Little-endian ints, as the game's files hold them.
std::vector<unsigned char> IntBytes(const std::vector<int>& values);
// One high-score file: rows of (value, name, depth) from rank 0, padded to ten with empty rows.
std::vector<unsigned char> ScoreFile(const std::vector<std::tuple<int, std::string, int>>& rows);
