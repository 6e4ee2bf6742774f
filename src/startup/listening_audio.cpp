#include "startup/listening_audio.h"

#include <cmath>

#include "sound/sdl/sound_file.h"

namespace gs {

int32_t ListeningAudio::LoadSound(const std::string& path) {
  names_.push_back(path.substr(path.find_last_of('/') + 1));
  const auto id = static_cast<int32_t>(names_.size());
  // A missing or broken file is said once by the reader and stays silent.
  if (std::optional<std::string> bytes = ReadSoundFile(path))
    if (std::optional<double> seconds = WaveSeconds(*bytes)) playing_.SetLength(id, std::llround(*seconds * 1e6));
  return id;
}

void ListeningAudio::PlaySound(int32_t id, int32_t, int32_t) {
  const int64_t now = clock_.MonotonicUs();
  const PlayingSounds::Cue cue = playing_.Play(id, now);
  if (cue != PlayingSounds::Cue::NoSound && listener_)
    listener_(now, names_[static_cast<size_t>(id) - 1], cue == PlayingSounds::Cue::Started);
}

}  // namespace gs
