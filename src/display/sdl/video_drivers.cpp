#include "display/sdl/video_drivers.h"

namespace gs {

namespace {
bool Set(const char* v) { return v && *v; }
}  // namespace

std::vector<std::string> VideoDriversToTry(const char* userChoice, const char* waylandDisplay,
                                           const char* x11Display, bool hostWindow) {
  if (Set(userChoice)) return {userChoice};
  // Without an X display the X11 driver is still tried alone, so that its
  // failure ends the start as it always did; a console or offscreen driver
  // must not pretend to cover anything.
  if (hostWindow || !Set(waylandDisplay)) return {"x11"};
  if (Set(x11Display)) return {"wayland", "x11"};
  return {"wayland"};
}

}  // namespace gs
