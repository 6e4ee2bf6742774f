#include "display/sdl/sdl_display.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "display/sdl/utf8_sanitise.h"
#include "display/sdl/video_drivers.h"

namespace gs {
namespace {

namespace fs = std::filesystem;

// A BMP of one colour, with an optional magenta square in the middle.
std::string WriteBmp(const fs::path& dir, const std::string& name, int w, int h, SDL_Color fill, bool magentaHole) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, fill.r, fill.g, fill.b));
  if (magentaHole) {
    SDL_Rect hole{w / 4, h / 4, w / 2, h / 2};
    SDL_FillRect(s, &hole, SDL_MapRGB(s->format, 255, 0, 255));
  }
  std::string path = (dir / name).string();
  SDL_SaveBMP(s, path.c_str());
  SDL_FreeSurface(s);
  return path;
}

long Count(const std::string& text, const std::string& part) {
  long n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class HeadlessDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("gs_display_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ASSERT_TRUE(d.OpenDisplay(800, 600, 16, ""));
  }
  void TearDown() override { fs::remove_all(dir); }
  uint16_t Pixel(int x, int y) const {
    return d.ComposedPixels()[y * (d.ComposedPitchBytes() / 2) + x];
  }
  // Rows [first, last] holding pixels of one colour inside a box; {-1, -1} when none.
  std::pair<int, int> InkRows(uint16_t ink, int x0, int y0, int x1, int y1) const {
    int top = -1, bottom = -1;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (Pixel(x, y) == ink) {
          if (top < 0) top = y;
          bottom = y;
        }
    return {top, bottom};
  }
  int32_t Sprite(const std::string& path, int32_t key, int x, int y) {
    int32_t id = d.CreateSprite();
    d.LoadSpriteFrame(id, 1, path, key);
    d.SetSpriteX(id, x);
    d.SetSpriteY(id, y);
    return id;
  }
  SimClock clock;
  SdlDisplay d{clock, SdlDisplay::Options{true, 0, false, nullptr}};
  fs::path dir;
};

constexpr uint16_t kRed565 = 0xF800, kBlue565 = 0x001F;

// Each bad file is said once, however many sprites use it, and draws
// nothing, like a missing one.
TEST_F(HeadlessDisplay, MissingCorruptAndEmptyFramesDrawNothing) {
  const std::string bad = (dir / "bad.bmp").string(), fifo = (dir / "fifo.bmp").string();
  std::ofstream(bad) << "BM not really a bitmap";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  d.ClearFrame(Rgb(0, 0, 255));
  ::testing::internal::CaptureStderr();
  for (int i = 0; i < 3; ++i) {
    int32_t s = d.CreateSprite();
    d.LoadSpriteFrame(s, 1, (dir / "absent.bmp").string(), kKeyTransparent);
    d.LoadSpriteFrame(s, 2, bad, kKeyTransparent);
    d.LoadSpriteFrame(s, 3, fifo, kKeyOpaque);
    d.LoadSpriteFrame(s, 4, fifo, kKeyTransparent);
    d.LoadSpriteFrame(s, 0, bad, kKeyTransparent);
    for (int frame = 1; frame <= 4; ++frame) {
      d.DrawSprite(s);
      d.NextFrame(s);
    }
    EXPECT_EQ(d.GetSpriteFrame(s), 1) << "the frames that failed count for the wrap";
  }
  d.LoadSpriteFrame(999, 1, bad, kKeyTransparent);
  d.DrawSprite(12345);
  const std::string err = ::testing::internal::GetCapturedStderr();
  for (const std::string& file : {(dir / "absent.bmp").string(), bad, fifo})
    EXPECT_EQ(Count(err, "gobbleshot1: " + file + ": picture "), 1) << err;
  for (int y = 0; y < 600; y += 50)
    for (int x = 0; x < 800; x += 50) ASSERT_EQ(Pixel(x, y), kBlue565);
}

// A file is decoded once for all the sprites that use it; a file that could
// not be read is tried again when the next sprite asks for it.
TEST_F(HeadlessDisplay, SpritesShareAPictureAndAFailedReadIsNotRemembered) {
  const std::string path = (dir / "late.bmp").string();
  d.ClearFrame(Rgb(0, 0, 255));
  int32_t before = Sprite(path, kKeyOpaque, 0, 0);
  WriteBmp(dir, "late.bmp", 20, 20, {255, 0, 0, 255}, false);
  int32_t a = Sprite(path, kKeyOpaque, 100, 0);
  int32_t b = Sprite(path, kKeyOpaque, 200, 0);
  for (int32_t s : {before, a, b}) d.DrawSprite(s);
  EXPECT_EQ(Pixel(5, 5), kBlue565);
  EXPECT_EQ(Pixel(105, 5), kRed565);
  EXPECT_EQ(Pixel(205, 5), kRed565);
}

// A clear under a full-screen opaque picture may be skipped, but never one
// that something else lets show through.
TEST_F(HeadlessDisplay, ClearShowsWhereverTheNextDrawsLeaveItVisible) {
  std::string full = WriteBmp(dir, "full.bmp", 800, 600, {255, 0, 0, 255}, true);
  std::string small = WriteBmp(dir, "small.bmp", 20, 20, {255, 0, 0, 255}, false);
  int32_t opaqueFull = Sprite(full, kKeyOpaque, 0, 0);
  int32_t keyedFull = Sprite(full, kKeyTransparent, 0, 0);
  int32_t shifted = Sprite(full, kKeyOpaque, 1, 0);
  int32_t opaqueSmall = Sprite(small, kKeyOpaque, 0, 0);
  struct Case {
    std::vector<int32_t> draws;
    uint16_t atCentre, atRightEdge, atLeftEdge;
  } cases[] = {
      {{opaqueFull}, 0xF81F, kRed565, kRed565},  // opaque: its magenta is drawn
      {{keyedFull}, kBlue565, kRed565, kRed565},  // keyed: the clear shows through its magenta
      {{shifted}, 0xF81F, kRed565, kBlue565},
      {{opaqueSmall}, kBlue565, kBlue565, kBlue565},
      {{}, kBlue565, kBlue565, kBlue565},
  };
  for (const Case& c : cases) {
    d.ClearFrame(Rgb(0, 255, 0));
    d.DrawSprite(opaqueFull);  // fills the frame with something else first
    d.ClearFrame(Rgb(0, 0, 255));
    for (int32_t s : c.draws) d.DrawSprite(s);
    EXPECT_EQ(Pixel(400, 300), c.atCentre);
    EXPECT_EQ(Pixel(799, 300), c.atRightEdge);
    EXPECT_EQ(Pixel(0, 599), c.atLeftEdge);
  }
  // Text on a pending clear sits on the clear colour, in its exact ink over
  // its white halo.
  d.ClearFrame(Rgb(0, 0, 255));
  d.SetTextFont("Arial", 40, 1, false, false, false);
  d.DrawText("WWW", 0, 0, Rgb(255, 0, 0));
  int ink = 0, other = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x) {
      const uint16_t p = Pixel(x, y);
      ink += p == kRed565;
      other += p != kRed565 && p != kBlue565 && p != 0xFFFF;
    }
  EXPECT_GT(ink, 100);
  EXPECT_EQ(other, 0);
  EXPECT_EQ(Pixel(799, 599), kBlue565);
}

TEST_F(HeadlessDisplay, AFrameWithoutAPictureShowsTheNearestLowerOne) {
  std::string red = WriteBmp(dir, "red.bmp", 10, 10, {255, 0, 0, 255}, false);
  std::string blue = WriteBmp(dir, "blue.bmp", 10, 10, {0, 0, 255, 255}, false);
  int32_t s = d.CreateSprite();
  d.LoadSpriteFrame(s, 1, red, kKeyOpaque);
  d.LoadSpriteFrame(s, 12, blue, kKeyOpaque);
  d.LoadSpriteFrame(s, 13, (dir / "missing.bmp").string(), kKeyOpaque);
  int32_t late = d.CreateSprite();  // its first picture is frame 3
  d.LoadSpriteFrame(late, 3, red, kKeyOpaque);
  d.SetSpriteX(late, 100);
  for (auto [frame, want] : {std::pair{1, kRed565}, {2, kRed565}, {11, kRed565}, {12, kBlue565}, {13, kBlue565}}) {
    d.ClearFrame(Rgb(0, 255, 0));
    d.SetSpriteFrame(s, frame);
    d.DrawSprite(s);
    EXPECT_EQ(Pixel(5, 5), want) << "frame " << frame;
  }
  d.ClearFrame(Rgb(0, 255, 0));
  for (int32_t frame : {0, 1, 2}) {
    d.SetSpriteFrame(late, frame);
    d.DrawSprite(late);
  }
  EXPECT_EQ(Pixel(105, 5), 0x07E0) << "no picture at or below frame 2";
}

TEST_F(HeadlessDisplay, TextSizeIsTheHeightOfTheLineInPixels) {
  constexpr uint16_t kBlack = 0;
  for (int size : {14, 16, 24}) {
    d.ClearFrame(Rgb(255, 255, 255));
    d.SetTextFont("Arial", size, 1, false, false, false);
    d.DrawText("Hdgjpqy", 10, 100, Rgb(0, 0, 0));
    auto [top, bottom] = InkRows(kBlack, 0, 0, 800, 600);
    EXPECT_GE(top, 100) << size;
    EXPECT_LT(bottom, 100 + size) << size;
    EXPECT_GE(bottom - top + 1, size * 3 / 4) << size;  // not shrunk either
  }
}

TEST_F(HeadlessDisplay, ColoursQuantiseToRgb565) {
  d.ClearFrame(Rgb(41, 118, 14));
  EXPECT_EQ(Pixel(5, 5), (41 >> 3) << 11 | (118 >> 2) << 5 | (14 >> 3));
}

TEST_F(HeadlessDisplay, BadTextInputIsHarmless) {
  d.ClearFrame(Rgb(0, 0, 255));
  for (int size : {0, -5, 99999}) {
    d.SetTextFont("No Such Face At All", size, 1, false, false, false);
    d.DrawText("\xff\xfe broken \xc3 utf-8 \xed\xa0\x80", 1, 568, Rgb(255, 255, 0));
    d.DrawText(std::string(5000, 'W'), 790, 590, Rgb(255, 255, 0));
  }
  EXPECT_TRUE(d.WriteComposedPng((dir / "out.png").string()));
  EXPECT_TRUE(fs::file_size(dir / "out.png") > 1000);
}

// An empty font configuration: the texts still show, in a font file that
// comes with the saver's packages, and one line says so however many faces
// are asked for.
TEST_F(HeadlessDisplay, WithoutUsableFontsTheTextsFallBackToAPackagedFontFile) {
  FcConfig* was = FcConfigGetCurrent();
  FcConfigReference(was);
  FcConfig* empty = FcConfigCreate();
  ASSERT_TRUE(FcConfigSetCurrent(empty));
  d.ClearFrame(Rgb(0, 0, 255));
  ::testing::internal::CaptureStderr();
  for (const char* face : {"Empty Config Clock Face", "Empty Config Notice Face"}) {
    d.SetTextFont(face, 24, 1, false, false, false);
    d.DrawText("12:34:56", 1, 1, Rgb(0, 0, 0));
  }
  const std::string err = ::testing::internal::GetCapturedStderr();
  FcConfigSetCurrent(was);
  FcConfigDestroy(was);
  FcConfigDestroy(empty);
  EXPECT_EQ(err.rfind("gobbleshot1: fonts: ", 0), 0u) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_GT(InkRows(0, 0, 0, 200, 40).second, 0) << "no text drawn";
}

TEST(Utf8, ReplacesEveryKindOfBadSequence) {
  const std::string r = "\xEF\xBF\xBD";
  EXPECT_EQ(SanitiseUtf8("plain é ✓ 🦃"), "plain é ✓ 🦃");
  EXPECT_EQ(SanitiseUtf8("a\xff" "b"), "a" + r + "b");
  EXPECT_EQ(SanitiseUtf8("\xc0\xaf"), r + r);      // overlong
  EXPECT_EQ(SanitiseUtf8("\xed\xa0\x80"), r + r + r);  // surrogate
  EXPECT_EQ(SanitiseUtf8("\xe2\x9c"), r + r);      // cut short
  EXPECT_EQ(SanitiseUtf8("tab\there"), "tab" + r + "here");
}

// A Wayland session's own protocol first, X11 after it only where there is
// an X display; a host's window and the user's own choice decide alone.
TEST(VideoDrivers, WaylandFirstInAWaylandSessionElseX11) {
  using V = std::vector<std::string>;
  EXPECT_EQ(VideoDriversToTry(nullptr, "wayland-1", ":0", false), (V{"wayland", "x11"}));
  EXPECT_EQ(VideoDriversToTry(nullptr, "wayland-1", nullptr, false), V{"wayland"});
  EXPECT_EQ(VideoDriversToTry("", "wayland-1", "", false), V{"wayland"});
  EXPECT_EQ(VideoDriversToTry(nullptr, "wayland-1", ":0", true), V{"x11"});
  EXPECT_EQ(VideoDriversToTry(nullptr, "", ":0", false), V{"x11"});
  EXPECT_EQ(VideoDriversToTry(nullptr, nullptr, nullptr, false), V{"x11"});
  EXPECT_EQ(VideoDriversToTry("kmsdrm", "wayland-1", ":0", false), V{"kmsdrm"});
}

}  // namespace
}  // namespace gs
