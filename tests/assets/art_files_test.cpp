// The generated data folder against the sprite catalogue: every file the
// show loads is there once, loads as a bitmap, and keeps to its key mode.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct Pixels {
  int width = 0, height = 0;
  bool anyMagenta = false;
  bool anyNearMagenta = false;  // near but not exact
  bool allBlack = true;
};

// Loads through SDL, as the display does, so "readable" means readable by
// the saver.
bool Load(const fs::path& file, Pixels& out) {
  SDL_Surface* raw = SDL_LoadBMP(file.c_str());
  if (!raw) return false;
  SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(raw);
  if (!s) return false;
  out.width = s->w;
  out.height = s->h;
  for (int y = 0; y < s->h; ++y) {
    const auto* row = static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
    for (int x = 0; x < s->w; ++x) {
      const uint8_t* p = row + 3 * x;
      const bool exact = art::IsExactMagenta(p);
      out.anyMagenta |= exact;
      out.anyNearMagenta |= !exact && art::IsNearMagenta(p);
      out.allBlack &= p[0] < 16 && p[1] < 16 && p[2] < 16;
    }
  }
  SDL_FreeSurface(s);
  return true;
}

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
  EXPECT_EQ(keyModeOf.size(), 177u);

  for (const auto& [folded, keyMode] : keyModeOf) {
    SCOPED_TRACE(folded);
    auto found = onDisk.find(folded);
    if (found == onDisk.end()) {
      ADD_FAILURE() << "missing from " << kData;
      continue;
    }
    ASSERT_EQ(found->second.size(), 1u) << "spelled more than one way";
    Pixels px;
    ASSERT_TRUE(Load(kData / *found->second.begin(), px)) << SDL_GetError();
    EXPECT_FALSE(px.anyNearMagenta) << "a fringe close to the transparent colour";
    if (keyMode == -1)
      EXPECT_TRUE(px.anyMagenta) << "keyed picture with nothing transparent";
    else
      EXPECT_FALSE(px.anyMagenta) << "opaque picture with transparent-colour pixels";
  }
  // Nothing else that a case-insensitive lookup could pick up by mistake.
  for (const auto& [folded, names] : onDisk) EXPECT_TRUE(keyModeOf.count(folded)) << "stray bitmap " << folded;
}

TEST(ArtFiles, BackdropAndWipeBarsHaveTheirSizes) {
  Pixels bg, vert, horiz;
  ASSERT_TRUE(Load(kData / "bg.bmp", bg));
  EXPECT_EQ(bg.width, 800);
  EXPECT_EQ(bg.height, 600);
  ASSERT_TRUE(Load(kData / "vertbar.bmp", vert));
  EXPECT_EQ(vert.height, 600);
  EXPECT_GE(vert.width, 2);
  EXPECT_LE(vert.width, 8);
  EXPECT_TRUE(vert.allBlack);
  ASSERT_TRUE(Load(kData / "horizbar.bmp", horiz));
  EXPECT_EQ(horiz.width, 800);
  EXPECT_GE(horiz.height, 2);
  EXPECT_LE(horiz.height, 8);
  EXPECT_TRUE(horiz.allBlack);
  EXPECT_TRUE(fs::exists(kData / "contact-sheet.png"));
}

// Which edges of a keyed picture carry figure pixels: "top", "bottom",
// "left", "right", space-separated; empty when all four are transparent.
std::string TouchedEdges(const fs::path& file) {
  SDL_Surface* raw = SDL_LoadBMP(file.c_str());
  if (!raw) return "unreadable";
  SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(raw);
  if (!s) return "unreadable";
  auto keyed = [&](int x, int y) {
    return art::IsExactMagenta(static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch + 3 * x);
  };
  bool top = false, bottom = false, left = false, right = false;
  for (int x = 0; x < s->w; ++x) {
    top |= !keyed(x, 0);
    bottom |= !keyed(x, s->h - 1);
  }
  for (int y = 0; y < s->h; ++y) {
    left |= !keyed(0, y);
    right |= !keyed(s->w - 1, y);
  }
  SDL_FreeSurface(s);
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
      const std::string touched = TouchedEdges(kData / f.file);
      EXPECT_TRUE(touched.empty() || touched == allowed || allowed.find(touched) != std::string::npos)
          << f.file << " touches its " << touched << " edge";
    }
  }
}

// The lowest row with a figure pixel, or -1.
int LowestFigureRow(const fs::path& file) {
  SDL_Surface* raw = SDL_LoadBMP(file.c_str());
  if (!raw) return -1;
  SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(raw);
  if (!s) return -1;
  int lowest = -1;
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x)
      if (!art::IsExactMagenta(static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch + 3 * x))
        lowest = y;
  SDL_FreeSurface(s);
  return lowest;
}

// The turkeys strutting and standing in their scenes, the closing run of
// scene 3 (placed 6 pixels higher) included, keep their toes on one lawn line.
TEST(ArtFiles, StandingTurkeysShareOneGroundLineOnScreen) {
  std::map<std::string, int> toes;
  for (const gs::CatalogueRow& row : gs::SpriteCatalogue()) {
    const std::string name = row.holderName;
    if (name != "hT1_01" && name != "hT2_01" && name != "hT3_01" && name != "hT3_27") continue;
    for (const gs::CatalogueFrame& f : gs::ExpandFrames(row)) {
      const int lowest = LowestFigureRow(kData / f.file);
      ASSERT_GE(lowest, 0) << f.file;
      toes[f.file] = row.y + lowest;
    }
  }
  ASSERT_EQ(toes.size(), 21u);
  const auto [low, high] = std::minmax_element(toes.begin(), toes.end(),
                                               [](const auto& a, const auto& b) { return a.second < b.second; });
  EXPECT_LE(high->second - low->second, 1) << low->first << " against " << high->first;
}

// Reads a bitmap, converts it to the display's RGB565 and back; counts the
// pixels that changed on the way.
int PixelsChangedBy565(const fs::path& file) {
  SDL_Surface* raw = SDL_LoadBMP(file.c_str());
  if (!raw) return -1;
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0);
  SDL_Surface* narrow = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB565, 0);
  SDL_Surface* back = narrow ? SDL_ConvertSurfaceFormat(narrow, SDL_PIXELFORMAT_RGB24, 0) : nullptr;
  int changed = -1;
  if (rgb && back) {
    changed = 0;
    for (int y = 0; y < rgb->h; ++y)
      changed += std::memcmp(static_cast<uint8_t*>(rgb->pixels) + static_cast<size_t>(y) * rgb->pitch,
                             static_cast<uint8_t*>(back->pixels) + static_cast<size_t>(y) * back->pitch,
                             static_cast<size_t>(rgb->w) * 3) != 0;
  }
  for (SDL_Surface* s : {raw, rgb, narrow, back}) SDL_FreeSurface(s);
  return changed;
}

// Pictures with smooth glows and fades are dithered onto the display's grid.
TEST(ArtFiles, BackdropSurvivesTheDisplaysSixteenBitsUnchanged) {
  for (const char* file : {"bg.bmp", "Inside.bmp", "Cow3.bmp", "Cow8.bmp"})
    EXPECT_EQ(PixelsChangedBy565(kData / file), 0) << file << ": rows whose pixels the display would change";
}

TEST(Dither565, PutsEveryPixelOnTheGridWhileKeepingTheToneOfEachPatch) {
  art::RgbImage ramp;
  ramp.width = 256;
  ramp.height = 16;
  for (int y = 0; y < ramp.height; ++y)
    for (int x = 0; x < ramp.width; ++x) {
      const auto v = static_cast<uint8_t>(x);
      ramp.rgb.insert(ramp.rgb.end(), {v, v, static_cast<uint8_t>(255 - x)});
    }
  art::RgbImage dithered = ramp;
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

}  // namespace
