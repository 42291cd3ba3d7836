#include "core/messagelog.h"

#include "core/state.h"

namespace {

MessageListener Listener = nullptr;

}  // namespace

void SetMessageListener(MessageListener listener) { Listener = listener; }

void PushMessage(const std::string& text) {
    if (Listener) Listener(text);
    for (int i = 1; i <= MessageLogNewest; ++i) MessageLog[i - 1] = MessageLog[i];
    MessageLog[MessageLogNewest] = text;
    ++MessagePushCount;
}
