// Find next with the wrap question, and F3.
#include "search/find_next.h"
#include "search/regex_adapter_win.h"
#include "search/search_dialog_win.h"
#include "search/search_dialogs_win.h"
#include "editor/editor_view_win.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/message_box_win.h"

const char kSearchCaption[] = "Wrenfold - Search";

namespace {

void SelectMatch(EditorView& view, const SearchHit& hit) { view.SetSelection(hit.pos + hit.length, hit.pos, true); }

}  // namespace

bool FindNextInSlot(HWND owner, int slot, const std::string& text, SearchOptions options, bool wrap) {
  EditorView* view = EditorOf(slot);
  if (!view || text.empty()) return false;
  TextDocument& doc = view->Doc();
  const RegexApi* api = &RegexLibrary();
  SearchHit hit = FindInDocument(doc, FindNextStart(doc), text, options, api);
  if (hit.Error()) {
    ShowRegexError(owner, hit.errorText);
    return false;
  }
  if (hit.Found()) {
    SelectMatch(*view, hit);
    return true;
  }
  if (!wrap) return false;
  hit = FindInDocument(doc, 0, text, options, api);
  if (hit.Error()) {
    ShowRegexError(owner, hit.errorText);
    return false;
  }
  if (!hit.Found()) {
    const std::string message = "文字列 \"" + text + "\" が見つかりません";
    QuilletMessageBox(owner, message.c_str(), kSearchCaption, MB_OK | MB_ICONINFORMATION);
    return false;
  }
  if (QuilletMessageBox(owner, "ファイルの最初から検索しますか？", kSearchCaption, MB_YESNO | MB_ICONINFORMATION) !=
      IDYES)
    return false;
  SelectMatch(*view, hit);
  return true;
}

void RepeatLastSearch() {
  const EditorSettings& settings = g_app.settings;
  if (settings.findHistory[0].empty()) {
    ShowFindDialog();
    return;
  }
  const int slot = ActiveTextSlot();
  if (slot < 0) {
    MessageBeep(MB_OK);
    return;
  }
  const SearchOptions options{settings.IsFindStrBigSmall != 0, settings.IsRegExp != 0};
  FindNextInSlot(g_app.frame, slot, settings.findHistory[0], options, true);
}
