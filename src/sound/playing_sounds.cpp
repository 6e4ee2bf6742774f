#include "sound/playing_sounds.h"

namespace gs {

void PlayingSounds::SetLength(int32_t id, int64_t us) {
  if (id <= 0 || us < 0) return;
  if (sounds_.size() <= static_cast<size_t>(id)) sounds_.resize(static_cast<size_t>(id) + 1);
  sounds_[static_cast<size_t>(id)].lengthUs = us;
}

PlayingSounds::Cue PlayingSounds::Play(int32_t id, int64_t nowUs) {
  if (id <= 0 || static_cast<size_t>(id) >= sounds_.size()) return Cue::NoSound;
  Sound& s = sounds_[static_cast<size_t>(id)];
  if (s.lengthUs < 0) return Cue::NoSound;
  if (s.started && nowUs >= s.startUs && nowUs < s.startUs + s.lengthUs) return Cue::FoundPlaying;
  s.started = true;
  s.startUs = nowUs;
  return Cue::Started;
}

void PlayingSounds::Stop(int32_t id) {
  if (id > 0 && static_cast<size_t>(id) < sounds_.size()) sounds_[static_cast<size_t>(id)].started = false;
}

void PlayingSounds::StopAll() {
  for (Sound& s : sounds_) s.started = false;
}

}  // namespace gs
