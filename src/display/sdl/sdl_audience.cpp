// SdlDisplay: noticing that nobody can see the show, and that someone can
// again.
#include <cstdio>
#include <cstdlib>

#include "display/sdl/sdl_display.h"
#include "platform/clock.h"

namespace gs {

namespace {
// Above every X id (29 bits), so that SDL's ids never meet one.
constexpr uint64_t kNoXidBase = uint64_t{1} << 32;
}  // namespace

int64_t SdlDisplay::RealUs() { return SystemClock().MonotonicUs(); }

void SdlDisplay::UpdateAudience() {
  // Wayland tells no covering, screen saver or monitor sleep: there the
  // windows count by SDL's own id, and only as hidden or minimised.
  for (const Window& w : windows_)
    if (w.xid != 0 || wayland_)
      audience_.SetWindowMapped(w.xid != 0 ? w.xid : kNoXidBase + SDL_GetWindowID(w.window),
                                (SDL_GetWindowFlags(w.window) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) == 0);
  audience_.Probe(RealUs());
  const bool seen = audience_.Seen();
  if (seen == seen_) return;
  seen_ = seen;
  if (seen) {
    // Whatever the windows showed meanwhile is not ours: all of it again.
    for (Window& w : windows_) w.needsFull = true;
    if (presented_ && wide_) presentPending_ = true;
  }
  if (events_) events_->SeenChanged(seen);
  // For the tests and the benchmarks: when the show stopped and went on, on
  // its own clock and on the one they read.
  if (std::getenv("GOBBLESHOT1_REST_PROBE")) {
    std::fprintf(stderr, "%s show-us %lld at-us %lld\n", seen ? "seen" : "unseen",
                 static_cast<long long>(clock_.MonotonicUs()), static_cast<long long>(RealUs()));
    shownProbePending_ = seen;
  }
}

}  // namespace gs
