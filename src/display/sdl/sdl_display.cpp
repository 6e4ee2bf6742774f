#include "display/sdl/sdl_display.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "display/frame_events.h"
#include "display/sdl/picture_file.h"
#include "display/sdl/utf8_sanitise.h"

namespace gs {

namespace {

constexpr uint32_t kMagenta565 = 0xF81F;
// Synthetic motion comes with a window appearing or being entered.
constexpr int64_t kInputQuietUs = 500000;

std::string ResolveFontFile(const std::string& face) {
  std::string result;
  if (!FcInit()) return result;
  for (const std::string& name : {face, std::string("sans-serif")}) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(name.c_str()));
    if (!pat) continue;
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    FcChar8* file = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
      result = reinterpret_cast<const char*>(file);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pat);
    if (!result.empty()) break;
  }
  return result;
}

// Whether a window manager runs on the window's screen: only one honours a
// full-screen request, and SDL waits for the answer to one.
bool WindowManagerRunning(SDL_Window* w) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  ::Display* x = info.info.x11.display;
  Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == 0) return false;
  Atom type = 0;
  int format = 0;
  unsigned long n = 0, after = 0;
  unsigned char* data = nullptr;
  bool found = XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type, &format, &n, &after,
                                  &data) == Success &&
               type == XA_WINDOW && n == 1;
  if (data) XFree(data);
  return found;
}

SDL_Color ToSdlColour(int32_t c) {
  return SDL_Color{static_cast<Uint8>(c & 0xff), static_cast<Uint8>((c >> 8) & 0xff),
                   static_cast<Uint8>((c >> 16) & 0xff), 255};
}

}  // namespace

SdlDisplay::SdlDisplay(const Clock& clock, Options options)
    : clock_(clock), options_(std::move(options)), sprites_(clock) {
  compose_.reset(SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 16, SDL_PIXELFORMAT_RGB565));
  if (compose_) SDL_FillRect(compose_.get(), nullptr, 0);
  if (TTF_Init() == 0) ttfUp_ = true;
}

SdlDisplay::~SdlDisplay() {
  texts_.Clear();
  for (auto& [key, font] : fonts_) TTF_CloseFont(font);
  fonts_.clear();
  if (ttfUp_) TTF_Quit();
  pictures_.clear();
  decoded_.clear();
  for (Window& w : windows_)
    if (w.owned && w.window) SDL_DestroyWindow(w.window);
  windows_.clear();
  if (videoUp_) {
    SDL_ShowCursor(SDL_ENABLE);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
}

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
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
  if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) return false;
  cairo_surface_flush(img);
  unsigned char* data = cairo_image_surface_get_data(img);
  int stride = cairo_image_surface_get_stride(img);
  for (int y = 0; y < kH; ++y) {
    const uint16_t* src = reinterpret_cast<const uint16_t*>(static_cast<const uint8_t*>(compose_->pixels) +
                                                            y * compose_->pitch);
    uint32_t* dst = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < kW; ++x) {
      uint32_t p = src[x];
      uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
      dst[x] = ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
    }
  }
  cairo_surface_mark_dirty(img);
  bool ok = cairo_surface_write_to_png(img, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(img);
  return ok;
}

void SdlDisplay::Attach(EventLoop& loop, DisplayEvents& events) {
  events_ = &events;
  AddFrameTimer(loop, events, [this] { return open_; });
  if (!options_.headless) loop.AddSource(this);
}

bool SdlDisplay::OpenDisplay(int32_t, int32_t, int32_t, const std::string&) {
  if (open_) return true;
  if (!compose_) return false;
  if (options_.headless) {
    open_ = true;
    return true;
  }
  // The plain window surface (XShm) costs far less than a renderer on
  // machines without a GPU.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // An X11 saver: without an X display there is nothing to cover, and a
  // console or offscreen driver must not pretend otherwise.
  if (!getenv("SDL_VIDEODRIVER")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  if (options_.hostWindow) host_ = std::make_unique<X11HostWindow>(options_.hostWindow);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  videoUp_ = true;
  // Hidden before any window shows, so it never flashes over the show.
  SDL_ShowCursor(options_.showPointer ? SDL_ENABLE : SDL_DISABLE);
  if (!OpenWindows()) return false;
  presented_.reset(SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 16, SDL_PIXELFORMAT_RGB565));
  wide_.reset(SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 32, SDL_PIXELFORMAT_XRGB8888));
  if (!presented_ || !wide_) return false;
  inputQuietUntilUs_ = clock_.MonotonicUs() + kInputQuietUs;
  refreshUs_ = RefreshPeriodUs();
  open_ = true;
  return true;
}

bool SdlDisplay::OpenWindows() {
  if (options_.hostWindow) {
    SDL_Window* w = SDL_CreateWindowFrom(reinterpret_cast<void*>(static_cast<uintptr_t>(options_.hostWindow)));
    if (!w) return false;
    host_->Watch(w);
    windows_.push_back(Window{w, false, true});
    return true;
  }
  CoverEveryMonitor();
  return !windows_.empty();
}

void SdlDisplay::CoverEveryMonitor() {
  const int displays = std::max(1, SDL_GetNumVideoDisplays());
  for (int i = 0; i < displays; ++i) {
    SDL_Rect bounds{0, 0, kW, kH};
    if (SDL_GetDisplayBounds(i, &bounds) != 0) bounds = SDL_Rect{0, 0, kW, kH};
    // A monitor plugged in again may still have its window.
    const SDL_Point centre{bounds.x + bounds.w / 2, bounds.y + bounds.h / 2};
    bool covered = false;
    for (const Window& w : windows_) {
      SDL_Rect r{};
      SDL_GetWindowPosition(w.window, &r.x, &r.y);
      SDL_GetWindowSize(w.window, &r.w, &r.h);
      covered |= SDL_PointInRect(&centre, &r) == SDL_TRUE;
    }
    if (covered) continue;
    // Borderless over the monitor first; full screen only where a window
    // manager will grant it (and keep panels below it).
    SDL_Window* w = SDL_CreateWindow("Gobbleshot", bounds.x, bounds.y, bounds.w, bounds.h,
                                     SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP);
    if (!w) continue;
    if (WindowManagerRunning(w)) SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
    windows_.push_back(Window{w, true, true});
  }
}

void SdlDisplay::LoadSpriteFrame(int32_t id, int32_t frame, const std::string& path, int32_t keyMode) {
  if (!sprites_.Exists(id) || frame < 1) return;
  sprites_.NoteFrameLoaded(id, frame);
  const bool keyed = keyMode == kKeyTransparent;
  SharedSurface& pic = decoded_[{path, keyed}];
  if (!pic) {
    Surface loaded(LoadPictureFile(path));
    if (!loaded) return;  // a frame without a picture draws nothing
    pic.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB565, 0), SurfaceFree{});
    if (!pic) return;
    if (keyed) SDL_SetColorKey(pic.get(), SDL_TRUE, kMagenta565);
    SDL_SetSurfaceRLE(pic.get(), keyed ? 1 : 0);
  }
  pictures_[id][frame] = pic;
}

void SdlDisplay::DrawSprite(int32_t id) {
  const SpriteTable::Sprite* s = sprites_.Find(id);
  if (!s || !compose_) return;
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
}

TTF_Font* SdlDisplay::FontFor(const std::string& face, int cellHeight) {
  static std::map<std::string, std::string> resolved;
  auto r = resolved.find(face);
  if (r == resolved.end()) r = resolved.emplace(face, ResolveFontFile(face)).first;
  if (r->second.empty() || !ttfUp_) return nullptr;
  auto key = std::make_pair(r->second, cellHeight);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  TTF_Font* font = TTF_OpenFont(r->second.c_str(), cellHeight);
  if (!font) return nullptr;
  // SDL_ttf sizes a font by its em; the cell (ascent + descent) is taller,
  // so step down to the largest em whose cell fits.
  for (int em = cellHeight; em > 1 && TTF_FontHeight(font) > cellHeight;) TTF_SetFontSize(font, --em);
  fonts_[key] = font;
  return font;
}

// The size is the height of the font's cell in pixels, as a Windows font
// height of +size is: lines drawn that far apart do not overlap.
void SdlDisplay::SetTextFont(const std::string& face, int32_t size, int32_t, bool, bool, bool) {
  font_ = FontFor(face.empty() ? std::string("sans-serif") : face, std::clamp<int32_t>(size, 1, 200));
}

void SdlDisplay::DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) {
  if (!font_ || !compose_ || text.empty() || x >= kW || y >= kH) return;
  SDL_Surface* s = texts_.Get(text, font_, colour, kW - x);
  if (!s) return;
  ApplyPendingClear();
  SDL_Rect dst{x, y, s->w, s->h};
  Touch(dst);
  SDL_BlitSurface(s, nullptr, compose_.get(), &dst);
}

void SdlDisplay::Poll(int64_t maxWaitUs) {
  SDL_Event e;
  if (!videoUp_) {
    if (maxWaitUs > 0) SDL_Delay(static_cast<Uint32>(maxWaitUs / 1000));
    return;
  }
  PresentIfDue();
  if (maxWaitUs > 0) {
    // Rounded up: waking a little early would only mean waking twice.
    if (SDL_WaitEventTimeout(&e, static_cast<int>(std::max<int64_t>(1, (maxWaitUs + 999) / 1000)))) Dispatch(e);
  }
  while (SDL_PollEvent(&e)) Dispatch(e);
  if (host_ && X11HostWindow::Gone() && options_.onQuit) options_.onQuit();
  if (host_ && host_->RepaintDue(clock_.MonotonicUs())) {
    for (Window& w : windows_) w.needsFull = true;
    if (presented_ && wide_) presentPending_ = true;
  }
  PresentIfDue();
}

void SdlDisplay::Dispatch(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      if (options_.onQuit) options_.onQuit();
      return;
    case SDL_SYSWMEVENT:
      // The host destroyed its window: the show has nowhere to go.
      if (host_ && host_->IsGoneEvent(e) && options_.onQuit) options_.onQuit();
      return;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_EXPOSED ||
          e.window.event == SDL_WINDOWEVENT_SHOWN || e.window.event == SDL_WINDOWEVENT_RESTORED) {
        for (Window& w : windows_)
          if (SDL_GetWindowID(w.window) == e.window.windowID) w.needsFull = true;
        // Redrawn at the next refresh, not only with the next change.
        if (presented_ && wide_) presentPending_ = true;
        if (host_) host_->NoteExposed(clock_.MonotonicUs());
      }
      // A window destroyed while mapped is unmapped first.
      if (host_ && e.window.event == SDL_WINDOWEVENT_HIDDEN) host_->CheckStillThere();
      if (e.window.event == SDL_WINDOWEVENT_SHOWN || e.window.event == SDL_WINDOWEVENT_ENTER)
        inputQuietUntilUs_ = clock_.MonotonicUs() + kInputQuietUs;
      return;
    case SDL_DISPLAYEVENT:
      // A monitor plugged in while the show runs is covered too.
      if (e.display.event == SDL_DISPLAYEVENT_CONNECTED && !options_.hostWindow) {
        CoverEveryMonitor();
        inputQuietUntilUs_ = clock_.MonotonicUs() + kInputQuietUs;
      }
      return;
    case SDL_KEYDOWN:
      if (!e.key.repeat && events_) events_->KeyDown(static_cast<int16_t>(e.key.keysym.scancode), 0);
      return;
    case SDL_MOUSEBUTTONDOWN:
      if (events_) events_->MouseDown(e.button.button, 0, e.button.x, e.button.y);
      return;
    case SDL_MOUSEMOTION:
      if (e.motion.xrel == 0 && e.motion.yrel == 0) return;
      if (clock_.MonotonicUs() < inputQuietUntilUs_) return;
      if (events_) events_->MouseMove(0, 0, e.motion.x, e.motion.y);
      return;
    default:
      return;
  }
}

}  // namespace gs
