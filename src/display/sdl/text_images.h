#pragma once
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "display/sdl/sdl_handles.h"

namespace gs {

// A line of text as drawn: its letters, and a halo of a contrasting colour
// (the letters grown by `margin` pixels all round) laid under them, so that
// the line reads over any picture, black letters over black included. Both
// are in the frame's RGB565 format with the background keyed out; the halo
// is `margin` pixels larger than the letters on every side.
struct TextPicture {
  UniqueSurface ink;
  UniqueSurface halo;
  int margin = 0;
};

// The halo's colour for letters of colour ink: white under dark letters,
// black under light ones.
int32_t HaloColourFor(int32_t ink);

// Pictures of the texts the show draws. Each is made once for its text,
// font, colour and visible width, and holds only what can be seen of the
// line: a message of 32,767 characters costs what its first hundred do, on
// every frame and in memory. A text that cannot be made is remembered as
// such, not tried again on every frame.
class TextImages {
 public:
  // The picture of text, nullptr when there is none (a failed render). It
  // stays valid for as long as the caller holds it, even once dropped here.
  // visibleWidth: how many pixels of the line, from its start, can show.
  std::shared_ptr<const TextPicture> Get(const std::string& text, TTF_Font* font, int32_t colour, int visibleWidth);
  void Clear() { entries_.clear(); }
  size_t Size() const { return entries_.size(); }
  // How many pictures were made (or tried) so far.
  size_t Renders() const { return renders_; }

  // Pictures kept: the clock, the message, the notices and a few spare.
  static constexpr size_t kCapacity = 64;

 private:
  struct Entry {
    std::string text;
    TTF_Font* font;
    int32_t colour;
    int width;
    std::shared_ptr<const TextPicture> image;
  };
  std::shared_ptr<const TextPicture> Make(const std::string& text, TTF_Font* font, int32_t colour, int visibleWidth);

  std::list<Entry> entries_;  // most recently used first
  size_t renders_ = 0;
};

}  // namespace gs
