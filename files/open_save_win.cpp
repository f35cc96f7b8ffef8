// Opening text files into documents and saving documents in their codes.
#include <cstdio>

#include "files/file_dialog_win.h"
#include "files/file_io_win.h"
#include "files/file_types.h"
#include "files/newline.h"
#include "files/nkf_adapter.h"
#include "files/charset_names.h"
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

// Reading reports what the conversion could not keep, so that nothing is lost unnoticed.
void WarnAboutLostCharacters(const std::string& path, const NkfDecoded& d) {
  if (d.converterMissing) {
    QuilletMessageBox(g_app.frame, NkfMissingReadMessage(path).c_str(), "Quillet", MB_OK | MB_ICONWARNING);
  } else if (d.lost > 0) {
    std::string text = Format(
        "\"%s\" には、%lld 文字、%s として正しくないか Shift-JIS で表せない文字があります。\n"
        "それらの文字は〓で表示されています。このまま保存すると元の文字は失われます。",
        path, static_cast<long long>(d.lost), CharsetName(d.charset));
    QuilletMessageBox(g_app.frame, text.c_str(), "Quillet", MB_OK | MB_ICONWARNING);
  }
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

bool AskSaveDialog(int slot) {
  std::string chosen;
  if (!RunFileDialog(g_app.frame, chosen, SaveFileFilter(g_app.docs.slots[slot].kind),
                     "保存先のファイルを指定してください", false))
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
  RefreshStatusBar();
  RefreshCommandStates();
}

}  // namespace

bool WriteTextDocument(const std::string& path, TextDocument& doc) {
  NkfEncoded encoded = NkfEncodeFromSjis(std::string_view(doc.CStr(), doc.Length()), doc.charset, doc.utf8Bom);
  if (encoded.converterMissing) {
    QuilletMessageBox(g_app.frame, NkfMissingSaveMessage(path, doc.charset).c_str(), "Quillet", MB_OK | MB_ICONWARNING);
    return false;
  }
  if (encoded.lost > 0) {
    std::string question = Format("\"%s\" の %lld 文字は %s で表せないため、〓に置き換えて保存されます。\n保存しますか？",
                                  path, static_cast<long long>(encoded.lost), CharsetName(doc.charset));
    if (QuilletMessageBox(g_app.frame, question.c_str(), "Quillet", MB_YESNO | MB_ICONWARNING) != IDYES) return false;
  }
  CrLfTo(encoded.bytes, doc.newline);
  if (!WriteWholeFile(path, encoded.bytes)) {
    std::string text = Format("\"%s\" ファイルへの書き込みに失敗しました。", path);
    QuilletMessageBox(g_app.frame, text.c_str(), "エラー", MB_OK | MB_ICONERROR);
    return false;
  }
  doc.modified = false;
  return true;
}

HWND ReadTextFileIntoDocument(const std::string& path, DocumentKind kind, COLORREF tabColour) {
  int open = g_app.docs.FindTextByPath(path);
  if (open >= 0) {
    BringToTop(g_app.docs.slots[open].window);
    return g_app.docs.slots[open].window;
  }
  std::string bytes;
  if (!ReadWholeFileWithMessage(path, bytes, g_app.frame)) return nullptr;
  NulToBlank(bytes);
  FileContent content;
  content.newline = DetectNewline(bytes);
  NkfDecoded decoded = NkfDecodeToSjis(ToCrLf(std::move(bytes), content.newline));
  content.charset = decoded.charset;
  content.utf8Bom = decoded.utf8Bom;
  if (decoded.text.size() > static_cast<size_t>(TextDocument::kMaxLength)) {
    std::string text = Format("\"%s\" ファイルは大きすぎるため開けません。", path);
    QuilletMessageBox(g_app.frame, text.c_str(), "エラー", MB_OK | MB_ICONWARNING);
    return nullptr;
  }
  WarnAboutLostCharacters(path, decoded);
  content.text = std::move(decoded.text);
  return CreateTextDocumentWindow(path, kind, tabColour, &content);
}

HWND OpenFileByPath(const std::string& path) {
  HistoryAdd(g_app.settings.fileHistory, path);
  if (FileTypeOfPath(path) == FileType::kIcon) return OpenIconDocument(path);
  return ReadTextFileIntoDocument(path, DocumentKindOfPath(path),
                                  TabColourOfPath(g_app.settings.extensions, path));
}

bool SaveDocument(int slot, const char* newPath) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return false;
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.InUse() || !s.document) return false;
  if (newPath) {
    if (FileExists(newPath)) {
      std::string question = Format("\"%s\" ファイルは既に存在しています。上書きしますか？", newPath);
      if (QuilletMessageBox(g_app.frame, question.c_str(), "Quillet", MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return false;
    }
    s.path = newPath;
    RetitleDocument(slot, TitleForPath(slot, s.path));
  } else if (s.path.empty()) {
    return AskSaveDialog(slot);
  } else if (!FileExists(s.path) && s.kind != DocumentKind::kIcon) {
    g_app.settings.DefSaveDir = PathDirectory(s.path);
    return AskSaveDialog(slot);
  }
  if (!s.document->SaveTo(s.path)) return false;
  AfterSave(slot);
  return true;
}
