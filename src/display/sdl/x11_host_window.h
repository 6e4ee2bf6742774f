#pragma once
#include <SDL.h>

#include <cstdint>
#include <memory>

#include "display/sdl/x11_handles.h"

namespace gs {

// A window that a screen-saver host lends us to draw into. SDL adopts such a
// window without asking for its expose and structure events, so the show
// would never be redrawn after the host covers, unmaps or resizes it; and
// the host may destroy it at any moment, before or after it tells us to end,
// which must end the show quietly instead of in an X error.
class X11HostWindow {
 public:
  // Before SDL opens its X connection: SDL chains its own error handler to
  // the one it finds, and puts that back before it closes the connection,
  // so errors raised during SDL's own shutdown reach this one too. Made as
  // early as possible: from here on the window's end is heard on a
  // connection of its own, even if the server then gives its id to a
  // window of some other program.
  explicit X11HostWindow(unsigned long window);
  // The watch of window: the one that lives already, or a new one.
  static std::shared_ptr<X11HostWindow> For(unsigned long window);
  ~X11HostWindow();
  X11HostWindow(const X11HostWindow&) = delete;
  X11HostWindow& operator=(const X11HostWindow&) = delete;

  // After SDL adopted the window: asks for the events the redraw needs.
  void Watch(SDL_Window* adopted);

  // Some hosts paint their window's background themselves when it is
  // exposed, and may do so after our redraw: after an exposure the window
  // is drawn again a few times, a little later.
  void NoteExposed(int64_t nowUs);
  // Whether such a later redraw is due now (true once per redraw).
  bool RepaintDue(int64_t nowUs);
  // When the next such redraw is due (INT64_MAX if none), so that the
  // event loop wakes for it.
  int64_t NextRepaintUs() const;

  // Whether the event tells that the window was destroyed. Xlib's input
  // method may swallow that event, so an unmapped window is also asked
  // whether it still exists.
  bool IsGoneEvent(const SDL_Event& e) const;
  void CheckStillThere();
  // Whether the window is known to be gone (its destruction was seen, or
  // the server refused a request on it); GoneNow asks the server first.
  static bool Gone();
  static bool GoneNow();

 private:
  unsigned long window_;
  void* display_ = nullptr;  // SDL's X connection
  // Our own connection, watching the host's window from before SDL adopts
  // it: its destruction is heard here whenever it happens, even while SDL
  // is still starting, and even if the server has since handed its id to
  // someone else.
  UniqueXDisplay watch_;
  int64_t repaintAtUs_[3] = {0, 0, 0};
};

}  // namespace gs
