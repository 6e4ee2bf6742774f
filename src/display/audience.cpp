#include "display/audience.h"

namespace gs {

void Audience::SetScreenSaverOn(bool on) { screenSaverOn_ = on; }

void Audience::SetWindowMapped(uint64_t window, bool mapped) { windows_[window].mapped = mapped; }

void Audience::SetWindowCovered(uint64_t window, bool covered) { windows_[window].covered = covered; }

bool Audience::HiddenAnyway() const {
  if (screenSaverOn_) return true;
  if (windows_.empty()) return false;
  for (const auto& [id, w] : windows_)
    if (w.mapped && !w.covered) return false;
  return true;
}

void Audience::Probe(int64_t nowUs) {
  if (!probe_ || !probe_->CanTell()) return;
  if (HiddenAnyway()) {
    // Asked afresh the moment the answer matters again.
    nextProbeUs_ = INT64_MIN;
    return;
  }
  if (nowUs < nextProbeUs_) return;
  monitorsAsleep_ = probe_->MonitorsAsleep();
  nextProbeUs_ = nowUs + kProbePeriodUs;
}

int64_t Audience::NextProbeUs() const {
  if (!probe_ || !probe_->CanTell() || HiddenAnyway()) return INT64_MAX;
  return nextProbeUs_;
}

bool Audience::Seen() const { return !HiddenAnyway() && !monitorsAsleep_; }

}  // namespace gs
