#pragma once
#include <cstdint>
#include <set>
#include <string>

#include "sound/audio.h"

namespace gs {

// The audio layer as the show sees it, in front of the real one. The scenes
// cue a sound on every scene frame for as long as it belongs to the picture;
// after the show rested (and its sounds were stopped) such a cue would start
// the sound over. So the sounds cued on the last scene frame before the rest
// stay silent after it, until a scene frame comes that no longer cues them.
class ResumingAudio final : public Audio {
 public:
  explicit ResumingAudio(Audio& out) : out_(out) {}

  // A scene frame begins; its cues follow.
  void BeginSceneFrame();

  void Attach(AudioEvents& events) override { out_.Attach(events); }
  int32_t LoadSound(const std::string& path) override { return out_.LoadSound(path); }
  void SetSoundVolume(int32_t id, int32_t volume) override { out_.SetSoundVolume(id, volume); }
  void PlaySound(int32_t id, int32_t a, int32_t b) override;
  void StopSound(int32_t id) override { out_.StopSound(id); }
  void StopAllSounds() override { out_.StopAllSounds(); }
  // The caller stops the sounds before a rest.
  void SetResting(bool resting) override;

 private:
  Audio& out_;
  std::set<int32_t> cued_;  // on the scene frame now or last composed
  std::set<int32_t> held_;
};

}  // namespace gs
