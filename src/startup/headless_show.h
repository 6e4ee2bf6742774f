#pragma once
#include <string>

#include "display/sdl/sdl_display.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "scene_host/form1.h"
#include "settings/settings_store.h"
#include "startup/headless_platform.h"
#include "startup/silent_audio.h"

namespace gs {

// A show on the real display layer with no window and no sound, run by the
// caller's simulated clock: the renderer and the show benchmark build it the
// same way, so what one measures is what the other draws. The caller owns
// the clock so that its settings store may stamp saves with it; it calls
// form.Form_Load() when it is ready.
struct HeadlessShow {
  HeadlessShow(SimClock& clock, SettingsStore& store, const char* program, const std::string& dataFolder)
      : loop(clock),
        desktop(program),
        display(clock, SdlDisplay::Options{true, 0, false, nullptr}),
        form(display, audio, store, loop, desktop, dataFolder) {}

  EventLoop loop;
  HeadlessPlatform desktop;
  SdlDisplay display;
  SilentAudio audio;
  Form1 form;
};

}  // namespace gs
