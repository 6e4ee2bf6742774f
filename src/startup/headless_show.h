#pragma once
#include <string>

#include "display/sdl/sdl_display.h"
#include "platform/clock.h"
#include "scene_host/show_rig.h"
#include "settings/settings_store.h"
#include "startup/headless_platform.h"
#include "startup/listening_audio.h"

namespace gs {

// The show with no window and no sound output, run by the caller's
// simulated clock (the audio still knows which sounds would be heard):
// the renderer and the show benchmark build it the same way, so what one
// measures is what the other draws. The caller owns the clock so that its
// settings store may stamp saves with it.
struct HeadlessShow {
  HeadlessShow(SimClock& clock, SettingsStore& store, const char* program, const std::string& dataFolder)
      : desktop(program),
        audio(clock),
        show(clock, audio, store, desktop, dataFolder, SdlDisplay::Options{true, 0, false, nullptr}) {}

  HeadlessPlatform desktop;
  ListeningAudio audio;
  ShowRig<SdlDisplay> show;
};

}  // namespace gs
