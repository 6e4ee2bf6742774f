#include "display/frame_events.h"

#include <climits>

namespace gs {

EventLoop::TimerId AddFrameTimer(EventLoop& loop, DisplayEvents& events, std::function<bool()> isOpen) {
  return loop.AddTimer(
      1000000, kFrameEventsPerSecond,
      [&events, isOpen] {
        if (isOpen()) events.Frame();
      },
      [&events, isOpen] { return isOpen() ? events.QuietFramesAhead() : INT64_MAX; });
}

}  // namespace gs
