// Seeded, time-bounded fuzz of the assistance core over random dialect-like
// text: no crash, no read past the buffer (each text sits in an exact-size
// heap block so AddressSanitizer sees any overrun), sane results.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "assist/attribute_list.h"
#include "assist/block_completion.h"
#include "assist/completion_items.h"
#include "assist/declaration_finder.h"
#include "assist/member_list.h"
#include "assist/member_lookup.h"
#include "assist/parameter_hint.h"
#include "assist/program_index.h"

namespace {

const char* const kPieces[] = {
    "Class ", "Interface ", "Type ", "End ", "Sub ", "Function ", "Abstract ", "Virtual ",
    "Declare ", "Lib \"k\" ", "Dim ", "As ", "*", "**", "TypeDef ", " = ", "Inherits ", "Private",
    "Public", "Protected", "If ", " Then", "Else", "For ", "Next", "Do", "Loop", "While ", "Wend",
    "With ", "Select Case ", "Case ", "Enum ", "Export ", "ByRef ", "ByVal ", "MsgBox ", "Circle ",
    "Long", "Point", "Foo", "Bar", "a", "b", "p", "~Foo", ".", "->", "(", ")", "[", "]", ",", ":",
    "\"", "'", "/*", "*/", "_", " ", "\t", "\r\n", "\r\n", "\r\n", "1", "<table ", "<", ">",
    "\x82\xA0", "\x88\x9F", "\x83", "=", "-",
};

std::string RandomText(std::mt19937& rng, int pieces) {
  std::string s;
  std::uniform_int_distribution<int> pick(0, sizeof(kPieces) / sizeof(kPieces[0]) - 1);
  for (int i = 0; i < pieces; ++i) s += kPieces[pick(rng)];
  if (rng() % 4 == 0) s += '\x81';  // a lone lead byte at the very end
  return s;
}

double FuzzSeconds() {
  const char* env = std::getenv("QUILLET_FUZZ_SECONDS");
  double v = env ? std::atof(env) : 0;
  return v > 0 ? v : 2.0;
}

TEST(AssistFuzz, RandomTextThroughEveryFunction) {
  std::mt19937 rng(20261207);
  auto deadline = std::chrono::steady_clock::now() +
                  std::chrono::milliseconds(static_cast<int>(FuzzSeconds() * 1000));
  int rounds = 0;
  while (std::chrono::steady_clock::now() < deadline || rounds < 20) {
    ++rounds;
    std::string source = RandomText(rng, 1 + static_cast<int>(rng() % 300));
    int n = static_cast<int>(source.size());
    std::unique_ptr<char[]> buf(new char[n]);
    std::copy(source.begin(), source.end(), buf.get());
    const char* t = buf.get();
    ProgramIndex index(t, n);
    for (int k = 0; k < 20; ++k) {
      int p = static_cast<int>(rng() % (n + 1));
      int q = p < n ? p : n - 1;
      BlockOffer offer;
      if (q >= 0 && OfferBlockCompletion(t, n, q, static_cast<int>(rng() % 300) - 20, offer)) {
        ASSERT_FALSE(offer.items.empty());
        std::vector<CompletionItem> sorted = offer.items;
        SortCompletionItems(sorted);
        int typed = static_cast<int>(rng() % 4);
        TrackResult r = TrackCaret(sorted, true, t, n, q + typed, q, typed);
        ASSERT_LT(r.item, static_cast<int>(sorted.size()));
        BlockInsertion ins = BlockItemInsertion(t, n, q, q + typed, offer.open.indentation, sorted[0].text);
        ASSERT_LE(0, ins.replaceStart);
        ASSERT_LE(ins.replaceStart, ins.replaceEnd);
        ASSERT_LE(ins.replaceEnd, n);
      }
      OpenBlock open;
      FindOpenBlock(t, n, p, 100, open);
      int e = p + static_cast<int>(rng() % 40);
      if (e > n) e = n;
      std::string_view piece(t + p, static_cast<size_t>(e - p));
      OpensIndent(piece);
      BlockOpenerOf(piece);
      BlockCloserOf(piece);
      std::vector<CompletionItem> items;
      int start = 0;
      if (q >= 0 && OpenAttributeList(t, n, q, items, start)) {
        ASSERT_EQ(start, q + 1);
      }
      if (q >= 0 && OpenMemberList(t, n, q, 100, index, q, items, start)) {
        ASSERT_FALSE(items.empty());
      }
      std::string expr;
      if (q >= 0) CollectMemberExpression(t, n, q, static_cast<int>(rng() % 200), expr);
      HintState state;
      state.shown = rng() % 2;
      state.name = state.shown ? "Foo" : "";
      state.text = "Foo(a, b)";
      state.lineStart = static_cast<int>(rng() % (n + 2));
      HintDecision d = UpdateHint(t, n, p, static_cast<int>(rng() % 3), state,
                                  rng() % 2 ? &index : nullptr, ProgramDeclarationLookup(index, p));
      if (d.action == HintDecision::kShow) {
        ASSERT_FALSE(d.text.empty());
        SplitHintText(d.text, d.index);
      }
      std::string out;
      std::string name(piece);
      FindDeclaration(index, p, name, out);
      ResolveExpressionType(index, p, piece);
      SplitHintText(piece, static_cast<int>(rng() % 4));
      int s0 = static_cast<int>(rng() % (n + 1));
      DeclarationHintText(std::string_view(t, n), s0, s0 + static_cast<int>(rng() % 50), "x", out);
      std::vector<CompletionItem> list = {{"b", 0, 6}, {"ab", 0, 6}, {"c", 0, 5}};
      TrackResult r = TrackCaret(list, rng() % 2, t, n, p, static_cast<int>(rng() % (n + 1)),
                                 static_cast<int>(rng() % 5) - 1);
      ASSERT_LT(r.item, 3);
    }
    for (const TypeBlock& type : index.Types()) {
      std::vector<CompletionItem> items;
      EnumerateMembers(index, static_cast<int>(&type - &index.Types()[0]), items);
      ASSERT_LE(type.start, type.end);
    }
    for (const ProcBlock& proc : index.Procs()) ASSERT_LE(proc.start, proc.end);
  }
  RecordProperty("rounds", rounds);
}

}  // namespace
