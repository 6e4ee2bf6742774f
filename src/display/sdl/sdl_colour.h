#pragma once
#include <SDL.h>

#include <cstdint>

namespace gs {

// A colour of the display interface (see Rgb) as SDL spells it.
inline SDL_Color ToSdlColour(int32_t c) {
  return SDL_Color{static_cast<Uint8>(c & 0xff), static_cast<Uint8>((c >> 8) & 0xff),
                   static_cast<Uint8>((c >> 16) & 0xff), 255};
}

}  // namespace gs
