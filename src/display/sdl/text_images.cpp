#include "display/sdl/text_images.h"

#include <algorithm>
#include <cstdlib>

#include "display/display.h"
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

int32_t HaloColourFor(int32_t ink) {
  const SDL_Color c = ToSdlColour(ink);
  const int luma = 299 * c.r + 587 * c.g + 114 * c.b;  // in thousandths
  return luma < 128 * 1000 ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
}

std::shared_ptr<const TextPicture> TextImages::Get(const std::string& text, TTF_Font* font, int32_t colour,
                                                   int visibleWidth) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->font != font || it->colour != colour || it->width != visibleWidth || it->text != text) continue;
    entries_.splice(entries_.begin(), entries_, it);
    return it->image;
  }
  if (entries_.size() >= kCapacity) entries_.pop_back();
  entries_.push_front(Entry{text, font, colour, visibleWidth, {}});
  entries_.front().image = Make(text, font, colour, visibleWidth);
  return entries_.front().image;
}

namespace {

// A surface of w x h in the frame's format, every pixel the key (the
// complement of pixel, so the two can never be the same value).
UniqueSurface KeyedSurface(int w, int h, uint16_t pixel) {
  UniqueSurface s(SDL_CreateRGBSurfaceWithFormat(0, w, h, 16, SDL_PIXELFORMAT_RGB565));
  if (!s) return nullptr;
  const auto key = static_cast<uint16_t>(~pixel);
  SDL_FillRect(s.get(), nullptr, key);
  SDL_SetColorKey(s.get(), SDL_TRUE, key);
  return s;
}

uint16_t* Row(SDL_Surface* s, int y) {
  return reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch);
}

}  // namespace

std::shared_ptr<const TextPicture> TextImages::Make(const std::string& text, TTF_Font* font, int32_t colour,
                                                    int visibleWidth) {
  ++renders_;
  if (!font || text.empty() || visibleWidth <= 0) return nullptr;
  const std::string visible = VisiblePart(text, font, visibleWidth);
  const SDL_Color ink = ToSdlColour(colour);
  // Solid (not anti-aliased) letters: their edge against the halo is crisp
  // at the small sizes the notices use.
  const UniqueSurface solid(TTF_RenderUTF8_Solid(font, visible.c_str(), ink));
  if (!solid) return nullptr;
  auto pic = std::make_shared<TextPicture>();
  // Thin letters need a thin halo; large ones a wider one to stand out.
  const int m = pic->margin = TTF_FontHeight(font) < 20 ? 1 : 2;
  const SDL_Color haloColour = ToSdlColour(HaloColourFor(colour));
  const UniquePixelFormat f565(SDL_AllocFormat(SDL_PIXELFORMAT_RGB565));
  if (!f565) return nullptr;
  const auto inkV = static_cast<uint16_t>(SDL_MapRGB(f565.get(), ink.r, ink.g, ink.b));
  const auto haloV = static_cast<uint16_t>(SDL_MapRGB(f565.get(), haloColour.r, haloColour.g, haloColour.b));
  // Held in the frame's own format with the background keyed out, so each
  // draw is a plain keyed copy without a palette lookup.
  pic->ink = KeyedSurface(solid->w, solid->h, inkV);
  pic->halo = KeyedSurface(solid->w + 2 * m, solid->h + 2 * m, haloV);
  if (pic->ink && pic->halo) {
    for (int y = 0; y < solid->h; ++y) {
      const auto* in = static_cast<const uint8_t*>(solid->pixels) + static_cast<size_t>(y) * solid->pitch;
      uint16_t* out = Row(pic->ink.get(), y);
      for (int x = 0; x < solid->w; ++x) {
        if (!in[x]) continue;
        out[x] = inkV;
        // The letters grown by m, corners rounded off.
        for (int dy = -m; dy <= m; ++dy) {
          uint16_t* h = Row(pic->halo.get(), y + m + dy) + x + m;
          for (int dx = -m; dx <= m; ++dx)
            if (m < 2 || std::abs(dx) + std::abs(dy) < 2 * m) h[dx] = haloV;
        }
      }
    }
    SDL_SetSurfaceRLE(pic->ink.get(), 1);
    SDL_SetSurfaceRLE(pic->halo.get(), 1);
  }
  if (!pic->ink || !pic->halo) return nullptr;
  return pic;
}

}  // namespace gs
