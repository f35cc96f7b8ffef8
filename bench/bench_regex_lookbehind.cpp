// Look-behind inside long runs of lead-range bytes: 字(?<=字字)A over a run of
// 字 (0x8E 0x9A, both bytes in the lead range) steps back two characters at
// every one of them. The reference is the same pattern in ASCII,
// x(?<=xx)A over as many bytes of "x", in the same run of the program.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/host/regex_test_api.h"

namespace {

std::string Run(const char* unit, size_t bytes) {
  std::string text;
  text.reserve(bytes + 1);
  while (text.size() + 2 <= bytes) text += unit;
  if (text.size() < bytes) text += "x";
  return text + "A";
}

void BM_LookBehindInRun(benchmark::State& state) {
  const bool kanji = state.range(0) != 0;
  const size_t bytes = static_cast<size_t>(state.range(1)) * 1024;
  const std::string text = kanji ? Run("字", bytes) : Run("xx", bytes);
  const std::string command = kanji ? "m/字(?<=字字)A/k" : "m/x(?<=xx)A/k";
  int at = -1;
  for (auto _ : state) {
    EngineMatchResult r = EngineMatch(command, text);
    at = r.pos;
    benchmark::DoNotOptimize(at);
  }
  state.counters["found_at"] = at;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LookBehindInRun)
    ->ArgNames({"kanji", "KB"})
    ->Args({0, 156})
    ->Args({1, 156})
    ->Args({0, 312})
    ->Args({1, 312})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
