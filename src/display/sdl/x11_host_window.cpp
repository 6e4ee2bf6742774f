#include "display/sdl/x11_host_window.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>

#include "display/sdl/x11_gone_window_messages.h"

namespace gs {

namespace {

// Xlib keeps one error handler per process, so what it needs is global.
unsigned long g_host = 0;
bool g_gone = false;
XErrorHandler g_previous = nullptr;
// The watch connection of the living X11HostWindow.
::Display* g_watch = nullptr;

// Reads what the watch connection heard; with sync, everything the server
// did up to now.
bool HeardGone(bool sync) {
  if (!g_watch || g_gone) return g_gone;
  if (sync) XSync(g_watch, False);
  while (!g_gone && XPending(g_watch) > 0) {
    XEvent e;
    XNextEvent(g_watch, &e);
    if (e.type == DestroyNotify && e.xdestroywindow.window == g_host) g_gone = true;
  }
  return g_gone;
}

// A request on the host's window after the host destroyed it is expected
// (a present, SDL showing the pointer or letting go of the window), and so
// is one on the windows the host put it in, which go with it (SDL looks at
// the parent when the window moves). We own no window here, so any missing
// window is one of those. So is any other error once the window is gone: a
// graphics context SDL made on it was never made, and freeing it fails.
// Other errors go on to the handler before us, Xlib's own by default.
int OnXError(::Display* x, XErrorEvent* e) {
  if (g_host != 0 && (e->error_code == BadWindow || e->error_code == BadDrawable)) {
    if (e->resourceid == g_host) g_gone = true;
    return 0;
  }
  if (g_host != 0 && x != g_watch && HeardGone(true)) return 0;
  return g_previous ? g_previous(x, e) : 0;
}

}  // namespace

X11HostWindow::X11HostWindow(unsigned long window) : window_(window) {
  IgnoreMessagesToGoneWindows();
  g_host = window;
  g_gone = false;
  g_previous = XSetErrorHandler(OnXError);
  watch_.reset(XOpenDisplay(nullptr));
  g_watch = watch_.get();
  if (!g_watch) return;
  // Asked for first, then looked at: a window destroyed in between is
  // either not found or heard of.
  XSelectInput(g_watch, window, StructureNotifyMask);
  XWindowAttributes a{};
  // A window nothing can be drawn into is no host's: the host's went, and
  // its id was handed to another program.
  if (!XGetWindowAttributes(g_watch, window, &a) || a.c_class == InputOnly) g_gone = true;
}

std::shared_ptr<X11HostWindow> X11HostWindow::For(unsigned long window) {
  // A process draws into one host's window at a time.
  static std::weak_ptr<X11HostWindow> living;
  std::shared_ptr<X11HostWindow> watch = living.lock();
  if (!watch || watch->window_ != window) {
    watch = std::make_shared<X11HostWindow>(window);
    living = watch;
  }
  return watch;
}

X11HostWindow::~X11HostWindow() {
  watch_.reset();
  g_watch = nullptr;
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

bool X11HostWindow::Gone() { return HeardGone(false); }

bool X11HostWindow::GoneNow() { return HeardGone(true); }

}  // namespace gs
