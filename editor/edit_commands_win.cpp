// Commands of text documents only: the selection conversions and the
// character counts.
#include "editor/char_count_dialog_win.h"
#include "editor/conversions_win.h"
#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "editor/text_document_window_win.h"
#include "resources/ids.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"

namespace {

bool ConversionOf(UINT id, Conversion& out) {
  switch (id) {
    case ID_CONV_LOWER: out = Conversion::kLower; return true;
    case ID_CONV_UPPER: out = Conversion::kUpper; return true;
    case ID_CONV_HALFWIDTH: out = Conversion::kHalfWidth; return true;
    case ID_CONV_FULLWIDTH: out = Conversion::kFullWidth; return true;
    case ID_CONV_KATAKANA: out = Conversion::kKatakana; return true;
    case ID_CONV_HIRAGANA: out = Conversion::kHiragana; return true;
    case ID_CONV_TAB2SPACE: out = Conversion::kTabsToSpaces; return true;
    case ID_CONV_SPACE2TAB: out = Conversion::kSpacesToTabs; return true;
    case ID_CONV_QUOTEWRAP: out = Conversion::kQuoteWrap; return true;
    case ID_CONV_WRAP: out = Conversion::kWrap; return true;
  }
  return false;
}

}  // namespace

bool HandleTextCommand(UINT id) {
  EditorView* view = EditorOf(ActiveSlot());
  if (!view) return false;
  if (id == ID_TOOL_CHARCOUNT || id == ID_TOOL_CHARCOUNTSEL) {
    CharCountDialog(view->Text(), id == ID_TOOL_CHARCOUNTSEL);
    return true;
  }
  Conversion conversion;
  if (!ConversionOf(id, conversion)) return false;
  if (ConvertSelection(view->Text(), conversion, LocaleMapText)) view->AfterCommand();
  return true;
}
