// Load (detect + decode to Shift-JIS) and save (encode) of a 100 MB Japanese
// text in each character set, with memcpy of the same bytes as the reference.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "ancillar/charset/charset_convert.h"
#include "bench_text.h"

namespace {

constexpr size_t kTextBytes = 100u << 20;

const std::string& SjisText() {
  static const std::string t = MakeJapaneseText(kTextBytes);
  return t;
}

const std::string& TextIn(int code) {
  static std::string texts[4];
  if (texts[code].empty()) {
    ConvertOptions o;
    o.input = kCharsetSjis;
    o.output = code;
    texts[code] = ConvertCharsetToString(o, SjisText());
  }
  return texts[code];
}

const char* const kNames[4] = {"Shift-JIS", "EUC", "JIS", "UTF-8"};

void Memcpy(benchmark::State& state) {
  const std::string& in = SjisText();
  std::unique_ptr<char[]> out(new char[in.size()]);
  std::memset(out.get(), 0, in.size());
  for (auto _ : state) {
    std::memcpy(out.get(), in.data(), in.size());
    benchmark::DoNotOptimize(out.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}

void Detect(benchmark::State& state) {
  int code = static_cast<int>(state.range(0));
  const std::string& in = TextIn(code);
  for (auto _ : state) {
    DetectResult d = DetectCharset(in.data(), in.size());
    if (d.code != code) state.SkipWithError("misdetected");
    benchmark::DoNotOptimize(d);
  }
  state.SetLabel(kNames[code]);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}

void Load(benchmark::State& state) {
  int code = static_cast<int>(state.range(0));
  const std::string& in = TextIn(code);
  std::unique_ptr<char[]> out(new char[in.size() + 1]);
  std::memset(out.get(), 0, in.size() + 1);
  ConvertOptions o;  // detect, to Shift-JIS
  for (auto _ : state) {
    ConvertResult r = ConvertCharset(o, in.data(), in.size(), out.get(), in.size() + 1);
    if (r.detected != code || r.truncated || r.lost) state.SkipWithError("bad load");
  }
  state.SetLabel(kNames[code]);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}

void Save(benchmark::State& state) {
  int code = static_cast<int>(state.range(0));
  const std::string& in = SjisText();
  size_t cap = TextIn(code).size() + 1;
  std::unique_ptr<char[]> out(new char[cap]);
  std::memset(out.get(), 0, cap);
  ConvertOptions o;
  o.input = kCharsetSjis;
  o.output = code;
  for (auto _ : state) {
    ConvertResult r = ConvertCharset(o, in.data(), in.size(), out.get(), cap);
    if (r.truncated || r.lost) state.SkipWithError("bad save");
  }
  state.SetLabel(kNames[code]);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}

}  // namespace

BENCHMARK(Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(Detect)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
