#pragma once
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "display/audience.h"
#include "display/display.h"
#include "display/sdl/sdl_handles.h"
#include "display/sdl/text_images.h"
#include "display/sdl/x11_host_window.h"
#include "display/sdl/x11_screen_watch.h"
#include "display/sprite_table.h"
#include "platform/event_loop.h"

namespace gs {

// The display on SDL2: an 800 x 600 RGB565 composition surface that persists
// between frames, presented scaled (aspect kept) into a borderless
// full-screen-desktop window on every monitor (X11 or Wayland), or into a
// window of a screen-saver host. The monitor's mode is never changed.
class SdlDisplay : public Display, private EventSource {
 public:
  struct Options {
    bool headless = false;         // compose only: no window, no input
    unsigned long hostWindow = 0;  // X11 window to draw into instead of our own
    bool showPointer = false;
    std::function<void()> onQuit;  // SDL_QUIT (SIGTERM, SIGINT, window closed)
  };

  SdlDisplay(const Clock& clock, Options options);
  ~SdlDisplay() override;
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;

  // The composed frame, 800 x 600 RGB565.
  const uint16_t* ComposedPixels() const;
  int ComposedPitchBytes() const;
  bool WriteComposedPng(const std::string& path) const;
  // Windows presented to (one per monitor, or the host's).
  int WindowCount() const { return static_cast<int>(windows_.size()); }
  // Composed frames sent to the windows so far.
  int64_t PresentCount() const { return presentCount_; }
  // Whether anyone can see the show (see DisplayEvents::SeenChanged).
  bool Seen() const { return seen_; }
  // Keeps the monitors on, and the X server's screen saver or the Wayland
  // session's idling off, for as long as the process lives; once the
  // display is open.
  void KeepScreenAwake();

  void Attach(EventLoop& loop, DisplayEvents& events) override;
  bool OpenDisplay(int32_t width, int32_t height, int32_t depth, const std::string& text) override;
  int32_t CreateSprite() override { return sprites_.Create(); }
  void LoadSpriteFrame(int32_t id, int32_t frame, const std::string& path, int32_t keyMode) override;
  void SetSpriteX(int32_t id, int32_t x) override { sprites_.SetX(id, x); }
  void SetSpriteY(int32_t id, int32_t y) override { sprites_.SetY(id, y); }
  int32_t GetSpriteX(int32_t id) override { return sprites_.X(id); }
  int32_t GetSpriteY(int32_t id) override { return sprites_.Y(id); }
  void MoveSpriteX(int32_t id, int32_t d) override { sprites_.MoveX(id, d); }
  void MoveSpriteY(int32_t id, int32_t d) override { sprites_.MoveY(id, d); }
  void SetSpriteFrame(int32_t id, int32_t frame) override { sprites_.SetFrame(id, frame); }
  int32_t GetSpriteFrame(int32_t id) override { return sprites_.Frame(id); }
  void SetFrameInterval(int32_t id, int32_t ms) override { sprites_.SetInterval(id, ms); }
  bool FrameDue(int32_t id) override { return sprites_.FrameDue(id); }
  void NextFrame(int32_t id) override { sprites_.NextFrame(id); }
  void DrawSprite(int32_t id) override;
  void ClearFrame(int32_t colour) override;
  void SetTextFont(const std::string& face, int32_t size, int32_t style, bool bold, bool italic,
                   bool underline) override;
  void DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) override;
  void PresentFrame() override;

 private:
  static constexpr int kW = 800;  // the composed frame
  static constexpr int kH = 600;
  // Synthetic motion comes with a window appearing or being entered.
  static constexpr int64_t kInputQuietUs = 500000;
  // Its members go last first: the texture, the renderer, then the window.
  struct Window {
    explicit Window(UniqueWindow ours) : own(std::move(ours)), window(own.get()) {}
    explicit Window(SDL_Window* hosts) : window(hosts) {}
    // Ours, or a host's window that SDL adopted, which SDL's video
    // subsystem lets go of when it ends (the host may have destroyed it).
    UniqueWindow own;
    SDL_Window* window = nullptr;  // own's, or the host's
    bool needsFull = true;
    unsigned long xid = 0;  // 0 until its covering is watched
    std::string output;     // on Wayland: the output it was made full screen on
    // On Wayland, which has no plain window surface: the frame as a texture,
    // scaled by the renderer.
    UniqueRenderer renderer;
    UniqueTexture texture;
    bool Owned() const { return own != nullptr; }
  };
  // Lets go of w's texture, renderer and window, in that order, before w is
  // erased: moving the next window over it would free its window first.
  static void CloseWindow(Window& w);

  void Poll(int64_t maxWaitUs) override;
  int64_t WakeDeadline() const override;
  void Dispatch(const SDL_Event& e);
  // Sends what changed since the last present to the windows.
  void PresentNow();
  void PresentIfDue();
  int64_t RefreshPeriodUs() const;
  // Starts SDL's video on one driver with the windows on it; false, and
  // nothing left started, when either fails.
  bool StartVideo(const std::string& driver);
  bool OpenWindows();
  void CoverEveryMonitor();
  // Wayland: one full-screen window per output, by the output's name and
  // place, since Wayland windows have no position of their own.
  void CoverOutput(int display, const SDL_Rect& bounds);
  void CloseWindowsOfGoneOutputs();
  void WatchNewWindows();
  // Tells the events when nobody can see the show any more, or someone can
  // again, and redraws everything then.
  void UpdateAudience();
  // Real time for the monitor probe, which must go on while the show rests.
  static int64_t RealUs();
  // Where the picture goes in a window of this size, and at what scale.
  struct Fit {
    double scale;
    SDL_Rect picture;
  };
  static Fit FitInto(int width, int height);
  void PresentTo(Window& w, const SDL_Rect& changed, bool full);
  void PresentThroughRenderer(Window& w, const SDL_Rect& changed, bool full);
  TTF_Font* FontFor(const std::string& face, int cellHeight);
  // A clear is held back until something needs the pixels under it, so that
  // a clear followed by a full-screen opaque picture costs one copy, not two.
  void ApplyPendingClear() const;
  // Notes pixels the program wrote, so that a present compares only those.
  void Touch(const SDL_Rect& r) const;
  // The first drawing after a present takes the last frame's texts off
  // again (see TextOnFrame).
  void BeginDrawing();
  void LiftTexts();

  const Clock& clock_;
  Options options_;
  SpriteTable sprites_;
  UniqueSurface compose_;    // RGB565, what the program draws into
  UniqueSurface presented_;  // RGB565 copy of what is on screen
  UniqueSurface wide_;       // XRGB8888 staging for scaling into the windows
  std::unordered_map<int32_t, std::map<int32_t, SharedSurface>> pictures_;
  // Decoded files by path and keying: many sprites share a picture, and each
  // copy would cost start-up time and memory.
  std::map<std::pair<std::string, bool>, SharedSurface> decoded_;
  std::vector<Window> windows_;
  std::shared_ptr<X11HostWindow> host_;  // set when drawing into a host's window
  X11ScreenWatch watch_;
  Audience audience_{&watch_};
  bool seen_ = true;
  bool shownProbePending_ = false;
  std::map<std::pair<std::string, int>, UniqueFont> fonts_;
  TTF_Font* font_ = nullptr;
  TextImages texts_;
  // A text drawn on this frame, with what lay under its halo. Between scene
  // frames only the overlays are drawn again, over the frame as it stands:
  // a clock whose digits change would show the new digits over the old. So
  // the texts are taken off (what lay under them put back, last drawn
  // first) before anything of the next frame is drawn.
  struct TextOnFrame {
    std::shared_ptr<const TextPicture> picture;
    SDL_Rect ink{};   // where its letters went
    SDL_Rect area{};  // its halo, clipped to the frame
    UniqueSurface under;  // the pixels of area before it was drawn
  };
  static constexpr size_t kMaxTextsOnFrame = 16;
  std::vector<TextOnFrame> textsOnFrame_;  // the first textCount_ are on the frame
  size_t textCount_ = 0;
  bool presentedSinceDrawing_ = false;
  DisplayEvents* events_ = nullptr;
  bool videoUp_ = false;
  bool wayland_ = false;  // on SDL's Wayland driver
  bool ttfUp_ = false;
  bool open_ = false;
  bool everPresented_ = false;
  int64_t inputQuietUntilUs_ = 0;
  mutable bool clearPending_ = false;
  uint32_t clearPixel_ = 0;
  mutable SDL_Rect touched_{0, 0, 0, 0};  // written since the last present
  // A frame reaches the screen at most once per refresh of the monitors; a
  // present asked for sooner waits for the next refresh.
  int64_t refreshUs_ = 0;
  int64_t lastPresentUs_ = 0;
  bool presentPending_ = false;
  int64_t presentCount_ = 0;
};

}  // namespace gs
