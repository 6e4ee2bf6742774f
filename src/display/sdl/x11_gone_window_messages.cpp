#include "display/sdl/x11_gone_window_messages.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace gs {

namespace {

XErrorHandler g_before = nullptr;

int OnXError(::Display* x, XErrorEvent* e) {
  if (e->error_code == BadWindow && e->request_code == X_SendEvent) return 0;
  return g_before ? g_before(x, e) : 0;
}

}  // namespace

void IgnoreMessagesToGoneWindows() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  g_before = XSetErrorHandler(OnXError);
}

}  // namespace gs
