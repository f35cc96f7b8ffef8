// Cost of one typed character (with the conversions the keystroke needs) at the
// start, middle and end of 1 KB, 1 MB and 100 MB documents, against the
// whole-text reference at 1 MB; typing, replacing and clicking in a line of
// megabytes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench_text.h"
#include "editor/line_widths.h"
#include "editor/text_document.h"
#include "tests/host/reference_text_document.h"

namespace {

TextDocument& Document(size_t bytes) {
  static std::map<size_t, std::unique_ptr<TextDocument>> docs;
  auto& slot = docs[bytes];
  if (!slot) slot = std::make_unique<TextDocument>(MakeDialectSource(bytes), DocumentKind::kSource);
  return *slot;
}

enum Where { kStart, kMiddle, kEnd };

// The same spot of the same kind of line for every size: the walks along the
// caret's line then cost the same, and only the document size differs.
int Place(std::string_view text, Where where) {
  if (where == kStart) return 0;
  if (where == kEnd) return static_cast<int>(text.size());
  size_t line = text.find("\r\n\tDim count", text.size() / 2);
  return static_cast<int>(line + 2 + 5);
}

using Clock = std::chrono::steady_clock;

// Each iteration times one typed character and then, untimed, erases it again,
// so that the document keeps its size however many iterations run.
void TypeIndexed(benchmark::State& state, size_t bytes, Where where) {
  TextDocument& doc = Document(bytes);
  const int at = Place(std::string_view(doc.CStr(), doc.Length()), where);
  doc.PlaceSelection(at, at);
  doc.ReplaceSelection("a");  // the first key moves the gap and the pending shifts here
  doc.PlaceSelection(at, at + 1);
  doc.ReplaceSelection("");
  for (auto _ : state) {
    auto t0 = Clock::now();
    int s, e;
    doc.SelectionBytes(s, e);
    doc.ReplaceSelection("a");
    ViewPos caret = doc.ViewFromByte(doc.CaretByte());
    int digits;
    int width = doc.ComputeGutter(digits);
    auto t1 = Clock::now();
    benchmark::DoNotOptimize(caret);
    benchmark::DoNotOptimize(width);
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    doc.PlaceSelection(at, at + 1);
    doc.ReplaceSelection("");
  }
  state.counters["docMB"] = doc.Length() / 1048576.0;
}

void TypeReference(benchmark::State& state, size_t bytes, Where where) {
  ReferenceTextDocument ref;
  ref.text = MakeDialectSource(bytes);
  ref.classes.assign(ref.text.size(), 0);
  const int at = Place(ref.text, where);
  const ViewPos start = ref.ViewFromByte(at);
  for (auto _ : state) {
    ref.caret = ref.anchor = start;
    auto t0 = Clock::now();
    ref.ReplaceSelection("a");
    int caretByte = ref.ByteFromView(ref.caret.col, ref.caret.row);
    ViewPos caret = ref.ViewFromByte(caretByte);
    int digits;
    int width = ref.ComputeGutter(digits);
    auto t1 = Clock::now();
    benchmark::DoNotOptimize(caret);
    benchmark::DoNotOptimize(width);
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    ref.text.erase(at, 1);
    ref.classes.erase(at, 1);
  }
  state.counters["docMB"] = ref.Length() / 1048576.0;
}

// Keys typed alternately a quarter and three quarters into the document: every
// key moves the gap and the pending shifts across half of it.
void TypeFarApart(benchmark::State& state, size_t bytes) {
  TextDocument& doc = Document(bytes);
  int64_t i = 0;
  for (auto _ : state) {
    int at = (i++ % 2 == 0) ? doc.Length() / 4 : doc.Length() / 4 * 3;
    doc.PlaceSelection(at, at);
    doc.ReplaceSelection("a");
  }
}

// Dialect source made one line: every CR LF becomes two blanks.
std::string OneLine(size_t bytes) {
  std::string text = MakeDialectSource(bytes);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\r' && text[i + 1] == '\n') text[i] = text[i + 1] = ' ';
  }
  return text;
}

// A keystroke at the end of a 10 MB line without a line end: the caret placed
// there, the selection bytes, the typed character, the caret byte and its
// position; with `widths`, also the widest-line table the renderer keeps.
void TypeLongLine(benchmark::State& state, bool rightTurn, bool widths) {
  TextLayout lay;
  lay.rightTurn = rightTurn;
  TextDocument doc(OneLine(size_t{10} << 20), DocumentKind::kSource, lay);
  LineWidthCache cache;
  if (widths) cache.Widest(doc);
  const int at = doc.Length();
  auto type = [&](int from, int to, const char* text) {
    doc.PlaceSelection(from, to);
    int s, e;
    doc.SelectionBytes(s, e);
    doc.ReplaceSelection(text);
    if (widths) cache.LinesChanged(doc, doc.LineOfByte(s), doc.LineOfByte(s + 1));
    return doc.ViewFromByte(doc.CaretByte());
  };
  type(at, at, "a");  // the first key walks the line once
  type(at, at + 1, "");
  for (auto _ : state) {
    auto t0 = Clock::now();
    ViewPos caret = type(at, at, "a");
    auto t1 = Clock::now();
    benchmark::DoNotOptimize(caret);
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    type(at, at + 1, "");
  }
  if (widths) state.counters["widest"] = cache.Widest(doc);
}

// Replace all on a 1 MB line, the way the dialog does it: each match is
// selected with SetSelection and replaced with ReplaceSelection, moving
// forward. "If" becomes "IF_" (about 10,000 matches).
void ReplaceAlongLongLine(benchmark::State& state, bool rightTurn) {
  const std::string text = OneLine(size_t{1} << 20);
  std::vector<int> matches;
  for (size_t at = text.find("If"); at != std::string::npos && matches.size() < 10000;
       at = text.find("If", at + 2))
    matches.push_back(static_cast<int>(at));
  TextLayout lay;
  lay.rightTurn = rightTurn;
  for (auto _ : state) {
    state.PauseTiming();
    TextDocument doc(text, DocumentKind::kSource, lay);
    state.ResumeTiming();
    int shift = 0;
    for (int at : matches) {
      doc.PlaceSelection(at + shift + 2, at + shift);
      doc.ReplaceSelection("IF_");
      ++shift;
    }
    benchmark::DoNotOptimize(doc.caretCol);
  }
  state.counters["replacements"] = static_cast<double>(matches.size());
}

// Clicks at random columns of a 10 MB line (SnapView, then the byte of the
// snapped position), as a mouse click or a Page Up does.
void ClickLongLine(benchmark::State& state, bool rightTurn) {
  TextLayout lay;
  lay.rightTurn = rightTurn;
  TextDocument doc(OneLine(size_t{10} << 20), DocumentKind::kSource, lay);
  const ViewPos end = doc.ViewFromByte(doc.Length());
  std::mt19937 rng(7);
  for (auto _ : state) {
    const int row = static_cast<int>(rng() % static_cast<unsigned>(end.row + 1));
    const unsigned cols = rightTurn ? 80u : static_cast<unsigned>(end.col + 1);
    const int col = static_cast<int>(rng() % cols);
    ViewPos v = doc.SnapView(col, row);
    benchmark::DoNotOptimize(doc.ByteFromView(v.col, v.row));
  }
}

void Load(benchmark::State& state, size_t bytes) {
  std::string text = MakeDialectSource(bytes);
  for (auto _ : state) {
    state.PauseTiming();
    std::string copy = text;  // the loader hands its buffer over
    state.ResumeTiming();
    TextDocument doc(std::move(copy), DocumentKind::kSource);
    benchmark::DoNotOptimize(doc.RowCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

}  // namespace

int main(int argc, char** argv) {
  struct Size {
    const char* name;
    size_t bytes;
  };
  const Size sizes[] = {{"1KB", 1024}, {"1MB", 1 << 20}, {"100MB", size_t{100} << 20}};
  const char* whereNames[] = {"start", "middle", "end"};
  for (const Size& size : sizes) {
    for (int w = kStart; w <= kEnd; ++w) {
      std::string name = std::string("Type/") + size.name + "/" + whereNames[w];
      benchmark::RegisterBenchmark(name.c_str(), TypeIndexed, size.bytes, static_cast<Where>(w))
          ->Unit(benchmark::kMicrosecond)
          ->UseManualTime();
    }
  }
  for (int w = kStart; w <= kEnd; ++w) {
    std::string name = std::string("TypeNaiveReference/1MB/") + whereNames[w];
    benchmark::RegisterBenchmark(name.c_str(), TypeReference, size_t{1} << 20, static_cast<Where>(w))
        ->Unit(benchmark::kMicrosecond)
        ->UseManualTime();
  }
  benchmark::RegisterBenchmark("TypeFarApart/100MB", TypeFarApart, size_t{100} << 20)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("TypeLongLine/10MB/end", TypeLongLine, false, false)
      ->Unit(benchmark::kMicrosecond)
      ->UseManualTime();
  benchmark::RegisterBenchmark("TypeLongLine/10MB/end/softWrap", TypeLongLine, true, false)
      ->Unit(benchmark::kMicrosecond)
      ->UseManualTime();
  benchmark::RegisterBenchmark("TypeLongLine/10MB/end/lineWidths", TypeLongLine, false, true)
      ->Unit(benchmark::kMicrosecond)
      ->UseManualTime();
  benchmark::RegisterBenchmark("ReplaceAlongLongLine/1MB", ReplaceAlongLongLine, false)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("ReplaceAlongLongLine/1MB/softWrap", ReplaceAlongLongLine, true)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("ClickLongLine/10MB", ClickLongLine, false)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ClickLongLine/10MB/softWrap", ClickLongLine, true)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("Load/100MB", Load, size_t{100} << 20)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
