#include "persist/highscores.h"

#include <cstdio>
#include <vector>

#include "core/state.h"
#include "persist/datafile.h"
#include "platform/files.h"

namespace {

const char* const Files[HighScoreTables] = {"Highscores.dat", "Highscores2.dat", "Highscores3.dat"};

// Names are texts the game wrote itself; a length beyond this is damage, not a name.
constexpr int LongestName = 4096;

}  // namespace

const char* HighScoreFile(int table) { return (table >= 0 && table < HighScoreTables) ? Files[table] : Files[0]; }

void ReadHighScores() {
    for (int t = 0; t < HighScoreTables; ++t) {
        IntStream stream;
        if (ReadDataFile(Files[t], 120, 120 + HighScoreRanks * LongestName, stream) != DataRead) continue;
        // Read the whole table aside first, so a damaged file changes nothing.
        int value[HighScoreRanks];
        int depth[HighScoreRanks];
        std::string name[HighScoreRanks];
        bool damaged = false;
        for (int r = 0; r < HighScoreRanks && !damaged; ++r) {
            value[r] = ReadInt(stream);
            const int length = ReadInt(stream);
            if (length < 0 || length > LongestName) {
                damaged = true;
                break;
            }
            name[r] = ReadText(stream, length);
            depth[r] = ReadInt(stream);
            damaged = stream.overrun;
        }
        if (damaged || stream.pos != stream.bytes.size()) {
            SetDamagedFileAside(Files[t], std::to_string(stream.bytes.size()) + " bytes that do not make ten scores");
            continue;
        }
        for (int r = 0; r < HighScoreRanks; ++r) {
            HighScoreValue[r][t] = value[r];
            HighScoreName[r][t] = name[r];
            HighScoreDepth[r][t] = depth[r];
        }
    }
}

bool WriteHighScores(int table) {
    if (table < 0 || table >= HighScoreTables) return false;
    std::vector<uint8_t> bytes;
    for (int r = 0; r < HighScoreRanks; ++r) {
        WriteInt(bytes, HighScoreValue[r][table]);
        WriteInt(bytes, static_cast<int>(HighScoreName[r][table].size()));
        WriteText(bytes, HighScoreName[r][table]);
        WriteInt(bytes, HighScoreDepth[r][table]);
    }
    return WriteWholeFile(Files[table], bytes);
}

void DeleteHighScores() {
    for (int t = 0; t < HighScoreTables; ++t) {
        if (FileSize(Files[t]) != -1) DeleteFile(Files[t]);
        for (int r = 0; r < HighScoreRanks; ++r) {
            HighScoreValue[r][t] = 0;
            HighScoreName[r][t].clear();
            HighScoreDepth[r][t] = 0;
        }
    }
}
