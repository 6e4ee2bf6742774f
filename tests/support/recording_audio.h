#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "sound/audio.h"

namespace gs {

// An audio layer that plays nothing and logs every call in order, e.g.
// "LoadSound(/data/gun.wav)=7", "SetSoundVolume(7,-2500)", "PlaySound(7,-1,-1)".
// Ids are handed out from 1 in load order.
class RecordingAudio : public Audio {
 public:
  const std::vector<std::string>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  int CountCalls(const std::string& prefix) const {
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [&](const std::string& c) { return c.starts_with(prefix); }));
  }
  void RaiseSoundNotify() { events_->SoundNotify(); }

  void Attach(AudioEvents& events) override { events_ = &events; }
  int32_t LoadSound(const std::string& path) override {
    Log("LoadSound(" + path + ")=" + std::to_string(++loaded_));
    return loaded_;
  }
  void SetSoundVolume(int32_t id, int32_t volume) override {
    Log("SetSoundVolume(" + std::to_string(id) + "," + std::to_string(volume) + ")");
  }
  void PlaySound(int32_t id, int32_t a, int32_t b) override {
    Log("PlaySound(" + std::to_string(id) + "," + std::to_string(a) + "," + std::to_string(b) + ")");
  }
  void StopSound(int32_t id) override { Log("StopSound(" + std::to_string(id) + ")"); }
  void StopAllSounds() override { Log("StopAllSounds()"); }
  void SetResting(bool resting) override { Log(resting ? "SetResting(1)" : "SetResting(0)"); }

 private:
  void Log(std::string call) { calls_.push_back(std::move(call)); }
  std::vector<std::string> calls_;
  int32_t loaded_ = 0;
  AudioEvents* events_ = nullptr;
};

}  // namespace gs
