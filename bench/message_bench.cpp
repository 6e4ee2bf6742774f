// What the user's message costs on every frame, by its length and font
// size, on the headless display: the font is chosen, the line drawn and the
// frame presented, as the overlays do on every frame event. bench/message_cost.sh measures the
// whole saver the same way, with its peak memory.
#include <benchmark/benchmark.h>

#include <string>

#include "display/sdl/sdl_display.h"

namespace gs {
namespace {

std::string MessageOf(size_t chars) {
  const std::string words = "Place a message here or turn off. ";
  std::string m;
  while (m.size() < chars) m += words;
  m.resize(chars);
  return m;
}

// Args: characters, font size.
void BM_DrawMessage(benchmark::State& state) {
  SimClock clock;
  SdlDisplay d(clock, SdlDisplay::Options{true, 0, false, nullptr});
  d.OpenDisplay(800, 600, 16, "");
  const std::string message = MessageOf(static_cast<size_t>(state.range(0)));
  const auto size = static_cast<int32_t>(state.range(1));
  for (auto _ : state) {
    d.SetTextFont("Arial", size, 1, false, false, false);
    d.DrawText(message, 1, 568, Rgb(255, 255, 0));
    d.PresentFrame();
  }
}
BENCHMARK(BM_DrawMessage)
    ->Args({12, 16})
    ->Args({32767, 16})
    ->Args({100000, 16})
    ->Args({5000, 200})
    ->Args({32767, 200});

}  // namespace
}  // namespace gs

BENCHMARK_MAIN();
