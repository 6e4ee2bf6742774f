// Pictures of texts: made once, only as wide as the line can show.
#include "display/sdl/text_images.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "display/sdl/sdl_display.h"

namespace gs {
namespace {

std::string FontFile() {
  std::string file;
  FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult res = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pat, &res);
  FcChar8* f = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &f) == FcResultMatch) file = reinterpret_cast<const char*>(f);
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pat);
  return file;
}

std::string Repeat(const std::string& words, size_t chars) {
  std::string m;
  while (m.size() < chars) m += words;
  m.resize(chars);
  return m;
}

class TextImagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(TTF_Init(), 0);
    small = TTF_OpenFont(FontFile().c_str(), 21);
    large = TTF_OpenFont(FontFile().c_str(), 267);
    ASSERT_TRUE(small && large);
  }
  void TearDown() override {
    images.Clear();
    TTF_CloseFont(small);
    TTF_CloseFont(large);
    TTF_Quit();
  }
  TTF_Font* small = nullptr;
  TTF_Font* large = nullptr;
  TextImages images;
};

TEST_F(TextImagesTest, ALongLineIsMadeOnlyAsFarAsItCanShow) {
  const std::string text = Repeat("Place a message here or turn off. ", 32767);
  for (TTF_Font* font : {small, large}) {
    auto s = images.Get(text, font, 0x00FFFF, 799);
    ASSERT_NE(s, nullptr);
    // The line reaches the edge, and at most one glyph lies beyond it.
    EXPECT_GE(s->ink->w, 799);
    EXPECT_LE(s->ink->w, 799 + TTF_FontHeight(font));
    EXPECT_LE(s->ink->h, TTF_FontHeight(font) + 2);
    EXPECT_EQ(s->halo->w, s->ink->w + 2 * s->margin);
  }
  // A narrower view makes a narrower picture.
  auto s = images.Get(text, small, 0x00FFFF, 300);
  ASSERT_NE(s, nullptr);
  EXPECT_LE(s->ink->w, 300 + TTF_FontHeight(small));
}

TEST_F(TextImagesTest, EachTextIsMadeOnceAndAFailureIsNotTriedAgain) {
  const std::string message = Repeat("Hello there ", 5000);
  auto first = images.Get(message, small, 0x00FFFF, 799);
  for (int frame = 0; frame < 100; ++frame) {
    ASSERT_EQ(images.Get(message, small, 0x00FFFF, 799), first);
    images.Get("12:00:0" + std::to_string(frame % 2), small, 0, 799);
  }
  EXPECT_EQ(images.Renders(), 3u);
  // Another colour, size or view is another picture.
  EXPECT_NE(images.Get(message, small, 0x000000, 799), first);
  EXPECT_NE(images.Get(message, large, 0x00FFFF, 799), first);
  EXPECT_NE(images.Get(message, small, 0x00FFFF, 600), first);
  EXPECT_EQ(images.Renders(), 6u);

  // A zero-width character has no picture: tried once, then remembered.
  const std::string nothing = "\xE2\x80\x8B";
  for (int frame = 0; frame < 50; ++frame) EXPECT_EQ(images.Get(nothing, small, 0, 799), nullptr);
  EXPECT_EQ(images.Renders(), 7u);
  EXPECT_LE(images.Size(), TextImages::kCapacity);
}

TEST_F(TextImagesTest, ThePictureUsedLongestAgoMakesRoomForANewOne) {
  auto clock = [&](size_t i) { return images.Get("clock " + std::to_string(i), small, 0, 799); };
  for (size_t i = 0; i < TextImages::kCapacity; ++i) clock(i);
  clock(0);  // the first is used again
  clock(TextImages::kCapacity);  // one more: the second goes
  EXPECT_EQ(images.Size(), TextImages::kCapacity);
  const size_t renders = images.Renders();
  clock(0);
  clock(TextImages::kCapacity);
  EXPECT_EQ(images.Renders(), renders);
  clock(1);
  EXPECT_EQ(images.Renders(), renders + 1);
}

// What the screen shows of a long message is what it shows of its start.
TEST(SdlDisplayText, ALongMessageLooksLikeItsVisibleStart) {
  SimClock clock;
  auto draw = [&](const std::string& text, std::vector<uint16_t>& out) {
    SdlDisplay d(clock, SdlDisplay::Options{true, 0, false, nullptr});
    ASSERT_TRUE(d.OpenDisplay(800, 600, 16, ""));
    d.ClearFrame(0);
    d.SetTextFont("Arial", 16, 1, false, false, false);
    d.DrawText(text, 1, 568, Rgb(255, 255, 0));
    const int pitch = d.ComposedPitchBytes() / 2;
    out.clear();
    for (int y = 540; y < 600; ++y)
      for (int x = 0; x < 800; ++x) out.push_back(d.ComposedPixels()[y * pitch + x]);
  };
  const std::string words = "Place a message here or turn off. ";
  std::vector<uint16_t> longer, start;
  draw(Repeat(words, 32767), longer);
  draw(Repeat(words, 200), start);
  EXPECT_EQ(longer, start);
  EXPECT_NE(std::count(start.begin(), start.end(), 0), static_cast<long>(start.size())) << "nothing was drawn";
}

}  // namespace
}  // namespace gs
