// One keystroke in a 5 MB Source document that includes 2 MB of library
// text, following the steps the editor and the assistance windows take
// (no drawing): the edit itself, the completion list following the typed
// word, the hint update, and the member list after "." that needs the
// program text (document with includes expanded) and its index.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "assist/block_completion.h"
#include "assist/completion_items.h"
#include "assist/member_list.h"
#include "assist/parameter_hint.h"
#include "assist/program_index.h"
#include "bench_text.h"
#include "editor/colorize.h"
#include "editor/text_colouring.h"
#include "editor/text_document.h"
#include "files/include_expand.h"

namespace {

const std::string kBase = "C:\\work\\";
const std::string kProgramDir = "C:\\Quillet\\";

struct Fixture {
  std::string source;  // the document
  std::map<std::string, std::string> includes;
  int caret = 0;       // after "    x = obj" in the last procedure
  int hintCaret = 0;   // after "Proc77(1" in the same procedure
};

const Fixture& Program() {
  static const Fixture fixture = [] {
    Fixture f;
    std::string& t = f.source;
    t.reserve(6 << 20);
    t += "#include \"api1.sbp\"\r\n#include <api2.sbp>\r\n";
    const int classes = AppendClassProgram(t, 5u << 20, false);
    t += "Sub Work(x As Long)\r\n  Dim obj As Class" + std::to_string(classes - 1) + "\r\n";
    t += "  Proc77(1";
    f.hintCaret = static_cast<int>(t.size());
    t += ")\r\n    x = obj";
    f.caret = static_cast<int>(t.size());
    t += "\r\nEnd Sub\r\n";
    for (const char* name : {"api1.sbp", "api2.sbp"}) AppendDeclares(f.includes[name], 1u << 20);
    return f;
  }();
  return fixture;
}

IncludeTextSource Source() {
  return [](const std::string& path, std::string& text) {
    const Fixture& f = Program();
    for (const auto& [name, content] : f.includes) {
      if (path == kBase + name || path == kProgramDir + "Include\\" + name) {
        text = content;
        return true;
      }
    }
    return false;
  };
}

std::unique_ptr<TextDocument> NewDocument() {
  auto doc = std::make_unique<TextDocument>(Program().source, DocumentKind::kSource);
  doc->PlaceSelection(Program().caret, Program().caret);
  return doc;
}

// The open list's part of a keystroke: close check before the edit, the
// caret-following step after it.
struct OpenList {
  std::vector<CompletionItem> items;
  int startByte = 0;
  int typedLength = 0;
};

void TypeIntoList(TextDocument& doc, OpenList& list, char c) {
  const bool closes = TypedCharClosesList(c, false);
  benchmark::DoNotOptimize(closes);
  doc.ReplaceSelection(std::string_view(&c, 1));
  ++list.typedLength;
  const int caret = doc.CaretByte();
  const std::string typed = doc.Substr(list.startByte, list.startByte + list.typedLength);
  TrackResult r = TrackCaret(list.items, false, typed.data(), static_cast<int>(typed.size()),
                             caret - list.startByte, 0, list.typedLength);
  benchmark::DoNotOptimize(r.item);
  // Block completion looks only at letters that start a statement.
  BlockOffer offer;
  const int n = doc.CaretByte();
  benchmark::DoNotOptimize(OfferBlockCompletion(doc.RangePointer(0, n), n, n - 1, 100, offer));
}

void Backspace(TextDocument& doc, OpenList* list) {
  const int caret = doc.CaretByte();
  doc.PlaceSelection(caret - 1, caret);
  doc.ReplaceSelection("");
  if (list) --list->typedLength;
}

// Reference: the edit alone (type a letter, then Backspace).
void BM_EditOnly(benchmark::State& state) {
  auto doc = NewDocument();
  for (auto _ : state) {
    doc->ReplaceSelection("a");
    Backspace(*doc, nullptr);
  }
}
BENCHMARK(BM_EditOnly)->Unit(benchmark::kMicrosecond);

// A letter typed while the member list after "obj." is open, then Backspace.
void BM_KeystrokeListOpen(benchmark::State& state) {
  auto doc = NewDocument();
  doc->ReplaceSelection(".");
  OpenList list;
  list.startByte = doc->CaretByte();
  for (int i = 0; i < 40; ++i) list.items.push_back({"member" + std::to_string(i), 0, kItemPublic});
  SortCompletionItems(list.items);
  for (auto _ : state) {
    TypeIntoList(*doc, list, 'v');
    Backspace(*doc, &list);
  }
}
BENCHMARK(BM_KeystrokeListOpen)->Unit(benchmark::kMicrosecond);

// A comma typed while the hint of the call on the line is shown (no lookup).
void BM_KeystrokeHintShown(benchmark::State& state) {
  const Fixture& f = Program();
  auto doc = NewDocument();
  doc->PlaceSelection(f.hintCaret, f.hintCaret);
  HintState shown;
  shown.shown = true;
  shown.name = "Proc77";
  shown.text = "Proc77(x As Long, ByRef y As Class19)";
  shown.lineStart = doc->LineStartOf(f.hintCaret);
  shown.row = doc->caretRow;
  for (auto _ : state) {
    doc->ReplaceSelection(",");
    const int caret = doc->CaretByte();
    HintDecision d = UpdateHint(doc->RangePointer(0, caret), caret, caret, doc->caretRow, shown, nullptr,
                                DeclarationLookup());
    benchmark::DoNotOptimize(d.action);
    Backspace(*doc, nullptr);
  }
}
BENCHMARK(BM_KeystrokeHintShown)->Unit(benchmark::kMicrosecond);

// A space after "Print" at the start of a line opens the statement's hint
// (no lookup) once it is known that the line lies in no block comment: asked
// of the comment states the editor keeps for painting (withView), or found by
// scanning the text before the line.
void StatementHintOpens(benchmark::State& state, bool withView) {
  auto doc = NewDocument();
  // The colours and render caches the editor window keeps.
  std::unique_ptr<TextColouring> view;
  if (withView) view = std::make_unique<TextColouring>(*doc);
  doc->ReplaceSelection("\r\nPrint");
  if (withView) view->caches.comments.StateAtRow(*doc, doc->caretRow);  // as the last paint left them
  BlockCommentQuery blockComments;
  if (withView) {
    blockComments = BlockCommentQuery([&doc, &view](int lineStart) {
      return (view->caches.comments.StateAtRow(*doc, doc->RowOfByte(lineStart)) & comment_state::kBlock) != 0;
    });
  }
  const HintState none;
  for (auto _ : state) {
    doc->ReplaceSelection(" ");
    const int caret = doc->CaretByte();
    HintDecision d = UpdateHint(doc->RangePointer(0, caret), caret, caret, doc->caretRow, none, blockComments,
                                DeclarationLookup());
    if (d.action != HintDecision::kShow) state.SkipWithError("no hint");
    Backspace(*doc, nullptr);
  }
}
void BM_StatementHintOpensWithCommentStates(benchmark::State& state) { StatementHintOpens(state, true); }
BENCHMARK(BM_StatementHintOpensWithCommentStates)->Unit(benchmark::kMicrosecond);
void BM_StatementHintOpensScanningTheText(benchmark::State& state) { StatementHintOpens(state, false); }
BENCHMARK(BM_StatementHintOpensScanningTheText)->Unit(benchmark::kMicrosecond);

// "." after "obj": the program text changed with the keystroke, so it is
// expanded and indexed again before the member list can open.
void BM_KeystrokeMemberListCold(benchmark::State& state) {
  auto doc = NewDocument();
  ProgramIndexCache cache;
  uint64_t version = 0;
  size_t items = 0, programBytes = 0;
  for (auto _ : state) {
    doc->ReplaceSelection(".");
    const int caret = doc->CaretByte();
    ExpandedProgram program = ExpandIncludesMapped(doc->Substr(0, doc->Length()), kBase, kProgramDir, Source());
    const ProgramIndex& index =
        cache.Get(program.text.data(), static_cast<int>(program.text.size()), ++version);
    std::vector<CompletionItem> list;
    int start = 0;
    OpenMemberList(doc->RangePointer(0, caret), caret, caret - 1, 100, index, program.map.ToProgram(caret), list,
                   start);
    SortCompletionItems(list);
    items = list.size();
    programBytes = program.text.size();
    Backspace(*doc, nullptr);
  }
  state.counters["items"] = static_cast<double>(items);
  state.counters["programMB"] = programBytes / 1048576.0;
}
BENCHMARK(BM_KeystrokeMemberListCold)->Unit(benchmark::kMillisecond);

// The parts of the cold keystroke: the expansion with its offset map alone.
void BM_ExpandWithMap(benchmark::State& state) {
  const Fixture& f = Program();
  for (auto _ : state) {
    ExpandedProgram program = ExpandIncludesMapped(f.source, kBase, kProgramDir, Source());
    benchmark::DoNotOptimize(program.text.data());
  }
}
BENCHMARK(BM_ExpandWithMap)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
