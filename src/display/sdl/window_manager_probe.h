#pragma once
#include <SDL.h>

namespace gs {

// Whether a window manager runs on the window's screen: only one honours a
// full-screen request, and SDL waits for the answer to one.
bool WindowManagerRunning(SDL_Window* w);

}  // namespace gs
