#include "startup/desktop_platform.h"

#include <SDL.h>

#include <cstdio>

namespace gs {

DesktopPlatform::DesktopPlatform(const std::string& runtimeFolder) : flag_(runtimeFolder + "gobbleshot1.running") {}

DesktopPlatform::~DesktopPlatform() {
  // Whatever ended the run, the flag does not outlive it.
  if (flagSet_) flag_.Set(false);
}

void DesktopPlatform::ShowPointer(bool show) {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void DesktopPlatform::SetSaverRunning(bool running) {
  flag_.Set(running);
  flagSet_ = running;
}

void DesktopPlatform::ShowErrorBox(const std::string& title, const std::string& text) {
  std::string plain;
  for (char c : text)
    if (c != '\r') plain += c;
  std::fprintf(stderr, "%s\n\n%s", title.c_str(), plain.c_str());
  std::fflush(stderr);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), plain.c_str(), nullptr);
}

}  // namespace gs
