// The message log: the last lines the game said to the player, and a longer history of
// them for the player to scroll back through.
#pragma once
#include <string>

// Scrolls the log up by one line and puts `text` in the newest place (entry 7); the
// line also goes into the history.
void PushMessage(const std::string& text);

// Lets a tool hear every line pushed (hoofprobe prints them all, even past eight).
using MessageListener = void (*)(const std::string& text);
void SetMessageListener(MessageListener listener);

// ---- The history: every line pushed since the program started, the newest kept -----
constexpr int HistoryCapacity = 1000;
// Lines held, at most HistoryCapacity.
int HistoryCount();
// Line `k` of those held, 0 the oldest; an empty text outside 0..HistoryCount()-1.
const std::string& HistoryLine(int k);
// Forgets the history (tests).
void ClearHistory();
