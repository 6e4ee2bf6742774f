#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "sound/audio.h"
#include "sound/playing_sounds.h"

namespace gs {

// An audio layer that plays nothing but knows, by the clock, what a
// listener would hear: each file's length is read at load, and every cue
// either starts its sound or finds it still playing. For the headless
// renderer, which can list the cues.
class ListeningAudio : public Audio {
 public:
  // Told of every cue on a loaded sound: the time, the file's name (without
  // its folder) and whether the cue started the sound.
  using CueListener = std::function<void(int64_t us, const std::string& file, bool started)>;

  explicit ListeningAudio(const Clock& clock) : clock_(clock) {}
  void Listen(CueListener listener) { listener_ = std::move(listener); }

  void Attach(AudioEvents&) override {}
  int32_t LoadSound(const std::string& path) override;
  void SetSoundVolume(int32_t, int32_t) override {}
  void PlaySound(int32_t id, int32_t a, int32_t b) override;
  void StopSound(int32_t id) override { playing_.Stop(id); }
  void StopAllSounds() override { playing_.StopAll(); }

 private:
  const Clock& clock_;
  CueListener listener_;
  PlayingSounds playing_;
  std::vector<std::string> names_;  // id n at index n - 1
};

}  // namespace gs
