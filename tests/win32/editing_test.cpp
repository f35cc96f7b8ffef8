// Editing through a real editor window: typed characters, auto-indent, the
// clipboard commands, undo state in the menu, the locale conversions and the
// character-count dialog.
#include <windows.h>

#include <string>

#include "app_fixture.h"
#include "editor/editing.h"
#include "resources/ids.h"
#include "shell/clipboard_win.h"
#include "shell/command_table_win.h"
#include "shell/menu_object_win.h"
#include "test_support.h"

namespace {

class Editing : public AppFixture {
 protected:
  std::string Text(int slot) { return Doc(slot).Substr(0, Doc(slot).Length()); }
  void Chars(int slot, const std::string& bytes) {
    for (char c : bytes) SendMessageA(Editor(slot), WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  void Key(int slot, WPARAM vk) { SendMessageA(Editor(slot), WM_KEYDOWN, vk, 1); }
  void Command(int slot, UINT id) { ActivateAndDispatch(slot, id); }
  void Select(int slot, int caret, int anchor) { View(slot).SetSelection(caret, anchor, false); }
  std::string Pending(int slot) { return Editable(slot).pendingIndent ? *Editable(slot).pendingIndent : "<none>"; }
};

bool MenuEnabled(UINT id) {
  const UINT state = GetMenuState(g_app.mainMenu->handle(), id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

TEST_F(Editing, TypedCharactersAndJapaneseOneStepEach) {
  const int s = NewDocument();
  ASSERT_GE(s, 0);
  Chars(s, "ab cd");
  EXPECT_EQ(Text(s), "ab cd");
  EXPECT_EQ(UndoStepCount(Editable(s).undo), 3);
  // A wide character reaches an ANSI window as its two Shift-JIS bytes.
  SendMessageW(Editor(s), WM_CHAR, 0x3042, 1);  // あ
  SendMessageW(Editor(s), WM_CHAR, 0x30BD, 1);  // ソ, second byte 0x5C
  EXPECT_EQ(Text(s), "ab cdあソ");
  EXPECT_EQ(UndoStepCount(Editable(s).undo), 3);
  Command(s, ID_EDIT_UNDO);
  EXPECT_EQ(Text(s), "ab ");
  // Control characters other than Enter and Tab are not inserted.
  Chars(s, std::string("\x01\x1b", 2));
  EXPECT_EQ(Text(s), "ab ");
}

TEST_F(Editing, UndoAndRedoFollowTheMenuState) {
  const int s = NewDocument();
  ASSERT_GE(s, 0);
  EXPECT_FALSE(MenuEnabled(ID_EDIT_UNDO));
  Chars(s, "x");
  EXPECT_TRUE(MenuEnabled(ID_EDIT_UNDO));
  EXPECT_FALSE(MenuEnabled(ID_EDIT_REDO));
  Command(s, ID_EDIT_UNDO);
  EXPECT_EQ(Text(s), "");
  EXPECT_FALSE(MenuEnabled(ID_EDIT_UNDO));
  EXPECT_TRUE(MenuEnabled(ID_EDIT_REDO));
  Command(s, ID_EDIT_UNDO);  // nothing left: a beep only
  EXPECT_EQ(Text(s), "");
  Command(s, ID_RAD_REDO);
  EXPECT_EQ(Text(s), "x");
  EXPECT_FALSE(MenuEnabled(ID_EDIT_REDO));
  Command(s, ID_EDIT_REDO);
  EXPECT_EQ(Text(s), "x");
}

TEST_F(Editing, AutoIndentWithTheProvisionalIndent) {
  g_app.settings.IsAutoIndent = 1;
  const int s = NewDocument("\t\tx");
  ASSERT_GE(s, 0);
  Select(s, 3, 3);
  Chars(s, "\r");
  EXPECT_EQ(Text(s), "\t\tx\r\n\t\t");
  EXPECT_EQ(Pending(s), "\t\t");
  Chars(s, "\r");
  EXPECT_EQ(Text(s), "\t\tx\r\n\r\n\t\t");
  // Backspace takes one provisional TAB away.
  Key(s, VK_BACK);
  EXPECT_EQ(Text(s), "\t\tx\r\n\r\n\t");
  EXPECT_EQ(Pending(s), "\t");
  Chars(s, "y");
  EXPECT_EQ(Text(s), "\t\tx\r\n\r\n\ty");
  EXPECT_EQ(Pending(s), "<none>");
  Command(s, ID_EDIT_UNDO);
  EXPECT_EQ(Text(s), "\t\tx\r\n\r\n\t");
  Command(s, ID_EDIT_UNDO);
  EXPECT_EQ(Text(s), "\t\tx\r\n\r\n");

  // A block opener of a Source document adds a level; Left only removes it.
  const int src = NewDocument("\tWhile a < 3", DocumentKind::kSource);
  ASSERT_GE(src, 0);
  Select(src, Doc(src).Length(), Doc(src).Length());
  Chars(src, "\r");
  EXPECT_EQ(Pending(src), "\t\t");
  Key(src, VK_LEFT);
  EXPECT_EQ(Text(src), "\tWhile a < 3\r\n");
  EXPECT_EQ(Pending(src), "<none>");
  EXPECT_EQ(Doc(src).CaretByte(), Doc(src).Length());
}

TEST_F(Editing, TabIndentsAndShiftTabOutdentsTheSelectedLines) {
  const int s = NewDocument("a\r\nb\r\nc");
  ASSERT_GE(s, 0);
  Select(s, 6, 0);
  Chars(s, "\t");
  EXPECT_EQ(Text(s), "\ta\r\n\tb\r\nc");
  EXPECT_EQ(Doc(s).CaretByte(), 0);
  EXPECT_EQ(Doc(s).AnchorByte(), 8);
  // Shift+Tab as the editor sees it: the key state of Shift is down.
  WithShiftDown([&] { Chars(s, "\t"); });
  EXPECT_EQ(Text(s), "a\r\nb\r\nc");
}

TEST_F(Editing, ClipboardRoundTrip) {
  const int s = NewDocument("one two\r\nthree");
  ASSERT_GE(s, 0);
  Select(s, 0, 3);
  Command(s, ID_EDIT_COPY);
  std::string clip;
  ASSERT_TRUE(GetClipboardText(clip));
  EXPECT_EQ(clip, "one");
  Select(s, Doc(s).Length(), Doc(s).Length());
  Command(s, ID_EDIT_PASTE);
  EXPECT_EQ(Text(s), "one two\r\nthreeone");
  EXPECT_EQ(Editable(s).undo.entries[0].kind, UndoKind::kBlock);

  // Cut copies and deletes through the editor's Delete key.
  Select(s, 4, 7);
  Command(s, ID_EDIT_CUT);
  ASSERT_TRUE(GetClipboardText(clip));
  EXPECT_EQ(clip, "two");
  EXPECT_EQ(Text(s), "one \r\nthreeone");
  // Cut without a selection takes nothing away.
  Command(s, ID_EDIT_CUT);
  EXPECT_EQ(Text(s), "one \r\nthreeone");

  // Lone LF and CR arrive as they are; the line index follows.
  ASSERT_TRUE(PutTextOnClipboard("p\nq\rr\r\ns"));
  Select(s, 0, 0);
  Command(s, ID_EDIT_PASTE);
  EXPECT_EQ(Text(s), "p\nq\rr\r\nsone \r\nthreeone");
  EXPECT_EQ(Doc(s).LineCount(), 3);
  EXPECT_EQ(Doc(s).LineStart(1), 7);
  Command(s, ID_EDIT_UNDO);
  EXPECT_EQ(Text(s), "one \r\nthreeone");

  // Japanese text keeps its bytes.
  ASSERT_TRUE(PutTextOnClipboard("表示ソ"));
  Command(s, ID_EDIT_PASTE);
  EXPECT_EQ(Text(s), "表示ソone \r\nthreeone");

  // Delete and select all.
  Command(s, ID_EDIT_SELECTALL);
  EXPECT_EQ(Doc(s).caretCol, 0);
  EXPECT_EQ(Doc(s).caretRow, 0);
  EXPECT_EQ(Doc(s).AnchorByte(), Doc(s).Length());
  Command(s, ID_EDIT_DELETE);
  EXPECT_EQ(Text(s), "");
  Command(s, ID_EDIT_UNDO);
  EXPECT_EQ(Text(s), "表示ソone \r\nthreeone");
}

TEST_F(Editing, PasteWithoutTextDoesNothing) {
  const int s = NewDocument("keep");
  ASSERT_GE(s, 0);
  ASSERT_TRUE(OpenClipboard(g_app.frame));
  EmptyClipboard();
  CloseClipboard();
  Command(s, ID_EDIT_PASTE);
  EXPECT_EQ(Text(s), "keep");
  EXPECT_FALSE(CanUndo(Editable(s).undo));
}

TEST_F(Editing, LocaleConversionsOfWidthAndKana) {
  const int s = NewDocument();
  ASSERT_GE(s, 0);
  auto convert = [&](const std::string& text, UINT id) {
    Command(s, ID_EDIT_SELECTALL);
    Command(s, ID_EDIT_DELETE);
    EditSelection(Editable(s), text, EditOrigin::kPasted);
    Command(s, ID_EDIT_SELECTALL);
    Command(s, id);
    return Text(s);
  };
  EXPECT_EQ(convert("\xB6\xDE", ID_CONV_FULLWIDTH), "ガ");  // ｶﾞ
  EXPECT_EQ(convert("ガ", ID_CONV_HALFWIDTH), "\xB6\xDE");
  EXPECT_EQ(convert("あいう", ID_CONV_KATAKANA), "アイウ");
  EXPECT_EQ(convert("アイウ", ID_CONV_HIRAGANA), "あいう");
  EXPECT_EQ(convert("ABC", ID_CONV_FULLWIDTH), "ＡＢＣ");
  EXPECT_EQ(convert("ＡＢＣ１", ID_CONV_HALFWIDTH), "ABC1");
  // The ASCII case mapping leaves the second byte of ア (0x41) alone.
  EXPECT_EQ(convert("aアb", ID_CONV_UPPER), "AアB");
  EXPECT_EQ(convert("a\tb", ID_CONV_TAB2SPACE), "a    b");
  // A conversion that grows the text: every byte becomes two.
  const std::string half(200000, 'a');
  const std::string full = convert(half, ID_CONV_FULLWIDTH);
  ASSERT_EQ(full.size(), 400000u);
  EXPECT_EQ(full.substr(0, 4), "ａａ");
  Command(s, ID_EDIT_UNDO);
  EXPECT_EQ(Text(s), half);
}

// The character-count dialog is modal: a timer reads it and closes it.
struct CountReading {
  std::string title;
  std::string fields[4];
  bool useEscape = false;
  int seen = 0;
};
CountReading* g_reading = nullptr;

BOOL CALLBACK FindDialog(HWND w, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (std::string(cls) == "#32770" && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(lp) = w;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK ReadAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  KillTimer(nullptr, id);
  CountReading& r = *g_reading;
  ++r.seen;
  char text[128] = {};
  GetWindowTextA(dialog, text, sizeof text);
  r.title = text;
  const int ids[4] = {IDC_COUNT_BYTES, IDC_COUNT_NONBLANK, IDC_COUNT_CHARS, IDC_COUNT_LINES};
  for (int i = 0; i < 4; ++i) {
    GetDlgItemTextA(dialog, ids[i], text, sizeof text);
    r.fields[i] = text;
  }
  if (const char* hold = getenv("QUILLET_HOLD_CHARCOUNT_MS")) Sleep(static_cast<DWORD>(atoi(hold)));
  if (r.useEscape) {
    HWND focus = GetFocus();
    PostMessageA(focus ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
  } else {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}

CountReading RunCharCount(int slot, UINT id, bool useEscape) {
  CountReading reading;
  reading.useEscape = useEscape;
  g_reading = &reading;
  SetTimer(nullptr, 0, 30, ReadAndClose);
  ActivateAndDispatch(slot, id);
  g_reading = nullptr;
  return reading;
}

TEST_F(Editing, CharacterCountOfTheDocumentAndOfTheSelection) {
  std::string text = "あ a\r\nb";
  const int s = NewDocument(text);
  ASSERT_GE(s, 0);
  CountReading whole = RunCharCount(s, ID_TOOL_CHARCOUNT, false);
  ASSERT_EQ(whole.seen, 1);
  EXPECT_NE(whole.title, "選択範囲の文字カウント");
  EXPECT_EQ(whole.fields[0], "7");
  EXPECT_EQ(whole.fields[1], "3");
  EXPECT_EQ(whole.fields[2], "4");
  EXPECT_EQ(whole.fields[3], "2");

  Select(s, 0, 2);
  CountReading part = RunCharCount(s, ID_TOOL_CHARCOUNTSEL, true);
  ASSERT_EQ(part.seen, 1);
  EXPECT_EQ(part.title, "選択範囲の文字カウント");
  EXPECT_EQ(part.fields[0], "2");
  EXPECT_EQ(part.fields[1], "1");
  EXPECT_EQ(part.fields[2], "1");
  EXPECT_EQ(part.fields[3], "1");

  std::string line(98, 'x');
  line += "\r\n";
  std::string big;
  for (int i = 0; i < 12346; ++i) big += line;
  const int b = NewDocument(big);
  ASSERT_GE(b, 0);
  CountReading grouped = RunCharCount(b, ID_TOOL_CHARCOUNT, false);
  ASSERT_EQ(grouped.seen, 1);
  EXPECT_EQ(grouped.fields[0], "1,234,600");
  EXPECT_EQ(grouped.fields[1], "1,209,908");
  EXPECT_EQ(grouped.fields[3], "12,346");  // every line ends with CR LF: no line after the last
}

}  // namespace
