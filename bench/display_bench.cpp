// Compose and present costs of the SDL display. Run under tests/with-xvfb.sh
// for the present cases (they are skipped without a display).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "display/sdl/sdl_display.h"

namespace gs {
namespace {

namespace fs = std::filesystem;

std::string Bmp(const std::string& name, int w, int h, bool keyed) {
  fs::path p = fs::temp_directory_path() / ("gs_bench_" + name + ".bmp");
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      SDL_Rect px{x, y, 1, 1};
      bool hole = keyed && (x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) > (w / 2) * (h / 2);
      SDL_FillRect(s, &px, hole ? SDL_MapRGB(s->format, 255, 0, 255)
                                : SDL_MapRGB(s->format, (x * 7) & 255, (y * 5) & 255, (x + y) & 255));
    }
  SDL_SaveBMP(s, p.c_str());
  SDL_FreeSurface(s);
  return p.string();
}

struct Scene {
  int32_t bg, big[2], small[6];
  void Build(SdlDisplay& d) {
    auto make = [&](const std::string& path, int32_t key, int x, int y) {
      int32_t id = d.CreateSprite();
      d.LoadSpriteFrame(id, 1, path, key);
      d.SetSpriteX(id, x);
      d.SetSpriteY(id, y);
      return id;
    };
    bg = make(Bmp("bg", 800, 600, false), kKeyOpaque, 0, 0);
    std::string bigPath = Bmp("big", 300, 300, true), smallPath = Bmp("small", 60, 60, true);
    for (int i = 0; i < 2; ++i) big[i] = make(bigPath, kKeyTransparent, 50 + 350 * i, 150);
    for (int i = 0; i < 6; ++i) small[i] = make(smallPath, kKeyTransparent, 60 + 110 * i, 480);
  }
  void Compose(SdlDisplay& d) {
    d.ClearFrame(Rgb(41, 118, 14));
    d.DrawSprite(bg);
    for (int32_t s : big) d.DrawSprite(s);
    for (int32_t s : small) d.DrawSprite(s);
    d.SetTextFont("Arial", 24, 1, false, false, false);
    d.DrawText("12:34:56", 1, 1, 0);
    d.SetTextFont("Arial", 16, 1, false, false, false);
    d.DrawText("Place a message here or turn off", 1, 568, Rgb(255, 255, 0));
  }
};

void BM_Memcpy800x600x2(benchmark::State& state) {
  std::vector<uint16_t> a(800 * 600, 1), b(800 * 600);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size() * 2);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy800x600x2);

void BM_ComposeTypicalFrame(benchmark::State& state) {
  SimClock clock;
  SdlDisplay d(clock, SdlDisplay::Options{true, 0, false, nullptr});
  d.OpenDisplay(800, 600, 16, "");
  Scene s;
  s.Build(d);
  for (auto _ : state) s.Compose(d);
}
BENCHMARK(BM_ComposeTypicalFrame);

// 0: nothing changed, 1: a sprite-sized change, 2: the whole frame changed.
void BM_Present(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no X display");
    return;
  }
  SystemClock clock;
  SdlDisplay d(clock, SdlDisplay::Options{});
  if (!d.OpenDisplay(800, 600, 16, "")) {
    state.SkipWithError("display did not open");
    return;
  }
  Scene s;
  s.Build(d);
  s.Compose(d);
  d.PresentFrame();
  int i = 0;
  for (auto _ : state) {
    if (state.range(0) == 1) {
      d.SetSpriteX(s.small[0], 60 + (++i % 2) * 4);
      s.Compose(d);
    } else if (state.range(0) == 2) {
      d.ClearFrame((++i % 2) ? Rgb(255, 0, 0) : Rgb(0, 0, 255));
    }
    d.PresentFrame();
  }
}
BENCHMARK(BM_Present)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
}  // namespace gs

BENCHMARK_MAIN();
