#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/attribute_list.h"
#include "assist/completion_items.h"
#include "lang/html_tags.h"

namespace {

std::vector<std::string> Texts(const std::vector<CompletionItem>& items) {
  std::vector<std::string> out;
  for (const CompletionItem& item : items) out.push_back(item.text);
  return out;
}

// Opens the attribute list as typing a space at the end of `line` would.
bool TypeSpace(std::string text, std::vector<CompletionItem>& items, int& startByte) {
  text += ' ';
  return OpenAttributeList(text.data(), static_cast<int>(text.size()),
                           static_cast<int>(text.size()) - 1, items, startByte);
}

TEST(HtmlTags, WholeWordsInAnyCaseAreTags) {
  EXPECT_EQ(HtmlTagCount(), 112);
  for (const char* tag : {"table", "blockquote", "marquee", "textarea", "noscript"}) {
    std::string lower = tag;
    std::string upper = lower;
    for (char& c : upper) c = static_cast<char>(c - 32);
    std::string mixed = lower;
    mixed[0] = static_cast<char>(mixed[0] - 32);
    EXPECT_EQ(IsHtmlTag(lower), 1) << lower;
    EXPECT_EQ(IsHtmlTag(upper), 1) << upper;
    EXPECT_EQ(IsHtmlTag(mixed), 1) << mixed;
    EXPECT_EQ(IsHtmlTag(lower.substr(0, 3)), 0) << lower.substr(0, 3);
    EXPECT_EQ(IsHtmlTag(lower + "s"), 0) << lower + "s";
  }
}

TEST(HtmlTags, FirstLetterDispatchEdges) {
  EXPECT_EQ(IsHtmlTag(""), 0);
  EXPECT_EQ(IsHtmlTag("1h"), 0);
  EXPECT_EQ(IsHtmlTag("_a"), 0);
  EXPECT_EQ(IsHtmlTag("\x82\xA0"), 0);
  // The first and last names of the table and single letters.
  EXPECT_EQ(IsHtmlTag("a"), 1);
  EXPECT_EQ(IsHtmlTag("xmp"), 1);
  EXPECT_EQ(IsHtmlTag("Q"), 1);
  EXPECT_EQ(IsHtmlTag("z"), 0);
  for (char d = '1'; d <= '6'; ++d) EXPECT_EQ(IsHtmlTag(std::string("h") + d), 1);
  EXPECT_EQ(IsHtmlTag("h7"), 0);
}

TEST(HtmlTags, AttributesInTableOrderThenCommonOnes) {
  std::vector<CompletionItem> items;
  ASSERT_EQ(BuildAttributeItems("TABLE", items), 1);
  std::vector<std::string> expected = {
      "border", "bordercolor", "bordercolordark", "bordercolorlight", "frame", "rules", "background",
      "bgcolor", "align", "cellpadding", "cellspacing", "height", "hspace", "vspace", "width", "cols",
      "summary", "class", "id", "style"};
  EXPECT_EQ(Texts(items), expected);
  for (size_t i = 0; i < items.size(); ++i) {
    int kind = i < 17 ? kItemTagAttribute : kItemCommonAttribute;
    EXPECT_EQ(items[i].kind, kind) << items[i].text;
    EXPECT_EQ(items[i].flags, 0);
    EXPECT_EQ(CompletionImageIndex(items[i]), kind);
  }
}

TEST(HtmlTags, HeadingsSelfClosingAndSpecialTags) {
  std::vector<CompletionItem> items;
  for (char d = '1'; d <= '6'; ++d) {
    ASSERT_EQ(BuildAttributeItems(std::string("h") + d, items), 1);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"align", "class", "id", "style"}));
  }
  BuildAttributeItems("br", items);
  EXPECT_EQ(Texts(items), (std::vector<std::string>{"/", "clear", "class", "id", "style"}));
  BuildAttributeItems("hr", items);
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items[0].text, "/");
  BuildAttributeItems("base", items);
  EXPECT_EQ(Texts(items), (std::vector<std::string>{"href", "target"}));
  EXPECT_EQ(BuildAttributeItems("title", items), 1);
  EXPECT_TRUE(items.empty());
  // A tag with no row of its own gets the common attributes only.
  BuildAttributeItems("span", items);
  EXPECT_EQ(Texts(items), (std::vector<std::string>{"class", "id", "style"}));
  items.push_back({"stale", 0, 6});
  EXPECT_EQ(BuildAttributeItems("tables", items), 0);
  EXPECT_TRUE(items.empty());
}

TEST(AttributeList, OpensInsideStartTagOnly) {
  std::vector<CompletionItem> items;
  int start = -1;
  std::string line = "<p>text</p><table";
  ASSERT_TRUE(TypeSpace(line, items, start));
  EXPECT_EQ(start, static_cast<int>(line.size()) + 1);
  EXPECT_EQ(items.size(), 20u);
  EXPECT_TRUE(TypeSpace("<TABLE border=\"1\"", items, start));
  EXPECT_TRUE(TypeSpace("< img src=\"a.png\" alt=x", items, start));
  EXPECT_EQ(items[0].text, "src");
  // Inside a quoted value, after the closing ">", in an end tag, no tag.
  EXPECT_FALSE(TypeSpace("<table summary=\"a", items, start));
  EXPECT_TRUE(items.empty());
  EXPECT_FALSE(TypeSpace("<table>", items, start));
  EXPECT_FALSE(TypeSpace("<table>cell", items, start));
  EXPECT_FALSE(TypeSpace("</table", items, start));
  EXPECT_FALSE(TypeSpace("plain text", items, start));
  EXPECT_FALSE(TypeSpace("<tables", items, start));
  // Only the caret's line counts, and a new "<" starts afresh.
  EXPECT_FALSE(TypeSpace("<table\r\nx", items, start));
  EXPECT_TRUE(TypeSpace("<a title=\"x\r\n<b", items, start));
  EXPECT_TRUE(TypeSpace("<td title=\"b\"", items, start));
  EXPECT_EQ(items[0].text, "bordercolor");
  // title opens an empty list.
  EXPECT_TRUE(TypeSpace("<title", items, start));
  EXPECT_TRUE(items.empty());
  // A double-byte character whose trail byte is ">" does not end the tag.
  EXPECT_TRUE(TypeSpace("<font face=\"x\" \x83\x3E", items, start));
}

TEST(AttributeList, OutOfRangePositionsOpenNothing) {
  std::vector<CompletionItem> items;
  int start = 0;
  std::string t = "<a ";
  EXPECT_FALSE(OpenAttributeList(t.data(), 3, 3, items, start));
  EXPECT_FALSE(OpenAttributeList(t.data(), 3, -1, items, start));
  EXPECT_FALSE(OpenAttributeList(t.data(), 0, 0, items, start));
}

// The list narrowing while the user types after the space.
TEST(AttributeList, TypingNarrowsToFirstItemNotLess) {
  std::string text = "<table ";
  std::vector<CompletionItem> items;
  int start = 0;
  ASSERT_TRUE(OpenAttributeList(text.data(), static_cast<int>(text.size()),
                                static_cast<int>(text.size()) - 1, items, start));
  SortCompletionItems(items);
  auto track = [&](const std::string& typed) {
    std::string t = text + typed;
    return TrackCaret(items, false, t.data(), static_cast<int>(t.size()),
                      static_cast<int>(t.size()), start, static_cast<int>(typed.size()));
  };
  TrackResult r = track("");
  EXPECT_EQ(r.action, TrackResult::kNone);
  r = track("b");
  ASSERT_EQ(r.action, TrackResult::kSelect);
  EXPECT_EQ(items[r.item].text, "background");
  r = track("bo");
  EXPECT_EQ(items[r.item].text, "border");
  r = track("BORDERC");
  EXPECT_EQ(items[r.item].text, "bordercolor");
  r = track("zz");
  EXPECT_EQ(r.item, static_cast<int>(items.size()) - 1);
  // The caret left of startByte, or past the typed text, closes the list.
  std::string t = text + "b";
  EXPECT_EQ(TrackCaret(items, false, t.data(), 8, start - 1, start, 1).action, TrackResult::kClose);
  EXPECT_EQ(TrackCaret(items, false, t.data(), 8, start + 2, start, 1).action, TrackResult::kClose);
  EXPECT_EQ(TrackCaret(items, false, t.data(), 8, start, start, -1).action, TrackResult::kClose);
}

TEST(CompletionItems, SortOrderAndImages) {
  std::vector<CompletionItem> items = {
      {"Zeta", 0, 1}, {"alpha", 70, 2}, {"Alpha2", 73, 3}, {"_x", 0, 2}, {"beta", 162, 1}, {"~Beta", 163, 2}};
  SortCompletionItems(items);
  std::vector<std::string> order = Texts(items);
  EXPECT_EQ(order, (std::vector<std::string>{"_x", "alpha", "Alpha2", "beta", "Zeta", "~Beta"}));
  EXPECT_EQ(CompletionImageIndex({"v", kItemVariable, kItemPrivate}), 0);
  EXPECT_EQ(CompletionImageIndex({"v", kItemVariable, kItemPublic}), 1);
  EXPECT_EQ(CompletionImageIndex({"v", kItemVariable, kItemProtected}), 0);
  EXPECT_EQ(CompletionImageIndex({"m", kItemSub, kItemPrivate}), 2);
  EXPECT_EQ(CompletionImageIndex({"m", kItemVirtual, kItemPublic}), 3);
  EXPECT_EQ(CompletionImageIndex({"Next", 0, kItemBlock}), 4);
}

TEST(CompletionItems, TypedCharactersThatCloseLists) {
  for (bool block : {false, true}) {
    EXPECT_FALSE(TypedCharClosesList('a', block));
    EXPECT_FALSE(TypedCharClosesList('7', block));
    EXPECT_FALSE(TypedCharClosesList('_', block));
    EXPECT_TRUE(TypedCharClosesList('.', block));
    EXPECT_TRUE(TypedCharClosesList('(', block));
    EXPECT_TRUE(TypedCharClosesList(0x82, block));
  }
  EXPECT_TRUE(TypedCharClosesList(' ', false));
  EXPECT_FALSE(TypedCharClosesList(' ', true));
}

}  // namespace
