#include "display/sdl/window_manager_probe.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace gs {

bool WindowManagerRunning(SDL_Window* w) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  ::Display* x = info.info.x11.display;
  Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == 0) return false;
  Atom type = 0;
  int format = 0;
  unsigned long n = 0, after = 0;
  unsigned char* data = nullptr;
  bool found = XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type, &format, &n, &after,
                                  &data) == Success &&
               type == XA_WINDOW && n == 1;
  if (data) XFree(data);
  return found;
}

}  // namespace gs
