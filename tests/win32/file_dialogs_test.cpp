// The open and save dialogs as a user meets them: Save As starts on the
// document's name and filter, Open takes several files and no folder, the
// untouched start-up document gives way to the first file opened.
#include <windows.h>

#include "app_fixture.h"
#include "editor/editing.h"
#include "files/open_save_win.h"
#include "files/charset_names.h"
#include "resources/ids.h"
#include "shell/doc_windows_win.h"
#include "shell/settings_history.h"
#include "test_support.h"

namespace {

constexpr int kFileNameBox = 0x47C;  // the dialogs' file name field
constexpr int kFilterBox = 0x470;    // their file type list

struct DialogAnswer {
  const char* caption = nullptr;
  std::string typed;       // put into the file name field before OK
  std::string shownName;   // what the field held
  std::string shownFilter; // the file type selected when it opened
  bool seen = false;
};
DialogAnswer g_answer;

void CALLBACK AnswerFileDialog(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindThreadDialog(g_answer.caption);
  if (!box) return;
  KillTimer(nullptr, id);
  char text[MAX_PATH] = {};
  GetDlgItemTextA(box, kFileNameBox, text, sizeof text);
  g_answer.shownName = text;
  HWND filter = GetDlgItem(box, kFilterBox);
  const LRESULT sel = SendMessageA(filter, CB_GETCURSEL, 0, 0);
  char item[MAX_PATH] = {};
  if (sel >= 0) SendMessageA(filter, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(item));
  g_answer.shownFilter = item;
  g_answer.seen = true;
  SetDlgItemTextA(box, kFileNameBox, g_answer.typed.c_str());
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class FileDialogs : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    dir_ = MakeTempFolder("dialogs");
    g_app.settings.DefSaveDir = dir_;
  }
  void TearDown() override {
    AppFixture::TearDown();
    RemoveTree(dir_);
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_ + name;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return path;
  }
  void RunWithDialog(const char* caption, const std::string& typed, UINT command, int slot = -1) {
    g_answer = DialogAnswer();
    g_answer.caption = caption;
    g_answer.typed = typed;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerFileDialog);
    if (slot >= 0) ActivateAndDispatch(slot, command); else DispatchCommand(command);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(g_answer.seen);
  }
  std::string dir_;
};

}  // namespace

TEST_F(FileDialogs, SaveAsStartsOnTheNameAndTheSourceFilter) {
  const int slot = g_app.docs.SlotOfWindow(OpenFileByPath(Write("prog.bas", "Print 1\r\n")));
  ASSERT_GE(slot, 0);
  EditSelection(Editable(slot), "' ");
  RunWithDialog("保存先のファイルを指定してください", "prog3", ID_FILE_SAVEAS, slot);
  EXPECT_EQ(g_answer.shownName, "prog.bas");
  EXPECT_EQ(g_answer.shownFilter, "ソース ファイル(*.bas;*.ovp;*.sbp;*.wbp)");
  // The name typed without an extension takes the source one.
  EXPECT_EQ(Slot(slot).path, dir_ + "prog3.bas");
  EXPECT_EQ(ReadTestFile(dir_ + "prog3.bas"), "' Print 1\r\n");
}

TEST_F(FileDialogs, OpenTakesSeveralFilesAndNeverAFolder) {
  Write("a.txt", "A");
  Write("b.txt", "B");
  CreateDirectoryA((dir_ + "sub").c_str(), nullptr);
  // The start-up's untouched document gives way to the first file.
  const int untitled = NewDocument();
  ASSERT_GE(untitled, 0);
  const HWND untitledWindow = Slot(untitled).window;
  RunWithDialog("ファイルを指定してください", "\"a.txt\" \"b.txt\"", ID_FILE_OPEN);
  PumpMessages(30);
  int open = 0;
  for (const DocumentSlot& s : g_app.docs.slots) open += s.InUse() ? 1 : 0;
  EXPECT_EQ(open, 2);
  EXPECT_FALSE(IsWindow(untitledWindow));
  EXPECT_EQ(g_app.settings.fileHistory.paths.at(0), dir_ + "b.txt");
  // A folder is not opened and not remembered.
  EXPECT_EQ(OpenFileByPath(dir_ + "sub"), nullptr);
  EXPECT_EQ(g_app.settings.fileHistory.paths.at(0), dir_ + "b.txt");
}

TEST_F(FileDialogs, AnUntitledDocumentThatWasTouchedStaysAndSaveAllSkipsAnEmptyOne) {
  const int typed = NewDocument();
  EditSelection(Editable(typed), "x");
  OpenFileByPath(Write("c.txt", "C"));
  EXPECT_TRUE(Slot(typed).InUse());
  Doc(typed).modified = false;  // as after Save would leave it, were it not untitled
  const int empty = NewDocument();
  ASSERT_GE(empty, 0);
  MessageBoxRecorder boxes(IDCANCEL);
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerFileDialog);  // a save dialog would be cancelled
  g_answer = DialogAnswer();
  g_answer.caption = "保存先のファイルを指定してください";
  DispatchCommand(ID_FILE_SAVEALL);
  KillTimer(nullptr, timer);
  EXPECT_FALSE(g_answer.seen);
  EXPECT_TRUE(boxes.texts.empty());
}

namespace {
// Chooses EUC and LF in the encoding dialog, cancels the save dialog that
// OK opens for an untitled document, then looks at the dialog, still open.
struct EncodingRun {
  int step = 0;
  bool stillOpen = false;
  Charset charsetAfterCancel = Charset::kUtf8;
  int slot = -1;
};
EncodingRun g_encoding;
void CALLBACK RunEncodingThenCancelTheSave(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_encoding.step == 0) {
    HWND box = FindThreadDialog("文字コードと改行コード");
    if (!box) return;
    SendDlgItemMessageA(box, IDC_ENC_CHARSET, LB_SETCURSEL, 1, 0);
    SendDlgItemMessageA(box, IDC_ENC_NEWLINE, LB_SETCURSEL, 1, 0);
    g_encoding.step = 1;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  } else if (g_encoding.step == 1) {
    HWND save = FindThreadDialog("保存先のファイルを指定してください");
    if (!save) return;
    g_encoding.step = 2;
    PostMessageA(save, WM_COMMAND, IDCANCEL, 0);
  } else {
    HWND box = FindThreadDialog("文字コードと改行コード");
    if (!box || FindThreadDialog("保存先のファイルを指定してください")) return;
    KillTimer(nullptr, id);
    g_encoding.stillOpen = true;
    g_encoding.charsetAfterCancel = g_app.docs.slots[g_encoding.slot].Text()->doc.charset;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  }
}
}  // namespace

TEST_F(FileDialogs, ASaveThatDidNotHappenKeepsTheOldCodes) {
  const int slot = NewDocument("漢字");
  EditSelection(Editable(slot), "x");
  g_encoding = EncodingRun();
  g_encoding.slot = slot;
  SetTimer(nullptr, 0, 50, RunEncodingThenCancelTheSave);
  ActivateAndDispatch(slot, ID_FILE_ENCODING);
  EXPECT_TRUE(g_encoding.stillOpen);
  EXPECT_EQ(g_encoding.charsetAfterCancel, Charset::kShiftJis);
  EXPECT_EQ(Doc(slot).charset, Charset::kShiftJis);
  EXPECT_EQ(Doc(slot).newline, Newline::kCrLf);
}
