// Find and replace over a generated 100 MB Shift-JIS BASIC source: a rare
// literal, the regular expression Dim\s+\w+\s+As\s+Long, and replace-all of
// "As Long" by "As Integer". bench/search.sh times grep and sed on the same
// text (written by --write-corpus) against --time runs of this program.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench_files.h"
#include "bench_text.h"
#include "search/find_core.h"
#include "tests/host/regex_test_api.h"

namespace {

const char kRareLiteral[] = "致命的な障害";
const char kRegex[] = "Dim\\s+\\w+\\s+As\\s+Long";

const std::string& Corpus() {
  static const std::string text = MakeSearchCorpus(100u << 20);
  return text;
}

int CountMatches(const std::string& text, const std::string& needle, SearchOptions options) {
  const RegexApi api = EngineApi();
  int n = 0;
  int from = 0;
  const int len = static_cast<int>(text.size());
  for (;;) {
    SearchHit h = FindInText(text.data(), len, from, needle, options, &api);
    if (!h.Found()) break;
    ++n;
    from = h.pos + h.length;
  }
  return n;
}

ReplaceAllResult ReplaceAll(const std::string& text) {
  const RegexApi api = EngineApi();
  return ReplaceAllInText(text.data(), static_cast<int>(text.size()), "As Long", "As Integer", kCasePlainSearch, &api);
}

void BM_LiteralCount(benchmark::State& state) {
  const std::string& t = Corpus();
  int n = 0;
  const SearchOptions options{state.range(0) != 0, false};
  for (auto _ : state) benchmark::DoNotOptimize(n = CountMatches(t, kRareLiteral, options));
  state.counters["hits"] = n;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(t.size()));
}
BENCHMARK(BM_LiteralCount)->ArgName("matchCase")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_RegexCount(benchmark::State& state) {
  const std::string& t = Corpus();
  int n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(n = CountMatches(t, kRegex, SearchOptions{state.range(0) != 0, true}));
  state.counters["hits"] = n;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(t.size()));
}
BENCHMARK(BM_RegexCount)->ArgName("matchCase")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_ReplaceAll(benchmark::State& state) {
  const std::string& t = Corpus();
  int n = 0;
  for (auto _ : state) {
    ReplaceAllResult r = ReplaceAll(t);
    n = r.count;
    benchmark::DoNotOptimize(r.text.data());
  }
  state.counters["hits"] = n;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(t.size()));
}
BENCHMARK(BM_ReplaceAll)->Unit(benchmark::kMillisecond);

// --time literal|regex|replace FILE [OUT]: one timed run on a file, for the
// comparison script. Prints "<count> <seconds including file I/O> <seconds searching>".
int TimeOne(const std::string& what, const char* path, const char* outPath) {
  const auto t0 = std::chrono::steady_clock::now();
  std::string text;
  if (!ReadAll(path, text)) return 2;
  const auto t1 = std::chrono::steady_clock::now();
  long count = 0;
  if (what == "literal") {
    count = CountMatches(text, kRareLiteral, kCasePlainSearch);
  } else if (what == "regex") {
    count = CountMatches(text, kRegex, kCaseRegexSearch);
  } else if (what == "replace") {
    ReplaceAllResult r = ReplaceAll(text);
    count = r.count;
    const auto t2 = std::chrono::steady_clock::now();
    if (!WriteAll(outPath, r.count ? r.text : text)) return 2;
    const auto t3 = std::chrono::steady_clock::now();
    std::printf("%ld %.3f %.3f\n", count, std::chrono::duration<double>(t3 - t0).count(),
                std::chrono::duration<double>(t2 - t1).count());
    return 0;
  } else {
    return 2;
  }
  const auto t2 = std::chrono::steady_clock::now();
  std::printf("%ld %.3f %.3f\n", count, std::chrono::duration<double>(t2 - t0).count(),
              std::chrono::duration<double>(t2 - t1).count());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--write-corpus") == 0) {
    return WriteAll(argv[2], Corpus()) ? 0 : 2;
  }
  if (argc >= 4 && std::strcmp(argv[1], "--time") == 0) {
    return TimeOne(argv[2], argv[3], argc >= 5 ? argv[4] : "/dev/null");
  }
  if (argc >= 2 && std::strcmp(argv[1], "--print-patterns") == 0) {
    std::printf("%s\n%s\n", kRareLiteral, kRegex);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
