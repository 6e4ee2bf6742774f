// SdlDisplay: sprite pictures, decoded once per file, and their drawing.
#include "display/sdl/sdl_display.h"

#include <iterator>

#include "display/sdl/picture_file.h"
#include "display/sdl/sdl_colour.h"

namespace gs {

namespace {

constexpr uint32_t kMagenta565 = 0xF81F;

}  // namespace

void SdlDisplay::LoadSpriteFrame(int32_t id, int32_t frame, const std::string& path, int32_t keyMode) {
  if (!sprites_.Exists(id) || frame < 1) return;
  sprites_.NoteFrameLoaded(id, frame);
  const bool keyed = keyMode == kKeyTransparent;
  SharedSurface& pic = decoded_[{path, keyed}];
  if (!pic) {
    const UniqueSurface loaded = LoadPictureFile(path);
    if (!loaded) return;  // a frame without a picture draws nothing
    pic = ShareSurface(UniqueSurface(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB565, 0)));
    if (!pic) return;
    if (keyed) SDL_SetColorKey(pic.get(), SDL_TRUE, kMagenta565);
    SDL_SetSurfaceRLE(pic.get(), keyed ? 1 : 0);
  }
  pictures_[id][frame] = pic;
}

void SdlDisplay::DrawSprite(int32_t id) {
  const SpriteTable::Sprite* s = sprites_.Find(id);
  if (!s || !compose_) return;
  BeginDrawing();
  auto sp = pictures_.find(id);
  if (sp == pictures_.end()) return;
  // A frame without a picture shows the nearest lower frame that has one.
  auto fr = sp->second.upper_bound(s->frame);
  if (fr == sp->second.begin()) return;
  SDL_Surface* pic = std::prev(fr)->second.get();
  if (s->x >= kW || s->y >= kH || s->x + pic->w <= 0 || s->y + pic->h <= 0) return;
  const bool coversFrame = s->x <= 0 && s->y <= 0 && s->x + pic->w >= kW && s->y + pic->h >= kH;
  if (!(coversFrame && !SDL_HasColorKey(pic))) ApplyPendingClear();
  clearPending_ = false;
  SDL_Rect dst{s->x, s->y, pic->w, pic->h};
  Touch(dst);
  SDL_BlitSurface(pic, nullptr, compose_.get(), &dst);
}

void SdlDisplay::ClearFrame(int32_t colour) {
  if (!compose_) return;
  SDL_Color c = ToSdlColour(colour);
  clearPixel_ = SDL_MapRGB(compose_->format, c.r, c.g, c.b);
  clearPending_ = true;
  // The clear covers the texts too: nothing of them to take off.
  presentedSinceDrawing_ = false;
  textCount_ = 0;
}

}  // namespace gs
