#pragma once
#include "sound/audio.h"

namespace gs {

// An audio layer that hands out ids and plays nothing: for previews inside a
// host's settings pane and for the headless renderer.
class SilentAudio : public Audio {
 public:
  void Attach(AudioEvents&) override {}
  int32_t LoadSound(const std::string&) override { return ++last_; }
  void SetSoundVolume(int32_t, int32_t) override {}
  void PlaySound(int32_t, int32_t, int32_t) override {}
  void StopSound(int32_t) override {}
  void StopAllSounds() override {}

 private:
  int32_t last_ = 0;
};

}  // namespace gs
