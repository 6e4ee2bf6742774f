#pragma once
#include <SDL_mixer.h>

#include <memory>

namespace gs {

// Frees what SDL_mixer hands the audio layer.
struct MixerFree {
  void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); }
};

// Decoded samples; freed before the device closes for good.
using UniqueChunk = std::unique_ptr<Mix_Chunk, MixerFree>;

}  // namespace gs
