#include "core/messagelog.h"

#include "core/state.h"

namespace {

MessageListener Listener = nullptr;

// A ring: once full, the newest line takes the oldest one's place.
std::string History[HistoryCapacity];
int HistoryFirst = 0;
int HistoryHeld = 0;

void Remember(const std::string& text) {
    if (HistoryHeld < HistoryCapacity) {
        History[(HistoryFirst + HistoryHeld) % HistoryCapacity] = text;
        ++HistoryHeld;
        return;
    }
    History[HistoryFirst] = text;
    HistoryFirst = (HistoryFirst + 1) % HistoryCapacity;
}

}  // namespace

void SetMessageListener(MessageListener listener) { Listener = listener; }

void PushMessage(const std::string& text) {
    if (Listener) Listener(text);
    for (int i = 1; i <= MessageLogNewest; ++i) MessageLog[i - 1] = MessageLog[i];
    MessageLog[MessageLogNewest] = text;
    ++MessagePushCount;
    Remember(text);
}

int HistoryCount() { return HistoryHeld; }

const std::string& HistoryLine(int k) {
    static const std::string Nothing;
    if (k < 0 || k >= HistoryHeld) return Nothing;
    return History[(HistoryFirst + k) % HistoryCapacity];
}

void ClearHistory() {
    for (std::string& line : History) line.clear();
    HistoryFirst = 0;
    HistoryHeld = 0;
}
