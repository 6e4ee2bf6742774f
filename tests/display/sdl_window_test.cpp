#include <gtest/gtest.h>

#include "display/sdl/sdl_display.h"
// After gtest: Xlib defines macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace gs {
namespace {

struct Counter : DisplayEvents {
  int frames = 0, keys = 0, moves = 0;
  void Frame() override { ++frames; }
  void KeyDown(int16_t, int16_t) override { ++keys; }
  void MouseDown(int16_t, int16_t, int32_t, int32_t) override {}
  void MouseMove(int16_t, int16_t, int32_t, int32_t) override { ++moves; }
};

// Under Xvfb at 1920 x 1080: the window covers the screen, the picture is
// scaled with black bars, and the window appearing produces no movement.
TEST(WindowedDisplay, PresentsScaledWithBarsAndGivesFramesAndInput) {
  SystemClock clock;
  EventLoop loop(clock);
  Counter ev;
  SdlDisplay d(clock, SdlDisplay::Options{});
  d.Attach(loop, ev);
  ASSERT_TRUE(d.OpenDisplay(800, 600, 16, ""));
  d.ClearFrame(Rgb(255, 0, 0));
  d.PresentFrame();
  int64_t end = clock.MonotonicUs() + 1000000;
  loop.AddTimer(1000, [&] {
    if (clock.MonotonicUs() > end) loop.Quit(0);
  });
  loop.Run();
  EXPECT_GE(ev.frames, 50);
  EXPECT_LE(ev.frames, 62);
  EXPECT_EQ(ev.moves, 0);
  d.PresentFrame();
  ::Display* x = XOpenDisplay(nullptr);
  ASSERT_NE(x, nullptr);
  XImage* img = XGetImage(x, DefaultRootWindow(x), 0, 0, 1920, 1080, AllPlanes, ZPixmap);
  ASSERT_NE(img, nullptr);
  unsigned long centre = XGetPixel(img, 960, 540), bar = XGetPixel(img, 100, 540);
  EXPECT_EQ((centre >> 16) & 0xff, 0xffu);
  EXPECT_EQ(bar & 0xffffff, 0u);  // 1440 wide picture, 240 px bars
  XDestroyImage(img);
  XCloseDisplay(x);
}

}  // namespace
}  // namespace gs
