#include "support/test_support.h"

#include "platform/platform.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') {
            q += "'\\''";
        } else {
            q += c;
        }
    }
    return q + "'";
}

}  // namespace

TempFolder::TempFolder() {
    char pattern[] = "/tmp/hoofbound-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    path = made ? made : "/tmp";
}

TempFolder::~TempFolder() {
    if (path.rfind("/tmp/hoofbound-test-", 0) == 0) {
        const std::string cmd = "chmod -R u+w " + Quote(path) + " 2>/dev/null; rm -rf " + Quote(path);
        if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", path.c_str());
    }
}

std::string StartHeadless(const std::string& scriptPath, int clockStart) {
    PlatformOptions options;
    options.headless = true;
    options.scriptPath = scriptPath;
    options.clockStart = clockStart;
    std::string error;
    if (!StartPlatform(options, error) && error.empty()) error = "the headless target did not start";
    return error;
}

RunResult RunBinary(const std::string& name, const std::vector<std::string>& args) {
    TempFolder scratch;
    // A program that hangs fails its test (status 124) instead of stopping the suite.
    std::string cmd = "timeout 300 " + Quote(std::string(HOOF_BINARY_DIR) + "/" + name);
    for (const std::string& a : args) cmd.append(1, ' ').append(Quote(a));  // not `" " + ...`: GCC 12 warns falsely
    cmd += " </dev/null >" + Quote(scratch.path + "/out") + " 2>" + Quote(scratch.path + "/err");
    const int raw = std::system(cmd.c_str());
    RunResult r;
    r.status = (raw != -1 && WIFEXITED(raw)) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(scratch.path + "/out");
    r.err = Slurp(scratch.path + "/err");
    return r;
}

RunResult RunHeadless(const std::string& root, const std::string& script, const std::vector<std::string>& extra) {
    const std::string scriptPath = root + "/.test-script.txt";
    {
        std::ofstream out(scriptPath, std::ios::binary);
        out << script;
    }
    std::vector<std::string> args = {"--headless", "--root", root, "--script", scriptPath};
    args.insert(args.end(), extra.begin(), extra.end());
    RunResult r = RunBinary("hoofbound", args);
    std::remove(scriptPath.c_str());
    return r;
}

std::string ReadTextFile(const std::string& path) { return Slurp(path); }

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    // Fixtures may go into folders the game has not made yet (World/ before a first run).
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) {
        const std::string cmd = "mkdir -p " + Quote(path.substr(0, slash));
        if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "could not make the folder of %s\n", path.c_str());
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    const std::string s = Slurp(path);
    return std::vector<unsigned char>(s.begin(), s.end());
}

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::map<std::string, std::string> ReadDump(const std::string& path) {
    std::map<std::string, std::string> values;
    std::istringstream in(Slurp(path));
    std::string line;
    while (std::getline(in, line)) {
        const size_t space = line.find(' ');
        if (space == std::string::npos) continue;
        values[line.substr(0, space)] = line.substr(space + 1);
    }
    return values;
}

std::vector<unsigned char> IntBytes(const std::vector<int>& values) {
    std::vector<unsigned char> bytes;
    for (int v : values) {
        const unsigned u = static_cast<unsigned>(v);
        for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<unsigned char>(u >> (8 * k)));
    }
    return bytes;
}

std::vector<unsigned char> ScoreFile(const std::vector<std::tuple<int, std::string, int>>& rows) {
    std::vector<unsigned char> bytes;
    for (int r = 0; r < 10; ++r) {
        int value = 0, depth = 0;
        std::string name;
        if (r < static_cast<int>(rows.size())) std::tie(value, name, depth) = rows[static_cast<size_t>(r)];
        const auto head = IntBytes({value, static_cast<int>(name.size())});
        bytes.insert(bytes.end(), head.begin(), head.end());
        bytes.insert(bytes.end(), name.begin(), name.end());
        const auto tail = IntBytes({depth});
        bytes.insert(bytes.end(), tail.begin(), tail.end());
    }
    return bytes;
}

std::string Aside(const std::string& root, const std::string& gamePath) {
    std::string stamp;
    if (DIR* dir = opendir((root + "/Damaged").c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && name > stamp) stamp = name;
        }
        closedir(dir);
    }
    return stamp.empty() ? std::string() : root + "/Damaged/" + stamp + "/" + gamePath;
}
