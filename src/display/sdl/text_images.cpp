#include "display/sdl/text_images.h"

#include <algorithm>

#include "display/sdl/sdl_colour.h"
#include "display/sdl/utf8_sanitise.h"

namespace gs {
namespace {

// Bytes of the first n characters of clean (valid UTF-8).
size_t BytesOfCharacters(const std::string& clean, size_t n) {
  size_t i = 0;
  for (; i < clean.size() && n > 0; --n) {
    ++i;
    while (i < clean.size() && (static_cast<unsigned char>(clean[i]) & 0xC0) == 0x80) ++i;
  }
  return i;
}

// What of text can show in width pixels: the characters that fit and the
// one cut by the edge.
std::string VisiblePart(const std::string& text, TTF_Font* font, int width) {
  std::string clean = SanitiseUtf8(text);
  // Glyphs are at least a pixel wide, bar a few marks: this bounds the
  // measuring too.
  clean.resize(BytesOfCharacters(clean, static_cast<size_t>(width) * 4));
  int extent = 0, count = 0;
  if (TTF_MeasureUTF8(font, clean.c_str(), width, &extent, &count) == 0)
    clean.resize(BytesOfCharacters(clean, static_cast<size_t>(count) + 1));
  return clean;
}

}  // namespace

SDL_Surface* TextImages::Get(const std::string& text, TTF_Font* font, int32_t colour, int visibleWidth) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->font != font || it->colour != colour || it->width != visibleWidth || it->text != text) continue;
    entries_.splice(entries_.begin(), entries_, it);
    return it->image.get();
  }
  if (entries_.size() >= kCapacity) entries_.pop_back();
  entries_.push_front(Entry{text, font, colour, visibleWidth, {}});
  entries_.front().image.reset(Make(text, font, colour, visibleWidth));
  return entries_.front().image.get();
}

SDL_Surface* TextImages::Make(const std::string& text, TTF_Font* font, int32_t colour, int visibleWidth) {
  ++renders_;
  if (!font || text.empty() || visibleWidth <= 0) return nullptr;
  const std::string visible = VisiblePart(text, font, visibleWidth);
  const SDL_Color ink = ToSdlColour(colour);
  // Solid (not anti-aliased) text, so that drawing it again on every frame
  // without clearing looks exactly like drawing it once.
  SDL_Surface* solid = TTF_RenderUTF8_Solid(font, visible.c_str(), ink);
  if (!solid) return nullptr;
  // Held in the frame's own format with the background keyed out, so each
  // draw is a plain keyed copy without a palette lookup. The key is the
  // complement of the ink, so the two can never be the same pixel value.
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, solid->w, solid->h, 16, SDL_PIXELFORMAT_RGB565);
  if (s) {
    const auto inkPixel = static_cast<uint16_t>(SDL_MapRGB(s->format, ink.r, ink.g, ink.b));
    const auto keyPixel = static_cast<uint16_t>(~inkPixel);
    for (int y = 0; y < solid->h; ++y) {
      const auto* in = static_cast<const uint8_t*>(solid->pixels) + static_cast<size_t>(y) * solid->pitch;
      auto* out = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch);
      for (int x = 0; x < solid->w; ++x) out[x] = in[x] ? inkPixel : keyPixel;
    }
    SDL_SetColorKey(s, SDL_TRUE, keyPixel);
    SDL_SetSurfaceRLE(s, 1);
  }
  SDL_FreeSurface(solid);
  return s;
}

}  // namespace gs
