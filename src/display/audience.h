#pragma once
#include <cstdint>
#include <map>

#include "display/power_probe.h"

namespace gs {

// Whether anyone can see the show. Nobody can while the X server's screen
// saver is on, while the monitors sleep, or while every window of the show is
// unmapped or fully covered. The windows and the screen saver are told; the
// monitors are asked through the probe, at most once a second, and only
// while their answer decides.
class Audience {
 public:
  static constexpr int64_t kProbePeriodUs = 1000000;

  explicit Audience(PowerProbe* probe = nullptr) : probe_(probe) {}

  void SetScreenSaverOn(bool on);
  // A window of the show, by any id that stays the same for it. A window
  // starts mapped and uncovered.
  void SetWindowMapped(uint64_t window, bool mapped);
  void SetWindowCovered(uint64_t window, bool covered);

  // Asks the probe, if a question is due at nowUs.
  void Probe(int64_t nowUs);
  // When Probe should next be called; INT64_MAX when no answer could make a
  // difference now.
  int64_t NextProbeUs() const;

  bool Seen() const;

 private:
  struct Window {
    bool mapped = true;
    bool covered = false;
  };
  // Nobody can see the show whatever the monitors do.
  bool HiddenAnyway() const;

  PowerProbe* probe_;
  bool screenSaverOn_ = false;
  bool monitorsAsleep_ = false;
  std::map<uint64_t, Window> windows_;
  int64_t nextProbeUs_ = INT64_MIN;
};

}  // namespace gs
