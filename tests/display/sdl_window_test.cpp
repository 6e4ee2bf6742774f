#include <gtest/gtest.h>

#include <filesystem>

#include "display/sdl/sdl_display.h"
// After gtest: Xlib defines macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace gs {
namespace {

struct Counter : DisplayEvents {
  int frames = 0, keys = 0, moves = 0, downs = 0;
  void Frame() override { ++frames; }
  void KeyDown(int16_t, int16_t) override { ++keys; }
  void MouseDown(int16_t, int16_t, int32_t, int32_t) override { ++downs; }
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
  const int64_t start = clock.MonotonicUs();
  loop.AddTimer(1000, [&] {
    if (clock.MonotonicUs() > start + 1000000) loop.Quit(0);
  });
  loop.Run();
  // 150 a second, never more (a busy machine may deliver fewer).
  EXPECT_GE(ev.frames, 50);
  EXPECT_LE(ev.frames, (clock.MonotonicUs() - start) * 150 / 1000000 + 2);
  EXPECT_EQ(ev.moves, 0);
  d.PresentFrame();
  ::Display* x = XOpenDisplay(nullptr);
  ASSERT_NE(x, nullptr);
  XImage* img = XGetImage(x, DefaultRootWindow(x), 0, 0, 1920, 1080, AllPlanes, ZPixmap);
  ASSERT_NE(img, nullptr);
  unsigned long centre = XGetPixel(img, 960, 540), bar = XGetPixel(img, 100, 540);
  EXPECT_EQ((centre >> 16) & 0xff, 0xffu);
  EXPECT_EQ(bar & 0xffffff, 0u);  // 1440 wide picture, 240 px bars
  // The bars end exactly where the picture starts, on both sides.
  for (auto [px, red] : {std::pair{239, false}, {240, true}, {1679, true}, {1680, false}, {1919, false}})
    EXPECT_EQ(XGetPixel(img, px, 0) & 0xffffff, red ? 0xff0000u : 0u) << "x=" << px;
  XDestroyImage(img);
  XCloseDisplay(x);
}

// A touch is one button press: the mouse press and movement SDL makes of it
// do not count again, while the mouse's own movement still does.
TEST(WindowedDisplay, ATouchCountsOnceAsAButton) {
  SystemClock clock;
  EventLoop loop(clock);
  Counter ev;
  SdlDisplay d(clock, SdlDisplay::Options{});
  d.Attach(loop, ev);
  ASSERT_TRUE(d.OpenDisplay(800, 600, 16, ""));
  const int64_t start = clock.MonotonicUs();
  bool pushed = false;
  loop.AddTimer(50, [&] {
    // After the quiet time of a window appearing.
    if (!pushed && clock.MonotonicUs() > start + 700000) {
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
    }
    if (clock.MonotonicUs() > start + 1000000) loop.Quit(0);
  });
  loop.Run();
  EXPECT_EQ(ev.downs, 1);
  EXPECT_EQ(ev.moves, 1);
}

unsigned long ScreenPixel(int x, int y) {
  ::Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) return ~0ul;
  XImage* img = XGetImage(dpy, DefaultRootWindow(dpy), x, y, 1, 1, AllPlanes, ZPixmap);
  // Colours come through 16 bits: compare the top five bits of each channel.
  unsigned long p = img ? XGetPixel(img, 0, 0) & 0xf8f8f8 : ~0ul;
  if (img) XDestroyImage(img);
  XCloseDisplay(dpy);
  return p;
}

// Presents after the first send only what was drawn and differs: a later
// full clear, a sprite hanging off the top left corner and a frame that
// redraws the same picture must all reach the screen exactly.
TEST(WindowedDisplay, IncrementalPresentsKeepTheScreenExact) {
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
TEST(WindowedDisplay, PresentsAtMostOncePerRefresh) {
  SystemClock clock;
  EventLoop loop(clock);
  struct Changing : Counter {
    SdlDisplay* d = nullptr;
    int64_t sent = 0;
    void Frame() override {
      if (++frames > 40) return;
      d->ClearFrame(frames % 2 ? Rgb(255, 0, 0) : Rgb(0, 0, 255));
      d->PresentFrame();
      sent = d->PresentCount();
    }
  } ev;
  SdlDisplay d(loop.clock(), SdlDisplay::Options{});
  ev.d = &d;
  d.Attach(loop, ev);
  ASSERT_TRUE(d.OpenDisplay(800, 600, 16, ""));
  const int64_t start = clock.MonotonicUs();
  int64_t fortiethUs = 0;
  loop.AddTimer(1000, [&] {
    if (ev.frames == 40 && !fortiethUs) fortiethUs = clock.MonotonicUs();
  });
  loop.AddTimer(1500000, [&] { loop.Quit(0); });
  loop.Run();
  ASSERT_GE(ev.frames, 40);
  const int64_t sentWhileDrawing = ev.sent;
  EXPECT_LE(sentWhileDrawing, (fortiethUs - start) / 16000 + 1);
  EXPECT_LE(d.PresentCount(), sentWhileDrawing + 1);
  EXPECT_EQ(ScreenPixel(960, 540), 0x0000f8u);  // frame 40's blue
}

}  // namespace
}  // namespace gs

namespace gs {
namespace {

unsigned long WindowPixel(::Display* x, Window w, int px, int py) {
  XImage* img = XGetImage(x, w, px, py, 1, 1, AllPlanes, ZPixmap);
  unsigned long p = img ? XGetPixel(img, 0, 0) & 0xf8f8f8 : ~0ul;
  if (img) XDestroyImage(img);
  return p;
}

// A black 400 x 300 window, mapped, standing in for a host's.
Window MappedHostWindow(::Display* x) {
  const int s = DefaultScreen(x);
  Window w = XCreateSimpleWindow(x, RootWindow(x, s), 0, 0, 400, 300, 0, BlackPixel(x, s), BlackPixel(x, s));
  XMapWindow(x, w);
  XSync(x, False);
  return w;
}

// A window lent by a screen-saver host: unmapped and mapped again it gets
// the picture back without a new frame, and once the host destroys it the
// display asks to end, presents nothing, and shuts down without an X error
// (which would end this process).
TEST(HostWindowDisplay, RedrawnAfterMappingAndQuietWhenDestroyed) {
  ::Display* x = XOpenDisplay(nullptr);
  ASSERT_NE(x, nullptr);
  Window host = MappedHostWindow(x);
  int quits = 0;
  {
    SystemClock clock;
    EventLoop loop(clock);
    Counter ev;
    SdlDisplay::Options options;
    options.hostWindow = host;
    options.onQuit = [&] { ++quits; };
    SdlDisplay d(clock, options);
    d.Attach(loop, ev);
    ASSERT_TRUE(d.OpenDisplay(800, 600, 16, ""));
    d.ClearFrame(Rgb(255, 0, 0));
    d.PresentFrame();
    XSync(x, False);
    EXPECT_EQ(WindowPixel(x, host, 200, 150), 0xf80000u);

    XUnmapWindow(x, host);
    XMapWindow(x, host);
    XSync(x, False);
    EXPECT_EQ(WindowPixel(x, host, 200, 150), 0u) << "the server cleared the window";
    // No frame is drawn from here on: only the loop polls the display.
    int phase = 0;
    int64_t mark = clock.MonotonicUs();
    unsigned long redrawn = 0;
    loop.AddTimer(5000, [&] {
      const int64_t now = clock.MonotonicUs();
      if (phase == 0 && now >= mark + 100000) {
        redrawn = WindowPixel(x, host, 200, 150);
        XDestroyWindow(x, host);
        XSync(x, False);
        phase = 1, mark = now;
      } else if (phase == 1 && (quits > 0 || now >= mark + 1000000)) {
        loop.Quit(0);
      }
    });
    loop.Run();
    EXPECT_EQ(redrawn, 0xf80000u) << "the picture came back";
    EXPECT_GE(quits, 1) << "the window's destruction asked to end";
    d.ClearFrame(Rgb(0, 255, 0));
    d.PresentFrame();
  }
  XCloseDisplay(x);
}

// A host may destroy its window at any moment of our start: before the
// display adopts it, or after that but before the first frame reaches it.
// Either way the display opens, asks to end, and nothing raises an X error
// (a graphics context made on the gone window is never made, and freeing
// it at the end fails), which would end this process.
TEST(HostWindowDisplay, AWindowGoneDuringTheStartEndsTheShowQuietly) {
  ::Display* x = XOpenDisplay(nullptr);
  ASSERT_NE(x, nullptr);
  for (const bool beforeOpen : {true, false}) {
    Window host = MappedHostWindow(x);
    int quits = 0;
    {
      SystemClock clock;
      EventLoop loop(clock);
      Counter ev;
      SdlDisplay::Options options;
      options.hostWindow = host;
      options.onQuit = [&] {
        ++quits;
        loop.Quit(0);
      };
      SdlDisplay d(clock, options);
      d.Attach(loop, ev);
      if (beforeOpen) XDestroyWindow(x, host), XSync(x, False);
      ASSERT_TRUE(d.OpenDisplay(800, 600, 16, "")) << "before open: " << beforeOpen;
      if (!beforeOpen) XDestroyWindow(x, host), XSync(x, False);
      d.ClearFrame(Rgb(255, 0, 0));
      d.PresentFrame();
      const int64_t start = clock.MonotonicUs();
      loop.AddTimer(100, [&] {
        if (clock.MonotonicUs() > start + 2000000) loop.Quit(0);
      });
      loop.Run();
      EXPECT_GE(quits, 1) << "before open: " << beforeOpen;
    }
  }
  XCloseDisplay(x);
}

// SDL wakes its wait for events with a message through a second connection;
// when the event ends the show, the window it names may be gone before the
// server takes the message. Such an error ends nothing.
TEST(WindowedDisplay, AMessageToAWindowAlreadyGoneIsNoError) {
  SystemClock clock;
  SdlDisplay d(clock, SdlDisplay::Options{});
  ASSERT_TRUE(d.OpenDisplay(800, 600, 16, ""));
  ::Display* x = XOpenDisplay(nullptr);
  ASSERT_NE(x, nullptr);
  Window gone = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 10, 10, 0, 0, 0);
  XDestroyWindow(x, gone);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = gone;
  e.xclient.format = 8;
  XSendEvent(x, gone, False, NoEventMask, &e);
  XSync(x, False);
  XCloseDisplay(x);
}

}  // namespace
}  // namespace gs
