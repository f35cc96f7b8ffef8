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

#include "ancillar/regex/bregexp_api.h"
#include "editor/editing.h"
#include "search/find_core.h"
#include "search/replace_all.h"

namespace {

struct Lcg {
  uint64_t s = 0x9E3779B97F4A7C15ull;
  uint32_t Next() {
    s = s * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(s >> 33);
  }
};

// About 400 "As Long" per MB (40,000 in 100 MB), on lines of 10-50 bytes.
std::string MakeCorpus(size_t bytes) {
  static const char* comments[] = {"' 表示処理を開始する前に設定を読み込む", "' ソースの能力を確認します",
                                   "' ウィンドウを作成して表示する", "' 文字列を整形してバッファに格納"};
  static const char* statements[] = {"    x = x + 1 ' 加算", "    If n > 0 Then ' 正の値",
                                     "    Print \"表示しました\"", "End Function", "Next i"};
  std::string t;
  t.reserve(bytes + 256);
  Lcg rng;
  while (t.size() < bytes) {
    const uint32_t r = rng.Next() % 1000;
    if (r < 4) {
      t += "    Dim x As Long ' カウンタ";
    } else if (r < 10) {
      t += "Sub Proc" + std::to_string(r) + "(ByVal n As Long) ' 手続き";
    } else if (r < 400) {
      t += comments[r % 4];
    } else {
      t += statements[r % 5];
    }
    t += "\r\n";
  }
  return t;
}

const std::string& Corpus(int megabytes) {
  static std::string ten, hundred;
  std::string& t = megabytes == 10 ? ten : hundred;
  if (t.empty()) t = MakeCorpus(static_cast<size_t>(megabytes) << 20);
  return t;
}

const RegexApi& Engine() {
  static RegexApi api = [] {
    RegexApi a;
    a.match = &BMatch;
    a.subst = &BSubst;
    a.regfree = &BRegfree;
    a.matchEx = &BMatchEx;
    a.substEx = &BSubstEx;
    return a;
  }();
  return api;
}

const char* Needle(bool regex) { return regex ? "As\\s+Long" : "As Long"; }

std::unique_ptr<DocumentSlot> MakeSlot(const std::string& text) {
  auto slot = std::make_unique<DocumentSlot>();
  slot->kind = kDocText;
  slot->text = std::make_unique<TextDocument>(text, kDocText);
  slot->undo = std::make_unique<UndoRing>();
  return slot;
}

// Arguments: megabytes, regex.
void BM_ReplaceAllInDocument(benchmark::State& state) {
  const std::string& text = Corpus(static_cast<int>(state.range(0)));
  const bool regex = state.range(1) != 0;
  int count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<DocumentSlot> slot = MakeSlot(text);
    state.ResumeTiming();
    ReplaceAllOutcome r = ReplaceAllInDocument(*slot, Needle(regex), "As Integer", true, regex, &Engine());
    count = r.count;
    state.PauseTiming();
    slot.reset();
    state.ResumeTiming();
  }
  state.counters["hits"] = count;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllInDocument)
    ->ArgNames({"MB", "regex"})
    ->Args({10, 0})
    ->Args({100, 0})
    ->Args({10, 1})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Reference: one pass over a string, no document and no undo.
void BM_ReplaceAllInString(benchmark::State& state) {
  const std::string& text = Corpus(static_cast<int>(state.range(0)));
  const bool regex = state.range(1) != 0;
  int count = 0;
  for (auto _ : state) {
    ReplaceAllResult r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), Needle(regex), "As Integer",
                                          true, regex, &Engine());
    count = r.count;
    benchmark::DoNotOptimize(r.text.data());
  }
  state.counters["hits"] = count;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAllInString)
    ->ArgNames({"MB", "regex"})
    ->Args({10, 0})
    ->Args({100, 0})
    ->Args({10, 1})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// What the loop would cost reading the text with CStr() after each edit.
void BM_ReplaceAllThroughCStr(benchmark::State& state) {
  const std::string& text = Corpus(10);
  int count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<DocumentSlot> slot = MakeSlot(text);
    state.ResumeTiming();
    TextDocument& doc = *slot->text;
    int from = 0;
    count = 0;
    for (;;) {
      SearchHit h = FindInText(doc.CStr(), doc.Length(), from, "As Long", true, false, &Engine());
      if (!h.Found()) break;
      doc.SetSelection(h.pos + h.length, h.pos, false);
      EditSelection(*slot, "As Integer", false, false);
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
