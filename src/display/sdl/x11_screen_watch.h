#pragma once
#include <SDL.h>

#include "display/audience.h"
#include "display/power_probe.h"

namespace gs {

// What the X server tells about who can see the show, read on SDL's own
// connection so that its events wake the loop with SDL's: the server's screen
// saver coming on and going off, windows becoming covered and uncovered, and,
// asked, whether the monitors sleep. Without the extensions each part stays
// silent and the show plays on as if seen.
class X11ScreenWatch final : public PowerProbe {
 public:
  // After SDL has made a window: takes SDL's connection from it and starts
  // listening to the screen saver. Tells the audience whether it is on.
  void Start(SDL_Window* any, Audience& audience);
  // Asks for the covering and uncovering of one of the show's windows, which
  // the audience then knows by its X id (returned; 0 without X).
  unsigned long Watch(SDL_Window* window);
  // Hands what an X event says about the screen saver or a window's
  // covering to the audience.
  void Read(const SDL_Event& e, Audience& audience) const;
  // Holds off the server's screen saver and monitor power saving until the
  // process ends, however it ends: the server lets go of a client's hold
  // when its connection closes.
  void KeepScreenAwake();

  bool CanTell() const override { return dpms_; }
  bool MonitorsAsleep() override;

 private:
  void* display_ = nullptr;  // SDL's X connection
  bool saverEvents_ = false;
  int saverEventBase_ = 0;
  bool dpms_ = false;
};

}  // namespace gs
