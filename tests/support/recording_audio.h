#pragma once
#include <string>
#include <vector>

#include "sound/audio.h"

namespace gs {

// An audio layer that plays nothing and logs every call in order, e.g.
// "LoadSound(/data/gun.wav)=7", "SetSoundVolume(7,-2500)", "PlaySound(7,-1,-1)".
class RecordingAudio : public Audio {
 public:
  const std::vector<std::string>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
  int CountCalls(const std::string& prefix) const;
  // The path each id was loaded from ("" for 0 and unknown ids).
  std::string PathOf(int32_t id) const;

  // Raises SoundNotify on the attached handler, as a test wants it.
  void RaiseSoundNotify();

  void Attach(AudioEvents& events) override { events_ = &events; }
  int32_t LoadSound(const std::string& path) override;
  void SetSoundVolume(int32_t id, int32_t volume) override;
  void PlaySound(int32_t id, int32_t a, int32_t b) override;
  void StopSound(int32_t id) override;
  void StopAllSounds() override;
  void SetResting(bool resting) override;

 private:
  std::vector<std::string> calls_;
  std::vector<std::string> paths_;
  AudioEvents* events_ = nullptr;
};

}  // namespace gs
