// The generated data folder against the sprite catalogue: every file the
// show loads is there once, loads as a bitmap, keeps to its key mode, and
// the figures sit and stand out where the show draws them.
// GS_PRINT_CONTRAST=1 prints the turkeys' contrast per scene.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include <unistd.h>

#include "display/sprite_catalogue.h"
#include "dither_565.h"
#include "key_snap.h"

namespace fs = std::filesystem;

namespace {

using art::RgbImage;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Loads through SDL, as the display does, so "readable" means readable by
// the saver; an empty image when it is not.
RgbImage Load(const fs::path& file) {
  RgbImage out;
  SDL_Surface* raw = SDL_LoadBMP(file.c_str());
  SDL_Surface* s = raw ? SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0) : nullptr;
  if (s) {
    out.width = s->w;
    out.height = s->h;
    for (int y = 0; y < s->h; ++y) {
      const auto* row = static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
      out.rgb.insert(out.rgb.end(), row, row + 3 * s->w);
    }
  }
  SDL_FreeSurface(raw);
  SDL_FreeSurface(s);
  return out;
}

bool Keyed(const RgbImage& pic, int x, int y) { return art::IsExactMagenta(pic.At(x, y)); }

// Folded name -> names as spelled on disk.
std::map<std::string, std::set<std::string>> BitmapsIn(const fs::path& dir) {
  std::map<std::string, std::set<std::string>> out;
  for (const auto& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (Lower(e.path().extension().string()) == ".bmp") out[Lower(name)].insert(name);
  }
  return out;
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path kData = GS_DATA_DIR;

TEST(ArtFiles, EveryCatalogueFileExistsOnceAndKeepsItsKeyMode) {
  const auto onDisk = BitmapsIn(kData);
  std::map<std::string, int32_t> keyModeOf;  // folded file -> key mode
  for (const gs::CatalogueRow& row : gs::SpriteCatalogue())
    for (const gs::CatalogueFrame& f : gs::ExpandFrames(row)) {
      auto [it, fresh] = keyModeOf.emplace(Lower(f.file), row.keyMode);
      EXPECT_TRUE(fresh || it->second == row.keyMode) << f.file << " is loaded with two key modes";
    }
  for (const auto& [folded, keyMode] : keyModeOf) {
    SCOPED_TRACE(folded);
    auto found = onDisk.find(folded);
    if (found == onDisk.end()) {
      ADD_FAILURE() << "missing from " << kData;
      continue;
    }
    ASSERT_EQ(found->second.size(), 1u) << "spelled more than one way";
    const RgbImage pic = Load(kData / *found->second.begin());
    ASSERT_GT(pic.width, 0) << SDL_GetError();
    bool magenta = false, nearMagenta = false;
    for (size_t i = 0; i < pic.rgb.size(); i += 3) {
      const bool exact = art::IsExactMagenta(&pic.rgb[i]);
      magenta |= exact;
      nearMagenta |= !exact && art::IsNearMagenta(&pic.rgb[i]);
    }
    EXPECT_FALSE(nearMagenta) << "a fringe close to the transparent colour";
    EXPECT_EQ(magenta, keyMode == -1) << "keyed picture with nothing transparent, or opaque with transparent pixels";
  }
  // Nothing else that a case-insensitive lookup could pick up by mistake.
  for (const auto& [folded, names] : onDisk) EXPECT_TRUE(keyModeOf.count(folded)) << "stray bitmap " << folded;
  EXPECT_TRUE(fs::exists(kData / "contact-sheet.png"));
}

// The backdrop fills the screen; the wipe bars span it, thin and black.
TEST(ArtFiles, BackdropAndWipeBarsHaveTheirSizes) {
  const RgbImage bg = Load(kData / "bg.bmp"), vert = Load(kData / "vertbar.bmp"), horiz = Load(kData / "horizbar.bmp");
  EXPECT_EQ(bg.width, 800);
  EXPECT_EQ(bg.height, 600);
  EXPECT_EQ(vert.height, 600);
  EXPECT_EQ(horiz.width, 800);
  EXPECT_TRUE(vert.width >= 2 && vert.width <= 8) << vert.width;
  EXPECT_TRUE(horiz.height >= 2 && horiz.height <= 8) << horiz.height;
  for (const RgbImage* bar : {&vert, &horiz})
    EXPECT_TRUE(std::all_of(bar->rgb.begin(), bar->rgb.end(), [](uint8_t v) { return v < 16; })) << "not black";
}

// Which edges of a keyed picture carry figure pixels: "top", "bottom",
// "left", "right", space-separated; empty when all four are transparent.
std::string TouchedEdges(const RgbImage& pic) {
  bool top = false, bottom = false, left = false, right = false;
  for (int x = 0; x < pic.width; ++x) {
    top |= !Keyed(pic, x, 0);
    bottom |= !Keyed(pic, x, pic.height - 1);
  }
  for (int y = 0; y < pic.height; ++y) {
    left |= !Keyed(pic, 0, y);
    right |= !Keyed(pic, pic.width - 1, y);
  }
  std::string out;
  for (auto [flag, name] : {std::pair{top, "top"}, {bottom, "bottom"}, {left, "left"}, {right, "right"}})
    if (flag) out += out.empty() ? name : std::string(" ") + name;
  return out;
}

// A figure that touches its picture's edge is cut flat there on screen.
// Scenery is drawn whole in its own rectangle and may fill it.
TEST(ArtFiles, NoFigureTouchesTheEdgeOfItsPicture) {
  const std::map<std::string, std::string> scenery = {
      {"shack2", "top bottom left right"}, {"inside", "top bottom left right"}, {"wood", ""},
  };
  std::set<std::string> seen;
  for (const gs::CatalogueRow& row : gs::SpriteCatalogue()) {
    if (row.keyMode != -1) continue;
    for (const gs::CatalogueFrame& f : gs::ExpandFrames(row)) {
      const std::string folded = Lower(f.file);
      if (!seen.insert(folded).second) continue;
      auto named = scenery.find(folded.substr(0, folded.size() - 4));
      const std::string allowed = named == scenery.end() ? "" : named->second;
      const RgbImage pic = Load(kData / f.file);
      ASSERT_GT(pic.width, 0) << f.file;
      const std::string touched = TouchedEdges(pic);
      EXPECT_TRUE(touched.empty() || allowed.find(touched) != std::string::npos)
          << f.file << " touches its " << touched << " edge";
    }
  }
}

// The turkeys strutting and standing in their scenes, the closing run of
// scene 3 (placed 6 pixels higher) included, keep their toes on one lawn line.
TEST(ArtFiles, StandingTurkeysShareOneGroundLineOnScreen) {
  std::map<std::string, int> toes;
  for (const gs::CatalogueRow& row : gs::SpriteCatalogue()) {
    const std::string name = row.holderName;
    if (name != "hT1_01" && name != "hT2_01" && name != "hT3_01" && name != "hT3_27") continue;
    for (const gs::CatalogueFrame& f : gs::ExpandFrames(row)) {
      const RgbImage pic = Load(kData / f.file);
      int lowest = -1;
      for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x)
          if (!Keyed(pic, x, y)) lowest = y;
      ASSERT_GE(lowest, 0) << f.file;
      toes[f.file] = row.y + lowest;
    }
  }
  ASSERT_GT(toes.size(), 4u);
  const auto [low, high] = std::minmax_element(toes.begin(), toes.end(),
                                               [](const auto& a, const auto& b) { return a.second < b.second; });
  EXPECT_LE(high->second - low->second, 1) << low->first << " against " << high->first;
}

// Pictures with smooth glows and fades are dithered onto the display's grid:
// SDL's own trip through RGB565 and back changes none of their pixels.
TEST(ArtFiles, BackdropSurvivesTheDisplaysSixteenBitsUnchanged) {
  for (const char* file : {"bg.bmp", "Inside.bmp", "Cow3.bmp", "Cow8.bmp"}) {
    RgbImage pic = Load(kData / file);
    ASSERT_GT(pic.width, 0) << file;
    SDL_Surface* rgb = SDL_CreateRGBSurfaceWithFormatFrom(pic.rgb.data(), pic.width, pic.height, 24, 3 * pic.width,
                                                          SDL_PIXELFORMAT_RGB24);
    SDL_Surface* narrow = SDL_ConvertSurfaceFormat(rgb, SDL_PIXELFORMAT_RGB565, 0);
    SDL_Surface* back = narrow ? SDL_ConvertSurfaceFormat(narrow, SDL_PIXELFORMAT_RGB24, 0) : nullptr;
    ASSERT_NE(back, nullptr) << SDL_GetError();
    int changed = 0;
    for (int y = 0; y < pic.height; ++y)
      changed += std::memcmp(pic.At(0, y), static_cast<uint8_t*>(back->pixels) + static_cast<size_t>(y) * back->pitch,
                             3 * static_cast<size_t>(pic.width)) != 0;
    for (SDL_Surface* s : {rgb, narrow, back}) SDL_FreeSurface(s);
    EXPECT_EQ(changed, 0) << file << ": rows whose pixels the display would change";
  }
}

TEST(Dither565, PutsEveryPixelOnTheGridWhileKeepingTheToneOfEachPatch) {
  RgbImage ramp;
  ramp.width = 256;
  ramp.height = 16;
  for (int y = 0; y < ramp.height; ++y)
    for (int x = 0; x < ramp.width; ++x) {
      const auto v = static_cast<uint8_t>(x);
      ramp.rgb.insert(ramp.rgb.end(), {v, v, static_cast<uint8_t>(255 - x)});
    }
  RgbImage dithered = ramp;
  art::DitherTo565(dithered);
  for (int y = 0; y < ramp.height; ++y)
    for (int x = 0; x < ramp.width; ++x) {
      const uint8_t* p = dithered.At(x, y);
      // On the grid: each value is what a 565 display expands its top bits to.
      ASSERT_EQ(p[0], (p[0] >> 3) * 255 / 31) << x;
      ASSERT_EQ(p[1], (p[1] >> 2) * 255 / 63) << x;
      ASSERT_EQ(p[2], (p[2] >> 3) * 255 / 31) << x;
    }
  // No bands: every 8 x 8 patch keeps its mean tone within a level of the
  // original in each channel, where plain truncation loses up to 7.
  for (int bx = 0; bx < ramp.width; bx += 8)
    for (int c = 0; c < 3; ++c) {
      double before = 0, after = 0;
      for (int y = 0; y < 8; ++y)
        for (int x = bx; x < bx + 8; ++x) {
          before += ramp.At(x, y)[c];
          after += dithered.At(x, y)[c];
        }
      EXPECT_NEAR(after / 64, before / 64, 2.0) << "patch at " << bx << " channel " << c;
    }
}

// Two runs of the generator write the same bytes.
TEST(ArtFiles, GeneratorIsDeterministic) {
  const fs::path dir = fs::temp_directory_path() / ("gs-artgen-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string cmd = std::string("\"") + GS_ARTGEN + "\" --no-sheet --data \"" + dir.string() + "\" >/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  size_t compared = 0;
  for (const auto& e : fs::directory_iterator(dir)) {
    SCOPED_TRACE(e.path().filename().string());
    EXPECT_EQ(ReadAll(e.path()), ReadAll(kData / e.path().filename()));
    ++compared;
  }
  EXPECT_EQ(compared, BitmapsIn(kData).size());
  fs::remove_all(dir);
}

// Brightness, -1 where keyed out.
int Luma(const RgbImage& pic, int x, int y) {
  if (x < 0 || y < 0 || x >= pic.width || y >= pic.height || Keyed(pic, x, y)) return -1;
  const uint8_t* p = pic.At(x, y);
  return (299 * p[0] + 587 * p[1] + 114 * p[2]) / 1000;
}

struct Contrast {
  double sum = 0;
  long edges = 0, weak = 0;
};

// Along the figure's edge: the mean brightness of the figure within 3 px
// against that of the ground within 3 px, pixel by pixel of the edge.
void Measure(const RgbImage& pic, int x0, int y0, const RgbImage& ground, Contrast& c) {
  constexpr int r = 3;
  for (int y = 0; y < pic.height; ++y)
    for (int x = 0; x < pic.width; ++x) {
      if (Luma(pic, x, y) < 0 || (Luma(pic, x - 1, y) >= 0 && Luma(pic, x + 1, y) >= 0 && Luma(pic, x, y - 1) >= 0 &&
                                  Luma(pic, x, y + 1) >= 0))
        continue;
      long fig = 0, nFig = 0, back = 0, nBack = 0;
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
          const int v = Luma(pic, x + dx, y + dy), g = Luma(ground, x0 + x + dx, y0 + y + dy);
          if (v >= 0) fig += v, ++nFig;
          else if (g >= 0) back += g, ++nBack;
        }
      if (!nFig || !nBack) continue;
      const double d = std::abs(static_cast<double>(fig) / nFig - static_cast<double>(back) / nBack);
      c.sum += d;
      ++c.edges;
      c.weak += d < 25;
    }
}

// The turkeys of scenes 1 to 3 stand out from the backdrop behind them: the
// brightness of each figure's edge band against the ground just outside it.
TEST(FigureAndGround, TurkeysStandOutFromTheBackdrop) {
  // The backdrop as every scene frame of scenes 1 to 3 draws it.
  RgbImage ground = Load(kData / "bg.bmp");
  ASSERT_EQ(ground.width, 800);
  for (const std::string holder : {"hInside", "hShack"})  // in the order the scenes draw them
    for (const gs::CatalogueRow& row : gs::SpriteCatalogue()) {
      if (holder != row.holderName) continue;
      const RgbImage pic = Load(kData / gs::ExpandFrames(row).front().file);
      for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x)
          if (!Keyed(pic, x, y) && row.x + x < ground.width && row.y + y < ground.height)
            std::copy_n(pic.At(x, y), 3, ground.At(row.x + x, row.y + y));
    }
  std::map<std::string, Contrast> byScene;
  for (const gs::CatalogueRow& row : gs::SpriteCatalogue()) {
    const std::string holder = row.holderName;
    if (holder.rfind("hT1_", 0) && holder.rfind("hT2_", 0) && holder.rfind("hT3_", 0)) continue;
    std::set<std::string> once;
    for (const gs::CatalogueFrame& f : gs::ExpandFrames(row))
      if (!f.file.empty() && once.insert(f.file).second)
        Measure(Load(kData / f.file), row.x, row.y, ground, byScene[holder.substr(0, 3)]);
  }
  ASSERT_EQ(byScene.size(), 3u);
  for (const auto& [scene, c] : byScene) {
    ASSERT_GT(c.edges, 1000) << scene;
    const double mean = c.sum / c.edges, weak = 100.0 * c.weak / c.edges;
    if (std::getenv("GS_PRINT_CONTRAST"))
      std::printf("contrast %s: mean %.1f, %.1f %% of the edge below 25\n", scene.c_str(), mean, weak);
    EXPECT_GE(mean, 65) << scene;
    EXPECT_LE(weak, 12) << scene;
  }
}

}  // namespace
