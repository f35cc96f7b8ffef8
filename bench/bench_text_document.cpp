// Cost of one typed character (with the conversions the keystroke needs) at the
// start, middle and end of 1 KB, 1 MB and 100 MB documents, against the
// whole-text reference at 1 MB.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "editor/text_document.h"
#include "tests/host/reference_text_document.h"

namespace {

// Source text of the dialect with Japanese comments, about 40 bytes a line.
std::string MakeSource(size_t bytes) {
  static const char* const kLines[] = {
      "\tDim count%d As Long ' 件数を数える\r\n",
      "\tIf value%d > 0 Then ' 正の値なら表示\r\n",
      "\t\tPrint \"ソース%d\" ' 能力の表\r\n",
      "\tEnd If\r\n",
      "' ここからメイン処理 その%d\r\n",
      "\tbuf%d = Left$(text, 10) + \"。\"\r\n",
  };
  std::string s;
  s.reserve(bytes + 64);
  char line[96];
  for (int i = 0; s.size() < bytes; ++i) {
    int n = std::snprintf(line, sizeof line, kLines[i % 6], i);
    s.append(line, static_cast<size_t>(n));
  }
  return s;  // ends with a whole line, so every size ends alike
}

TextDocument& Document(size_t bytes) {
  static std::map<size_t, std::unique_ptr<TextDocument>> docs;
  auto& slot = docs[bytes];
  if (!slot) slot = std::make_unique<TextDocument>(MakeSource(bytes), 1);
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
  doc.SetSelection(at, at, false);
  doc.ReplaceSelection("a", false);  // the first key moves the gap and the pending shifts here
  doc.SetSelection(at, at + 1, false);
  doc.ReplaceSelection("", false);
  for (auto _ : state) {
    auto t0 = Clock::now();
    int s, e;
    doc.SelectionBytes(s, e);
    doc.ReplaceSelection("a", false);
    ViewPos caret = doc.ViewFromByte(doc.CaretByte());
    int digits;
    int width = doc.ComputeGutter(digits);
    auto t1 = Clock::now();
    benchmark::DoNotOptimize(caret);
    benchmark::DoNotOptimize(width);
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    doc.SetSelection(at, at + 1, false);
    doc.ReplaceSelection("", false);
  }
  state.counters["docMB"] = doc.Length() / 1048576.0;
}

void TypeReference(benchmark::State& state, size_t bytes, Where where) {
  ReferenceTextDocument ref;
  ref.text = MakeSource(bytes);
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
    doc.SetSelection(at, at, false);
    doc.ReplaceSelection("a", false);
  }
}

// A 10 MB document without a line end: every conversion walks the whole line.
void TypeLongLine(benchmark::State& state, bool rightTurn) {
  std::string text = MakeSource(size_t{10} << 20);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\r' && text[i + 1] == '\n') text[i] = ' ';
  }
  TextLayout lay;
  lay.rightTurn = rightTurn;
  TextDocument doc(text, 1, lay);
  const int at = doc.Length();
  for (auto _ : state) {
    doc.SetSelection(at, at, false);
    int s, e;
    doc.SelectionBytes(s, e);
    doc.ReplaceSelection("a", false);
    ViewPos caret = doc.ViewFromByte(doc.CaretByte());
    benchmark::DoNotOptimize(caret);
    state.PauseTiming();
    doc.SetSelection(at, at + 1, false);
    doc.ReplaceSelection("", false);
    state.ResumeTiming();
  }
}

void Load(benchmark::State& state, size_t bytes) {
  std::string text = MakeSource(bytes);
  for (auto _ : state) {
    state.PauseTiming();
    std::string copy = text;  // the loader hands its buffer over
    state.ResumeTiming();
    TextDocument doc(std::move(copy), 1);
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
  benchmark::RegisterBenchmark("TypeLongLine/10MB/end", TypeLongLine, false)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("TypeLongLine/10MB/end/softWrap", TypeLongLine, true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Load/100MB", Load, size_t{100} << 20)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
