#pragma once
#include <cstdint>
#include <functional>

#include "display/display.h"
#include "platform/event_loop.h"

namespace gs {

// Frame events a second: one fixed rate on every computer, whatever the
// monitor's refresh, so that the show keeps the same pace everywhere.
constexpr int64_t kFrameEventsPerSecond = 150;

// Adds the loop timer that raises Frame while isOpen() holds. The ticks the
// handler reports as quiet may run late (see EventLoop).
EventLoop::TimerId AddFrameTimer(EventLoop& loop, DisplayEvents& events, std::function<bool()> isOpen);

}  // namespace gs
