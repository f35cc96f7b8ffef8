// Replace all through the real undoable edit (EditSelection on a
// TextDocument, as the replace dialog does it) on generated 10 MB and 100 MB
// Shift-JIS sources: "As Long" -> "As Integer" plain and as a regular
// expression. The references are the single-pass replacement of the search
// core over a std::string (no document, no undo), and on 10 MB a loop that
// reads the whole text with CStr() after every edit, the quadratic way.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "bench_text.h"
#include "editor/editing.h"
#include "search/find_core.h"
#include "search/replace_all.h"
#include "tests/host/regex_test_api.h"

namespace {

const std::string& Corpus(int megabytes) {
  static std::string ten, hundred;
  std::string& t = megabytes == 10 ? ten : hundred;
  if (t.empty()) t = MakeSearchCorpus(static_cast<size_t>(megabytes) << 20);
  return t;
}

const RegexApi& Engine() {
  static const RegexApi api = EngineApi();
  return api;
}

const char* Needle(bool regex) { return regex ? "As\\s+Long" : "As Long"; }

std::unique_ptr<EditableText> MakeSlot(const std::string& text) {
  return std::make_unique<EditableText>(text, DocumentKind::kText);
}

// Arguments: megabytes, regex.
void SizesAndModes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"MB", "regex"})->Args({10, 0})->Args({100, 0})->Args({10, 1})->Args({100, 1});
}

void BM_ReplaceAllInDocument(benchmark::State& state) {
  const std::string& text = Corpus(static_cast<int>(state.range(0)));
  const bool regex = state.range(1) != 0;
  int count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<EditableText> slot = MakeSlot(text);
    state.ResumeTiming();
    ReplaceAllOutcome r =
        ReplaceAllInDocument(*slot, Needle(regex), "As Integer", SearchOptions{true, regex}, &Engine());
    count = r.count;
    state.PauseTiming();
    slot.reset();
    state.ResumeTiming();
  }
  state.counters["hits"] = count;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllInDocument)
    ->Apply(SizesAndModes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Reference: one pass over a string, no document and no undo.
void BM_ReplaceAllInString(benchmark::State& state) {
  const std::string& text = Corpus(static_cast<int>(state.range(0)));
  const bool regex = state.range(1) != 0;
  int count = 0;
  for (auto _ : state) {
    ReplaceAllResult r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), Needle(regex), "As Integer",
                                          SearchOptions{true, regex}, &Engine());
    count = r.count;
    benchmark::DoNotOptimize(r.text.data());
  }
  state.counters["hits"] = count;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllInString)
    ->Apply(SizesAndModes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// What the loop would cost reading the text with CStr() after each edit.
void BM_ReplaceAllThroughCStr(benchmark::State& state) {
  const std::string& text = Corpus(10);
  int count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<EditableText> slot = MakeSlot(text);
    state.ResumeTiming();
    TextDocument& doc = slot->doc;
    int from = 0;
    count = 0;
    for (;;) {
      SearchHit h = FindInText(doc.CStr(), doc.Length(), from, "As Long", kCasePlainSearch, &Engine());
      if (!h.Found()) break;
      doc.PlaceSelection(h.pos + h.length, h.pos);
      EditSelection(*slot, "As Integer");
      from = h.pos + 10;
      ++count;
    }
    state.PauseTiming();
    slot.reset();
    state.ResumeTiming();
  }
  state.counters["hits"] = count;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllThroughCStr)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
