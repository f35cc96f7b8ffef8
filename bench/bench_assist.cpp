// The assistance work of one keystroke in a 5 MB dialect program with a large
// include text appended: the index built cold versus a keystroke on a warm
// index (member list after "obj." plus a parameter-hint update).
#include <benchmark/benchmark.h>

#include <string>

#include "assist/block_completion.h"
#include "assist/member_list.h"
#include "assist/parameter_hint.h"
#include "assist/program_index.h"
#include "bench_text.h"

namespace {

struct BigProgram {
  std::string text;
  int dot = 0;    // the typed full stop of "obj."
  int caret = 0;  // end of "Proc77(1, "
  int letter = 0; // an "N" typed at a statement start inside For
};

const BigProgram& Program() {
  static const BigProgram program = [] {
    BigProgram b;
    std::string& t = b.text;
    t.reserve(6 << 20);
    t += "TypeDef PLong = *Long\r\n";
    const int classes = AppendClassProgram(t, 5u << 20, true);
    // A procedure near the end holds the caret.
    t += "Sub Work(x As Long)\r\n  Dim obj As Class" + std::to_string(classes - 1) + "\r\n";
    t += "  For i = 1 To 3\r\n";
    t += "    x = obj.";
    b.dot = static_cast<int>(t.size()) - 1;
    t += "value + Proc77(1, ";
    b.caret = static_cast<int>(t.size());
    t += "\r\n    N";
    b.letter = static_cast<int>(t.size()) - 1;
    t += "\r\nEnd Sub\r\n";
    // The include text: a large block of library declarations.
    AppendDeclares(t, 6u << 20);
    return b;
  }();
  return program;
}

void BM_IndexColdBuild(benchmark::State& state) {
  const BigProgram& b = Program();
  for (auto _ : state) {
    ProgramIndex index(b.text.data(), static_cast<int>(b.text.size()));
    benchmark::DoNotOptimize(index.Types().size());
  }
  state.counters["MB"] = b.text.size() / 1048576.0;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(b.text.size()));
}
BENCHMARK(BM_IndexColdBuild)->Unit(benchmark::kMillisecond);

// Member list after "obj." and a hint update that looks a new call up.
void BM_WarmKeystrokeListAndNewHint(benchmark::State& state) {
  const BigProgram& b = Program();
  const char* t = b.text.data();
  int n = static_cast<int>(b.text.size());
  ProgramIndexCache cache;
  cache.Get(t, n, 1);
  size_t items = 0;
  for (auto _ : state) {
    const ProgramIndex& index = cache.Get(t, n, 1);
    std::vector<CompletionItem> list;
    int start = 0;
    OpenMemberList(t, n, b.dot, 100, index, b.dot, list, start);
    items = list.size();
    HintState none;
    HintDecision d = UpdateHint(t, n, b.caret, 10, none, &index, ProgramDeclarationLookup(index, b.caret));
    benchmark::DoNotOptimize(d.action);
  }
  state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_WarmKeystrokeListAndNewHint)->Unit(benchmark::kMicrosecond);

// The common keystroke while a hint is shown: the same call, a new index.
void BM_WarmKeystrokeShownHint(benchmark::State& state) {
  const BigProgram& b = Program();
  const char* t = b.text.data();
  int n = static_cast<int>(b.text.size());
  ProgramIndexCache cache;
  const ProgramIndex& warm = cache.Get(t, n, 1);
  HintState shown;
  ApplyHintDecision(shown, UpdateHint(t, n, b.caret, 10, shown, &warm, ProgramDeclarationLookup(warm, b.caret)));
  for (auto _ : state) {
    const ProgramIndex& index = cache.Get(t, n, 1);
    HintDecision d = UpdateHint(t, n, b.caret, 10, shown, &index, ProgramDeclarationLookup(index, b.caret));
    benchmark::DoNotOptimize(d.action);
  }
}
BENCHMARK(BM_WarmKeystrokeShownHint)->Unit(benchmark::kMicrosecond);

// The first keystroke after a change of the program text: index plus lookups.
void BM_ColdKeystroke(benchmark::State& state) {
  const BigProgram& b = Program();
  const char* t = b.text.data();
  int n = static_cast<int>(b.text.size());
  ProgramIndexCache cache;
  uint64_t version = 0;
  for (auto _ : state) {
    const ProgramIndex& index = cache.Get(t, n, ++version);
    std::vector<CompletionItem> list;
    int start = 0;
    OpenMemberList(t, n, b.dot, 100, index, b.dot, list, start);
    HintState none;
    HintDecision d = UpdateHint(t, n, b.caret, 10, none, &index, ProgramDeclarationLookup(index, b.caret));
    benchmark::DoNotOptimize(d.action);
  }
}
BENCHMARK(BM_ColdKeystroke)->Unit(benchmark::kMillisecond);

// Block completion needs no index: a letter at a statement start deep in the file.
void BM_BlockOfferDeep(benchmark::State& state) {
  const BigProgram& b = Program();
  for (auto _ : state) {
    BlockOffer offer;
    bool open = OfferBlockCompletion(b.text.data(), static_cast<int>(b.text.size()), b.letter, 100, offer);
    benchmark::DoNotOptimize(open);
  }
}
BENCHMARK(BM_BlockOfferDeep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
