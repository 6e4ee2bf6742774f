#pragma once
#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace gs {

// Frees each SDL and SDL_ttf object the display owns the way its library
// wants it freed.
struct SdlFree {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
  void operator()(SDL_PixelFormat* f) const { SDL_FreeFormat(f); }
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};

using UniqueWindow = std::unique_ptr<SDL_Window, SdlFree>;
using UniqueRenderer = std::unique_ptr<SDL_Renderer, SdlFree>;
using UniqueTexture = std::unique_ptr<SDL_Texture, SdlFree>;
using UniqueSurface = std::unique_ptr<SDL_Surface, SdlFree>;
using UniquePixelFormat = std::unique_ptr<SDL_PixelFormat, SdlFree>;
using UniqueFont = std::unique_ptr<TTF_Font, SdlFree>;
// A decoded picture that many sprites share.
using SharedSurface = std::shared_ptr<SDL_Surface>;
inline SharedSurface ShareSurface(UniqueSurface s) { return SharedSurface(std::move(s)); }

}  // namespace gs
