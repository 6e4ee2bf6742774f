#pragma once
#include <string>
#include <utility>

#include "platform/clock.h"
#include "platform/event_loop.h"
#include "scene_host/form1.h"
#include "scene_host/form_platform.h"
#include "settings/settings_store.h"
#include "sound/audio.h"

namespace gs {

// A scene window wired up: the loop, the display and the window, made in
// that order over the audio layer, the settings and the desktop the caller
// chose, and unmade in reverse, so the window never outlives what it draws
// on. The saver, the renderer, the show benchmark and the tests build their
// shows with it; the display is made from the loop's time (which stands still
// while the show rests) and displayArgs. The caller calls form.Form_Load()
// when it is ready.
template <class DisplayT>
struct ShowRig {
  template <class... DisplayArgs>
  ShowRig(Clock& clock, Audio& audio, SettingsStore& store, FormPlatform& desktop, std::string dataFolder,
          DisplayArgs&&... displayArgs)
      : loop(clock),
        display(loop.restingClock(), std::forward<DisplayArgs>(displayArgs)...),
        form(display, audio, store, loop, desktop, std::move(dataFolder)) {}

  EventLoop loop;
  DisplayT display;
  Form1 form;
};

}  // namespace gs
