// Compose and present costs of the SDL display. Run under tests/with-xvfb.sh
// for the present cases (they are skipped without a display).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <algorithm>
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

// The road not taken: SDL's renderer (here Mesa's llvmpipe without a GPU),
// uploading the whole frame to a streaming texture and scaling it to the
// screen, for comparison with the window-surface path above. 0: the default
// renderer, 1: the "software" renderer.
void BM_PresentThroughRenderer(benchmark::State& state) {
  if (!std::getenv("DISPLAY") || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    state.SkipWithError("no X display");
    return;
  }
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, state.range(0) == 1 ? "software" : "");
  SDL_Window* w = SDL_CreateWindow("bench", 0, 0, 0, 0, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_Renderer* r = w ? SDL_CreateRenderer(w, -1, 0) : nullptr;
  SDL_Texture* t = r ? SDL_CreateTexture(r, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING, 800, 600) : nullptr;
  if (!t) {
    state.SkipWithError(SDL_GetError());
  } else {
    std::vector<uint32_t> frame(800 * 600);
    int i = 0;
    for (auto _ : state) {
      std::fill(frame.begin(), frame.end(), (++i % 2) ? 0xFF0000u : 0x0000FFu);
      SDL_UpdateTexture(t, nullptr, frame.data(), 800 * 4);
      int ww = 0, wh = 0;
      SDL_GetRendererOutputSize(r, &ww, &wh);
      const int h = wh, wd = h * 4 / 3;
      SDL_Rect dst{(ww - wd) / 2, 0, wd, h};
      SDL_RenderClear(r);
      SDL_RenderCopy(r, t, nullptr, &dst);
      SDL_RenderPresent(r);
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(r, &info);
    state.SetLabel(info.name ? info.name : "?");
  }
  if (t) SDL_DestroyTexture(t);
  if (r) SDL_DestroyRenderer(r);
  if (w) SDL_DestroyWindow(w);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(BM_PresentThroughRenderer)->Arg(0)->Arg(1)->UseRealTime();

}  // namespace
}  // namespace gs

BENCHMARK_MAIN();
