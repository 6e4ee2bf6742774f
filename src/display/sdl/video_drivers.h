#pragma once
#include <string>
#include <vector>

namespace gs {

// The SDL video drivers to try, in order, for the show's own windows or a
// host's X11 window. A driver the user named in SDL_VIDEODRIVER is the only
// one. In a Wayland session the compositor's own protocol comes first: only
// there can a window be made full screen on a chosen output and keep the
// session from idling; X11 through Xwayland follows where there is an X
// display. A host's window is always an X11 window.
std::vector<std::string> VideoDriversToTry(const char* userChoice, const char* waylandDisplay,
                                           const char* x11Display, bool hostWindow);

}  // namespace gs
