// IME composition: the composition window sits at the caret in the editor
// font; a result string is inserted as typed text.
#include <string>

#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "shell/app.h"

#include <imm.h>  // needs the Win32 types first

namespace {

void PlaceCompositionWindow(HWND editor, const TextDocument& doc, HIMC imc) {
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos.x = doc.gutterWidth + g_app.editorFonts.cx * (doc.caretCol - ScrollPos(editor, SB_HORZ));
  form.ptCurrentPos.y = g_app.editorFonts.cy * (doc.caretRow - ScrollPos(editor, SB_VERT));
  ImmSetCompositionWindow(imc, &form);
}

}  // namespace

void OnImeStartComposition(HWND editor) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  HIMC imc = ImmGetContext(editor);
  if (!imc) return;
  PlaceCompositionWindow(editor, *slot->text, imc);
  LOGFONTA font = g_app.settings.EditorFont;
  ImmSetCompositionFontA(imc, &font);
  ImmReleaseContext(editor, imc);
}

void OnImeComposition(HWND editor, LPARAM flags) {
  if (!(flags & GCS_RESULTSTR)) return;
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  HIMC imc = ImmGetContext(editor);
  if (!imc) return;
  // Asked for its size first, so that a long result is never cut inside a character.
  const LONG size = ImmGetCompositionStringA(imc, GCS_RESULTSTR, nullptr, 0);
  if (size > 0) {
    std::string result(static_cast<size_t>(size), '\0');
    const LONG got = ImmGetCompositionStringA(imc, GCS_RESULTSTR, result.data(), static_cast<DWORD>(size));
    if (got > 0) {
      result.resize(static_cast<size_t>(got));
      EditSelection(*slot, result, false, true);
      UpdateWindow(editor);
      PlaceCompositionWindow(editor, *slot->text, imc);
    }
  }
  ImmReleaseContext(editor, imc);
}
