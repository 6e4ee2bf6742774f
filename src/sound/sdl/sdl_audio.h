#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "sound/audio.h"
#include "sound/sdl/mixer_handles.h"

namespace gs {

// The audio layer on SDL2_mixer. Each sound id owns one mixer channel, so a
// sound cued again while it plays simply plays on. Without a sound device the
// layer still hands out ids and every call is silently harmless.
class SdlAudio : public Audio {
 public:
  SdlAudio();
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // Never raises SoundNotify: nothing in this layer needs the scene to react.
  void Attach(AudioEvents& events) override;
  int32_t LoadSound(const std::string& path) override;
  void SetSoundVolume(int32_t id, int32_t volume) override;
  void PlaySound(int32_t id, int32_t a, int32_t b) override;
  void StopSound(int32_t id) override;
  void StopAllSounds() override;
  // Resting, the device is closed, so that its thread sleeps too; it opens
  // again, as it was, for the first sound after the rest.
  void SetResting(bool resting) override;

  // True when a device was opened (false: the layer runs silently).
  bool HasDevice() const { return deviceOpen_; }
  // True while the sound is audible on the device.
  bool IsPlaying(int32_t id) const;
  // True when the id holds decoded samples (false for a missing or broken file).
  bool IsLoaded(int32_t id) const;

 private:
  struct Sound {
    UniqueChunk chunk;
    int mixerVolume = 128;
  };
  // The sound for an id, or nullptr for 0 and ids never handed out.
  Sound* Find(int32_t id);
  const Sound* Find(int32_t id) const;
  void EnsureChannels(int count);
  // Opens the device let go of for a rest again; false if it cannot be.
  bool Reopen();

  bool audioInit_ = false;
  bool deviceOpen_ = false;
  int channels_ = 0;
  bool letGo_ = false;  // the device was closed for a rest
  // The device's format, which the decoded sounds are in.
  int rate_ = 0, outputChannels_ = 0;
  uint16_t format_ = 0;
  AudioEvents* events_ = nullptr;
  std::vector<Sound> sounds_;  // id n lives at index n - 1 and plays on channel n - 1
};

}  // namespace gs
