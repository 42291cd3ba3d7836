// What the two targets share with the drawing code inside the platform layer.
#pragma once
#include <SDL.h>

// The renderer frames are drawn with, or null before the screen is opened.
SDL_Renderer* CurrentRenderer();
// Counts renderer replacements: a texture made for an older renderer died with it.
int RendererGeneration();
// Frees every picture (before the platform stops).
void ReleaseImages();
