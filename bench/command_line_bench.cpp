// What reading the command line costs when a host, or a careless user,
// hands over a very long preview argument: digits that end in a letter, so
// that no tail is a window id. Arg: the number of digits.
#include <benchmark/benchmark.h>

#include <string>

#include "startup/command_line.h"

namespace gs {
namespace {

void BM_PreviewDigitsThenALetter(benchmark::State& state) {
  const std::string text = "/p " + std::string(static_cast<size_t>(state.range(0)), '7') + "a";
  for (auto _ : state) benchmark::DoNotOptimize(ParseCommandLine(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_PreviewDigitsThenALetter)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A mebibyte over eight arguments.
void BM_EightLongArguments(benchmark::State& state) {
  const std::string eighth(1 << 17, '9');
  std::vector<const char*> argv{"gobbleshot1", "/p"};
  for (int i = 0; i < 8; ++i) argv.push_back(eighth.c_str());
  argv.push_back("x");
  for (auto _ : state) benchmark::DoNotOptimize(ParseCommandLine(static_cast<int>(argv.size()), argv.data()));
}
BENCHMARK(BM_EightLongArguments)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gs

BENCHMARK_MAIN();
