#include "view/messagelog.h"

#include "core/state.h"

void PushMessage(const std::string& text) {
    for (int i = 1; i <= MessageLogNewest; ++i) MessageLog[i - 1] = MessageLog[i];
    MessageLog[MessageLogNewest] = text;
    ++MessagePushCount;
}
