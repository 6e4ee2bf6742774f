// What the settings cost the saver's start: the file store opened, the
// first-run rule and every setting read as the scene reads them on load.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/saver_settings_store.h"
#include "settings/settings_schema.h"

namespace gs {
namespace {

// Arg 0: a file as the first run leaves it. Arg 1: a hand-edited file with
// the marker only, so that every Integer key is absent.
void BM_SceneStartReads(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "gs-bench-XXXXXX").string();
  if (!::mkdtemp(folder.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string path = folder + "/settings.ini";
  if (state.range(0) == 0) {
    SaverSettingsStore first(path);
    ApplyFirstRunRule(first);
  } else {
    std::ofstream(path) << "[Startup]\nSetReg=2\n";
  }
  for (auto _ : state) {
    SaverSettingsStore store(path);
    SettingsSnapshot read(store);
    ApplyFirstRunRule(store, read);
    int sum = 0;
    for (const SettingSpec& setting : SettingsSchema()) {
      if (setting.kind == SettingKind::Integer) sum += read.Integer(setting.id);
      else sum += static_cast<int>(read.Text(setting.id).size());
    }
    benchmark::DoNotOptimize(sum);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SceneStartReads)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gs

BENCHMARK_MAIN();
