// The message log: the last lines the game said to the player.
#pragma once
#include <string>

// Scrolls the log up by one line and puts `text` in the newest place (entry 7).
void PushMessage(const std::string& text);

// Lets a tool hear every line pushed (hoofprobe prints them all, even past eight).
using MessageListener = void (*)(const std::string& text);
void SetMessageListener(MessageListener listener);
