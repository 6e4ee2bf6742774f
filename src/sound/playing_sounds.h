#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gs {

// Which sounds play at a given moment, by the audio layer's rule that a
// cue on a sound still playing leaves it alone. For players that output
// nothing but must know what a listener would hear, cue by cue.
class PlayingSounds {
 public:
  enum class Cue { NoSound, Started, FoundPlaying };

  // The sound's length; ids never given a length are no sound.
  void SetLength(int32_t id, int64_t us);
  Cue Play(int32_t id, int64_t nowUs);
  void Stop(int32_t id);
  void StopAll();

 private:
  struct Sound {
    int64_t lengthUs = -1;  // -1: no sound behind the id
    int64_t startUs = 0;
    bool started = false;
  };
  std::vector<Sound> sounds_;  // by id; index 0 unused
};

}  // namespace gs
