#include "desktop/desktop_platform.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>

#include "desktop/install_folder.h"
#include "display/sdl/x11_handles.h"

extern char** environ;

namespace gs {
namespace {

bool XServerReachable() {
  return UniqueXDisplay(XOpenDisplay(nullptr)) != nullptr;
}

// Runs the settings dialog's program to show the box and waits for it;
// true when it was shown and closed.
bool ShowBoxThroughDialogProgram(const std::string& title, const std::string& text) {
  const std::string program = SetupProgramOfExecutable();
  const char* argv[] = {program.c_str(), "--error-box", title.c_str(), text.c_str(), nullptr};
  pid_t pid = 0;
  if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0)
    return false;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

DesktopPlatform::DesktopPlatform(const std::string& runtimeFolder, bool boxesOnScreen)
    : flag_(runtimeFolder + "gobbleshot1.running"), boxesOnScreen_(boxesOnScreen) {}

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
  if (!boxesOnScreen_ || !XServerReachable()) return;
  // SDL's own box needs zenity or the X core fonts, which a plain X server
  // lacks; Qt's comes with the desktop's fonts.
  if (ShowBoxThroughDialogProgram(title, plain)) return;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), plain.c_str(), nullptr);
}

}  // namespace gs
