// SdlDisplay: the held-back clear, the record of what changed since the last
// present, and read-backs of the composed frame.
#include "display/sdl/sdl_display.h"

#include "display/sdl/rgb565_png.h"

namespace gs {

void SdlDisplay::ApplyPendingClear() const {
  if (!clearPending_) return;
  clearPending_ = false;
  SDL_FillRect(compose_.get(), nullptr, clearPixel_);
  Touch(SDL_Rect{0, 0, kW, kH});
}

void SdlDisplay::Touch(const SDL_Rect& r) const {
  const SDL_Rect frame{0, 0, kW, kH};
  SDL_Rect clipped{};
  if (!SDL_IntersectRect(&r, &frame, &clipped)) return;
  if (SDL_RectEmpty(&touched_)) touched_ = clipped;
  else SDL_UnionRect(&touched_, &clipped, &touched_);
}

const uint16_t* SdlDisplay::ComposedPixels() const {
  if (compose_) ApplyPendingClear();
  return compose_ ? static_cast<const uint16_t*>(compose_->pixels) : nullptr;
}

int SdlDisplay::ComposedPitchBytes() const { return compose_ ? compose_->pitch : 0; }

bool SdlDisplay::WriteComposedPng(const std::string& path) const {
  if (!compose_) return false;
  ApplyPendingClear();
  return WriteRgb565Png(static_cast<const uint16_t*>(compose_->pixels), compose_->pitch, kW, kH, path);
}

}  // namespace gs
