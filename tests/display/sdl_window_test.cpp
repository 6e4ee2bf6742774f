// The display in real windows under Xvfb at 1920 x 1080.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "display/sdl/sdl_display.h"
// After gtest: Xlib defines macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace gs {
namespace {

struct Counter : DisplayEvents {
  int frames = 0, keys = 0, moves = 0, downs = 0;
  std::function<void()> onFrame;
  void Frame() override {
    ++frames;
    if (onFrame) onFrame();
  }
  void KeyDown(int16_t, int16_t) override { ++keys; }
  void MouseDown(int16_t, int16_t, int32_t, int32_t) override { ++downs; }
  void MouseMove(int16_t, int16_t, int32_t, int32_t) override { ++moves; }
};

// A pixel of a window (the screen's root by default), the top five bits of
// each channel: colours come through 16 bits.
unsigned long ScreenPixel(int x, int y, Window w = 0) {
  ::Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) return ~0ul;
  XImage* img = XGetImage(dpy, w ? w : DefaultRootWindow(dpy), x, y, 1, 1, AllPlanes, ZPixmap);
  unsigned long p = img ? XGetPixel(img, 0, 0) & 0xf8f8f8 : ~0ul;
  if (img) XDestroyImage(img);
  XCloseDisplay(dpy);
  return p;
}

// A display in our own full-screen window, fed by a real-time loop.
class WindowedDisplay : public ::testing::Test {
 protected:
  void Open(SdlDisplay::Options options = {}) {
    d.emplace(loop.clock(), std::move(options));
    d->Attach(loop, ev);
    ASSERT_TRUE(d->OpenDisplay(800, 600, 16, ""));
    start = clock.MonotonicUs();
  }
  // Runs the loop for `us` from the opening, calling `poll` every millisecond.
  void RunFor(int64_t us, std::function<void(int64_t sinceOpen)> poll = nullptr) {
    loop.AddTimer(1000, [this, us, poll] {
      const int64_t since = clock.MonotonicUs() - start;
      if (poll) poll(since);
      if (since > us) loop.Quit(0);
    });
    loop.Run();
  }
  SystemClock clock;
  EventLoop loop{clock};
  Counter ev;
  std::optional<SdlDisplay> d;
  int64_t start = 0;
};

// The window covers the screen, the picture is scaled with black bars, and
// the window appearing produces no movement.
TEST_F(WindowedDisplay, PresentsScaledWithBarsAndGivesFramesAndInput) {
  Open();
  d->ClearFrame(Rgb(255, 0, 0));
  d->PresentFrame();
  RunFor(1000000);
  // 150 a second, never more (a busy machine may deliver fewer).
  EXPECT_GE(ev.frames, 50);
  EXPECT_LE(ev.frames, (clock.MonotonicUs() - start) * 150 / 1000000 + 2);
  EXPECT_EQ(ev.moves, 0);
  d->PresentFrame();
  EXPECT_EQ(ScreenPixel(960, 540), 0xf80000u);
  // 1440 wide picture, 240 px bars, ending exactly where it starts.
  for (auto [px, red] : {std::pair{100, false}, {239, false}, {240, true}, {1679, true}, {1680, false}, {1919, false}})
    EXPECT_EQ(ScreenPixel(px, 0), red ? 0xf80000u : 0u) << "x=" << px;
}

// A touch is one button press: the mouse press and movement SDL makes of it
// do not count again, while the mouse's own movement still does.
TEST_F(WindowedDisplay, ATouchCountsOnceAsAButton) {
  Open();
  bool pushed = false;
  RunFor(1000000, [&](int64_t since) {
    // After the quiet time of a window appearing.
    if (pushed || since < 700000) return;
    pushed = true;
    SDL_Event e{};
    e.type = SDL_FINGERDOWN;
    SDL_PushEvent(&e);
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.which = SDL_TOUCH_MOUSEID;
    e.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&e);
    e = SDL_Event{};
    e.type = SDL_MOUSEMOTION;
    e.motion.which = SDL_TOUCH_MOUSEID;
    e.motion.xrel = 30;
    SDL_PushEvent(&e);
    e.motion.which = 0;
    SDL_PushEvent(&e);
  });
  EXPECT_EQ(ev.downs, 1);
  EXPECT_EQ(ev.moves, 1);
}

// Presents after the first send only what was drawn and differs: a later
// full clear, a sprite hanging off the top left corner and a frame that
// redraws the same picture must all reach the screen exactly.
TEST(WindowedDisplayPresents, IncrementalPresentsKeepTheScreenExact) {
  SimClock clock;
  SdlDisplay d(clock, SdlDisplay::Options{});
  // A refresh apart, so that each present goes out at once.
  auto present = [&] {
    clock.Advance(20000);
    d.PresentFrame();
  };
  ASSERT_TRUE(d.OpenDisplay(800, 600, 16, ""));
  const std::string bmp = (std::filesystem::temp_directory_path() / "gs_window_test_sprite.bmp").string();
  SDL_Surface* pic = SDL_CreateRGBSurfaceWithFormat(0, 40, 40, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(pic, nullptr);
  SDL_FillRect(pic, nullptr, SDL_MapRGB(pic->format, 0, 0, 255));
  ASSERT_EQ(SDL_SaveBMP(pic, bmp.c_str()), 0);
  SDL_FreeSurface(pic);
  int32_t sprite = d.CreateSprite();
  d.LoadSpriteFrame(sprite, 1, bmp, -2);
  std::filesystem::remove(bmp);

  d.ClearFrame(Rgb(255, 0, 0));
  present();
  d.ClearFrame(Rgb(0, 255, 0));
  present();
  // 1440 x 1080 picture at x 240, scale 1.8.
  EXPECT_EQ(ScreenPixel(960, 540), 0x00f800u);
  EXPECT_EQ(ScreenPixel(1670, 1070), 0x00f800u);

  d.SetSpriteX(sprite, -20);
  d.SetSpriteY(sprite, -20);
  d.DrawSprite(sprite);  // shows 20 x 20 at the corner
  present();
  EXPECT_EQ(ScreenPixel(240 + 10, 10), 0x0000f8u);
  EXPECT_EQ(ScreenPixel(240 + 50, 50), 0x00f800u);

  d.ClearFrame(Rgb(0, 255, 0));  // the sprite goes, the rest is as it was
  d.SetSpriteX(sprite, 780);
  d.SetSpriteY(sprite, 580);
  d.DrawSprite(sprite);
  present();
  EXPECT_EQ(ScreenPixel(240 + 10, 10), 0x00f800u);
  EXPECT_EQ(ScreenPixel(240 + 1430, 1070), 0x0000f8u);
  EXPECT_EQ(ScreenPixel(240 + 1380, 1020), 0x00f800u);
}

// Frame events that each change the picture reach the screen at most once
// per refresh (60 Hz where the server does not say), and the last one,
// held back, goes out at the next refresh although nothing follows it.
TEST_F(WindowedDisplay, PresentsAtMostOncePerRefresh) {
  int64_t sent = 0, fortiethUs = 0;
  ev.onFrame = [&] {
    if (ev.frames > 40) return;
    d->ClearFrame(ev.frames % 2 ? Rgb(255, 0, 0) : Rgb(0, 0, 255));
    d->PresentFrame();
    sent = d->PresentCount();
    if (ev.frames == 40) fortiethUs = clock.MonotonicUs() - start;
  };
  Open();
  RunFor(1500000);
  ASSERT_GE(ev.frames, 40);
  EXPECT_LE(sent, fortiethUs / 16000 + 1);
  EXPECT_LE(d->PresentCount(), sent + 1);
  EXPECT_EQ(ScreenPixel(960, 540), 0x0000f8u);  // frame 40's blue
}

}  // namespace
}  // namespace gs
