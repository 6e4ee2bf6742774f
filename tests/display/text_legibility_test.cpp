// Every line of the overlays reads over the show's own pictures, and a line
// that changes between scene frames never shows over its old self.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/sdl/sdl_display.h"
#include "display/sprite_catalogue.h"

namespace gs {
namespace {

int Luma(uint16_t p) {
  const int r = (p >> 11) * 255 / 31, g = ((p >> 5) & 63) * 255 / 63, b = (p & 31) * 255 / 31;
  return (299 * r + 587 * g + 114 * b) / 1000;
}

struct Line {
  const char* what;
  int size;
  int32_t colour;
  std::string text;
};

const Line kLines[] = {
    {"clock", 24, Rgb(0, 0, 0), "12:00:59"},
    {"message", 16, Rgb(255, 255, 0), "Place a message here or turn off"},
    {"notice", 14, Rgb(0, 0, 0), "1 of 2 Messages. These messages will only be displayed one time"},
    {"countdown", 14, Rgb(0, 255, 0), "This graphic will disappear in: 29 seconds"},
};

// Places where the lines stand over each kind of ground of the show.
struct Ground {
  const char* what;
  int x, y;
  bool finale;  // the black of the cow finale instead of the backdrop
};
const Ground kGrounds[] = {
    {"sky", 1, 1, false},
    {"lawn", 1, 568, false},
    {"shack", 150, 225, false},
    {"finale", 150, 225, true},
};

class TextLegibility : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(d.OpenDisplay(800, 600, 16, "")); }
  int32_t Sprite(const std::string& file, int x, int y) {
    const int32_t id = d.CreateSprite();
    d.LoadSpriteFrame(id, 1, std::string(GS_DATA_DIR) + "/" + file, kKeyTransparent);
    d.SetSpriteX(id, x);
    d.SetSpriteY(id, y);
    return id;
  }
  void Backdrop(bool finale) {
    if (finale) {
      d.ClearFrame(Rgb(0, 0, 0));
      return;
    }
    d.ClearFrame(Rgb(41, 118, 14));
    for (int32_t id : backdrop) d.DrawSprite(id);
  }
  void Draw(const Line& line, int x, int y) {
    d.SetTextFont("Arial", line.size, 1, false, false, false);
    d.DrawText(line.text, x, y, line.colour);
  }
  std::vector<uint16_t> Frame() const {
    const uint16_t* p = d.ComposedPixels();
    const int pitch = d.ComposedPitchBytes() / 2;
    std::vector<uint16_t> out;
    for (int y = 0; y < 600; ++y) out.insert(out.end(), p + y * pitch, p + y * pitch + 800);
    return out;
  }
  // Where the letters of line fall when drawn at x, y: found on a plain
  // ground of a colour no line uses.
  std::vector<bool> LetterMask(const Line& line, int x, int y) {
    d.ClearFrame(Rgb(255, 0, 255));
    Draw(line, x, y);
    std::vector<uint16_t> f = Frame();
    d.PresentFrame();
    std::vector<bool> mask(f.size());
    const SDL_Color c{static_cast<Uint8>(line.colour & 255), static_cast<Uint8>((line.colour >> 8) & 255),
                      static_cast<Uint8>((line.colour >> 16) & 255), 255};
    const auto inkPixel = static_cast<uint16_t>((c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3));
    for (size_t i = 0; i < f.size(); ++i) mask[i] = f[i] == inkPixel;
    return mask;
  }
  // Of every letter pixel and its neighbour outside the letters, the share
  // whose brightness differs by at least a third of the scale, and the mean
  // difference.
  static std::pair<double, double> EdgeContrast(const std::vector<uint16_t>& f, const std::vector<bool>& mask) {
    long pairs = 0, clear = 0, sum = 0;
    for (int y = 1; y < 599; ++y)
      for (int x = 1; x < 799; ++x) {
        if (!mask[y * 800 + x]) continue;
        for (int n : {-1, 1, -800, 800}) {
          const int j = y * 800 + x + n;
          if (mask[j]) continue;
          const int diff = std::abs(Luma(f[y * 800 + x]) - Luma(f[j]));
          ++pairs;
          sum += diff;
          clear += diff >= 85;
        }
      }
    return {pairs ? static_cast<double>(clear) / pairs : 0.0, pairs ? static_cast<double>(sum) / pairs : 0.0};
  }

  SimClock clock;
  SdlDisplay d{clock, SdlDisplay::Options{true, 0, false, nullptr}};
  // The backdrop of scenes 1 to 3, placed as the show places it.
  std::vector<int32_t> backdrop = [this] {
    std::vector<int32_t> ids;
    for (const std::string holder : {"hBackground", "hInside", "hShack"})  // in the order the scenes draw them
      for (const CatalogueRow& row : SpriteCatalogue())
        if (holder == row.holderName) ids.push_back(Sprite(ExpandFrames(row).front().file, row.x, row.y));
    return ids;
  }();
};

TEST_F(TextLegibility, EveryLineReadsOnSkyLawnShackAndTheBlackFinale) {
  for (const Ground& g : kGrounds)
    for (const Line& line : kLines) {
      const std::vector<bool> mask = LetterMask(line, g.x, g.y);
      Backdrop(g.finale);
      Draw(line, g.x, g.y);
      const auto [share, mean] = EdgeContrast(Frame(), mask);
      d.PresentFrame();
      if (std::getenv("GS_PRINT_LEGIBILITY"))
        std::printf("legibility %-9s on %-6s: %5.1f %% of letter edges clear, mean contrast %5.1f\n", line.what,
                    g.what, 100 * share, mean);
      EXPECT_GE(share, 0.97) << line.what << " on " << g.what;
    }
}

TEST_F(TextLegibility, AChangingLineNeverShowsOverItsOldSelf) {
  // The clock and the notice change between scene frames, on which only the
  // overlays are drawn again.
  const Line first = kLines[2];
  auto overlays = [&](const std::string& time, const std::string& countdown) {
    Draw({"clock", 24, Rgb(0, 0, 0), time}, 1, 1);
    Draw(first, 150, 225);
    Draw({"countdown", 14, Rgb(0, 255, 0), countdown}, 150, 235);
  };
  Backdrop(false);
  overlays("12:00:58", "This graphic will disappear in: 10 seconds");
  d.PresentFrame();
  overlays("12:00:59", "This graphic will disappear in: 9 seconds");
  d.PresentFrame();
  overlays("12:00:59", "This graphic will disappear in: 9 seconds");
  const std::vector<uint16_t> between = Frame();
  d.PresentFrame();
  Backdrop(false);
  overlays("12:00:59", "This graphic will disappear in: 9 seconds");
  EXPECT_TRUE(between == Frame()) << "old digits show between scene frames";
}

// The notice's two lines, 10 px apart, and its picture below them.
TEST_F(TextLegibility, TheCountdownsHaloLeavesTheFirstLinesLettersWhole) {
  // The first notice: both lines black, so the countdown's halo is white.
  const Line countdown{"countdown", 14, Rgb(0, 0, 0), kLines[3].text};
  const std::vector<bool> firstLetters = LetterMask(kLines[2], 150, 225);
  const std::vector<bool> countdownLetters = LetterMask(countdown, 150, 235);
  Backdrop(false);
  Draw(kLines[2], 150, 225);
  Draw(countdown, 150, 235);
  const std::vector<uint16_t> f = Frame();
  long letters = 0, kept = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    if (!firstLetters[i] || countdownLetters[i]) continue;
    ++letters;
    kept += f[i] == 0;
  }
  EXPECT_GT(letters, 300);
  EXPECT_EQ(kept, letters);
  // And the countdown itself stays clear of the picture below it, at y 250.
  int lowest = -1;
  for (size_t i = 0; i < countdownLetters.size(); ++i)
    if (countdownLetters[i]) lowest = static_cast<int>(i / 800);
  EXPECT_GE(lowest, 235 + 8);
  EXPECT_LT(lowest, 250);
}

}  // namespace
}  // namespace gs
