// Getting the composed frame onto the windows: only what changed, scaled,
// and at most once per refresh of the monitors.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "display/sdl/sdl_display.h"

namespace gs {

void SdlDisplay::PresentFrame() {
  presentedSinceDrawing_ = true;
  if (!open_ || options_.headless || !presented_ || !wide_) return;
  presentPending_ = true;
  PresentIfDue();
}

void SdlDisplay::PresentIfDue() {
  // Nobody would see it; what is composed meanwhile waits.
  if (!seen_) return;
  if (!presentPending_ || (everPresented_ && clock_.MonotonicUs() < lastPresentUs_ + refreshUs_)) return;
  presentPending_ = false;
  PresentNow();
}

int64_t SdlDisplay::WakeDeadline() const {
  // The monitors are asked on real time, which goes on while the show's
  // time stands still.
  const int64_t probe = audience_.NextProbeUs();
  const int64_t probeAt =
      probe == INT64_MAX ? INT64_MAX : clock_.MonotonicUs() + std::max<int64_t>(0, probe - RealUs());
  if (!seen_) return probeAt;
  const int64_t present = presentPending_ ? lastPresentUs_ + refreshUs_ : INT64_MAX;
  return std::min({present, host_ ? host_->NextRepaintUs() : INT64_MAX, probeAt});
}

void SdlDisplay::PresentNow() {
  // Nothing may touch a host's window once it is gone.
  if (host_ && X11HostWindow::Gone()) return;
  // Only what changed since the last present is converted, scaled and sent.
  ApplyPendingClear();
  const int pitch = compose_->pitch;
  const uint8_t* now = static_cast<const uint8_t*>(compose_->pixels);
  uint8_t* was = static_cast<uint8_t*>(presented_->pixels);
  int y0 = kH, y1 = -1, x0 = kW, x1 = -1;
  if (!everPresented_) {
    y0 = 0, y1 = kH - 1, x0 = 0, x1 = kW - 1;
  } else {
    // Pixels nobody wrote cannot have changed; of those written, only the
    // ones that differ from the screen are sent (a scene frame redraws the
    // whole backdrop, but most of it comes out the same).
    const int tx = touched_.x, tw = touched_.w;
    for (int y = touched_.y; y < touched_.y + touched_.h; ++y) {
      const uint16_t* a = reinterpret_cast<const uint16_t*>(now + y * pitch);
      const uint16_t* b = reinterpret_cast<const uint16_t*>(was + y * pitch);
      if (std::memcmp(a + tx, b + tx, static_cast<size_t>(tw) * 2) == 0) continue;
      if (y < y0) y0 = y;
      y1 = y;
      int l = tx;
      while (a[l] == b[l]) ++l;
      int r = tx + tw - 1;
      while (a[r] == b[r]) --r;
      x0 = std::min(x0, l);
      x1 = std::max(x1, r);
    }
  }
  touched_ = SDL_Rect{0, 0, 0, 0};
  bool anyFull = false;
  for (const Window& w : windows_) anyFull |= w.needsFull;
  if (y1 < 0 && !anyFull) return;
  if (anyFull) y0 = 0, y1 = kH - 1, x0 = 0, x1 = kW - 1;
  SDL_Rect changed{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
  for (int y = y0; y <= y1; ++y) std::memcpy(was + y * pitch + x0 * 2, now + y * pitch + x0 * 2, changed.w * 2);
  SDL_Rect src = changed;
  SDL_Rect dst = changed;
  SDL_BlitSurface(compose_.get(), &src, wide_.get(), &dst);
  for (Window& w : windows_) PresentTo(w, changed, w.needsFull);
  lastPresentUs_ = clock_.MonotonicUs();
  ++presentCount_;
  if (shownProbePending_) {
    shownProbePending_ = false;
    std::fprintf(stderr, "shown at-us %lld\n", static_cast<long long>(RealUs()));
  }
  if (!everPresented_) {
    everPresented_ = true;
    // For the start-up benchmark: when the first frame reached the screen,
    // on the clock the benchmark reads too.
    if (std::getenv("GOBBLESHOT1_STARTUP_PROBE"))
      std::fprintf(stderr, "first-frame-us %lld\n", static_cast<long long>(RealUs()));
  }
}

SdlDisplay::Fit SdlDisplay::FitInto(int width, int height) {
  // The 800 x 600 picture scaled to fit with its aspect kept, centred.
  const double scale = std::min(width / static_cast<double>(kW), height / static_cast<double>(kH));
  const int outW = std::max(1, static_cast<int>(kW * scale)), outH = std::max(1, static_cast<int>(kH * scale));
  return Fit{scale, SDL_Rect{(width - outW) / 2, (height - outH) / 2, outW, outH}};
}

void SdlDisplay::PresentTo(Window& w, const SDL_Rect& changed, bool full) {
  if (w.renderer) {
    PresentThroughRenderer(w, changed, full);
    return;
  }
  SDL_Surface* ws = SDL_GetWindowSurface(w.window);
  if (!ws || ws->w <= 0 || ws->h <= 0) return;
  const Fit fit = FitInto(ws->w, ws->h);
  const double scale = fit.scale;
  const int outW = fit.picture.w, outH = fit.picture.h, offX = fit.picture.x, offY = fit.picture.y;
  if (full) {
    // Black bars beside or above and below the picture; the picture covers
    // the rest, so the window is written once.
    const Uint32 black = SDL_MapRGB(ws->format, 0, 0, 0);
    const SDL_Rect bars[] = {{0, 0, ws->w, offY},
                             {0, offY + outH, ws->w, ws->h - offY - outH},
                             {0, offY, offX, outH},
                             {offX + outW, offY, ws->w - offX - outW, outH}};
    for (const SDL_Rect& bar : bars)
      if (bar.w > 0 && bar.h > 0) SDL_FillRect(ws, &bar, black);
    SDL_Rect all{offX, offY, outW, outH};
    SDL_BlitScaled(wide_.get(), nullptr, ws, &all);
    SDL_UpdateWindowSurface(w.window);
    w.needsFull = false;
    return;
  }
  // Nearest-neighbour mapping of the changed box, widened by a pixel so
  // that rounding never leaves a seam.
  int sx0 = std::max(0, changed.x - 1), sy0 = std::max(0, changed.y - 1);
  int sx1 = std::min(kW, changed.x + changed.w + 1), sy1 = std::min(kH, changed.y + changed.h + 1);
  int dx0 = static_cast<int>(std::floor(sx0 * scale)), dy0 = static_cast<int>(std::floor(sy0 * scale));
  int dx1 = static_cast<int>(std::ceil(sx1 * scale)), dy1 = static_cast<int>(std::ceil(sy1 * scale));
  dx1 = std::min(dx1, outW), dy1 = std::min(dy1, outH);
  SDL_Rect src{sx0, sy0, sx1 - sx0, sy1 - sy0};
  SDL_Rect dst{offX + dx0, offY + dy0, dx1 - dx0, dy1 - dy0};
  if (dst.w <= 0 || dst.h <= 0) return;
  SDL_BlitScaled(wide_.get(), &src, ws, &dst);
  SDL_UpdateWindowSurfaceRects(w.window, &dst, 1);
}

void SdlDisplay::PresentThroughRenderer(Window& w, const SDL_Rect& changed, bool full) {
  // A new texture holds nothing yet: then all of the frame goes up.
  const SDL_Rect all{0, 0, kW, kH};
  const SDL_Rect& up = full ? all : changed;
  const uint8_t* pixels = static_cast<const uint8_t*>(wide_->pixels) + up.y * wide_->pitch + up.x * 4;
  if (SDL_UpdateTexture(w.texture.get(), &up, pixels, wide_->pitch) != 0) return;
  int ww = 0, wh = 0;
  if (SDL_GetRendererOutputSize(w.renderer.get(), &ww, &wh) != 0 || ww <= 0 || wh <= 0) return;
  const SDL_Rect dst = FitInto(ww, wh).picture;
  // Each present draws the whole window, the bars too.
  SDL_SetRenderDrawColor(w.renderer.get(), 0, 0, 0, 255);
  SDL_RenderClear(w.renderer.get());
  SDL_RenderCopy(w.renderer.get(), w.texture.get(), nullptr, &dst);
  SDL_RenderPresent(w.renderer.get());
  w.needsFull = false;
}

int64_t SdlDisplay::RefreshPeriodUs() const {
  // The slowest monitor shown on decides; 60 Hz where none says.
  int hz = 0;
  for (const Window& w : windows_) {
    SDL_DisplayMode mode{};
    const int index = SDL_GetWindowDisplayIndex(w.window);
    if (index >= 0 && SDL_GetCurrentDisplayMode(index, &mode) == 0 && mode.refresh_rate > 0)
      hz = hz ? std::min(hz, mode.refresh_rate) : mode.refresh_rate;
  }
  return 1000000 / (hz > 0 ? hz : 60);
}

}  // namespace gs
