#include "display/sdl/x11_host_window.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>

namespace gs {

namespace {

// Xlib keeps one error handler per process, so what it needs is global.
unsigned long g_host = 0;
bool g_gone = false;
XErrorHandler g_previous = nullptr;

// A request on the host's window after the host destroyed it is expected
// (a present, SDL showing the pointer or letting go of the window), and so
// is one on the windows the host put it in, which go with it (SDL looks at
// the parent when the window moves). We own no window here, so any missing
// window is one of those. Other errors go on to the handler before us,
// Xlib's own by default.
int OnXError(::Display* x, XErrorEvent* e) {
  if (g_host != 0 && (e->error_code == BadWindow || e->error_code == BadDrawable)) {
    if (e->resourceid == g_host) g_gone = true;
    return 0;
  }
  return g_previous ? g_previous(x, e) : 0;
}

}  // namespace

X11HostWindow::X11HostWindow(unsigned long window) : window_(window) {
  g_host = window;
  g_gone = false;
  g_previous = XSetErrorHandler(OnXError);
}

X11HostWindow::~X11HostWindow() {
  XSetErrorHandler(g_previous);
  g_previous = nullptr;
  g_host = 0;
}

void X11HostWindow::Watch(SDL_Window* adopted) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(adopted, &info) || info.subsystem != SDL_SYSWM_X11) return;
  ::Display* x = info.info.x11.display;
  display_ = x;
  // Event masks are per client: add ours to whatever SDL selected.
  XWindowAttributes a{};
  if (!XGetWindowAttributes(x, window_, &a)) return;
  XSelectInput(x, window_, a.your_event_mask | ExposureMask | StructureNotifyMask);
  XFlush(x);
  // SDL turns expose, map and resize into window events itself; only the
  // window's destruction has to be read from the raw event.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void X11HostWindow::NoteExposed(int64_t nowUs) {
  // Soon for a host that paints at once, later for a busy one.
  repaintAtUs_[0] = nowUs + 50000;
  repaintAtUs_[1] = nowUs + 250000;
  repaintAtUs_[2] = nowUs + 1000000;
}

bool X11HostWindow::RepaintDue(int64_t nowUs) {
  bool due = false;
  for (int64_t& at : repaintAtUs_)
    if (at != 0 && nowUs >= at) {
      at = 0;
      due = true;
    }
  return due;
}

int64_t X11HostWindow::NextRepaintUs() const {
  int64_t next = INT64_MAX;
  for (int64_t at : repaintAtUs_)
    if (at != 0) next = std::min(next, at);
  return next;
}

bool X11HostWindow::IsGoneEvent(const SDL_Event& e) const {
  if (e.type != SDL_SYSWMEVENT || !e.syswm.msg || e.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& x = e.syswm.msg->msg.x11.event;
  if (x.type != DestroyNotify || x.xdestroywindow.window != window_) return false;
  g_gone = true;
  return true;
}

void X11HostWindow::CheckStillThere() {
  if (!display_) return;
  XWindowAttributes a{};
  // A round trip: a refusal reaches the error handler before this returns.
  if (!XGetWindowAttributes(static_cast<::Display*>(display_), window_, &a)) g_gone = true;
}

bool X11HostWindow::Gone() { return g_gone; }

}  // namespace gs
