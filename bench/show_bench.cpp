// The whole first show (184 s of simulated time at the first-run pace)
// composed headless with the real display layer and the build's pictures:
// how many frames a second of CPU buys, and how much of that the scene
// frames take.
#include <benchmark/benchmark.h>

#include <string>

#include "display/frame_events.h"
#include "platform/clock.h"
#include "settings/memory_settings_store.h"
#include "settings/settings_schema.h"
#include "startup/headless_show.h"

namespace gs {
namespace {

constexpr int64_t kShowUs = 184'007'000;

// Arguments: TunePC (6 is the first-run value; 0 makes every frame a scene
// frame) and whether the clock and the message are drawn.
void BM_WholeShow(benchmark::State& state) {
  int64_t frames = 0;
  for (auto _ : state) {
    state.PauseTiming();
    MemorySettingsStore store;
    SaveSetting(store, Setting::SetReg, "2");
    SaveSetting(store, Setting::TunePC, std::to_string(state.range(0)));
    SaveSetting(store, Setting::Clock, state.range(1) ? "1" : "0");
    SaveSetting(store, Setting::ShowMessage, state.range(1) ? "1" : "0");
    SaveSetting(store, Setting::Message, "Place a message here or turn off");
    SaveSetting(store, Setting::FontSize, "24");
    SaveSetting(store, Setting::FontSizeMsg, "16");
    SaveSetting(store, Setting::TuneScrSvr, "True");
    SaveSetting(store, Setting::RunMonitor, "True");
    SimClock clock;
    HeadlessShow headless(clock, store, "show_bench", GS_DATA_DIR "/");
    ShowRig<SdlDisplay>& show = headless.show;
    show.form.Form_Load();
    state.ResumeTiming();
    show.loop.RunUntil(clock, kShowUs);
    frames += kShowUs * kFrameEventsPerSecond / 1'000'000;
  }
  state.counters["frames_per_cpu_s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeShow)
    ->ArgNames({"TunePC", "overlays"})
    ->Args({6, 0})
    ->Args({6, 1})
    ->Args({0, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gs

BENCHMARK_MAIN();
