// F12 in a game: the frame as it stands, saved as a PNG beside the saves.
#pragma once
#include <string>

// Saves the frame drawn so far as ScreenshotNNNN.png in the data root, numbered with the
// first number not yet taken, so none is ever overwritten; returns the line that says where
// it went, or why it could not be saved.
std::string TakeScreenshot();
