// SdlDisplay: its life cycle and its windows.
#include "display/sdl/sdl_display.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "display/frame_events.h"
#include "display/sdl/video_drivers.h"
#include "display/sdl/window_manager_probe.h"
#include "display/sdl/x11_gone_window_messages.h"

namespace gs {

SdlDisplay::SdlDisplay(const Clock& clock, Options options)
    : clock_(clock), options_(std::move(options)), sprites_(clock) {
  compose_.reset(SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 16, SDL_PIXELFORMAT_RGB565));
  if (compose_) SDL_FillRect(compose_.get(), nullptr, 0);
  if (TTF_Init() == 0) ttfUp_ = true;
}

SdlDisplay::~SdlDisplay() {
  textsOnFrame_.clear();
  texts_.Clear();
  fonts_.clear();
  if (ttfUp_) TTF_Quit();
  pictures_.clear();
  decoded_.clear();
  windows_.clear();
  if (videoUp_) {
    SDL_ShowCursor(SDL_ENABLE);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
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
  // machines without a GPU. (Wayland has no such surface: there each window
  // has a renderer, on EGL, in software where there is no GPU.)
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // Power saving is the user's and the desktop's: left to itself SDL would
  // hold off the server's screen saver and monitor power saving, and tell
  // the desktop's screen-saver services that a game is being played.
  SDL_SetHintWithPriority(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1", SDL_HINT_OVERRIDE);
  IgnoreMessagesToGoneWindows();
  if (options_.hostWindow) host_ = X11HostWindow::For(options_.hostWindow);
  bool up = false;
  for (const std::string& driver : VideoDriversToTry(std::getenv("SDL_VIDEODRIVER"), std::getenv("WAYLAND_DISPLAY"),
                                                     std::getenv("DISPLAY"), options_.hostWindow != 0))
    if ((up = StartVideo(driver))) break;
  if (!up) return false;
  // A host window gone during the start leaves nothing to watch.
  if (!windows_.empty()) watch_.Start(windows_.front().window, audience_);
  WatchNewWindows();
  presented_.reset(SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 16, SDL_PIXELFORMAT_RGB565));
  wide_.reset(SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 32, SDL_PIXELFORMAT_XRGB8888));
  if (!presented_ || !wide_) return false;
  inputQuietUntilUs_ = clock_.MonotonicUs() + kInputQuietUs;
  refreshUs_ = RefreshPeriodUs();
  open_ = true;
  return true;
}

bool SdlDisplay::StartVideo(const std::string& driver) {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.c_str());
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  videoUp_ = true;
  const char* current = SDL_GetCurrentVideoDriver();
  wayland_ = current && std::strcmp(current, "wayland") == 0;
  // Hidden before any window shows, so it never flashes over the show.
  SDL_ShowCursor(options_.showPointer ? SDL_ENABLE : SDL_DISABLE);
  // No window (on Wayland, also none with a renderer to draw with): then the
  // next driver gets its chance.
  if (OpenWindows()) return true;
  windows_.clear();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  videoUp_ = wayland_ = false;
  return false;
}

bool SdlDisplay::OpenWindows() {
  if (options_.hostWindow) {
    // A host may take its window away at any moment of our start: then
    // there is nothing to draw into, and the first poll ends the show.
    if (X11HostWindow::GoneNow()) return true;
    SDL_Window* w = SDL_CreateWindowFrom(reinterpret_cast<void*>(static_cast<uintptr_t>(options_.hostWindow)));
    if (!w) return X11HostWindow::GoneNow();
    host_->Watch(w);
    windows_.push_back(Window(w));
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
    if (wayland_) {
      CoverOutput(i, bounds);
      continue;
    }
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
    UniqueWindow w(SDL_CreateWindow("Gobbleshot", bounds.x, bounds.y, bounds.w, bounds.h,
                                    SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP));
    if (!w) continue;
    if (WindowManagerRunning(w.get())) SDL_SetWindowFullscreen(w.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
    windows_.emplace_back(std::move(w));
  }
}

namespace {

// Names alone may repeat (two monitors of one model) and places alone too
// (mirrored outputs); both together tell outputs apart.
std::string OutputKey(int display, const SDL_Rect& bounds) {
  const char* name = SDL_GetDisplayName(display);
  return std::string(name ? name : "") + " at " + std::to_string(bounds.x) + "," + std::to_string(bounds.y);
}

}  // namespace

void SdlDisplay::CoverOutput(int display, const SDL_Rect& bounds) {
  const std::string output = OutputKey(display, bounds);
  for (const Window& w : windows_)
    if (w.output == output) return;
  // Full screen from the start: a window shown first and made full screen
  // after would flash and push the output's other windows about.
  UniqueWindow w(SDL_CreateWindow("Gobbleshot", SDL_WINDOWPOS_UNDEFINED_DISPLAY(display),
                                  SDL_WINDOWPOS_UNDEFINED_DISPLAY(display), bounds.w, bounds.h,
                                  SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP));
  if (!w) return;
  Window made(std::move(w));
  made.output = output;
  // The frame goes up at its own size and the renderer scales it: SDL's
  // stand-in for a window surface would send the whole scaled window up on
  // every present.
  made.renderer.reset(SDL_CreateRenderer(made.window, -1, 0));
  if (made.renderer)
    made.texture.reset(
        SDL_CreateTexture(made.renderer.get(), SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING, kW, kH));
  if (made.texture) windows_.push_back(std::move(made));
}

void SdlDisplay::CloseWindow(Window& w) {
  w.texture.reset();
  w.renderer.reset();
  w.own.reset();
  w.window = nullptr;
}

void SdlDisplay::CloseWindowsOfGoneOutputs() {
  std::vector<std::string> outputs;
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(i, &bounds) == 0) outputs.push_back(OutputKey(i, bounds));
  }
  // The compositor moves the window of an output unplugged somewhere out of
  // sight, where it would only cost drawing; the last window stays.
  // (Called after the outputs without a window have got one.)
  for (auto it = windows_.begin(); it != windows_.end() && windows_.size() > 1;) {
    if (it->Owned() && std::find(outputs.begin(), outputs.end(), it->output) == outputs.end()) {
      CloseWindow(*it);
      it = windows_.erase(it);
    } else {
      ++it;
    }
  }
}

void SdlDisplay::KeepScreenAwake() {
  // On Wayland SDL asks the compositor not to idle while the windows show
  // (or the desktop's screen-saver service, where it has one); the hold ends
  // with the process.
  if (wayland_) {
    // What the desktop's service may show as the reason, rather than SDL's
    // "Playing a game".
    SDL_SetHint(SDL_HINT_SCREENSAVER_INHIBIT_ACTIVITY_NAME, "Showing the Gobbleshot1 screen saver");
    SDL_DisableScreenSaver();
  } else {
    watch_.KeepScreenAwake();
  }
}

void SdlDisplay::WatchNewWindows() {
  for (Window& w : windows_)
    if (w.xid == 0) w.xid = watch_.Watch(w.window);
}

}  // namespace gs
