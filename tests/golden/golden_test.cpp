// Golden outputs: what hoofprobe prints and what scripted headless games leave behind,
// committed under tests/golden/expected and compared byte for byte. The generator's
// sequence is part of the game, so a draw that moves anywhere (generation, items,
// recipes, a turn of play) shows up here even when every other test still passes.
//
// The cases are listed in tests/golden/cases.txt. scripts/update-golden.sh writes the
// fixtures anew from the program as it is; do that only when the game was meant to
// change, and say why in the commit.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

const std::string GoldenDir = std::string(HOOF_SOURCE_DIR) + "/tests/golden";

struct GoldenCase {
    std::string kind;    // "probe" or "game"
    std::string name;    // the fixture (probe) or the fixtures' prefix (game)
    std::string script;  // game: the script in games/
    std::vector<std::string> args;
};

std::vector<GoldenCase> ReadCases() {
    std::vector<GoldenCase> cases;
    std::ifstream in(GoldenDir + "/cases.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        GoldenCase c;
        words >> c.kind >> c.name;
        if (c.kind == "game") words >> c.script;
        for (std::string w; words >> w;) c.args.push_back(w);
        cases.push_back(c);
    }
    return cases;
}

// Names the case in test output instead of dumping its bytes.
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.kind << " " << c.name; }

bool Updating() {
    const char* v = std::getenv("HOOF_GOLDEN_UPDATE");
    return v != nullptr && std::string(v) == "1";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines that differ, with their numbers: line by line when both sides have as many
// lines, else everything between the common start and the common end; at most 15 of each.
std::string ReadableDiff(const std::string& expected, const std::string& actual) {
    const std::vector<std::string> a = Lines(expected);
    const std::vector<std::string> b = Lines(actual);
    size_t start = 0;
    while (start < a.size() && start < b.size() && a[start] == b[start]) ++start;
    size_t endA = a.size();
    size_t endB = b.size();
    while (endA > start && endB > start && a[endA - 1] == b[endB - 1]) {
        --endA;
        --endB;
    }
    std::ostringstream out;
    constexpr size_t Shown = 15;
    if (endA - start == endB - start) {
        // Same length: the lines that changed, each with what it became.
        size_t differing = 0;
        for (size_t i = start; i < endA; ++i) differing += a[i] != b[i];
        out << differing << " of " << a.size() << " lines differ:\n";
        size_t shown = 0;
        for (size_t i = start; i < endA && shown < Shown; ++i) {
            if (a[i] == b[i]) continue;
            out << "-" << i + 1 << ": " << a[i] << "\n+" << i + 1 << ": " << b[i] << "\n";
            ++shown;
        }
        if (differing > Shown) out << "...\n";
        return out.str();
    }
    out << "first difference at line " << start + 1 << " (" << endA - start << " expected lines, " << endB - start
        << " actual lines differ):\n";
    for (size_t i = start; i < endA && i < start + Shown; ++i) out << "-" << i + 1 << ": " << a[i] << "\n";
    if (endA - start > Shown) out << "-...\n";
    for (size_t i = start; i < endB && i < start + Shown; ++i) out << "+" << i + 1 << ": " << b[i] << "\n";
    if (endB - start > Shown) out << "+...\n";
    return out.str();
}

// A game file as text, so a changed value shows as a changed line: the little-endian
// ints ten to a line, each line led by the index of its first int.
std::string IntListing(const std::vector<unsigned char>& bytes) {
    std::ostringstream out;
    out << "# " << bytes.size() << " bytes\n";
    const size_t ints = bytes.size() / 4;
    for (size_t i = 0; i < ints; ++i) {
        const unsigned v = bytes[4 * i] | bytes[4 * i + 1] << 8 | bytes[4 * i + 2] << 16 |
                           unsigned(bytes[4 * i + 3]) << 24;
        if (i % 10 == 0) out << (i == 0 ? "" : "\n") << i << ":";
        out << " " << static_cast<int>(v);
    }
    out << "\n";
    for (size_t i = ints * 4; i < bytes.size(); ++i) out << "tail byte " << int(bytes[i]) << "\n";
    return out.str();
}

// Compares one output with its fixture, or writes the fixture when updating.
void Check(const std::string& fixture, const std::string& actual) {
    const std::string path = GoldenDir + "/expected/" + fixture;
    if (Updating()) {
        std::ofstream out(path, std::ios::binary);
        out << actual;
        ASSERT_TRUE(out.good()) << "could not write " << path;
        std::printf("wrote %s\n", path.c_str());
        return;
    }
    ASSERT_TRUE(Exists(path)) << "missing fixture " << path << " (scripts/update-golden.sh makes it)";
    const std::string expected = ReadTextFile(path);
    EXPECT_TRUE(expected == actual) << fixture << " differs from the program's output; "
                                    << ReadableDiff(expected, actual);
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..") names.push_back(n);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, MatchesTheProgram) {
    const GoldenCase& c = GetParam();
    if (c.kind == "probe") {
        const RunResult r = RunBinary("hoofprobe", c.args);
        // A sector whose search ran out exits 3 after printing "failed <search>" and the
        // sector as it stood: the game makes such a sector again, so it is pinned too.
        ASSERT_TRUE(r.status == 0 || (r.status == 3 && r.out.rfind("failed ", 0) == 0)) << r.status << r.err;
        Check(c.name, r.out);
        return;
    }
    ASSERT_EQ(c.kind, "game") << "cases.txt: unknown kind";
    TempFolder root;
    std::string script = ReadTextFile(GoldenDir + "/games/" + c.script);
    ASSERT_FALSE(script.empty()) << "missing script " << c.script;
    for (size_t at; (at = script.find("$OUT")) != std::string::npos;) script.replace(at, 4, root.path);
    // A game that starts from a save finds it in games/NAME.World, copied into World/.
    const std::string save = GoldenDir + "/games/" + c.name + ".World";
    for (const std::string& f : FilesIn(save)) {
        mkdir((root.path + "/World").c_str(), 0755);
        WriteBytes(root.path + "/World/" + f, ReadBytes(save + "/" + f));
    }
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--clock", "0"});
    const RunResult r = RunHeadless(root.path, script, args);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(Exists(root.path + "/state.txt")) << "the script wrote no dump; did the hero die on the way?";
    const std::string dump = ReadTextFile(root.path + "/state.txt");
    Check(c.name + ".dump.txt", dump);
    const std::vector<std::string> files = FilesIn(root.path + "/World");
    // A won game is scored: the save folder is emptied and the quest's score table
    // written, and that table is pinned instead.
    const bool won = dump.find("\nGameWon 1\n") != std::string::npos;
    EXPECT_TRUE(!files.empty() || won) << "the game saved nothing";
    if (won) {
        int tables = 0;
        for (const std::string& f : FilesIn(root.path)) {
            if (f.rfind("Highscores", 0) != 0) continue;
            ++tables;
            Check(c.name + "." + f + ".txt", IntListing(ReadBytes(root.path + "/" + f)));
        }
        EXPECT_EQ(tables, 1) << "a won game writes its quest's score table";
    }
    std::vector<std::string> made;
    for (const std::string& f : files) {
        made.push_back(c.name + ".World." + f + ".txt");
        Check(made.back(), IntListing(ReadBytes(root.path + "/World/" + f)));
    }
    if (Updating()) return;
    // A file the game no longer writes would otherwise go unnoticed.
    for (const std::string& f : FilesIn(GoldenDir + "/expected")) {
        if (f.rfind(c.name + ".World.", 0) != 0) continue;
        EXPECT_NE(std::find(made.begin(), made.end(), f), made.end())
            << "the game no longer writes what " << f << " holds";
    }
}

std::string CaseName(const testing::TestParamInfo<GoldenCase>& info) {
    std::string n = info.param.name;
    if (n.size() > 4 && n.substr(n.size() - 4) == ".txt") n.resize(n.size() - 4);
    for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Golden, testing::ValuesIn(ReadCases()), CaseName);

// A fixture no case makes would never be compared again.
TEST(GoldenFixtures, EveryFixtureBelongsToACase) {
    const std::vector<GoldenCase> cases = ReadCases();
    for (const std::string& f : FilesIn(GoldenDir + "/expected")) {
        bool made = false;
        for (const GoldenCase& c : cases)
            made = made || (c.kind == "probe" ? f == c.name : f.rfind(c.name + ".", 0) == 0);
        EXPECT_TRUE(made) << f << " is in expected/ but no case in cases.txt makes it";
    }
}

}  // namespace
