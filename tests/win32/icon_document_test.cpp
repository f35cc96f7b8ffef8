// Icon documents in the frame: opening .ico files and new icons, the child's
// panes and image list, the colour bar, saving, refusing broken files, the
// close question, and the view painted from the model.
#include "icon_window_support.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/tab_bar_win.h"

namespace {

using namespace icon_test;

class IconDocument : public IconWindow {};

std::string ClassOf(HWND w) {
  char name[64] = {};
  GetClassNameA(w, name, sizeof name);
  return name;
}

RECT RectIn(HWND child, HWND parent) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(IconDocument, AnIcoFileOpensInTheIconEditor) {
  const std::string b32 = HandBlock(32, 4, StandardPalette(), PatternArt(32, 16, 1));
  const std::string b16 = HandBlock(16, 8, RampPalette(), PatternArt(16, 62, 2));
  const int s = OpenIcon("pair.ico", {b32, b16});
  ASSERT_GE(s, 0);
  EXPECT_EQ(Slot(s).kind, DocumentKind::kIcon);
  EXPECT_EQ(Slot(s).title, "pair.ico");
  EXPECT_EQ(Slot(s).path, dir_ + "pair.ico");
  EXPECT_EQ(ActiveSlot(), s);
  EXPECT_EQ(TabTitleAt(0), "pair.ico");
  EXPECT_EQ(ClassOf(Slot(s).window), "MDIClientWindow_IconEdit");
  EXPECT_EQ(ClassOf(ViewOf(s)), "IconEditWindowProc");
  EXPECT_EQ(Joined(Picture(s)), Joined(PatternArt(32, 16, 1)));
  EXPECT_FALSE(Win(s).Modified());
  EXPECT_EQ(State(s).tool, IconTool::kPen);
  EXPECT_TRUE(ToolChecked(s, IconTool::kPen));

  // One line per image, the first selected; both buttons offered.
  ASSERT_EQ(ListCount(s), 2);
  EXPECT_EQ(ListLine(s, 0), "32*32 (16色)");
  EXPECT_EQ(ListLine(s, 1), "16*16 (256色)");
  EXPECT_EQ(SendDlgItemMessageA(Win(s).SidePanelWindow(), IDC_ICON_IMAGES, LB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(PanelButtonEnabled(s, IDC_ICON_DELETE));
  EXPECT_TRUE(PanelButtonEnabled(s, IDC_ICON_ADD));

  // The panes: view, side panel 170 wide, colour bar 50 high; the palette inside the panel.
  for (const SIZE size : {SIZE{700, 500}, SIZE{420, 300}}) {
    MoveWindow(Slot(s).window, 0, 0, size.cx, size.cy, TRUE);
    RECT c;
    GetClientRect(Slot(s).window, &c);
    const LONG w = c.right, h = c.bottom;
    EXPECT_TRUE(SameRect(RectIn(ViewOf(s), Slot(s).window), RECT{0, 0, w - 170, h - 50}));
    EXPECT_TRUE(SameRect(RectIn(Win(s).SidePanelWindow(), Slot(s).window), RECT{w - 170, 0, w, h}));
    EXPECT_TRUE(SameRect(RectIn(Win(s).ColourBarWindow(), Slot(s).window), RECT{0, h - 50, w - 170, h}));
    EXPECT_TRUE(SameRect(RectIn(Win(s).ToolPaletteWindow(), Win(s).SidePanelWindow()), RECT{20, 120, 100, 320}));
  }

  // The same path again, in other letters: the open document comes to the top.
  const int text = NewDocument("x");
  std::string upper = Slot(s).path;
  for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  EXPECT_EQ(OpenFileByPath(upper), Slot(s).window);
  EXPECT_EQ(ActiveSlot(), s);
  EXPECT_EQ(TabCount(), 2);
  EXPECT_NE(text, s);
}

TEST_F(IconDocument, BrokenOrMissingFilesAreRefusedWithAMessage) {
  std::vector<std::string> nine(9, Clear16());
  const std::string many = WriteBytes("nine.ico", HandFile(nine));
  std::string png = HandFile({Clear16()});
  png.replace(22, 8, std::string("\x89PNG\r\n\x1A\n", 8));
  const std::string pngPath = WriteBytes("png.ico", png);
  const std::string missing = dir_ + "missing.ico";
  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {many, "\"" + many + "\" ファイルの形式が正しくありません（画像が 9 個あり、8 個を超えています）。"},
      {pngPath, "\"" + pngPath + "\" ファイルの形式が正しくありません（1 番目の画像は PNG 形式で、編集できません）。"},
      {missing, "\"" + missing + "\" ファイルの読み込みに失敗しました。"},
  };
  for (const Case& c : cases) {
    MessageBoxRecorder boxes(IDOK);
    EXPECT_EQ(OpenFileByPath(c.path), nullptr);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], c.message);
    EXPECT_EQ(boxes.captions[0], "エラー");
  }
  EXPECT_EQ(TabCount(), 0);
  EXPECT_EQ(g_app.docs.CountInUse(), 0);
}

int g_formatChoice = -1;
std::vector<std::string> g_offered;
void CALLBACK AnswerAddImage(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowA("#32770", "画像の追加");
  if (!box) return;
  KillTimer(nullptr, id);
  g_offered.clear();
  HWND list = GetDlgItem(box, IDC_ICON_FORMATS);
  for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
    char text[64] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    g_offered.push_back(text);
  }
  if (g_formatChoice >= 0) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(g_formatChoice), 0);
  SendMessageA(box, WM_COMMAND, g_formatChoice == -2 ? IDCANCEL : IDOK, 0);
}

TEST_F(IconDocument, ImagesAreAddedChosenAndDeletedFromTheSidePanel) {
  const int s = OpenIcon("one.ico", {HandBlock(32, 4, StandardPalette(), PatternArt(32, 16, 3))});
  ASSERT_GE(s, 0);
  HWND panel = Win(s).SidePanelWindow();
  EXPECT_FALSE(PanelButtonEnabled(s, IDC_ICON_DELETE));
  auto add = [&](int choice) {
    g_formatChoice = choice;
    SetTimer(nullptr, 0, 30, AnswerAddImage);
    SendMessageA(GetDlgItem(panel, IDC_ICON_ADD), BM_CLICK, 0, 0);
    PumpMessages(10);
  };
  add(1);  // the second of the missing formats
  EXPECT_EQ(g_offered, (std::vector<std::string>{"16*16 (16色)", "16*16 (256色)", "32*32 (256色)"}));
  ASSERT_EQ(State(s).images.size(), 2u);
  EXPECT_EQ(State(s).currentImage, 1);
  EXPECT_EQ(ListLine(s, 1), "16*16 (256色)");
  EXPECT_EQ(SendDlgItemMessageA(panel, IDC_ICON_IMAGES, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Joined(Picture(s)), Joined(Art(16, std::string(16, '.'))));
  EXPECT_TRUE(PanelButtonEnabled(s, IDC_ICON_DELETE));
  EXPECT_TRUE(Win(s).Modified());
  // The new 256-colour image takes the palette file's colours.
  EXPECT_EQ(IconPaletteColour(CurrentIconImage(State(s)), 5),
            RGB(g_app.palette[4 * 5 + 2], g_app.palette[4 * 5 + 1], g_app.palette[4 * 5]));
  add(-1);  // OK without a choice
  add(-2);  // Cancel
  EXPECT_EQ(g_offered, (std::vector<std::string>{"16*16 (16色)", "32*32 (256色)"}));
  EXPECT_EQ(State(s).images.size(), 2u);

  // Choosing a line of the list edits that image and ends a selection.
  ClickTool(s, IconTool::kSelect);
  Cells(s, {{0, 0}, {3, 3}});
  ASSERT_TRUE(IconHasSelection(State(s)));
  SendDlgItemMessageA(panel, IDC_ICON_IMAGES, LB_SETCURSEL, 0, 0);
  SendMessageA(panel, WM_COMMAND, MAKEWPARAM(IDC_ICON_IMAGES, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(panel, IDC_ICON_IMAGES)));
  EXPECT_EQ(State(s).currentImage, 0);
  EXPECT_FALSE(IconHasSelection(State(s)));
  EXPECT_EQ(Joined(Picture(s)), Joined(PatternArt(32, 16, 3)));

  // Deleting the first image leaves the second; with one left delete is not offered.
  SendMessageA(GetDlgItem(panel, IDC_ICON_DELETE), BM_CLICK, 0, 0);
  ASSERT_EQ(State(s).images.size(), 1u);
  EXPECT_EQ(ListCount(s), 1);
  EXPECT_EQ(ListLine(s, 0), "16*16 (256色)");
  EXPECT_FALSE(PanelButtonEnabled(s, IDC_ICON_DELETE));
}

TEST_F(IconDocument, TheColourBarChoosesFromTheImagesPalette) {
  std::vector<Rgb> reversed = StandardPalette();
  std::reverse(reversed.begin(), reversed.end());
  const int s = OpenIcon("colours.ico", {HandBlock(16, 4, reversed, Art(16, std::string(16, '.'))),
                                         HandBlock(16, 8, RampPalette(), Art(16, std::string(16, '.')))});
  ASSERT_GE(s, 0);
  EXPECT_EQ(State(s).primaryColour, RGB(0, 0, 0));
  EXPECT_EQ(State(s).secondaryColour, TransparentMarker);
  ClickColourBar(s, Swatch(0));
  EXPECT_EQ(State(s).primaryColour, RGB(255, 255, 255));  // the image's own first colour
  ClickColourBar(s, Swatch(10), true);
  EXPECT_EQ(State(s).secondaryColour, RGB(128, 0, 128));
  ClickColourBar(s, Swatch(kColourBarTransparent));
  EXPECT_EQ(State(s).primaryColour, TransparentMarker);
  ClickColourBar(s, POINT{13, 6});  // between two swatches: nothing
  ClickColourBar(s, POINT{6, 40}, true);
  EXPECT_EQ(State(s).primaryColour, TransparentMarker);
  EXPECT_EQ(State(s).secondaryColour, RGB(128, 0, 128));
  // A 256-colour image shows the standard sixteen.
  Win(s).ChooseImage(1);
  ClickColourBar(s, Swatch(0));
  EXPECT_EQ(State(s).primaryColour, RGB(0, 0, 0));
  // Drawing with a colour the palette lacks stores the nearest entry, not 0:
  // (192, 192, 192) is nearest to the ramp's (137, 191, 118).
  ClickColourBar(s, Swatch(8));
  Cells(s, {{0, 0}});
  EXPECT_EQ(IconPixelIndex(CurrentIconImage(State(s)), 0, 0), 137);
}

TEST_F(IconDocument, SavingWritesTheModelThroughTheShell) {
  const int s = OpenIcon("save.ico", {Clear16(), HandBlock(32, 8, RampPalette(), PatternArt(32, 62, 4))});
  ASSERT_GE(s, 0);
  const std::string path = Slot(s).path;
  Cells(s, {{0, 0}, {3, 0}});
  // A lifted selection is dropped before saving: the file holds what the view shows.
  ClickTool(s, IconTool::kSelect);
  Cells(s, {{0, 0}, {1, 0}});
  Cells(s, {{0, 0}, {0, 2}});
  ASSERT_EQ(State(s).selectionState, IconSelectionState::kFloatingSelection);
  ActivateAndDispatch(s, ID_FILE_SAVE);
  EXPECT_FALSE(Win(s).Modified());
  EXPECT_FALSE(IconHasSelection(State(s)));
  EXPECT_EQ(Row(s, 0), "..00............");
  EXPECT_EQ(Row(s, 2), "00..............");
  EXPECT_TRUE(ReadTestFile(path) == BuildIconFile(State(s)));
  IconDocState again;
  ASSERT_TRUE(ReadIconFile(ReadTestFile(path), path, again));
  EXPECT_EQ(Joined(ArtOf(again.images[0])), Joined(Picture(s)));
  EXPECT_EQ(Joined(ArtOf(again.images[1])), Joined(PatternArt(32, 62, 4)));

  // A file that cannot be written: the message, the old file and the modified flag stay.
  const std::string before = ReadTestFile(path);
  ClickTool(s, IconTool::kPen);
  Cells(s, {{5, 5}});
  // Another program holds it open and shares nothing.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  {
    MessageBoxRecorder boxes(IDOK);
    ActivateAndDispatch(s, ID_FILE_SAVE);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + path + "\" ファイルへの書き込みに失敗しました。");
    EXPECT_EQ(boxes.captions[0], "エラー");
  }
  CloseHandle(held);
  EXPECT_TRUE(ReadTestFile(path) == before);
  EXPECT_TRUE(Win(s).Modified());

  // Save as takes the new name.
  ASSERT_TRUE(SaveDocument(s, (dir_ + "copy.ico").c_str()));
  EXPECT_EQ(Slot(s).title, "copy.ico");
  EXPECT_TRUE(ReadTestFile(dir_ + "copy.ico") == BuildIconFile(State(s)));
}

TEST_F(IconDocument, NewIconsAreNumberedAndSaveAsOneTransparentImage) {
  HWND first = OpenIconDocument(std::string());
  HWND second = OpenIconDocument(std::string());
  const int a = g_app.docs.SlotOfWindow(first), b = g_app.docs.SlotOfWindow(second);
  ASSERT_GE(a, 0);
  ASSERT_GE(b, 0);
  EXPECT_EQ(Slot(a).title, "Icon[1]");
  EXPECT_EQ(Slot(b).title, "Icon[2]");
  EXPECT_EQ(Slot(a).path, "");
  EXPECT_EQ(ListLine(a, 0), "32*32 (16色)");
  ASSERT_TRUE(SaveDocument(a, (dir_ + "new.ico").c_str()));
  const std::string bytes = ReadTestFile(dir_ + "new.ico");
  ASSERT_EQ(bytes.size(), 766u);
  EXPECT_TRUE(bytes.substr(6, 16) == std::string("\x20\x20\x10\0\0\0\0\0", 8) + Le32(744) + Le32(22));
  EXPECT_TRUE(bytes.substr(22) == HandBlock(32, 4, StandardPalette(), Art(32, std::string(32, '.'))));
}

TEST_F(IconDocument, ClosingAModifiedIconAsksFirst) {
  const int s = OpenIcon("close.ico", {Clear16()});
  ASSERT_GE(s, 0);
  Cells(s, {{1, 1}});
  HWND window = Slot(s).window;
  {
    MessageBoxRecorder boxes(IDCANCEL);
    SendMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"close.ico\" ファイルは変更されています。保存しますか？");
  }
  EXPECT_TRUE(Slot(s).InUse());
  {
    MessageBoxRecorder boxes(IDNO);
    SendMessageA(window, WM_CLOSE, 0, 0);
    PumpMessages(10);
  }
  EXPECT_FALSE(Slot(s).InUse());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(TabCount(), 0);

  // Moving a changed icon's file to the recycle bin closes it without the question.
  const int r = OpenIcon("recycle.ico", {Clear16()});
  ASSERT_GE(r, 0);
  Cells(r, {{1, 1}});
  ASSERT_TRUE(Win(r).Modified());
  {
    MessageBoxRecorder boxes(IDOK);
    ActivateAndDispatch(r, ID_TAB_RECYCLE);
    PumpMessages(10);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "recycle.ico をごみ箱に移動して閉じます。よろしいですか？");
  }
  EXPECT_FALSE(Slot(r).InUse());
  EXPECT_EQ(GetFileAttributesA((dir_ + "recycle.ico").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The view's pixels are the model's colours: the preview at actual size, the
// cells inside the grey grid, transparent pixels in the marker colour.
TEST_F(IconDocument, TheViewPaintsTheModel) {
  const Art art = PatternArt(16, 16, 5);
  const int s = OpenIcon("paint.ico", {HandBlock(16, 4, StandardPalette(), art)});
  ASSERT_GE(s, 0);
  SendMessageA(FrameMdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Slot(s).window), 0);
  ClickTool(s, IconTool::kSelect);
  Cells(s, {{2, 2}, {4, 3}});
  UpdateWindow(ViewOf(s));
  PumpMessages(20);
  HWND view = ViewOf(s);
  RECT client;
  GetClientRect(view, &client);
  ASSERT_GE(client.right, 261);
  ASSERT_GE(client.bottom, 161);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(view);
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC mem = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  GdiFlush();
  auto pixel = [&](int x, int y) {
    const uint32_t v = static_cast<const uint32_t*>(bits)[y * client.right + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  };
  const IconImage& image = CurrentIconImage(State(s));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const COLORREF colour = IconPixelGet(image, x, y);
      ASSERT_EQ(pixel(x, y), colour) << "preview " << x << "," << y;
      if (x >= 1 && x <= 5 && y >= 1 && y <= 4) continue;  // under the selection frame
      ASSERT_EQ(pixel(CellX(x), CellY(y)), colour) << "cell " << x << "," << y;
      ASSERT_EQ(pixel(100 + 10 * x, 10 * y + 5), RGB(200, 200, 200)) << "grid " << x << "," << y;
    }
  }
  EXPECT_EQ(pixel(CellX(0), CellY(0)), TransparentMarker);
  // The selection frame: black inset 2, white inset 1, handles outlined in red.
  const RECT box = SelectionFrameBox(CellRect{2, 2, 4, 3});
  EXPECT_EQ(pixel(box.left + 2, box.top + 15), RGB(0, 0, 0));
  EXPECT_EQ(pixel(box.left + 1, box.top + 15), RGB(255, 255, 255));
  EXPECT_EQ(pixel(box.left - 1, box.top + 1), RGB(255, 60, 30));
  // Right of the zoomed copy and below it the window is white.
  EXPECT_EQ(pixel(100 + 161 + 3, 5), RGB(255, 255, 255));
  EXPECT_EQ(pixel(5, 170), RGB(255, 255, 255));
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(dib);
  ReleaseDC(view, screen);
}

}  // namespace
