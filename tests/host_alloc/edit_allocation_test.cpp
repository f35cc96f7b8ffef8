// Every allocation an edit command makes may fail (a huge paste in a 32-bit
// process): the command then throws before anything changed, or it completes.
// This binary replaces the global operator new to fail the n-th allocation,
// for n = 0, 1, 2, ... until the command completes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include "editor/editing.h"
#include "editor/text_colouring.h"
#include "search/replace_all.h"

namespace {
long g_failAt = -1;  // the allocation to fail, counted from arming; -1: none
long g_made = 0;
}  // namespace

void* operator new(size_t size) {
  if (g_failAt >= 0 && g_made++ == g_failAt) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

// A document as the editor holds it: colours and widths follow every edit.
struct Subject {
  EditableText text;
  TextColouring colouring;
  Subject(const std::string& initial, bool wrap)
      : text(initial, DocumentKind::kSource, Layout(wrap)), colouring(text.doc) {}
  static TextLayout Layout(bool wrap) {
    TextLayout layout;
    layout.rightTurn = wrap;
    return layout;
  }
  std::string All() const { return text.doc.Substr(0, text.doc.Length()); }
};

// What a failed command must leave as it was (a command may have widened the
// selection to whole lines before it failed).
struct Snapshot {
  std::string text;
  int undo, redo, lines;
  explicit Snapshot(const Subject& s)
      : text(s.All()),
        undo(UndoStepCount(s.text.undo)),
        redo(RedoStepCount(s.text.undo)),
        lines(s.text.doc.LineCount()) {}
  bool operator==(const Snapshot& o) const {
    return text == o.text && undo == o.undo && redo == o.redo && lines == o.lines;
  }
};

std::string Lines(int n, const std::string& line) {
  std::string out;
  for (int i = 0; i < n; ++i) out += line + "\r\n";
  return out;
}

struct Command {
  const char* name;
  std::function<void(Subject&)> prepare;  // runs unarmed
  std::function<void(Subject&)> run;      // runs armed
  bool atomic;                            // a failure leaves everything as it was
};

}  // namespace

TEST(EditAllocation, AFailedAllocationLeavesTheDocumentWhole) {
  const std::string initial = Lines(40, "\tDim 表示 As Long ' コメント") + "Sub Main()\r\n";
  const std::string paste = Lines(300, "Print \"貼り付け\"");
  auto none = [](Subject&) {};
  const Command commands[] = {
      {"type at the end", [](Subject& s) { s.text.doc.PlaceSelection(s.text.doc.Length(), s.text.doc.Length()); },
       [](Subject& s) { EditSelection(s.text, "x"); }, true},
      {"typed run merges", [](Subject& s) {
         s.text.doc.PlaceSelection(5, 5);
         EditSelection(s.text, "ab");
       },
       [](Subject& s) { EditSelection(s.text, "cd"); }, true},
      {"paste over lines", [](Subject& s) { s.text.doc.PlaceSelection(200, 30); },
       [&paste](Subject& s) { EditSelection(s.text, paste, EditOrigin::kPasted); }, true},
      {"delete lines", [](Subject& s) { s.text.doc.PlaceSelection(0, s.text.doc.Length() / 2); },
       [](Subject& s) { EditSelection(s.text, ""); }, true},
      {"block indent", [](Subject& s) { s.text.doc.PlaceSelection(300, 10); },
       [](Subject& s) { BlockIndent(s.text, false); }, true},
      {"upper case", [](Subject& s) { s.text.doc.PlaceSelection(400, 0); },
       [](Subject& s) { ConvertSelection(s.text, Conversion::kUpper, nullptr); }, true},
      {"undo", [&paste](Subject& s) { EditSelection(s.text, paste, EditOrigin::kPasted); },
       [](Subject& s) { Undo(s.text); }, true},
      {"redo", [&paste](Subject& s) {
         EditSelection(s.text, paste, EditOrigin::kPasted);
         Undo(s.text);
       },
       [](Subject& s) { Redo(s.text); }, true},
      // Each replacement is whole; those made before the failure stay one undo step.
      {"replace all", none,
       [](Subject& s) { ReplaceAllInDocument(s.text, "Long", "Integer ' 長い置換テキスト", kCasePlainSearch, nullptr); }, false},
  };
  for (bool wrap : {false, true}) {
    for (const Command& c : commands) {
      SCOPED_TRACE(std::string(c.name) + (wrap ? ", wrapped" : ""));
      for (long n = 0;; ++n) {
        Subject s(initial, wrap);
        c.prepare(s);
        const Snapshot before(s);
        bool failed = false;
        g_made = 0;
        g_failAt = n;
        try {
          c.run(s);
        } catch (const std::bad_alloc&) {
          failed = true;
        }
        g_failAt = -1;
        if (!failed) break;  // every allocation of the command has been failed once
        SCOPED_TRACE("allocation " + std::to_string(n));
        if (c.atomic) {
          ASSERT_TRUE(Snapshot(s) == before);
        }
        // Whatever happened, the history leads back to the text before.
        while (UndoStepCount(s.text.undo) > before.undo) ASSERT_TRUE(Undo(s.text));
        ASSERT_EQ(s.All(), before.text);
        // And the caches still follow the text: a full recolour gives the same classes.
        Subject fresh(s.All(), wrap);
        ASSERT_EQ(s.text.doc.LineCount(), fresh.text.doc.LineCount());
        ASSERT_EQ(s.text.doc.RowCount(), fresh.text.doc.RowCount());
        for (int i = 0; i < s.text.doc.Length(); ++i) {
          ASSERT_EQ(s.text.doc.ClassAt(i), fresh.text.doc.ClassAt(i)) << "class at " << i;
        }
      }
    }
  }
}
