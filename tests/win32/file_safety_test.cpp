// Nothing lost unnoticed: binary files, characters opening could not keep,
// files changed or removed by other programs, read-only files, failed writes,
// pasted Unicode text, and files handed over by a second instance.
#include <windows.h>

#include "app_fixture.h"
#include "editor/editing.h"
#include "files/file_notices.h"
#include "files/open_save_win.h"
#include "resources/ids.h"
#include "shell/clipboard_win.h"
#include "shell/doc_windows_win.h"
#include "shell/messages_win.h"
#include "shell/open_request.h"
#include "test_support.h"

namespace {

class FileSafety : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    dir_ = MakeTempFolder("safety");
  }
  void TearDown() override {
    AppFixture::TearDown();
    for (const std::string& name : ListFolder(dir_)) SetFileAttributesA((dir_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveTree(dir_);
  }
  // Writes the file as another program would; its time stamp moves on by
  // `seconds` so that every write is a change whatever the clock's grain.
  std::string Write(const std::string& name, const std::string& bytes, int seconds = 0) {
    const std::string path = dir_ + name;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    FILETIME t{};
    GetSystemTimeAsFileTime(&t);
    ULARGE_INTEGER u{{t.dwLowDateTime, t.dwHighDateTime}};
    u.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000ULL;
    t.dwLowDateTime = u.LowPart;
    t.dwHighDateTime = u.HighPart;
    SetFileTime(f, nullptr, nullptr, &t);
    CloseHandle(f);
    return path;
  }
  // Opens a file, answering what opening tells with OK.
  int Open(const std::string& path) {
    MessageBoxRecorder quiet(IDOK);
    return g_app.docs.SlotOfWindow(OpenFileByPath(path));
  }
  std::string Text(int slot) { return std::string(Doc(slot).CStr(), Doc(slot).Length()); }
  void Type(int slot, const std::string& text) {
    Doc(slot).PlaceSelection(Doc(slot).Length(), Doc(slot).Length());
    EditSelection(Editable(slot), text);
  }
  // What activating the document asks, as the frame runs it from its queue.
  void Activate() {
    PostMessageA(g_app.frame, kMsgCheckDiskFiles, 0, 0);
    PumpMessages(30);
  }
  std::string dir_;
};

// The common save dialog answered with a path chosen by the test.
std::string g_saveAsPath;
void CALLBACK AnswerSaveDialog(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindThreadDialog("保存先のファイルを指定してください");
  if (!box) return;
  KillTimer(nullptr, id);
  SetDlgItemTextA(box, 0x47C, g_saveAsPath.c_str());  // the file name box
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST_F(FileSafety, BinaryFileIsToldOnOpeningAndAsksBeforeItsNulBytesAreOverwritten) {
  const std::string bytes("MZ\0\0\x90\0text", 10);
  const std::string path = Write("prog.exe", bytes);
  int slot;
  {
    MessageBoxRecorder boxes(IDOK);
    slot = g_app.docs.SlotOfWindow(OpenFileByPath(path));
    ASSERT_GE(slot, 0);
    ASSERT_EQ(boxes.texts.size(), 1u);
    OpenFindings f;
    f.nulBytes = 3;
    EXPECT_EQ(boxes.texts[0], OpenNotice(path, f));
  }
  EXPECT_EQ(Text(slot), std::string("MZ  \x90 text", 10));
  Type(slot, "x");
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_FALSE(SaveDocument(slot, nullptr));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], OpenLossesSaveQuestion(path, 3, 0));
  }
  EXPECT_EQ(ReadTestFile(path), bytes);
  EXPECT_TRUE(Doc(slot).modified);
  // Saved as another file, the binary one stays as it was.
  const std::string copy = dir_ + "copy.txt";
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_TRUE(SaveDocument(slot, copy.c_str()));
    EXPECT_TRUE(boxes.texts.empty());
  }
  EXPECT_EQ(ReadTestFile(copy), std::string("MZ  \x90 textx", 11));
  EXPECT_EQ(ReadTestFile(path), bytes);
}

TEST_F(FileSafety, YesWritesTheBlanksOnceAndThenNoLongerAsks) {
  const std::string path = Write("data.bin", std::string("a\0b", 3));
  const int slot = Open(path);
  {
    MessageBoxRecorder boxes(IDYES);
    EXPECT_TRUE(SaveDocument(slot, nullptr));
    EXPECT_EQ(boxes.texts.size(), 1u);
  }
  EXPECT_EQ(ReadTestFile(path), "a b");
  MessageBoxRecorder boxes(IDNO);
  EXPECT_TRUE(SaveDocument(slot, nullptr));
  EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FileSafety, CharactersLostOnOpeningAreConfirmedBeforeSavingOverTheFile) {
  // "a😀b" in UTF-8: the emoji becomes the geta mark, which UTF-8 can hold,
  // so saving itself would lose nothing more: the question comes from opening.
  const std::string utf8 = "a\xF0\x9F\x98\x80" "b\xE3\x81\x82\n";
  const std::string path = Write("emoji.txt", utf8);
  const int slot = Open(path);
  EXPECT_EQ(Doc(slot).lostCharsOnOpen, 1u);
  Type(slot, "c");
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_FALSE(SaveDocument(slot, nullptr));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], OpenLossesSaveQuestion(path, 0, 1));
  }
  EXPECT_EQ(ReadTestFile(path), utf8);
  MessageBoxRecorder boxes(IDYES);
  EXPECT_TRUE(SaveDocument(slot, nullptr));
  EXPECT_EQ(ReadTestFile(path), "a\xE3\x80\x93" "b\xE3\x81\x82\nc");
}

TEST_F(FileSafety, AChangeOnDiskIsAskedOnActivationOnceAndYesReloadsAsOneUndoStep) {
  const std::string path = Write("shared.txt", "ours\r\nline2\r\n");
  const int slot = Open(path);
  View(slot).SetSelection(8, 8, false);  // on the second line
  Write("shared.txt", "theirs\r\nline2\r\nmore\r\n", 10);
  {
    MessageBoxRecorder boxes(IDYES);
    Activate();
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + path + "\" は他のプログラムによって変更されました。再読み込みしますか？");
    EXPECT_EQ(boxes.captions[0], "Quillet");
  }
  EXPECT_EQ(Text(slot), "theirs\r\nline2\r\nmore\r\n");
  EXPECT_FALSE(Doc(slot).modified);
  EXPECT_EQ(Doc(slot).LineOfByte(Doc(slot).CaretByte()), 1);
  // Nothing more to ask; the earlier text is one undo away.
  {
    MessageBoxRecorder boxes(IDYES);
    Activate();
    EXPECT_TRUE(boxes.texts.empty());
  }
  ASSERT_TRUE(Undo(Editable(slot)));
  EXPECT_EQ(Text(slot), "ours\r\nline2\r\n");
}

TEST_F(FileSafety, KeepingOursAsksNoMoreAndTheNextSaveOverwritesThatChange) {
  const std::string path = Write("keep.txt", "ours");
  const int slot = Open(path);
  Type(slot, "!");
  Write("keep.txt", "theirs", 10);
  {
    MessageBoxRecorder boxes(IDNO);
    Activate();
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], ChangedOnDiskQuestion(path, true));
    Activate();
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_TRUE(SaveDocument(slot, nullptr));
    EXPECT_EQ(boxes.texts.size(), 1u);
  }
  EXPECT_EQ(ReadTestFile(path), "ours!");
  // A further change is asked about again.
  Write("keep.txt", "again", 20);
  MessageBoxRecorder boxes(IDNO);
  Activate();
  EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST_F(FileSafety, SavingOverAChangedFileAsksReloadOverwriteOrCancel) {
  const std::string path = Write("race.txt", "ours");
  const int slot = Open(path);
  Type(slot, "+");
  Write("race.txt", "theirs", 10);
  {
    MessageBoxRecorder boxes(IDCANCEL);
    EXPECT_FALSE(SaveDocument(slot, nullptr));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], ChangedBeforeSaveQuestion(path));
    // Asked already: activation is quiet, but the next save asks again.
    Activate();
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_FALSE(SaveDocument(slot, nullptr));
    EXPECT_EQ(boxes.texts.size(), 2u);
  }
  EXPECT_EQ(ReadTestFile(path), "theirs");
  {
    MessageBoxRecorder boxes(IDYES);  // reload: nothing is saved
    EXPECT_FALSE(SaveDocument(slot, nullptr));
  }
  EXPECT_EQ(Text(slot), "theirs");
  Type(slot, "+");
  Write("race.txt", "third", 20);
  MessageBoxRecorder boxes(IDNO);  // overwrite
  EXPECT_TRUE(SaveDocument(slot, nullptr));
  EXPECT_EQ(ReadTestFile(path), "theirs+");
}

TEST_F(FileSafety, ADeletedFileIsToldOnceAndTheDocumentThenCountsAsModified) {
  const std::string path = Write("gone.txt", "text");
  const int slot = Open(path);
  DeleteFileA(path.c_str());
  MessageBoxRecorder boxes(IDOK);
  Activate();
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], DeletedOnDiskNotice(path));
  EXPECT_TRUE(Doc(slot).modified);
  Activate();
  EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST_F(FileSafety, NothingIsAskedWhileADialogOfOursIsUp) {
  const std::string path = Write("modal.txt", "one");
  Open(path);
  Write("modal.txt", "two", 10);
  MessageBoxRecorder boxes(IDNO);
  EnableWindow(g_app.frame, FALSE);  // as a modal dialog or message box does
  Activate();
  EXPECT_TRUE(boxes.texts.empty());
  EnableWindow(g_app.frame, TRUE);
  PumpMessages(30);
  EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST_F(FileSafety, AReadOnlyFileSaysSoAndSaveOffersAnotherName) {
  const std::string path = Write("ro.txt", "locked");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  int slot;
  {
    MessageBoxRecorder boxes(IDOK);
    slot = g_app.docs.SlotOfWindow(OpenFileByPath(path));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + path + "\" は読み取り専用です。変更を保存するときは、別の名前で保存してください。");
  }
  Type(slot, "!");
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_FALSE(SaveDocument(slot, nullptr));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], ReadOnlySaveQuestion(path));
  }
  g_saveAsPath = dir_ + "writable.txt";
  MessageBoxRecorder boxes(IDYES);
  SetTimer(nullptr, 0, 50, AnswerSaveDialog);
  EXPECT_TRUE(SaveDocument(slot, nullptr));
  EXPECT_EQ(ReadTestFile(g_saveAsPath), "locked!");
  EXPECT_EQ(ReadTestFile(path), "locked");
  EXPECT_EQ(Slot(slot).path, g_saveAsPath);
}

TEST_F(FileSafety, AFailedWriteOffersAnotherNameAndSavesThere) {
  const std::string path = Write("busy.txt", "old");
  const int slot = Open(path);
  Type(slot, "+new");
  // Another program holds the file open and shares nothing.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  g_saveAsPath = dir_ + "elsewhere.txt";
  {
    MessageBoxRecorder boxes(IDYES);
    SetTimer(nullptr, 0, 50, AnswerSaveDialog);
    EXPECT_TRUE(SaveDocument(slot, nullptr));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], WriteFailedSaveAsQuestion(path));
  }
  CloseHandle(held);
  EXPECT_EQ(ReadTestFile(path), "old");
  EXPECT_EQ(ReadTestFile(g_saveAsPath), "old+new");
  EXPECT_EQ(Slot(slot).path, g_saveAsPath);
  EXPECT_FALSE(Doc(slot).modified);
}

TEST_F(FileSafety, PasteConvertsUnicodeTextAndNamesWhatCouldNotBeKept) {
  const int slot = NewDocument("");
  // Another program's Unicode text: 😀 𠮷 € é ñ and kanji.
  const std::wstring wide = L"a\U0001F600 \U00020BB7 \u20AC \u00E9 \u00F1\u6F22";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(block), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  MessageBoxRecorder boxes(IDOK);
  ActivateAndDispatch(slot, ID_EDIT_PASTE);
  EXPECT_EQ(Text(slot), "a〓 〓 〓 〓 〓漢");
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0],
            "貼り付けたテキストには、Shift-JIS で表せない文字が 5 文字ありました。\n"
            "U+1F600 U+20BB7 U+20AC U+00E9 U+00F1\nそれらの文字は〓に置き換えて貼り付けました。");
}

TEST_F(FileSafety, OurOwnCopiesPasteBackByteForByte) {
  // NEC row 13 and IBM characters have twins elsewhere in Shift-JIS; a trip
  // through Unicode would give the twin.
  const std::string text = "\x87\x90\xFA\x40\x87\x54";
  const int slot = NewDocument(text);
  View(slot).SetSelection(0, static_cast<int>(text.size()), false);
  ActivateAndDispatch(slot, ID_EDIT_COPY);
  View(slot).SetSelection(static_cast<int>(text.size()), static_cast<int>(text.size()), false);
  MessageBoxRecorder boxes(IDOK);
  ActivateAndDispatch(slot, ID_EDIT_PASTE);
  EXPECT_EQ(Text(slot), text + text);
  EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FileSafety, FilesHandedOverByASecondInstanceOpenHere) {
  const std::string a = Write("a.txt", "from a second instance");
  const std::string b = Write("b.txt", "b");
  auto send = [](unsigned long tag, const std::string& bytes) {
    COPYDATASTRUCT data{tag, static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
    return SendMessageA(g_app.frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  };
  // Another program directory: a copy installed elsewhere keeps its own files.
  EXPECT_EQ(send(kOpenRequestTag, BuildOpenRequest("C:\\elsewhere\\", {a})), FALSE);
  // Malformed requests and other tags are refused.
  EXPECT_EQ(send(kOpenRequestTag, "no terminator"), FALSE);
  EXPECT_EQ(send(1, BuildOpenRequest(g_app.ProgramDir, {a})), FALSE);
  PumpMessages(20);
  EXPECT_LT(g_app.docs.FindTextByPath(a), 0);

  EXPECT_EQ(send(kOpenRequestTag, BuildOpenRequest(g_app.ProgramDir, {a, b})), TRUE);
  // Opened from the queue, not while the sender waits.
  EXPECT_LT(g_app.docs.FindTextByPath(a), 0);
  PumpMessages(50);
  const int slotA = g_app.docs.FindTextByPath(a);
  ASSERT_GE(slotA, 0);
  EXPECT_EQ(Text(slotA), "from a second instance");
  EXPECT_EQ(ActiveSlot(), g_app.docs.FindTextByPath(b));
}

TEST_F(FileSafety, HandedOverFilesWaitWhileADialogOfOursIsUp) {
  const std::string a = Write("wait.txt", "w");
  const std::string request = BuildOpenRequest(g_app.ProgramDir, {a});
  COPYDATASTRUCT data{kOpenRequestTag, static_cast<DWORD>(request.size()), const_cast<char*>(request.data())};
  EnableWindow(g_app.frame, FALSE);
  EXPECT_EQ(SendMessageA(g_app.frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), TRUE);
  PumpMessages(30);
  EXPECT_LT(g_app.docs.FindTextByPath(a), 0);
  EnableWindow(g_app.frame, TRUE);
  PumpMessages(30);
  EXPECT_GE(g_app.docs.FindTextByPath(a), 0);
}
