#include "support/recording_audio.h"

namespace gs {

std::vector<std::string> RecordingAudio::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const std::string& c : calls_)
    if (c.compare(0, prefix.size(), prefix) == 0) out.push_back(c);
  return out;
}

int RecordingAudio::CountCalls(const std::string& prefix) const {
  return static_cast<int>(CallsStartingWith(prefix).size());
}

std::string RecordingAudio::PathOf(int32_t id) const {
  if (id <= 0 || static_cast<size_t>(id) > paths_.size()) return "";
  return paths_[static_cast<size_t>(id) - 1];
}

void RecordingAudio::RaiseSoundNotify() {
  if (events_) events_->SoundNotify();
}

int32_t RecordingAudio::LoadSound(const std::string& path) {
  paths_.push_back(path);
  int32_t id = static_cast<int32_t>(paths_.size());
  calls_.push_back("LoadSound(" + path + ")=" + std::to_string(id));
  return id;
}

void RecordingAudio::SetSoundVolume(int32_t id, int32_t volume) {
  calls_.push_back("SetSoundVolume(" + std::to_string(id) + "," + std::to_string(volume) + ")");
}

void RecordingAudio::PlaySound(int32_t id, int32_t a, int32_t b) {
  calls_.push_back("PlaySound(" + std::to_string(id) + "," + std::to_string(a) + "," + std::to_string(b) + ")");
}

void RecordingAudio::StopSound(int32_t id) { calls_.push_back("StopSound(" + std::to_string(id) + ")"); }

void RecordingAudio::StopAllSounds() { calls_.push_back("StopAllSounds()"); }

void RecordingAudio::SetResting(bool resting) { calls_.push_back(resting ? "SetResting(1)" : "SetResting(0)"); }

}  // namespace gs
