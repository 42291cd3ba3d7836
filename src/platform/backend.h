// What the two targets share with the drawing code inside the platform layer.
#pragma once
#include <SDL.h>

// The renderer frames are drawn with, or null before the screen is opened.
SDL_Renderer* CurrentRenderer();
// Counts renderer replacements: a texture made for an older renderer died with it.
int RendererGeneration();
// Frees every picture (before the platform stops).
void ReleaseImages();
// Ends the frame's drawing: carries out what the frame drew, unless it repeats the
// picture already shown exactly. True when the picture changed.
bool FinishFrameDrawing();
// Drops every recorded frame: the renderer, its textures or the picture they were
// drawn into are gone or made anew, so the next frame is drawn whole.
void ForgetDrawnFrames();
