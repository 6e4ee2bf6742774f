// The turkeys of scenes 1 to 3 stand out from the backdrop behind them: the
// brightness of each figure's edge band against the ground just outside it.
// GS_PRINT_CONTRAST=1 prints the figures per scene.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "display/sprite_catalogue.h"
#include "key_snap.h"

namespace {

namespace fs = std::filesystem;
const fs::path kData = GS_DATA_DIR;

struct Image {
  int w = 0, h = 0;
  std::vector<int> luma;     // -1 where keyed out
};

Image Load(const fs::path& file) {
  Image out;
  SDL_Surface* raw = SDL_LoadBMP(file.c_str());
  if (!raw) return out;
  SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(raw);
  if (!s) return out;
  out.w = s->w;
  out.h = s->h;
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      const uint8_t* p = static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch + 3 * x;
      out.luma.push_back(art::IsExactMagenta(p) ? -1 : (299 * p[0] + 587 * p[1] + 114 * p[2]) / 1000);
    }
  SDL_FreeSurface(s);
  return out;
}

// The backdrop as every scene frame of scenes 1 to 3 draws it.
Image Backdrop() {
  Image screen = Load(kData / "bg.bmp");
  for (auto [file, x0, y0] : {std::tuple{"Inside.bmp", 107, 181}, {"Shack2.bmp", 57, 40}}) {
    const Image pic = Load(kData / file);
    for (int y = 0; y < pic.h; ++y)
      for (int x = 0; x < pic.w; ++x) {
        const int v = pic.luma[y * pic.w + x];
        if (v >= 0 && x0 + x < screen.w && y0 + y < screen.h) screen.luma[(y0 + y) * screen.w + x0 + x] = v;
      }
  }
  return screen;
}

struct Contrast {
  double sum = 0;
  long edges = 0, weak = 0;
};

// Along the figure's edge: the mean brightness of the figure within 3 px
// against that of the ground within 3 px, pixel by pixel of the edge.
void Measure(const Image& pic, int x0, int y0, const Image& ground, Contrast& c) {
  constexpr int r = 3;
  auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= pic.w || y >= pic.h ? -1 : pic.luma[y * pic.w + x]; };
  for (int y = 0; y < pic.h; ++y)
    for (int x = 0; x < pic.w; ++x) {
      if (at(x, y) < 0 || (at(x - 1, y) >= 0 && at(x + 1, y) >= 0 && at(x, y - 1) >= 0 && at(x, y + 1) >= 0))
        continue;
      long fig = 0, nFig = 0, back = 0, nBack = 0;
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
          const int v = at(x + dx, y + dy);
          const int sx = x0 + x + dx, sy = y0 + y + dy;
          if (v >= 0) fig += v, ++nFig;
          else if (sx >= 0 && sy >= 0 && sx < ground.w && sy < ground.h) back += ground.luma[sy * ground.w + sx], ++nBack;
        }
      if (!nFig || !nBack) continue;
      const double d = std::abs(static_cast<double>(fig) / nFig - static_cast<double>(back) / nBack);
      c.sum += d;
      ++c.edges;
      c.weak += d < 25;
    }
}

TEST(FigureAndGround, TurkeysStandOutFromTheBackdrop) {
  const Image ground = Backdrop();
  ASSERT_EQ(ground.w, 800);
  std::map<std::string, Contrast> byScene;
  for (const gs::CatalogueRow& row : gs::SpriteCatalogue()) {
    const std::string holder = row.holderName;
    if (holder.rfind("hT1_", 0) && holder.rfind("hT2_", 0) && holder.rfind("hT3_", 0)) continue;
    std::map<std::string, bool> once;
    for (const gs::CatalogueFrame& f : gs::ExpandFrames(row)) {
      if (f.file.empty() || once[f.file]) continue;
      once[f.file] = true;
      Measure(Load(kData / f.file), row.x, row.y, ground, byScene[holder.substr(0, 3)]);
    }
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
