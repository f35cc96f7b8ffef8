// Opening and saving files in their character sets and newline codes.
#include <windows.h>
#include <commctrl.h>

#include "app_fixture.h"
#include "files/open_save_win.h"
#include "resources/ids.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/tab_bar_win.h"
#include "test_support.h"

namespace {

class Files : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    dir_ = MakeTempFolder("files");
  }
  void TearDown() override {
    AppFixture::TearDown();
    RemoveTree(dir_);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = dir_ + name;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return path;
  }
  std::string StatusPane(int pane) {
    char text[128] = {};
    SendMessageA(FrameStatusBar(), SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    return text;
  }
  std::string dir_;
};

}  // namespace

TEST_F(Files, Utf8WithLfOpensAsShiftJisCrLfAndSavesBackUnchanged) {
  // "漢字テスト" and "かな" in UTF-8, LF line ends.
  const std::string utf8 = "\xE6\xBC\xA2\xE5\xAD\x97\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88\n\xE3\x81\x8B\xE3\x81\xAA\n";
  const std::string path = Write("u8.txt", utf8);
  HWND w = OpenFileByPath(path);
  ASSERT_NE(w, nullptr);
  const int slot = g_app.docs.SlotOfWindow(w);
  TextDocument& doc = Doc(slot);
  EXPECT_EQ(std::string(doc.CStr()), "漢字テスト\r\nかな\r\n");
  EXPECT_EQ(doc.charset, Charset::kUtf8);
  EXPECT_EQ(doc.newline, Newline::kLf);
  RefreshStatusBar();
  EXPECT_EQ(StatusPane(3), "UTF-8");
  EXPECT_EQ(StatusPane(4), "LF");
  doc.PlaceSelection(doc.Length(), doc.Length());
  doc.ReplaceSelection("x");
  ASSERT_TRUE(SaveDocument(slot, nullptr));
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(ReadTestFile(path), utf8 + "x");
  // The file history holds the path.
  ASSERT_FALSE(g_app.settings.fileHistory.paths.empty());
  EXPECT_EQ(g_app.settings.fileHistory.paths[0], path);
}

TEST_F(Files, ShiftJisWithOddBytesRoundTripsByteForByte) {
  // NEC row 13 (①), IBM extension (0xFA 0x40), a 0x5C trail byte and a lone lead byte at the end.
  const std::string bytes = std::string("\x87\x40\xFA\x40\x95\x5C\r\nabc\x81", 10);
  const std::string path = Write("sj.txt", bytes);
  HWND w = OpenFileByPath(path);
  ASSERT_NE(w, nullptr);
  const int slot = g_app.docs.SlotOfWindow(w);
  EXPECT_EQ(Doc(slot).charset, Charset::kShiftJis);
  Doc(slot).modified = 1;
  ASSERT_TRUE(SaveDocument(slot, nullptr));
  EXPECT_EQ(ReadTestFile(path), bytes);
}

TEST_F(Files, OpeningTheSamePathTwiceActivatesTheFirstWindow) {
  const std::string path = Write("same.txt", "hello");
  HWND first = OpenFileByPath(path);
  NewDocument("other");
  std::string upper = path;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  HWND second = OpenFileByPath(upper);
  EXPECT_EQ(first, second);
  EXPECT_EQ(ActiveDocumentWindow(), first);
  EXPECT_EQ(TabCount(), 2);
}

TEST_F(Files, TwoFilesOfTheSameNameGetDistinctTitles) {
  CreateDirectoryA((dir_ + "a").c_str(), nullptr);
  CreateDirectoryA((dir_ + "b").c_str(), nullptr);
  HWND one = OpenFileByPath(Write("a\\same.txt", "1"));
  HWND two = OpenFileByPath(Write("b\\same.txt", "2"));
  ASSERT_NE(one, two);
  EXPECT_EQ(g_app.docs.slots[g_app.docs.SlotOfWindow(one)].title, "same.txt");
  EXPECT_EQ(g_app.docs.slots[g_app.docs.SlotOfWindow(two)].title, "same.txt_");
}

TEST_F(Files, SaveAsOntoAnExistingFileAnsweredNoKeepsTheOldPath) {
  const std::string original = Write("orig.txt", "keep me");
  const std::string other = Write("other.txt", "other content");
  HWND w = OpenFileByPath(original);
  const int slot = g_app.docs.SlotOfWindow(w);
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_FALSE(SaveDocument(slot, other.c_str()));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + other + "\" ファイルは既に存在しています。上書きしますか？");
  }
  EXPECT_EQ(Slot(slot).path, original);
  EXPECT_EQ(Slot(slot).title, "orig.txt");
  EXPECT_EQ(ReadTestFile(other), "other content");
  {
    MessageBoxRecorder boxes(IDYES);
    EXPECT_TRUE(SaveDocument(slot, other.c_str()));
  }
  EXPECT_EQ(Slot(slot).path, other);
  EXPECT_EQ(Slot(slot).title, "other.txt");
  EXPECT_EQ(TabIndex("other.txt"), 0);
  EXPECT_EQ(ReadTestFile(other), "keep me");
}

TEST_F(Files, AFailedWriteKeepsTheOldFileAndTheDocumentModifiedAndOffersAnotherName) {
  const std::string path = Write("held.txt", "old");
  HWND w = OpenFileByPath(path);
  const int slot = g_app.docs.SlotOfWindow(w);
  View(slot).SetSelection(0, 3, false);
  Doc(slot).ReplaceSelection("new");
  // Another program holds the file open and shares nothing.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_FALSE(SaveDocument(slot, nullptr));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + path + "\" ファイルへの書き込みに失敗しました。\n別の名前で保存しますか？");
    EXPECT_EQ(boxes.captions[0], "エラー");
  }
  CloseHandle(held);
  EXPECT_EQ(ReadTestFile(path), "old");
  EXPECT_EQ(Doc(slot).modified, 1);
}

TEST_F(Files, Utf8CharactersShiftJisCannotHoldAreReportedWhenOpening) {
  // "a😀b": one character without a Shift-JIS code.
  const std::string path = Write("emoji.txt", "a\xF0\x9F\x98\x80" "b\xE3\x81\x82\n");
  MessageBoxRecorder boxes(IDOK);
  HWND w = OpenFileByPath(path);
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_NE(boxes.texts[0].find("1 文字"), std::string::npos) << boxes.texts[0];
}

TEST_F(Files, AMissingFileShowsTheReadMessageAndOpensNothing) {
  MessageBoxRecorder boxes(IDOK);
  const std::string path = dir_ + "missing.txt";
  EXPECT_EQ(OpenFileByPath(path), nullptr);
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], "\"" + path + "\" ファイルの読み込みに失敗しました。");
  EXPECT_EQ(TabCount(), 0);
  // The history keeps the path even though opening failed.
  EXPECT_EQ(g_app.settings.fileHistory.paths[0], path);
}

TEST_F(Files, CompilerMessageOpensTheFileAndSelectsTheLine) {
  const std::string path = Write("prog.bas", "line0\r\nline1\r\nline2");
  {
    HANDLE f = CreateFileA((g_app.ProgramDir + "pgm.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, path.data(), static_cast<DWORD>(path.size()), &written, nullptr);
    CloseHandle(f);
  }
  SendMessageA(g_app.frame, WM_USER + 70, 1, 0);
  DeleteFileA((g_app.ProgramDir + "pgm.tmp").c_str());
  const int slot = g_app.docs.FindTextByPath(path);
  ASSERT_GE(slot, 0);
  EXPECT_EQ(Slot(slot).kind, DocumentKind::kSource);
  int s = 0, e = 0;
  Doc(slot).SelectionBytes(s, e);
  EXPECT_EQ(s, 7);
  EXPECT_EQ(e, 12);
  EXPECT_EQ(ActiveSlot(), slot);
}

namespace {
int g_charsetChoice = 0;
int g_newlineChoice = 0;
void CALLBACK AnswerEncodingDialog(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindThreadDialog("文字コードと改行コード");
  if (!box) return;
  KillTimer(nullptr, id);
  SendDlgItemMessageA(box, IDC_ENC_CHARSET, LB_SETCURSEL, g_charsetChoice, 0);
  SendDlgItemMessageA(box, IDC_ENC_NEWLINE, LB_SETCURSEL, g_newlineChoice, 0);
  char first[32] = {};
  SendDlgItemMessageA(box, IDC_ENC_NEWLINE, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(first));
  EXPECT_STREQ(first, "LF(Unix)");
  SendMessageA(box, WM_COMMAND, IDOK, 0);
}
}  // namespace

TEST_F(Files, EncodingDialogSavesInTheChosenCodes) {
  const std::string path = Write("enc.txt", "漢字\r\nかな\r\n");
  HWND w = OpenFileByPath(path);
  const int slot = g_app.docs.SlotOfWindow(w);
  EXPECT_EQ(Doc(slot).charset, Charset::kShiftJis);
  g_charsetChoice = 3;
  g_newlineChoice = 1;
  SetTimer(nullptr, 0, 50, AnswerEncodingDialog);
  SendMessageA(g_app.frame, WM_COMMAND, ID_FILE_ENCODING, 0);
  EXPECT_EQ(Doc(slot).charset, Charset::kUtf8);
  EXPECT_EQ(Doc(slot).newline, Newline::kLf);
  EXPECT_EQ(ReadTestFile(path), "\xE6\xBC\xA2\xE5\xAD\x97\n\xE3\x81\x8B\xE3\x81\xAA\n");
  RefreshStatusBar();
  EXPECT_EQ(StatusPane(3), "UTF-8");
  EXPECT_EQ(StatusPane(4), "LF");
}
