#include "sound/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <limits>
#include <utility>

#include "platform/problem_report.h"
#include "sound/sdl/mixer_volume.h"
#include "sound/sdl/sound_file.h"

namespace gs {

namespace {
constexpr int kRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferSamples = 1024;  // about 23 ms: a cue is heard on the frame that makes it
constexpr int kMinChannels = 16;
}  // namespace

SdlAudio::SdlAudio() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    audioInit_ = true;
    deviceOpen_ = Mix_OpenAudio(kRate, AUDIO_S16SYS, kOutputChannels, kBufferSamples) == 0;
  }
  if (!deviceOpen_) {
    ReportProblem("sound", std::string("no sound device (") + SDL_GetError() + "); the show plays silent");
    return;
  }
  Mix_QuerySpec(&rate_, &format_, &outputChannels_);
  EnsureChannels(kMinChannels);
}

SdlAudio::~SdlAudio() {
  if (deviceOpen_) Mix_HaltChannel(-1);
  sounds_.clear();
  if (deviceOpen_) Mix_CloseAudio();
  if (audioInit_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::Attach(AudioEvents& events) { events_ = &events; }

int32_t SdlAudio::LoadSound(const std::string& path) {
  if (sounds_.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max())) return 0;
  Sound sound;
  // A missing or broken file leaves chunk null; the id stays valid and inert.
  // The file is looked at even without a device, so that its fault is said.
  std::optional<std::string> bytes = ReadSoundFile(path);
  if (bytes && deviceOpen_) {
    sound.chunk.reset(Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1));
    if (sound.chunk == nullptr) ReportProblemOnce(path, std::string("sound cannot be decoded: ") + Mix_GetError());
  }
  sounds_.push_back(std::move(sound));
  const auto id = static_cast<int32_t>(sounds_.size());
  if (deviceOpen_) EnsureChannels(id);
  return id;
}

void SdlAudio::SetSoundVolume(int32_t id, int32_t volume) {
  Sound* s = Find(id);
  if (s == nullptr) return;
  s->mixerVolume = MixerVolume(volume);
  if (deviceOpen_) Mix_Volume(id - 1, s->mixerVolume);
}

void SdlAudio::PlaySound(int32_t id, int32_t, int32_t) {
  Sound* s = Find(id);
  if (s == nullptr || s->chunk == nullptr) return;
  if (letGo_ && !Reopen()) return;
  if (!deviceOpen_) return;
  const int channel = id - 1;
  // The scenes cue a sound on every frame of its second: let it play on.
  if (Mix_Playing(channel) != 0) return;
  Mix_Volume(channel, s->mixerVolume);
  Mix_PlayChannel(channel, s->chunk.get(), 0);
}

void SdlAudio::StopSound(int32_t id) {
  if (Find(id) == nullptr || !deviceOpen_) return;
  Mix_HaltChannel(id - 1);
}

void SdlAudio::StopAllSounds() {
  if (deviceOpen_) Mix_HaltChannel(-1);
}

void SdlAudio::SetResting(bool resting) {
  if (!resting || !deviceOpen_) return;
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  deviceOpen_ = false;
  letGo_ = true;
}

bool SdlAudio::Reopen() {
  letGo_ = false;
  // In the format the sounds were decoded for, whatever the device would
  // rather have now: SDL converts.
  deviceOpen_ = Mix_OpenAudioDevice(rate_, format_, outputChannels_, kBufferSamples, nullptr, 0) == 0;
  if (!deviceOpen_) {
    ReportProblem("sound", std::string("the sound device cannot be opened again (") + SDL_GetError() +
                               "); the show plays on silent");
    return false;
  }
  const int channels = channels_;
  channels_ = 0;
  EnsureChannels(channels);
  return true;
}

bool SdlAudio::IsPlaying(int32_t id) const {
  const Sound* s = Find(id);
  return s != nullptr && s->chunk != nullptr && deviceOpen_ && Mix_Playing(id - 1) != 0;
}

bool SdlAudio::IsLoaded(int32_t id) const {
  const Sound* s = Find(id);
  return s != nullptr && s->chunk != nullptr;
}

SdlAudio::Sound* SdlAudio::Find(int32_t id) {
  if (id <= 0 || static_cast<size_t>(id) > sounds_.size()) return nullptr;
  return &sounds_[static_cast<size_t>(id) - 1];
}

const SdlAudio::Sound* SdlAudio::Find(int32_t id) const {
  if (id <= 0 || static_cast<size_t>(id) > sounds_.size()) return nullptr;
  return &sounds_[static_cast<size_t>(id) - 1];
}

void SdlAudio::EnsureChannels(int count) {
  if (count <= channels_) return;
  int wanted = channels_ < kMinChannels ? kMinChannels : channels_;
  while (wanted < count) wanted *= 2;
  channels_ = Mix_AllocateChannels(wanted);
}

}  // namespace gs
