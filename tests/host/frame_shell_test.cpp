// Pure pieces of the frame: titles, status texts, layout and splitter clamps.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "shell/document_table.h"
#include "shell/frame_layout.h"
#include "shell/status_text.h"

namespace {

void Use(DocumentTable& t, int slot, const std::string& title) {
  t.slots[slot].window = reinterpret_cast<HWND>(static_cast<intptr_t>(slot + 1));
  t.slots[slot].title = title;
}

}  // namespace

TEST(DocumentTable, UniqueTitlesAppendUnderscoresIgnoringCase) {
  DocumentTable t;
  EXPECT_EQ(t.UniqueTitle("a.txt"), "a.txt");
  Use(t, 0, "a.txt");
  EXPECT_EQ(t.UniqueTitle("A.TXT"), "A.TXT_");
  Use(t, 1, "a.txt_");
  EXPECT_EQ(t.UniqueTitle("a.txt"), "a.txt__");
  // A free slot's old title does not count.
  t.slots[0].window = nullptr;
  EXPECT_EQ(t.UniqueTitle("a.txt"), "a.txt");
  // Double-byte titles compare byte for byte (trail bytes never fold).
  Use(t, 2, "表示.txt");
  EXPECT_EQ(t.UniqueTitle("表示.txt"), "表示.txt_");
  EXPECT_EQ(t.UniqueTitle("表示.TXT"), "表示.TXT_");
}

TEST(DocumentTable, UntitledNumbersAreNeverReusedAndSlotsAreFound) {
  DocumentTable t;
  EXPECT_EQ(t.NextUntitledTitle(), "Document[1]");
  EXPECT_EQ(t.NextUntitledTitle(), "Document[2]");
  EXPECT_EQ(t.FirstFree(), 0);
  Use(t, 0, "x");
  Use(t, 1, "y");
  EXPECT_EQ(t.FirstFree(), 2);
  t.slots[0].window = nullptr;
  EXPECT_EQ(t.FirstFree(), 0);
  EXPECT_EQ(t.SlotOfWindow(t.slots[1].window), 1);
  EXPECT_EQ(t.SlotOfWindow(nullptr), -1);
  for (int i = 0; i < DocumentTable::kSlots; ++i) Use(t, i, "d" + std::to_string(i));
  EXPECT_EQ(t.FirstFree(), -1);
  EXPECT_EQ(t.CountInUse(), 255);
}

TEST(DocumentTable, FindTextByPathIgnoresCaseAndOtherKinds) {
  DocumentTable t;
  Use(t, 3, "a.txt");
  t.slots[3].kind = DocumentKind::kText;
  t.slots[3].path = "C:\\Work\\A.txt";
  Use(t, 4, "b.ico");
  t.slots[4].kind = DocumentKind::kIcon;
  t.slots[4].path = "C:\\Work\\b.ico";
  EXPECT_EQ(t.FindTextByPath("c:\\work\\a.TXT"), 3);
  EXPECT_EQ(t.FindTextByPath("C:\\Work\\b.ico"), -1);
  EXPECT_EQ(t.FindTextByPath(""), -1);
}

TEST(StatusText, SizeUnitsSwitchAtTheBinaryBoundaries) {
  EXPECT_EQ(FormatDocumentSize(0), "サイズ: 0Byte");
  EXPECT_EQ(FormatDocumentSize(1023), "サイズ: 1023Byte");
  EXPECT_EQ(FormatDocumentSize(1024), "サイズ: 1.00KB");
  EXPECT_EQ(FormatDocumentSize(1536), "サイズ: 1.50KB");
  EXPECT_EQ(FormatDocumentSize(1048575), "サイズ: 1024.00KB");
  EXPECT_EQ(FormatDocumentSize(1048576), "サイズ: 1.00MB");
  EXPECT_EQ(FormatDocumentSize(100LL * 1048576 + 524288), "サイズ: 100.50MB");
  EXPECT_EQ(FormatCaretPosition(12, 3), "12 行、3 列");
  EXPECT_EQ(FormatReplacedCount(10000), "10000 件置換しました");
}

TEST(StatusText, HelpTextsOfCommands) {
  EXPECT_STREQ(CommandHelpText(40001), "アプリケーションの終了と内容の保存確認をします");
  EXPECT_STREQ(CommandHelpText(40153), "作業中ドキュメントの文字数をカウントします");
  EXPECT_EQ(CommandHelpText(40168), nullptr);
}

TEST(FrameLayout, PanesShareTheClientArea) {
  FrameLayoutInput in;
  in.width = 1000;
  in.height = 700;
  in.rebarHeight = 30;
  in.statusHeight = 20;
  in.tabHeight = 22;
  FrameLayout l = ComputeFrameLayout(in);
  EXPECT_EQ(std::vector<int>(l.statusParts, l.statusParts + 5), (std::vector<int>{660, 780, 880, 950, 1000}));
  // A caret pane that needs more room pushes the help and size panes left.
  in.caretPaneWidth = 130;
  l = ComputeFrameLayout(in);
  EXPECT_EQ(std::vector<int>(l.statusParts, l.statusParts + 5), (std::vector<int>{630, 750, 880, 950, 1000}));
  in.caretPaneWidth = 60;
  EXPECT_EQ(ComputeFrameLayout(in).statusParts[1], 780);
  in.caretPaneWidth = 100;
  l = ComputeFrameLayout(in);
  EXPECT_EQ(l.tabBar.y, 30);
  EXPECT_EQ(l.tabBar.h, 22);
  EXPECT_EQ(l.mdiClient.y, 52);
  EXPECT_EQ(l.mdiClient.h, 700 - 30 - 20 - 22);
  EXPECT_EQ(l.mdiClient.w, 1000);

  in.projectViewDocked = true;
  in.webPaneShown = true;
  in.debuggerDocked = true;
  in.compileDocked = true;
  l = ComputeFrameLayout(in);
  const int A = 700 - 135 - 185 - 30 - 20;
  EXPECT_EQ(l.available, A);
  EXPECT_EQ(l.mdiClient.x, 205);
  EXPECT_EQ(l.mdiClient.w, 1000 - 235 - 205);
  EXPECT_EQ(l.webPane.x, 1000 - 230);
  EXPECT_EQ(l.projectView.w, 200);
  EXPECT_EQ(l.debuggerView.y, 30 + A + 5);
  EXPECT_EQ(l.compileView.y, 30 + A + 185 + 5);
  // No tabs: the tab bar has no height and the client starts under the rebar.
  in.tabHeight = 0;
  EXPECT_EQ(ComputeFrameLayout(in).mdiClient.y, 30);
}

TEST(FrameLayout, SplittersClampToTheirLimits) {
  EXPECT_EQ(ClampSplitterSize(SplitterKind::kProject, 200, 5000, 1000, 700, 0), 900);
  EXPECT_EQ(ClampSplitterSize(SplitterKind::kProject, 200, -5000, 1000, 700, 0), 100);
  EXPECT_EQ(ClampSplitterSize(SplitterKind::kWeb, 230, 50, 1000, 700, 0), 280);
  EXPECT_EQ(ClampSplitterSize(SplitterKind::kDebugger, 180, 9999, 1000, 700, 130), 700 - 130 - 100);
  EXPECT_EQ(ClampSplitterSize(SplitterKind::kDebugger, 180, -9999, 1000, 700, 130), 60);
  EXPECT_EQ(ClampSplitterSize(SplitterKind::kCompile, 130, 9999, 1000, 700, 0), 600);
  EXPECT_EQ(ClampSplitterSize(SplitterKind::kNone, 42, 10, 1000, 700, 0), 42);
}

TEST(FrameLayout, ASavedFrameComesBackOntoItsNearestWorkArea) {
  const ScreenArea work{0, 0, 1280, 994};
  struct Case {
    const char* what;
    ScreenArea saved, expected;
  };
  const Case cases[] = {
      {"inside", {128, 128, 1024, 819}, {128, 128, 1024, 819}},
      {"partly off the right, caption reachable", {1100, 100, 2000, 700}, {1100, 100, 2000, 700}},
      {"on a monitor that is gone, right", {1400, 100, 2200, 700}, {480, 100, 1280, 700}},
      {"on a monitor that is gone, left", {-1900, -300, -1000, 400}, {0, 0, 900, 700}},
      {"caption above the area", {100, -50, 900, 600}, {100, 0, 900, 650}},
      {"caption below the area", {100, 980, 900, 1500}, {100, 474, 900, 994}},
      {"larger than the area", {3000, 0, 6000, 3000}, {0, 0, 1280, 994}},
  };
  for (const Case& c : cases) {
    const ScreenArea got = KeepOnScreen(c.saved, work);
    EXPECT_EQ(std::make_tuple(got.left, got.top, got.right, got.bottom),
              std::make_tuple(c.expected.left, c.expected.top, c.expected.right, c.expected.bottom))
        << c.what;
  }
}
