#pragma once
#include <cstdint>
#include <string>

namespace gs {

class EventLoop;

// Colours are RGB Longs: red in the low byte, then green, then blue.
constexpr int32_t Rgb(int r, int g, int b) { return (r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16); }

// Key modes of LoadSpriteFrame.
constexpr int32_t kKeyTransparent = -1;  // pure magenta RGB(255, 0, 255) does not show
constexpr int32_t kKeyOpaque = -2;

// Events the display raises on the loop's thread.
class DisplayEvents {
 public:
  virtual ~DisplayEvents() = default;
  virtual void Frame() = 0;
  virtual void KeyDown(int16_t keyCode, int16_t shift) = 0;
  virtual void MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) = 0;
  virtual void MouseMove(int16_t button, int16_t shift, int32_t x, int32_t y) = 0;
  // How many of the next Frame events would change nothing on the screen if
  // nothing else happened in between, so that they need not run on time.
  virtual int64_t QuietFramesAhead() const { return 0; }
  // Nobody can see the show any more (false: the X server's screen saver is
  // on, the monitors sleep, or every window is unmapped or covered), or
  // someone can again (true). The display presents nothing in between.
  virtual void SeenChanged(bool /*seen*/) {}
};

// The full-screen sprite display. Sprite ids, frame numbers and coordinates
// are Longs; the screen is 800 x 600 with its origin at the top left. No call
// fails or throws: unknown ids, missing files and absurd values are harmless.
class Display {
 public:
  virtual ~Display() = default;

  // Wires the display into the loop: Frame at kFrameEventsPerSecond from a
  // loop timer (no catch-up burst after a stall) and input through a loop
  // source.
  virtual void Attach(EventLoop& loop, DisplayEvents& events) = 0;

  virtual bool OpenDisplay(int32_t width, int32_t height, int32_t depth, const std::string& text) = 0;
  virtual int32_t CreateSprite() = 0;
  virtual void LoadSpriteFrame(int32_t id, int32_t frame, const std::string& path, int32_t keyMode) = 0;
  virtual void SetSpriteX(int32_t id, int32_t x) = 0;
  virtual void SetSpriteY(int32_t id, int32_t y) = 0;
  virtual int32_t GetSpriteX(int32_t id) = 0;
  virtual int32_t GetSpriteY(int32_t id) = 0;
  // x := x + d; y := y - d (a positive d moves up).
  virtual void MoveSpriteX(int32_t id, int32_t d) = 0;
  virtual void MoveSpriteY(int32_t id, int32_t d) = 0;
  virtual void SetSpriteFrame(int32_t id, int32_t frame) = 0;
  virtual int32_t GetSpriteFrame(int32_t id) = 0;
  virtual void SetFrameInterval(int32_t id, int32_t ms) = 0;
  virtual bool FrameDue(int32_t id) = 0;
  virtual void NextFrame(int32_t id) = 0;
  virtual void DrawSprite(int32_t id) = 0;
  virtual void ClearFrame(int32_t colour) = 0;
  virtual void SetTextFont(const std::string& face, int32_t size, int32_t style, bool bold, bool italic,
                           bool underline) = 0;
  virtual void DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) = 0;
  virtual void PresentFrame() = 0;
};

}  // namespace gs
