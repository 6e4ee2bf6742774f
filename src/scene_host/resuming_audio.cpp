#include "scene_host/resuming_audio.h"

#include <utility>

namespace gs {

void ResumingAudio::BeginSceneFrame() {
  // A held sound that the last scene frame did not cue is free again.
  std::set<int32_t> still;
  for (int32_t id : held_)
    if (cued_.count(id)) still.insert(id);
  held_ = std::move(still);
  cued_.clear();
}

void ResumingAudio::SetResting(bool resting) {
  if (resting) held_.insert(cued_.begin(), cued_.end());
  out_.SetResting(resting);
}

void ResumingAudio::PlaySound(int32_t id, int32_t a, int32_t b) {
  cued_.insert(id);
  if (held_.count(id)) return;
  out_.PlaySound(id, a, b);
}

}  // namespace gs
