#pragma once

namespace gs {

// Asks the desktop whether its monitors sleep (standby, suspend or off). The
// desktop says nothing when they go to sleep, so this has to be asked; each
// question costs a round trip to the X server.
class PowerProbe {
 public:
  virtual ~PowerProbe() = default;
  // False where the desktop cannot tell (no such extension): never asked then.
  virtual bool CanTell() const = 0;
  virtual bool MonitorsAsleep() = 0;
};

}  // namespace gs
