// Editing operations against the bare buffer operation they add to: a typed
// character through EditSelection (undo record and merge) against
// ReplaceSelection alone, undo and redo, a 50 MB paste and its undo, and the
// whole-text conversions and counts against a plain copy or scan of the bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

#include "bench_text.h"
#include "editor/editing.h"
#include "lang/document_kind.h"

namespace {

using Clock = std::chrono::steady_clock;

// Wide lines, for the TAB conversions and wrapping.
std::string MakeSource(size_t bytes) { return MakeDialectSource(bytes, DialectShape{true, false}); }

std::unique_ptr<EditableText> MakeSlot(std::string text) {
  return std::make_unique<EditableText>(std::move(text), DocumentKind::kSource);
}

int Middle(TextDocument& doc) {
  const std::string probe = doc.Substr(doc.Length() / 2, doc.Length() / 2 + 400);
  return doc.Length() / 2 + static_cast<int>(probe.find("\r\n")) + 2;
}

// One typed byte per iteration; every 32 keys the run is undone (untimed) so
// the document keeps its size.
void TypeThroughEditSelection(benchmark::State& state, size_t bytes) {
  auto slot = MakeSlot(MakeSource(bytes));
  TextDocument& doc = slot->doc;
  const int at = Middle(doc);
  doc.PlaceSelection(at, at);
  int typed = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    TypeByte(*slot, 'a');
    auto t1 = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    if (++typed == 32) {
      while (Undo(*slot)) {
      }
      doc.PlaceSelection(at, at);
      typed = 0;
    }
  }
}

void TypeThroughReplaceSelection(benchmark::State& state, size_t bytes) {
  auto slot = MakeSlot(MakeSource(bytes));
  TextDocument& doc = slot->doc;
  const int at = Middle(doc);
  doc.PlaceSelection(at, at);
  int typed = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    doc.ReplaceSelection("a");
    auto t1 = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    if (++typed == 32) {
      doc.PlaceSelection(at, at + typed);
      doc.ReplaceSelection("");
      typed = 0;
    }
  }
}

// Enter at the end of an indented line: line break, reference line, provisional indent.
void EnterWithAutoIndent(benchmark::State& state, size_t bytes) {
  auto slot = MakeSlot(MakeSource(bytes));
  TextDocument& doc = slot->doc;
  const int at = Middle(doc) + 5;  // inside an indented line
  const int end = doc.LineEnd(doc.LineOfByte(at));
  for (auto _ : state) {
    doc.PlaceSelection(end, end);
    auto t0 = Clock::now();
    TypeEnter(*slot, true);
    auto t1 = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    Undo(*slot);
  }
}

void UndoRedoPair(benchmark::State& state, size_t bytes) {
  auto slot = MakeSlot(MakeSource(bytes));
  TextDocument& doc = slot->doc;
  const int at = Middle(doc);
  doc.PlaceSelection(at, at);
  TypeByte(*slot, 'w');
  for (auto _ : state) {
    Undo(*slot);
    Redo(*slot);
  }
  benchmark::DoNotOptimize(doc.Length());
}

void Paste50MB(benchmark::State& state, bool recorded) {
  const std::string block = MakeSource(size_t{50} << 20);
  for (auto _ : state) {
    state.PauseTiming();
    auto slot = MakeSlot(MakeSource(1024));
    slot->doc.PlaceSelection(500, 500);
    state.ResumeTiming();
    if (recorded)
      EditSelection(*slot, block, EditOrigin::kPasted);
    else
      slot->doc.ReplaceSelection(block);
    state.PauseTiming();
    slot.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(block.size()));
}

void UndoOf50MBPaste(benchmark::State& state) {
  const std::string block = MakeSource(size_t{50} << 20);
  auto slot = MakeSlot(MakeSource(1024));
  slot->doc.PlaceSelection(500, 500);
  EditSelection(*slot, block, EditOrigin::kPasted);
  for (auto _ : state) {
    Undo(*slot);
    state.PauseTiming();
    Redo(*slot);
    state.ResumeTiming();
  }
}

const std::string& Text10MB() {
  static const std::string text = MakeSource(size_t{10} << 20);
  return text;
}

template <typename F>
void WholeText(benchmark::State& state, F f) {
  const std::string& text = Text10MB();
  for (auto _ : state) benchmark::DoNotOptimize(f(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void CountReference(benchmark::State& state) {
  WholeText(state, [](const std::string& t) { return std::count(t.begin(), t.end(), '\n'); });
}
void CopyReference(benchmark::State& state) {
  WholeText(state, [](const std::string& t) { return std::string(t); });
}
void Count(benchmark::State& state) {
  WholeText(state, [](const std::string& t) { return CountCharacters(t).chars; });
}
void Upper(benchmark::State& state) {
  WholeText(state, [](const std::string& t) { return AsciiCase(t, true); });
}
void Tabs(benchmark::State& state) {
  WholeText(state, [](const std::string& t) { return TabsToSpaces(t, 4); });
}
void Spaces(benchmark::State& state) {
  WholeText(state, [](const std::string& t) { return SpacesToTabs(t, 4); });
}
void Wrap(benchmark::State& state) {
  WholeText(state, [](const std::string& t) { return WrapLines(t, 4, 40, false); });
}
void QuoteWrap(benchmark::State& state) {
  WholeText(state, [](const std::string& t) { return WrapLines(t, 4, 40, true); });
}

// Tab over every line of a 10 MB document, then (untimed) its undo.
void BlockIndentAll(benchmark::State& state) {
  auto slot = MakeSlot(Text10MB());
  TextDocument& doc = slot->doc;
  for (auto _ : state) {
    doc.PlaceSelection(doc.Length(), 0);
    BlockIndent(*slot, false);
    state.PauseTiming();
    Undo(*slot);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(Text10MB().size()));
}

}  // namespace

int main(int argc, char** argv) {
  const struct {
    const char* name;
    size_t bytes;
  } sizes[] = {{"1KB", 1024}, {"1MB", 1 << 20}, {"100MB", size_t{100} << 20}};
  for (const auto& size : sizes) {
    benchmark::RegisterBenchmark((std::string("TypeByte/EditSelection/") + size.name).c_str(),
                                 TypeThroughEditSelection, size.bytes)
        ->Unit(benchmark::kMicrosecond)
        ->UseManualTime();
    benchmark::RegisterBenchmark((std::string("TypeByte/ReplaceSelectionOnly/") + size.name).c_str(),
                                 TypeThroughReplaceSelection, size.bytes)
        ->Unit(benchmark::kMicrosecond)
        ->UseManualTime();
  }
  benchmark::RegisterBenchmark("EnterAutoIndent/100MB", EnterWithAutoIndent, size_t{100} << 20)
      ->Unit(benchmark::kMicrosecond)
      ->UseManualTime();
  benchmark::RegisterBenchmark("UndoRedoPair/100MB", UndoRedoPair, size_t{100} << 20)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("Paste50MB/EditSelection", Paste50MB, true)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Paste50MB/ReplaceSelectionOnly", Paste50MB, false)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("UndoOf50MBPaste", UndoOf50MBPaste)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/reference/countLF", CountReference)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/reference/copy", CopyReference)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/CountCharacters", Count)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/AsciiCase", Upper)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/TabsToSpaces", Tabs)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/SpacesToTabs", Spaces)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/WrapLines", Wrap)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/QuoteWrapLines", QuoteWrap)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Whole10MB/BlockIndent", BlockIndentAll)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
