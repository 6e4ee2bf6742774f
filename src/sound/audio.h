#pragma once
#include <cstdint>
#include <string>

namespace gs {

// Events of the audio layer. SoundNotify may never be raised.
class AudioEvents {
 public:
  virtual ~AudioEvents() = default;
  virtual void SoundNotify() = 0;
};

// The sound output. Id 0 means no sound: every call with 0, or with any id the
// layer never handed out, does nothing. No call fails or throws; a missing or
// broken file gives an id on which every call is harmless, and with no sound
// device the layer works silently.
class Audio {
 public:
  virtual ~Audio() = default;
  virtual void Attach(AudioEvents& events) = 0;
  virtual int32_t LoadSound(const std::string& path) = 0;
  // Attenuation in hundredths of a decibel: 0 is full, -2500 is 25 dB quieter,
  // below -10000 silent, above 0 full.
  virtual void SetSoundVolume(int32_t id, int32_t volume) = 0;
  // A sound that is still playing plays on: no restart, no second copy.
  virtual void PlaySound(int32_t id, int32_t a, int32_t b) = 0;
  virtual void StopSound(int32_t id) = 0;
  virtual void StopAllSounds() = 0;
  // While nobody can see the show it rests: nothing is played, and an output
  // may let go of its device meanwhile so that nothing of it wakes.
  virtual void SetResting(bool /*resting*/) {}
};

}  // namespace gs
