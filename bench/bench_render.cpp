// Painting and colouring costs: the run-building walk of one screen at the top
// and at the end of 1 KB and 100 MB documents (goal: the end within 1.5x of the
// top), and colouring a whole 100 MB document against filling its class array.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "bench_text.h"
#include "editor/colorize.h"
#include "editor/paint_runs.h"
#include "editor/text_colouring.h"
#include "prefs/theme_colours.h"

namespace {

struct Fixture {
  std::unique_ptr<TextDocument> doc;
  std::unique_ptr<TextColouring> view;  // colours and render caches, as the editor keeps them
  PaintFrame frame;
};

Fixture& Document(size_t bytes) {
  static std::map<size_t, std::unique_ptr<Fixture>> docs;
  auto& f = docs[bytes];
  if (!f) {
    f = std::make_unique<Fixture>();
    f->doc = std::make_unique<TextDocument>(MakeDialectSource(bytes, DialectShape{false, true}), DocumentKind::kSource);
    f->view = std::make_unique<TextColouring>(*f->doc);
  }
  return *f;
}

// One screen of a maximised window: 60 rows of 120 cells, the caret on it and a
// few rows selected.
PaintRequest Screen(TextDocument& doc, bool atEnd) {
  PaintRequest r;
  r.rows = 60;
  r.visibleCols = 120;
  r.topRow = atEnd ? std::max(0, doc.RowCount() - r.rows + 10) : 0;
  r.caretRow = r.topRow + 20;
  r.selStart = doc.RowStart(r.topRow + 10);
  r.selEnd = doc.RowStart(r.topRow + 14);
  return r;
}

const PaintColours kColours = PaintColoursFrom(ThemeColours(), true);

void PaintScreen(benchmark::State& state, size_t bytes, bool atEnd) {
  Fixture& f = Document(bytes);
  const PaintRequest req = Screen(*f.doc, atEnd);
  BuildPaintRuns(*f.doc, f.view->caches.comments, kColours, req, f.frame);  // warms the caches
  benchmark::DoNotOptimize(f.view->caches.widths.Widest(*f.doc));
  for (auto _ : state) {
    BuildPaintRuns(*f.doc, f.view->caches.comments, kColours, req, f.frame);
    benchmark::DoNotOptimize(f.view->caches.widths.Widest(*f.doc));
    benchmark::DoNotOptimize(f.frame.runs.data());
  }
  state.counters["runs"] = static_cast<double>(f.frame.runs.size());
}

// A keystroke near the top of the document followed by a paint at its end: the
// comment states from the edited line on are walked again.
void EditThenPaintEnd(benchmark::State& state, size_t bytes) {
  Fixture& f = Document(bytes);
  const PaintRequest req = Screen(*f.doc, true);
  const int at = f.doc->LineStart(3);
  for (auto _ : state) {
    f.doc->PlaceSelection(at, at);
    f.doc->ReplaceSelection("a");
    BuildPaintRuns(*f.doc, f.view->caches.comments, kColours, req, f.frame);
    benchmark::DoNotOptimize(f.view->caches.widths.Widest(*f.doc));
    state.PauseTiming();
    f.doc->PlaceSelection(at, at + 1);
    f.doc->ReplaceSelection("");
    state.ResumeTiming();
  }
}

// A keystroke and a paint at the same place, at the end of the document.
void TypeAndPaintAtEnd(benchmark::State& state, size_t bytes) {
  Fixture& f = Document(bytes);
  const PaintRequest req = Screen(*f.doc, true);
  const int at = f.doc->RowStart(req.caretRow);
  BuildPaintRuns(*f.doc, f.view->caches.comments, kColours, req, f.frame);
  for (auto _ : state) {
    f.doc->PlaceSelection(at, at);
    f.doc->ReplaceSelection("a");
    BuildPaintRuns(*f.doc, f.view->caches.comments, kColours, req, f.frame);
    benchmark::DoNotOptimize(f.view->caches.widths.Widest(*f.doc));
    f.doc->PlaceSelection(at, at + 1);
    f.doc->ReplaceSelection("");
  }
}

void ColorizeWhole(benchmark::State& state) {
  Fixture& f = Document(100u << 20);
  for (auto _ : state) ColorizeDocument(*f.doc);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * f.doc->Length());
}

// The physical reference: writing every class once.
void FillClasses(benchmark::State& state) {
  Fixture& f = Document(100u << 20);
  const int n = f.doc->Length();
  for (auto _ : state) {
    std::memset(f.doc->ClassRangePointer(0, n), kColorDefault, static_cast<size_t>(n));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * n);
  ColorizeDocument(*f.doc);
}

// A second reference: only finding the letter runs, with no classes written.
void SplitWords(benchmark::State& state) {
  Fixture& f = Document(100u << 20);
  const int n = f.doc->Length();
  const auto* p = reinterpret_cast<const unsigned char*>(f.doc->RangePointer(0, n));
  bool letter[256] = {};
  for (int c = 0; c < 256; ++c) letter[c] = IsWordStart(static_cast<unsigned char>(c));
  for (auto _ : state) {
    long words = 0;
    for (int i = 0; i < n;) {
      if (!letter[p[i]]) {
        ++i;
        continue;
      }
      int j = i + 1;
      while (j < n && letter[p[j]]) ++j;
      ++words;
      i = j;
    }
    benchmark::DoNotOptimize(words);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * n);
}

// First paint at the end of a freshly opened document: comment states and
// line widths are built once.
void FirstPaintAtEnd(benchmark::State& state) {
  Fixture& f = Document(100u << 20);
  const PaintRequest req = Screen(*f.doc, true);
  for (auto _ : state) {
    f.view->caches.Reset();
    BuildPaintRuns(*f.doc, f.view->caches.comments, kColours, req, f.frame);
    benchmark::DoNotOptimize(f.view->caches.widths.Widest(*f.doc));
  }
}

constexpr size_t k1K = 1024, k100M = 100u << 20;

BENCHMARK_CAPTURE(PaintScreen, top_1KB, k1K, false);
BENCHMARK_CAPTURE(PaintScreen, end_1KB, k1K, true);
BENCHMARK_CAPTURE(PaintScreen, top_100MB, k100M, false);
BENCHMARK_CAPTURE(PaintScreen, end_100MB, k100M, true);
BENCHMARK_CAPTURE(TypeAndPaintAtEnd, 1KB, k1K);
BENCHMARK_CAPTURE(TypeAndPaintAtEnd, 100MB, k100M);
BENCHMARK_CAPTURE(EditThenPaintEnd, 100MB, k100M)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ColorizeWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(FillClasses)->Unit(benchmark::kMillisecond);
BENCHMARK(SplitWords)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstPaintAtEnd)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
