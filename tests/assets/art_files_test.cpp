// The generated data folder against the sprite catalogue: every file the
// show loads is there once, loads as a bitmap, and keeps to its key mode.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include <unistd.h>

#include "display/sprite_catalogue.h"
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
