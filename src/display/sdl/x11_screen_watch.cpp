#include "display/sdl/x11_screen_watch.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <X11/extensions/scrnsaver.h>

namespace gs {

namespace {

::Display* XDisplayOf(SDL_Window* w, unsigned long* window = nullptr) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!w || !SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
  if (window) *window = info.info.x11.window;
  return info.info.x11.display;
}

}  // namespace

void X11ScreenWatch::Start(SDL_Window* any, Audience& audience) {
  ::Display* x = XDisplayOf(any);
  if (!x) return;
  display_ = x;
  int errorBase = 0, major = 0, minor = 0;
  // Querying also teaches Xlib this connection's screen-saver events.
  if (XScreenSaverQueryExtension(x, &saverEventBase_, &errorBase)) {
    saverEvents_ = true;
    XScreenSaverSelectInput(x, DefaultRootWindow(x), ScreenSaverNotifyMask);
    XScreenSaverInfo* info = XScreenSaverAllocInfo();
    if (info && XScreenSaverQueryInfo(x, DefaultRootWindow(x), info))
      audience.SetScreenSaverOn(info->state == ScreenSaverOn);
    if (info) XFree(info);
  }
  int eventBase = 0;
  dpms_ = DPMSQueryExtension(x, &eventBase, &errorBase) && DPMSGetVersion(x, &major, &minor) && DPMSCapable(x);
  XFlush(x);
  // The raw events come to the display as SDL's window-manager events.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

unsigned long X11ScreenWatch::Watch(SDL_Window* window) {
  unsigned long id = 0;
  ::Display* x = XDisplayOf(window, &id);
  if (!x || id == 0) return 0;
  // Event masks are per client: add ours to whatever SDL selected.
  XWindowAttributes a{};
  if (!XGetWindowAttributes(x, id, &a)) return 0;
  XSelectInput(x, id, a.your_event_mask | VisibilityChangeMask);
  XFlush(x);
  return id;
}

void X11ScreenWatch::Read(const SDL_Event& e, Audience& audience) const {
  if (e.type != SDL_SYSWMEVENT || !e.syswm.msg || e.syswm.msg->subsystem != SDL_SYSWM_X11) return;
  const XEvent& x = e.syswm.msg->msg.x11.event;
  if (x.type == VisibilityNotify) {
    audience.SetWindowCovered(x.xvisibility.window, x.xvisibility.state == VisibilityFullyObscured);
  } else if (saverEvents_ && x.type == saverEventBase_ + ScreenSaverNotify) {
    const auto& n = reinterpret_cast<const XScreenSaverNotifyEvent&>(x);
    // A cycle event means the saver is still on.
    audience.SetScreenSaverOn(n.state != ScreenSaverOff);
  }
}

void X11ScreenWatch::KeepScreenAwake() {
  if (!display_) return;
  auto* x = static_cast<::Display*>(display_);
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  // Suspending came with version 1.1 of the extension.
  if (!XScreenSaverQueryExtension(x, &eventBase, &errorBase) || !XScreenSaverQueryVersion(x, &major, &minor) ||
      (major == 1 && minor < 1) || major < 1)
    return;
  XScreenSaverSuspend(x, True);
  XFlush(x);
}

bool X11ScreenWatch::MonitorsAsleep() {
  if (!display_ || !dpms_) return false;
  CARD16 level = DPMSModeOn;
  BOOL enabled = False;
  if (!DPMSInfo(static_cast<::Display*>(display_), &level, &enabled)) return false;
  return enabled && level != DPMSModeOn;
}

}  // namespace gs
