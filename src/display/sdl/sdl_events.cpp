// SdlDisplay: SDL events turned into the show's input and redraws.
#include "display/sdl/sdl_display.h"

#include <algorithm>

namespace gs {

void SdlDisplay::Poll(int64_t maxWaitUs) {
  SDL_Event e;
  if (!videoUp_) {
    if (maxWaitUs > 0) SDL_Delay(static_cast<Uint32>(maxWaitUs / 1000));
    return;
  }
  PresentIfDue();
  if (maxWaitUs > 0) {
    // Rounded up: waking a little early would only mean waking twice.
    if (SDL_WaitEventTimeout(&e, static_cast<int>(std::max<int64_t>(1, (maxWaitUs + 999) / 1000)))) Dispatch(e);
  }
  while (SDL_PollEvent(&e)) Dispatch(e);
  if (host_ && X11HostWindow::Gone() && options_.onQuit) options_.onQuit();
  if (host_ && host_->RepaintDue(clock_.MonotonicUs())) {
    for (Window& w : windows_) w.needsFull = true;
    if (presented_ && wide_) presentPending_ = true;
  }
  UpdateAudience();
  PresentIfDue();
}

void SdlDisplay::Dispatch(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      if (options_.onQuit) options_.onQuit();
      return;
    case SDL_SYSWMEVENT:
      watch_.Read(e, audience_);
      // The host destroyed its window: the show has nowhere to go.
      if (host_ && host_->IsGoneEvent(e) && options_.onQuit) options_.onQuit();
      return;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_EXPOSED ||
          e.window.event == SDL_WINDOWEVENT_SHOWN || e.window.event == SDL_WINDOWEVENT_RESTORED) {
        for (Window& w : windows_)
          if (SDL_GetWindowID(w.window) == e.window.windowID) w.needsFull = true;
        // Redrawn at the next refresh, not only with the next change.
        if (presented_ && wide_) presentPending_ = true;
        if (host_) host_->NoteExposed(clock_.MonotonicUs());
      }
      // A window destroyed while mapped is unmapped first.
      if (host_ && e.window.event == SDL_WINDOWEVENT_HIDDEN) host_->CheckStillThere();
      if (e.window.event == SDL_WINDOWEVENT_SHOWN || e.window.event == SDL_WINDOWEVENT_ENTER)
        inputQuietUntilUs_ = clock_.MonotonicUs() + kInputQuietUs;
      return;
    case SDL_DISPLAYEVENT:
      // A monitor plugged in while the show runs is covered too. On Wayland
      // an output unplugged takes its window along, and one that moved
      // meanwhile gets a window anew.
      if ((e.display.event == SDL_DISPLAYEVENT_CONNECTED ||
           (wayland_ && e.display.event == SDL_DISPLAYEVENT_DISCONNECTED)) &&
          !options_.hostWindow) {
        CoverEveryMonitor();
        if (wayland_) CloseWindowsOfGoneOutputs();
        WatchNewWindows();
        inputQuietUntilUs_ = clock_.MonotonicUs() + kInputQuietUs;
      }
      return;
    case SDL_KEYDOWN:
      if (!e.key.repeat && events_) events_->KeyDown(static_cast<int16_t>(e.key.keysym.scancode), 0);
      return;
    case SDL_FINGERDOWN:
      // A touch is a button press; SDL also makes a mouse press and
      // movement of it, which must not count a second time.
      if (events_) events_->MouseDown(1, 0, 0, 0);
      return;
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.which == SDL_TOUCH_MOUSEID) return;
      if (events_) events_->MouseDown(e.button.button, 0, e.button.x, e.button.y);
      return;
    case SDL_MOUSEMOTION:
      if (e.motion.which == SDL_TOUCH_MOUSEID) return;
      if (e.motion.xrel == 0 && e.motion.yrel == 0) return;
      if (clock_.MonotonicUs() < inputQuietUntilUs_) return;
      if (events_) events_->MouseMove(0, 0, e.motion.x, e.motion.y);
      return;
    default:
      return;
  }
}

}  // namespace gs
