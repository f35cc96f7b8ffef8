#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/block_completion.h"
#include "assist/completion_items.h"

namespace {

std::vector<std::string> Texts(const std::vector<CompletionItem>& items) {
  std::vector<std::string> out;
  for (const CompletionItem& item : items) out.push_back(item.text);
  return out;
}

// The offer made when the last byte of `text` was just typed.
bool Offer(const std::string& text, BlockOffer& offer, int backNum = 100) {
  return OfferBlockCompletion(text.data(), static_cast<int>(text.size()),
                              static_cast<int>(text.size()) - 1, backNum, offer);
}

// The list as shown: sorted, then the caret-following step.
TrackResult Track(const std::string& text, const BlockOffer& offer, std::vector<CompletionItem>& sorted) {
  sorted = offer.items;
  SortCompletionItems(sorted);
  int n = static_cast<int>(text.size());
  return TrackCaret(sorted, true, text.data(), n, n, offer.startByte, n - offer.startByte);
}

const char kIfBlock[] = "Sub Main()\r\n\tIf a = 1 Then\r\n\t\tx = 2\r\n\t\t";

TEST(BlockCompletion, IfThenOffersElseSelectedAndEndIf) {
  BlockOffer offer;
  std::string text = std::string(kIfBlock) + "E";
  ASSERT_TRUE(Offer(text, offer));
  EXPECT_EQ(offer.open.block, Block::kIf);
  EXPECT_EQ(offer.open.indentation, "\t");
  EXPECT_EQ(Texts(offer.items), (std::vector<std::string>{"End If", "Else"}));
  for (const CompletionItem& item : offer.items) EXPECT_EQ(item.kind, kItemBlock);
  std::vector<CompletionItem> sorted;
  TrackResult r = Track(text, offer, sorted);
  ASSERT_EQ(r.action, TrackResult::kSelect);
  EXPECT_EQ(sorted[r.item].text, "Else");
}

TEST(BlockCompletion, TypingEndIfLetterByLetterInsertsItAligned) {
  BlockOffer offer;
  std::string text = std::string(kIfBlock) + "e";
  ASSERT_TRUE(Offer(text, offer));
  std::vector<CompletionItem> sorted;
  std::string typed = "e";
  TrackResult r;
  for (char c : std::string("nd if")) {
    ASSERT_FALSE(TypedCharClosesList(static_cast<unsigned char>(c), true));
    text += c;
    typed += c;
    r = Track(text, offer, sorted);
    if (typed.size() < 6) {
      ASSERT_EQ(r.action, TrackResult::kSelect) << typed;
      EXPECT_EQ(sorted[r.item].text, typed.size() == 1 ? "Else" : "End If") << typed;
    }
  }
  ASSERT_EQ(r.action, TrackResult::kInsert);
  BlockInsertion ins = BlockItemInsertion(text.data(), static_cast<int>(text.size()), offer.startByte,
                                          static_cast<int>(text.size()), offer.open.indentation,
                                          sorted[r.item].text);
  std::string result = text.substr(0, ins.replaceStart) + ins.text + text.substr(ins.replaceEnd);
  EXPECT_EQ(result, "Sub Main()\r\n\tIf a = 1 Then\r\n\t\tx = 2\r\n\tEnd If");
}

TEST(BlockCompletion, MismatchedTypingClosesTheList) {
  BlockOffer offer;
  std::string text = std::string(kIfBlock) + "E";
  ASSERT_TRUE(Offer(text, offer));
  std::vector<CompletionItem> sorted;
  EXPECT_EQ(Track(text + "x", offer, sorted).action, TrackResult::kClose);
  // Backspace over the letter leaves nothing typed.
  int n = static_cast<int>(text.size()) - 1;
  sorted = offer.items;
  EXPECT_EQ(TrackCaret(sorted, true, text.data(), n, n, offer.startByte, 0).action, TrackResult::kClose);
}

TEST(BlockCompletion, OneLineIfOpensNothing) {
  BlockOffer offer;
  EXPECT_FALSE(Offer("If a Then b = 1\r\nE", offer));
  ASSERT_TRUE(Offer("Do\r\n\tIf a Then b = 1\r\n\tL", offer));
  EXPECT_EQ(offer.open.block, Block::kDo);
  // "Then" in a string or a comment does not count.
  EXPECT_EQ(BlockOpenerOf("If a = \"Then\" Then ' Then"), Block::kIf);
  EXPECT_EQ(BlockOpenerOf("If a Then x ' Then"), Block::kNone);
  EXPECT_EQ(BlockOpenerOf("If a = \" Then\""), Block::kNone);
  EXPECT_EQ(BlockOpenerOf("  if a tHEN  "), Block::kIf);
}

TEST(BlockCompletion, CaseGoesOneTabDeeperThanSelect) {
  BlockOffer offer;
  std::string text = "\t\tSelect Case n\r\n\t\t\tCase 1\r\n\t\t\t\tx = 1\r\n\t\t\t\tC";
  ASSERT_TRUE(Offer(text, offer));
  EXPECT_EQ(offer.open.block, Block::kSelect);
  EXPECT_EQ(Texts(offer.items), (std::vector<std::string>{"End Select", "Case"}));
  std::vector<CompletionItem> sorted;
  TrackResult r = Track(text, offer, sorted);
  ASSERT_EQ(r.action, TrackResult::kSelect);
  ASSERT_EQ(sorted[r.item].text, "Case");
  BlockInsertion ins = BlockItemInsertion(text.data(), static_cast<int>(text.size()), offer.startByte,
                                          static_cast<int>(text.size()), offer.open.indentation, "Case");
  EXPECT_EQ(text.substr(0, ins.replaceStart) + ins.text,
            "\t\tSelect Case n\r\n\t\t\tCase 1\r\n\t\t\t\tx = 1\r\n\t\t\tCase");
}

TEST(BlockCompletion, ClassOffersVisibilityWithPrivateSelectedForP) {
  BlockOffer offer;
  std::string text = "Class Foo\r\n\tx As Long\r\nP";
  ASSERT_TRUE(Offer(text, offer));
  std::vector<CompletionItem> sorted;
  TrackResult r = Track(text, offer, sorted);
  EXPECT_EQ(Texts(sorted), (std::vector<std::string>{"End Class", "Private", "Protected", "Public"}));
  ASSERT_EQ(r.action, TrackResult::kSelect);
  EXPECT_EQ(sorted[r.item].text, "Private");
}

TEST(BlockCompletion, ClosedInnerBlocksAreSkipped) {
  BlockOffer offer;
  std::string text =
      "While a\r\n\tFor i = 1 To 3\r\n\t\tDo\r\n\t\tLoop\r\n\tNext i\r\n\tIf b Then\r\n\tEnd   If\r\n\tW";
  ASSERT_TRUE(Offer(text, offer));
  EXPECT_EQ(offer.open.block, Block::kWhile);
  EXPECT_EQ(Texts(offer.items), (std::vector<std::string>{"Wend"}));
  // A For closed by End If does not match: nothing is offered.
  EXPECT_FALSE(Offer("While a\r\n\tFor i = 1 To 3\r\n\tEnd If\r\n\tW", offer));
  EXPECT_FALSE(Offer("While a\r\n\tFor i = 1 To 3\r\n\tEnd If\r\n\tN", offer));
}

TEST(BlockCompletion, VirtualMethodBodiesNestLikeSubs) {
  BlockOffer offer;
  std::string text =
      "Class A\r\nPublic\r\n\tVirtual Function F() As Long\r\n\t\tF = 1\r\n\tEnd Function\r\nP";
  ASSERT_TRUE(Offer(text, offer));
  EXPECT_EQ(offer.open.block, Block::kClass);
}

TEST(BlockCompletion, SeparatorsInStringsAndCommentsDoNotSplit) {
  BlockOffer offer;
  // The colon in the string would otherwise make " For" a statement.
  EXPECT_TRUE(Offer("Do\r\n\tx = \"a: For\" : y = 1\r\n\tL", offer));
  EXPECT_EQ(offer.open.block, Block::kDo);
  EXPECT_TRUE(Offer("Do\r\n\tx = 1 ' note: For each\r\n\tL", offer));
  EXPECT_EQ(offer.open.block, Block::kDo);
  // A real colon separates: the For after it is open.
  EXPECT_TRUE(Offer("Do\r\n\tx = 1: For i = 1 To 2\r\n\tN", offer));
  EXPECT_EQ(offer.open.block, Block::kFor);
  EXPECT_EQ(offer.open.indentation, "\t");
  // Typing after a colon is a statement start; after a colon in a string not.
  EXPECT_TRUE(Offer("For i = 1 To 2\r\n\tx = 1: N", offer));
  EXPECT_FALSE(Offer("For i = 1 To 2\r\n\tx = \"a: N", offer));
}

TEST(BlockCompletion, LineLimitCountsEveryLineBreakPassed) {
  std::string three = "For i = 1 To 2\r\nx = 1\r\ny = 2\r\nN";
  std::string two = "For i = 1 To 2\r\nx = 1\r\nN";
  BlockOffer offer;
  EXPECT_FALSE(Offer(three, offer, 2));
  EXPECT_TRUE(Offer(two, offer, 2));
  EXPECT_TRUE(Offer(three, offer, 3));
  EXPECT_FALSE(Offer(two, offer, 0));
  // Stored values above 127 read back negative and do not limit the search.
  std::string far = "For i = 1 To 2\r\n";
  for (int i = 0; i < 300; ++i) far += "x = 1\r\n";
  far += "N";
  EXPECT_FALSE(Offer(far, offer, 127));
  EXPECT_TRUE(Offer(far, offer, 128));
  EXPECT_TRUE(Offer(far, offer, 255));
  EXPECT_TRUE(Offer(far, offer, 1000));
}

TEST(BlockCompletion, OnlyTheFirstLetterOfAStatementAndMatchingLetters) {
  BlockOffer offer;
  EXPECT_FALSE(Offer("For i = 1 To 2\r\n\tx = N", offer));
  EXPECT_FALSE(Offer("For i = 1 To 2\r\n\tX", offer));  // not one of C E L N P W
  EXPECT_FALSE(Offer("For i = 1 To 2\r\n\tE", offer));  // no item starts with E
  EXPECT_TRUE(Offer("For i = 1 To 2\r\n\tn", offer));
  EXPECT_FALSE(Offer("N", offer));
  EXPECT_FALSE(Offer("x = 1\r\nE", offer));
}

TEST(BlockCompletion, OpensIndentAndCloserReading) {
  EXPECT_EQ(OpensIndent("If a Then ' comment"), 1);
  EXPECT_EQ(OpensIndent("If a Then b"), 0);
  EXPECT_EQ(OpensIndent("If a$ = \"x:y\" Then"), 1);
  EXPECT_EQ(OpensIndent("ElseIf a Then"), 1);
  for (const char* w : {"Case 1", "Class A", "do", "ELSE", "Enum E", "For i", "Function F()",
                        "Interface I", "Select Case a", "Sub S", "Type T", "While x", "With a",
                        "Private", "Protected", "Public"})
    EXPECT_EQ(OpensIndent(w), 1) << w;
  EXPECT_EQ(OpensIndent("Next"), 0);
  EXPECT_EQ(OpensIndent("Format"), 0);
  EXPECT_EQ(OpensIndent(""), 0);
  EXPECT_EQ(BlockCloserOf("End \t  If"), Block::kIf);
  EXPECT_EQ(BlockCloserOf("endif"), Block::kIf);
  EXPECT_EQ(BlockCloserOf("End"), Block::kNone);
  EXPECT_EQ(BlockCloserOf("Endless"), Block::kNone);
  EXPECT_EQ(BlockCloserOf("  Loop While x"), Block::kDo);
  EXPECT_EQ(BlockCloserOf("Next i"), Block::kFor);
  EXPECT_EQ(BlockOpenerOf("Declare Sub X Lib \"a\" ()"), Block::kNone);
  EXPECT_EQ(BlockOpenerOf("TypeDef A = Long"), Block::kNone);
  EXPECT_STREQ(BlockCloserText(Block::kWith), "End With");
}

TEST(BlockCompletion, InsertionReplacesTheLineIndentation) {
  std::string text = "\t\t  E";
  BlockInsertion ins = BlockItemInsertion(text.data(), 5, 4, 5, "\t", "Else");
  EXPECT_EQ(ins.replaceStart, 0);
  EXPECT_EQ(ins.replaceEnd, 5);
  EXPECT_EQ(ins.text, "\tElse");
  text = "x = 1:\tE";
  ins = BlockItemInsertion(text.data(), 8, 7, 8, "", "Else");
  EXPECT_EQ(ins.replaceStart, 6);
}

}  // namespace
