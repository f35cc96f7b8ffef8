// Opening text files into documents and saving documents in their codes.
#include <cstdio>

#include "editor/editing.h"
#include "files/file_dialog_win.h"
#include "files/file_filters.h"
#include "files/file_io_win.h"
#include "files/file_types.h"
#include "files/newline.h"
#include "files/nkf_adapter.h"
#include "files/charset_names.h"
#include "files/disk_watch_win.h"
#include "files/file_notices.h"
#include "files/open_save_win.h"
#include "files/paths.h"
#include "iconedit/icon_document_win.h"
#include "prefs/extension_list.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/message_box_win.h"
#include "shell/settings_history.h"
#include "shell/tab_bar_win.h"

namespace {

std::string Format(const char* format, const std::string& a, long long n = 0, const std::string& b = std::string()) {
  char buf[1024];
  std::snprintf(buf, sizeof buf, format, a.c_str(), n, b.c_str());
  return buf;
}

// What reading a file gives, before a document holds it.
struct LoadedFile {
  FileContent content;
  OpenFindings findings;
  bool converterMissing = false;
};

// Reads and decodes a text file; a failure is reported and nothing is kept.
bool LoadTextFile(const std::string& path, LoadedFile& out) {
  std::string bytes;
  if (!ReadWholeFileWithMessage(path, bytes, g_app.frame)) return false;
  const size_t nuls = NulToBlank(bytes);
  FileContent& content = out.content;
  content.newline = DetectNewline(bytes);
  NkfDecoded decoded = NkfDecodeToSjis(ToCrLf(std::move(bytes), content.newline));
  if (decoded.text.size() > static_cast<size_t>(TextDocument::kMaxLength)) {
    std::string text = Format("\"%s\" ファイルは大きすぎるため開けません。", path);
    QuilletMessageBox(g_app.frame, text.c_str(), "エラー", MB_OK | MB_ICONWARNING);
    return false;
  }
  content.charset = decoded.charset;
  content.utf8Bom = decoded.utf8Bom;
  content.text = std::move(decoded.text);
  content.nulBytes = nuls;
  content.lostChars = decoded.lost;
  out.findings.nulBytes = nuls;
  out.findings.lostChars = decoded.lost;
  out.findings.charset = decoded.charset;
  out.converterMissing = decoded.converterMissing;
  return true;
}

// Nothing is lost unnoticed: what the conversion could not keep, NUL bytes
// shown as blanks and a read-only file are told once, after the document shows.
void TellOpenFindings(const std::string& path, const LoadedFile& loaded) {
  if (loaded.converterMissing)
    QuilletMessageBox(g_app.frame, NkfMissingReadMessage(path).c_str(), "Quillet", MB_OK | MB_ICONWARNING);
  const std::string notice = OpenNotice(path, loaded.findings);
  if (!notice.empty())
    QuilletMessageBox(g_app.frame, notice.c_str(), "Quillet",
                      MB_OK | (OpenNoticeWarns(loaded.findings) ? MB_ICONWARNING : MB_ICONINFORMATION));
}

void BringToTop(HWND window) {
  HWND client = GetParent(window);
  if (IsIconic(window)) SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(window), 0);
  SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
}

// The title a document takes from its new path, unique among the other documents.
std::string TitleForPath(int slot, const std::string& path) {
  DocumentSlot& s = g_app.docs.slots[slot];
  std::string own = s.title;
  s.title.clear();
  std::string title = g_app.docs.UniqueTitle(PathFileName(path));
  s.title = own;
  return title;
}

// initialPath: the name the dialog starts with (empty: none).
bool AskSaveDialog(int slot, const std::string& initialPath = std::string()) {
  std::string chosen = initialPath;
  const DocumentKind kind = g_app.docs.slots[slot].kind;
  if (!RunFileDialog(g_app.frame, chosen, SaveFileFilter(kind), "保存先のファイルを指定してください", false,
                     StartingFilter(SaveFilters(kind), kind, chosen)))
    return false;
  return SaveDocument(slot, chosen.c_str());
}

void AfterSave(int slot) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (g_app.settings.IsSaveTabToHead) {
    COLORREF colour = TabColour(s.title);
    TabRemove(s.title);
    TabInsertFront(s.title, colour);
  }
  HistoryAdd(g_app.settings.fileHistory, s.path);
  ShowModifiedMark(slot);  // save all saves documents that are not on top
  RefreshStatusBar();
  RefreshCommandStates();
}

}  // namespace

WriteResult WriteTextDocument(const std::string& path, TextDocument& doc, bool offerSaveAs) {
  NkfEncoded encoded = NkfEncodeFromSjis(std::string_view(doc.CStr(), doc.Length()), doc.charset, doc.utf8Bom);
  if (encoded.converterMissing) {
    QuilletMessageBox(g_app.frame, NkfMissingSaveMessage(path, doc.charset).c_str(), "Quillet", MB_OK | MB_ICONWARNING);
    return WriteResult::kDeclined;
  }
  if (encoded.lost > 0) {
    std::string question = Format("\"%s\" の %lld 文字は %s で表せないため、〓に置き換えて保存されます。\n保存しますか？",
                                  path, static_cast<long long>(encoded.lost), CharsetName(doc.charset));
    if (QuilletMessageBox(g_app.frame, question.c_str(), "Quillet", MB_YESNO | MB_ICONWARNING) != IDYES)
      return WriteResult::kDeclined;
  }
  CrLfTo(encoded.bytes, doc.newline);
  if (!WriteWholeFile(path, encoded.bytes)) {
    if (offerSaveAs) {
      const std::string question = WriteFailedSaveAsQuestion(path);
      return QuilletMessageBox(g_app.frame, question.c_str(), "エラー", MB_YESNO | MB_ICONERROR) == IDYES
                 ? WriteResult::kFailedSaveAsWanted
                 : WriteResult::kFailed;
    }
    std::string text = Format("\"%s\" ファイルへの書き込みに失敗しました。", path);
    QuilletMessageBox(g_app.frame, text.c_str(), "エラー", MB_OK | MB_ICONERROR);
    return WriteResult::kFailed;
  }
  doc.modified = false;
  // The file now holds what the document shows.
  doc.nulBytesOnOpen = 0;
  doc.lostCharsOnOpen = 0;
  return WriteResult::kWritten;
}

HWND ReadTextFileIntoDocument(const std::string& path, DocumentKind kind, COLORREF tabColour) {
  int open = g_app.docs.FindTextByPath(path);
  if (open >= 0) {
    BringToTop(g_app.docs.slots[open].window);
    return g_app.docs.slots[open].window;
  }
  // Taken before reading: a change made while we read shows up as a change later.
  const FileStamp stamp = ReadFileStamp(path);
  LoadedFile loaded;
  if (!LoadTextFile(path, loaded)) return nullptr;
  loaded.findings.readOnly = stamp.readOnly;
  HWND window = CreateTextDocumentWindow(path, kind, tabColour, &loaded.content);
  if (!window) return nullptr;
  const int slot = g_app.docs.SlotOfWindow(window);
  if (slot >= 0) DiskWatchStart(g_app.docs.slots[slot].disk, stamp);
  TellOpenFindings(path, loaded);
  return window;
}

bool ReloadDocument(int slot) {
  TextDocumentWindow* window = TextWindowOf(slot);
  if (!window) return false;
  DocumentSlot& s = g_app.docs.slots[slot];
  const std::string path = s.path;
  const FileStamp stamp = ReadFileStamp(path);
  LoadedFile loaded;
  if (!LoadTextFile(path, loaded)) {
    DiskWatchTold(s.disk, stamp);  // reported once; not asked again for this state
    return false;
  }
  window->TakeReloadedContent(std::move(loaded.content));
  DiskWatchStart(s.disk, stamp);
  RefreshStatusBar();
  RefreshCommandStates();
  TellOpenFindings(path, loaded);
  return true;
}

namespace {

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The one open document when it is a new untitled one nobody has typed into
// (the start-up's Document[1]): the first file opened takes its place.
int PristineUntitledSlot() {
  int found = -1, inUse = 0;
  for (int i = 0; i < DocumentTable::kSlots; ++i) {
    const DocumentSlot& s = g_app.docs.slots[i];
    if (!s.InUse()) continue;
    ++inUse;
    const EditableText* text = s.Text();
    if (s.path.empty() && text && !text->doc.modified && text->doc.Length() == 0 && UndoStepCount(text->undo) == 0)
      found = i;
  }
  return inUse == 1 ? found : -1;
}

}  // namespace

HWND OpenFileByPath(const std::string& path) {
  if (IsFolder(path)) return nullptr;  // a folder typed into the open dialog is no file
  HistoryAdd(g_app.settings.fileHistory, path);
  const int pristine = PristineUntitledSlot();
  HWND opened = FileTypeOfPath(path) == FileType::kIcon
                    ? OpenIconDocument(path)
                    : ReadTextFileIntoDocument(path, DocumentKindOfPath(path),
                                               TabColourOfPath(g_app.settings.extensions, path));
  if (opened && pristine >= 0 && g_app.docs.slots[pristine].window != opened)
    SendMessageA(g_app.docs.slots[pristine].window, WM_CLOSE, 0, 0);
  return opened;
}

bool SaveDocument(int slot, const char* newPath) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return false;
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.InUse() || !s.document) return false;
  const bool ownFile = !newPath || (!s.path.empty() && PathEqualsNoCase(newPath, s.path));
  if (newPath) {
    if (FileExists(newPath)) {
      std::string question = Format("\"%s\" ファイルは既に存在しています。上書きしますか？", newPath);
      if (QuilletMessageBox(g_app.frame, question.c_str(), "Quillet", MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return false;
    }
  } else if (s.path.empty()) {
    return AskSaveDialog(slot);
  } else if (!FileExists(s.path) && s.kind != DocumentKind::kIcon) {
    g_app.settings.DefSaveDir = PathDirectory(s.path);
    return AskSaveDialog(slot);
  }
  if (ownFile) {
    switch (SettleOverwrite(slot)) {
      case OverwriteDecision::kWrite: break;
      case OverwriteDecision::kSaveAs: return AskSaveDialog(slot, s.path);
      case OverwriteDecision::kStop: return false;
    }
  }
  if (newPath) {
    s.path = newPath;
    RetitleDocument(slot, TitleForPath(slot, s.path));
  }
  if (EditableText* text = s.Text()) {
    switch (WriteTextDocument(s.path, text->doc, true)) {
      case WriteResult::kWritten: break;
      case WriteResult::kFailedSaveAsWanted: return AskSaveDialog(slot, s.path);
      case WriteResult::kDeclined:
      case WriteResult::kFailed: return false;
    }
  } else if (!s.document->SaveTo(s.path)) {
    return false;
  }
  DiskWatchStart(s.disk, ReadFileStamp(s.path));
  AfterSave(slot);
  return true;
}
